// The graph dialog protocol after a dialog has built its item: add it to the document
// under a new ID, or copy it into the graph being edited, with sampling as the acceptance
// test. Shared by every graph dialog.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "common/document_host.h"
#include "graph/graph_item.h"

namespace curvanta {

struct CommitOptions {
  // Tables of points: copied with TabEqualTo and never sampled.
  bool table = false;
  // The new text of an edited graph's list line.
  std::function<std::string(const GraphItem&)> editLine;
};

// Steps after the build. A new graph gets LastGraphID + 1 and joins both scenes only when
// its sampling succeeds (LastGraphID stays raised either way). An edit samples the new
// values first and changes nothing when that fails; otherwise the graph copies them in
// both scenes, is sampled, gets its new line, and the drawing is rebuilt. True on success:
// EditMode is then False and the main window repainted, and the dialog closes.
bool CommitGraph(const std::shared_ptr<GraphItem>& item, const CommitOptions& options,
                 curvanta::DocumentHost& host);

// GetPoints that never lets an exception out (an unexpected fault counts as a failure).
bool SampleSafely(GraphItem& item);

}  // namespace curvanta
