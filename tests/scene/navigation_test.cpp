// Drag tools, spin steps, presets and fit of the drawing area's navigation.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "scene/camera.h"
#include "scene/navigation.h"
#include "scene/scene.h"

using namespace curvanta;

namespace {

struct FakeEffects : NavigationEffects {
  int rebuilds = 0, displays = 0, popups = 0, viewDialogs = 0;
  void RebuildRotation() override { ++rebuilds; }
  void Display() override { ++displays; }
  void ShowPopup(float, float) override { ++popups; }
  void ShowViewDialog() override { ++viewDialogs; }
};

struct NavFixture : ::testing::Test {
  Scene scene;
  Camera camera;
  FakeEffects fx;
  Navigator nav{scene, camera, fx};
  void SetUp() override { nav.Reset(); }
};

bool IsIdentity(const Vec4& q) { return q == kIdentityQuat; }

}  // namespace

TEST_F(NavFixture, DragWithoutToolChangesNothing) {
  nav.MouseDown(kLeftButton, 100, 100);
  nav.MouseMove(kLeftButton, 150, 120, 400, 200);
  EXPECT_TRUE(IsIdentity(nav.state.RotationQuat));
  EXPECT_FALSE(nav.state.Spinning);
  EXPECT_EQ(fx.rebuilds + fx.displays, 0);
  EXPECT_EQ(nav.state.DrawWidth, 400);
  EXPECT_EQ(nav.state.DrawHeight, 200);
}

TEST_F(NavFixture, TurningDragRotatesAndKeepsSpinningUntilNextPress) {
  nav.mnuViewRotate_Click();
  nav.MouseDown(kLeftButton, 200, 100);
  nav.MouseMove(kLeftButton, 220, 100, 400, 200);
  EXPECT_TRUE(nav.state.TrackballActive);
  EXPECT_TRUE(nav.state.Spinning);
  EXPECT_FALSE(IsIdentity(nav.state.RotationQuat));
  EXPECT_EQ(fx.rebuilds, 1);
  EXPECT_EQ(fx.displays, 1);
  // A drag to the right turns about the vertical axis (the quaternion's y part).
  EXPECT_NEAR(nav.state.DragQuat[0], 0, 1e-6);
  EXPECT_GT(std::abs(nav.state.DragQuat[1]), 0.01);
  nav.MouseUp(kLeftButton);
  Vec4 before = nav.state.RotationQuat;
  nav.SpinStep();  // what the spin timer does after the release
  EXPECT_NE(nav.state.RotationQuat, before);
  EXPECT_EQ(fx.rebuilds, 2);
  nav.MouseDown(kLeftButton, 0, 0);
  EXPECT_FALSE(nav.state.Spinning);
  // Left and right together do nothing.
  Vec4 still = nav.state.RotationQuat;
  nav.MouseMove(kLeftButton | kRightButton, 50, 50, 400, 200);
  EXPECT_EQ(nav.state.RotationQuat, still);
}

TEST_F(NavFixture, ZoomAndPanChangeTheCameraOnly) {
  float w0, h0;
  camera.GetViewRect(w0, h0);
  nav.mnuViewZoom_Click();
  EXPECT_TRUE(nav.state.ZoomMode);
  EXPECT_FALSE(nav.state.RotateMode || nav.state.PanMode);
  nav.MouseDown(kLeftButton, 10, 100);
  nav.MouseMove(kLeftButton, 10, 80, 400, 200);  // up by a tenth of the height
  EXPECT_FLOAT_EQ(nav.state.ZoomFactor, 0.9f);
  float w1, h1;
  camera.GetViewRect(w1, h1);
  EXPECT_NEAR(w1, w0 * 0.9, 1e-3);
  EXPECT_NEAR(h1, h0 * 0.9, 1e-3);
  nav.mnuViewMove_Click();
  nav.MouseMove(kLeftButton, 50, 80, 400, 200);
  EXPECT_EQ(fx.rebuilds, 0);
  EXPECT_EQ(fx.displays, 2);
}

TEST_F(NavFixture, PresetsSetTheirAnglesAndEndTheSpin) {
  struct Case {
    void (Navigator::*command)();
    float roll, pitch, yaw;
  } cases[] = {{&Navigator::mnuViewFront_Click, 0, 0, 0},
               {&Navigator::mnuViewRight_Click, 0, 0, 90},
               {&Navigator::mnuViewTop_Click, 0, -90, 0},
               {&Navigator::mnuViewISO_Click, 0, -15, 45}};
  for (const Case& c : cases) {
    nav.state.TrackballActive = true;
    nav.state.Spinning = true;
    int rebuilds = fx.rebuilds;
    (nav.*c.command)();
    EXPECT_EQ(scene.RotRoll, c.roll);
    EXPECT_EQ(scene.RotPitch, c.pitch);
    EXPECT_EQ(scene.RotYaw, c.yaw);
    EXPECT_FALSE(nav.state.TrackballActive);
    EXPECT_FALSE(nav.state.Spinning);
    EXPECT_EQ(fx.rebuilds, rebuilds + 1);
  }
}

TEST_F(NavFixture, FitNeedsAShownGraphAndRightPressOpensThePopup) {
  nav.mnuViewFit_Click();
  EXPECT_EQ(fx.displays, 0);
  nav.MouseDown(kRightButton, 5, 5);
  EXPECT_EQ(fx.popups, 1);
  nav.mnuViewSet_Click();
  EXPECT_EQ(fx.viewDialogs, 1);
}
