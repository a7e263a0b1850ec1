// The pages "颜色", "材质" and "外观" of the strip and 3D function dialogs: fill options with
// their swatches, the material list, and the model and smoothness options, shown from and
// read back into a SurfaceLook.
#pragma once

#include "dialogs/function/surface_look.h"

class QButtonGroup;
class QListWidget;
class QWidget;

namespace curvanta {

class Swatch;
class TwoRowTabs;

class SurfaceLookPages {
 public:
  // Adds the three pages to `tabs`; their widgets belong to the tab widget.
  explicit SurfaceLookPages(TwoRowTabs* tabs);

  void Show(const SurfaceLook& look);
  void Read(SurfaceLook& look) const;

 private:
  QWidget* ColourPage();
  QWidget* MaterialPage();
  QWidget* AppearancePage();

  QButtonGroup* fill_ = nullptr;
  QButtonGroup* model_ = nullptr;
  QButtonGroup* smoothness_ = nullptr;
  Swatch* first_ = nullptr;
  Swatch* second_ = nullptr;
  Swatch* single_ = nullptr;
  QListWidget* materials_ = nullptr;
};

}  // namespace curvanta
