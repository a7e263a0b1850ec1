// OK of the 2.5D strip dialog and its modal showing.
#include "dialogs/function/strip_ok.h"

#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/graph_dialog_protocol.h"
#include "dialogs/function/strip_accept.h"
#include "dialogs/function/strip_dialog.h"

namespace curvanta {

bool StripCommandOk(StripDialogState& state, DocumentHost& host) {
  StripAcceptOutcome out = StripAccept(state, LastGraphID);
  if (out.playbackEnabled) host.enablePlayback();
  if (out.refusal) {
    ShowMessage(out.refusal->text, out.refusal->title, out.refusal->icon, out.refusal->buttons);
    return false;
  }
  CommitOptions options;
  options.editLine = [](const GraphItem& graph) { return StripEditLineText(graph); };
  return CommitGraph(out.item, options, host);
}

void RunStripDialog(StripDialogState preset, DocumentHost& host) {
  if (auto& runner = InstalledDialogRunner<StripDialogState>()) {
    runner(std::move(preset), host);
    return;
  }
  StripDialog dialog(std::move(preset),
                     [&host](StripDialogState& s) { return StripCommandOk(s, host); },
                     DialogParent());
  if (dialog.exec() != QDialog::Accepted) host.refresh();  // Cancel repaints the window
}

}  // namespace curvanta
