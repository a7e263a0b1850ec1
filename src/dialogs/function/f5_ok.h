// OK and the modal showing of the 2D function dialog.
#pragma once

#include <functional>

#include "common/document_host.h"
#include "dialogs/function/f5_state.h"

class QWidget;

// Command1_Click of frmF5 on its state: the dialog's checks and build, then the graph
// dialog protocol. Messages are shown here; true when the dialog closes.
bool F5CommandOk(F5State& state, curvanta::DocumentHost& host);

// Shows frmF5 modally from a preset and runs its OK and Cancel against the host.
// Tests put in a runner that drives the state without widgets.
using F5DialogRunner = std::function<void(F5State preset, curvanta::DocumentHost& host)>;
void RunF5Dialog(F5State preset, curvanta::DocumentHost& host);
// Installs a runner (empty: the real dialog) and returns the one it replaces.
F5DialogRunner SetF5DialogRunner(F5DialogRunner runner);
// The parent of the real dialog (the main window).
void SetDialogParent(QWidget* parent);
