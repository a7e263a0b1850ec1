// Number lists and the OK wrapper of the table dialogs.
#include "dialogs/data/table_dialog_widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "scene/ui/swatch.h"

namespace curvanta {

TableDialogButtons LayOutTableDialog(QDialog* dialog, QTabWidget* pages,
                                     std::initializer_list<Swatch*> swatches) {
  TableDialogButtons b;
  b.ok = new QPushButton(QStringLiteral("确定"), dialog);
  b.cancel = new QPushButton(QStringLiteral("取消"), dialog);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {b.ok, b.cancel}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  auto* v = new QVBoxLayout(dialog);
  v->addWidget(pages);
  v->addLayout(buttons);
  for (Swatch* s : swatches)
    QObject::connect(s, &QAbstractButton::clicked, s, [s] {
      if (auto chosen = s->choose()) s->setColour(*chosen);
    });
  return b;
}

void NameControls(std::initializer_list<std::pair<QObject*, const char*>> names) {
  for (const auto& [control, name] : names)
    if (control) control->setObjectName(QString::fromLatin1(name));
}

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
