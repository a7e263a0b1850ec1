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
  QCheckBox* showAxes_;
  QCheckBox* betterFonts_;
  Swatch* axisColour_;
  QComboBox* width_;
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
  QCheckBox* showAxes_ = nullptr;
  struct PanelWidgets {
    QCheckBox* show = nullptr;
    QLabel* colourLabel = nullptr;
    Swatch* colour = nullptr;
    QLabel* materialLabel = nullptr;
    QComboBox* material = nullptr;
  } panels_[3];  // by Axes3DPlane
  struct GridWidgets {
    QCheckBox* first = nullptr;
    QCheckBox* second = nullptr;
    Swatch* colour = nullptr;
  } grids_[3];  // by Axes3DPlane
  QLineEdit* intervals_[3] = {};
  QLineEdit* titles_[3] = {};
};

}  // namespace curvanta
