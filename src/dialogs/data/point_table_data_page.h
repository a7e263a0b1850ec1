// The "数据" page of the table dialogs: name, count boxes, the point grid and the Reset,
// export and import buttons, mirroring a PointTableData.
#pragma once

#include <QWidget>

#include "dialogs/data/point_table_data.h"

class QLineEdit;

namespace curvanta {

class PointTableView;

class PointTableDataPage : public QWidget {
  Q_OBJECT
 public:
  // `data` belongs to the dialog's state and outlives the page.
  PointTableDataPage(PointTableData& data, QWidget* parent);
  // Copies the fields into the data / shows the data again.
  void toData();
  void fromData();
  PointTableView* grid() const { return grid_; }

  // Command5_Click (Reset), Command2_Click (export) and Command1_Click (import).
  void Command5_Click();
  void Command2_Click();
  void Command1_Click();

 private:
  PointTableData& data_;
  QLineEdit* name_ = nullptr;
  QLineEdit* pointCount_ = nullptr;
  QLineEdit* rowCount_ = nullptr;
  QLineEdit* columnCount_ = nullptr;
  PointTableView* grid_ = nullptr;
};

}  // namespace curvanta
