// Number lists and the OK wrapper of the table dialogs.
#include "dialogs/data/table_dialog_widgets.h"

#include <QComboBox>
#include <QDialog>

namespace curvanta {

QComboBox* NumberCombo(int count, bool editable, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(editable);
  for (int i = 1; i <= count; ++i) combo->addItem(QString::number(i));
  return combo;
}

void ShowComboText(QComboBox* combo, const std::string& text) {
  const QString t = QString::fromStdString(text);
  combo->setCurrentIndex(combo->findText(t));
  combo->setEditText(t);
}

void RunTableOk(QDialog* dialog, const std::function<bool()>& ok) {
  bool close = false;
  try {
    close = ok();
  } catch (...) {
    close = false;  // nothing leaves the click handler; the dialog stays open
  }
  if (close) dialog->accept();
}

}  // namespace curvanta
