// The 2.5D and 3D table dialogs' widgets: the data page and the colour, material and
// appearance pages, mirroring a Table25DDialogState or a Table3DDialogState.
#pragma once

#include <QDialog>
#include <functional>

#include "dialogs/data/dialog_state_holder.h"
#include "dialogs/data/table_surface_dialog_state.h"

class QButtonGroup;
class QListWidget;

namespace curvanta {

class PointTableDataPage;
class Swatch;

// The widgets over a data page and a look owned by the derived dialog.
class SurfaceTableDialog : public QDialog {
  Q_OBJECT
 public:
  // `onOk` runs OK on the state; true closes the dialog as accepted.
  SurfaceTableDialog(PointTableData& data, SurfaceTableLook& look, const QString& caption,
                     std::function<bool()> onOk, QWidget* parent);
  // Command3_Click (OK) and Command4_Click (Cancel).
  void Command3_Click();
  void Command4_Click();

 protected:
  void toState();
  void fromState();

 private:
  SurfaceTableLook& look_;
  std::function<bool()> onOk_;
  PointTableDataPage* dataPage_ = nullptr;
  QButtonGroup* fill_ = nullptr;
  Swatch* firstColour_ = nullptr;
  Swatch* secondColour_ = nullptr;
  Swatch* singleColour_ = nullptr;
  QListWidget* materials_ = nullptr;
  QButtonGroup* model_ = nullptr;
  QButtonGroup* smoothness_ = nullptr;
};

class Table25DDialog : private DialogStateHolder<Table25DDialogState>, public SurfaceTableDialog {
 public:
  Table25DDialog(Table25DDialogState state, std::function<bool(Table25DDialogState&)> onOk,
                 QWidget* parent = nullptr);
  const Table25DDialogState& state();
};

class Table3DDialog : private DialogStateHolder<Table3DDialogState>, public SurfaceTableDialog {
 public:
  Table3DDialog(Table3DDialogState state, std::function<bool(Table3DDialogState&)> onOk,
                QWidget* parent = nullptr);
  const Table3DDialogState& state();
};

}  // namespace curvanta
