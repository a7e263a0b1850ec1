// The 2D create commands: presets handed to the dialog, the animated prelude, and the line
// appended and checked after a successful OK.
#include <gtest/gtest.h>

#include "commands/create_2d.h"
#include "common/globals.h"
#include "dialogs/function/function_2d_ok.h"
#include "support/fake_host.h"
#include "scene/axes_settings.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

class Create2D : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    previous_ = SetFunction2DDialogRunner([this](Function2DDialogState preset, curvanta::DocumentHost& h) {
      presets.push_back(preset);
      if (!fill) return;  // Cancel
      fill(preset);
      okResult = Function2DCommandOk(preset, h);
    });
  }
  void TearDown() override {
    SetFunction2DDialogRunner(previous_);
    ResetGlobals();
    ResetSceneGlobals();
  }
  curvanta::ScopedMessageRecorder rec;
  FakeHost host;
  std::vector<Function2DDialogState> presets;
  std::function<void(Function2DDialogState&)> fill;
  bool okResult = false;
  Function2DDialogRunner previous_;
};

TEST_F(Create2D, CartesianAddsOneCheckedLine) {
  ViewScene.RotYaw = 30;
  host.lines = {{"二维曲线  y=x", false}};  // a graph line already there, unchecked
  fill = [](Function2DDialogState& s) {
    s.expression = "sin(x)";
    s.minX = "-5";
    s.maxX = "5";
    s.segmentsX = "100";
  };
  // Stand-in for the existing graph of that line.
  auto other = GraphItem::Init(0, "", 0, 1, "0", "x", "x", 1, 10, 0, 1, 0, 1, 4, 0, 0, 0, 1, 4, 2, 2,
                          false, false, false, 0);
  other->ID = ++LastGraphID;
  DocScene.FunSurfs.Add(other);
  EditMode = true;
  mnuDraw2DCart_Click(host);
  ASSERT_EQ(presets.size(), 1u);
  EXPECT_EQ(presets[0].caption, "二维函数图形属性");
  EXPECT_EQ(presets[0].coordIndex, 0);
  EXPECT_TRUE(okResult);
  ASSERT_EQ(host.lines.size(), 2u);
  EXPECT_EQ(host.lines[1].text, "二维曲线  y=sin(x)");
  EXPECT_EQ(host.checkedLines, std::vector<int>{1});
  EXPECT_FALSE(host.lines[0].checked);
  EXPECT_EQ(ViewScene.RotYaw, 0.0f);
  EXPECT_FALSE(EditMode);
}

TEST_F(Create2D, PolarLettersFollowTheCommand) {
  fill = [](Function2DDialogState& s) {
    s.coordIndex = 0;  // the user switched to Cartesian
    ApplyCoordinateSystem(s);
    s.expression = "1+cos(x)";
    s.minX = "0";
    s.maxX = "6.28";
    s.segmentsX = "100";
  };
  mnuDraw2DPolar_Click(host);
  ASSERT_EQ(host.lines.size(), 1u);
  EXPECT_EQ(host.lines[0].text, "二维曲线  r=1+cos(x)");
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->CoordType, 1);
}

TEST_F(Create2D, CancelChangesNothing) {
  ViewScene.RotYaw = 30;
  mnuDraw2DCart_Click(host);
  EXPECT_TRUE(host.lines.empty());
  EXPECT_TRUE(host.checkedLines.empty());
  EXPECT_EQ(ViewScene.RotYaw, 30.0f);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
}

TEST_F(Create2D, AnimatedPreludeReadsTheOptionFields) {
  struct Case {
    const char* frames;
    const char* speed;
    int count, fps, interval;
  };
  const Case cases[] = {{"20", "5", 20, 5, 200},
                        {"20", "16", 20, 16, 62},
                        {"12.5", "400", 12, 400, 2},
                        {"0", "abc", 1, 1, 1000},        // taken into 1..1000
                        {"5000", "2000", 1000, 1000, 1}};
  for (const auto& c : cases) {
    presets.clear();
    DocAxes().BetterFonts = true;
    host.optionFields = {c.frames, c.speed};
    mnuAniCur2DCart_Click(host);  // cancelled
    EXPECT_EQ(AnimFrameCount, c.count) << c.frames;
    EXPECT_EQ(AnimSpeed, c.fps) << c.speed;
    EXPECT_EQ(host.timerInterval, c.interval) << c.speed;
    EXPECT_FALSE(DocAxes().BetterFonts);
    ASSERT_EQ(presets.size(), 1u);
    EXPECT_EQ(presets[0].segmentsT, std::to_string(c.count));
    EXPECT_FALSE(presets[0].segmentsTEditable);
    EXPECT_EQ(presets[0].caption, "二维函数图形动画属性");
  }
  EXPECT_TRUE(host.lines.empty());
}

TEST_F(Create2D, AnimatedGraphGetsTheAnimationLine) {
  fill = [](Function2DDialogState& s) {
    s.formIndex = 1;
    ApplyForm(s);
    s.expression = "cos(u+t)";
    s.secondExpression = "sin(u)";
    s.minX = "0";
    s.maxX = "6";
    s.segmentsX = "50";
    s.minT = "0";
    s.maxT = "1";
  };
  host.optionFields = {"4", "10"};
  mnuAniCur2DPol_Click(host);
  ASSERT_EQ(host.lines.size(), 1u);
  EXPECT_EQ(host.lines[0].text, "二维曲线动画  a=cos(u+t), r=sin(u)");
  EXPECT_EQ(host.playbackEnabled, 1);
}

}  // namespace
