// "编辑..." of the graph list's popup: reopens the dialog that made the current line's graph,
// filled from it, so that OK changes the graph in place.
#pragma once

#include <cstdint>

#include "common/document_host.h"
#include "graph/graph_item.h"

namespace curvanta {

// Opens the dialog of a graph kind filled from `graph` and returns when it has closed.
using EditOpener = void (*)(const GraphItem& graph, DocumentHost& host);

// The dialog that edits a graph of `graphType` in a document of `graphMode` (1 2D, 2 2.5D,
// 3 3D); nullptr when there is none (kinds no dialog makes, and dialogs whose filling is
// not written).
EditOpener EditOpenerFor(int32_t graphMode, int32_t graphType);

// The command: warns "请先选择一个函数" when no ticked line is current; otherwise sets
// EditMode and opens the graph's dialog, or nothing when its kind has none.
void mnuFunEdit_Click(DocumentHost& host);

}  // namespace curvanta
