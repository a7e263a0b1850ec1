// An axis-aligned box in the scene's axes: what every bounding-box query answers. A
// minimum above its maximum marks an axis that holds nothing.
#pragma once

namespace curvanta {

class Box {
 public:
  float MinX = 0;
  float MaxX = 0;
  float MinY = 0;
  float MaxY = 0;
  float MinZ = 0;
  float MaxZ = 0;

  // A box draws nothing and changes no state.
  void Draw() const {}
};

}  // namespace curvanta
