// The animation settings dialog "动画设置": frame count and speed with OK and Cancel.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "app/animation_settings.h"

class QLineEdit;

namespace curvanta {

class AnimationSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  AnimationSettingsDialog(const AnimationSettingsState& state, QWidget* parent = nullptr);

  // The settings of a successful OK.
  const std::optional<AnimationSettings>& accepted() const { return accepted_; }

  // OK: refused values show their message and keep the dialog open.
  void Command1_Click();

 private:
  QLineEdit* frameCount_ = nullptr;
  QLineEdit* speed_ = nullptr;
  std::optional<AnimationSettings> accepted_;
};

// Shows the dialog modally; the settings of its OK, nullopt on Cancel. Tests put in a runner.
using AnimationSettingsRunner =
    std::function<std::optional<AnimationSettings>(const AnimationSettingsState&)>;
std::optional<AnimationSettings> RunAnimationSettingsDialog(const AnimationSettingsState& state,
                                                            QWidget* parent);
// Installs a runner (empty: the real dialog) and returns the one it replaces.
AnimationSettingsRunner SetAnimationSettingsRunner(AnimationSettingsRunner runner);

}  // namespace curvanta
