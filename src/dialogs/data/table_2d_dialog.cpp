// The 2D table dialog's widgets, their control names and its modal showing.
#include "dialogs/data/table_2d_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/data/point_table_data_page.h"
#include "dialogs/data/table_dialog_widgets.h"
#include "scene/ui/swatch.h"

namespace curvanta {

Table2DDialog::Table2DDialog(Table2DDialogState state, std::function<bool(Table2DDialogState&)> onOk,
                             QWidget* parent)
    : DialogStateHolder(std::move(state)), QDialog(parent), onOk_(std::move(onOk)) {
  setWindowTitle(QStringLiteral("二维表数据图形属性"));
  setModal(true);
  auto* tabs = new QTabWidget(this);
  dataPage_ = new PointTableDataPage(state_.data, tabs);
  tabs->addTab(dataPage_, QStringLiteral("数据"));

  // A page of one look: its check box, colour swatch and the rows below.
  auto page = [&](const char* title, const char* check, QCheckBox*& box, Swatch*& swatch) {
    auto* w = new QWidget(tabs);
    auto* g = new QGridLayout(w);
    box = new QCheckBox(QString::fromUtf8(check), w);
    swatch = new Swatch(QString(), w);
    g->addWidget(box, 0, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("颜色"), w), 1, 0);
    g->addWidget(swatch, 1, 1);
    tabs->addTab(w, QString::fromUtf8(title));
    return g;
  };
  QGridLayout* line = page("线形图", "显示线形图", showLine_, lineColour_);
  lineWidth_ = NumberCombo(8, true, tabs);
  line->addWidget(new QLabel(QStringLiteral("宽度")), 2, 0);
  line->addWidget(lineWidth_, 2, 1);
  line->setRowStretch(3, 1);
  QGridLayout* scatter = page("散点图", "显示散点图", showScatter_, scatterColour_);
  scatterSize_ = NumberCombo(9, true, tabs);
  marker_ = new QComboBox(tabs);
  for (const char* item : kTableMarkerItems) marker_->addItem(QString::fromUtf8(item));
  scatter->addWidget(new QLabel(QStringLiteral("大小")), 2, 0);
  scatter->addWidget(scatterSize_, 2, 1);
  scatter->addWidget(new QLabel(QStringLiteral("标记")), 3, 0);
  scatter->addWidget(marker_, 3, 1);
  scatter->setRowStretch(4, 1);
  QGridLayout* smooth = page("曲线平滑", "显示平滑的曲线", showSmoothCurve_, smoothCurveColour_);
  smoothCurveWidth_ = NumberCombo(8, false, tabs);
  smooth->addWidget(new QLabel(QStringLiteral("宽度")), 2, 0);
  smooth->addWidget(smoothCurveWidth_, 2, 1);
  smooth->setRowStretch(3, 1);

  const TableDialogButtons buttons =
      LayOutTableDialog(this, tabs, {lineColour_, scatterColour_, smoothCurveColour_});
  // Control names of the dialog (the data page names its own).
  NameControls({
      {tabs, "SSTab1"},           {showLine_, "Check1"},          {lineColour_, "Picture1"},
      {lineWidth_, "Combo1"},     {showScatter_, "Check2"},       {scatterColour_, "Picture2"},
      {scatterSize_, "Combo2"},   {marker_, "Combo4"},            {showSmoothCurve_, "Check3"},
      {smoothCurveColour_, "Picture4"}, {smoothCurveWidth_, "Combo3"}, {buttons.ok, "Command3"},
      {buttons.cancel, "Command4"},
  });
  connect(buttons.ok, &QPushButton::clicked, this, &Table2DDialog::Command3_Click);
  connect(buttons.cancel, &QPushButton::clicked, this, &Table2DDialog::Command4_Click);
  fromState();
}

void Table2DDialog::toState() {
  dataPage_->toData();
  state_.showLine = showLine_->isChecked();
  state_.lineColour = lineColour_->colour();
  state_.lineWidth = lineWidth_->currentText().toStdString();
  state_.showScatter = showScatter_->isChecked();
  state_.scatterColour = scatterColour_->colour();
  state_.scatterSize = scatterSize_->currentText().toStdString();
  state_.markerIndex = marker_->currentIndex();
  state_.showSmoothCurve = showSmoothCurve_->isChecked();
  state_.smoothCurveColour = smoothCurveColour_->colour();
  state_.smoothCurveWidthIndex = smoothCurveWidth_->currentIndex();
}

void Table2DDialog::fromState() {
  dataPage_->fromData();
  showLine_->setChecked(state_.showLine);
  lineColour_->setColour(state_.lineColour);
  ShowComboText(lineWidth_, state_.lineWidth);
  showScatter_->setChecked(state_.showScatter);
  scatterColour_->setColour(state_.scatterColour);
  ShowComboText(scatterSize_, state_.scatterSize);
  marker_->setCurrentIndex(state_.markerIndex);
  showSmoothCurve_->setChecked(state_.showSmoothCurve);
  smoothCurveColour_->setColour(state_.smoothCurveColour);
  smoothCurveWidth_->setCurrentIndex(state_.smoothCurveWidthIndex);
}

const Table2DDialogState& Table2DDialog::state() {
  toState();
  return state_;
}

void Table2DDialog::Command3_Click() {
  RunTableOk(this, [this] {
    toState();
    const bool close = onOk_ ? onOk_(state_) : true;
    fromState();
    return close;
  });
}

void Table2DDialog::Command4_Click() { reject(); }

void RunTable2DDialog(Table2DDialogState preset, DocumentHost& host) {
  if (auto& runner = TableDialogRunnerSlot<Table2DDialogState>()) {
    runner(std::move(preset), host);
    return;
  }
  Table2DDialog dialog(std::move(preset),
                       [&host](Table2DDialogState& s) { return Table2DCommandOk(s, host); },
                       TableDialogParent());
  dialog.exec();
}

}  // namespace curvanta
