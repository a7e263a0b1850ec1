// OK and the modal showing of the 2.5D strip dialog.
#pragma once

#include "common/document_host.h"
#include "dialogs/function/dialog_runner.h"
#include "dialogs/function/strip_dialog_state.h"

namespace curvanta {

// OK of the strip dialog on its state: the dialog's checks and build, then the graph
// dialog protocol. Messages are shown here; true when the dialog closes.
bool StripCommandOk(StripDialogState& state, DocumentHost& host);

// Shows the strip dialog modally from a preset and runs its OK and Cancel against the host,
// or hands the preset to the runner a test installed (InstallDialogRunner<StripDialogState>).
void RunStripDialog(StripDialogState preset, DocumentHost& host);

}  // namespace curvanta
