// How a sample's three components become a point in the scene's axes (y vertical, z the
// mathematical x), by the item's coordinate system.
#pragma once

#include <cmath>
#include <cstdint>

#include "graph/point.h"

namespace curvanta {

// Writes the stored coordinates of components e1, e2, e3 into p (other fields untouched):
//   1, 3 Cartesian:             (e2, e3, e1)
//   2 polar (a = e2, r = e3):   (r cos a, r sin a, e1)
//   4 cylindrical (a, r, h):    (r sin a, h, r cos a)
//   5 spherical (a, b, r):      (r sin b sin a, r cos b, r sin b cos a)
// Sines and cosines are taken in double of the float angle; each product is rounded once.
// Any other code leaves p alone and answers false.
inline bool MapToScene(Point& p, int32_t coordType, float e1, float e2, float e3) {
  switch (coordType) {
    case 1:
    case 3:
      p.x = e2;
      p.y = e3;
      p.z = e1;
      return true;
    case 2: {
      const double a = e2, r = e3;
      p.x = static_cast<float>(r * std::cos(a));
      p.y = static_cast<float>(r * std::sin(a));
      p.z = e1;
      return true;
    }
    case 4: {
      const double a = e1, r = e2;
      p.x = static_cast<float>(r * std::sin(a));
      p.y = e3;
      p.z = static_cast<float>(r * std::cos(a));
      return true;
    }
    case 5: {
      const double a = e1, b = e2, r = e3;
      const double sb = std::sin(b);
      p.x = static_cast<float>(r * sb * std::sin(a));
      p.y = static_cast<float>(r * std::cos(b));
      p.z = static_cast<float>(r * sb * std::cos(a));
      return true;
    }
    default:
      return false;
  }
}

// The sample at index i of a walk that starts at `start` in steps of `step`: computed in
// double and rounded once to float, so the last sample is start + n * step as computed.
inline float SampleValue(float step, int64_t i, float start) {
  return static_cast<float>(static_cast<double>(step) * static_cast<double>(i) +
                            static_cast<double>(start));
}

// The float step of a range cut into n segments.
inline float StepSize(float lo, float hi, int64_t n) {
  return static_cast<float>((static_cast<double>(hi) - static_cast<double>(lo)) /
                            static_cast<double>(n));
}

}  // namespace curvanta
