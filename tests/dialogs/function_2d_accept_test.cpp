// OK of the 2D function dialog: filter order, checks of each form and the built item.
#include <gtest/gtest.h>

#include "dialogs/function/function_2d_accept.h"

using namespace curvanta;

namespace {

Function2DDialogState Explicit(const std::string& f, const std::string& lo, const std::string& hi,
                 const std::string& segments, bool polar = false) {
  Function2DDialogState s = Function2DPresetForCreate(polar, false, 10);
  s.expression = f;
  s.minX = lo;
  s.maxX = hi;
  s.segmentsX = segments;
  return s;
}

void Form(Function2DDialogState& s, int form) {
  s.formIndex = form;
  ApplyForm(s);
}

std::string RefusalOf(Function2DDialogState s) {
  auto out = Function2DAccept(s, 1);
  return out.refusal ? out.refusal->text : std::string("accepted");
}

TEST(Function2DAccept, RefusalsInTheirOrder) {
  struct Case {
    const char* what;
    Function2DDialogState state;
    const char* expected;
  };
  auto parametric = Explicit("cos(u)", "1", "0", "10");
  Form(parametric, 1);
  parametric.secondExpression = "sin(u)";
  auto paramSegments = Explicit("cos(u)", "0", "1", "abc");
  Form(paramSegments, 1);
  paramSegments.secondExpression = "sin(u)";
  auto implicit = Explicit("x^2+y^2-1", "-1", "1", "");
  Form(implicit, 2);
  auto inequality = implicit;
  Form(inequality, 3);
  auto animated = Function2DPresetForCreate(false, true, 1);
  animated.expression = "sin(x+t)";
  animated.minX = "0";
  animated.segmentsX = "10";
  animated.minT = "0";
  animated.maxT = "1";
  auto tRange = animated;
  tRange.segmentsT = "10";
  tRange.maxX = "1";
  tRange.maxT = "0";
  auto tEqualOnceStored = tRange;  // both ends are stored as 1.0f
  tEqualOnceStored.minT = "1";
  tEqualOnceStored.maxT = "1.00000001";
  auto tNextFloat = tEqualOnceStored;
  tNextFloat.maxT = "1.0000002";
  auto integral = Explicit("x", "0", "1", "10");
  integral.integral.from = "1/2";
  auto integralDisabled = integral;
  Form(integralDisabled, 1);
  integralDisabled.secondExpression = "u";
  auto tooManySegments = Explicit("x", "0", "1", "1e20");
  auto bigWidth = Explicit("x", "0", "1", "10");
  bigWidth.curve.width = "99999999999";
  auto bigRange = Explicit("x", "0", std::string(45, '9'), "10");
  auto tooMany = Explicit("x", "0", "1", "10");
  tooMany.tangentPositions.entries.assign(51, "1");

  const Case cases[] = {
      {"empty expression", Explicit("", "0", "1", "10"), "存在不合法的表达式或数值"},
      {"bad character", Explicit("sin(x)$", "0", "1", "10"), "存在不合法的表达式或数值"},
      {"empty range field", Explicit("x", "", "1", "10"), "请输入所有必需的参数"},
      {"empty segment field", Explicit("x", "0", "1", ""), "请输入所有必需的参数"},
      {"equal ends", Explicit("x", "0", "0", "10"), "最小 x 必须小于最大 x"},
      {"polar equal ends", Explicit("x", "2", "2", "10", true), "最小 x 必须小于最大 x"},
      {"parametric ends", parametric, "最小 u 必须小于最大 u"},
      {"one segment", Explicit("x", "0", "1", "1"), "段数 x 必须大于 1"},
      {"parametric segments", paramSegments, "段数 u 必须大于 1"},
      {"implicit empty second range", implicit, "最小 y 必须小于最大 y"},
      {"inequality empty second range", inequality, "请输入所有必需的参数"},
      {"t segments before missing fields", animated, "段数 t 必须大于 1"},
      {"t range", tRange, "最小 t 必须小于最大 t"},
      {"t ends equal once stored", tEqualOnceStored, "最小 t 必须小于最大 t"},
      {"t ends one float apart", tNextFloat, "accepted"},
      {"enabled option filtered", integral, "存在不合法的表达式或数值"},
      {"disabled option not filtered", integralDisabled, "accepted"},
      {"segments beyond 32 bits", tooManySegments, "存在不合法的表达式或数值"},
      {"width beyond 32 bits", bigWidth, "存在不合法的表达式或数值"},
      {"range beyond a float", bigRange, "存在不合法的表达式或数值"},
      {"51 positions", tooMany, "最多只能添加 50 个位置"},
  };
  for (const auto& c : cases) EXPECT_EQ(RefusalOf(c.state), c.expected) << c.what;
}

TEST(Function2DAccept, FilteredTextsAreWrittenBackUpToTheFailure) {
  auto s = Explicit("sin( x )", "0,5", "1x", "10");
  auto out = Function2DAccept(s, 1);
  ASSERT_TRUE(out.refusal);
  EXPECT_EQ(out.refusal->title, "出错");
  EXPECT_EQ(out.refusal->icon, curvanta::MsgIcon::Error);
  EXPECT_FALSE(out.graphModeSet);
  EXPECT_EQ(s.expression, "sin(x)");
  EXPECT_EQ(s.minX, "0.5");
  EXPECT_EQ(s.maxX, "1x");

  auto late = Explicit("x", "0", "0", "10");
  out = Function2DAccept(late, 1);
  EXPECT_TRUE(out.graphModeSet);
  EXPECT_EQ(out.refusal->title, "注意");
  EXPECT_EQ(out.refusal->icon, curvanta::MsgIcon::Exclamation);

  auto tRange = Function2DPresetForCreate(false, true, 10);
  tRange.expression = "x";
  tRange.minX = "0";
  tRange.maxX = "1";
  tRange.segmentsX = "9";
  tRange.minT = "1";
  tRange.maxT = "1";
  out = Function2DAccept(tRange, 1);
  EXPECT_TRUE(out.playbackEnabled);
  EXPECT_FALSE(out.item);
}

TEST(Function2DAccept, ExplicitCartesianItem) {
  auto s = Explicit("sin(x)", "-3", "3", "100");
  auto out = Function2DAccept(s, 7);
  ASSERT_FALSE(out.refusal) << out.refusal->text;
  const GraphItem& g = *out.item;
  EXPECT_EQ(g.ID, 7);
  EXPECT_EQ(g.NameS, "Untitled");
  EXPECT_EQ(g.GraphType, 0);
  EXPECT_EQ(g.CoordType, 1);
  EXPECT_EQ(g.FunForm, 2);
  EXPECT_EQ(g.ExpressX, "0");
  EXPECT_EQ(g.ExpressY, "x");
  EXPECT_EQ(g.ExpressZ, "sin(x)");
  EXPECT_EQ(g.StepU, 1);
  EXPECT_EQ(g.StepV, 100);
  EXPECT_EQ(g.MinU, 0.0f);
  EXPECT_EQ(g.MaxU, 1.0f);
  EXPECT_EQ(g.MinV, -3.0f);
  EXPECT_EQ(g.MaxV, 3.0f);
  EXPECT_EQ(g.FillStyle, 4);
  EXPECT_EQ(g.FirstColor, 0xFF0000);
  EXPECT_EQ(g.SecondColor, 0xFF0000);
  EXPECT_EQ(g.LineColor, 0xFF0000);
  EXPECT_EQ(g.LineWidth, 1);
  EXPECT_EQ(g.Material, 4);
  EXPECT_EQ(g.Show, 2);
  EXPECT_EQ(g.Smoothness, 2);
  EXPECT_EQ(g.contourlevel, 0);
  EXPECT_TRUE(g.Show2DCurve);
  EXPECT_FALSE(g.Animation);
  EXPECT_EQ(g.MaxSize, 2);
  EXPECT_EQ(g.MaxSymbol, 1);
  EXPECT_EQ(g.InvColor, 0x0000FF);
  EXPECT_EQ(Function2DEditLineText(g), "二维曲线  y=sin(x)");
}

TEST(Function2DAccept, SegmentCountsRoundHalfToEven) {
  for (auto [text, steps] : {std::pair{"2.5", 2}, {"3.5", 4}, {"3,5", 3}}) {
    auto s = Explicit("x", "0", "1", text);
    auto out = Function2DAccept(s, 1);
    ASSERT_TRUE(out.item) << text;
    EXPECT_EQ(out.item->StepV, steps) << text;
  }
}

TEST(Function2DAccept, FormsMapOntoTheItem) {
  auto param = Explicit("cos(u)", "0", "6.3", "50");
  Form(param, 1);
  param.secondExpression = "sin(u)";
  auto out = Function2DAccept(param, 1);
  ASSERT_TRUE(out.item);
  EXPECT_EQ(out.item->FunForm, 3);
  EXPECT_EQ(out.item->ExpressY, "cos(u)");
  EXPECT_EQ(out.item->ExpressZ, "sin(u)");
  EXPECT_EQ(Function2DEditLineText(*out.item), "二维曲线  x=cos(u), y=sin(u)");

  auto implicit = Explicit("a-r", "0", "1", "", true);
  Form(implicit, 2);
  implicit.minY = "0";
  implicit.maxY = "2";
  out = Function2DAccept(implicit, 1);
  ASSERT_TRUE(out.item);
  const GraphItem& g = *out.item;
  EXPECT_EQ(g.FunForm, 1);
  EXPECT_EQ(g.CoordType, 2);
  EXPECT_EQ(g.ExpressY, "a");
  EXPECT_EQ(g.StepU, 0);
  EXPECT_EQ(g.StepV, 0);
  EXPECT_EQ(g.MinU, 0.0f);
  EXPECT_EQ(g.MaxU, 1.0f);
  EXPECT_EQ(g.MinV, 0.0f);
  EXPECT_EQ(g.MaxV, 2.0f);
  EXPECT_EQ(Function2DEditLineText(g), "二维曲线  a-r=0");

  auto inequality = implicit;
  Form(inequality, 3);
  out = Function2DAccept(inequality, 1);
  EXPECT_EQ(out.item->FunForm, 4);
  EXPECT_EQ(Function2DEditLineText(*out.item), "二维不等式  a-r<0");
}

TEST(Function2DAccept, AnalysisOptionsAndPositions) {
  auto s = Explicit("x^3", "-2", "2", "40");
  s.inverse.show = true;
  s.curve.show = false;
  s.integral.show = true;
  s.integral.from = "-1";
  s.integral.to = "0,5";
  s.arcLength.show = true;
  s.arcLength.from = "0";
  s.arcLength.to = "1";
  s.inflections.symbol = 5;
  s.inflections.size = "7";
  s.normal.width = "3";
  s.normal.colour = 0x123456;
  s.curvaturePositions.entries = {"0.5", "-1"};
  s.normalPositions.entries = {"2"};
  auto out = Function2DAccept(s, 1);
  ASSERT_TRUE(out.item);
  const GraphItem& g = *out.item;
  EXPECT_TRUE(g.ShowInverse);
  EXPECT_FALSE(g.Show2DCurve);
  EXPECT_TRUE(g.ShowInt);
  EXPECT_EQ(g.IntFrom, -1.0f);
  EXPECT_EQ(g.IntTo, 0.5f);
  EXPECT_EQ(s.integral.to, "0.5");
  EXPECT_TRUE(g.ShowLen);
  EXPECT_EQ(g.LenTo, 1.0f);
  EXPECT_EQ(g.GuaiSymbol, 6);
  EXPECT_EQ(g.GuaiSize, 7);
  EXPECT_EQ(g.NmlWidth, 3);
  EXPECT_EQ(g.NmlColor, 0x123456);
  EXPECT_EQ(g.CurvNum, 2);
  EXPECT_EQ(g.CurvX(1), 0.5f);
  EXPECT_EQ(g.CurvX(2), -1.0f);
  EXPECT_EQ(g.QieNum, 0);
  EXPECT_EQ(g.NmlNum, 1);
  EXPECT_EQ(g.NmlX(1), 2.0f);
  EXPECT_EQ(s.curvaturePositions.selected, 1);
}

TEST(Function2DAccept, AnimatedItem) {
  auto s = Function2DPresetForCreate(false, true, 10);
  s.expression = "sin(x+t)";
  s.minX = "0";
  s.maxX = "6";
  s.segmentsX = "60";
  s.minT = "0";
  s.maxT = "6,28";
  auto out = Function2DAccept(s, 1);
  ASSERT_TRUE(out.item) << out.refusal->text;
  EXPECT_TRUE(out.playbackEnabled);
  EXPECT_TRUE(out.item->Animation);
  EXPECT_EQ(out.item->GraphType, 9);
  EXPECT_EQ(out.item->MinT, 0.0f);
  EXPECT_EQ(out.item->MaxT, 6.28f);
  EXPECT_EQ(Function2DEditLineText(*out.item), "二维曲线动画  y=sin(x+t)");
}

}  // namespace
