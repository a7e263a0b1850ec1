// The analysis of items' own texts, with the real parser, derivatives and integration:
// exact report text, and extrema, tangents, curvature and arc lengths checked against
// mathematics (finite differences and closed forms).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "draw/item_plane_functions.h"
#include "draw/plane_analysis.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

constexpr double kPi = 3.14159265358979323846;

std::shared_ptr<GraphItem> Curve(const std::string& x, const std::string& y,
                            int32_t form = FormKind::Explicit, int32_t coord = CoordKind::Plane,
                            int32_t kind = GraphKind::Function2D) {
  auto item = GraphItem::Init(1, "", kind, coord, "0", x, y, 1, 1, 0, 1, 0, 1, 4, 0, 0, 255, 2, 4, 2,
                         2, false, false, false, 0);
  item->FunForm = form;
  return item;
}

struct Outcome {
  std::string text;
  std::vector<PlaneDrawOp> ops;
};

// Runs the analysis of the item's texts; derivative samples over [lo, hi] with `steps`
// segments come from the item's own first and second derivative texts.
Outcome Analyse(const GraphItem& item, PlaneAnalysisOptions o, float lo = 0, float hi = 0,
                int steps = 0, float t = 0) {
  ExpressionEngine evaluator;
  ItemPlaneFunctions fns(item, evaluator, t);
  o.graphType = item.GraphType;
  o.coordType = item.CoordType;
  o.funForm = item.FunForm;
  if (steps > 0) {
    EXPECT_TRUE(fns.PrepareFirst());
    EXPECT_TRUE(fns.PrepareSecond());
    o.boxMinX = std::min(lo, 0.0f);
    o.boxMaxX = std::max(hi, 0.0f);
    for (int j = 0; j <= steps; ++j) {
      const float x = static_cast<float>(lo + j * (double(hi) - lo) / steps);
      o.dev1.push_back({x, fns.Evaluate(PlaneFn::D1z, x, 0).value_or(0)});
      o.dev2.push_back({x, fns.Evaluate(PlaneFn::D2z, x, 0).value_or(0)});
    }
  }
  Outcome r;
  ReportBuilder b(r.text);
  RunPlaneAnalysis(o, fns, b, r.ops);
  return r;
}

// The numbers of the report lines that contain `lead`: each value after "=", or the one
// number after the lead.
std::vector<std::vector<double>> Lines(const std::string& text, const std::string& lead) {
  std::vector<std::vector<double>> out;
  size_t pos = 0;
  while ((pos = text.find(lead, pos)) != std::string::npos) {
    const size_t end = text.find("\r\n", pos);
    const std::string line = text.substr(pos + lead.size(), end - pos - lead.size());
    std::vector<double> values;
    for (size_t eq = line.find('='); eq != std::string::npos; eq = line.find('=', eq + 1)) {
      values.push_back(LeadingNumber(std::string_view(line).substr(eq + 1)));
    }
    if (values.empty()) values.push_back(LeadingNumber(line));
    out.push_back(values);
    pos = end;
  }
  return out;
}

class ItemAnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  ScopedMessageRecorder messages;
};

TEST_F(ItemAnalysisTest, ExactExtremumAndInflectionLines) {
  PlaneAnalysisOptions o;
  o.showMax = o.showMin = true;
  EXPECT_EQ(Analyse(*Curve("x", "x^2-0.75*x"), o, 0, 1, 4).text,
            "    极小值： x=0.375, y=-0.140625\r\n\r\n");
  PlaneAnalysisOptions g;
  g.showGuai = true;
  EXPECT_EQ(Analyse(*Curve("x", "x^3-2.25*x^2"), g, 0, 1.5f, 3).text,
            "    拐点： x=0.75, y=-0.84375\r\n\r\n");
}

TEST_F(ItemAnalysisTest, TangentSlopesMatchFiniteDifferences) {
  auto f = [](double x) { return x * std::sin(x) + x * x / 3; };
  PlaneAnalysisOptions o;
  o.showQie = true;
  o.qieX = {-2.5f, -0.7f, 0.4f, 1.9f};
  const Outcome r = Analyse(*Curve("x", "x*sin(x)+x^2/3"), o);
  const auto slopes = Lines(r.text, "斜率： ");
  ASSERT_EQ(slopes.size(), 4u) << r.text;
  ASSERT_EQ(r.ops.size(), 4u);
  for (size_t k = 0; k < 4; ++k) {
    const double p = o.qieX[k], h = 1e-4;
    const double fd = (f(p + h) - f(p - h)) / (2 * h);
    EXPECT_NEAR(slopes[k][0], fd, 1e-4 * (1 + std::fabs(fd))) << p;
    const PlaneDrawOp& t = r.ops[k];
    EXPECT_NEAR((t.y2 - t.y1) / (t.x2 - t.x1), fd, 1e-4 * (1 + std::fabs(fd)));
    EXPECT_NEAR(std::hypot(t.x2 - t.x1, t.y2 - t.y1), 1.6, 1e-6);
    EXPECT_NEAR((t.y1 + t.y2) / 2, f(p), 1e-5);
  }
}

TEST_F(ItemAnalysisTest, CurvatureOfTheUpperHalfCircleIsOne) {
  PlaneAnalysisOptions o;
  o.showCurv = true;
  o.curvX = {-0.6f, -0.2f, 0.0f, 0.5f};
  const Outcome r = Analyse(*Curve("x", "sqr(1-x^2)"), o);
  const auto curvatures = Lines(r.text, "        曲率： ");
  const auto radii = Lines(r.text, "曲率圆的半径： ");
  const auto centres = Lines(r.text, "曲率圆的圆心： ");
  ASSERT_EQ(curvatures.size(), 4u) << r.text;
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(curvatures[k][0], 1, 1e-5);
    EXPECT_NEAR(radii[k][0], 1, 1e-5);
    EXPECT_NEAR(centres[k][0], 0, 1e-5);
    EXPECT_NEAR(centres[k][1], 0, 1e-5);
  }
}

TEST_F(ItemAnalysisTest, ParametricCircleCurvatureAndVerticalTangent) {
  PlaneAnalysisOptions o;
  o.showCurv = o.showQie = true;
  o.qieX = {0};
  o.curvX = {0.4f, 1.0f, 2.5f};
  const Outcome r = Analyse(*Curve("cos(u)", "sin(u)", FormKind::Parametric), o);
  EXPECT_EQ(r.text.substr(0, r.text.find("    曲率圆")), "  切线：\r\n      斜率： ∞\r\n\r\n");
  const auto curvatures = Lines(r.text, "        曲率： ");
  ASSERT_EQ(curvatures.size(), 3u) << r.text;
  for (const auto& k : curvatures) EXPECT_NEAR(k[0], 1, 1e-5);
}

TEST_F(ItemAnalysisTest, ArcLengths) {
  struct Case {
    const char* name;
    std::shared_ptr<GraphItem> item;
    float from, to;
    double expected, tolerance;
  };
  const Case cases[] = {
      {"y = x^2 on [0, 1]", Curve("x", "x^2"), 0, 1, (2 * std::sqrt(5.0) + std::asinh(2.0)) / 4,
       1e-3},
      {"y = x on [0, 1]", Curve("x", "x"), 0, 1, std::sqrt(2.0), 1e-6},
      {"y = x from 1 to 0", Curve("x", "x"), 1, 0, -std::sqrt(2.0), 1e-6},
      {"parametric circle", Curve("cos(u)", "sin(u)", FormKind::Parametric), 0, float(2 * kPi),
       2 * kPi, 1e-5},
      {"polar circle r = 1", Curve("a", "1", FormKind::Explicit, CoordKind::Polar), 0,
       float(2 * kPi), 2 * kPi, 1e-5},
      {"polar spiral r = a", Curve("a", "a", FormKind::Explicit, CoordKind::Polar), 0, 1,
       (std::sqrt(2.0) + std::asinh(1.0)) / 2, 1e-3},
  };
  for (const Case& c : cases) {
    PlaneAnalysisOptions o;
    o.showLen = true;
    o.lenFrom = c.from;
    o.lenTo = c.to;
    const std::string text = Analyse(*c.item, o).text;
    const auto lengths = Lines(text, " 长度为 ");
    ASSERT_EQ(lengths.size(), 1u) << c.name << text;
    EXPECT_NEAR(lengths[0][0], c.expected, c.tolerance) << c.name;
  }
  PlaneAnalysisOptions o;
  o.showLen = true;
  o.lenFrom = 0;
  o.lenTo = 1;
  EXPECT_EQ(Analyse(*Curve("x", "x"), o).text, "    弧长： 从 0 到 1 长度为 1.414214\r\n\r\n");
  o.lenFrom = -1;
  EXPECT_EQ(Analyse(*Curve("x", "sqr(x)"), o).text, "    弧长： 从 -1 到 1 无法计算\r\n\r\n");
  ASSERT_EQ(messages.recorder.messages.size(), 1u);  // the evaluator's own box, once
  EXPECT_EQ(messages.recorder.messages[0].text, "SQR函数的参数必须大于0");
}

TEST_F(ItemAnalysisTest, AnimatedItemBindsTheFramesT) {
  auto item = Curve("x", "t*x", FormKind::Explicit, CoordKind::Plane, GraphKind::Function2DAnim);
  PlaneAnalysisOptions o;
  o.showQie = o.showLen = true;
  o.qieX = {0.5f};
  o.lenFrom = 0;
  o.lenTo = 1;
  const Outcome r = Analyse(*item, o, 0, 0, 0, 1.5f);
  const auto slopes = Lines(r.text, "斜率： ");
  ASSERT_EQ(slopes.size(), 1u) << r.text;
  EXPECT_NEAR(slopes[0][0], 1.5, 1e-6);
  const auto lengths = Lines(r.text, " 长度为 ");
  ASSERT_EQ(lengths.size(), 1u) << r.text;
  EXPECT_NEAR(lengths[0][0], std::sqrt(1 + 1.5 * 1.5), 1e-4);
}

TEST_F(ItemAnalysisTest, BindVariableTReplacesOnlyTheVariable) {
  EXPECT_EQ(BindVariableT("t*x+sqr(t^2)+tan(T)", 0.5f), "(0.5)*x+sqr((0.5)^2)+tan((0.5))");
  EXPECT_EQ(BindVariableT("2*t-t_", -1.25f), "2*(-1.25)-t_");
}

}  // namespace
