// The 3D function dialog as plain state: system, graph type and form, the three
// expressions, the u, v and t ranges with their captions and visibility, the overlay
// options, and the shared colour, material and appearance settings; with the handlers
// that refill the form list and relabel the dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/function/surface_look.h"

namespace curvanta {

struct Function3DDialogState {
  std::string caption = "三维函数图形属性";
  // Animation mode: the t row (minimum, maximum and steps of t) is shown.
  bool animated = true;
  std::string name = "Untitled";
  int coordSystem = -1;  // 0 Cartesian, 1 cylindrical, 2 spherical; -1 none chosen
  std::vector<std::string> typeItems;  // "曲线", "曲面" or "曲线动画", "曲面动画"
  int type = -1;                       // 0 curve, 1 surface; -1 none chosen
  std::vector<std::string> formItems;
  int form = 0;  // 0 explicit, 1 parametric; -1 none chosen
  // The form that a refill of the form list carries over.
  int formMemo = 0;

  // The function (explicit) or the three components (parametric).
  std::string expression;
  std::string secondExpression;
  std::string thirdExpression;
  // The first parameter's range and segments, the second's, and the t row.
  std::string minU, maxU, segmentsU;
  std::string minV, maxV, segmentsV;
  std::string minT, maxT, stepsT;
  bool stepsTEnabled = true;

  // Captions that follow the system, type, form and mode.
  std::string expressionLabel = "x(u,v)";
  std::string secondExpressionLabel = "y(u,v)";
  std::string thirdExpressionLabel = "z(u,v)";
  bool componentsShown = true;  // the second and third expression rows
  std::string minULabel = "最小 u", maxULabel = "最大 u", segmentsULabel = "段数 u";
  std::string minVLabel = "最小 v", maxVLabel = "最大 v", segmentsVLabel = "段数 v";
  bool vRowShown = true;

  // Overlays of a still Cartesian surface: colour map, contour map, vector field.
  bool colourMap = false;
  bool contours = false;
  // The contour level a ticked contour box gives: 10, or, in an edit, the graph's own level
  // while its contours stay on.
  int32_t contourLevel = 10;
  // The level a clear contour box gives: 0, or, in an edit, the graph's own level while its
  // contours stay off.
  int32_t clearedContourLevel = 0;
  bool vectors = false;
  // Set only when a graph type is chosen; a check mark survives being disabled.
  bool overlaysEnabled = true;

  SurfaceLook look;
};

// The two forms (explicit, parametric) of a system, type (0 curve, 1 surface) and mode;
// empty outside the three systems and two types.
std::vector<std::string> Function3DFormItems(int coordSystem, int type, bool animated);

// What the form handler shows for a system, type, form and mode; nullopt when one of them
// is outside its entries.
struct Function3DDefinitionView {
  std::string expressionLabel;
  bool componentsShown;
  std::string secondExpressionLabel;  // meaningful while the components are shown
  std::string thirdExpressionLabel;
  std::string minULabel, maxULabel, segmentsULabel;
  bool vRowShown;
  std::string minVLabel, maxVLabel, segmentsVLabel;  // meaningful while the v row is shown
};
std::optional<Function3DDefinitionView> Function3DDefinitionViewFor(int coordSystem, int type,
                                                                    int form, bool animated);

// The dialog as its design and its load leave it.
Function3DDialogState Function3DLoad();
// A system chosen: refills the forms keeping the chosen one, then relabels.
void Function3DSystemChosen(Function3DDialogState& state);
// A graph type chosen: enables the overlays for a still Cartesian surface only, then as a
// system chosen.
void Function3DTypeChosen(Function3DDialogState& state);
// A form chosen: relabels the expressions and ranges and shows or hides their rows.
void Function3DFormChosen(Function3DDialogState& state);

// The dialog as the 3D create commands leave it before showing it: coordSystem 0
// Cartesian, 1 cylindrical, 2 spherical; an explicit surface.
Function3DDialogState Function3DPresetForCreate(int coordSystem, bool animated,
                                                int32_t animFrameCount);

}  // namespace curvanta
