// The step and stem dialog: pages "函数", "阶梯图" and "火柴杆图" whose widgets mirror a
// StepStemDialogState; OK hands the state to the caller, which decides whether it closes.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "common/document_host.h"
#include "dialogs/data/graph_dialog_ok.h"
#include "dialogs/data/step_stem_dialog_state.h"

namespace curvanta {

class StepStemDialog : public QDialog {
  Q_OBJECT

 public:
  StepStemDialog(StepStemDialogState state, std::function<bool(StepStemDialogState&)> onOk,
                 QWidget* parent = nullptr);

  const StepStemDialogState& state();
  void Command1_Click();

 private:
  void ToState();
  void FromState();

  StepStemDialogState state_;
  std::function<bool(StepStemDialogState&)> onOk_;
  std::vector<QWidget*> widgets_;  // in the order of the control table
};

// OK on the state: checks and build, the document made 2D, then the graph dialog protocol.
// Messages are shown here; true when the dialog closes.
bool StepStemCommandOk(StepStemDialogState& state, const EditLineText& editLine, DocumentHost& host);

// Shows the dialog modally and runs its OK and Cancel against the host; tests put in a runner.
using StepStemDialogRunner = EditLineDialogRunner<StepStemDialogState>;
void RunStepStemDialog(StepStemDialogState preset, const EditLineText& editLine, DocumentHost& host);
StepStemDialogRunner SetStepStemDialogRunner(StepStemDialogRunner runner);

}  // namespace curvanta
