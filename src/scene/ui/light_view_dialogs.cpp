// Light and view dialogs: layout and wiring; the logic is in LightDialogState and ViewDialogState.
#include "scene/ui/light_view_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/qt_message_service.h"
#include "scene/scene_globals.h"
#include "scene/ui/settings_dialogs.h"

namespace curvanta {

namespace {

void AddOkCancel(QDialog* dialog, QVBoxLayout* layout) {
  auto* row = new QHBoxLayout();
  row->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("确定"), dialog);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消"), dialog);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setAutoDefault(false);
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

QLabel* NamedLabel(int number, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QStringLiteral("Label%1").arg(number));
  return label;
}

}  // namespace

LightDialog::LightDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("LightDialogState"));
  setWindowTitle(QStringLiteral("光照属性"));
  state_ = LightDialogState::Form_Load(DocLight);
  auto* layout = new QVBoxLayout(this);
  const char* checkCaptions[3] = {"使用光照", "双面光照", "全局环境光"};
  auto* checkRow = new QHBoxLayout();
  for (int i = 1; i <= 3; ++i) {
    checks_[i] = new QCheckBox(QString::fromUtf8(checkCaptions[i - 1]), this);
    checks_[i]->setObjectName(QStringLiteral("Check%1").arg(i));
    checkRow->addWidget(checks_[i]);
  }
  layout->addLayout(checkRow);

  struct FrameSpec {
    const char* name;
    const char* title;
    const char* captions[4];
    int labels[4];
    int boxes[4];
  } frames[4] = {
      {"Frame1", "位置", {"X", "Y", "Z", "W"}, {1, 2, 3, 16}, {1, 2, 3, 16}},
      {"Frame2", "漫反射光的颜色", {"R", "G", "B", "A"}, {4, 5, 6, 7}, {4, 5, 6, 7}},
      {"Frame3", "环境光的颜色", {"R", "G", "B", "A"}, {8, 9, 10, 11}, {8, 9, 10, 11}},
      {"Frame4", "镜面反射光的颜色", {"R", "G", "B", "A"}, {12, 13, 14, 15}, {12, 13, 14, 15}},
  };
  for (const FrameSpec& f : frames) {
    auto* frame = new QGroupBox(QString::fromUtf8(f.title), this);
    frame->setObjectName(QString::fromLatin1(f.name));
    auto* grid = new QGridLayout(frame);
    for (int k = 0; k < 4; ++k) {
      grid->addWidget(NamedLabel(f.labels[k], QString::fromLatin1(f.captions[k]), frame), 0, 2 * k);
      auto* box = new QLineEdit(frame);
      box->setObjectName(QStringLiteral("Text%1").arg(f.boxes[k]));
      grid->addWidget(box, 0, 2 * k + 1);
      texts_[f.boxes[k]] = box;
    }
    layout->addWidget(frame);
  }
  AddOkCancel(this, layout);

  checks_[1]->setChecked(state_.Check1);
  checks_[2]->setChecked(state_.Check2);
  checks_[3]->setChecked(state_.Check3);
  for (int i = 1; i <= 16; ++i) texts_[i]->setText(ToQ(state_.Text[size_t(i)]));
}

void LightDialog::accept() {
  state_.Check1 = checks_[1]->isChecked();
  state_.Check2 = checks_[2]->isChecked();
  state_.Check3 = checks_[3]->isChecked();
  for (int i = 1; i <= 16; ++i) state_.Text[size_t(i)] = FromQ(texts_[i]->text());
  state_.Command1_Click(DocLight);
  QDialog::accept();
}

ViewDialog::ViewDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ViewDialogState"));
  setWindowTitle(QStringLiteral("视图设置"));
  state_ = ViewDialogState::Form_Load(DocView);
  auto* layout = new QVBoxLayout(this);

  auto* type = new QGroupBox(QStringLiteral("投影类型"), this);
  type->setObjectName(QStringLiteral("Frame1"));
  auto* typeRow = new QHBoxLayout(type);
  option1_ = new QRadioButton(QStringLiteral("正交投影"), type);
  option1_->setObjectName(QStringLiteral("Option1"));
  option2_ = new QRadioButton(QStringLiteral("透视投影"), type);
  option2_->setObjectName(QStringLiteral("Option2"));
  auto* group = new QButtonGroup(this);
  group->addButton(option1_);
  group->addButton(option2_);
  typeRow->addWidget(option1_);
  typeRow->addWidget(option2_);
  layout->addWidget(type);

  auto* volume = new QGroupBox(QStringLiteral("视景体"), this);
  volume->setObjectName(QStringLiteral("Frame2"));
  auto* grid = new QGridLayout(volume);
  const char* captions[6] = {"左", "右", "上", "下", "前", "后"};
  for (int i = 1; i <= 6; ++i) {
    const int row = (i - 1) / 2, column = ((i - 1) % 2) * 2;
    grid->addWidget(NamedLabel(i, QString::fromUtf8(captions[i - 1]), volume), row, column);
    auto* box = new QLineEdit(ToQ(state_.Text[size_t(i)]), volume);
    box->setObjectName(QStringLiteral("Text%1").arg(i));
    box->setEnabled(false);  // shown only
    grid->addWidget(box, row, column + 1);
  }
  layout->addWidget(volume);
  AddOkCancel(this, layout);

  option1_->setChecked(state_.Option1);
  option2_->setChecked(state_.Option2);
}

void ViewDialog::accept() {
  state_.Option1 = option1_->isChecked();
  state_.Option2 = option2_->isChecked();
  state_.Command1_Click(DocView);
  QDialog::accept();
}

bool ShowLightDialog(QWidget* parent) {
  curvanta::LightDialog dialog(parent);
  return dialog.exec() == QDialog::Accepted;
}

bool ShowViewDialog(QWidget* parent) {
  curvanta::ViewDialog dialog(parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace curvanta
