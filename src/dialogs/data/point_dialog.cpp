// The point and animated point dialogs' widgets, their OK and their modal showing.
#include "dialogs/data/point_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/globals.h"
#include "dialogs/data/dialog_common.h"
#include "dialogs/function/function_2d_ok.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The text fields: control name, label name and caption (none for the rows relabelled from
// the state), the field they show, whether the animated point alone has them.
struct TextControl {
  const char* name;
  const char* label;
  const char* caption;
  std::string PointDialogState::*field;
  bool animatedOnly;
};
const TextControl kTexts[] = {
    {"Text1", "Label1", "名称", &PointDialogState::name, false},
    {"Text2", "Label3", nullptr, &PointDialogState::x, false},
    {"Text3", "Label4", nullptr, &PointDialogState::y, false},
    {"Text4", "Label5", nullptr, &PointDialogState::z, false},
    {"Text5", "Label6", "最小 t", &PointDialogState::minT, true},
    {"Text6", "Label7", "最大 t", &PointDialogState::maxT, true},
    {"Text7", "Label8", "段数 t", &PointDialogState::tSegments, true},
};

// Rows of kTexts the widget code reaches directly.
constexpr size_t kZRow = 3;
constexpr size_t kTSegmentsRow = 6;

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

  // Page "点": name, system, the coordinates (and the t range).
  auto* pointPage = new QWidget;
  auto* pv = new QVBoxLayout(pointPage);
  auto* top = new QGridLayout;
  auto* coordLabel = new QLabel(QStringLiteral("坐标类型"), pointPage);
  coordLabel->setObjectName(QStringLiteral("Label2"));
  coords_ = new QComboBox(pointPage);
  coords_->setObjectName(QStringLiteral("Combo1"));
  auto* coordFrame = new QGroupBox(animated ? QStringLiteral("坐标表达式") : QStringLiteral("坐标"), pointPage);
  coordFrame->setObjectName(QStringLiteral("Frame1"));
  auto* coordGrid = new QGridLayout(coordFrame);
  // Only the animated point has the t range; the point dialog uses the names Frame2,
  // Label6 and Label7 on its second page.
  QGroupBox* tFrame = nullptr;
  QGridLayout* tGrid = nullptr;
  if (animated) {
    tFrame = new QGroupBox(QStringLiteral("t 的取值范围"), pointPage);
    tFrame->setObjectName(QStringLiteral("Frame2"));
    tGrid = new QGridLayout(tFrame);
  }
  int row = 0;
  for (const TextControl& c : kTexts) {
    if (c.animatedOnly && !animated) {
      texts_.push_back(nullptr);
      continue;
    }
    auto* label = new QLabel(c.caption ? QString::fromUtf8(c.caption) : QString(), pointPage);
    auto* text = new QLineEdit(pointPage);
    text->setObjectName(QString::fromLatin1(c.name));
    texts_.push_back(text);
    if (c.animatedOnly) {
      // The animated point's t labels and fields come after the coordinates.
      label->setObjectName(QString::fromLatin1(c.label));
      tGrid->addWidget(label, row, 0);
      tGrid->addWidget(text, row++, 1);
      continue;
    }
    if (c.field == &PointDialogState::name) {
      label->setObjectName(QStringLiteral("Label1"));
      top->addWidget(label, 0, 0);
      top->addWidget(text, 0, 1);
      continue;
    }
    label->setObjectName(QString::fromLatin1(c.label));
    const int r = coordGrid->rowCount();
    coordGrid->addWidget(label, r, 0);
    coordGrid->addWidget(text, r, 1);
    if (c.field == &PointDialogState::x) xLabel_ = label;
    if (c.field == &PointDialogState::y) yLabel_ = label;
    if (c.field == &PointDialogState::z) zLabel_ = label;
  }
  top->addWidget(coordLabel, 1, 0);
  top->addWidget(coords_, 1, 1);
  pv->addLayout(top);
  pv->addWidget(coordFrame);
  if (tFrame) pv->addWidget(tFrame);
  pv->addStretch();
  tabs->addTab(pointPage, QStringLiteral("点"));

  // Page "属性": hollow or solid, colour, size.
  auto* lookPage = new QWidget;
  auto* lg = new QGridLayout(lookPage);
  hollowChoice_ = new QGroupBox(QStringLiteral("空心或实心"), lookPage);
  hollowChoice_->setObjectName(animated ? QStringLiteral("Frame3") : QStringLiteral("Frame2"));
  auto* hv = new QHBoxLayout(hollowChoice_);
  solid_ = new QRadioButton(QStringLiteral("实心"), hollowChoice_);
  solid_->setObjectName(QStringLiteral("Option1"));
  hollow_ = new QRadioButton(QStringLiteral("空心"), hollowChoice_);
  hollow_->setObjectName(QStringLiteral("Option2"));
  hv->addWidget(solid_);
  hv->addWidget(hollow_);
  lg->addWidget(hollowChoice_, 0, 0, 1, 2);
  auto* colourLabel = new QLabel(QStringLiteral("颜色"), lookPage);
  colourLabel->setObjectName(animated ? QStringLiteral("Label9") : QStringLiteral("Label6"));
  colour_ = new Swatch(QStringLiteral("Picture1"), lookPage);
  lg->addWidget(colourLabel, 1, 0);
  lg->addWidget(colour_, 1, 1);
  auto* sizeLabel = new QLabel(QStringLiteral("大小"), lookPage);
  sizeLabel->setObjectName(animated ? QStringLiteral("Label10") : QStringLiteral("Label7"));
  size_ = new QComboBox(lookPage);
  size_->setObjectName(QStringLiteral("Combo2"));
  size_->setEditable(true);
  for (int i = 1; i <= 9; ++i) size_->addItem(QString::number(i));
  lg->addWidget(sizeLabel, 2, 0);
  lg->addWidget(size_, 2, 1);
  lg->setRowStretch(3, 1);
  tabs->addTab(lookPage, QStringLiteral("属性"));

  QPushButton* ok = AddOkCancelButtons(*this, *outer).first;
  connect(ok, &QPushButton::clicked, this, &PointDialog::Command1_Click);
  connect(coords_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    PointCoordChosen(state_, index, graphMode_);
    FromState();
  });
  connect(colour_, &QAbstractButton::clicked, this, [this] {
    ToState();
    if (auto chosen = colour_->choose()) state_.colour = *chosen;
    FromState();
  });
  FromState();
}

const PointDialogState& PointDialog::state() {
  ToState();
  return state_;
}

void PointDialog::ToState() {
  for (size_t i = 0; i < texts_.size(); ++i)
    if (texts_[i]) state_.*kTexts[i].field = texts_[i]->text().toStdString();
  state_.coordIndex = coords_->currentIndex();
  state_.hollow = hollow_->isChecked();
  state_.colour = colour_->colour();
  state_.size = size_->currentText().toStdString();
}

void PointDialog::FromState() {
  setWindowTitle(Q(state_.caption));
  for (size_t i = 0; i < texts_.size(); ++i)
    if (texts_[i]) texts_[i]->setText(Q(state_.*kTexts[i].field));
  if (QLineEdit* tSegments = texts_[kTSegmentsRow]) tSegments->setEnabled(state_.tSegmentsEnabled);
  xLabel_->setText(Q(state_.xLabel));
  yLabel_->setText(Q(state_.yLabel));
  zLabel_->setText(Q(state_.zLabel));
  zLabel_->setVisible(state_.zShown);
  texts_[kZRow]->setVisible(state_.zShown);
  {
    QSignalBlocker block(coords_);
    coords_->clear();
    for (const auto& item : state_.coordSystems) coords_->addItem(Q(item));
    coords_->setCurrentIndex(state_.coordIndex);
  }
  hollowChoice_->setVisible(state_.hollowChoiceShown);
  (state_.hollow ? hollow_ : solid_)->setChecked(true);
  colour_->setColour(state_.colour);
  const int sizeIndex = size_->findText(Q(state_.size));
  size_->setCurrentIndex(sizeIndex);
  size_->setEditText(Q(state_.size));
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
