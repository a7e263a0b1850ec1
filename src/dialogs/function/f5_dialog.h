// frmF5, the 2D function dialog's widgets: twelve pages whose controls mirror an F5State.
// Every handler copies the widgets into the state, runs the state's handler and shows the
// state again; OK hands the state to the caller, which decides whether the dialog closes.
#pragma once

#include <QDialog>
#include <functional>
#include <map>

#include "dialogs/function/f5_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace curvanta {
class Swatch;
}

class frmF5 : public QDialog {
  Q_OBJECT

 public:
  // `onOk` runs OK on the state; true closes the dialog as accepted.
  frmF5(F5State state, std::function<bool(F5State&)> onOk, QWidget* parent = nullptr);

  // The state as the widgets show it now.
  const F5State& state();

  // Command1_Click and Command2_Click.
  void Command1_Click();
  void Command2_Click();

 private:
  void BuildPages();
  QWidget* FunctionPage();
  QWidget* PropertyPage();
  QWidget* AnalysisPage(int page);
  QWidget* PositionGroup(int group, QWidget* parent);
  QLabel* Label(const char* name, const char* caption, QWidget* parent);
  QLineEdit* Text(const char* name, QWidget* parent);
  QComboBox* Combo(const char* name, QWidget* parent);
  QCheckBox* Check(const char* name, const char* caption, QWidget* parent);
  curvanta::Swatch* Picture(const char* name, QWidget* parent);
  QPushButton* Button(const char* name, const char* caption, QWidget* parent);

  void ToState();
  void FromState();
  void ShowRefusal(const std::optional<curvanta::Message>& refusal);

  F5State state_;
  std::function<bool(F5State&)> onOk_;
  QTabWidget* tabs_ = nullptr;
  std::map<std::string, QWidget*> controls_;  // every named control
  std::map<std::string, QLineEdit*> texts_;
  std::map<std::string, QComboBox*> combos_;
  std::map<std::string, QLabel*> labels_;
  std::map<std::string, QCheckBox*> checks_;
  std::map<std::string, curvanta::Swatch*> swatches_;
  std::map<std::string, QListWidget*> lists_;
};
