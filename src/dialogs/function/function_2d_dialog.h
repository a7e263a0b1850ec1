// The 2D function dialog's widgets: twelve pages whose controls mirror a Function2DDialogState.
// Every handler copies the widgets into the state, runs the state's handler and shows the
// state again; OK hands the state to the caller, which decides whether the dialog closes.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <string>

#include "dialogs/function/function_2d_dialog_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace curvanta {

class Swatch;
class TwoRowTabs;

class Function2DDialog : public QDialog {
  Q_OBJECT

 public:
  // `onOk` runs OK on the state; true closes the dialog as accepted.
  Function2DDialog(Function2DDialogState state, std::function<bool(Function2DDialogState&)> onOk, QWidget* parent = nullptr);

  // The state as the widgets show it now.
  const Function2DDialogState& state();

  // Command1_Click and Command2_Click.
  void Command1_Click();
  void Command2_Click();

 private:
  void BuildPages();
  QWidget* FunctionPage();
  QWidget* PropertyPage();
  QWidget* AnalysisPage(int page);
  QWidget* PositionGroup(Function2DPositionGroup group, QWidget* parent);
  QLabel* Label(const char* name, const char* caption, QWidget* parent);
  QLineEdit* Text(const char* name, QWidget* parent);
  QComboBox* Combo(const char* name, QWidget* parent);
  QComboBox* WidthCombo(const char* name, QWidget* parent);
  QComboBox* SizeCombo(const char* name, QWidget* parent);
  QComboBox* SymbolCombo(const char* name, QWidget* parent);
  QCheckBox* Check(const char* name, const char* caption, QWidget* parent);
  curvanta::Swatch* Picture(const char* name, QWidget* parent);
  QPushButton* Button(const char* name, const char* caption, QWidget* parent);
  QWidget* Named(const char* name, QWidget* widget);
  void ConnectSwatches();

  void ToState();
  void FromState();
  void ShowRefusal(const std::optional<curvanta::Message>& refusal);

  Function2DDialogState state_;
  std::function<bool(Function2DDialogState&)> onOk_;
  TwoRowTabs* tabs_ = nullptr;
  QComboBox* forms_ = nullptr;                // the form list, refilled by system and mode
  std::map<std::string, QWidget*> controls_;  // every named control
};

}  // namespace curvanta
