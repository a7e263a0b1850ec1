// Grid walk of implicit and inequality plots.
#include "draw/implicit_grid.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <vector>

namespace curvanta {

namespace {

int32_t PitchOf(int32_t funForm) { return funForm == 1 ? 40 : 30; }

bool Passes(int32_t funForm, float value) {
  if (funForm == 1) return -0.025f < value && value < 0.025f;
  return value < 0;
}

}  // namespace

namespace {

// Number of grid points of one coordinate, as a double so that absurd domains don't wrap.
double AxisCount(float minValue, float maxValue, int32_t n, double factor) {
  if (!std::isfinite(minValue) || !std::isfinite(maxValue) || !(factor >= 1)) return 0;
  const double base = double(minValue) * n;
  const double top = double(maxValue) * n;
  if (base > top) return 0;
  double steps = std::floor((top - base) / factor);
  if (steps > 1e15) return steps + 1;  // far beyond any cap; no exact count needed
  while (steps > 0 && base + steps * factor > top) steps -= 1;
  while (base + (steps + 1) * factor <= top) steps += 1;
  return steps + 1;
}

}  // namespace

int64_t ImplicitAxisCount(float minValue, float maxValue, int32_t n, double factor) {
  const double count = AxisCount(minValue, maxValue, n, factor);
  return count > 4e18 ? INT64_MAX : static_cast<int64_t>(count);
}

int64_t ImplicitFramePointCap(int64_t frames) {
  return frames > 1 ? kImplicitGridCap / frames : kImplicitGridCap;
}

double ImplicitGridFactor(const ImplicitGridSpec& spec) {
  const int32_t n = PitchOf(spec.funForm);
  const double cap = double(spec.maxPoints);
  // Whether the grid of a factor fits; the larger the factor, the fewer the points.
  auto fits = [&](double factor) {
    return AxisCount(spec.minU, spec.maxU, n, factor) * AxisCount(spec.minV, spec.maxV, n, factor) <=
           cap;
  };
  if (fits(1.0)) return 1.0;
  if (!(cap >= 1)) return 0;
  double high = 2;  // fits
  while (!fits(high)) {
    high *= 2;
    if (!std::isfinite(high)) return 0;
  }
  // The smallest double that fits, by halving the doubles between the one that does not
  // (high / 2) and high: positive doubles are ordered like their bit patterns. Every whole
  // number below its ceiling is below it, so does not fit.
  uint64_t bad = std::bit_cast<uint64_t>(high / 2);
  uint64_t good = std::bit_cast<uint64_t>(high);
  while (good - bad > 1) {
    const uint64_t mid = bad + (good - bad) / 2;
    if (fits(std::bit_cast<double>(mid)))
      good = mid;
    else
      bad = mid;
  }
  double factor = std::ceil(std::bit_cast<double>(good));
  while (!fits(factor)) factor = std::max(factor + 1, std::nextafter(factor, INFINITY));
  return factor;
}

ImplicitPlot PlotImplicitGrid(const ImplicitGridSpec& spec, const ImplicitFunction& f,
                              const ImplicitRowFunction& row) {
  ImplicitPlot plot;
  const bool polar = spec.coordType == 2;
  if (spec.coordType != 1 && !polar) return plot;
  if (spec.funForm != 1 && spec.funForm != 4) return plot;
  const int32_t n = PitchOf(spec.funForm);
  const double factor = ImplicitGridFactor(spec);
  const int64_t count1 = ImplicitAxisCount(spec.minU, spec.maxU, n, factor);
  const int64_t count2 = ImplicitAxisCount(spec.minV, spec.maxV, n, factor);
  const double base1 = double(spec.minU) * n;
  const double base2 = double(spec.minV) * n;
  double minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
  // Runs of c2 are evaluated at once where the caller can; a run that cannot be is
  // evaluated point by point, so the points and their order are the same either way.
  constexpr int64_t kRun = 1024;
  std::vector<float> runC2, runValues;
  if (row) {
    runC2.resize(size_t(std::min<int64_t>(count2, kRun)));
    runValues.resize(runC2.size());
  }
  for (int64_t i = 0; i < count1; ++i) {
    const float c1 = static_cast<float>((base1 + double(i) * factor) / n);
    int64_t runStart = 0, runEnd = 0;  // the current run [runStart, runEnd)
    bool runEvaluated = false;         // its values are in runValues
    for (int64_t k = 0; k < count2; ++k) {
      const float c2 = static_cast<float>((base2 + double(k) * factor) / n);
      ++plot.evaluations;
      if (row && k >= runEnd) {
        runStart = k;
        runEnd = std::min(count2, k + kRun);
        for (int64_t q = runStart; q < runEnd; ++q)
          runC2[size_t(q - runStart)] = static_cast<float>((base2 + double(q) * factor) / n);
        runEvaluated = row(c1, runC2.data(), size_t(runEnd - runStart), runValues.data());
      }
      const std::optional<float> value =
          runEvaluated ? std::optional<float>(runValues[size_t(k - runStart)]) : f(c1, c2);
      if (!value || !std::isfinite(*value) || !Passes(spec.funForm, *value)) continue;
      if (!polar) {
        plot.points.push_back({double(c1), double(c2)});
        continue;
      }
      const double x = double(c2) * std::cos(double(c1));
      const double y = double(c2) * std::sin(double(c1));
      plot.points.push_back({x, y});
      if (x < minX) minX = x;
      if (x > maxX) maxX = x;
      if (y < minY) minY = y;
      if (y > maxY) maxY = y;
    }
  }
  if (polar) {
    if (minX > 0) minX = 0;
    if (maxX < 0) maxX = 0;
    if (minY > 0) minY = 0;
    if (maxY < 0) maxY = 0;
    plot.minX = static_cast<float>(minX);
    plot.maxX = static_cast<float>(maxX);
    plot.minY = static_cast<float>(minY);
    plot.maxY = static_cast<float>(maxY);
  }
  return plot;
}

}  // namespace curvanta
