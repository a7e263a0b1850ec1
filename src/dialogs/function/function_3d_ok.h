// OK and the modal showing of the 3D function dialog.
#pragma once

#include "common/document_host.h"
#include "dialogs/function/dialog_runner.h"
#include "dialogs/function/function_3d_dialog_state.h"

namespace curvanta {

// OK of the 3D function dialog on its state: the dialog's checks and build, then the graph
// dialog protocol. Messages are shown here; true when the dialog closes.
bool Function3DCommandOk(Function3DDialogState& state, DocumentHost& host);

// Shows the 3D function dialog modally from a preset and runs its OK and Cancel against the
// host, or hands the preset to the runner a test installed
// (InstallDialogRunner<Function3DDialogState>).
void RunFunction3DDialog(Function3DDialogState preset, DocumentHost& host);

}  // namespace curvanta
