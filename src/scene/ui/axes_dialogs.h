// The QDialogs of the coordinate system: thin views over Axes2DDialogState and Axes3DDialogState.
#pragma once

#include <QDialog>

#include "scene/axes_dialog_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace curvanta {

class Swatch;

class Axes2DDialog : public QDialog {
  Q_OBJECT
 public:
  explicit Axes2DDialog(QWidget* parent = nullptr);
  void accept() override;  // OK
  void reject() override;  // Cancel, Esc, close box

 private:
  Axes2DDialogState state_;
  QCheckBox* check1_;
  QCheckBox* check2_;
  Swatch* picture1_;
  QComboBox* combo1_;
};

class Axes3DDialog : public QDialog {
  Q_OBJECT
 public:
  explicit Axes3DDialog(QWidget* parent = nullptr);
  void accept() override;
  void reject() override;

 private:
  void showEnabledState();
  Axes3DDialogState state_;
  QCheckBox* checks_[11] = {};
  Swatch* pictures_[10] = {};
  QComboBox* combos_[4] = {};
  QLineEdit* texts_[7] = {};
  QLabel* panelLabels_[4][2] = {};  // "颜色" and "材质" of each panel
};

}  // namespace curvanta
