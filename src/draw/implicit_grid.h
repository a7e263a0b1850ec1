// The grid of an implicit "F = 0" or inequality "F < 0" plot: which grid points of the
// item's domain satisfy the relation, as plane points, and for polar plots their extent.
// No OpenGL here; the drawing plots the points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace curvanta {

inline constexpr int64_t kImplicitGridCap = 4000000;

struct ImplicitGridSpec {
  int32_t funForm = 1;    // 1 implicit (|F| < 0.025, pitch 1/40), 4 inequality (F < 0, pitch 1/30)
  int32_t coordType = 1;  // 1: c1, c2 are x, y; 2: c1 is the angle, c2 the radius
  float minU = 0, maxU = 0, minV = 0, maxV = 0;
  // The most grid points this drawing may hold: the whole cap for a still item, the cap
  // shared out over the frames of an animated one (ImplicitFramePointCap).
  int64_t maxPoints = kImplicitGridCap;
};

// The points one frame of an item may hold when its drawing is made `frames` times (once
// per frame of an animation): the cap shared out evenly, so that all frames together hold
// at most kImplicitGridCap.
int64_t ImplicitFramePointCap(int64_t frames);

struct ImplicitGridPoint {
  double x = 0;
  double y = 0;
};

struct ImplicitPlot {
  std::vector<ImplicitGridPoint> points;  // in plotting order (outer c1, inner c2)
  // Polar plots: extent of the points, widened to contain the origin.
  float minX = 0, maxX = 0, minY = 0, maxY = 0;
  int64_t evaluations = 0;
};

// F(c1, c2): the relation's value at a grid point, nothing when the evaluation failed.
using ImplicitFunction = std::function<std::optional<float>(float c1, float c2)>;

// F over a run of grid points that share c1: true with out[0..n) set to exactly what the
// point function gives at each; false (nothing shown) when the run has to be evaluated
// point by point.
using ImplicitRowFunction =
    std::function<bool(float c1, const float* c2, size_t n, float* out)>;

// The grid points of one coordinate: base = min * N, point i at (base + i * factor) / N
// while base + i * factor <= max * N.
int64_t ImplicitAxisCount(float minValue, float maxValue, int32_t n, double factor);

// The smallest whole factor of both pitches that keeps the grid within spec.maxPoints (0
// when no factor does: then nothing is evaluated).
double ImplicitGridFactor(const ImplicitGridSpec& spec);

ImplicitPlot PlotImplicitGrid(const ImplicitGridSpec& spec, const ImplicitFunction& f,
                              const ImplicitRowFunction& row = nullptr);

}  // namespace curvanta
