// What the point and step dialogs' OK needs from the layer that opens them: the text of an
// edited graph's list line (the list texts live with the commands); and where these dialogs
// are shown: the real modal dialog, or a runner a test installs (one slot per dialog state).
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "common/document_host.h"
#include "graph/graph_item.h"

namespace curvanta {

using EditLineText = std::function<std::string(const GraphItem&)>;

template <class State>
using EditLineDialogRunner =
    std::function<void(State preset, const EditLineText& editLine, DocumentHost& host)>;

template <class State>
EditLineDialogRunner<State>& EditLineDialogRunnerSlot() {
  static EditLineDialogRunner<State> runner;
  return runner;
}

// Installs a runner (empty: the real dialog) and returns the one it replaces.
template <class State>
EditLineDialogRunner<State> InstallEditLineDialogRunner(EditLineDialogRunner<State> runner) {
  EditLineDialogRunner<State> previous = std::move(EditLineDialogRunnerSlot<State>());
  EditLineDialogRunnerSlot<State>() = std::move(runner);
  return previous;
}

}  // namespace curvanta
