// The point and animated point dialogs on their state: what the openers show in each kind
// of document, the relabelling, and OK's refusals and built items.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "dialogs/data/point_dialog.h"
#include "dialogs/data/point_dialog_state.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

namespace {

const std::vector<std::string> kPlane = {"直角坐标系", "极坐标系"};
const std::vector<std::string> kSpace = {"直角坐标系", "柱面坐标系", "球面坐标系"};

}  // namespace

TEST(PointDialogView, WhatTheOpenersShowInEachDocument) {
  struct Case {
    bool animated;
    int32_t mode;
    bool zShown, hollowShown;
    int32_t colour;
    std::vector<std::string> systems;
    const char* caption;
  };
  const int32_t frame = static_cast<int32_t>(0x80000006u), menuText = static_cast<int32_t>(0x80000007u);
  const Case cases[] = {
      {false, 1, false, true, frame, kPlane, "点属性"},
      {false, 2, true, false, 255, kPlane, "点属性"},  // shown, though a 2.5D point ignores it
      {false, 3, true, false, 255, kSpace, "点属性"},
      {true, 1, false, true, menuText, kPlane, "点动画"},
      {true, 2, false, false, 255, kPlane, "点动画"},  // a 2.5D animated point is planar
      {true, 3, true, false, 255, kSpace, "点动画"},
  };
  for (const Case& c : cases) {
    const PointDialogState s = PointPresetForCreate(c.animated, c.mode, 25);
    const std::string label = std::string(c.animated ? "animated " : "") + std::to_string(c.mode);
    EXPECT_EQ(s.caption, c.caption) << label;
    EXPECT_EQ(s.zShown, c.zShown) << label;
    EXPECT_EQ(s.hollowChoiceShown, c.hollowShown) << label;
    EXPECT_EQ(s.colour, c.colour) << label;
    EXPECT_EQ(s.coordSystems, c.systems) << label;
    EXPECT_EQ(s.coordIndex, 0) << label;
    EXPECT_EQ(s.size, "2") << label;
    EXPECT_EQ(s.name, c.animated ? "Untitled" : "") << label;
    EXPECT_EQ(s.tSegmentsEnabled, !c.animated) << label;
    EXPECT_EQ(s.tSegments, c.animated ? "25" : "") << label;
  }
}

TEST(PointDialogView, RelabellingBySystemAndDocument) {
  struct Case {
    bool animated;
    int32_t mode;
    int index;
    const char *x, *y, *z;
  };
  const Case cases[] = {
      {false, 1, 1, "a", "r", "z"},       {false, 1, 0, "x", "y", "z"},
      {false, 2, 1, "a", "r", "z"},       {false, 3, 1, "a", "r", "z"},
      {false, 3, 2, "a", "b", "r"},       {false, 1, 2, "x", "y", "z"},  // no third plane system
      {true, 1, 1, "a(t)", "r(t)", "Z(t)"}, {true, 3, 2, "a(t)", "b(t)", "r(t)"},
      {true, 3, 0, "x(t)", "y(t)", "z(t)"},
  };
  for (const Case& c : cases) {
    PointDialogState s = PointPresetForCreate(c.animated, c.mode, 10);
    PointCoordChosen(s, c.index, c.mode);
    EXPECT_EQ(s.xLabel, c.x) << c.mode << " " << c.index;
    EXPECT_EQ(s.yLabel, c.y) << c.mode << " " << c.index;
    EXPECT_EQ(s.zLabel, c.z) << c.mode << " " << c.index;
  }
}

namespace {

struct AcceptCase {
  const char* name;
  bool animated;
  int32_t mode;
  std::function<void(PointDialogState&)> type;
  const char* message;  // nullptr: accepted
  std::function<void(const PointDialogState&, const GraphItem&)> check;
};

void RunAcceptCases(const std::vector<AcceptCase>& cases) {
  for (const AcceptCase& c : cases) {
    PointDialogState s = PointPresetForCreate(c.animated, c.mode, 10);
    c.type(s);
    PointAcceptOutcome out = AcceptPointDialog(s, c.mode, 41);
    if (c.message) {
      ASSERT_TRUE(out.refusal) << c.name;
      EXPECT_EQ(out.refusal->text, c.message) << c.name;
      EXPECT_EQ(out.refusal->title, std::string(c.message) == "存在不合法的表达式或数值" ? "出错" : "注意")
          << c.name;
      EXPECT_FALSE(out.item) << c.name;
    } else {
      ASSERT_FALSE(out.refusal) << c.name << ": " << out.refusal->text;
      ASSERT_TRUE(out.item) << c.name;
      EXPECT_EQ(out.item->ID, 41) << c.name;
      if (c.check) c.check(s, *out.item);
    }
  }
}

}  // namespace

TEST(PointDialogAccept, RefusalsAndBuiltPoints) {
  using S = PointDialogState;
  using G = GraphItem;
  RunAcceptCases({
      {"empty y", false, 1, [](S& s) { s.x = "1"; }, "存在不合法的表达式或数值", nullptr},
      {"empty x", false, 1, [](S& s) { s.y = "1"; }, "请输入所有必需的参数", nullptr},
      {"y of blanks", false, 1, [](S& s) { s.x = "1", s.y = "   "; }, "请输入所有必需的参数", nullptr},
      {"empty z in 3D", false, 3, [](S& s) { s.x = "1", s.y = "2"; }, "请输入所有必需的参数", nullptr},
      {"product in x", false, 1, [](S& s) { s.x = "2*3", s.y = "1"; }, "存在不合法的表达式或数值", nullptr},
      {"product in z", false, 3, [](S& s) { s.x = "1", s.y = "1", s.z = "2*3"; },
       "存在不合法的表达式或数值", nullptr},
      {"size beyond a float", false, 1, [](S& s) { s.x = "1", s.y = "1", s.size = "1e39"; },
       "存在不合法的表达式或数值", nullptr},
      {"2D point", false, 1, [](S& s) { s.x = "1,5", s.y = "2*3", s.hollow = true; }, nullptr,
       [](const S& s, const G& g) {
         EXPECT_EQ(s.x, "1.5");  // cleaned text written back
         EXPECT_EQ(g.GraphType, 7);
         EXPECT_EQ(g.CoordType, 1);
         EXPECT_EQ(g.ExpressX, "0");
         EXPECT_EQ(g.ExpressY, "1.5");
         EXPECT_EQ(g.ExpressZ, "2*3");
         EXPECT_EQ(g.FunForm, 3);
         EXPECT_TRUE(g.PointHollow);
         EXPECT_EQ(g.PointColor, static_cast<int32_t>(0x80000006u));  // the swatch's system colour
         EXPECT_EQ(g.PointSize, 2.0f);
         EXPECT_EQ(g.FillStyle, 4);
         EXPECT_EQ(g.FirstColor, 0xFF0000);
         EXPECT_EQ(g.Material, 4);
         EXPECT_EQ(g.Show, 2);
         EXPECT_EQ(g.MaxU, 1.0f);
         EXPECT_FALSE(g.Animation);
       }},
      {"2.5D point ignores z", false, 2, [](S& s) { s.x = "1", s.y = "2", s.z = "9"; }, nullptr,
       [](const S&, const G& g) {
         EXPECT_EQ(g.ExpressX, "0");
         EXPECT_EQ(g.ExpressZ, "2");
       }},
      {"3D spherical", false, 3, [](S& s) { s.x = "1", s.y = "2", s.z = "3", s.coordIndex = 2, s.size = "2.5"; },
       nullptr,
       [](const S&, const G& g) {
         EXPECT_EQ(g.CoordType, 5);
         EXPECT_EQ(g.ExpressX, "1");
         EXPECT_EQ(g.ExpressY, "2");
         EXPECT_EQ(g.ExpressZ, "3");
         EXPECT_EQ(g.PointColor, 255);
         EXPECT_EQ(g.PointSize, 2.5f);
       }},
      {"no system chosen", false, 1, [](S& s) { s.x = "1", s.y = "2", s.coordIndex = -1; }, nullptr,
       [](const S&, const G& g) { EXPECT_EQ(g.CoordType, 0); }},
  });
}

TEST(PointDialogAccept, AnimatedRefusalsAndBuiltPoints) {
  using S = PointDialogState;
  using G = GraphItem;
  auto filled = [](S& s) { s.x = "t", s.y = "t^2", s.minT = "0", s.maxT = "1"; };
  RunAcceptCases({
      {"min t missing", true, 1, [&](S& s) { filled(s), s.minT = ""; }, "请输入所有必需的参数", nullptr},
      {"z(t) missing in 3D", true, 3, filled, "请输入所有必需的参数", nullptr},
      {"no frames", true, 1, [&](S& s) { filled(s), s.tSegments = "0"; }, "段数 t 必须大于 0", nullptr},
      {"letters in max t", true, 1, [&](S& s) { filled(s), s.maxT = "1+2"; }, "存在不合法的表达式或数值",
       nullptr},
      {"min above max", true, 1, [&](S& s) { filled(s), s.minT = "2"; }, "最小 t 必须小于最大 t", nullptr},
      {"equal ends", true, 1, [&](S& s) { filled(s), s.minT = "1"; }, nullptr,
       [](const S&, const G& g) { EXPECT_EQ(g.MinT, g.MaxT); }},
      {"min t counts its leading number", true, 1, [&](S& s) { filled(s), s.minT = "-1+2"; }, nullptr,
       [](const S&, const G& g) { EXPECT_EQ(g.MinT, -1.0f); }},
      {"2D animated point", true, 1, [&](S& s) { filled(s), s.coordIndex = 1, s.hollow = true; }, nullptr,
       [](const S&, const G& g) {
         EXPECT_EQ(g.GraphType, 8);
         EXPECT_EQ(g.CoordType, 2);
         EXPECT_TRUE(g.Animation);
         EXPECT_EQ(g.ExpressX, "0");
         EXPECT_EQ(g.ExpressY, "t");
         EXPECT_EQ(g.ExpressZ, "t^2");
         EXPECT_EQ(g.MinT, 0.0f);
         EXPECT_EQ(g.MaxT, 1.0f);
         EXPECT_TRUE(g.PointHollow);
         EXPECT_EQ(g.PointColor, static_cast<int32_t>(0x80000007u));
       }},
      {"3D animated point", true, 3, [&](S& s) { filled(s), s.z = "1"; }, nullptr,
       [](const S&, const G& g) {
         EXPECT_EQ(g.CoordType, 3);
         EXPECT_EQ(g.ExpressX, "t");
         EXPECT_EQ(g.ExpressZ, "1");
       }},
  });
  // The playback is switched on before the t range is checked.
  PointDialogState s = PointPresetForCreate(true, 1, 10);
  s.x = "t", s.y = "0", s.minT = "3", s.maxT = "1";
  EXPECT_TRUE(AcceptPointDialog(s, 1, 1).playbackEnabled);
}

class PointOk : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    GraphMode = 1;
  }
  void TearDown() override {
    ResetGlobals();
    ResetSceneGlobals();
  }
  ScopedMessageRecorder rec;
  FakeHost host;
  EditLineText line = [](const GraphItem& g) { return "edited " + g.ExpressY; };
};

TEST_F(PointOk, AddsOnePointOrUsesUpItsIdWhenSamplingFails) {
  PointDialogState s = PointPresetForCreate(false, 1, 10);
  s.x = "1", s.y = "sqr(4)";
  ASSERT_TRUE(PointCommandOk(s, line, host));
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1), ViewScene.FunSurfs.Item(1));
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->Vert3D(0, 0).y, 2.0f);
  // An animated coordinate of blanks is emptied by the filter; sampling refuses it and the
  // dialog stays open with nothing added, the ID used up, the playback already on.
  PointDialogState a = PointPresetForCreate(true, 1, 10);
  a.x = "   ", a.y = "t", a.minT = "0", a.maxT = "1";
  EXPECT_FALSE(PointCommandOk(a, line, host));
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(host.playbackEnabled, 1);
  EXPECT_EQ(LastGraphID, 2);
  a.x = "t";
  ASSERT_TRUE(PointCommandOk(a, line, host)) << (rec.recorder.messages.empty() ? "" : rec.recorder.messages.back().text);
  EXPECT_EQ(DocScene.FunSurfs.Item(2)->ID, 3);
  EXPECT_FALSE(EditMode);
}
