// The 2.5D and 3D table dialogs' widgets, their control names and their modal showing.
#include "dialogs/data/table_surface_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/data/point_table_data_page.h"
#include "dialogs/data/table_dialog_widgets.h"
#include "scene/material.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

QRadioButton* Option(QButtonGroup* group, int code, const char* caption, QWidget* parent) {
  auto* b = new QRadioButton(QString::fromUtf8(caption), parent);
  group->addButton(b, code);
  return b;
}

void Check(QButtonGroup* group, int code) {
  if (QAbstractButton* b = group->button(code)) b->setChecked(true);
}

}  // namespace

SurfaceTableDialog::SurfaceTableDialog(PointTableData& data, SurfaceTableLook& look,
                                       const QString& caption, std::function<bool()> onOk,
                                       QWidget* parent)
    : QDialog(parent), look_(look), onOk_(std::move(onOk)) {
  setWindowTitle(caption);
  setModal(true);
  auto* tabs = new QTabWidget(this);
  dataPage_ = new PointTableDataPage(data, tabs);
  tabs->addTab(dataPage_, QStringLiteral("数据"));

  auto* colourPage = new QWidget(tabs);
  fill_ = new QButtonGroup(colourPage);
  QRadioButton* option1 = Option(fill_, FillKind::GradientX, "从左到右渐变", colourPage);
  QRadioButton* option2 = Option(fill_, FillKind::GradientY, "从上到下渐变", colourPage);
  QRadioButton* option3 = Option(fill_, FillKind::GradientZ, "从前到后渐变", colourPage);
  QRadioButton* option4 = Option(fill_, FillKind::Single, "单色", colourPage);
  firstColour_ = new Swatch(QString(), colourPage);
  secondColour_ = new Swatch(QString(), colourPage);
  singleColour_ = new Swatch(QString(), colourPage);
  auto* c = new QGridLayout(colourPage);
  c->addWidget(option1, 0, 0);
  c->addWidget(option2, 1, 0);
  c->addWidget(option3, 2, 0);
  c->addWidget(new QLabel(QStringLiteral("第一种颜色"), colourPage), 0, 1);
  c->addWidget(firstColour_, 0, 2);
  c->addWidget(new QLabel(QStringLiteral("第二种颜色"), colourPage), 1, 1);
  c->addWidget(secondColour_, 1, 2);
  c->addWidget(option4, 3, 0);
  c->addWidget(singleColour_, 3, 2);
  c->setRowStretch(4, 1);
  tabs->addTab(colourPage, QStringLiteral("颜色"));

  auto* materialPage = new QWidget(tabs);
  materials_ = new QListWidget(materialPage);
  for (int32_t m = 1; m <= kMaterialCount; ++m)
    materials_->addItem(QString::fromStdString(MaterialName(m)));
  auto* m = new QVBoxLayout(materialPage);
  m->addWidget(new QLabel(QStringLiteral("选择一种材质"), materialPage));
  m->addWidget(materials_);
  tabs->addTab(materialPage, QStringLiteral("材质"));

  auto* lookPage = new QWidget(tabs);
  auto* modelFrame = new QGroupBox(QStringLiteral("模型"), lookPage);
  auto* smoothFrame = new QGroupBox(QStringLiteral("平滑性"), lookPage);
  model_ = new QButtonGroup(lookPage);
  smoothness_ = new QButtonGroup(lookPage);
  QRadioButton* options[6] = {
      Option(model_, ShowKind::Vertices, "顶点模型", modelFrame),
      Option(model_, ShowKind::Wireframe, "线框模型", modelFrame),
      Option(model_, ShowKind::Surface, "曲面模型", modelFrame),
      Option(smoothness_, SmoothKind::Faceted, "刻面", smoothFrame),
      Option(smoothness_, SmoothKind::Smooth, "平滑", smoothFrame),
      Option(smoothness_, SmoothKind::Smoothest, "最平滑", smoothFrame),
  };
  auto* mv = new QVBoxLayout(modelFrame);
  auto* sv = new QVBoxLayout(smoothFrame);
  for (int k = 0; k < 3; ++k) {
    mv->addWidget(options[k]);
    sv->addWidget(options[k + 3]);
  }
  auto* l = new QHBoxLayout(lookPage);
  l->addWidget(modelFrame);
  l->addWidget(smoothFrame);
  tabs->addTab(lookPage, QStringLiteral("外观"));

  const TableDialogButtons buttons =
      LayOutTableDialog(this, tabs, {firstColour_, secondColour_, singleColour_});
  // Control names of the dialog (the data page names its own).
  NameControls({
      {tabs, "SSTab1"},           {option1, "Option1"},       {option2, "Option2"},
      {option3, "Option3"},       {option4, "Option4"},       {firstColour_, "Picture2"},
      {secondColour_, "Picture3"}, {singleColour_, "Picture4"}, {materials_, "List1"},
      {options[0], "Option5"},    {options[1], "Option6"},    {options[2], "Option7"},
      {options[3], "Option8"},    {options[4], "Option9"},    {options[5], "Option10"},
      {modelFrame, "Frame1"},     {smoothFrame, "Frame2"},    {buttons.ok, "Command3"},
      {buttons.cancel, "Command4"},
  });
  connect(buttons.ok, &QPushButton::clicked, this, &SurfaceTableDialog::Command3_Click);
  connect(buttons.cancel, &QPushButton::clicked, this, &SurfaceTableDialog::Command4_Click);
}

void SurfaceTableDialog::toState() {
  dataPage_->toData();
  look_.fillStyle = fill_->checkedId();
  look_.firstColour = firstColour_->colour();
  look_.secondColour = secondColour_->colour();
  look_.singleColour = singleColour_->colour();
  look_.materialIndex = materials_->currentRow();
  look_.model = model_->checkedId();
  look_.smoothness = smoothness_->checkedId();
}

void SurfaceTableDialog::fromState() {
  dataPage_->fromData();
  Check(fill_, look_.fillStyle);
  firstColour_->setColour(look_.firstColour);
  secondColour_->setColour(look_.secondColour);
  singleColour_->setColour(look_.singleColour);
  materials_->setCurrentRow(look_.materialIndex);
  Check(model_, look_.model);
  Check(smoothness_, look_.smoothness);
}

void SurfaceTableDialog::Command3_Click() {
  RunTableOk(this, [this] {
    toState();
    const bool close = onOk_ ? onOk_() : true;
    fromState();
    return close;
  });
}

void SurfaceTableDialog::Command4_Click() { reject(); }

Table25DDialog::Table25DDialog(Table25DDialogState state,
                               std::function<bool(Table25DDialogState&)> onOk, QWidget* parent)
    : DialogStateHolder(std::move(state)),
      SurfaceTableDialog(state_.data, state_.look, QStringLiteral("二维半表数据图形属性"),
                         [this, onOk] { return onOk ? onOk(state_) : true; }, parent) {
  fromState();
}

const Table25DDialogState& Table25DDialog::state() {
  toState();
  return state_;
}

Table3DDialog::Table3DDialog(Table3DDialogState state, std::function<bool(Table3DDialogState&)> onOk,
                             QWidget* parent)
    : DialogStateHolder(std::move(state)),
      SurfaceTableDialog(state_.data, state_.look, QStringLiteral("三维表数据图形属性"),
                         [this, onOk] { return onOk ? onOk(state_) : true; }, parent) {
  fromState();
}

const Table3DDialogState& Table3DDialog::state() {
  toState();
  return state_;
}

void RunTable25DDialog(Table25DDialogState preset, DocumentHost& host) {
  if (auto& runner = TableDialogRunnerSlot<Table25DDialogState>()) {
    runner(std::move(preset), host);
    return;
  }
  Table25DDialog dialog(std::move(preset),
                        [&host](Table25DDialogState& s) { return Table25DCommandOk(s, host); },
                        TableDialogParent());
  if (dialog.exec() != QDialog::Accepted) host.refresh();  // its Cancel repaints the window
}

void RunTable3DDialog(Table3DDialogState preset, DocumentHost& host) {
  if (auto& runner = TableDialogRunnerSlot<Table3DDialogState>()) {
    runner(std::move(preset), host);
    return;
  }
  Table3DDialog dialog(std::move(preset),
                       [&host](Table3DDialogState& s) { return Table3DCommandOk(s, host); },
                       TableDialogParent());
  dialog.exec();
}

}  // namespace curvanta
