// The QDialogs of the light and the view: thin views over LightDialogState and ViewDialogState.
#pragma once

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

#include "scene/light_view_dialog_state.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace curvanta {

class LightDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LightDialog(QWidget* parent = nullptr);
  void accept() override;

 private:
  LightDialogState state_;
  // Each box with the state field it edits.
  std::vector<std::pair<QCheckBox*, bool LightDialogState::*>> checks_;
  std::vector<std::pair<QLineEdit*, std::string*>> texts_;
};

class ViewDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ViewDialog(QWidget* parent = nullptr);
  void accept() override;

 private:
  ViewDialogState state_;
  QRadioButton* option1_;
  QRadioButton* option2_;
};

}  // namespace curvanta
