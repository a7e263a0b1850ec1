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
#include <algorithm>
#include <iterator>

#include "common/globals.h"
#include "dialogs/data/dialog_common.h"
#include "dialogs/function/function_2d_ok.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

using S = StepStemDialogState;

// What a control is and so how it shows its field.
enum class Kind {
  Text,    // a line edit: the field's text
  Sizes,   // an editable list "1".."items": read by its text
  Symbol,  // the marker list: its position
  Swatch,  // a colour swatch
  Check,   // a check box
};
// Where it sits: the name row, the frames of page "函数", page "阶梯图", page "火柴杆图" and
// its two frames.
enum class Place { NameRow, Definition, Range, StepPage, StemPage, Head, Body };

struct Control {
  const char* name;
  Kind kind;
  Place place;
  const char* label;    // its label's name (nullptr: none)
  const char* caption;  // the label's caption, or the check box's
  std::string S::*text = nullptr;
  bool S::*flag = nullptr;
  int32_t S::*colour = nullptr;
  int items = 0;  // Sizes: "1" to items
};

// Every control of the dialog, in the order of its pages.
const Control kControls[] = {
    {"Text1", Kind::Text, Place::NameRow, "Label1", "名称", &S::name},
    {"Text2", Kind::Text, Place::Definition, "Label2", "y(x)", &S::function},
    {"Text4", Kind::Text, Place::Range, "Label4", "最小 u", &S::minX},
    {"Text5", Kind::Text, Place::Range, "Label5", "最大 u", &S::maxX},
    {"Text6", Kind::Text, Place::Range, "Label6", "段数 u", &S::segments},
    {"Check2", Kind::Check, Place::StepPage, nullptr, "显示阶梯图", nullptr, &S::showStep},
    {"Picture1", Kind::Swatch, Place::StepPage, "Label7", "颜色", nullptr, nullptr, &S::stepColour},
    {"Combo2", Kind::Sizes, Place::StepPage, "Label8", "宽度", &S::stepWidth, nullptr, nullptr, 8},
    {"Check1", Kind::Check, Place::StemPage, nullptr, "显示火柴杆图", nullptr, &S::showStem},
    {"Picture2", Kind::Swatch, Place::Head, "Label9", "颜色", nullptr, nullptr, &S::stemHeadColour},
    {"Combo1", Kind::Sizes, Place::Head, "Label10", "大小", &S::stemHeadSize, nullptr, nullptr, 9},
    {"Combo3", Kind::Symbol, Place::Head, "Label11", "标记"},
    {"Picture3", Kind::Swatch, Place::Body, "Label12", "颜色", nullptr, nullptr, &S::stemBodyColour},
    {"Combo4", Kind::Sizes, Place::Body, "Label13", "宽度", &S::stemBodyWidth, nullptr, nullptr, 8},
};

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
  auto* nameRow = new QGridLayout;
  auto* definition = new QGroupBox(QStringLiteral("函数定义"), functionPage);
  auto* range = new QGroupBox(QStringLiteral("变量的取值范围"), functionPage);
  fv->addLayout(nameRow);
  fv->addWidget(definition);
  fv->addWidget(range);
  fv->addStretch();
  tabs->addTab(functionPage, QStringLiteral("函数"));

  auto* stepPage = new QWidget;
  auto* stepGrid = new QGridLayout(stepPage);
  tabs->addTab(stepPage, QStringLiteral("阶梯图"));

  // Page "火柴杆图": the heads' marker and the stems' line.
  auto* stemPage = new QWidget;
  auto* sv = new QVBoxLayout(stemPage);
  auto* stemGrid = new QGridLayout;
  auto* head = new QGroupBox(QStringLiteral("头部属性"), stemPage);
  auto* body = new QGroupBox(QStringLiteral("杆的属性"), stemPage);
  sv->addLayout(stemGrid);
  sv->addWidget(head);
  sv->addWidget(body);
  sv->addStretch();
  tabs->addTab(stemPage, QStringLiteral("火柴杆图"));

  const std::pair<Place, std::pair<QWidget*, QGridLayout*>> places[] = {
      {Place::NameRow, {functionPage, nameRow}},
      {Place::Definition, {definition, new QGridLayout(definition)}},
      {Place::Range, {range, new QGridLayout(range)}},
      {Place::StepPage, {stepPage, stepGrid}},
      {Place::StemPage, {stemPage, stemGrid}},
      {Place::Head, {head, new QGridLayout(head)}},
      {Place::Body, {body, new QGridLayout(body)}},
  };
  for (const Control& c : kControls) {
    auto [parentWidget, grid] = std::find_if(std::begin(places), std::end(places),
                                             [&](const auto& p) { return p.first == c.place; })
                                    ->second;
    QWidget* widget = nullptr;
    switch (c.kind) {
      case Kind::Text:
        widget = new QLineEdit(parentWidget);
        break;
      case Kind::Sizes: {
        auto* combo = new QComboBox(parentWidget);
        combo->setEditable(true);
        for (int i = 1; i <= c.items; ++i) combo->addItem(QString::number(i));
        widget = combo;
        break;
      }
      case Kind::Symbol: {
        auto* combo = new QComboBox(parentWidget);
        for (const auto& item : kStepStemSymbolItems) combo->addItem(Q(item));
        widget = combo;
        break;
      }
      case Kind::Swatch: {
        auto* swatch = new Swatch(QString(), parentWidget);
        connect(swatch, &QAbstractButton::clicked, this, [this, swatch, field = c.colour] {
          ToState();
          if (auto chosen = swatch->choose()) state_.*field = *chosen;
          FromState();
        });
        widget = swatch;
        break;
      }
      case Kind::Check:
        widget = new QCheckBox(QString::fromUtf8(c.caption), parentWidget);
        break;
    }
    widget->setObjectName(QString::fromLatin1(c.name));
    widgets_.push_back(widget);
    const int row = grid->rowCount();
    if (c.label) {
      auto* label = new QLabel(QString::fromUtf8(c.caption), parentWidget);
      label->setObjectName(QString::fromLatin1(c.label));
      grid->addWidget(label, row, 0);
      grid->addWidget(widget, row, 1);
    } else {
      grid->addWidget(widget, row, 0, 1, 2);
    }
  }
  stepGrid->setRowStretch(stepGrid->rowCount(), 1);

  QPushButton* ok = AddOkCancelButtons(*this, *outer).first;
  connect(ok, &QPushButton::clicked, this, &StepStemDialog::Command1_Click);
  FromState();
}

const StepStemDialogState& StepStemDialog::state() {
  ToState();
  return state_;
}

void StepStemDialog::ToState() {
  for (size_t i = 0; i < widgets_.size(); ++i) {
    const Control& c = kControls[i];
    QWidget* w = widgets_[i];
    switch (c.kind) {
      case Kind::Text: state_.*c.text = static_cast<QLineEdit*>(w)->text().toStdString(); break;
      case Kind::Sizes: state_.*c.text = static_cast<QComboBox*>(w)->currentText().toStdString(); break;
      case Kind::Symbol: state_.stemHeadSymbolIndex = static_cast<QComboBox*>(w)->currentIndex(); break;
      case Kind::Swatch: state_.*c.colour = static_cast<Swatch*>(w)->colour(); break;
      case Kind::Check: state_.*c.flag = static_cast<QCheckBox*>(w)->isChecked(); break;
    }
  }
}

void StepStemDialog::FromState() {
  setWindowTitle(Q(state_.caption));
  for (size_t i = 0; i < widgets_.size(); ++i) {
    const Control& c = kControls[i];
    QWidget* w = widgets_[i];
    switch (c.kind) {
      case Kind::Text: static_cast<QLineEdit*>(w)->setText(Q(state_.*c.text)); break;
      case Kind::Sizes: ShowComboText(*static_cast<QComboBox*>(w), state_.*c.text); break;
      case Kind::Symbol: static_cast<QComboBox*>(w)->setCurrentIndex(state_.stemHeadSymbolIndex); break;
      case Kind::Swatch: static_cast<Swatch*>(w)->setColour(state_.*c.colour); break;
      case Kind::Check: static_cast<QCheckBox*>(w)->setChecked(state_.*c.flag); break;
    }
  }
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
