// OK of the 2D function dialog up to the built graph item: the filters in their order,
// the required fields and range checks of each form, and the mapping of every field onto
// the item. Adding or copying the item is the graph dialog protocol's.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/message_service.h"
#include "dialogs/function/function_2d_dialog_state.h"
#include "graph/graph_item.h"

namespace curvanta {

struct Function2DAcceptOutcome {
  // Steps already taken when OK stopped or finished, in this order.
  bool graphModeSet = false;     // GraphMode := 1
  bool playbackEnabled = false;  // the playback entries and buttons enabled
  std::optional<curvanta::Message> refusal;
  std::shared_ptr<GraphItem> item;  // set exactly when there is no refusal
};

// Runs the dialog's own steps of OK on the state: cleaned texts are written back as the
// filters pass; the item carries `provisionalID`.
Function2DAcceptOutcome Function2DAccept(Function2DDialogState& state, int32_t provisionalID);

// The list line of an edited 2D function graph, by its form, system and kind.
std::string Function2DEditLineText(const GraphItem& graph);

}  // namespace curvanta
