// The 2.5D strip dialog's widgets: the function page and the shared colour, material and
// appearance pages, mirroring a StripDialogState. Handlers copy the widgets into the state,
// run the state's handler and show the state again; OK hands the state to the caller,
// which decides whether the dialog closes.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "dialogs/function/strip_dialog_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace curvanta {

class SurfaceLookPages;

class StripDialog : public QDialog {
  Q_OBJECT

 public:
  // `onOk` runs OK on the state; true closes the dialog as accepted.
  StripDialog(StripDialogState state, std::function<bool(StripDialogState&)> onOk,
              QWidget* parent = nullptr);
  ~StripDialog() override;

  // The state as the widgets show it now.
  const StripDialogState& state();

  void Command1_Click();  // OK
  void Command2_Click();  // Cancel

 private:
  QWidget* FunctionPage();
  void ToState();
  void FromState();

  StripDialogState state_;
  std::function<bool(StripDialogState&)> onOk_;
  std::unique_ptr<SurfaceLookPages> look_;
  QComboBox* systems_ = nullptr;
  QComboBox* forms_ = nullptr;
};

}  // namespace curvanta
