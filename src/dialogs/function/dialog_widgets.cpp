// Named controls and their reading and showing for the strip and 3D function dialogs.
#include "dialogs/function/dialog_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace curvanta {

namespace {
QString Name(const char* name) { return QString::fromLatin1(name); }
}  // namespace

QLabel* NamedLabel(const char* name, const char* caption, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(Name(name));
  return label;
}

QLineEdit* NamedText(const char* name, QWidget* parent) {
  auto* text = new QLineEdit(parent);
  text->setObjectName(Name(name));
  return text;
}

QComboBox* NamedCombo(const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(Name(name));
  box->setEditable(false);
  return box;
}

QGroupBox* NamedFrame(const char* name, const char* caption, QWidget* parent) {
  auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
  frame->setObjectName(Name(name));
  return frame;
}

QHBoxLayout* OkCancelRow(QWidget* dialog, std::function<void()> ok, std::function<void()> cancel) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  auto* okButton = new QPushButton(QString::fromUtf8("确定"), dialog);
  okButton->setObjectName(QStringLiteral("Command1"));
  okButton->setDefault(true);
  auto* cancelButton = new QPushButton(QString::fromUtf8("取消"), dialog);
  cancelButton->setObjectName(QStringLiteral("Command2"));
  cancelButton->setAutoDefault(false);
  row->addWidget(okButton);
  row->addWidget(cancelButton);
  QObject::connect(okButton, &QPushButton::clicked, dialog, [ok = std::move(ok)] { ok(); });
  QObject::connect(cancelButton, &QPushButton::clicked, dialog,
                   [cancel = std::move(cancel)] { cancel(); });
  return row;
}

std::string TextOf(const QWidget* root, const char* name) {
  const auto* text = root->findChild<QLineEdit*>(Name(name));
  return text ? text->text().toStdString() : std::string();
}

void SetTextOf(QWidget* root, const char* name, const std::string& value) {
  auto* text = root->findChild<QLineEdit*>(Name(name));
  const QString shown = QString::fromStdString(value);
  if (text && text->text() != shown) text->setText(shown);
}

void SetLabelOf(QWidget* root, const char* name, const std::string& caption) {
  if (auto* label = root->findChild<QLabel*>(Name(name)))
    label->setText(QString::fromStdString(caption));
}

void SetShown(QWidget* root, const char* name, bool shown) {
  if (auto* widget = root->findChild<QWidget*>(Name(name))) widget->setVisible(shown);
}

void SetEnabledOf(QWidget* root, const char* name, bool enabled) {
  if (auto* widget = root->findChild<QWidget*>(Name(name))) widget->setEnabled(enabled);
}

void SetItems(QComboBox* box, const std::vector<std::string>& items, int index) {
  QSignalBlocker block(box);
  QStringList wanted;
  for (const auto& item : items) wanted << QString::fromStdString(item);
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  if (shown != wanted) {
    box->clear();
    box->addItems(wanted);
  }
  box->setCurrentIndex(index < box->count() ? index : -1);
}

}  // namespace curvanta
