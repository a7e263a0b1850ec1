// Opening the point, animated point and step and stem dialogs filled from a graph to edit it.
#pragma once

#include "common/document_host.h"
#include "graph/graph_item.h"

namespace curvanta {

void EditPoint(const GraphItem& graph, DocumentHost& host);
void EditStepStem(const GraphItem& graph, DocumentHost& host);

}  // namespace curvanta
