// The colour, material and appearance settings filled from a graph for editing: values the
// dialog's lists and option groups cannot show leave the dialog's own choice.
#pragma once

#include "dialogs/function/surface_look.h"
#include "graph/graph_item.h"

namespace curvanta {

void FillSurfaceLook(SurfaceLook& look, const GraphItem& graph);

}  // namespace curvanta
