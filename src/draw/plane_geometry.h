// Plane geometry used by the 2D analysis: where two segments meet, the line through two
// points, and the smaller and larger of two values (32-bit floats, as the analysis keeps them).
#pragma once

#include <cstdint>

namespace curvanta {

// 0: no common point; 1: one common point written to (ix, iy); 2: the segments lie on one
// line and overlap from (ix, iy) to (jx, jy). (ix, iy) is written whenever the lines cross,
// also when the crossing lies outside the segments. Only the x ranges are compared.
int16_t IntersectSegments(float& x1, float& y1, float& x2, float& y2, float& x3, float& y3,
                          float& x4, float& y4, float& ix, float& iy, float& jx, float& jy);

// Slope and intercept of the line through (x0, y0) and (x1, y1); a vertical pair of points
// is taken as a steep line of slope 10000.
void LineThrough(float& x0, float& y0, float& x1, float& y1, float& slope, float& intercept);

float MinOf(float& a, float& b);
float MaxOf(float& a, float& b);

}  // namespace curvanta
