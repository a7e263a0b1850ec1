// Filling the shared colour, material and appearance settings from a graph.
#include "dialogs/function/surface_look_fill.h"

namespace curvanta {

namespace {
bool Within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }
}  // namespace

void FillSurfaceLook(SurfaceLook& look, const GraphItem& g) {
  if (Within(g.FillStyle, 1, 4)) look.fillStyle = g.FillStyle;
  look.firstColour = g.FirstColor;
  // The second gradient colour and the single colour both show SecondColor.
  look.secondColour = g.SecondColor;
  look.singleColour = g.SecondColor;
  if (Within(g.Material, 1, 13)) look.material = g.Material;
  if (Within(g.Show, 1, 3)) look.model = g.Show;
  if (Within(g.Smoothness, 1, 3)) look.smoothness = g.Smoothness;
}

}  // namespace curvanta
