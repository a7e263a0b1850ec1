// The check of the animation settings.
#include "app/animation_settings.h"

#include "app/animation_playback.h"
#include "common/number_text.h"

namespace curvanta {

namespace {

constexpr double kMostFramesOrSpeed = 1000.0;

Message Notice(const char* text) { return Message{text, "注意", MsgIcon::Exclamation}; }

}  // namespace

AnimationSettingsOutcome AcceptAnimationSettings(const AnimationSettingsState& state) {
  AnimationSettingsOutcome out;
  // Compared as stored: "1.4" frames is one frame and refused.
  const double frames = LeadingCount(state.frameCount);
  const double speed = LeadingCount(state.speed);
  if (!(frames > 1.0))
    out.refusal = Notice("帧数必须大于 1");
  else if (frames > kMostFramesOrSpeed)
    out.refusal = Notice("帧数必须小于或等于 1000");
  else if (!(speed > 1.0))
    out.refusal = Notice("动画速度必须大于 1 帧/秒");
  else if (speed > kMostFramesOrSpeed)
    out.refusal = Notice("动画速度必须小于或等于 1000 帧/秒");
  if (out.refusal) return out;
  out.settings.frameCount = static_cast<int32_t>(frames);
  out.settings.speed = static_cast<int32_t>(speed);
  out.settings.intervalMs = PlaybackInterval(out.settings.speed);
  return out;
}

}  // namespace curvanta
