// Animation playback: which frame the drawing shows, stepped by hand or by a timer in one of
// four play modes. The stepping rules are pure functions over a small state; the player
// wraps them around the animation timer, which runs only while an animation plays.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

namespace curvanta {

// What a timer tick does.
enum class PlayMode : int32_t {
  Manual = 0,        // stepping by hand: a tick does nothing
  ForwardOnce = 1,   // forward once, then back to frame 1 and stop
  BackwardOnce = 2,  // backward once to frame 1, then stop
  ForwardLoop = 3,   // forward again and again (later passes start on frame 2)
  BackAndForth = 4,  // between frame 1 and the last frame and back
};

// Frames are numbered 1 .. frameCount + 1; frame 0 shows frame 1 and frameCount + 2 is only
// the starting point of a backward run.
struct PlaybackState {
  int32_t frame = 1;
  PlayMode mode = PlayMode::ForwardOnce;
  bool backward = false;  // the current direction of BackAndForth
  bool running = false;   // the timer ticks
};

// One timer tick for `frameCount` steps; the frame to draw, or nullopt when nothing is drawn.
// ForwardOnce and BackwardOnce step and then draw (the state's frame is the one on screen);
// the loops draw and then step (the state's frame is the one the next tick draws).
std::optional<int32_t> PlaybackTick(PlaybackState& s, int32_t frameCount);

// The playback commands on the state; each returns the frame to redraw, if any.
void PlaybackStart(PlaybackState& s, int32_t frameCount);           // no redraw
void PlaybackPause(PlaybackState& s);                               // no redraw
int32_t PlaybackStop(PlaybackState& s);                             // frame 1
int32_t PlaybackFirst(PlaybackState& s);                            // frame 1, by hand
std::optional<int32_t> PlaybackPrevious(PlaybackState& s);          // nothing on frame 1
std::optional<int32_t> PlaybackNext(PlaybackState& s, int32_t frameCount);  // nothing on the last
int32_t PlaybackLast(PlaybackState& s, int32_t frameCount);         // the last frame, by hand
// Choosing a play mode sets its start and starts.
void PlaybackChooseMode(PlaybackState& s, PlayMode mode, int32_t frameCount);

// The timer interval for a speed in frames per second: 1000 / speed rounded half to even,
// never below 1 ms.
int PlaybackInterval(int32_t framesPerSecond);

// The player of the main window: the state above bound to AnimFrame and AnimFrameCount, the
// animation timer (Timer1) that runs only while playing, and a redraw for the frames to show.
class AnimationPlayer : public QObject {
  Q_OBJECT

 public:
  AnimationPlayer(std::function<void(int32_t)> display, QObject* parent = nullptr);

  QTimer* timer() { return &timer_; }
  PlayMode mode() const { return state_.mode; }
  bool backward() const { return state_.backward; }

  // The start-up state: 100 ms, stopped, ForwardOnce, forward.
  void Reset();
  void SetInterval(int milliseconds);

  // The entries of the Animation menu and the playback buttons.
  void Start();
  void Pause();
  void Stop();
  void First();
  void Previous();
  void Next();
  void Last();
  void ChooseMode(PlayMode mode);
  // Timer1_Timer.
  void Tick();

 signals:
  // After a frame was handed to the drawing.
  void frameShown(int32_t frame);

 private:
  // Runs a step on the state bound to AnimFrame, redraws what it returns and follows its
  // running flag with the timer.
  void Apply(const std::function<std::optional<int32_t>(PlaybackState&)>& step);

  std::function<void(int32_t)> display_;
  PlaybackState state_;
  QTimer timer_;
};

}  // namespace curvanta
