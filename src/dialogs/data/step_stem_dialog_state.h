// The step and stem dialog as plain state: the function y(x) with its range and segment
// count, whether the step plot and the stem plot are shown, and their colours, widths and
// the stem heads' marker; the pure functions that preset and accept it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "graph/graph_item.h"

namespace curvanta {

struct StepStemDialogState {
  std::string caption;
  std::string name;
  std::string function;  // y(x)
  std::string minX, maxX, segments;
  bool showStep = false;
  int32_t stepColour = 0;
  std::string stepWidth;  // read from its text
  bool showStem = false;
  int32_t stemHeadColour = 0;
  std::string stemHeadSize;  // read from its text
  int stemHeadSymbolIndex = 0;  // position in the marker list, -1 none
  int32_t stemBodyColour = 0;
  std::string stemBodyWidth;  // read from its text

  friend bool operator==(const StepStemDialogState&, const StepStemDialogState&) = default;
};

// The marker names of the stem heads, in the order of their codes 1 to 6.
extern const std::vector<std::string> kStepStemSymbolItems;

// The dialog as designed and loaded ("特殊图形的属性").
StepStemDialogState StepStemDialogLoad();
// As the step ("阶梯图") or stem ("火柴杆图") command shows it.
StepStemDialogState StepStemPresetForCreate(bool stem);

// The dialog filled from a step or stem plot to edit it: every field OK reads back.
StepStemDialogState StepStemFillForEdit(const GraphItem& graph);

struct StepStemAcceptOutcome {
  std::optional<Message> refusal;
  bool graphModeSet = false;  // the fields passed: the document becomes 2D
  std::shared_ptr<GraphItem> item;
};

// OK: checks the fields (writing the filtered texts back) and builds the plot (kind 23)
// with `provisionalID`.
StepStemAcceptOutcome AcceptStepStemDialog(StepStemDialogState& state, int32_t provisionalID);

}  // namespace curvanta
