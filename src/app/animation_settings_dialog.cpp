// The animation settings dialog's widgets.
#include "app/animation_settings_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/data/dialog_common.h"

namespace curvanta {

namespace {

AnimationSettingsRunner& Runner() {
  static AnimationSettingsRunner runner;
  return runner;
}

}  // namespace

AnimationSettingsDialog::AnimationSettingsDialog(const AnimationSettingsState& state,
                                                 QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("AnimationSettingsDialog"));
  setWindowTitle(QStringLiteral("动画设置"));
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  auto* frameLabel = new QLabel(QStringLiteral("帧数"), this);
  frameLabel->setObjectName(QStringLiteral("Label1"));
  frameCount_ = new QLineEdit(QString::fromStdString(state.frameCount), this);
  frameCount_->setObjectName(QStringLiteral("Text1"));
  auto* speedLabel = new QLabel(QStringLiteral("速度(帧/秒)"), this);
  speedLabel->setObjectName(QStringLiteral("Label2"));
  speed_ = new QLineEdit(QString::fromStdString(state.speed), this);
  speed_->setObjectName(QStringLiteral("Text2"));
  grid->addWidget(frameLabel, 0, 0);
  grid->addWidget(frameCount_, 0, 1);
  grid->addWidget(speedLabel, 1, 0);
  grid->addWidget(speed_, 1, 1);
  outer->addLayout(grid);
  QPushButton* ok = AddOkCancelButtons(*this, *outer).first;
  connect(ok, &QPushButton::clicked, this, &AnimationSettingsDialog::Command1_Click);
}

void AnimationSettingsDialog::Command1_Click() {
  const AnimationSettingsOutcome out = AcceptAnimationSettings(
      {frameCount_->text().toStdString(), speed_->text().toStdString()});
  if (out.refusal) {
    ShowRefusal(*out.refusal);
    return;
  }
  accepted_ = out.settings;
  accept();
}

std::optional<AnimationSettings> RunAnimationSettingsDialog(const AnimationSettingsState& state,
                                                            QWidget* parent) {
  if (Runner()) return Runner()(state);
  AnimationSettingsDialog dialog(state, parent);
  dialog.exec();
  return dialog.accepted();
}

AnimationSettingsRunner SetAnimationSettingsRunner(AnimationSettingsRunner runner) {
  AnimationSettingsRunner previous = std::move(Runner());
  Runner() = std::move(runner);
  return previous;
}

}  // namespace curvanta
