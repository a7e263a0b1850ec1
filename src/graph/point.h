// The one point type of the program: three coordinates in the scene's axes (y vertical)
// and the look of a marker. Drawing the marker lives with the scene, not here.
#pragma once

#include <cstdint>

namespace curvanta {

class Point {
 public:
  float x = 0;
  float y = 0;
  float z = 0;
  int32_t Color = 0;  // 24-bit RGB, red in the low byte
  float Size = 0.15f;
  bool Hollow = false;  // stored only; a hollow circle is Symbol 2
  bool Show = false;    // stored only
  int32_t Symbol = 0;   // 2D marker: 1 solid circle .. 6 cross; others draw nothing

  // A new point at (sngX, sngY, sngZ) with every other field at its default; the point
  // it is called on is left alone.
  static Point Init(float sngX, float sngY, float sngZ) {
    Point p;
    p.x = sngX;
    p.y = sngY;
    p.z = sngZ;
    return p;
  }
};

}  // namespace curvanta
