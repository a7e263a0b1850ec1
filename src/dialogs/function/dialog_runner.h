// Where a graph dialog is shown: the real modal dialog, or a runner a test installs to
// drive the dialog's state without widgets. One slot per kind of dialog state.
#pragma once

#include <functional>

#include "common/document_host.h"

class QWidget;

namespace curvanta {

template <class State>
using DialogRunner = std::function<void(State preset, DocumentHost& host)>;

template <class State>
DialogRunner<State>& InstalledDialogRunner() {
  static DialogRunner<State> runner;
  return runner;
}

// Installs a runner (empty: the real dialog) and returns the one it replaces.
template <class State>
DialogRunner<State> InstallDialogRunner(DialogRunner<State> runner) {
  DialogRunner<State> previous = std::move(InstalledDialogRunner<State>());
  InstalledDialogRunner<State>() = std::move(runner);
  return previous;
}

// The parent of the real dialogs (the main window; set with SetDialogParent).
QWidget* DialogParent();

}  // namespace curvanta
