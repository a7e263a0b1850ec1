// The 2.5D strip dialog as plain state: the curve's system, form, expressions and ranges,
// the t row of an animated strip, the captions that follow the form, and the shared
// colour, material and appearance settings; with the handlers that relabel it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/function/surface_look.h"

namespace curvanta {

struct StripDialogState {
  std::string caption;
  // Animation mode: the t row (minimum, maximum and steps of t) is shown.
  bool animated = true;
  std::string name = "Untitled";
  int coordSystem = -1;  // 0 Cartesian, 1 polar; -1 none chosen
  std::vector<std::string> formItems;
  int form = 0;  // 0 explicit, 1 parametric; -1 none chosen
  // The form that a change of system carries over while it refills the form list.
  int formMemo = 0;

  // The function, or the first coordinate of a parametric pair, and the second coordinate.
  std::string expression;
  std::string secondExpression;
  // The curve variable's range and number of segments.
  std::string minimum;
  std::string maximum;
  std::string segments;
  // The t row.
  std::string minT;
  std::string maxT;
  std::string stepsT;
  bool stepsTEnabled = true;

  // Captions that follow the system, the form and the mode.
  std::string expressionLabel = "y(x)";
  std::string secondExpressionLabel = "y(u)";
  bool secondExpressionShown = true;
  std::string minimumLabel = "最小 u";
  std::string maximumLabel = "最大 u";
  std::string segmentsLabel = "段数 u";

  SurfaceLook look;
};

// The forms of a system (0 Cartesian, 1 polar), still or with t.
std::vector<std::string> StripFormItems(int coordSystem, bool animated);

// What the form handler shows for a system, a form and the mode; nullopt outside the two
// systems and two forms.
struct StripDefinitionView {
  std::string expressionLabel;
  bool secondExpressionShown;
  std::string secondExpressionLabel;  // meaningful while shown
  std::string minimumLabel;
  std::string maximumLabel;
  std::string segmentsLabel;
};
std::optional<StripDefinitionView> StripDefinitionViewFor(int coordSystem, int form,
                                                          bool animated);

// The dialog as its design and its load leave it.
StripDialogState StripLoad();
// A system chosen: refills the forms keeping the chosen one, then relabels.
void StripSystemChosen(StripDialogState& state);
// A form chosen: relabels the expressions and the range.
void StripFormChosen(StripDialogState& state);

// The dialog as the strip create commands leave it before showing it.
StripDialogState StripPresetForCreate(bool polar, bool animated, int32_t animFrameCount);

}  // namespace curvanta
