// Playback in the shown window (Xvfb): the Animation menu's entries play an animated graph
// frame by frame on the animation timer, the options command changes the frame count and
// speed, and a playing animation ends with its document.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>
#include <vector>

#include "app/animation_playback.h"
#include "app/animation_settings_dialog.h"
#include "app/command_sets.h"
#include "app/graph_list.h"
#include "common/message_service.h"
#include "common/ui/file_chooser.h"
#include "document/document_writer.h"
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

namespace {

// What the playback leaves behind: whether the timer ticks, the player's mode and direction,
// the frame, and which of the playback entries and buttons are on.
struct PlaybackLeft {
  bool ticking = false;
  PlayMode mode = PlayMode::Manual;
  bool backward = false;
  int32_t frame = 0;
  std::vector<bool> entriesOn;  // the eleven menu entries, then Toolbar2 buttons 13..23
  bool operator==(const PlaybackLeft&) const = default;
};

void PrintTo(const PlaybackLeft& p, std::ostream* os) {
  *os << (p.ticking ? "ticking" : "stopped") << ", mode " << int(p.mode)
      << (p.backward ? " backward" : "") << ", frame " << p.frame << ", on:";
  for (bool on : p.entriesOn) *os << (on ? " 1" : " 0");
}

// A loop playing on an opened animated 3D document, and what Open and New leave of it. The
// timer is started by 正向循环 as the user starts it, but its ticks are given by hand, so
// that the frame on screen is known whatever the machine's pace.
class PlaybackAcrossDocuments : public Playback {
 protected:
  void SetUp() override {
    Playback::SetUp();
    AnimFrameCount = 4;
    window->mnuFileNew3D_Click();
    auto surface = GraphItem::Init(0, "", GraphKind::Surface3DAnim, CoordKind::Cartesian3D, "x",
                                   "y", "sin(x+t)*y", 6, 6, -1, 1, -1, 1, FillKind::GradientX,
                                   0xFF0000, 0x0000FF, 0, 1, 3, 3, 1, false, false, false, 0);
    surface->FunForm = FormKind::Explicit;
    surface->Animation = true;
    surface->MaxT = 1;
    animated = SaveAlone(surface, "animated.pgp");
    window->mnuFileNew2D_Click();
    auto line = GraphItem::Init(0, "", GraphKind::Function2D, CoordKind::Plane, "0", "x", "x", 1,
                                20, 0, 1, -1, 1, 4, 0, 0, 0xFF0000, 1, 4, 2, 2, false, false,
                                false, 0);
    line->FunForm = FormKind::Explicit;
    line->Show2DCurve = true;
    still = SaveAlone(line, "still.pgp");
    bad = WriteFile("bad.pgp", std::string("\x08\x00\x03\x00S99", 7));
    empty = WriteFile("empty.pgp", std::string("\x08\x00\x00\x00", 4));
  }

  // Saves a document of the kind in force holding `g` alone, then empties the document.
  std::string SaveAlone(std::shared_ptr<GraphItem> g, const char* name) {
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g, std::to_string(g->ID));
    const std::string path = tmp.filePath(name).toStdString();
    EXPECT_TRUE(SaveDocumentFile(path));
    window->mnuGraphDelAll_Click();
    return path;
  }
  std::string WriteFile(const char* name, const std::string& bytes) {
    QFile f(tmp.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
    return f.fileName().toStdString();
  }

  // Opens the animated document, starts 正向循环 and shows frames 1 and 2 (the next tick
  // draws frame 3).
  void PlayLoop() {
    ASSERT_TRUE(window->Files().OpenDocument(QString::fromStdString(animated)));
    window->Player()->SetInterval(kNoTickWhileTesting);
    window->RunCommand("mnuAniRepeat");
    ASSERT_TRUE(window->Timer1()->isActive());
    window->Player()->Tick();
    window->Player()->Tick();
    ASSERT_EQ(AnimFrame, 3);
  }
  // File > Open through the menu: the save question answered 否, then `path` chosen ("" for
  // a cancelled dialog).
  void Open(const std::string& path) {
    rec.recorder.script(MsgAnswer::No);
    chooser.answers.push_back(path);
    window->RunCommand("mnuFileOpen");
  }
  // File > New of a kind, the save question answered with `answer`.
  void New(const char* command, MsgAnswer answer) {
    rec.recorder.script(answer);
    window->RunCommand(QString::fromLatin1(command));
  }
  PlaybackLeft Left() const {
    PlaybackLeft p{window->Timer1()->isActive(), window->Player()->mode(),
                   window->Player()->backward(), AnimFrame, {}};
    for (const char* name : PlaybackMenuEntries())
      p.entriesOn.push_back(window->Action(QString::fromLatin1(name))->isEnabled());
    for (int i = 13; i <= 23; ++i)
      p.entriesOn.push_back(window->ToolbarAction(Bar::Toolbar2, i)->isEnabled());
    return p;
  }

  static constexpr int kNoTickWhileTesting = 3'600'000;  // ms
  std::string animated, still, bad, empty;
  ScriptedFileChooser chooser;
  ScopedFileChooser chooserInstalled{&chooser};
};

}  // namespace

// Opening a document that loads and File > New of every kind stop a playing loop as 暂停
// does before the new document is set up: the play mode and the frame stay, but for the
// first frame the loader shows of an animated document. An open that fails or reads
// nothing, and a New cancelled at the save question, leave the loop playing.
TEST_F(PlaybackAcrossDocuments, OpenAndNewEndAPlayingLoopAsPauseDoes) {
  struct Case {
    const char* what;
    std::function<void()> act;
    bool ends;
    int32_t frame;  // AnimFrame afterwards; the loop had shown frames 1 and 2
  };
  const Case cases[] = {
      {"open a still 2D document", [&] { Open(still); }, true, 3},
      {"open an animated document", [&] { Open(animated); }, true, 1},
      {"new 2D", [&] { New("mnuFileNew2D", MsgAnswer::No); }, true, 3},
      {"new 2.5D", [&] { New("mnuFileNew25D", MsgAnswer::No); }, true, 3},
      {"new 3D", [&] { New("mnuFileNew3D", MsgAnswer::No); }, true, 3},
      {"open a malformed file", [&] { Open(bad); }, false, 3},
      {"open an empty document", [&] { Open(empty); }, false, 3},
      {"open cancelled in the file dialog", [&] { Open(""); }, false, 3},
      {"new 3D cancelled at the save question", [&] { New("mnuFileNew3D", MsgAnswer::Cancel); },
       false, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // The commands' states as 暂停 followed by the same command leaves them.
    PlaybackLeft paused;
    if (c.ends) {
      PlayLoop();
      window->RunCommand("mnuAniPause");
      c.act();
      paused = Left();
    }
    PlayLoop();
    const PlaybackLeft before = Left();
    c.act();
    const PlaybackLeft after = Left();
    EXPECT_EQ(after.ticking, !c.ends);
    EXPECT_EQ(after.mode, PlayMode::ForwardLoop);
    EXPECT_EQ(after.frame, c.frame);
    EXPECT_EQ(after, c.ends ? paused : before);
    rec.recorder.clear();
  }
}
