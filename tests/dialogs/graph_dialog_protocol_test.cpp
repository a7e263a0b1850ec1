// The 2D function dialog's OK through the graph dialog protocol: IDs, both scenes, the
// acceptance test, edits and what a failure leaves behind.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "dialogs/function/function_2d_ok.h"
#include "support/fake_host.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

class Protocol : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
  }
  void TearDown() override {
    ResetGlobals();
    ResetSceneGlobals();
  }
  static Function2DDialogState Explicit(const std::string& f, const std::string& lo, const std::string& hi) {
    Function2DDialogState s = Function2DPresetForCreate(false, false, AnimFrameCount);
    s.expression = f;
    s.minX = lo;
    s.maxX = hi;
    s.segmentsX = "100";
    return s;
  }
  static std::vector<std::string> Keys(const Scene& scene) {
    std::vector<std::string> keys;
    for (const auto& [key, item] : scene.FunSurfs) keys.push_back(key);
    return keys;
  }
  curvanta::ScopedMessageRecorder rec;
  FakeHost host;
};

TEST_F(Protocol, NewGraphsGetFreshIdsAndAFailedOneLeavesNothing) {
  LastGraphID = 7;
  GraphMode = 3;
  auto first = Explicit("sin(x)", "-3", "3");
  ASSERT_TRUE(Function2DCommandOk(first, host));
  EXPECT_EQ(Keys(DocScene), std::vector<std::string>{"8"});
  EXPECT_EQ(Keys(ViewScene), std::vector<std::string>{"8"});
  EXPECT_EQ(DocScene.FunSurfs.Item(1), ViewScene.FunSurfs.Item(1));
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 8);
  EXPECT_EQ(GraphMode, 1);
  EXPECT_FALSE(EditMode);
  EXPECT_EQ(host.refreshes, 1);
  EXPECT_EQ(host.rebuilds, 0);  // the create command's line check draws

  auto failing = Explicit("sqr(x)", "-3", "3");
  EXPECT_FALSE(Function2DCommandOk(failing, host));
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "SQR函数的参数必须大于0");
  EXPECT_EQ(rec.recorder.messages[0].title, "出错");
  EXPECT_EQ(Keys(DocScene), std::vector<std::string>{"8"});
  EXPECT_EQ(Keys(ViewScene), std::vector<std::string>{"8"});
  EXPECT_EQ(LastGraphID, 9);

  failing.minX = "0";
  ASSERT_TRUE(Function2DCommandOk(failing, host));
  EXPECT_EQ(Keys(DocScene), (std::vector<std::string>{"8", "10"}));
  EXPECT_EQ(Keys(ViewScene), (std::vector<std::string>{"8", "10"}));
}

TEST_F(Protocol, SyntaxErrorAddsNothingAndKeepsTheDialogOpen) {
  auto s = Explicit("sin(x", "-5", "5");
  EXPECT_FALSE(Function2DCommandOk(s, host));
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].title, "语法错误");
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);
  EXPECT_EQ(host.refreshes, 0);
  s.expression = "sin(x)";
  ASSERT_TRUE(Function2DCommandOk(s, host));
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 2);
}

TEST_F(Protocol, EditCopiesIntoTheGraphOrChangesNothing) {
  auto s = Explicit("sin(x)", "-3", "3");
  ASSERT_TRUE(Function2DCommandOk(s, host));
  const auto graph = DocScene.FunSurfs.Item(1);
  host.lines = {{"二维曲线  y=sin(x)", true}};
  host.current = 0;

  EditMode = true;
  auto edit = Explicit("cos(x)", "-3", "3");
  edit.name = "renamed";
  ASSERT_TRUE(Function2DCommandOk(edit, host));
  EXPECT_EQ(DocScene.FunSurfs.Item(1), graph);  // the same object, copied into
  EXPECT_EQ(graph->ID, 1);
  EXPECT_EQ(graph->ExpressZ, "cos(x)");
  EXPECT_EQ(graph->NameS, "renamed");
  EXPECT_EQ(host.lines[0].text, "二维曲线  y=cos(x)");
  EXPECT_EQ(host.rebuilds, 1);
  EXPECT_FALSE(EditMode);
  EXPECT_EQ(LastGraphID, 1);

  EditMode = true;
  auto bad = Explicit("sin(x", "0", "1");
  EXPECT_FALSE(Function2DCommandOk(bad, host));
  EXPECT_EQ(rec.recorder.messages.back().title, "语法错误");
  EXPECT_EQ(graph->ExpressZ, "cos(x)");  // a failed edit leaves the graph as it was
  EXPECT_EQ(graph->MinV, -3.0f);
  EXPECT_EQ(host.lines[0].text, "二维曲线  y=cos(x)");
  EXPECT_EQ(host.rebuilds, 1);
  EXPECT_TRUE(EditMode);
}

TEST_F(Protocol, RefusedTRangeEnablesPlaybackAndAddsNothing) {
  Function2DDialogState s = Function2DPresetForCreate(false, true, 10);
  s.expression = "sin(x+t)";
  s.minX = "0";
  s.maxX = "1";
  s.segmentsX = "10";
  s.minT = "1";
  s.maxT = "1";
  EXPECT_FALSE(Function2DCommandOk(s, host));
  EXPECT_EQ(host.playbackEnabled, 1);
  EXPECT_EQ(rec.recorder.messages.back().text, "最小 t 必须小于最大 t");
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  s.maxT = "2";
  ASSERT_TRUE(Function2DCommandOk(s, host));
  EXPECT_TRUE(DocScene.FunSurfs.Item(1)->Animation);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->GraphType, 9);
}

}  // namespace
