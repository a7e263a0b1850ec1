// The compiled scene: content lists of their own, small rotation lists that call them,
// frame lists of an animation, and the list a paint replays.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/globals.h"
#include "support/scene_frame_rig.h"

using namespace curvanta;

namespace {

struct FrameFixture : ::testing::Test, SceneFrameRig {
  ScopedGl scoped{&gl};
  int itemDraws = 0;
  int axesDraws = 0;
  bool axesShown = true;
  ItemDrawer oldDrawer;
  ItemBoxer oldBoxer;

  void SetUp() override {
    ResetGlobals();
    oldDrawer = SetItemDrawer([this](GraphItem&, std::optional<int32_t> step) {
      ++itemDraws;
      Gl().glBegin(GL_LINES);
      Gl().glVertex3f(0, 0, float(step.value_or(0)));
      Gl().glVertex3f(1, 1, 0);
      Gl().glEnd();
    });
    oldBoxer = SetItemBoxer([](GraphItem&, std::optional<int32_t> step) {
      Box b;
      b.MinX = b.MinY = b.MinZ = -1;
      b.MaxX = b.MaxY = b.MaxZ = 1.0f + float(step.value_or(0));
      return b;
    });
    frame.SetAxes([this] { return axesShown; }, [this](const Box&) {
      ++axesDraws;
      Gl().glLineWidth(1);
    });
    frame.Initialize();
  }
  void TearDown() override {
    SetItemDrawer(oldDrawer);
    SetItemBoxer(oldBoxer);
  }
  void AddItem(int id, bool animated) {
    auto item = std::make_shared<GraphItem>();
    item->ID = id;
    item->Animation = animated;
    scene.FunSurfs.Add(item);
  }
  bool ListExists(GLuint n) {
    auto lists = gl.Lists();
    return std::find(lists.begin(), lists.end(), n) != lists.end();
  }
};

}  // namespace

TEST_F(FrameFixture, RotationAloneRecompilesOnlyTheSmallList) {
  AddItem(1, false);
  frame.Compile(true);
  EXPECT_EQ(itemDraws, 1);
  EXPECT_EQ(axesDraws, 1);
  const auto& still = gl.ListContents(kStillSceneList);
  ASSERT_EQ(still.size(), 2u);
  EXPECT_EQ(still[0].name, "glMultMatrixf");
  EXPECT_EQ(still[1].name, "glCallList");
  GLuint content = GLuint(still[1].args[0]);
  EXPECT_EQ(gl.ListContents(content).front().name, "glBegin");
  // The preset angles went into the rotation quaternion.
  EXPECT_EQ(quat, kIdentityQuat);

  scene.RotPitch = -15;
  scene.RotYaw = 45;
  frame.Compile(false);
  EXPECT_EQ(itemDraws, 1);  // nothing was drawn item by item again
  EXPECT_EQ(frame.contentCompiles(), 1);
  EXPECT_EQ(frame.rotationCompiles(), 2);
  EXPECT_EQ(quat, PresetRotation(0, -15, 45));
  Mat16 m;
  QuatToMatrix(m, quat);
  const auto& again = gl.ListContents(kStillSceneList);
  for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(float(again[0].args[size_t(i)]), m[size_t(i)]);
  EXPECT_EQ(GLuint(again[1].args[0]), content);

  // While the trackball is active its quaternion is used as it stands.
  trackball = true;
  quat = Vec4{0, 0.6f, 0, 0.8f};
  frame.Compile(false);
  QuatToMatrix(m, Vec4{0, 0.6f, 0, 0.8f});
  EXPECT_FLOAT_EQ(float(gl.ListContents(kStillSceneList)[0].args[0]), m[0]);
  EXPECT_EQ(quat, (Vec4{0, 0.6f, 0, 0.8f}));
}

TEST_F(FrameFixture, EmptySceneDrawsNoAxesAndHiddenAxesStayHidden) {
  frame.Compile(true);
  EXPECT_EQ(axesDraws, 0);
  AddItem(1, false);
  axesShown = false;
  frame.Compile(true);
  EXPECT_EQ(itemDraws, 1);
  EXPECT_EQ(axesDraws, 0);
}

TEST_F(FrameFixture, AnimationCompilesOneListPerStepAndDropsStaleOnes) {
  AnimFrameCount = 3;
  AddItem(1, true);
  frame.Compile(true);
  EXPECT_EQ(itemDraws, 4);
  EXPECT_EQ(axesDraws, 1);  // one axes list, called by every step
  for (GLuint n = 1001; n <= 1004; ++n) EXPECT_TRUE(ListExists(n)) << n;
  const GLuint axes = GLuint(gl.ListContents(GLuint(gl.ListContents(1001).back().args.at(0)))
                                 .back().args.at(0));
  for (GLuint n = 1001; n <= 1004; ++n) {
    const auto& step = gl.ListContents(GLuint(gl.ListContents(n).back().args.at(0)));
    EXPECT_EQ(step.back().name, "glCallList") << n;
    EXPECT_EQ(GLuint(step.back().args.at(0)), axes) << n;
  }
  EXPECT_EQ(gl.ListContents(axes).front().name, "glLineWidth");
  EXPECT_EQ(frame.ListForFrame(0), 1001u);
  EXPECT_EQ(frame.ListForFrame(4), 1004u);
  EXPECT_EQ(frame.ListForFrame(5), 1004u);  // beyond the compiled frames: the last one
  // A rotation change rebuilds the four small lists only.
  frame.Compile(false);
  EXPECT_EQ(itemDraws, 4);
  AnimFrameCount = 2;
  frame.Compile(false);  // a new frame count recompiles the content anyway
  EXPECT_EQ(itemDraws, 7);
  EXPECT_FALSE(ListExists(1004));
  EXPECT_TRUE(ListExists(1003));
  // Hiding the animated graph makes the scene still: list 900 from now on.
  scene.FunSurfs.Remove(1);
  frame.Compile(true);
  EXPECT_FALSE(frame.compiledAnimated());
  EXPECT_EQ(frame.ListForFrame(2), kStillSceneList);
  EXPECT_FALSE(ListExists(1001));
}

// A long animation after a still scene: the content lists of its steps must not take the
// numbers of list 900 or of the frame lists, which would then overwrite them.
TEST_F(FrameFixture, LongAnimationKeepsItsContentApartFromTheFrameLists) {
  AddItem(1, false);
  frame.Compile(true);  // list 900 exists from now on
  scene.FunSurfs.Remove(1);
  AnimFrameCount = 950;
  AddItem(2, true);
  frame.Compile(true);
  ASSERT_TRUE(gl.Errors().empty());
  for (int32_t e : {0, 1, 100, 500, 950}) {
    const auto& small = gl.ListContents(kFirstFrameList + GLuint(e));
    ASSERT_EQ(small.size(), 2u) << e;
    EXPECT_EQ(small[0].name, "glMultMatrixf") << e;
    const GLuint content = GLuint(small[1].args.at(0));
    EXPECT_TRUE(content < kStillSceneList || content > kFirstFrameList + 950) << e;
    const auto& drawn = gl.ListContents(content);
    ASSERT_GE(drawn.size(), 2u) << e;
    EXPECT_EQ(drawn[0].name, "glBegin") << e;
    EXPECT_EQ(drawn[1].args.at(2), double(e)) << e;  // the item drawn at this step
  }
}

TEST_F(FrameFixture, PaintSetsUpTheFrameAndCallsOneList) {
  AddItem(1, false);
  frame.Compile(true);
  gl.ClearCalls();
  frame.Paint(1);
  std::vector<std::string> names;
  for (const GlCall& c : gl.Calls()) names.push_back(c.name);
  auto at = [&](const char* n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
  EXPECT_LT(at("glShadeModel"), at("glClear"));
  EXPECT_LT(at("gluLookAt"), at("glLightfv"));  // the light after the camera
  EXPECT_LT(at("glClear"), at("glCallList"));
  EXPECT_EQ(gl.Named("glCallList").at(0).args[0], double(kStillSceneList));
  EXPECT_EQ(gl.Count("glPushMatrix"), gl.Count("glPopMatrix"));
  EXPECT_TRUE(gl.Errors().empty());
}
