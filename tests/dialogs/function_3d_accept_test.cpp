// OK of the 3D function dialog: its messages in their order, the expression slots of each
// system, what each field becomes in the item, and what OK leaves behind when it stops.
#include <gtest/gtest.h>

#include <functional>

#include "common/globals.h"
#include "dialogs/function/function_3d_accept.h"
#include "dialogs/function/function_3d_edit_fill.h"
#include "dialogs/function/function_3d_ok.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

namespace {

// A still explicit surface of `system` that OK accepts.
Function3DDialogState Filled(int system = 0, bool animated = false) {
  Function3DDialogState s = Function3DPresetForCreate(system, animated, 10);
  s.expression = "x*y";
  s.minU = "-1";
  s.maxU = "1";
  s.segmentsU = "10";
  s.minV = "-2";
  s.maxV = "2";
  s.segmentsV = "12";
  if (animated) {
    s.minT = "0";
    s.maxT = "1";
  }
  return s;
}

void Choose(Function3DDialogState& s, int type, int form) {
  s.type = type;
  Function3DTypeChosen(s);
  s.form = form;
  Function3DFormChosen(s);
}

void Parametric(Function3DDialogState& s) {
  Choose(s, s.type, 1);
  s.expression = "u";
  s.secondExpression = "v";
  s.thirdExpression = "u+v";
}

TEST(Function3DAccept, MessagesInTheirOrder) {
  struct Case {
    const char* what;
    bool animated;
    std::function<void(Function3DDialogState&)> change;
    const char* text;  // nullptr: accepted
    const char* title;
  };
  const char* invalid = "存在不合法的表达式或数值";
  const char* missing = "请输入所有必需的参数";
  const char* range = "最小值必须小于最大值";
  const Case cases[] = {
      {"accepted", false, [](Function3DDialogState&) {}, nullptr, nullptr},
      {"empty expression first", false,
       [](Function3DDialogState& s) { s.expression = s.minU = ""; }, invalid, "出错"},
      {"empty range field", false, [](Function3DDialogState& s) { s.maxV = ""; }, missing, "注意"},
      {"empty segment field", false, [](Function3DDialogState& s) { s.segmentsU = ""; }, missing,
       "注意"},
      {"letter in a range", false, [](Function3DDialogState& s) { s.minU = "a"; }, invalid, "出错"},
      {"a range that is no number", false, [](Function3DDialogState& s) { s.minU = "1-2"; },
       invalid, "出错"},
      {"a lone minus sign", false, [](Function3DDialogState& s) { s.maxV = "-"; }, invalid, "出错"},
      {"a segment count that is no number", false,
       [](Function3DDialogState& s) { s.segmentsU = "3,5"; }, invalid, "出错"},
      {"explicit u segments", false, [](Function3DDialogState& s) { s.segmentsU = "1"; },
       "段数 x,y,a,r 或 b 必须大于1", "注意"},
      {"explicit v segments", false, [](Function3DDialogState& s) { s.segmentsV = "0"; },
       "段数 y(或 r, b) 必须大于 1", "注意"},
      {"segments before ranges", false,
       [](Function3DDialogState& s) {
         s.segmentsV = "1";
         s.minU = "5";
       },
       "段数 y(或 r, b) 必须大于 1", "注意"},
      {"parametric u segments", false,
       [](Function3DDialogState& s) {
         Parametric(s);
         s.segmentsU = "1";
       },
       "段数 u 必须大于 1", "注意"},
      {"parametric v segments", false,
       [](Function3DDialogState& s) {
         Parametric(s);
         s.segmentsV = "1";
       },
       "段数 v 必须大于 1", "注意"},
      {"parametric empty component", false,
       [](Function3DDialogState& s) {
         Parametric(s);
         s.thirdExpression = "";
       },
       invalid, "出错"},
      {"equal u ends", false, [](Function3DDialogState& s) { s.minU = s.maxU = "1"; }, range,
       "注意"},
      {"reversed v ends", false, [](Function3DDialogState& s) { s.minV = "3"; }, range, "注意"},
      {"curve ignores the hidden v row", false,
       [](Function3DDialogState& s) {
         Choose(s, 0, 0);
         s.minV = "x";
         s.segmentsV = "";
       },
       nullptr, nullptr},
      {"t steps", true, [](Function3DDialogState& s) { s.stepsT = "1"; }, "段数 t 必须大于 1",
       "注意"},
      {"t range empty", true, [](Function3DDialogState& s) { s.minT = ""; }, missing, "注意"},
      {"t range reversed", true, [](Function3DDialogState& s) { s.maxT = "0"; },
       "最小 t 必须小于最大 t", "注意"},
      {"animated curve accepted", true, [](Function3DDialogState& s) { Choose(s, 0, 0); }, nullptr,
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Function3DDialogState s = Filled(0, c.animated);
    c.change(s);
    const Function3DAcceptOutcome out = Function3DAccept(s, 5);
    if (!c.text) {
      EXPECT_FALSE(out.refusal) << out.refusal->text;
      EXPECT_TRUE(out.item);
      continue;
    }
    ASSERT_TRUE(out.refusal);
    EXPECT_EQ(out.refusal->text, c.text);
    EXPECT_EQ(out.refusal->title, c.title);
    EXPECT_FALSE(out.item);
  }
}

TEST(Function3DAccept, KindSetsAndSlotsBySystem) {
  struct Case {
    int system, type, form;
    bool animated;
    int32_t graphType, coordType;
    const char* x;
    const char* y;
    const char* z;
  };
  const Case cases[] = {
      {0, 1, 0, false, 2, 3, "x", "y", "x*y"},      {1, 1, 0, false, 2, 4, "a", "r", "x*y"},
      {2, 1, 0, false, 2, 5, "a", "b", "x*y"},      {0, 0, 0, false, 1, 3, "x", "y", "x*y"},
      {2, 0, 1, false, 1, 5, "u", "v", "u+v"},      {1, 1, 1, false, 2, 4, "u", "v", "u+v"},
      {0, 0, 0, true, 11, 3, "x", "y", "x*y"},      {2, 1, 1, true, 12, 5, "u", "v", "u+v"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.graphType << " " << c.coordType);
    Function3DDialogState s = Filled(c.system, c.animated);
    Choose(s, c.type, c.form);
    if (c.form == 1) Parametric(s);
    const auto out = Function3DAccept(s, 5);
    ASSERT_TRUE(out.item) << out.refusal->text;
    const GraphItem& g = *out.item;
    EXPECT_TRUE(out.graphModeSet);
    EXPECT_EQ(g.GraphType, c.graphType);
    EXPECT_EQ(g.CoordType, c.coordType);
    EXPECT_EQ(g.FunForm, c.form == 1 ? 3 : 2);
    EXPECT_EQ(g.ExpressX, c.x);
    EXPECT_EQ(g.ExpressY, c.y);
    EXPECT_EQ(g.ExpressZ, c.z);
    EXPECT_EQ(g.MinU, -1.0f);
    EXPECT_EQ(g.MaxU, 1.0f);
    EXPECT_EQ(g.StepU, 10);
    const bool surface = c.type == 1;
    // A curve has no v range, whatever the hidden fields hold.
    EXPECT_EQ(g.MinV, surface ? -2.0f : 0.0f);
    EXPECT_EQ(g.MaxV, surface ? 2.0f : 0.0f);
    EXPECT_EQ(g.StepV, surface ? 12 : 1);
    EXPECT_EQ(g.Animation, c.animated);
    EXPECT_EQ(out.playbackEnabled, c.animated);
    EXPECT_EQ(g.LineColor, 0);
    EXPECT_EQ(g.LineWidth, 0);
  }
}

TEST(Function3DAccept, OverlaysColoursAndAppearance) {
  Function3DDialogState s = Filled();
  s.contours = true;
  s.colourMap = true;
  s.type = 0;  // switching to a curve disables the boxes but keeps their ticks
  Function3DTypeChosen(s);
  s.look = {4, 0x111111, 0x222222, 0x333333, 13, 1, 2};
  s.minU = "-1,5";
  s.segmentsU = "3.5";
  auto out = Function3DAccept(s, 1);
  ASSERT_TRUE(out.item);
  const GraphItem& g = *out.item;
  EXPECT_TRUE(g.ShowContour);
  EXPECT_TRUE(g.ShowColormap);
  EXPECT_FALSE(g.ShowVector);
  EXPECT_EQ(g.contourlevel, 10);
  EXPECT_EQ(g.FillStyle, 4);
  EXPECT_EQ(g.FirstColor, 0x111111);
  EXPECT_EQ(g.SecondColor, 0x333333);
  EXPECT_EQ(g.Material, 13);
  EXPECT_EQ(g.Show, 1);
  EXPECT_EQ(g.Smoothness, 2);
  EXPECT_EQ(s.minU, "-1.5");
  EXPECT_EQ(g.MinU, -1.5f);
  EXPECT_EQ(g.StepU, 4);

  Function3DDialogState plain = Filled();
  out = Function3DAccept(plain, 1);
  ASSERT_TRUE(out.item);
  EXPECT_EQ(out.item->contourlevel, 0);
  EXPECT_FALSE(out.item->ShowContour || out.item->ShowColormap || out.item->ShowVector);
}

// An edit keeps the graph's contour level while the contour box says what the graph says;
// a newly ticked box gives 10 and a newly cleared one 0.
TEST(Function3DAccept, EditKeepsContourLevelWhileTheBoxMatches) {
  struct Case {
    const char* what;
    bool shown;          // the graph's contour switch
    int32_t level;       // the graph's level
    bool ticked;         // the box at OK
    int32_t expected;
  };
  const Case cases[] = {
      {"cleared, unchanged", false, 5, false, 5},
      {"ticked, unchanged", true, 7, true, 7},
      {"newly ticked", false, 5, true, 10},
      {"newly cleared", true, 7, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Function3DDialogState created = Filled();
    created.contours = c.shown;
    auto built = Function3DAccept(created, 1);
    ASSERT_TRUE(built.item);
    GraphItem& graph = *built.item;
    graph.contourlevel = c.level;  // a document can hold any level with either switch

    Function3DDialogState s = Function3DEditFill(graph, 10);
    s.contours = c.ticked;
    const auto out = Function3DAccept(s, 1);
    ASSERT_TRUE(out.item) << out.refusal->text;
    EXPECT_EQ(out.item->ShowContour, c.ticked);
    EXPECT_EQ(out.item->contourlevel, c.expected);
  }
}

TEST(Function3DAccept, EditLineTexts) {
  struct Case {
    int32_t graphType, coordType, funForm;
    const char* line;
  };
  const Case cases[] = {
      {1, 3, 2, "三维曲线  z=Z"},
      {2, 4, 2, "三维曲面  z=Z"},
      {2, 5, 2, "三维曲面  r=Z"},
      {11, 3, 3, "三维曲线动画  x=X, y=Y, z=Z"},
      {12, 4, 3, "三维曲面动画  a=X, r=Y, z=Z"},
      {2, 5, 3, "三维曲面  a=X, b=Y, r=Z"},
  };
  for (const Case& c : cases) {
    GraphItem g;
    g.GraphType = c.graphType;
    g.CoordType = c.coordType;
    g.FunForm = c.funForm;
    g.ExpressX = "X";
    g.ExpressY = "Y";
    g.ExpressZ = "Z";
    EXPECT_EQ(Function3DEditLineText(g), c.line);
  }
}

// Through the protocol: a failed check after the filters leaves GraphMode 3; a refused t
// range enables playback and adds nothing.
TEST(Function3DAccept, ProtocolLeavesGraphModeAndPlayback) {
  ResetGlobals();
  ResetSceneGlobals();
  ScopedMessageRecorder rec;
  FakeHost host;
  GraphMode = 2;
  Function3DDialogState s = Filled();
  s.segmentsU = "1";
  EXPECT_FALSE(Function3DCommandOk(s, host));
  EXPECT_EQ(GraphMode, 3);

  Function3DDialogState animated = Filled(0, true);
  animated.minT = "2";
  EXPECT_FALSE(Function3DCommandOk(animated, host));
  EXPECT_EQ(host.playbackEnabled, 1);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  ASSERT_EQ(rec.recorder.messages.size(), 2u);
  EXPECT_EQ(rec.recorder.messages[1].text, "最小 t 必须小于最大 t");

  Function3DDialogState good = Filled(2);
  good.expression = "1";
  EXPECT_TRUE(Function3DCommandOk(good, host));
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1), ViewScene.FunSurfs.Item(1));
  EXPECT_FALSE(EditMode);
  ResetGlobals();
  ResetSceneGlobals();
}

}  // namespace
