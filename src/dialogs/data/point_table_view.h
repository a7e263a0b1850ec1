// The point grid on screen: a table view over the dialog's PointTableGrid (header row as the
// column headers, label column greyed and never current) with the editor box laid over the
// current cell. Every key goes through the PointTableEditor's rules.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "dialogs/data/point_table_editor.h"

class QLineEdit;

namespace curvanta {

class PointTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  PointTableModel(const PointTableGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The grid was laid out anew / its texts changed.
  void relayout();
  void textsChanged();

 private:
  const PointTableGrid& grid_;
};

class PointTableView : public QTableView {
  Q_OBJECT
 public:
  // `editor` belongs to the dialog's state and outlives the view.
  PointTableView(PointTableEditor& editor, QWidget* parent);
  QLineEdit* editorBox() const { return box_; }
  // Shows the editor's state again after the grid was laid out anew (Reset, import).
  void relayout();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void scrollContentsBy(int dx, int dy) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Brings the view, the current cell and the box in line with the editor.
  void applyEditor();
  // The editor takes the text the box shows, however it got there (keys, paste, drop,
  // input method).
  void takeBoxText();
  bool boxKeyPress(QKeyEvent* event);
  void boxKeyRelease();

  PointTableEditor& editor_;
  PointTableModel* model_ = nullptr;
  QLineEdit* box_ = nullptr;
  bool syncing_ = false;
};

}  // namespace curvanta
