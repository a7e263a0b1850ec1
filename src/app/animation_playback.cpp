// Animation playback: the stepping rules and the timer that applies them.
#include "app/animation_playback.h"

#include <algorithm>

#include "common/globals.h"
#include "common/number_text.h"

namespace curvanta {

std::optional<int32_t> PlaybackTick(PlaybackState& s, int32_t frameCount) {
  const int32_t n = frameCount;
  switch (s.mode) {
    case PlayMode::ForwardOnce:
      if (s.frame > n) {
        s.frame = 0;
        s.running = false;
      }
      ++s.frame;
      return s.frame;
    case PlayMode::BackwardOnce:
      if (s.frame < 3) s.running = false;
      --s.frame;
      return s.frame;
    case PlayMode::ForwardLoop: {
      if (s.frame > n + 1) s.frame = 2;
      const int32_t shown = s.frame;
      ++s.frame;
      return shown;
    }
    case PlayMode::BackAndForth: {
      if (s.frame > n)
        s.backward = true;
      else if (s.frame < 2)
        s.backward = false;
      const int32_t shown = s.frame;
      s.frame += s.backward ? -1 : 1;
      return shown;
    }
    case PlayMode::Manual:
      break;
  }
  return std::nullopt;
}

void PlaybackStart(PlaybackState& s, int32_t frameCount) {
  if (s.frame == 1 && s.mode == PlayMode::BackwardOnce) s.frame = frameCount + 2;
  s.running = true;
}

void PlaybackPause(PlaybackState& s) { s.running = false; }

int32_t PlaybackStop(PlaybackState& s) {
  s.running = false;
  s.frame = 1;
  return s.frame;
}

int32_t PlaybackFirst(PlaybackState& s) {
  s.mode = PlayMode::Manual;
  s.frame = 1;
  return s.frame;
}

std::optional<int32_t> PlaybackPrevious(PlaybackState& s) {
  s.mode = PlayMode::Manual;
  if (s.frame < 2) return std::nullopt;
  return --s.frame;
}

std::optional<int32_t> PlaybackNext(PlaybackState& s, int32_t frameCount) {
  s.mode = PlayMode::Manual;
  if (s.frame > frameCount) return std::nullopt;
  return ++s.frame;
}

int32_t PlaybackLast(PlaybackState& s, int32_t frameCount) {
  s.mode = PlayMode::Manual;
  s.frame = frameCount + 1;
  return s.frame;
}

void PlaybackChooseMode(PlaybackState& s, PlayMode mode, int32_t frameCount) {
  if (mode == PlayMode::ForwardOnce) s.frame = 0;
  if (mode == PlayMode::BackwardOnce) s.frame = frameCount + 2;
  s.mode = mode;
  PlaybackStart(s, frameCount);
}

int PlaybackInterval(int32_t framesPerSecond) {
  if (framesPerSecond < 1) framesPerSecond = 1;
  const double ms = RoundHalfEven(1000.0 / framesPerSecond);
  return std::max(1, static_cast<int>(ms));
}

AnimationPlayer::AnimationPlayer(std::function<void(int32_t)> display, QObject* parent)
    : QObject(parent), display_(std::move(display)) {
  timer_.setObjectName(QStringLiteral("Timer1"));
  connect(&timer_, &QTimer::timeout, this, &AnimationPlayer::Tick);
  Reset();
}

void AnimationPlayer::Reset() {
  timer_.stop();
  timer_.setInterval(100);
  state_ = PlaybackState{};
}

void AnimationPlayer::SetInterval(int milliseconds) {
  // A QTimer with interval 0 would fire without pause.
  timer_.setInterval(std::max(1, milliseconds));
}

void AnimationPlayer::Apply(const std::function<std::optional<int32_t>(PlaybackState&)>& step) {
  state_.frame = AnimFrame;
  state_.running = timer_.isActive();
  const std::optional<int32_t> shown = step(state_);
  AnimFrame = state_.frame;
  if (state_.running && !timer_.isActive()) timer_.start();
  if (!state_.running && timer_.isActive()) timer_.stop();
  if (shown) {
    if (display_) display_(*shown);
    emit frameShown(*shown);
  }
}

void AnimationPlayer::Start() {
  Apply([](PlaybackState& s) -> std::optional<int32_t> {
    PlaybackStart(s, AnimFrameCount);
    return std::nullopt;
  });
}

void AnimationPlayer::Pause() {
  Apply([](PlaybackState& s) -> std::optional<int32_t> {
    PlaybackPause(s);
    return std::nullopt;
  });
}

void AnimationPlayer::Stop() {
  Apply([](PlaybackState& s) -> std::optional<int32_t> { return PlaybackStop(s); });
}

void AnimationPlayer::First() {
  Apply([](PlaybackState& s) -> std::optional<int32_t> { return PlaybackFirst(s); });
}

void AnimationPlayer::Previous() { Apply(PlaybackPrevious); }

void AnimationPlayer::Next() {
  Apply([](PlaybackState& s) { return PlaybackNext(s, AnimFrameCount); });
}

void AnimationPlayer::Last() {
  Apply([](PlaybackState& s) -> std::optional<int32_t> {
    return PlaybackLast(s, AnimFrameCount);
  });
}

void AnimationPlayer::ChooseMode(PlayMode mode) {
  Apply([mode](PlaybackState& s) -> std::optional<int32_t> {
    PlaybackChooseMode(s, mode, AnimFrameCount);
    return std::nullopt;
  });
}

void AnimationPlayer::Tick() {
  Apply([](PlaybackState& s) { return PlaybackTick(s, AnimFrameCount); });
}

}  // namespace curvanta
