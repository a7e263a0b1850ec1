// OK of the 2D function dialog and its modal showing.
#include "dialogs/function/f5_ok.h"

#include <QPointer>

#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/f5_accept.h"
#include "dialogs/function/f5_dialog.h"
#include "dialogs/function/graph_dialog_protocol.h"

namespace {
F5DialogRunner& Runner() {
  static F5DialogRunner runner;
  return runner;
}
QPointer<QWidget>& Parent() {
  static QPointer<QWidget> parent;
  return parent;
}
}  // namespace

bool F5CommandOk(F5State& state, curvanta::DocumentHost& host) {
  F5AcceptOutcome out = F5Accept(state, LastGraphID);
  if (out.graphModeSet) GraphMode = 1;
  if (out.playbackEnabled) host.enablePlayback();
  if (out.refusal) {
    curvanta::ShowMessage(out.refusal->text, out.refusal->title, out.refusal->icon,
                          out.refusal->buttons);
    return false;
  }
  CommitOptions options;
  options.editLine = [](const Cls9& graph) { return F5EditLineText(graph); };
  return CommitGraph(out.item, options, host);
}

void RunF5Dialog(F5State preset, curvanta::DocumentHost& host) {
  if (Runner()) {
    Runner()(std::move(preset), host);
    return;
  }
  frmF5 dialog(std::move(preset), [&host](F5State& s) { return F5CommandOk(s, host); },
               Parent().data());
  if (dialog.exec() != QDialog::Accepted) host.refresh();  // Cancel repaints the window
}

F5DialogRunner SetF5DialogRunner(F5DialogRunner runner) {
  F5DialogRunner previous = std::move(Runner());
  Runner() = std::move(runner);
  return previous;
}

void SetDialogParent(QWidget* parent) { Parent() = parent; }
