// The 2.5D strip dialog's widgets, their control names and their wiring to the state.
#include "dialogs/function/strip_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/function/dialog_widgets.h"
#include "dialogs/function/surface_look_pages.h"
#include "dialogs/function/two_row_tabs.h"

namespace curvanta {

namespace {

using S = StripDialogState;

// Every field of the function page and the text field that shows it.
const TextControl<S> kTexts[] = {
    {"Text1", &S::name},     {"Text2", &S::expression}, {"Text3", &S::secondExpression},
    {"Text5", &S::minimum},  {"Text6", &S::maximum},    {"Text7", &S::segments},
    {"Text4", &S::minT},     {"Text8", &S::maxT},       {"Text9", &S::stepsT},
};
// Captions that follow the state.
const LabelControl<S> kLabels[] = {
    {"Label2", &S::expressionLabel}, {"Label3", &S::secondExpressionLabel},
    {"Label17", &S::minimumLabel},   {"Label18", &S::maximumLabel},
    {"Label19", &S::segmentsLabel},
};
// The t row, shown in animation mode.
const char* const kTRow[] = {"Label4", "Label6", "Label8", "Text4", "Text8", "Text9"};

}  // namespace

StripDialog::StripDialog(StripDialogState state, std::function<bool(StripDialogState&)> onOk,
                         QWidget* parent)
    : QDialog(parent), state_(std::move(state)), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("StripDialog"));
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  auto* tabs = new TwoRowTabs(4, this);
  tabs->setObjectName(QStringLiteral("SSTab1"));
  tabs->addTab(FunctionPage(), QString::fromUtf8("函数"));
  look_ = std::make_unique<SurfaceLookPages>(tabs);
  outer->addWidget(tabs);
  outer->addLayout(OkCancelRow(this, [this] { Command1_Click(); }, [this] { Command2_Click(); }));
  FromState();
}

StripDialog::~StripDialog() = default;

QWidget* StripDialog::FunctionPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  auto* top = new QGridLayout;
  top->addWidget(NamedLabel("Label12", "名称", page), 0, 0);
  top->addWidget(NamedText("Text1", page), 0, 1);
  top->addWidget(NamedLabel("Label13", "坐标系", page), 1, 0);
  systems_ = NamedCombo("Combo1", page);
  for (const char* item : {"直角坐标系", "极坐标系"}) systems_->addItem(QString::fromUtf8(item));
  top->addWidget(systems_, 1, 1);
  top->addWidget(NamedLabel("Label9", "形式", page), 2, 0);
  forms_ = NamedCombo("Combo2", page);
  top->addWidget(forms_, 2, 1);
  v->addLayout(top);

  auto* definition = NamedFrame("Frame3", "函数定义", page);
  auto* d = new QGridLayout(definition);
  d->addWidget(NamedLabel("Label2", "", definition), 0, 0);
  d->addWidget(NamedText("Text2", definition), 0, 1);
  d->addWidget(NamedLabel("Label3", "", definition), 1, 0);
  d->addWidget(NamedText("Text3", definition), 1, 1);
  v->addWidget(definition);

  auto* ranges = NamedFrame("Frame4", "变量的取值范围", page);
  auto* r = new QGridLayout(ranges);
  const char* const rows[2][6] = {{"Label17", "Text5", "Label18", "Text6", "Label19", "Text7"},
                                  {"Label4", "Text4", "Label6", "Text8", "Label8", "Text9"}};
  const char* const tCaptions[3] = {"最小 t", "最大 t", "段数 t"};
  for (int row = 0; row < 2; ++row) {
    for (int c = 0; c < 3; ++c) {
      r->addWidget(NamedLabel(rows[row][2 * c], row == 1 ? tCaptions[c] : "", ranges), row, 2 * c);
      r->addWidget(NamedText(rows[row][2 * c + 1], ranges), row, 2 * c + 1);
    }
  }
  v->addWidget(ranges);
  v->addStretch();

  connect(systems_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.coordSystem = index;
    StripSystemChosen(state_);
    FromState();
  });
  connect(forms_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.form = index;
    StripFormChosen(state_);
    FromState();
  });
  return page;
}

void StripDialog::ToState() {
  for (const auto& c : kTexts) state_.*c.field = TextOf(this, c.name);
  state_.coordSystem = systems_->currentIndex();
  state_.form = forms_->currentIndex();
  look_->Read(state_.look);
}

void StripDialog::FromState() {
  setWindowTitle(QString::fromStdString(state_.caption));
  for (const auto& c : kTexts) SetTextOf(this, c.name, state_.*c.field);
  for (const auto& c : kLabels) SetLabelOf(this, c.name, state_.*c.caption);
  {
    QSignalBlocker block(systems_);
    systems_->setCurrentIndex(state_.coordSystem);
  }
  SetItems(forms_, state_.formItems, state_.form);
  SetShown(this, "Label3", state_.secondExpressionShown);
  SetShown(this, "Text3", state_.secondExpressionShown);
  for (const char* name : kTRow) SetShown(this, name, state_.animated);
  SetEnabledOf(this, "Text9", state_.stepsTEnabled);
  look_->Show(state_.look);
}

const StripDialogState& StripDialog::state() {
  ToState();
  return state_;
}

void StripDialog::Command1_Click() {
  ToState();
  const bool close = RunOk(onOk_, state_);
  FromState();
  if (close) accept();
}

void StripDialog::Command2_Click() { reject(); }

}  // namespace curvanta
