// The colour, material and appearance pages and their control names.
#include "dialogs/function/surface_look_pages.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/function/two_row_tabs.h"
#include "scene/material.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

// An option button, its caption and the code it stands for in its group.
struct OptionControl {
  const char* name;
  const char* caption;
  int code;
};

// Fill options top to bottom.
const OptionControl kFillOptions[] = {{"Option1", "从左向右渐变", 1},
                                      {"Option3", "从前向后渐变", 2},
                                      {"Option2", "从上向下渐变", 3},
                                      {"Option4", "单色", 4}};
const OptionControl kModelOptions[] = {
    {"Option5", "顶点模型", 1}, {"Option6", "线框模型", 2}, {"Option7", "曲面模型", 3}};
const OptionControl kSmoothnessOptions[] = {
    {"Option8", "刻面", 1}, {"Option9", "平滑", 2}, {"Option10", "最平滑", 3}};

QRadioButton* AddOption(QButtonGroup* group, const OptionControl& option, QWidget* parent) {
  auto* button = new QRadioButton(Q(option.caption), parent);
  button->setObjectName(Q(option.name));
  group->addButton(button, option.code);
  return button;
}

// Checks the option of `code`, or none when no option stands for it.
void CheckOption(QButtonGroup* group, int code) {
  QAbstractButton* button = group->button(code);
  if (button) {
    button->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

int CheckedCode(const QButtonGroup* group) {
  const int id = group->checkedId();
  return id < 0 ? 0 : id;
}

}  // namespace

SurfaceLookPages::SurfaceLookPages(TwoRowTabs* tabs) {
  tabs->addTab(ColourPage(), Q("颜色"));
  tabs->addTab(MaterialPage(), Q("材质"));
  tabs->addTab(AppearancePage(), Q("外观"));
}

QWidget* SurfaceLookPages::ColourPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  fill_ = new QButtonGroup(page);
  int row = 0;
  for (const OptionControl& option : kFillOptions) grid->addWidget(AddOption(fill_, option, page), row++, 0);
  auto* firstLabel = new QLabel(Q("第一种颜色"), page);
  firstLabel->setObjectName(QStringLiteral("Label1"));
  auto* secondLabel = new QLabel(Q("第二种颜色"), page);
  secondLabel->setObjectName(QStringLiteral("Label5"));
  first_ = new Swatch(QStringLiteral("Picture2"), page);
  second_ = new Swatch(QStringLiteral("Picture3"), page);
  single_ = new Swatch(QStringLiteral("Picture4"), page);
  grid->addWidget(firstLabel, 0, 1);
  grid->addWidget(first_, 0, 2);
  grid->addWidget(secondLabel, 2, 1);
  grid->addWidget(second_, 2, 2);
  grid->addWidget(single_, 3, 2);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(3, 1);
  for (Swatch* swatch : {first_, second_, single_}) {
    QObject::connect(swatch, &QAbstractButton::clicked, swatch, [swatch] {
      if (auto chosen = swatch->choose()) swatch->setColour(*chosen);
    });
  }
  return page;
}

QWidget* SurfaceLookPages::MaterialPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* label = new QLabel(Q("选择一种材质"), page);
  label->setObjectName(QStringLiteral("Label7"));
  layout->addWidget(label);
  materials_ = new QListWidget(page);
  materials_->setObjectName(QStringLiteral("List1"));
  for (int32_t m = 1; m <= kMaterialCount; ++m)
    materials_->addItem(QString::fromStdString(MaterialName(m)));
  layout->addWidget(materials_);
  return page;
}

QWidget* SurfaceLookPages::AppearancePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto frame = [&](const char* name, const char* caption, QButtonGroup*& group,
                   const OptionControl* options, int count) {
    auto* box = new QGroupBox(Q(caption), page);
    box->setObjectName(Q(name));
    auto* v = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < count; ++i) v->addWidget(AddOption(group, options[i], box));
    layout->addWidget(box);
  };
  frame("Frame1", "模型", model_, kModelOptions, 3);
  frame("Frame2", "平滑性", smoothness_, kSmoothnessOptions, 3);
  layout->addStretch();
  return page;
}

void SurfaceLookPages::Show(const SurfaceLook& look) {
  CheckOption(fill_, look.fillStyle);
  first_->setColour(look.firstColour);
  second_->setColour(look.secondColour);
  single_->setColour(look.singleColour);
  materials_->setCurrentRow(look.material >= 1 && look.material <= kMaterialCount
                                ? look.material - 1
                                : -1);
  CheckOption(model_, look.model);
  CheckOption(smoothness_, look.smoothness);
}

void SurfaceLookPages::Read(SurfaceLook& look) const {
  // A fill option is always chosen; none would leave the state's own.
  if (fill_->checkedId() > 0) look.fillStyle = fill_->checkedId();
  look.firstColour = first_->colour();
  look.secondColour = second_->colour();
  look.singleColour = single_->colour();
  // The material follows the list's choice; without one it keeps the last.
  const int row = materials_->currentRow();
  if (row >= 0) look.material = row + 1;
  look.model = CheckedCode(model_);
  look.smoothness = CheckedCode(smoothness_);
}

}  // namespace curvanta
