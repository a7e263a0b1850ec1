// Test helper: a 2D curve given by C++ functions in place of expression texts, with its
// derivative samples and a simple arc-length integral, for checking the analysis against
// mathematics without the parser.
#pragma once

#include <cmath>
#include <functional>
#include <optional>

#include "draw/plane_analysis.h"

using namespace curvanta;

namespace curvanta::testing_support {

using Fn = std::function<double(double)>;

struct LambdaCurve : PlaneAnalysisFunctions {
  Fn xOf = [](double p) { return p; };  // ExpressY
  Fn yOf;                               // ExpressZ
  Fn dx = [](double) { return 1.0; };   // D1y
  Fn dy;                                // D1z
  Fn d2y;                               // D2z
  Fn dq;                                // Dq
  bool firstOk = true, secondOk = true;
  std::function<std::optional<float>(float, float)> arcLength;

  bool PrepareFirst() override { return firstOk; }
  bool PrepareSecond() override { return secondOk; }
  std::optional<float> Evaluate(PlaneFn fn, float p, float) override {
    const Fn* f = nullptr;
    switch (fn) {
      case PlaneFn::ExpressY: f = &xOf; break;
      case PlaneFn::ExpressZ: f = &yOf; break;
      case PlaneFn::D1y: f = &dx; break;
      case PlaneFn::D1z: f = &dy; break;
      case PlaneFn::D2z: f = &d2y; break;
      case PlaneFn::Dq: f = &dq; break;
    }
    if (!f || !*f) return std::nullopt;
    const float v = static_cast<float>((*f)(p));
    if (!std::isfinite(v)) return std::nullopt;
    return v;
  }
  std::optional<float> ArcLength(float a, float b) override {
    if (arcLength) return arcLength(a, b);
    return std::nullopt;
  }
};

// Explicit Cartesian options over [lo, hi] with `steps` segments: derivative samples at the
// sample abscissas and the box x range widened to contain the origin.
inline PlaneAnalysisOptions ExplicitOptions(const LambdaCurve& c, double lo, double hi,
                                            int steps) {
  PlaneAnalysisOptions o;
  o.graphType = 0;
  o.coordType = 1;
  o.funForm = 2;
  float minX = 0, maxX = 0;
  for (int j = 0; j <= steps; ++j) {
    const float x = static_cast<float>(lo + j * (hi - lo) / steps);
    minX = std::fmin(minX, x);
    maxX = std::fmax(maxX, x);
    if (c.dy) o.dev1.push_back({x, static_cast<float>(c.dy(x))});
    if (c.d2y) o.dev2.push_back({x, static_cast<float>(c.d2y(x))});
  }
  o.boxMinX = minX;
  o.boxMaxX = maxX;
  return o;
}

}  // namespace curvanta::testing_support
