// The point dialog "点属性" and the animated point dialog "点动画": two pages ("点", "属性")
// whose widgets mirror a PointDialogState; OK hands the state to the caller, which decides
// whether the dialog closes.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "common/document_host.h"
#include "dialogs/data/graph_dialog_ok.h"
#include "dialogs/data/point_dialog_state.h"

class QGroupBox;
class QLabel;

namespace curvanta {

class PointDialog : public QDialog {
  Q_OBJECT

 public:
  // `graphMode` relabels the rows when the user picks a coordinate system.
  PointDialog(PointDialogState state, int32_t graphMode,
              std::function<bool(PointDialogState&)> onOk, QWidget* parent = nullptr);

  const PointDialogState& state();
  void Command1_Click();

 private:
  void ToState();
  void FromState();

  PointDialogState state_;
  int32_t graphMode_;
  std::function<bool(PointDialogState&)> onOk_;
  std::vector<QWidget*> widgets_;  // in the order of the control table; no t rows in the point dialog
  std::vector<QLabel*> labels_;    // each control's label, if it has one
  QGroupBox* hollowChoice_ = nullptr;
};

// The animated point dialog is the point dialog with its t range.
class AnimatedPointDialog : public PointDialog {
  Q_OBJECT
 public:
  using PointDialog::PointDialog;
};

// OK of both dialogs on their state: checks and build, then the graph dialog protocol.
// Messages are shown here; true when the dialog closes.
bool PointCommandOk(PointDialogState& state, const EditLineText& editLine, DocumentHost& host);

// Shows the dialog of the state (point or animated point) modally and runs its OK and Cancel
// against the host. Tests put in a runner that drives the state without widgets.
using PointDialogRunner = EditLineDialogRunner<PointDialogState>;
void RunPointDialog(PointDialogState preset, const EditLineText& editLine, DocumentHost& host);
PointDialogRunner SetPointDialogRunner(PointDialogRunner runner);

}  // namespace curvanta
