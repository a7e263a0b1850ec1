// Adding a dialog's graph to the document or copying it into the edited graph.
#include "dialogs/function/graph_dialog_protocol.h"

#include <limits>
#include <vector>

#include "common/globals.h"
#include "scene/scene_globals.h"

namespace curvanta {

bool SampleSafely(GraphItem& item) {
  try {
    return item.GetPoints();
  } catch (...) {
    return false;
  }
}

namespace {

bool CommitEdit(const std::shared_ptr<GraphItem>& item, const CommitOptions& options,
                curvanta::DocumentHost& host) {
  const int line = host.currentLine();
  if (line < 0 || line >= DocScene.FunSurfs.Count()) return false;
  // The new values are tried on the dialog's own item first: a failure leaves the graph,
  // its line and its picture as they were.
  if (!options.table && !SampleSafely(*item)) return false;
  const std::shared_ptr<GraphItem> target = DocScene.FunSurfs.Item(line + 1);
  std::shared_ptr<GraphItem> shown;
  const std::string key = std::to_string(target->ID);
  if (ViewScene.FunSurfs.Contains(key)) shown = ViewScene.FunSurfs.Item(key);
  // Both scenes hold the same object; a second copy would change nothing.
  std::vector<GraphItem*> graphs = {target.get()};
  if (shown && shown != target) graphs.push_back(shown.get());
  for (GraphItem* graph : graphs) {
    if (options.table) {
      graph->TabEqualTo(*item);
    } else {
      graph->EqualTo(*item);
      SampleSafely(*graph);
    }
  }
  const GraphItem& edited = shown ? *shown : *target;
  if (options.editLine) host.setLineText(line, options.editLine(edited));
  host.rebuildAndDisplay();
  return true;
}

bool CommitNew(const std::shared_ptr<GraphItem>& item, const CommitOptions& options) {
  if (LastGraphID == std::numeric_limits<int32_t>::max()) return false;
  ++LastGraphID;
  item->ID = LastGraphID;
  // Sampled before it joins the scenes, so that no half-accepted graph is ever drawn
  // (the engine's message boxes run their own event loop).
  if (!options.table && !SampleSafely(*item)) return false;
  const std::string key = std::to_string(LastGraphID);
  try {
    DocScene.FunSurfs.Add(item, key);
  } catch (const curvanta::SceneError&) {
    return false;
  }
  try {
    ViewScene.FunSurfs.Add(item, key);
  } catch (const curvanta::SceneError&) {
    DocScene.FunSurfs.Remove(key);  // in both scenes or in neither
    return false;
  }
  return true;
}

}  // namespace

bool CommitGraph(const std::shared_ptr<GraphItem>& item, const CommitOptions& options,
                 curvanta::DocumentHost& host) {
  if (!item) return false;
  const bool done = EditMode ? CommitEdit(item, options, host) : CommitNew(item, options);
  if (!done) return false;
  EditMode = false;
  host.refresh();
  return true;
}

}  // namespace curvanta
