// Coordinate-system dialogs: layout and wiring; the logic is in Axes2DDialogState and Axes3DDialogState.
#include "scene/ui/axes_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/globals.h"
#include "common/ui/qt_message_service.h"
#include "scene/ui/settings_dialogs.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QCheckBox* NamedCheck(const QString& name, const QString& text, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

// OK (default, Enter) and Cancel (Esc) at the foot of a dialog.
void AddButtons(QDialog* dialog, QVBoxLayout* layout) {
  auto* row = new QHBoxLayout();
  row->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("确定"), dialog);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  ok->setAutoDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消"), dialog);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setAutoDefault(false);
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

QTabWidget* NewTabs(QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  tabs->setObjectName(QStringLiteral("SSTab1"));
  return tabs;
}

}  // namespace

// --- Axes2DDialogState ---

Axes2DDialog::Axes2DDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Axes2DDialogState"));
  setWindowTitle(QStringLiteral("坐标系属性"));
  state_ = Axes2DDialogState::Form_Load(DocAxes());

  auto* layout = new QVBoxLayout(this);
  auto* tabs = NewTabs(this);
  layout->addWidget(tabs);

  auto* common = new QWidget(tabs);
  auto* commonLayout = new QVBoxLayout(common);
  check1_ = NamedCheck(QStringLiteral("Check1"), QStringLiteral("显示坐标系"), common);
  commonLayout->addWidget(check1_);
  commonLayout->addStretch(1);
  tabs->addTab(common, QStringLiteral("常用"));

  auto* axis = new QWidget(tabs);
  auto* axisLayout = new QGridLayout(axis);
  axisLayout->addWidget(NamedLabel(QStringLiteral("Label1"), QStringLiteral("颜色"), axis), 0, 0);
  picture1_ = new Swatch(QStringLiteral("Picture1"), axis);
  axisLayout->addWidget(picture1_, 0, 1);
  axisLayout->addWidget(NamedLabel(QStringLiteral("Label2"), QStringLiteral("宽度"), axis), 1, 0);
  combo1_ = new QComboBox(axis);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setEditable(true);
  axisLayout->addWidget(combo1_, 1, 1);
  axisLayout->setRowStretch(2, 1);
  tabs->addTab(axis, QStringLiteral("坐标轴"));

  auto* fonts = new QWidget(tabs);
  auto* fontsLayout = new QVBoxLayout(fonts);
  check2_ = NamedCheck(QStringLiteral("Check2"), QStringLiteral("字体更佳"), fonts);
  fontsLayout->addWidget(check2_);
  fontsLayout->addStretch(1);
  tabs->addTab(fonts, QStringLiteral("字体"));

  AddButtons(this, layout);

  check1_->setChecked(state_.Check1);
  check2_->setChecked(state_.Check2);
  picture1_->setColour(state_.Picture1);
  {
    QSignalBlocker block(combo1_);
    for (const auto& item : state_.Combo1Items) combo1_->addItem(ToQ(item));
    combo1_->setCurrentIndex(state_.Combo1Index);
    combo1_->setEditText(ToQ(state_.Combo1Text));
  }
  connect(picture1_, &QToolButton::clicked, this, [this] {
    state_.Picture1_Click(picture1_->choose());
    picture1_->setColour(state_.Picture1);
  });
}

void Axes2DDialog::accept() {
  state_.Check1 = check1_->isChecked();
  state_.Check2 = check2_->isChecked();
  state_.Combo1Text = FromQ(combo1_->currentText());
  state_.Command1_Click(DocAxes());
  QDialog::accept();
}

void Axes2DDialog::reject() {
  Axes2DDialogState::Command2_Click();
  QDialog::reject();
}

// --- Axes3DDialogState ---

Axes3DDialog::Axes3DDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Axes3DDialogState"));
  setWindowTitle(QStringLiteral("坐标系属性"));
  state_ = Axes3DDialogState::Form_Load(DocAxes(), GraphMode);

  auto* layout = new QVBoxLayout(this);
  auto* tabs = NewTabs(this);
  layout->addWidget(tabs);
  auto check = [this](int i, const QString& text, QWidget* parent) {
    checks_[i] = NamedCheck(QStringLiteral("Check%1").arg(i), text, parent);
    return checks_[i];
  };
  auto swatch = [this](int i, QWidget* parent) {
    pictures_[i] = new Swatch(QStringLiteral("Picture%1").arg(i), parent);
    return pictures_[i];
  };

  // 常用
  auto* common = new QWidget(tabs);
  auto* commonLayout = new QVBoxLayout(common);
  commonLayout->addWidget(check(1, QStringLiteral("显示坐标系"), common));
  commonLayout->addStretch(1);
  tabs->addTab(common, QStringLiteral("常用"));

  // 面板
  auto* panels = new QWidget(tabs);
  auto* panelsLayout = new QVBoxLayout(panels);
  struct PanelSpec {
    const char* frame;
    const char* title;
    int colourLabel, materialLabel;
  } panelSpecs[3] = {{"Frame3", "XY 面板", 2, 3}, {"Frame4", "XZ 面板", 4, 5}, {"Frame5", "YZ 面板", 6, 7}};
  for (int p = 1; p <= 3; ++p) {
    const PanelSpec& s = panelSpecs[p - 1];
    auto* frame = new QGroupBox(QString::fromUtf8(s.title), panels);
    frame->setObjectName(QString::fromUtf8(s.frame));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(check(1 + p, QStringLiteral("显示"), frame), 0, 0);
    panelLabels_[p][0] =
        NamedLabel(QStringLiteral("Label%1").arg(s.colourLabel), QStringLiteral("颜色"), frame);
    grid->addWidget(panelLabels_[p][0], 0, 1);
    grid->addWidget(swatch(p, frame), 0, 2);
    panelLabels_[p][1] =
        NamedLabel(QStringLiteral("Label%1").arg(s.materialLabel), QStringLiteral("材质"), frame);
    grid->addWidget(panelLabels_[p][1], 0, 3);
    combos_[p] = new QComboBox(frame);
    combos_[p]->setObjectName(QStringLiteral("Combo%1").arg(p));
    grid->addWidget(combos_[p], 0, 4);
    panelsLayout->addWidget(frame);
  }
  tabs->addTab(panels, QStringLiteral("面板"));

  // 网格
  auto* grids = new QWidget(tabs);
  auto* gridsLayout = new QVBoxLayout(grids);
  struct GridSpec {
    const char* frame;
    const char* title;
    const char* first;
    const char* second;
    int label, picture;
  } gridSpecs[3] = {{"Frame6", "XY", "X 方向", "Y 方向", 11, 5},
                    {"Frame7", "XZ", "X 方向", "Z 方向", 15, 7},
                    {"Frame8", "YZ", "Y 方向", "Z 方向", 21, 9}};
  for (int g = 0; g < 3; ++g) {
    const GridSpec& s = gridSpecs[g];
    auto* frame = new QGroupBox(QString::fromUtf8(s.title), grids);
    frame->setObjectName(QString::fromUtf8(s.frame));
    auto* row = new QHBoxLayout(frame);
    row->addWidget(check(5 + 2 * g, QString::fromUtf8(s.first), frame));
    row->addWidget(check(6 + 2 * g, QString::fromUtf8(s.second), frame));
    row->addWidget(NamedLabel(QStringLiteral("Label%1").arg(s.label), QStringLiteral("颜色"), frame));
    row->addWidget(swatch(s.picture, frame));
    gridsLayout->addWidget(frame);
  }
  tabs->addTab(grids, QStringLiteral("网格"));

  // 标签
  auto* labels = new QWidget(tabs);
  auto* labelsLayout = new QGridLayout(labels);
  const char* intervalCaptions[3] = {"X 轴上的间隔数", "Y 轴上的间隔数", "Z 轴上的间隔数"};
  for (int i = 1; i <= 3; ++i) {
    labelsLayout->addWidget(NamedLabel(QStringLiteral("Label%1").arg(7 + i),
                                       QString::fromUtf8(intervalCaptions[i - 1]), labels),
                            i - 1, 0);
    texts_[i] = new QLineEdit(labels);
    texts_[i]->setObjectName(QStringLiteral("Text%1").arg(i));
    labelsLayout->addWidget(texts_[i], i - 1, 1);
  }
  labelsLayout->setRowStretch(3, 1);
  tabs->addTab(labels, QStringLiteral("标签"));

  // 标题
  auto* titles = new QWidget(tabs);
  auto* titlesLayout = new QGridLayout(titles);
  const char* titleCaptions[3] = {"X 轴标题", "Y 轴标题", "Z 轴标题"};
  QLabel* titleLabels[3];
  for (int i = 4; i <= 6; ++i) {
    titleLabels[i - 4] = NamedLabel(QStringLiteral("Label%1").arg(8 + i),
                                    QString::fromUtf8(titleCaptions[i - 4]), titles);
    titlesLayout->addWidget(titleLabels[i - 4], i - 4, 0);
    texts_[i] = new QLineEdit(titles);
    texts_[i]->setObjectName(QStringLiteral("Text%1").arg(i));
    titlesLayout->addWidget(texts_[i], i - 4, 1);
  }
  titlesLayout->setRowStretch(3, 1);
  if (state_.TwoTitleRows) {
    // 2.5D: two rows, the plane's x title (TitleY) and y title (TitleZ); TitleX hidden.
    titleLabels[0]->hide();
    texts_[4]->hide();
    titleLabels[1]->setText(QStringLiteral("X Axes Title"));
    titleLabels[2]->setText(QStringLiteral("Y Axes Title"));
  }
  tabs->addTab(titles, QStringLiteral("标题"));

  AddButtons(this, layout);

  // Fill from the state.
  for (int i = 1; i <= 10; ++i) checks_[i]->setChecked(state_.Check[size_t(i)]);
  for (int i : {1, 2, 3, 5, 7, 9}) pictures_[i]->setColour(state_.Picture[size_t(i)]);
  for (int p = 1; p <= 3; ++p) {
    QSignalBlocker block(combos_[p]);
    for (const auto& name : MaterialPresetNames()) combos_[p]->addItem(ToQ(name));
    combos_[p]->setCurrentIndex(state_.ComboIndex[size_t(p)]);
  }
  for (int i = 1; i <= 6; ++i) texts_[i]->setText(ToQ(state_.Text[size_t(i)]));
  showEnabledState();

  // Handlers: user clicks only (the fill above ran them in the state already).
  for (int i = 1; i <= 10; ++i) {
    connect(checks_[i], &QCheckBox::clicked, this, [this, i](bool checked) {
      state_.Check_Click(i, checked, DocAxes());
      showEnabledState();
    });
  }
  for (int i : {1, 2, 3, 5, 7, 9}) {
    connect(pictures_[i], &QToolButton::clicked, this, [this, i] {
      state_.Picture_Click(i, pictures_[i]->choose(), DocAxes());
      pictures_[i]->setColour(state_.Picture[size_t(i)]);
    });
  }
}

void Axes3DDialog::showEnabledState() {
  for (int p = 1; p <= 3; ++p) {
    const bool on = state_.PanelControlsEnabled(p);
    panelLabels_[p][0]->setEnabled(on);
    pictures_[p]->setEnabled(on);
    panelLabels_[p][1]->setEnabled(on);
    combos_[p]->setEnabled(on);
  }
}

void Axes3DDialog::accept() {
  for (int i = 1; i <= 10; ++i) state_.Check[size_t(i)] = checks_[i]->isChecked();
  for (int p = 1; p <= 3; ++p) state_.ComboIndex[size_t(p)] = combos_[p]->currentIndex();
  for (int i = 1; i <= 6; ++i) state_.Text[size_t(i)] = FromQ(texts_[i]->text());
  state_.Command1_Click(DocAxes());
  QDialog::accept();
}

void Axes3DDialog::reject() {
  state_.Command2_Click(DocAxes());
  QDialog::reject();
}

bool ShowAxesDialog(QWidget* parent) {
  if (GraphMode == 1) {
    curvanta::Axes2DDialog dialog(parent);
    dialog.exec();
  } else {
    curvanta::Axes3DDialog dialog(parent);
    dialog.exec();
  }
  return AxisChanged;
}

}  // namespace curvanta
