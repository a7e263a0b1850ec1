// The point, animated point, step and stem commands: what they preset, the prelude of the
// animated point, the line appended and checked, the rotation, and Cancel.
#include <gtest/gtest.h>

#include "commands/create_points.h"
#include "commands/create_step_stem.h"
#include "commands/edit_command.h"
#include "common/globals.h"
#include "dialogs/data/point_dialog.h"
#include "dialogs/data/step_stem_dialog.h"
#include "scene/axes_settings.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

namespace {

class CreateSpecial : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    previousPoint_ = SetPointDialogRunner([this](PointDialogState preset, const EditLineText& line,
                                                 DocumentHost& h) {
      pointPresets.push_back(preset);
      if (!typePoint) return;  // Cancel
      typePoint(preset);
      ok = PointCommandOk(preset, line, h);
    });
    previousStep_ = SetStepStemDialogRunner([this](StepStemDialogState preset,
                                                   const EditLineText& line, DocumentHost& h) {
      stepPresets.push_back(preset);
      if (!typeStep) return;
      typeStep(preset);
      ok = StepStemCommandOk(preset, line, h);
    });
  }
  void TearDown() override {
    SetPointDialogRunner(previousPoint_);
    SetStepStemDialogRunner(previousStep_);
    ResetGlobals();
    ResetSceneGlobals();
  }
  void Rotation(float roll, float pitch, float yaw) {
    EXPECT_EQ(ViewScene.RotRoll, roll);
    EXPECT_EQ(ViewScene.RotPitch, pitch);
    EXPECT_EQ(ViewScene.RotYaw, yaw);
  }

  ScopedMessageRecorder rec;
  FakeHost host;
  std::vector<PointDialogState> pointPresets;
  std::vector<StepStemDialogState> stepPresets;
  std::function<void(PointDialogState&)> typePoint;
  std::function<void(StepStemDialogState&)> typeStep;
  bool ok = false;
  PointDialogRunner previousPoint_;
  StepStemDialogRunner previousStep_;
};

}  // namespace

TEST_F(CreateSpecial, PointLinesAndRotationsByDocument) {
  struct Case {
    int32_t mode;
    int coordIndex;
    const char* line;
    float pitch, yaw;
  };
  const Case cases[] = {
      {1, 0, "点  x=1, y=2", 0, 0},
      {1, 1, "点  a=1, r=2", 0, 0},
      {2, 0, "点  x=1, y=2", 0, 0},  // a 2.5D point leaves the view level
      {3, 0, "点  x=1, y=2, z=3", -15, 45},
      {3, 1, "点  a=1, r=2, z=3", -15, 45},
      {3, 2, "点  a=1, b=2, r=3", -15, 45},
  };
  for (const Case& c : cases) {
    ResetSceneGlobals();
    host = FakeHost{};
    GraphMode = c.mode;
    ViewScene.RotYaw = 10;
    typePoint = [&](PointDialogState& s) {
      PointCoordChosen(s, c.coordIndex, c.mode);
      s.x = "1", s.y = "2", s.z = "3";
    };
    EditMode = true;
    mnuDrawPoint_Click(host);
    EXPECT_TRUE(ok) << c.line;
    ASSERT_EQ(host.lines.size(), 1u) << c.line;
    EXPECT_EQ(host.lines[0].text, c.line);
    EXPECT_EQ(host.checkedLines, std::vector<int>{0}) << c.line;
    Rotation(0, c.pitch, c.yaw);
    EXPECT_FALSE(EditMode);
  }
  EXPECT_EQ(pointPresets[0].caption, "点属性");
  EXPECT_FALSE(pointPresets[0].animated);
}

TEST_F(CreateSpecial, AnimatedPointTakesTheOptionsAndListsWithThreeBlanks) {
  GraphMode = 1;
  host.optionFields = {"20", "5"};
  DocAxes().BetterFonts = true;
  typePoint = [](PointDialogState& s) { s.x = "t", s.y = "0", s.minT = "-1", s.maxT = "1"; };
  mnuAniPoint_Click(host);
  EXPECT_EQ(AnimFrameCount, 20);
  EXPECT_EQ(AnimSpeed, 5);
  EXPECT_EQ(host.timerInterval, 200);
  EXPECT_FALSE(DocAxes().BetterFonts);
  ASSERT_EQ(pointPresets.size(), 1u);
  EXPECT_TRUE(pointPresets[0].animated);
  EXPECT_EQ(pointPresets[0].tSegments, "20");
  EXPECT_FALSE(pointPresets[0].tSegmentsEnabled);
  ASSERT_EQ(host.lines.size(), 1u);
  EXPECT_EQ(host.lines[0].text, "点动画   x=t, y=0");
  EXPECT_EQ(host.playbackEnabled, 1);
  const auto g = DocScene.FunSurfs.Item(1);
  EXPECT_EQ(g->GraphType, 8);
  EXPECT_EQ(g->Anim1DGrid().Upper(0), 20);  // one position per frame
  EXPECT_FLOAT_EQ(g->Anim1D(20).x, 1.0f);
}

TEST_F(CreateSpecial, CancelChangesNothingButTheAnimatedPrelude) {
  GraphMode = 3;
  ViewScene.RotYaw = 10;
  host.optionFields = {"3000", "0"};  // taken into 1..1000
  mnuDrawPoint_Click(host);
  mnuAniPoint_Click(host);
  mnuDrawStep_Click(host);
  mnuDrawHcg_Click(host);
  EXPECT_TRUE(host.lines.empty());
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.RotYaw, 10.0f);
  EXPECT_EQ(GraphMode, 3);
  EXPECT_EQ(AnimFrameCount, 1000);
  EXPECT_EQ(AnimSpeed, 1);
  EXPECT_EQ(host.timerInterval, 1000);
}

TEST_F(CreateSpecial, StepAndStemListTheirCommandsLabelWhateverTheFlags) {
  GraphMode = 2;
  typeStep = [](StepStemDialogState& s) {
    s.function = "sin(x)", s.minX = "-3", s.maxX = "3", s.segments = "12";
    s.showStep = s.showStem = true;
  };
  mnuDrawStep_Click(host);
  mnuDrawHcg_Click(host);
  ASSERT_EQ(stepPresets.size(), 2u);
  EXPECT_EQ(stepPresets[0].caption, "阶梯图");
  EXPECT_EQ(stepPresets[1].caption, "火柴杆图");
  ASSERT_EQ(host.lines.size(), 2u);
  EXPECT_EQ(host.lines[0].text, "阶梯图  y=sin(x)");
  EXPECT_EQ(host.lines[1].text, "火柴杆图  y=sin(x)");
  EXPECT_EQ(host.checkedLines, (std::vector<int>{0, 1}));
  EXPECT_EQ(GraphMode, 1);
  Rotation(0, 0, 0);
}

TEST_F(CreateSpecial, EditingReplacesTheLineInPlace) {
  GraphMode = 1;
  typeStep = [](StepStemDialogState& s) {
    s.function = "sin(x)", s.minX = "-3", s.maxX = "3", s.segments = "12";  // no flag ticked
  };
  mnuDrawHcg_Click(host);
  typePoint = [](PointDialogState& s) { s.x = "1", s.y = "2"; };
  mnuDrawPoint_Click(host);
  ASSERT_EQ(host.lines.size(), 2u);
  // The stem plot without flags keeps its stem label; the point gets its edit text.
  host.current = 0;
  typeStep = [](StepStemDialogState& s) { s.function = "cos(x)"; };
  mnuFunEdit_Click(host);
  EXPECT_TRUE(ok);
  EXPECT_EQ(stepPresets.back().caption, "特殊图形的属性");
  EXPECT_EQ(stepPresets.back().function, "sin(x)");
  EXPECT_EQ(host.lines[0].text, "火柴杆图  y=cos(x)");
  host.current = 1;
  typePoint = [](PointDialogState& s) { s.y = "5"; };
  mnuFunEdit_Click(host);
  EXPECT_EQ(pointPresets.back().x, "1");
  EXPECT_EQ(host.lines[1].text, "点  x=1, y=5");
  EXPECT_EQ(DocScene.FunSurfs.Item(2)->ExpressZ, "5");
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_FALSE(EditMode);
}
