// OK of the strip dialog: its messages in their order, what each field becomes in the
// built item, and what OK leaves behind when it stops.
#include <gtest/gtest.h>

#include <functional>

#include "common/globals.h"
#include "dialogs/function/strip_accept.h"
#include "dialogs/function/strip_ok.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

namespace {

// A still explicit Cartesian strip that OK accepts.
StripDialogState Filled(bool polar = false, bool animated = false) {
  StripDialogState s = StripPresetForCreate(polar, animated, 10);
  s.expression = "sin(x)";
  s.minimum = "-3";
  s.maximum = "3";
  s.segments = "60";
  if (animated) {
    s.minT = "0";
    s.maxT = "1";
  }
  return s;
}

void Parametric(StripDialogState& s) {
  s.form = 1;
  StripFormChosen(s);
  s.expression = "cos(u)";
  s.secondExpression = "sin(u)";
}

TEST(StripAccept, MessagesInTheirOrder) {
  struct Case {
    const char* what;
    bool animated;
    std::function<void(StripDialogState&)> change;
    const char* text;  // nullptr: accepted
    const char* title;
  };
  const char* invalid = "存在不合法的表达式或数值";
  const char* missing = "请输入所有必需的参数";
  const Case cases[] = {
      {"accepted", false, [](StripDialogState&) {}, nullptr, nullptr},
      {"empty expression before empty ranges", false,
       [](StripDialogState& s) { s.expression = s.minimum = s.maximum = s.segments = ""; },
       invalid, "出错"},
      {"every range field empty", false,
       [](StripDialogState& s) { s.minimum = s.maximum = s.segments = ""; }, missing, "注意"},
      {"letter in a range", false, [](StripDialogState& s) { s.maximum = "3x"; }, invalid, "出错"},
      {"hidden second expression not filtered", false,
       [](StripDialogState& s) { s.secondExpression = "#"; }, nullptr, nullptr},
      {"segment count not filtered", false, [](StripDialogState& s) { s.segments = "3,5"; },
       nullptr, nullptr},
      {"one segment", false, [](StripDialogState& s) { s.segments = "1"; }, "段数 x 必须大于 1",
       "注意"},
      {"segments before range", false,
       [](StripDialogState& s) {
         s.segments = "abc";
         s.minimum = "5";
       },
       "段数 x 必须大于 1", "注意"},
      {"equal ends", false, [](StripDialogState& s) { s.minimum = s.maximum = "2"; },
       "最小 x 必须小于最大 x", "注意"},
      {"polar keeps the x wording", false,
       [](StripDialogState& s) {
         s.coordSystem = 1;
         StripSystemChosen(s);
         s.segments = "0";
       },
       "段数 x 必须大于 1", "注意"},
      {"parametric segments", false,
       [](StripDialogState& s) {
         Parametric(s);
         s.segments = "1";
       },
       "段数 u 必须大于 1", "注意"},
      {"parametric range", false,
       [](StripDialogState& s) {
         Parametric(s);
         s.minimum = "4";
       },
       "最小 u 必须小于最大 u", "注意"},
      {"parametric empty second coordinate", false,
       [](StripDialogState& s) {
         Parametric(s);
         s.secondExpression = "";
       },
       invalid, "出错"},
      {"parametric blank second coordinate", false,
       [](StripDialogState& s) {
         Parametric(s);
         s.secondExpression = "   ";
       },
       missing, "注意"},
      {"float overflow", false, [](StripDialogState& s) { s.maximum = "1" + std::string(60, '0'); },
       invalid, "出错"},
      {"t steps", true, [](StripDialogState& s) { s.stepsT = "1"; }, "段数 t 必须大于 1", "注意"},
      {"t steps before the required check", true,
       [](StripDialogState& s) {
         s.stepsT = "0";
         s.segments = "";
       },
       "段数 t 必须大于 1", "注意"},
      {"t range empty", true, [](StripDialogState& s) { s.maxT = ""; }, missing, "注意"},
      {"t range reversed", true, [](StripDialogState& s) { s.minT = "2"; },
       "最小 t 必须小于最大 t", "注意"},
      {"t ends equal once stored as 32-bit floats", true,
       [](StripDialogState& s) {
         s.minT = "1";
         s.maxT = "1.00000001";
       },
       "最小 t 必须小于最大 t", "注意"},
      {"t ends one float step apart", true,
       [](StripDialogState& s) {
         s.minT = "1";
         s.maxT = "1.0000002";
       },
       nullptr, nullptr},
      {"t end beyond the float range", true,
       [](StripDialogState& s) { s.maxT = "1" + std::string(60, '0'); }, invalid, "出错"},
      {"animated accepted", true, [](StripDialogState&) {}, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StripDialogState s = Filled(false, c.animated);
    c.change(s);
    const StripAcceptOutcome out = StripAccept(s, 7);
    if (!c.text) {
      EXPECT_FALSE(out.refusal) << out.refusal->text;
      EXPECT_TRUE(out.item);
      continue;
    }
    ASSERT_TRUE(out.refusal);
    EXPECT_EQ(out.refusal->text, c.text);
    EXPECT_EQ(out.refusal->title, c.title);
    EXPECT_EQ(out.refusal->icon, std::string(c.title) == "出错" ? MsgIcon::Error : MsgIcon::Exclamation);
    EXPECT_FALSE(out.item);
  }
}

TEST(StripAccept, FieldsBecomeTheStrip) {
  struct Case {
    bool polar, parametric, animated;
    int32_t graphType, coordType, funForm;
    const char* expY;
    const char* expZ;
  };
  const Case cases[] = {
      {false, false, false, 3, 1, 2, "x", "sin(x)"},
      {true, false, false, 3, 2, 2, "a", "sin(x)"},
      {false, true, false, 3, 1, 3, "cos(u)", "sin(u)"},
      {true, true, true, 10, 2, 3, "cos(u)", "sin(u)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.graphType * 10 + c.coordType);
    StripDialogState s = Filled(c.polar, c.animated);
    if (c.parametric) Parametric(s);
    s.name = "band";
    s.minimum = "-1,5";  // a decimal comma
    s.segments = "2.5";  // halves to even
    s.look.model = 2;
    s.look.smoothness = 1;
    s.look.material = 13;
    const auto out = StripAccept(s, 7);
    ASSERT_TRUE(out.item);
    const GraphItem& g = *out.item;
    EXPECT_EQ(s.minimum, "-1.5");  // the cleaned text is written back
    EXPECT_EQ(g.ID, 7);
    EXPECT_EQ(g.NameS, "band");
    EXPECT_EQ(g.GraphType, c.graphType);
    EXPECT_EQ(g.CoordType, c.coordType);
    EXPECT_EQ(g.FunForm, c.funForm);
    EXPECT_EQ(g.ExpressX, "0");
    EXPECT_EQ(g.ExpressY, c.expY);
    EXPECT_EQ(g.ExpressZ, c.expZ);
    EXPECT_EQ(g.StepU, 1);
    EXPECT_EQ(g.MinU, 0.0f);
    EXPECT_EQ(g.MaxU, 3.0f);
    EXPECT_EQ(g.StepV, 2);
    EXPECT_EQ(g.MinV, -1.5f);
    EXPECT_EQ(g.MaxV, 3.0f);
    EXPECT_EQ(g.LineColor, 1);
    EXPECT_EQ(g.LineWidth, 1);
    EXPECT_EQ(g.Material, 13);
    EXPECT_EQ(g.Show, 2);
    EXPECT_EQ(g.Smoothness, 1);
    EXPECT_EQ(g.Animation, c.animated);
    EXPECT_EQ(out.playbackEnabled, c.animated);
    EXPECT_FALSE(g.ShowContour || g.ShowVector || g.ShowColormap);
    if (c.animated) {
      EXPECT_EQ(g.MinT, 0.0f);
      EXPECT_EQ(g.MaxT, 1.0f);
    }
  }
}

TEST(StripAccept, FillStylesAndColours) {
  struct Case {
    int32_t fill;
    int32_t first, second;
  };
  // Swatches: first 0x010203, second 0x040506, single 0x070809.
  const Case cases[] = {{1, 0x010203, 0x040506},
                        {2, 0x010203, 0x040506},
                        {3, 0x010203, 0x040506},
                        // The single colour keeps the first swatch's colour as FirstColor.
                        {4, 0x010203, 0x070809}};
  for (const Case& c : cases) {
    StripDialogState s = Filled();
    s.look.fillStyle = c.fill;
    s.look.firstColour = 0x010203;
    s.look.secondColour = 0x040506;
    s.look.singleColour = 0x070809;
    const auto out = StripAccept(s, 1);
    ASSERT_TRUE(out.item);
    EXPECT_EQ(out.item->FillStyle, c.fill);
    EXPECT_EQ(out.item->FirstColor, c.first);
    EXPECT_EQ(out.item->SecondColor, c.second);
  }
}

TEST(StripAccept, EditLineTexts) {
  struct Case {
    int32_t graphType, coordType, funForm;
    const char* line;
  };
  const Case cases[] = {
      {3, 1, 2, "二维半条带  y=Z"},
      {3, 2, 2, "二维半条带  r=Z"},
      {3, 1, 3, "二维半条带  x=Y, y=Z"},
      {3, 2, 3, "二维半条带  a=Y, r=Z"},
      {10, 1, 2, "二维半条带动画  y=Z"},
      {10, 1, 3, "二维半条带动画  x=Y, y=Z"},
      {10, 2, 3, "二维半条带动画  a=Y, r=Z"},
  };
  for (const Case& c : cases) {
    GraphItem g;
    g.GraphType = c.graphType;
    g.CoordType = c.coordType;
    g.FunForm = c.funForm;
    g.ExpressY = "Y";
    g.ExpressZ = "Z";
    EXPECT_EQ(StripEditLineText(g), c.line);
  }
}

// OK through the protocol: a refused t range enables playback and adds nothing; a strip
// whose sampling fails leaves both scenes as they were.
TEST(StripAccept, ProtocolLeavesPlaybackAndScenes) {
  ResetGlobals();
  ResetSceneGlobals();
  ScopedMessageRecorder rec;
  FakeHost host;
  StripDialogState s = Filled(false, true);
  s.minT = "3";
  EXPECT_FALSE(StripCommandOk(s, host));
  EXPECT_EQ(host.playbackEnabled, 1);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "最小 t 必须小于最大 t");

  StripDialogState bad = Filled();
  bad.expression = "sqr(x-10)";  // the square root of a negative number
  EXPECT_FALSE(StripCommandOk(bad, host));
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);
  EXPECT_EQ(GraphMode, 1);  // the strip dialog never sets the document kind

  StripDialogState good = Filled();
  EXPECT_TRUE(StripCommandOk(good, host));
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1), ViewScene.FunSurfs.Item(1));
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 2);  // the failed strip's ID is not reused
  ResetGlobals();
  ResetSceneGlobals();
}

}  // namespace
