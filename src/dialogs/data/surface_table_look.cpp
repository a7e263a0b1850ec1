// What the 2.5D and 3D table dialogs store from their look pages and fill back.
#include "dialogs/data/surface_table_look.h"

namespace curvanta {

void ApplySurfaceLook(const SurfaceTableLook& look, GraphItem& item) {
  item.FillStyle = look.fillStyle;
  item.FirstColor = look.firstColour;
  item.SecondColor = look.fillStyle == FillKind::Single ? look.singleColour : look.secondColour;
  item.Material = look.materialIndex + 1;
  item.Show = look.model;
  item.Smoothness = look.smoothness;
}

SurfaceTableLook SurfaceLookOf(const GraphItem& item) {
  SurfaceTableLook look;
  if (item.FillStyle >= 1 && item.FillStyle <= 4) look.fillStyle = item.FillStyle;
  look.firstColour = item.FirstColor;
  look.secondColour = item.SecondColor;
  look.singleColour = item.SecondColor;
  if (item.Material >= 1 && item.Material <= kMaterialCount) look.materialIndex = item.Material - 1;
  if (item.Show >= 1 && item.Show <= 3) look.model = item.Show;
  if (item.Smoothness >= 1 && item.Smoothness <= 3) look.smoothness = item.Smoothness;
  return look;
}

}  // namespace curvanta
