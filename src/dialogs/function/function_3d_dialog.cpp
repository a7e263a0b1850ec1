// The 3D function dialog's widgets, their control names and their wiring to the state.
#include "dialogs/function/function_3d_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/function/dialog_widgets.h"
#include "dialogs/function/surface_look_pages.h"
#include "dialogs/function/two_row_tabs.h"

namespace curvanta {

namespace {

using S = Function3DDialogState;

// Every field of the function page and the text field that shows it.
const TextControl<S> kTexts[] = {
    {"Text1", &S::name},           {"Text2", &S::expression}, {"Text3", &S::secondExpression},
    {"Text4", &S::thirdExpression}, {"Text5", &S::minU},       {"Text6", &S::maxU},
    {"Text7", &S::segmentsU},      {"Text8", &S::minV},       {"Text9", &S::maxV},
    {"Text10", &S::segmentsV},     {"Text11", &S::minT},      {"Text12", &S::maxT},
    {"Text13", &S::stepsT},
};
// Captions that follow the state.
const LabelControl<S> kLabels[] = {
    {"Label2", &S::expressionLabel},   {"Label3", &S::secondExpressionLabel},
    {"Label4", &S::thirdExpressionLabel}, {"Label17", &S::minULabel},
    {"Label18", &S::maxULabel},        {"Label19", &S::segmentsULabel},
    {"Label20", &S::minVLabel},        {"Label21", &S::maxVLabel},
    {"Label22", &S::segmentsVLabel},
};
// The overlay boxes.
struct CheckControl {
  const char* name;
  const char* caption;
  bool S::*field;
};
const CheckControl kOverlays[] = {{"Check1", "添加色谱图", &S::colourMap},
                                  {"Check2", "添加等值线图", &S::contours},
                                  {"Check3", "添加矢量图", &S::vectors}};
// Rows shown and hidden as a whole.
const char* const kComponentRows[] = {"Label3", "Text3", "Label4", "Text4"};
const char* const kVRow[] = {"Label20", "Text8", "Label21", "Text9", "Label22", "Text10"};
const char* const kTRow[] = {"Label8", "Text11", "Label9", "Text12", "Label10", "Text13"};

}  // namespace

Function3DDialog::Function3DDialog(Function3DDialogState state,
                                   std::function<bool(Function3DDialogState&)> onOk,
                                   QWidget* parent)
    : QDialog(parent), state_(std::move(state)), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("Function3DDialog"));
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  auto* tabs = new TwoRowTabs(3, this);
  tabs->setObjectName(QStringLiteral("SSTab1"));
  tabs->addTab(FunctionPage(), QString::fromUtf8("函数"));
  look_ = std::make_unique<SurfaceLookPages>(tabs);
  tabs->addTab(OverlayPage(), QString::fromUtf8("叠加图形"));
  outer->addWidget(tabs);
  outer->addLayout(OkCancelRow(this, [this] { Command1_Click(); }, [this] { Command2_Click(); }));
  FromState();
}

Function3DDialog::~Function3DDialog() = default;

QWidget* Function3DDialog::FunctionPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  auto* top = new QGridLayout;
  top->addWidget(NamedLabel("Label12", "名称", page), 0, 0);
  top->addWidget(NamedText("Text1", page), 0, 1);
  top->addWidget(NamedLabel("Label13", "坐标系", page), 1, 0);
  systems_ = NamedCombo("Combo1", page);
  for (const char* item : {"直角坐标系", "柱面坐标系", "球面坐标系"})
    systems_->addItem(QString::fromUtf8(item));
  top->addWidget(systems_, 1, 1);
  top->addWidget(NamedLabel("Label6", "图形类型", page), 2, 0);
  types_ = NamedCombo("Combo2", page);
  top->addWidget(types_, 2, 1);
  top->addWidget(NamedLabel("Label11", "形式", page), 3, 0);
  forms_ = NamedCombo("Combo3", page);
  top->addWidget(forms_, 3, 1);
  v->addLayout(top);

  auto* definition = NamedFrame("Frame3", "函数定义", page);
  auto* d = new QGridLayout(definition);
  const char* const rows[3][2] = {{"Label2", "Text2"}, {"Label3", "Text3"}, {"Label4", "Text4"}};
  for (int row = 0; row < 3; ++row) {
    d->addWidget(NamedLabel(rows[row][0], "", definition), row, 0);
    d->addWidget(NamedText(rows[row][1], definition), row, 1);
  }
  v->addWidget(definition);

  auto* ranges = NamedFrame("Frame4", "变量的取值范围", page);
  auto* r = new QGridLayout(ranges);
  const char* const grid[3][6] = {{"Label17", "Text5", "Label18", "Text6", "Label19", "Text7"},
                                  {"Label20", "Text8", "Label21", "Text9", "Label22", "Text10"},
                                  {"Label8", "Text11", "Label9", "Text12", "Label10", "Text13"}};
  const char* const tCaptions[3] = {"最小 t", "最大 t", "段数 t"};
  for (int row = 0; row < 3; ++row) {
    for (int c = 0; c < 3; ++c) {
      r->addWidget(NamedLabel(grid[row][2 * c], row == 2 ? tCaptions[c] : "", ranges), row, 2 * c);
      r->addWidget(NamedText(grid[row][2 * c + 1], ranges), row, 2 * c + 1);
    }
  }
  v->addWidget(ranges);
  v->addStretch();

  connect(systems_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.coordSystem = index;
    Function3DSystemChosen(state_);
    FromState();
  });
  connect(types_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.type = index;
    Function3DTypeChosen(state_);
    FromState();
  });
  connect(forms_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.form = index;
    Function3DFormChosen(state_);
    FromState();
  });
  return page;
}

QWidget* Function3DDialog::OverlayPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  for (const auto& c : kOverlays) {
    auto* box = new QCheckBox(QString::fromUtf8(c.caption), page);
    box->setObjectName(QString::fromLatin1(c.name));
    v->addWidget(box);
  }
  v->addStretch();
  return page;
}

void Function3DDialog::ToState() {
  for (const auto& c : kTexts) state_.*c.field = TextOf(this, c.name);
  state_.coordSystem = systems_->currentIndex();
  state_.type = types_->currentIndex();
  state_.form = forms_->currentIndex();
  for (const auto& c : kOverlays)
    state_.*c.field = findChild<QCheckBox*>(QString::fromLatin1(c.name))->isChecked();
  look_->Read(state_.look);
}

void Function3DDialog::FromState() {
  setWindowTitle(QString::fromStdString(state_.caption));
  for (const auto& c : kTexts) SetTextOf(this, c.name, state_.*c.field);
  for (const auto& c : kLabels) SetLabelOf(this, c.name, state_.*c.caption);
  {
    QSignalBlocker block(systems_);
    systems_->setCurrentIndex(state_.coordSystem);
  }
  SetItems(types_, state_.typeItems, state_.type);
  SetItems(forms_, state_.formItems, state_.form);
  for (const char* name : kComponentRows) SetShown(this, name, state_.componentsShown);
  for (const char* name : kVRow) SetShown(this, name, state_.vRowShown);
  for (const char* name : kTRow) SetShown(this, name, state_.animated);
  SetEnabledOf(this, "Text13", state_.stepsTEnabled);
  for (const auto& c : kOverlays) {
    auto* box = findChild<QCheckBox*>(QString::fromLatin1(c.name));
    QSignalBlocker block(box);
    box->setChecked(state_.*c.field);
    box->setEnabled(state_.overlaysEnabled);
  }
  look_->Show(state_.look);
}

const Function3DDialogState& Function3DDialog::state() {
  ToState();
  return state_;
}

void Function3DDialog::Command1_Click() {
  ToState();
  const bool close = RunOk(onOk_, state_);
  FromState();
  if (close) accept();
}

void Function3DDialog::Command2_Click() { reject(); }

}  // namespace curvanta
