// Segment intersection, line through two points, smaller and larger of two values.
#include "draw/plane_geometry.h"

#include <utility>

namespace curvanta {

void LineThrough(float& x0, float& y0, float& x1, float& y1, float& slope, float& intercept) {
  if (x0 != x1) {
    slope = static_cast<float>((double(y1) - double(y0)) / (double(x1) - double(x0)));
  } else {
    slope = 10000.0f;
  }
  intercept = static_cast<float>(double(y0) - double(x0) * double(slope));
}

float MinOf(float& a, float& b) { return a >= b ? b : a; }
float MaxOf(float& a, float& b) { return a > b ? a : b; }

int16_t IntersectSegments(float& x1, float& y1, float& x2, float& y2, float& x3, float& y3,
                          float& x4, float& y4, float& ix, float& iy, float& jx, float& jy) {
  // Each segment ordered by x.
  float ax0 = x1, ay0 = y1, ax1 = x2, ay1 = y2;
  if (x1 > x2) {
    std::swap(ax0, ax1);
    std::swap(ay0, ay1);
  }
  float bx0 = x3, by0 = y3, bx1 = x4, by1 = y4;
  if (x3 > x4) {
    std::swap(bx0, bx1);
    std::swap(by0, by1);
  }
  float kA = 0, cA = 0, kB = 0, cB = 0;
  LineThrough(ax0, ay0, ax1, ay1, kA, cA);
  LineThrough(bx0, by0, bx1, by1, kB, cB);
  if (kA != kB) {
    const float x = static_cast<float>((double(cA) - double(cB)) / (double(kB) - double(kA)));
    const float y = static_cast<float>(double(kA) * double(x) + double(cA));
    ix = x;
    iy = y;
    return (ax0 <= x && x <= ax1 && bx0 <= x && x <= bx1) ? 1 : 0;
  }
  if (bx0 > ax1 || bx1 < ax0) return 0;
  const float interceptB = static_cast<float>(double(by0) - double(bx0) * double(kA));
  const float interceptA = static_cast<float>(double(ay0) - double(ax0) * double(kB));
  if (interceptB != interceptA) return 0;
  ix = MaxOf(ax0, bx0);
  iy = static_cast<float>((double(ix) - double(bx0)) * double(kA) + double(by0));
  jx = MinOf(ax1, bx1);
  jy = static_cast<float>((double(jx) - double(bx0)) * double(kA) + double(by0));
  return 2;
}

}  // namespace curvanta
