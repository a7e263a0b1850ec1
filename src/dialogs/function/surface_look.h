// The colour, material and appearance settings shared by the strip and the 3D function
// dialogs: the fill style with its three swatches, the material, the model and the
// smoothness, as the dialogs' pages "颜色", "材质" and "外观" hold them.
#pragma once

#include <cstdint>

namespace curvanta {

struct SurfaceLook {
  // FillStyle: 1 gradient left to right, 2 front to back, 3 top to bottom, 4 single colour.
  int32_t fillStyle = 3;
  // Swatches, 0x00BBGGRR: the gradient's first and second colour and the single colour.
  int32_t firstColour = 0x0000FF;   // red
  int32_t secondColour = 0xFF0000;  // blue
  int32_t singleColour = 0x0000FF;  // red
  int32_t material = 4;             // 1..13, "Metal"
  int32_t model = 3;                // Show: 1 vertices, 2 wireframe, 3 surface; 0 none chosen
  int32_t smoothness = 3;           // 1 faceted, 2 smooth, 3 smoothest; 0 none chosen
};

// What a graph item gets from the colour page.
struct SurfaceFill {
  int32_t fillStyle;
  int32_t firstColor;
  int32_t secondColor;
};

// The gradients take the first and the second swatch; the single colour goes into
// SecondColor and keeps the first swatch's colour as FirstColor.
inline SurfaceFill FillOf(const SurfaceLook& look) {
  if (look.fillStyle == 4) return {4, look.firstColour, look.singleColour};
  return {look.fillStyle, look.firstColour, look.secondColour};
}

}  // namespace curvanta
