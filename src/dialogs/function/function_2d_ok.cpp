// OK of the 2D function dialog and its modal showing.
#include "dialogs/function/function_2d_ok.h"

#include <QPointer>

#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/function_2d_accept.h"
#include "dialogs/function/function_2d_dialog.h"
#include "dialogs/function/dialog_runner.h"
#include "dialogs/function/graph_dialog_protocol.h"

namespace curvanta {

namespace {
Function2DDialogRunner& Runner() {
  static Function2DDialogRunner runner;
  return runner;
}
QPointer<QWidget>& Parent() {
  static QPointer<QWidget> parent;
  return parent;
}
}  // namespace

bool Function2DCommandOk(Function2DDialogState& state, curvanta::DocumentHost& host) {
  Function2DAcceptOutcome out = Function2DAccept(state, LastGraphID);
  if (out.graphModeSet) GraphMode = 1;
  if (out.playbackEnabled) host.enablePlayback();
  if (out.refusal) {
    curvanta::ShowMessage(out.refusal->text, out.refusal->title, out.refusal->icon,
                          out.refusal->buttons);
    return false;
  }
  CommitOptions options;
  options.editLine = [](const GraphItem& graph) { return Function2DEditLineText(graph); };
  return CommitGraph(out.item, options, host);
}

void RunFunction2DDialog(Function2DDialogState preset, curvanta::DocumentHost& host) {
  if (Runner()) {
    Runner()(std::move(preset), host);
    return;
  }
  Function2DDialog dialog(std::move(preset), [&host](Function2DDialogState& s) { return Function2DCommandOk(s, host); },
               Parent().data());
  if (dialog.exec() != QDialog::Accepted) host.refresh();  // Cancel repaints the window
}

Function2DDialogRunner SetFunction2DDialogRunner(Function2DDialogRunner runner) {
  Function2DDialogRunner previous = std::move(Runner());
  Runner() = std::move(runner);
  return previous;
}

void SetDialogParent(QWidget* parent) { Parent() = parent; }
QWidget* DialogParent() { return Parent().data(); }

}  // namespace curvanta
