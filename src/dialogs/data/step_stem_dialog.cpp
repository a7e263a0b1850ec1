// The step and stem dialog's widgets, its OK and its modal showing.
#include "dialogs/data/step_stem_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/globals.h"
#include "dialogs/data/dialog_common.h"
#include "dialogs/function/function_2d_ok.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

using S = StepStemDialogState;

// The controls of the dialog: name, label name and caption, the field they show.
struct TextControl {
  const char* name;
  const char* label;
  const char* caption;
  std::string S::*field;
};
const TextControl kTexts[] = {
    {"Text1", "Label1", "名称", &S::name},     {"Text2", "Label2", "y(x)", &S::function},
    {"Text4", "Label4", "最小 u", &S::minX},   {"Text5", "Label5", "最大 u", &S::maxX},
    {"Text6", "Label6", "段数 u", &S::segments},
};
struct ListControl {
  const char* name;
  int items;  // "1" to items
  std::string S::*field;
};
const ListControl kStepWidth{"Combo2", 8, &S::stepWidth};
const ListControl kHeadSize{"Combo1", 9, &S::stemHeadSize};
const ListControl kBodyWidth{"Combo4", 8, &S::stemBodyWidth};
struct SwatchControl {
  const char* name;
  int32_t S::*field;
};
const SwatchControl kStepColour{"Picture1", &S::stepColour};
const SwatchControl kHeadColour{"Picture2", &S::stemHeadColour};
const SwatchControl kBodyColour{"Picture3", &S::stemBodyColour};

QLabel* Label(const char* name, const char* caption, QWidget* parent) {
  auto* l = new QLabel(QString::fromUtf8(caption), parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

}  // namespace

StepStemDialog::StepStemDialog(StepStemDialogState state,
                               std::function<bool(StepStemDialogState&)> onOk, QWidget* parent)
    : QDialog(parent), state_(std::move(state)), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("StepStemDialog"));
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("SSTab1"));
  outer->addWidget(tabs);

  // Page "函数": the name, the function and its range.
  auto* functionPage = new QWidget;
  auto* fv = new QVBoxLayout(functionPage);
  auto* definition = new QGroupBox(QStringLiteral("函数定义"), functionPage);
  auto* range = new QGroupBox(QStringLiteral("变量的取值范围"), functionPage);
  auto* nameRow = new QGridLayout;
  auto* dg = new QGridLayout(definition);
  auto* rg = new QGridLayout(range);
  for (const TextControl& c : kTexts) {
    auto* text = new QLineEdit(functionPage);
    text->setObjectName(QString::fromLatin1(c.name));
    texts_.push_back(text);
    QGridLayout* grid = c.field == &S::name ? nameRow : c.field == &S::function ? dg : rg;
    const int r = grid->rowCount();
    grid->addWidget(Label(c.label, c.caption, functionPage), r, 0);
    grid->addWidget(text, r, 1);
  }
  fv->addLayout(nameRow);
  fv->addWidget(definition);
  fv->addWidget(range);
  fv->addStretch();
  tabs->addTab(functionPage, QStringLiteral("函数"));

  auto list = [this](const ListControl& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(c.name));
    combo->setEditable(true);
    for (int i = 1; i <= c.items; ++i) combo->addItem(QString::number(i));
    sizes_.push_back(combo);
    return combo;
  };
  auto swatch = [this](const SwatchControl& c, QWidget* parent) {
    auto* s = new Swatch(QString::fromLatin1(c.name), parent);
    swatches_.push_back(s);
    connect(s, &QAbstractButton::clicked, this, [this, s, c] {
      ToState();
      if (auto chosen = s->choose()) state_.*c.field = *chosen;
      FromState();
    });
    return s;
  };

  // Page "阶梯图".
  auto* stepPage = new QWidget;
  auto* sg = new QGridLayout(stepPage);
  showStep_ = new QCheckBox(QStringLiteral("显示阶梯图"), stepPage);
  showStep_->setObjectName(QStringLiteral("Check2"));
  sg->addWidget(showStep_, 0, 0, 1, 2);
  sg->addWidget(Label("Label7", "颜色", stepPage), 1, 0);
  sg->addWidget(swatch(kStepColour, stepPage), 1, 1);
  sg->addWidget(Label("Label8", "宽度", stepPage), 2, 0);
  sg->addWidget(list(kStepWidth, stepPage), 2, 1);
  sg->setRowStretch(3, 1);
  tabs->addTab(stepPage, QStringLiteral("阶梯图"));

  // Page "火柴杆图": the heads' marker and the stems' line.
  auto* stemPage = new QWidget;
  auto* tv = new QVBoxLayout(stemPage);
  showStem_ = new QCheckBox(QStringLiteral("显示火柴杆图"), stemPage);
  showStem_->setObjectName(QStringLiteral("Check1"));
  tv->addWidget(showStem_);
  auto* head = new QGroupBox(QStringLiteral("头部属性"), stemPage);
  auto* hg = new QGridLayout(head);
  hg->addWidget(Label("Label9", "颜色", head), 0, 0);
  hg->addWidget(swatch(kHeadColour, head), 0, 1);
  hg->addWidget(Label("Label10", "大小", head), 1, 0);
  hg->addWidget(list(kHeadSize, head), 1, 1);
  hg->addWidget(Label("Label11", "标记", head), 2, 0);
  symbol_ = new QComboBox(head);
  symbol_->setObjectName(QStringLiteral("Combo3"));
  for (const auto& item : kStepStemSymbolItems) symbol_->addItem(Q(item));
  hg->addWidget(symbol_, 2, 1);
  tv->addWidget(head);
  auto* body = new QGroupBox(QStringLiteral("杆的属性"), stemPage);
  auto* bg = new QGridLayout(body);
  bg->addWidget(Label("Label12", "颜色", body), 0, 0);
  bg->addWidget(swatch(kBodyColour, body), 0, 1);
  bg->addWidget(Label("Label13", "宽度", body), 1, 0);
  bg->addWidget(list(kBodyWidth, body), 1, 1);
  tv->addWidget(body);
  tv->addStretch();
  tabs->addTab(stemPage, QStringLiteral("火柴杆图"));

  QPushButton* ok = AddOkCancelButtons(*this, *outer).first;
  connect(ok, &QPushButton::clicked, this, &StepStemDialog::Command1_Click);
  FromState();
}

const StepStemDialogState& StepStemDialog::state() {
  ToState();
  return state_;
}

void StepStemDialog::ToState() {
  for (size_t i = 0; i < texts_.size(); ++i) state_.*kTexts[i].field = texts_[i]->text().toStdString();
  const ListControl* lists[] = {&kStepWidth, &kHeadSize, &kBodyWidth};
  for (size_t i = 0; i < sizes_.size(); ++i)
    state_.*lists[i]->field = sizes_[i]->currentText().toStdString();
  const SwatchControl* colours[] = {&kStepColour, &kHeadColour, &kBodyColour};
  for (size_t i = 0; i < swatches_.size(); ++i) state_.*colours[i]->field = swatches_[i]->colour();
  state_.showStep = showStep_->isChecked();
  state_.showStem = showStem_->isChecked();
  state_.stemHeadSymbolIndex = symbol_->currentIndex();
}

void StepStemDialog::FromState() {
  setWindowTitle(Q(state_.caption));
  for (size_t i = 0; i < texts_.size(); ++i) texts_[i]->setText(Q(state_.*kTexts[i].field));
  const ListControl* lists[] = {&kStepWidth, &kHeadSize, &kBodyWidth};
  for (size_t i = 0; i < sizes_.size(); ++i) {
    const QString text = Q(state_.*lists[i]->field);
    sizes_[i]->setCurrentIndex(sizes_[i]->findText(text));
    sizes_[i]->setEditText(text);
  }
  const SwatchControl* colours[] = {&kStepColour, &kHeadColour, &kBodyColour};
  for (size_t i = 0; i < swatches_.size(); ++i) swatches_[i]->setColour(state_.*colours[i]->field);
  showStep_->setChecked(state_.showStep);
  showStem_->setChecked(state_.showStem);
  symbol_->setCurrentIndex(state_.stemHeadSymbolIndex);
}

void StepStemDialog::Command1_Click() {
  ToState();
  const bool close = RunOkHandler([this] { return !onOk_ || onOk_(state_); });
  FromState();
  if (close) accept();
}

bool StepStemCommandOk(StepStemDialogState& state, const EditLineText& editLine, DocumentHost& host) {
  StepStemAcceptOutcome out = AcceptStepStemDialog(state, LastGraphID);
  if (out.graphModeSet) GraphMode = 1;
  return CommitAccepted(out.refusal, out.item, editLine, host);
}

void RunStepStemDialog(StepStemDialogState preset, const EditLineText& editLine, DocumentHost& host) {
  if (auto& runner = EditLineDialogRunnerSlot<StepStemDialogState>()) {
    runner(std::move(preset), editLine, host);
    return;
  }
  StepStemDialog dialog(
      std::move(preset),
      [&editLine, &host](StepStemDialogState& s) { return StepStemCommandOk(s, editLine, host); },
      DialogParent());
  if (dialog.exec() != QDialog::Accepted) host.refresh();  // Cancel repaints the window
}

StepStemDialogRunner SetStepStemDialogRunner(StepStemDialogRunner runner) {
  return InstallEditLineDialogRunner<StepStemDialogState>(std::move(runner));
}

}  // namespace curvanta
