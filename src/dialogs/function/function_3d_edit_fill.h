// The 3D function dialog filled from a curve or surface for editing.
#pragma once

#include <cstdint>

#include "dialogs/function/function_3d_dialog_state.h"
#include "graph/graph_item.h"

namespace curvanta {

// The dialog state for editing a 3D curve or surface (still or animated), overlays
// included; the t segment count is the document's frame count. A form other than explicit
// or parametric leaves the function page as the dialog loads it.
Function3DDialogState Function3DEditFill(const GraphItem& graph, int32_t animFrameCount);

}  // namespace curvanta
