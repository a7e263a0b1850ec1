// QMessageBox behind the message service.
#include "common/ui/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace curvanta {

MsgAnswer QtMessageService::show(const Message& m) {
  QMessageBox box(parent_ ? parent_ : QApplication::activeWindow());
  QString title = ToQ(m.title);
  if (title.isEmpty()) title = QApplication::applicationName();
  box.setWindowTitle(title);
  box.setText(ToQ(m.text));
  switch (m.icon) {
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  switch (m.buttons) {
    case MsgButtons::Ok:
      ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
      box.setEscapeButton(ok);
      break;
    case MsgButtons::OkCancel:
      ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
      cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
      box.setEscapeButton(cancel);
      break;
    case MsgButtons::YesNo:
      yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
      box.setEscapeButton(no);
      break;
    case MsgButtons::YesNoWithoutEscape:
      // No escape button and no button the box would take for one (it takes a lone "No"
      // role): Esc does nothing and the close button is refused.
      yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("否"), QMessageBox::DestructiveRole);
      break;
    case MsgButtons::YesNoCancel:
      yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
      cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
      box.setEscapeButton(cancel);
      break;
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked && clicked == yes) return MsgAnswer::Yes;
  if (clicked && clicked == no) return MsgAnswer::No;
  if (clicked && clicked == ok) return MsgAnswer::Ok;
  if (cancel) return MsgAnswer::Cancel;
  if (no) return MsgAnswer::No;
  return MsgAnswer::Ok;
}

}  // namespace curvanta
