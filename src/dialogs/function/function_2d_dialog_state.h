// The 2D function dialog as plain state: the definition, every analysis option and position
// list by what it holds, the captions and rows that follow the system and form, and the steps
// that relabel, enable and edit the position lists. The widgets only mirror this state.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/message_service.h"

namespace curvanta {

// The analysis options, one per analysis page, in page order.
enum class Function2DAnalysis {
  Inverse,
  Derivative,
  Integral,
  Maxima,
  Minima,
  Inflections,
  Parity,
  Roots,
  Curvature,
  ArcLength,
  Tangent,
  Normal,
};

// A drawn line: shown or not, its colour (0x00BBGGRR) and its width as typed.
struct Function2DLineOption {
  bool show = false;
  int32_t colour = 0;
  std::string width = "1";
};

// A set of marked points: shown or not, colour, marker symbol (position in the symbol list,
// -1 none) and size as typed.
struct Function2DMarkerOption {
  bool show = false;
  int32_t colour = 0;
  int symbol = 0;
  std::string size = "2";
};

// An option over a range (integral, arc length): shown or not, colour, ends as typed.
struct Function2DRangeOption {
  bool show = false;
  int32_t colour = 0;
  std::string from;
  std::string to;
};

// A list of positions, the input field that feeds it and the entry the user selected (-1:
// none).
struct Function2DPositionList {
  std::string input;
  std::vector<std::string> entries;
  int selected = -1;
};

// The three position lists: curvature circles, tangents, normals.
enum class Function2DPositionGroup { Curvature, Tangent, Normal };

// Captions of the definition labels that follow the system and form.
struct Function2DCaptions {
  std::string expression = "x(u)";        // y(x), r(a), x(u), a(u), f(x,y) ...
  std::string secondExpression = "y(u)";  // y(u) or r(u)
  std::string minX = "最小 u";
  std::string maxX = "最大 u";
  std::string segmentsX = "段数 u";
  std::string minY = "最小 y";
  std::string maxY = "最大 y";
};

// Definition rows that the system and form show or hide (the t row follows `animated`).
struct Function2DRows {
  bool secondExpression = true;
  bool segmentsX = true;
  bool rangeY = true;  // min and max of the second variable
};

struct Function2DDialogState {
  std::string caption;
  // Animation mode: the t row is shown and read.
  bool animated = false;
  // The form index that ApplyCoordinateSystem carries over while it refills the form list.
  int formIndexMemo = 0;
  int coordIndex = -1;  // 0 Cartesian, 1 polar
  std::vector<std::string> formItems;
  int formIndex = -1;

  std::string name;
  std::string expression;        // y(x), r(a), x(u), a(u) or f(x,y)
  std::string secondExpression;  // y(u) or r(u) of the parametric form
  // Range of the first variable (x, a, or u of the parametric form) and its segment count.
  std::string minX, maxX, segmentsX;
  // Range of the second variable (y or r) of the implicit and inequality forms.
  std::string minY, maxY;
  std::string minT, maxT, segmentsT;
  bool segmentsTEditable = true;  // the t segment count follows the document's frame count

  Function2DLineOption curve;
  Function2DLineOption inverse;
  Function2DLineOption derivative;
  Function2DRangeOption integral;
  Function2DMarkerOption maxima;
  Function2DMarkerOption minima;
  Function2DMarkerOption inflections;
  Function2DLineOption parity;  // the curve with its argument negated
  Function2DMarkerOption roots;
  Function2DLineOption curvature;
  Function2DRangeOption arcLength;
  Function2DLineOption tangent;
  Function2DLineOption normal;
  Function2DPositionList curvaturePositions;
  Function2DPositionList tangentPositions;
  Function2DPositionList normalPositions;

  Function2DCaptions captions;
  Function2DRows rows;
  std::set<Function2DAnalysis> disabled;  // analysis options not enabled

  bool enabled(Function2DAnalysis option) const { return disabled.count(option) == 0; }
  Function2DPositionList& positions(Function2DPositionGroup group);
  const Function2DPositionList& positions(Function2DPositionGroup group) const;
};

// The marker symbols, in list order.
extern const std::vector<std::string> kFunction2DSymbolItems;

// The forms of a coordinate system (0 Cartesian, 1 polar), still or with t.
std::vector<std::string> Function2DFormItems(int coordIndex, bool animated);

// What the form choice shows for a system, form and mode: label captions and the rows shown.
// Empty when the pair is outside the two systems and four forms.
struct Function2DDefinitionView {
  Function2DCaptions captions;
  Function2DRows rows;
};
std::optional<Function2DDefinitionView> Function2DDefinitionViewFor(int coordIndex, int formIndex,
                                                                    bool animated);

// Every analysis option, and those the explicit polar form disables.
extern const std::vector<Function2DAnalysis> kFunction2DAnalyses;
extern const std::vector<Function2DAnalysis> kFunction2DPolarDisabled;
// The analysis options disabled for a system and form; empty optional: left as they are.
std::optional<std::set<Function2DAnalysis>> Function2DAnalysisDisabledFor(int coordIndex,
                                                                         int formIndex);

// The dialog as its design and loading leave it.
Function2DDialogState NewFunction2DDialogState();

// The coordinate system list's choice: refills the forms, keeps the form, then as
// ApplyForm.
void ApplyCoordinateSystem(Function2DDialogState& state);
// The form list's choice: captions, rows and enabled analysis options.
void ApplyForm(Function2DDialogState& state);
// Add: the input passes the number filter; refused with a message (nothing appended) when
// it fails or the list already holds 50 entries. The list keeps what Add appended.
std::optional<curvanta::Message> AddPosition(Function2DDialogState& state,
                                             Function2DPositionGroup group);
void DeletePosition(Function2DDialogState& state, Function2DPositionGroup group);
void ResetPositions(Function2DDialogState& state, Function2DPositionGroup group);

// The dialog as the 2D create commands leave it before showing it.
Function2DDialogState Function2DPresetForCreate(bool polar, bool animated, int32_t animFrameCount);

}  // namespace curvanta
