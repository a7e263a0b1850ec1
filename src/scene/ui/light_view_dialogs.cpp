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
  // Each control with the state field it shows.
  struct CheckSpec {
    const char* name;
    const char* caption;
    bool LightDialogState::*field;
  } checkSpecs[3] = {{"Check1", "使用光照", &LightDialogState::useLight},
                     {"Check2", "双面光照", &LightDialogState::twoSided},
                     {"Check3", "全局环境光", &LightDialogState::globalAmbient}};
  auto* checkRow = new QHBoxLayout();
  for (const CheckSpec& c : checkSpecs) {
    auto* box = new QCheckBox(QString::fromUtf8(c.caption), this);
    box->setObjectName(QString::fromLatin1(c.name));
    box->setChecked(state_.*c.field);
    checkRow->addWidget(box);
    checks_.push_back({box, c.field});
  }
  layout->addLayout(checkRow);

  using Quad = std::array<std::string, 4>;
  struct FrameSpec {
    const char* name;
    const char* title;
    const char* captions[4];
    int numbers[4];  // label and field numbers
    Quad LightDialogState::*field;
  } frames[4] = {
      {"Frame1", "位置", {"X", "Y", "Z", "W"}, {1, 2, 3, 16}, &LightDialogState::position},
      {"Frame2", "漫反射光的颜色", {"R", "G", "B", "A"}, {4, 5, 6, 7}, &LightDialogState::diffuse},
      {"Frame3", "环境光的颜色", {"R", "G", "B", "A"}, {8, 9, 10, 11}, &LightDialogState::ambient},
      {"Frame4", "镜面反射光的颜色", {"R", "G", "B", "A"}, {12, 13, 14, 15}, &LightDialogState::specular},
  };
  for (const FrameSpec& f : frames) {
    auto* frame = new QGroupBox(QString::fromUtf8(f.title), this);
    frame->setObjectName(QString::fromLatin1(f.name));
    auto* grid = new QGridLayout(frame);
    for (int k = 0; k < 4; ++k) {
      grid->addWidget(NamedLabel(f.numbers[k], QString::fromLatin1(f.captions[k]), frame), 0, 2 * k);
      auto* box = new QLineEdit(frame);
      box->setObjectName(QStringLiteral("Text%1").arg(f.numbers[k]));
      box->setText(ToQ((state_.*f.field)[size_t(k)]));
      grid->addWidget(box, 0, 2 * k + 1);
      texts_.push_back({box, &((state_.*f.field)[size_t(k)])});
    }
    layout->addWidget(frame);
  }
  AddOkCancel(this, layout);
}

void LightDialog::accept() {
  for (const auto& [box, field] : checks_) state_.*field = box->isChecked();
  for (const auto& [box, field] : texts_) *field = FromQ(box->text());
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
    auto* box = new QLineEdit(ToQ(state_.volume[size_t(i - 1)]), volume);
    box->setObjectName(QStringLiteral("Text%1").arg(i));
    box->setEnabled(false);  // shown only
    grid->addWidget(box, row, column + 1);
  }
  layout->addWidget(volume);
  AddOkCancel(this, layout);

  option1_->setChecked(state_.orthographic);
  option2_->setChecked(state_.perspective);
}

void ViewDialog::accept() {
  state_.orthographic = option1_->isChecked();
  state_.perspective = option2_->isChecked();
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
