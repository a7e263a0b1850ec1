// OK of the 3D function dialog and its modal showing.
#include "dialogs/function/function_3d_ok.h"

#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/function_3d_accept.h"
#include "dialogs/function/function_3d_dialog.h"
#include "dialogs/function/graph_dialog_protocol.h"

namespace curvanta {

bool Function3DCommandOk(Function3DDialogState& state, DocumentHost& host) {
  Function3DAcceptOutcome out = Function3DAccept(state, LastGraphID);
  if (out.graphModeSet) GraphMode = 3;
  if (out.playbackEnabled) host.enablePlayback();
  if (out.refusal) {
    ShowMessage(out.refusal->text, out.refusal->title, out.refusal->icon, out.refusal->buttons);
    return false;
  }
  CommitOptions options;
  options.editLine = [](const GraphItem& graph) { return Function3DEditLineText(graph); };
  return CommitGraph(out.item, options, host);
}

void RunFunction3DDialog(Function3DDialogState preset, DocumentHost& host) {
  if (auto& runner = InstalledDialogRunner<Function3DDialogState>()) {
    runner(std::move(preset), host);
    return;
  }
  Function3DDialog dialog(std::move(preset),
                          [&host](Function3DDialogState& s) { return Function3DCommandOk(s, host); },
                          DialogParent());
  if (dialog.exec() != QDialog::Accepted) host.refresh();  // Cancel repaints the window
}

}  // namespace curvanta
