// OK of the 3D function dialog up to the built graph item: the graph type from the type
// box, the filters, the t steps, the required fields of each form and type, the segment
// and range checks, the expression slots of each system and the overlays. Adding or
// copying the item is the graph dialog protocol's.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/message_service.h"
#include "dialogs/function/function_3d_dialog_state.h"
#include "graph/graph_item.h"

namespace curvanta {

struct Function3DAcceptOutcome {
  // Steps already taken when OK stopped or finished, in this order.
  bool graphModeSet = false;     // GraphMode := 3
  bool playbackEnabled = false;  // the playback entries and buttons enabled
  std::optional<Message> refusal;
  std::shared_ptr<GraphItem> item;  // set exactly when there is no refusal
};

// Runs the dialog's own steps of OK on the state: cleaned texts are written back as the
// filters pass; the item carries `provisionalID`.
Function3DAcceptOutcome Function3DAccept(Function3DDialogState& state, int32_t provisionalID);

// The list line of an edited 3D curve or surface, by its kind, form and system.
std::string Function3DEditLineText(const GraphItem& graph);

}  // namespace curvanta
