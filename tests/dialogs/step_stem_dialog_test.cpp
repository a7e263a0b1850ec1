// The step and stem dialog on its state: captions by opener, OK's refusals and the item.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "dialogs/data/step_stem_dialog.h"
#include "dialogs/data/step_stem_dialog_state.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

TEST(StepStemDialogView, CaptionsAndDefaults) {
  EXPECT_EQ(StepStemDialogLoad().caption, "特殊图形的属性");
  EXPECT_EQ(StepStemPresetForCreate(false).caption, "阶梯图");
  EXPECT_EQ(StepStemPresetForCreate(true).caption, "火柴杆图");
  const StepStemDialogState s = StepStemPresetForCreate(true);
  EXPECT_EQ(s.name, "Untitled");
  EXPECT_FALSE(s.showStep);
  EXPECT_FALSE(s.showStem);
  EXPECT_EQ(s.stepWidth, "2");
  EXPECT_EQ(s.stemHeadSize, "2");
  EXPECT_EQ(s.stemHeadSymbolIndex, 0);
  EXPECT_EQ(s.stemBodyWidth, "2");
}

TEST(StepStemDialogAccept, RefusalsAndTheItem) {
  using S = StepStemDialogState;
  struct Case {
    const char* name;
    std::function<void(S&)> type;
    const char* message;  // nullptr: accepted
    std::function<void(const S&, const GraphItem&)> check;
  };
  auto filled = [](S& s) { s.function = "2*x", s.minX = "-1", s.maxX = "1", s.segments = "4"; };
  const char* invalid = "存在不合法的表达式或数值";
  const Case cases[] = {
      {"only the name", [](S& s) { s.name = "n"; }, "请输入所有必需的参数", nullptr},
      {"no segments", [&](S& s) { filled(s), s.segments = ""; }, "请输入所有必需的参数", nullptr},
      {"bad function", [&](S& s) { filled(s), s.function = "x$2"; }, invalid, nullptr},
      {"letter in max", [&](S& s) { filled(s), s.maxX = "1a"; }, invalid, nullptr},
      {"lone minus as min", [&](S& s) { filled(s), s.minX = "-"; }, invalid, nullptr},
      {"two points in max", [&](S& s) { filled(s), s.maxX = "1.2.3"; }, invalid, nullptr},
      {"negative count", [&](S& s) { filled(s), s.segments = "-3"; }, invalid, nullptr},
      {"count beyond 32 bits", [&](S& s) { filled(s), s.segments = "99999999999"; }, invalid, nullptr},
      {"the documented item", filled, nullptr,
       [](const S&, const GraphItem& g) {
         EXPECT_EQ(g.GraphType, 23);
         EXPECT_EQ(g.CoordType, 1);
         EXPECT_EQ(g.ExpressX, "0");
         EXPECT_EQ(g.ExpressY, "x");
         EXPECT_EQ(g.ExpressZ, "2*x");
         EXPECT_EQ(g.StepU, 1);
         EXPECT_EQ(g.MinU, 0.0f);
         EXPECT_EQ(g.MaxU, 1.0f);
         EXPECT_EQ(g.MinV, -1.0f);
         EXPECT_EQ(g.MaxV, 1.0f);
         EXPECT_EQ(g.StepV, 4);
         EXPECT_EQ(g.FunForm, 2);
         EXPECT_FALSE(g.ShowStep);
         EXPECT_FALSE(g.ShowStem);
         EXPECT_EQ(g.StepWidth, 2);
         EXPECT_EQ(g.StemHeadSize, 2);
         EXPECT_EQ(g.StemHeadSymbol, 1);
         EXPECT_EQ(g.StemBodyWidth, 2);
         EXPECT_EQ(g.LineWidth, 2);
         EXPECT_EQ(g.StepColor, static_cast<int32_t>(0x80000002u));
         EXPECT_EQ(g.LineColor, static_cast<int32_t>(0x80000002u));
         EXPECT_EQ(g.StemHeadColor, 0xC0);
         EXPECT_EQ(g.StemBodyColor, 0xC00000);
         EXPECT_EQ(g.FillStyle, 4);
         EXPECT_EQ(g.Material, 4);
       }},
      {"decimal comma", [&](S& s) { filled(s), s.minX = "-0,5"; }, nullptr,
       [](const S& s, const GraphItem& g) {
         EXPECT_EQ(s.minX, "-0.5");
         EXPECT_EQ(g.MinV, -0.5f);
       }},
      {"segments 4.5", [&](S& s) { filled(s), s.segments = "4.5"; }, nullptr,
       [](const S&, const GraphItem& g) { EXPECT_EQ(g.StepV, 4); }},
      {"segments 5.5", [&](S& s) { filled(s), s.segments = "5.5"; }, nullptr,
       [](const S&, const GraphItem& g) { EXPECT_EQ(g.StepV, 6); }},
      {"typed widths", [&](S& s) { filled(s), s.stepWidth = "3.6", s.stemBodyWidth = "abc"; }, nullptr,
       [](const S&, const GraphItem& g) {
         EXPECT_EQ(g.StepWidth, 4);
         EXPECT_EQ(g.LineWidth, 4);
         EXPECT_EQ(g.StemBodyWidth, 0);
       }},
      {"flags, symbol and colours",
       [&](S& s) {
         filled(s), s.showStep = true, s.showStem = true, s.stemHeadSymbolIndex = 5;
         s.stepColour = 0x00FF00, s.stemHeadColour = 0x0000FF, s.stemBodyColour = 0xFF0000;
       },
       nullptr,
       [](const S&, const GraphItem& g) {
         EXPECT_TRUE(g.ShowStep);
         EXPECT_TRUE(g.ShowStem);
         EXPECT_EQ(g.StemHeadSymbol, 6);
         EXPECT_EQ(g.StepColor, 0x00FF00);
         EXPECT_EQ(g.LineColor, 0x00FF00);
         EXPECT_EQ(g.StemHeadColor, 0x0000FF);
         EXPECT_EQ(g.StemBodyColor, 0xFF0000);
       }},
  };
  for (const Case& c : cases) {
    S s = StepStemPresetForCreate(false);
    c.type(s);
    StepStemAcceptOutcome out = AcceptStepStemDialog(s, 7);
    if (c.message) {
      ASSERT_TRUE(out.refusal) << c.name;
      EXPECT_EQ(out.refusal->text, c.message) << c.name;
      EXPECT_EQ(out.refusal->title, c.message == invalid ? "出错" : "注意") << c.name;
      EXPECT_FALSE(out.graphModeSet) << c.name;
    } else {
      ASSERT_FALSE(out.refusal) << c.name << ": " << out.refusal->text;
      EXPECT_TRUE(out.graphModeSet) << c.name;
      EXPECT_EQ(out.item->ID, 7) << c.name;
      c.check(s, *out.item);
    }
  }
}

TEST(StepStemDialogOk, TheDocumentBecomes2DOnceTheFieldsPass) {
  ResetGlobals();
  ResetSceneGlobals();
  ScopedMessageRecorder rec;
  FakeHost host;
  const EditLineText line = [](const GraphItem&) { return std::string("line"); };
  GraphMode = 3;
  StepStemDialogState s = StepStemPresetForCreate(false);
  EXPECT_FALSE(StepStemCommandOk(s, line, host));  // refused: nothing changes
  EXPECT_EQ(GraphMode, 3);
  s.function = "log(x-5)", s.minX = "-3", s.maxX = "3", s.segments = "12";
  EXPECT_FALSE(StepStemCommandOk(s, line, host));  // sampling fails
  EXPECT_EQ(GraphMode, 1);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  s.function = "sin(x)";
  EXPECT_TRUE(StepStemCommandOk(s, line, host));
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 2);
  ResetGlobals();
  ResetSceneGlobals();
}
