// The chord-length Hermite spline of 2D tables. Every stored value is a 32-bit float;
// each formula is evaluated in double precision and rounded once where it is stored.
#include "draw/spline_curve.h"

#include <cmath>

namespace curvanta {

double Hypot2D(float a, float b) {
  const double x = a;
  const double y = b;
  return std::sqrt(x * x + y * y);
}

namespace {

constexpr double kSampleStep = 0.2;
constexpr float kLongChord = 200.0f;   // longer chords are sampled at h / kLongChordSamples
constexpr double kLongChordSamples = 1000.0;

}  // namespace

void SplineCurve(int32_t n, int32_t kind, float startTangentX, float endTangentX,
                 float startTangentY, float endTangentY, const std::vector<float>& inputX,
                 const std::vector<float>& inputY, std::vector<float>& outputX,
                 std::vector<float>& outputY, int32_t& count) {
  count = 0;
  outputX.clear();
  outputY.clear();
  if (kind != 1 || n < 1) return;
  const size_t points = static_cast<size_t>(n) + 1;
  if (inputX.size() < points || inputY.size() < points) return;
  const std::vector<float>& x = inputX;
  const std::vector<float>& y = inputY;

  // Chord lengths h[i] from point i - 1 to point i.
  std::vector<float> h(points, 0.0f);
  for (size_t i = 1; i < points; ++i) {
    h[i] = static_cast<float>(Hypot2D(static_cast<float>(double(x[i]) - x[i - 1]),
                                      static_cast<float>(double(y[i]) - y[i - 1])));
    if (!(h[i] > 0.0f) || !std::isfinite(h[i])) return;
  }

  // Tridiagonal system for the tangents: sub-diagonal d, diagonal c, super-diagonal f,
  // right sides a (x) and r (y).
  std::vector<float> d(points, 0.0f), c(points, 0.0f), f(points, 0.0f);
  std::vector<float> a(points, 0.0f), r(points, 0.0f);
  c[0] = 1.0f;
  f[0] = 0.0f;
  a[0] = startTangentX;
  r[0] = startTangentY;
  const size_t last = points - 1;
  c[last] = 1.0f;
  d[last] = 0.0f;
  a[last] = endTangentX;
  r[last] = endTangentY;
  for (size_t i = 1; i < last; ++i) {
    const double hi = h[i];
    const double hn = h[i + 1];
    d[i] = static_cast<float>(hn);
    c[i] = static_cast<float>(2.0 * (hi + hn));
    f[i] = static_cast<float>(hi);
    a[i] = static_cast<float>(3.0 * ((double(x[i]) - x[i - 1]) * hn / hi +
                                     (double(x[i + 1]) - x[i]) * hi / hn));
    r[i] = static_cast<float>(3.0 * ((double(y[i]) - y[i - 1]) * hn / hi +
                                     (double(y[i + 1]) - y[i]) * hi / hn));
  }

  // Forward sweep.
  f[0] = static_cast<float>(double(f[0]) / c[0]);
  for (size_t i = 1; i < last; ++i) {
    c[i] = static_cast<float>(double(c[i]) - double(d[i]) * f[i - 1]);
    f[i] = static_cast<float>(double(f[i]) / c[i]);
  }
  c[last] = static_cast<float>(double(c[last]) - double(d[last]) * f[last - 1]);
  std::vector<float> bx(points), by(points);
  bx[0] = static_cast<float>(double(a[0]) / c[0]);
  by[0] = static_cast<float>(double(r[0]) / c[0]);
  for (size_t i = 1; i <= last; ++i) {
    bx[i] = static_cast<float>((double(a[i]) - double(bx[i - 1]) * d[i]) / c[i]);
    by[i] = static_cast<float>((double(r[i]) - double(by[i - 1]) * d[i]) / c[i]);
  }

  // Back substitution: the tangents.
  std::vector<float> mx(points), my(points);
  mx[last] = bx[last];
  my[last] = by[last];
  for (size_t k = last; k-- > 0;) {
    mx[k] = static_cast<float>(double(bx[k]) - double(f[k]) * mx[k + 1]);
    my[k] = static_cast<float>(double(by[k]) - double(f[k]) * my[k + 1]);
  }

  // Sample every segment.
  for (size_t i = 0; i < last; ++i) {
    const double hh = h[i + 1];
    const double dx = double(x[i + 1]) - x[i];
    const double dy = double(y[i + 1]) - y[i];
    const float cx2 = static_cast<float>((3.0 * dx / hh - 2.0 * mx[i] - mx[i + 1]) / hh);
    const float cx3 = static_cast<float>((-2.0 * dx / hh + mx[i] + mx[i + 1]) / hh / hh);
    const float cy2 = static_cast<float>((3.0 * dy / hh - 2.0 * my[i] - my[i + 1]) / hh);
    const float cy3 = static_cast<float>((-2.0 * dy / hh + my[i] + my[i + 1]) / hh / hh);
    const double step = h[i + 1] > kLongChord ? hh / kLongChordSamples : kSampleStep;
    for (float t = 0.0f; t <= h[i + 1]; t = static_cast<float>(double(t) + step)) {
      const double tt = t;
      outputX.push_back(static_cast<float>(x[i] + tt * (mx[i] + tt * (cx2 + tt * double(cx3)))));
      outputY.push_back(static_cast<float>(y[i] + tt * (my[i] + tt * (cy2 + tt * double(cy3)))));
    }
    outputX.push_back(x[i + 1]);
    outputY.push_back(y[i + 1]);
  }
  count = static_cast<int32_t>(outputX.size());
}

}  // namespace curvanta
