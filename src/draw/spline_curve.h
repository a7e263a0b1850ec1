// The smooth curve through the points of a 2D table: a parametric cubic Hermite spline
// over the chord lengths, sampled at a fixed step in the units of the data.
#pragma once

#include <cstdint>
#include <vector>

namespace curvanta {

// sqrt(a² + b²) in double precision.
double Hypot2D(float a, float b);

// The spline through P0..Pn (inputX[i], inputY[i], i = 0..n) with the given end tangents
// (kind 1, the only end condition there is; any other kind, a negative n, arrays shorter
// than n + 1 or two neighbours at the same place give no output). Segment i runs over its
// chord length h; it is sampled at t = 0, 0.2, 0.4, ... (t summed in single precision) up
// to h, a chord above 200 at the step h/1000 instead, and ends with its exact end point.
// Fills outputX and outputY (resized) and sets count to the number of points written.
void SplineCurve(int32_t n, int32_t kind, float startTangentX, float endTangentX,
                 float startTangentY, float endTangentY, const std::vector<float>& inputX,
                 const std::vector<float>& inputY, std::vector<float>& outputX,
                 std::vector<float>& outputY, int32_t& count);

}  // namespace curvanta
