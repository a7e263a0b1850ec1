// The QDialogs of the light and the view: thin views over LightDialogState and ViewDialogState.
#pragma once

#include <QDialog>

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
  QCheckBox* checks_[4] = {};
  QLineEdit* texts_[17] = {};
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
