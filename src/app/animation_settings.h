// The animation settings ("动画设置"): frame count and speed as the user typed them, and the
// check that turns them into settings or refuses them with a message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/message_service.h"

namespace curvanta {

struct AnimationSettingsState {
  std::string frameCount;  // number of animation steps
  std::string speed;       // frames per second
};

struct AnimationSettings {
  int32_t frameCount = 10;
  int32_t speed = 10;
  int intervalMs = 100;  // of the animation timer
};

struct AnimationSettingsOutcome {
  std::optional<Message> refusal;  // the first failed check; the dialog stays open
  AnimationSettings settings;      // valid without a refusal
};

// OK: each field's leading number must lie above 1 and not above 1000; the stored values are
// rounded half to even and the timer interval follows the speed.
AnimationSettingsOutcome AcceptAnimationSettings(const AnimationSettingsState& state);

}  // namespace curvanta
