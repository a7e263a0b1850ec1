// The 2.5D and 3D create commands: the preset each hands to its dialog, the animated
// prelude, and after a successful OK the view rotation and the new graph's checked line,
// whose letters follow the command's coordinate system.
#include <gtest/gtest.h>

#include <functional>

#include "commands/create_25d.h"
#include "commands/create_3d.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/function_3d_ok.h"
#include "dialogs/function/strip_ok.h"
#include "scene/axes_settings.h"
#include "scene/light.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

namespace {

class CreateSurface : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    previousStrip_ = InstallDialogRunner<StripDialogState>(
        [this](StripDialogState preset, DocumentHost& h) {
          stripPresets.push_back(preset);
          if (!fillStrip) return;  // Cancel
          fillStrip(preset);
          ok = StripCommandOk(preset, h);
        });
    previous3D_ = InstallDialogRunner<Function3DDialogState>(
        [this](Function3DDialogState preset, DocumentHost& h) {
          presets3D.push_back(preset);
          if (!fill3D) return;  // Cancel
          fill3D(preset);
          ok = Function3DCommandOk(preset, h);
        });
  }
  void TearDown() override {
    InstallDialogRunner<StripDialogState>(previousStrip_);
    InstallDialogRunner<Function3DDialogState>(previous3D_);
    ResetGlobals();
    ResetSceneGlobals();
  }

  ScopedMessageRecorder rec;
  FakeHost host;
  std::vector<StripDialogState> stripPresets;
  std::vector<Function3DDialogState> presets3D;
  std::function<void(StripDialogState&)> fillStrip;
  std::function<void(Function3DDialogState&)> fill3D;
  bool ok = false;
  DialogRunner<StripDialogState> previousStrip_;
  DialogRunner<Function3DDialogState> previous3D_;
};

void StripRange(StripDialogState& s) {
  s.minimum = "0";
  s.maximum = "3";
  s.segments = "30";
  s.minT = "0";
  s.maxT = "1";
}

void SurfaceRange(Function3DDialogState& s) {
  s.minU = "0";
  s.maxU = "1";
  s.segmentsU = "8";
  s.minV = "0";
  s.maxV = "1";
  s.segmentsV = "8";
  s.minT = "0";
  s.maxT = "1";
}

TEST_F(CreateSurface, StripLinesFollowTheCommand) {
  struct Case {
    void (*command)(DocumentHost&);
    bool parametric;
    bool switchSystem;  // the user chooses the other system in the dialog
    const char* line;
  };
  const Case cases[] = {
      {mnuDraw25DCart_Click, false, false, "二维半条带  y=sin(x)"},
      {mnuDraw25DPolar_Click, false, false, "二维半条带  r=sin(x)"},
      {mnuDraw25DCart_Click, true, false, "二维半条带  x=cos(u),y=sin(u)"},
      {mnuDraw25DPolar_Click, true, false, "二维半条带  a=cos(u), r=sin(u)"},
      {mnuAni25DCurCart_Click, true, false, "二维半条带动画  x=cos(u), y=sin(u)"},
      {mnuAni25DCurPol_Click, false, false, "二维半条带动画  r=sin(x)"},
      {mnuDraw25DPolar_Click, false, true, "二维半条带  r=sin(x)"},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    fillStrip = [&c](StripDialogState& s) {
      if (c.switchSystem) {
        s.coordSystem = 1 - s.coordSystem;
        StripSystemChosen(s);
      }
      if (c.parametric) {
        s.form = 1;
        StripFormChosen(s);
        s.expression = "cos(u)";
        s.secondExpression = "sin(u)";
      } else {
        s.expression = "sin(x)";
      }
      StripRange(s);
    };
    ViewScene.RotRoll = ViewScene.RotPitch = ViewScene.RotYaw = 7;
    EditMode = true;
    c.command(host);
    ASSERT_TRUE(ok) << (rec.recorder.messages.empty() ? "" : rec.recorder.messages.back().text);
    ++n;
    ASSERT_EQ(host.lines.size(), size_t(n));
    EXPECT_EQ(host.lines.back().text, c.line);
    EXPECT_EQ(host.checkedLines.back(), n - 1);
    EXPECT_EQ(ViewScene.RotRoll, 0.0f);
    EXPECT_EQ(ViewScene.RotPitch, -15.0f);
    EXPECT_EQ(ViewScene.RotYaw, 45.0f);
    EXPECT_FALSE(EditMode);
  }
  EXPECT_EQ(DocScene.FunSurfs.Count(), n);
}

TEST_F(CreateSurface, Function3DLinesForEachSystem) {
  struct Case {
    void (*command)(DocumentHost&);
    int type, form;
    const char* line;
  };
  const Case cases[] = {
      {mnuDraw3DCart_Click, 1, 0, "三维曲面  z=sin(x)"},
      {mnuDraw3DCyl_Click, 1, 0, "三维曲面  z=sin(x)"},
      {mnuDraw3DSph_Click, 1, 0, "三维曲面  r=sin(x)"},
      {mnuDraw3DCart_Click, 0, 1, "三维曲线  x=u, y=v, z=1"},
      {mnuDraw3DCyl_Click, 1, 1, "三维曲面  a=u, r=v, z=1"},
      {mnuDraw3DSph_Click, 0, 1, "三维曲线  a=u, b=v, r=1"},
      {mnuAniSurCart_Click, 1, 1, "三维曲面动画  x=u, y=v, z=1"},
      {mnuAniSurCyl_Click, 0, 0, "三维曲线动画  z=sin(x)"},
      {mnuAniSurSph_Click, 1, 0, "三维曲面动画  r=sin(x)"},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    fill3D = [&c](Function3DDialogState& s) {
      s.type = c.type;
      Function3DTypeChosen(s);
      s.form = c.form;
      Function3DFormChosen(s);
      if (c.form == 1) {
        s.expression = "u";
        s.secondExpression = "v";
        s.thirdExpression = "1";
      } else {
        s.expression = "sin(x)";
      }
      SurfaceRange(s);
    };
    GraphMode = 2;
    c.command(host);
    ASSERT_TRUE(ok) << (rec.recorder.messages.empty() ? "" : rec.recorder.messages.back().text);
    ++n;
    ASSERT_EQ(host.lines.size(), size_t(n));
    EXPECT_EQ(host.lines.back().text, c.line);
    EXPECT_EQ(host.checkedLines.back(), n - 1);
    EXPECT_EQ(GraphMode, 3);
    EXPECT_EQ(ViewScene.RotPitch, -15.0f);
    EXPECT_EQ(ViewScene.RotYaw, 45.0f);
  }
}

TEST_F(CreateSurface, CancelChangesNothingButThePrelude) {
  const std::pair<void (*)(DocumentHost&), bool> commands[] = {
      {mnuDraw25DCart_Click, false}, {mnuDraw25DPolar_Click, false}, {mnuAni25DCurCart_Click, true},
      {mnuAni25DCurPol_Click, true}, {mnuDraw3DCart_Click, false},   {mnuDraw3DCyl_Click, false},
      {mnuDraw3DSph_Click, false},   {mnuAniSurCart_Click, true},    {mnuAniSurCyl_Click, true},
      {mnuAniSurSph_Click, true}};
  host.optionFields = {"20", "16"};
  for (const auto& [command, animated] : commands) {
    ViewScene.RotYaw = 30;
    DocLight.SetTwoSides(0, 1.0f);
    DocAxes().BetterFonts = true;
    host.timerInterval = -1;
    command(host);
    EXPECT_TRUE(host.lines.empty());
    EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
    EXPECT_EQ(ViewScene.RotYaw, 30.0f);
    // The animated prelude stays: one-sided light, simple fonts, frames, speed, interval.
    EXPECT_EQ(DocLight.TwoSides(0), animated ? 0.0f : 1.0f);
    EXPECT_EQ(DocAxes().BetterFonts, !animated);
    EXPECT_EQ(host.timerInterval, animated ? 62 : -1);
  }
  EXPECT_EQ(AnimFrameCount, 20);
  EXPECT_EQ(AnimSpeed, 16);
  ASSERT_EQ(stripPresets.size(), 4u);
  ASSERT_EQ(presets3D.size(), 6u);
  // The animated dialogs show the frame count in their disabled t steps field.
  EXPECT_EQ(stripPresets[2].stepsT, "20");
  EXPECT_FALSE(stripPresets[2].stepsTEnabled);
  EXPECT_EQ(presets3D[5].stepsT, "20");
  EXPECT_EQ(presets3D[5].caption, "三维函数图形动画属性");
  EXPECT_EQ(presets3D[4].coordSystem, 1);
}

}  // namespace
