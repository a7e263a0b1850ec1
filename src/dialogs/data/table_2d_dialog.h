// The 2D table dialog's widgets: the data page and the pages of the polyline, the markers
// and the smooth curve, mirroring a Table2DDialogState.
#pragma once

#include <QDialog>
#include <functional>

#include "dialogs/data/dialog_state_holder.h"
#include "dialogs/data/table_2d_dialog_state.h"

class QCheckBox;
class QComboBox;

namespace curvanta {

class PointTableDataPage;
class Swatch;

// The state is held by the first base, so the grid view reads it safely while QDialog's
// destructor hides and deletes the widgets.
class Table2DDialog : private DialogStateHolder<Table2DDialogState>, public QDialog {
 public:
  // `onOk` runs OK on the state; true closes the dialog as accepted.
  Table2DDialog(Table2DDialogState state, std::function<bool(Table2DDialogState&)> onOk,
                QWidget* parent = nullptr);
  // The state as the widgets show it now.
  const Table2DDialogState& state();

  // Command3_Click (OK) and Command4_Click (Cancel).
  void Command3_Click();
  void Command4_Click();

 private:
  void toState();
  void fromState();

  std::function<bool(Table2DDialogState&)> onOk_;
  PointTableDataPage* dataPage_ = nullptr;
  QCheckBox* showLine_ = nullptr;
  Swatch* lineColour_ = nullptr;
  QComboBox* lineWidth_ = nullptr;
  QCheckBox* showScatter_ = nullptr;
  Swatch* scatterColour_ = nullptr;
  QComboBox* scatterSize_ = nullptr;
  QComboBox* marker_ = nullptr;
  QCheckBox* showSmoothCurve_ = nullptr;
  Swatch* smoothCurveColour_ = nullptr;
  QComboBox* smoothCurveWidth_ = nullptr;
};

}  // namespace curvanta
