// The 3D function dialog's widgets: the function page, the shared colour, material and
// appearance pages and the overlay page, mirroring a Function3DDialogState. Handlers copy
// the widgets into the state, run the state's handler and show the state again; OK hands
// the state to the caller, which decides whether the dialog closes.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "dialogs/function/function_3d_dialog_state.h"

class QCheckBox;
class QComboBox;
class QWidget;

namespace curvanta {

class SurfaceLookPages;

class Function3DDialog : public QDialog {
  Q_OBJECT

 public:
  // `onOk` runs OK on the state; true closes the dialog as accepted.
  Function3DDialog(Function3DDialogState state,
                   std::function<bool(Function3DDialogState&)> onOk, QWidget* parent = nullptr);
  ~Function3DDialog() override;

  // The state as the widgets show it now.
  const Function3DDialogState& state();

  void Command1_Click();  // OK
  void Command2_Click();  // Cancel

 private:
  QWidget* FunctionPage();
  QWidget* OverlayPage();
  void ToState();
  void FromState();

  Function3DDialogState state_;
  std::function<bool(Function3DDialogState&)> onOk_;
  std::unique_ptr<SurfaceLookPages> look_;
  QComboBox* systems_ = nullptr;
  QComboBox* types_ = nullptr;
  QComboBox* forms_ = nullptr;
};

}  // namespace curvanta
