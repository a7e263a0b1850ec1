// OK of the 2.5D strip dialog up to the built graph item: the filters, the t steps, the
// required fields, the segment and range checks and the mapping onto the item. Adding or
// copying the item is the graph dialog protocol's.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/message_service.h"
#include "dialogs/function/strip_dialog_state.h"
#include "graph/graph_item.h"

namespace curvanta {

struct StripAcceptOutcome {
  // The playback entries and buttons were enabled before OK stopped or finished.
  bool playbackEnabled = false;
  std::optional<Message> refusal;
  std::shared_ptr<GraphItem> item;  // set exactly when there is no refusal
};

// Runs the dialog's own steps of OK on the state: cleaned texts are written back as the
// filters pass; the item carries `provisionalID`. The strip dialog never sets GraphMode.
StripAcceptOutcome StripAccept(StripDialogState& state, int32_t provisionalID);

// The list line of an edited strip, by its form, system and kind.
std::string StripEditLineText(const GraphItem& graph);

}  // namespace curvanta
