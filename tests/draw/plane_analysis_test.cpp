// The analysis of a 2D curve: exact report lines and overlays for curves whose values are
// exact in binary, and checks against closed forms (extrema of sin x, inflection of x^3,
// curvature of a circle).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/globals.h"
#include "draw/plane_analysis.h"
#include "lambda_functions.h"

using namespace curvanta;
using curvanta::testing_support::ExplicitOptions;
using curvanta::testing_support::LambdaCurve;

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Outcome {
  std::string text;
  std::vector<PlaneDrawOp> ops;
};

Outcome Analyse(const PlaneAnalysisOptions& o, LambdaCurve& c) {
  Outcome r;
  ReportBuilder b(r.text);
  RunPlaneAnalysis(o, c, b, r.ops);
  return r;
}

LambdaCurve Square() {
  LambdaCurve c;
  c.yOf = [](double x) { return x * x; };
  c.dy = [](double x) { return 2 * x; };
  c.d2y = [](double) { return 2.0; };
  c.dq = [](double) { return 2.0; };
  return c;
}

LambdaCurve Identity() {
  LambdaCurve c;
  c.yOf = [](double x) { return x; };
  c.dy = [](double) { return 1.0; };
  c.d2y = [](double) { return 0.0; };
  c.dq = [](double) { return 0.0; };
  return c;
}

struct TextCase {
  const char* name;
  std::function<Outcome()> run;
  std::string expected;
};

TEST(PlaneAnalysis, ReportTextTable) {
  ResetGlobals();
  const std::string E = "\r\n";
  const std::vector<TextCase> cases = {
      {"minimum of x^2-0.75x",
       [] {
         LambdaCurve c;
         c.yOf = [](double x) { return x * x - 0.75 * x; };
         c.dy = [](double x) { return 2 * x - 0.75; };
         auto o = ExplicitOptions(c, 0, 1, 4);
         o.showMax = o.showMin = true;
         return Analyse(o, c);
       },
       "    极小值： x=0.375, y=-0.140625" + E + E},
      {"tangent, normal and curvature of x^2",
       [] {
         LambdaCurve c = Square();
         auto o = ExplicitOptions(c, -2, 2, 8);
         o.showQie = o.showNml = o.showCurv = true;
         o.qieX = {1};
         o.nmlX = {1};
         o.curvX = {0, 1};
         return Analyse(o, c);
       },
       "  切线：" + E + "    切点： x=1, y=1" + E + "      斜率： 2" + E + E + "  法线：" + E +
           "    位置： x=1, y=1" + E + "      斜率： -0.5" + E + E + "    曲率圆：" + E +
           "      位置： x=0, y=0" + E + "        曲率： 2" + E + "        曲率圆的半径： 0.5" + E +
           "        曲率圆的圆心： x=0, y=0.5" + E + "      位置： x=1, y=1" + E +
           "        曲率： 0.1788854" + E + "        曲率圆的半径： 5.59017" + E +
           "        曲率圆的圆心： x=-4, y=3.5" + E},
      {"horizontal tangent: normal slope -1E+07",
       [] {
         LambdaCurve c = Square();
         auto o = ExplicitOptions(c, -2, 2, 8);
         o.showQie = o.showNml = true;
         o.qieX = {0};
         o.nmlX = {0};
         return Analyse(o, c);
       },
       "  切线：" + E + "    切点： x=0, y=0" + E + "      斜率： 0" + E + E + "  法线：" + E +
           "    位置： x=0, y=0" + E + "      斜率： -1E+07" + E + E},
      {"curvature where f'' = 0 uses 0.0001",
       [] {
         LambdaCurve c = Identity();
         auto o = ExplicitOptions(c, -2, 2, 8);
         o.showCurv = true;
         o.curvX = {0};
         return Analyse(o, c);
       },
       "    曲率圆：" + E + "      位置： x=0, y=0" + E + "        曲率： 3.535534E-05" + E +
           "        曲率圆的半径： 28284.27" + E + "        曲率圆的圆心： x=-20000, y=20000" + E},
      {"inflection of x^3-2.25x^2",
       [] {
         LambdaCurve c;
         c.yOf = [](double x) { return x * x * x - 2.25 * x * x; };
         c.dy = [](double x) { return 3 * x * x - 4.5 * x; };
         c.d2y = [](double x) { return 6 * x - 4.5; };
         auto o = ExplicitOptions(c, 0, 1.5, 3);
         o.showGuai = true;
         return Analyse(o, c);
       },
       "    拐点： x=0.75, y=-0.84375" + E + E},
      {"arc length, and one that cannot be computed",
       [] {
         LambdaCurve c = Identity();
         c.arcLength = [](float a, float b) -> std::optional<float> {
           if (a == 5) return std::nullopt;
           return static_cast<float>((double(b) - double(a)) * std::sqrt(2.0));
         };
         auto o = ExplicitOptions(c, -2, 2, 8);
         o.showLen = true;
         o.lenFrom = 1;
         o.lenTo = 0;
         Outcome r = Analyse(o, c);
         o.lenFrom = 5;
         o.lenTo = 6.5f;
         Outcome failed = Analyse(o, c);
         r.text += failed.text;
         return r;
       },
       "    弧长： 从 1 到 0 长度为 -1.414214" + E + E + "    弧长： 从 5 到 6.5 无法计算" + E + E},
      {"groups with no positions keep their headings",
       [] {
         LambdaCurve c = Square();
         auto o = ExplicitOptions(c, -2, 2, 8);
         o.showQie = o.showNml = o.showCurv = true;
         return Analyse(o, c);
       },
       "  切线：" + E + E + "  法线：" + E + E + "    曲率圆：" + E},
      {"derivative never reaches the axis",
       [] {
         LambdaCurve c = Identity();
         auto o = ExplicitOptions(c, 0.5, 2, 6);
         o.showMax = true;
         return Analyse(o, c);
       },
       E},
      {"constant: every segment on the axis, no extremum",
       [] {
         LambdaCurve c;
         c.yOf = [](double) { return 2.0; };
         c.dy = [](double) { return 0.0; };
         auto o = ExplicitOptions(c, -1, 1, 4);
         o.showMax = o.showMin = true;
         return Analyse(o, c);
       },
       E},
      {"zero on a sample abscissa is listed once",
       [] {
         LambdaCurve c = Square();
         auto o = ExplicitOptions(c, -1, 1, 4);
         o.showMin = true;
         return Analyse(o, c);
       },
       "    极小值： x=0, y=0" + E + E},
      {"a crossing through which x^3 keeps rising is neither",
       [] {
         LambdaCurve c;
         c.yOf = [](double x) { return x * x * x; };
         c.dy = [](double x) { return 3 * x * x; };
         auto o = ExplicitOptions(c, -1, 1, 4);
         o.showMax = o.showMin = true;
         return Analyse(o, c);
       },
       E},
      {"first derivatives that do not parse: nothing",
       [] {
         LambdaCurve c = Square();
         c.firstOk = false;
         auto o = ExplicitOptions(c, -1, 1, 4);
         o.showMin = o.showQie = true;
         o.qieX = {1};
         return Analyse(o, c);
       },
       ""},
      {"second derivatives that do not parse keep what came before",
       [] {
         LambdaCurve c = Square();
         c.secondOk = false;
         auto o = ExplicitOptions(c, -1, 1, 4);
         o.showQie = o.showGuai = o.showCurv = true;
         o.qieX = {1};
         o.curvX = {1};
         return Analyse(o, c);
       },
       "  切线：" + E + "    切点： x=1, y=1" + E + "      斜率： 2" + E + E},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.run().text, c.expected) << c.name;
  }
}

TEST(PlaneAnalysis, TangentNormalAndCircleGeometry) {
  LambdaCurve c = Square();
  auto o = ExplicitOptions(c, -2, 2, 8);
  o.showQie = o.showNml = o.showCurv = true;
  o.qieX = {1};
  o.nmlX = {1};
  o.curvX = {1};
  o.qieLook = {255, 3};
  o.nmlLook = {65280, 2};
  o.curvLook = {16711680, 4};
  Outcome r = Analyse(o, c);
  ASSERT_EQ(r.ops.size(), 2u + 41u);
  const PlaneDrawOp& t = r.ops[0];
  EXPECT_NEAR(t.x1, 0.6422291, 1e-6);
  EXPECT_NEAR(t.y1, 0.2844582, 1e-6);
  EXPECT_NEAR(t.x2, 1.357771, 1e-6);
  EXPECT_NEAR(t.y2, 1.715542, 1e-6);
  EXPECT_EQ(t.color, 255);
  EXPECT_EQ(t.widthOrSize, 3);
  const PlaneDrawOp& n = r.ops[1];
  EXPECT_NEAR(n.x1, 1.447214, 1e-6);
  EXPECT_NEAR(n.y1, 0.7763932, 1e-6);
  EXPECT_NEAR(n.x2, 0.5527864, 1e-6);
  EXPECT_NEAR(n.y2, 1.223607, 1e-6);
  // 40 pieces of the circle about (-4, 3.5), radius 5.59017, then the radius to the point.
  for (int i = 2; i < 42; ++i) {
    EXPECT_NEAR(std::hypot(r.ops[i].x1 + 4, r.ops[i].y1 - 3.5), 5.59017, 1e-4);
    if (i < 41) {
      EXPECT_EQ(r.ops[i].x2, r.ops[i + 1].x1);
    }
  }
  const PlaneDrawOp& radius = r.ops[42];
  EXPECT_EQ(radius.x1, 1);
  EXPECT_EQ(radius.y1, 1);
  EXPECT_FLOAT_EQ(radius.x2, -4);
  EXPECT_FLOAT_EQ(radius.y2, 3.5);
  EXPECT_EQ(radius.widthOrSize, 4);
}

TEST(PlaneAnalysis, ParametricCircleVerticalTangentAndCurvature) {
  LambdaCurve c;
  c.xOf = [](double u) { return std::cos(u); };
  c.yOf = [](double u) { return std::sin(u); };
  c.dx = [](double u) { return -std::sin(u); };
  c.dy = [](double u) { return std::cos(u); };
  c.dq = [](double u) { return 1 / (std::sin(u) * std::sin(u)); };
  PlaneAnalysisOptions o;
  o.funForm = 3;
  o.showQie = o.showNml = o.showCurv = o.showMax = o.showGuai = true;
  o.qieX = {0};
  o.nmlX = {0};
  o.curvX = {1};
  Outcome r = Analyse(o, c);
  const std::string E = "\r\n";
  // No point lines for parametric curves, no extrema or inflections; "∞" for a vertical tangent.
  EXPECT_EQ(r.text.substr(0, r.text.find("    曲率圆：")),
            "  切线：" + E + "      斜率： ∞" + E + E + "  法线：" + E + "      斜率： 0" + E + E);
  const PlaneDrawOp& toCentre = r.ops.back();  // curvature circle at u = 1: centre 0, radius 1
  EXPECT_NEAR(toCentre.x2, 0, 1e-5);
  EXPECT_NEAR(toCentre.y2, 0, 1e-5);
  EXPECT_NEAR(std::hypot(toCentre.x1, toCentre.y1), 1, 1e-6);
  ASSERT_GE(r.ops.size(), 2u);
  EXPECT_NEAR(r.ops[0].x1, 1, 1e-6);  // vertical tangent through (1, 0)
  EXPECT_NEAR(r.ops[0].x2, 1, 1e-6);
  EXPECT_NEAR(r.ops[0].y1, -0.8, 1e-6);
  EXPECT_NEAR(r.ops[0].y2, 0.8, 1e-6);
  EXPECT_NEAR(r.ops[1].y1, 0, 1e-6);  // horizontal normal
  EXPECT_NEAR(r.ops[1].y2, 0, 1e-6);
  EXPECT_NEAR(std::fabs(r.ops[1].x1 - r.ops[1].x2), 1, 1e-6);
}

TEST(PlaneAnalysis, PolarTangentFollowsTheDirectionVector) {
  LambdaCurve c;  // r = 1
  c.yOf = [](double) { return 1.0; };
  c.dy = [](double) { return 0.0; };
  PlaneAnalysisOptions o;
  o.coordType = 2;
  o.showQie = o.showCurv = o.showMax = true;
  o.qieX = {0, static_cast<float>(kPi / 4)};
  Outcome r = Analyse(o, c);
  const std::string E = "\r\n";
  // Only tangents apply: no curvature or extremum sections for explicit polar items.
  EXPECT_EQ(r.text.substr(0, r.text.find("    切点： a=0.78")),
            "  切线：" + E + "    切点： a=0, r=1" + E + "      斜率： ∞" + E);
  ASSERT_EQ(r.ops.size(), 2u);
  EXPECT_NEAR((r.ops[1].y2 - r.ops[1].y1) / (r.ops[1].x2 - r.ops[1].x1), -1, 1e-6);
  EXPECT_NEAR(r.ops[0].x1, 1, 1e-6);
  EXPECT_NEAR(r.ops[0].x2, 1, 1e-6);
}

TEST(PlaneAnalysis, FailedValuesSkipThePosition) {
  LambdaCurve c;
  c.yOf = [](double x) { return std::log(x); };  // NaN below 0: a failed value
  c.dy = [](double x) { return 1 / x; };
  c.d2y = [](double x) { return -1 / (x * x); };
  auto o = ExplicitOptions(c, 0.5, 3, 5);
  o.showQie = o.showNml = o.showCurv = true;
  o.qieX = {-1, 1};
  o.nmlX = {-1};
  o.curvX = {-2};
  Outcome r = Analyse(o, c);
  const std::string E = "\r\n";
  EXPECT_EQ(r.text, "  切线：" + E + "    切点： x=1, y=0" + E + "      斜率： 1" + E + E + "  法线：" +
                        E + E + "    曲率圆：" + E);
  EXPECT_EQ(r.ops.size(), 1u);
}

TEST(PlaneAnalysis, SectionsByFormAndCoordinateSystem) {
  struct Row {
    int graphType, funForm, coordType;
    bool extrema, arc, tangents, curvature;
  };
  const Row rows[] = {
      {0, 2, 1, true, true, true, true},     {9, 2, 1, false, true, true, true},
      {20, 2, 1, false, true, true, true},   {23, 2, 1, false, true, true, true},
      {0, 2, 2, false, true, true, false},   {0, 3, 1, false, true, true, true},
      {0, 3, 2, false, false, false, false}, {0, 1, 1, false, false, false, false},
  };
  for (const Row& r : rows) {
    const AnalysisSections s = SectionsFor(r.graphType, r.funForm, r.coordType);
    EXPECT_EQ(s.extrema, r.extrema) << r.graphType << " " << r.funForm << " " << r.coordType;
    EXPECT_EQ(s.arcLength, r.arc);
    EXPECT_EQ(s.tangents, r.tangents);
    EXPECT_EQ(s.curvature, r.curvature);
  }
}

}  // namespace
