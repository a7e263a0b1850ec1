// Playback in the shown window (Xvfb): the Animation menu's entries play an animated graph
// frame by frame on the animation timer, and the options command changes the frame count
// and speed.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <vector>

#include "app/animation_playback.h"
#include "app/animation_settings_dialog.h"
#include "app/graph_list.h"
#include "common/message_service.h"
#include "graph/graph_item.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

class Playback : public ShownWindowBase {
 protected:
  void SetUp() override {
    ShownWindowBase::SetUp();
    previous_ = SetAnimationSettingsRunner([this](const AnimationSettingsState& s)
                                               -> std::optional<AnimationSettings> {
      shownFields.push_back(s);
      AnimationSettingsState typed = s;
      if (!typed_) return std::nullopt;  // Cancel
      typed = *typed_;
      const auto out = AcceptAnimationSettings(typed);
      if (out.refusal) return std::nullopt;
      return out.settings;
    });
  }
  void TearDown() override {
    SetAnimationSettingsRunner(previous_);
    ShownWindowBase::TearDown();
  }

  // An animated 2D graph y = (1 - t) sin(x) on [-3, 3], t from 0 to 1, in blue: its highest
  // point sinks as t grows. Listed, checked and compiled like a created graph.
  std::shared_ptr<GraphItem> AddSinkingSine() {
    auto g = GraphItem::Init(0, "", GraphKind::Function2DAnim, 1, "0", "x", "(1-t)*sin(x)", 1, 60,
                             0, 1, -3, 3, 4, 0xFF0000, 0xFF0000, 0xFF0000, 2, 4, 2, 2, false,
                             false, false, 0);
    g->FunForm = 2;
    g->Animation = true;
    g->MinT = 0;
    g->MaxT = 1;
    g->Show2DCurve = true;
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g, std::to_string(g->ID));
    GraphList* list = window->GraphListHost();
    list->appendLine("二维曲线动画  y=(1-t)*sin(x)");
    list->checkLine(list->lineCount() - 1);
    window->EnablePlayback();
    window->RunCommand("mnuViewFit");
    QTest::qWait(30);
    return g;
  }
  static bool IsBlue(const QColor& c) { return c.blue() > 150 && c.red() < 120 && c.green() < 120; }
  // The highest row holding the graph's colour, -1 when none.
  static int TopBlueRow(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (IsBlue(img.pixelColor(x, y))) return y;
    return -1;
  }
  // Runs a playback command and records every frame shown with the picture's top blue row,
  // until the timer stops or `most` frames were shown.
  void Play(const char* command, size_t most) {
    frames.clear();
    rows.clear();
    auto c = QObject::connect(window->Player(), &AnimationPlayer::frameShown, [&](int32_t f) {
      frames.push_back(f);
      rows.push_back(TopBlueRow(area->grabFramebuffer()));
      if (frames.size() >= most) window->Player()->Pause();
    });
    window->RunCommand(QString::fromLatin1(command));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Timer1()->isActive(); }, 20000));
    QObject::disconnect(c);
  }

  std::vector<int32_t> frames;
  std::vector<int> rows;
  std::vector<AnimationSettingsState> shownFields;
  std::optional<AnimationSettingsState> typed_;
  AnimationSettingsRunner previous_;
  ScopedMessageRecorder rec;
};

}  // namespace

TEST_F(Playback, ForwardOnceShowsEveryFrameInOrderThenTheFirst) {
  AnimFrameCount = 4;
  window->Player()->SetInterval(5);
  AddSinkingSine();
  Play("mnuAniNormal", 20);
  EXPECT_EQ(frames, (std::vector<int32_t>{1, 2, 3, 4, 5, 1}));
  ASSERT_EQ(rows.size(), 6u);
  for (size_t i = 0; i + 2 < rows.size(); ++i) EXPECT_LT(rows[i], rows[i + 1]) << i;  // sinking
  EXPECT_EQ(rows.back(), rows.front());  // back on the first frame
  EXPECT_FALSE(window->Timer1()->isActive());
  EXPECT_EQ(AnimFrame, 1);
}

TEST_F(Playback, PauseKeepsTheFrameStopReturnsToTheFirst) {
  AnimFrameCount = 6;
  window->Player()->SetInterval(5);
  AddSinkingSine();
  Play("mnuAniRepeat", 3);
  EXPECT_EQ(frames, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_FALSE(window->Timer1()->isActive());
  const QImage paused = area->grabFramebuffer();
  QTest::qWait(50);
  EXPECT_EQ(area->grabFramebuffer(), paused);  // nothing moves while paused
  EXPECT_EQ(AnimFrame, 4);                     // the loop draws, then steps
  window->RunCommand("mnuAniStop");
  EXPECT_EQ(AnimFrame, 1);
  QTest::qWait(30);
  EXPECT_EQ(TopBlueRow(area->grabFramebuffer()), rows.front());
}

TEST_F(Playback, TheThousandFrameLimitPlaysEveryMillisecond) {
  AddSinkingSine();
  typed_ = AnimationSettingsState{"1000", "1000"};
  window->RunCommand("mnuAniOpt");
  EXPECT_EQ(AnimFrameCount, 1000);
  EXPECT_EQ(AnimSpeed, 1000);
  EXPECT_EQ(window->Timer1()->interval(), 1);
  EXPECT_EQ(area->frame().compiledFrameCount(), 1000);
  Play("mnuAniRepeat", 30);
  ASSERT_EQ(frames.size(), 30u);
  for (int32_t i = 0; i < 30; ++i) EXPECT_EQ(frames[size_t(i)], i + 1);
}

TEST_F(Playback, AChangedCountResamplesTheShownAnimatedGraphs) {
  AnimFrameCount = 4;
  auto first = AddSinkingSine();
  auto second = AddSinkingSine();
  const int compiles = area->frame().contentCompiles();
  // The dialog opens on the option fields; a count that stays the same recompiles nothing.
  typed_ = AnimationSettingsState{"4", "20"};
  window->RunCommand("mnuAniOpt");
  ASSERT_EQ(shownFields.size(), 1u);
  EXPECT_EQ(shownFields[0].frameCount, "4");
  EXPECT_EQ(area->frame().contentCompiles(), compiles);
  EXPECT_EQ(window->Timer1()->interval(), 50);
  // Cancel changes nothing either.
  typed_.reset();
  window->RunCommand("mnuAniOpt");
  EXPECT_EQ(area->frame().contentCompiles(), compiles);
  // A new count: both graphs sampled for 9 steps, one compile of the frame lists.
  typed_ = AnimationSettingsState{"9", "20"};
  window->RunCommand("mnuAniOpt");
  EXPECT_EQ(AnimFrameCount, 9);
  EXPECT_EQ(area->frame().contentCompiles(), compiles + 1);
  EXPECT_EQ(area->frame().compiledFrameCount(), 9);
  for (const auto& g : {first, second}) EXPECT_EQ(g->Anim2DGrid().Upper(1), 9);
  EXPECT_EQ(window->GraphListHost()->animOptionFields(),
            (std::pair<std::string, std::string>{"9", "20"}));
  EXPECT_TRUE(rec.recorder.messages.empty());
}
