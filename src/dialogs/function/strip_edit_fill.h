// The 2.5D strip dialog filled from a strip for editing.
#pragma once

#include <cstdint>
#include <optional>

#include "dialogs/function/strip_dialog_state.h"
#include "graph/graph_item.h"

namespace curvanta {

// The dialog state for editing a strip (still or animated); the t segment count is the
// document's frame count. Empty when the strip's form is neither explicit nor parametric.
std::optional<StripDialogState> StripEditFill(const GraphItem& strip, int32_t animFrameCount);

}  // namespace curvanta
