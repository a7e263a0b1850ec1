// The 2D function dialog filled from a graph for editing: every field the dialog's OK reads,
// so that an unchanged OK gives the graph back as it was.
#pragma once

#include <cstdint>
#include <optional>

#include "dialogs/function/function_2d_dialog_state.h"
#include "graph/graph_item.h"

namespace curvanta {

// The dialog state for editing a 2D function graph (still or animated). The t segment
// count is the document's frame count. Empty when the graph's form is not one of the four
// the dialog makes.
std::optional<Function2DDialogState> Function2DEditFill(const GraphItem& graph,
                                                        int32_t animFrameCount);

// Field text of a width or size list: the number, or empty for 0 (no entry chosen).
std::string ListNumberText(int32_t value);

}  // namespace curvanta
