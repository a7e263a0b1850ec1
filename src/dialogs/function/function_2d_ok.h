// OK and the modal showing of the 2D function dialog.
#pragma once

#include <functional>

#include "common/document_host.h"
#include "dialogs/function/function_2d_dialog_state.h"

class QWidget;

namespace curvanta {

// Command1_Click of Function2DDialog on its state: the dialog's checks and build, then the graph
// dialog protocol. Messages are shown here; true when the dialog closes.
bool Function2DCommandOk(Function2DDialogState& state, curvanta::DocumentHost& host);

// Shows Function2DDialog modally from a preset and runs its OK and Cancel against the host.
// Tests put in a runner that drives the state without widgets.
using Function2DDialogRunner = std::function<void(Function2DDialogState preset, curvanta::DocumentHost& host)>;
void RunFunction2DDialog(Function2DDialogState preset, curvanta::DocumentHost& host);
// Installs a runner (empty: the real dialog) and returns the one it replaces.
Function2DDialogRunner SetFunction2DDialogRunner(Function2DDialogRunner runner);
// The parent of the real dialog (the main window).
void SetDialogParent(QWidget* parent);
QWidget* DialogParent();

}  // namespace curvanta
