// The point and animated point dialogs' widgets, their OK and their modal showing.
#include "dialogs/data/point_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QSignalBlocker>
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

using S = PointDialogState;

// What a control is and so how it shows its field.
enum class Kind {
  Text,     // a line edit: the field's text
  Systems,  // the coordinate-system list: its position
  Size,     // the editable size list "1".."9": read by its text
  Swatch,   // the colour swatch
  Option,   // an option button of the hollow-or-solid choice
};
// Where it sits: the rows above the coordinates, the coordinate frame, the t range frame,
// the hollow-or-solid frame and the rest of page "属性".
enum class Place { Top, Coordinates, TRange, Hollow, Look };

struct Control {
  const char* name;
  Kind kind;
  Place place;
  const char* label;          // its label's name in the point dialog (nullptr: no label)
  const char* animatedLabel;  // and in the animated point dialog
  const char* caption;        // the label's (or option's) caption; nullptr: `labelText`
  std::string S::*text = nullptr;       // Text, Size
  std::string S::*labelText = nullptr;  // a caption that follows the coordinate system
  bool hollow = false;                  // Option: the choice it stands for
  bool animatedOnly = false;
};

// Every control of both dialogs, page by page.
const Control kControls[] = {
    {"Text1", Kind::Text, Place::Top, "Label1", "Label1", "名称", &S::name},
    {"Combo1", Kind::Systems, Place::Top, "Label2", "Label2", "坐标类型"},
    {"Text2", Kind::Text, Place::Coordinates, "Label3", "Label3", nullptr, &S::x, &S::xLabel},
    {"Text3", Kind::Text, Place::Coordinates, "Label4", "Label4", nullptr, &S::y, &S::yLabel},
    {"Text4", Kind::Text, Place::Coordinates, "Label5", "Label5", nullptr, &S::z, &S::zLabel},
    {"Text5", Kind::Text, Place::TRange, "Label6", "Label6", "最小 t", &S::minT, nullptr, false, true},
    {"Text6", Kind::Text, Place::TRange, "Label7", "Label7", "最大 t", &S::maxT, nullptr, false, true},
    {"Text7", Kind::Text, Place::TRange, "Label8", "Label8", "段数 t", &S::tSegments, nullptr, false, true},
    {"Option1", Kind::Option, Place::Hollow, nullptr, nullptr, "实心", nullptr, nullptr, false},
    {"Option2", Kind::Option, Place::Hollow, nullptr, nullptr, "空心", nullptr, nullptr, true},
    {"Picture1", Kind::Swatch, Place::Look, "Label6", "Label9", "颜色"},
    {"Combo2", Kind::Size, Place::Look, "Label7", "Label10", "大小", &S::size},
};

}  // namespace

PointDialog::PointDialog(PointDialogState state, int32_t graphMode,
                         std::function<bool(PointDialogState&)> onOk, QWidget* parent)
    : QDialog(parent), state_(std::move(state)), graphMode_(graphMode), onOk_(std::move(onOk)) {
  const bool animated = state_.animated;
  setObjectName(animated ? QStringLiteral("AnimatedPointDialog") : QStringLiteral("PointDialog"));
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("SSTab1"));
  outer->addWidget(tabs);

  // Page "点": name, system, the coordinates (and the animated point's t range).
  auto* pointPage = new QWidget;
  auto* pv = new QVBoxLayout(pointPage);
  auto* top = new QGridLayout;
  auto* coordFrame = new QGroupBox(animated ? QStringLiteral("坐标表达式") : QStringLiteral("坐标"), pointPage);
  coordFrame->setObjectName(QStringLiteral("Frame1"));
  pv->addLayout(top);
  pv->addWidget(coordFrame);
  QGroupBox* tFrame = nullptr;
  if (animated) {
    tFrame = new QGroupBox(QStringLiteral("t 的取值范围"), pointPage);
    tFrame->setObjectName(QStringLiteral("Frame2"));
    pv->addWidget(tFrame);
  }
  pv->addStretch();
  tabs->addTab(pointPage, QStringLiteral("点"));

  // Page "属性": hollow or solid, colour, size.
  auto* lookPage = new QWidget;
  auto* lv = new QVBoxLayout(lookPage);
  hollowChoice_ = new QGroupBox(QStringLiteral("空心或实心"), lookPage);
  hollowChoice_->setObjectName(animated ? QStringLiteral("Frame3") : QStringLiteral("Frame2"));
  auto* look = new QGridLayout;
  lv->addWidget(hollowChoice_);
  lv->addLayout(look);
  lv->addStretch();
  tabs->addTab(lookPage, QStringLiteral("属性"));

  const std::pair<Place, std::pair<QWidget*, QGridLayout*>> places[] = {
      {Place::Top, {pointPage, top}},
      {Place::Coordinates, {coordFrame, new QGridLayout(coordFrame)}},
      {Place::TRange, {tFrame, tFrame ? new QGridLayout(tFrame) : nullptr}},
      {Place::Hollow, {hollowChoice_, new QGridLayout(hollowChoice_)}},
      {Place::Look, {lookPage, look}},
  };
  int optionColumn = 0;
  for (const Control& c : kControls) {
    if (c.animatedOnly && !animated) {
      // The point dialog has no t range.
      widgets_.push_back(nullptr);
      labels_.push_back(nullptr);
      continue;
    }
    auto [parentWidget, grid] = std::find_if(std::begin(places), std::end(places),
                                             [&](const auto& p) { return p.first == c.place; })
                                    ->second;
    QWidget* widget = nullptr;
    switch (c.kind) {
      case Kind::Text:
        widget = new QLineEdit(parentWidget);
        break;
      case Kind::Systems: {
        auto* combo = new QComboBox(parentWidget);
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
          ToState();
          PointCoordChosen(state_, index, graphMode_);
          FromState();
        });
        widget = combo;
        break;
      }
      case Kind::Size: {
        auto* combo = new QComboBox(parentWidget);
        combo->setEditable(true);
        for (int i = 1; i <= 9; ++i) combo->addItem(QString::number(i));
        widget = combo;
        break;
      }
      case Kind::Swatch: {
        auto* swatch = new Swatch(QString(), parentWidget);
        connect(swatch, &QAbstractButton::clicked, this, [this, swatch] {
          ToState();
          if (auto chosen = swatch->choose()) state_.colour = *chosen;
          FromState();
        });
        widget = swatch;
        break;
      }
      case Kind::Option:
        widget = new QRadioButton(QString::fromUtf8(c.caption), parentWidget);
        break;
    }
    widget->setObjectName(QString::fromLatin1(c.name));
    widgets_.push_back(widget);
    const char* labelName = animated ? c.animatedLabel : c.label;
    QLabel* label = nullptr;
    if (labelName) {
      label = new QLabel(c.caption ? QString::fromUtf8(c.caption) : QString(), parentWidget);
      label->setObjectName(QString::fromLatin1(labelName));
      const int row = grid->rowCount();
      grid->addWidget(label, row, 0);
      grid->addWidget(widget, row, 1);
    } else {
      grid->addWidget(widget, 0, optionColumn++);  // the options side by side
    }
    labels_.push_back(label);
  }

  QPushButton* ok = AddOkCancelButtons(*this, *outer).first;
  connect(ok, &QPushButton::clicked, this, &PointDialog::Command1_Click);
  FromState();
}

const PointDialogState& PointDialog::state() {
  ToState();
  return state_;
}

void PointDialog::ToState() {
  for (size_t i = 0; i < widgets_.size(); ++i) {
    const Control& c = kControls[i];
    QWidget* w = widgets_[i];
    if (!w) continue;
    switch (c.kind) {
      case Kind::Text: state_.*c.text = static_cast<QLineEdit*>(w)->text().toStdString(); break;
      case Kind::Systems: state_.coordIndex = static_cast<QComboBox*>(w)->currentIndex(); break;
      case Kind::Size: state_.*c.text = static_cast<QComboBox*>(w)->currentText().toStdString(); break;
      case Kind::Swatch: state_.colour = static_cast<Swatch*>(w)->colour(); break;
      case Kind::Option:
        if (static_cast<QRadioButton*>(w)->isChecked()) state_.hollow = c.hollow;
        break;
    }
  }
}

void PointDialog::FromState() {
  setWindowTitle(Q(state_.caption));
  hollowChoice_->setVisible(state_.hollowChoiceShown);
  for (size_t i = 0; i < widgets_.size(); ++i) {
    const Control& c = kControls[i];
    QWidget* w = widgets_[i];
    if (!w) continue;
    if (c.labelText) labels_[i]->setText(Q(state_.*c.labelText));
    if (c.text == &S::z) {
      // The third coordinate's row is the opener's choice.
      labels_[i]->setVisible(state_.zShown);
      w->setVisible(state_.zShown);
    }
    if (c.text == &S::tSegments) w->setEnabled(state_.tSegmentsEnabled);
    switch (c.kind) {
      case Kind::Text: static_cast<QLineEdit*>(w)->setText(Q(state_.*c.text)); break;
      case Kind::Systems: {
        auto* combo = static_cast<QComboBox*>(w);
        QSignalBlocker block(combo);
        combo->clear();
        for (const auto& item : state_.coordSystems) combo->addItem(Q(item));
        combo->setCurrentIndex(state_.coordIndex);
        break;
      }
      case Kind::Size: ShowComboText(*static_cast<QComboBox*>(w), state_.*c.text); break;
      case Kind::Swatch: static_cast<Swatch*>(w)->setColour(state_.colour); break;
      case Kind::Option:
        if (state_.hollow == c.hollow) static_cast<QRadioButton*>(w)->setChecked(true);
        break;
    }
  }
}

void PointDialog::Command1_Click() {
  ToState();
  const bool close = RunOkHandler([this] { return !onOk_ || onOk_(state_); });
  FromState();
  if (close) accept();
}

bool PointCommandOk(PointDialogState& state, const EditLineText& editLine, DocumentHost& host) {
  PointAcceptOutcome out = AcceptPointDialog(state, GraphMode, LastGraphID);
  if (out.playbackEnabled) host.enablePlayback();
  return CommitAccepted(out.refusal, out.item, editLine, host);
}

void RunPointDialog(PointDialogState preset, const EditLineText& editLine, DocumentHost& host) {
  if (auto& runner = EditLineDialogRunnerSlot<PointDialogState>()) {
    runner(std::move(preset), editLine, host);
    return;
  }
  auto ok = [&editLine, &host](PointDialogState& s) { return PointCommandOk(s, editLine, host); };
  std::unique_ptr<PointDialog> dialog;
  if (preset.animated)
    dialog = std::make_unique<AnimatedPointDialog>(std::move(preset), GraphMode, ok, DialogParent());
  else
    dialog = std::make_unique<PointDialog>(std::move(preset), GraphMode, ok, DialogParent());
  if (dialog->exec() != QDialog::Accepted) host.refresh();  // Cancel repaints the window
}

PointDialogRunner SetPointDialogRunner(PointDialogRunner runner) {
  return InstallEditLineDialogRunner<PointDialogState>(std::move(runner));
}

}  // namespace curvanta
