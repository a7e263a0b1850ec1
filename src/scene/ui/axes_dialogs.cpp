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
  showAxes_ = NamedCheck(QStringLiteral("Check1"), QStringLiteral("显示坐标系"), common);
  commonLayout->addWidget(showAxes_);
  commonLayout->addStretch(1);
  tabs->addTab(common, QStringLiteral("常用"));

  auto* axis = new QWidget(tabs);
  auto* axisLayout = new QGridLayout(axis);
  axisLayout->addWidget(NamedLabel(QStringLiteral("Label1"), QStringLiteral("颜色"), axis), 0, 0);
  axisColour_ = new Swatch(QStringLiteral("Picture1"), axis);
  axisLayout->addWidget(axisColour_, 0, 1);
  axisLayout->addWidget(NamedLabel(QStringLiteral("Label2"), QStringLiteral("宽度"), axis), 1, 0);
  width_ = new QComboBox(axis);
  width_->setObjectName(QStringLiteral("Combo1"));
  width_->setEditable(true);
  axisLayout->addWidget(width_, 1, 1);
  axisLayout->setRowStretch(2, 1);
  tabs->addTab(axis, QStringLiteral("坐标轴"));

  auto* fonts = new QWidget(tabs);
  auto* fontsLayout = new QVBoxLayout(fonts);
  betterFonts_ = NamedCheck(QStringLiteral("Check2"), QStringLiteral("字体更佳"), fonts);
  fontsLayout->addWidget(betterFonts_);
  fontsLayout->addStretch(1);
  tabs->addTab(fonts, QStringLiteral("字体"));

  AddButtons(this, layout);

  showAxes_->setChecked(state_.showAxes);
  betterFonts_->setChecked(state_.betterFonts);
  axisColour_->setColour(state_.axisColour);
  {
    QSignalBlocker block(width_);
    for (const auto& item : state_.widthItems) width_->addItem(ToQ(item));
    width_->setCurrentIndex(state_.widthIndex);
    width_->setEditText(ToQ(state_.widthText));
  }
  connect(axisColour_, &QToolButton::clicked, this, [this] {
    state_.ChooseAxisColour(axisColour_->choose());
    axisColour_->setColour(state_.axisColour);
  });
}

void Axes2DDialog::accept() {
  state_.showAxes = showAxes_->isChecked();
  state_.betterFonts = betterFonts_->isChecked();
  state_.widthText = FromQ(width_->currentText());
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
  auto check = [](const char* name, const char* text, QWidget* parent) {
    return NamedCheck(QString::fromLatin1(name), QString::fromUtf8(text), parent);
  };
  auto swatch = [](const char* name, QWidget* parent) {
    return new Swatch(QString::fromLatin1(name), parent);
  };

  // 常用
  auto* common = new QWidget(tabs);
  auto* commonLayout = new QVBoxLayout(common);
  showAxes_ = check("Check1", "显示坐标系", common);
  commonLayout->addWidget(showAxes_);
  commonLayout->addStretch(1);
  tabs->addTab(common, QStringLiteral("常用"));

  // 面板: for each plane its frame, box, colour and material controls.
  auto* panels = new QWidget(tabs);
  auto* panelsLayout = new QVBoxLayout(panels);
  struct PanelSpec {
    const char* frame;
    const char* title;
    const char* show;
    const char* colourLabel;
    const char* colour;
    const char* materialLabel;
    const char* material;
  } panelSpecs[3] = {
      {"Frame3", "XY 面板", "Check2", "Label2", "Picture1", "Label3", "Combo1"},
      {"Frame4", "XZ 面板", "Check3", "Label4", "Picture2", "Label5", "Combo2"},
      {"Frame5", "YZ 面板", "Check4", "Label6", "Picture3", "Label7", "Combo3"},
  };
  for (int p = 0; p < 3; ++p) {
    const PanelSpec& s = panelSpecs[p];
    PanelWidgets& w = panels_[p];
    auto* frame = new QGroupBox(QString::fromUtf8(s.title), panels);
    frame->setObjectName(QString::fromUtf8(s.frame));
    auto* grid = new QGridLayout(frame);
    w.show = check(s.show, "显示", frame);
    grid->addWidget(w.show, 0, 0);
    w.colourLabel = NamedLabel(QString::fromLatin1(s.colourLabel), QStringLiteral("颜色"), frame);
    grid->addWidget(w.colourLabel, 0, 1);
    w.colour = swatch(s.colour, frame);
    grid->addWidget(w.colour, 0, 2);
    w.materialLabel =
        NamedLabel(QString::fromLatin1(s.materialLabel), QStringLiteral("材质"), frame);
    grid->addWidget(w.materialLabel, 0, 3);
    w.material = new QComboBox(frame);
    w.material->setObjectName(QString::fromLatin1(s.material));
    grid->addWidget(w.material, 0, 4);
    panelsLayout->addWidget(frame);
  }
  tabs->addTab(panels, QStringLiteral("面板"));

  // 网格: for each plane the lines across its two axes and their colour.
  auto* grids = new QWidget(tabs);
  auto* gridsLayout = new QVBoxLayout(grids);
  struct GridSpec {
    const char* frame;
    const char* title;
    const char* first;
    const char* firstCaption;
    const char* second;
    const char* secondCaption;
    const char* label;
    const char* colour;
  } gridSpecs[3] = {{"Frame6", "XY", "Check5", "X 方向", "Check6", "Y 方向", "Label11", "Picture5"},
                    {"Frame7", "XZ", "Check7", "X 方向", "Check8", "Z 方向", "Label15", "Picture7"},
                    {"Frame8", "YZ", "Check9", "Y 方向", "Check10", "Z 方向", "Label21", "Picture9"}};
  for (int g = 0; g < 3; ++g) {
    const GridSpec& s = gridSpecs[g];
    GridWidgets& w = grids_[g];
    auto* frame = new QGroupBox(QString::fromUtf8(s.title), grids);
    frame->setObjectName(QString::fromUtf8(s.frame));
    auto* row = new QHBoxLayout(frame);
    w.first = check(s.first, s.firstCaption, frame);
    w.second = check(s.second, s.secondCaption, frame);
    w.colour = swatch(s.colour, frame);
    row->addWidget(w.first);
    row->addWidget(w.second);
    row->addWidget(NamedLabel(QString::fromLatin1(s.label), QStringLiteral("颜色"), frame));
    row->addWidget(w.colour);
    gridsLayout->addWidget(frame);
  }
  tabs->addTab(grids, QStringLiteral("网格"));

  // 标签 and 标题: a field for each axis.
  struct FieldSpec {
    const char* label;
    const char* caption;
    const char* field;
  };
  auto fieldPage = [&](const FieldSpec (&specs)[3], QLineEdit* (&fields)[3], QLabel** labels) {
    auto* page = new QWidget(tabs);
    auto* layout = new QGridLayout(page);
    for (int i = 0; i < 3; ++i) {
      QLabel* label =
          NamedLabel(QString::fromLatin1(specs[i].label), QString::fromUtf8(specs[i].caption), page);
      if (labels) labels[i] = label;
      layout->addWidget(label, i, 0);
      fields[i] = new QLineEdit(page);
      fields[i]->setObjectName(QString::fromLatin1(specs[i].field));
      layout->addWidget(fields[i], i, 1);
    }
    layout->setRowStretch(3, 1);
    return page;
  };
  const FieldSpec intervalSpecs[3] = {{"Label8", "X 轴上的间隔数", "Text1"},
                                      {"Label9", "Y 轴上的间隔数", "Text2"},
                                      {"Label10", "Z 轴上的间隔数", "Text3"}};
  tabs->addTab(fieldPage(intervalSpecs, intervals_, nullptr), QStringLiteral("标签"));
  const FieldSpec titleSpecs[3] = {{"Label12", "X 轴标题", "Text4"},
                                   {"Label13", "Y 轴标题", "Text5"},
                                   {"Label14", "Z 轴标题", "Text6"}};
  QLabel* titleLabels[3];
  tabs->addTab(fieldPage(titleSpecs, titles_, titleLabels), QStringLiteral("标题"));
  if (state_.TwoTitleRows) {
    // 2.5D: two rows, the plane's x title (TitleY) and y title (TitleZ); TitleX hidden.
    titleLabels[0]->hide();
    titles_[0]->hide();
    titleLabels[1]->setText(QStringLiteral("X Axes Title"));
    titleLabels[2]->setText(QStringLiteral("Y Axes Title"));
  }

  AddButtons(this, layout);

  // Fill from the state.
  showAxes_->setChecked(state_.showAxes);
  for (int p = 0; p < 3; ++p) {
    PanelWidgets& w = panels_[p];
    w.show->setChecked(state_.panels[p].show);
    w.colour->setColour(state_.panels[p].colour);
    QSignalBlocker block(w.material);
    for (const auto& name : MaterialPresetNames()) w.material->addItem(ToQ(name));
    w.material->setCurrentIndex(state_.panels[p].material);
  }
  for (int g = 0; g < 3; ++g) {
    grids_[g].first->setChecked(state_.grids[g].showFirst);
    grids_[g].second->setChecked(state_.grids[g].showSecond);
    grids_[g].colour->setColour(state_.grids[g].colour);
  }
  for (int i = 0; i < 3; ++i) {
    intervals_[i]->setText(ToQ(state_.intervals[i]));
    titles_[i]->setText(ToQ(state_.titles[i]));
  }
  showEnabledState();

  // Handlers: user clicks only (the fill above ran them in the state already).
  connect(showAxes_, &QCheckBox::clicked, this,
          [this](bool checked) { state_.SetShowAxes(checked, DocAxes()); });
  for (int p = 0; p < 3; ++p) {
    const auto plane = static_cast<Axes3DPlane>(p);
    connect(panels_[p].show, &QCheckBox::clicked, this, [this, p](bool checked) {
      state_.panels[p].show = checked;
      showEnabledState();
    });
    connect(panels_[p].colour, &QToolButton::clicked, this, [this, p, plane] {
      state_.ChoosePanelColour(plane, panels_[p].colour->choose(), DocAxes());
      panels_[p].colour->setColour(state_.panels[p].colour);
    });
    connect(grids_[p].colour, &QToolButton::clicked, this, [this, p, plane] {
      state_.ChooseGridColour(plane, grids_[p].colour->choose(), DocAxes());
      grids_[p].colour->setColour(state_.grids[p].colour);
    });
  }
}

void Axes3DDialog::showEnabledState() {
  for (int p = 0; p < 3; ++p) {
    const bool on = state_.PanelControlsEnabled(static_cast<Axes3DPlane>(p));
    panels_[p].colourLabel->setEnabled(on);
    panels_[p].colour->setEnabled(on);
    panels_[p].materialLabel->setEnabled(on);
    panels_[p].material->setEnabled(on);
  }
}

void Axes3DDialog::accept() {
  state_.showAxes = showAxes_->isChecked();
  for (int p = 0; p < 3; ++p) {
    state_.panels[p].show = panels_[p].show->isChecked();
    state_.panels[p].material = panels_[p].material->currentIndex();
    state_.grids[p].showFirst = grids_[p].first->isChecked();
    state_.grids[p].showSecond = grids_[p].second->isChecked();
  }
  for (int i = 0; i < 3; ++i) {
    state_.intervals[i] = FromQ(intervals_[i]->text());
    state_.titles[i] = FromQ(titles_[i]->text());
  }
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
