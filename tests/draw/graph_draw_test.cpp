// Whole items drawn through the recording GL layer with the real parser, derivatives and
// integration: the frame, the curve overlays, the report text, and the analysis checked
// against mathematics (finite differences and closed forms).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "common/recording_gl.h"
#include "draw/graph_draw.h"
#include "draw/report_sink.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

constexpr double kPi = 3.14159265358979323846;

// An explicit (or parametric) 2D function item sampled over [lo, hi] with `steps` segments.
std::shared_ptr<GraphItem> Curve(const std::string& x, const std::string& y, float lo, float hi,
                            int32_t steps, int32_t form = FormKind::Explicit,
                            int32_t coord = CoordKind::Plane, int32_t kind = GraphKind::Function2D) {
  auto item = GraphItem::Init(1, "", kind, coord, "0", x, y, 1, steps, 0, 1, lo, hi, 4, 0, 0, 255, 2,
                         4, 2, 2, false, false, false, 0);
  item->FunForm = form;
  item->Show2DCurve = true;
  return item;
}

struct Drawn {
  std::string text;
  std::vector<GlCall> calls;
  std::vector<GlPrimitive> lines;  // the GL_LINES pieces
  int triangles = 0;               // pieces of flat markers
};

class GraphDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    GraphMode = 1;
  }

  Drawn Draw(GraphItem& item, int32_t frame = 0, bool sample = true) {
    if (sample) {
      EXPECT_TRUE(item.GetPoints());
    }
    RecordingGl gl;
    ScopedGl guard(&gl);
    report.sink.text = "old text";
    DrawGraphItem(item, frame);
    EXPECT_TRUE(gl.Errors().empty()) << (gl.Errors().empty() ? "" : gl.Errors()[0]);
    EXPECT_FALSE(gl.Enabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(gl.LineWidth(), 1.0f);
    EXPECT_EQ(gl.PointSize(), 1.0f);
    EXPECT_EQ(gl.PolygonMode(GL_FRONT), GLenum(GL_FILL));
    EXPECT_EQ(gl.ShadeModel(), GLenum(GL_SMOOTH));
    Drawn d;
    d.text = report.text();
    d.calls = gl.Calls();
    for (const GlPrimitive& p : gl.Primitives()) {
      if (p.mode == GL_LINES) d.lines.push_back(p);
      if (p.mode == GL_TRIANGLES) ++d.triangles;
    }
    return d;
  }

  ScopedMessageRecorder messages;
  ScopedStringReport report;
};

// Numbers of the report lines that begin with `lead` (after the blanks): pairs "x=..., y=..."
// or the single number after the colon.
std::vector<std::vector<double>> Lines(const std::string& text, const std::string& lead) {
  std::vector<std::vector<double>> out;
  size_t pos = 0;
  while ((pos = text.find(lead, pos)) != std::string::npos) {
    const size_t end = text.find("\r\n", pos);
    const std::string line = text.substr(pos + lead.size(), end - pos - lead.size());
    std::vector<double> values;
    size_t i = 0;
    while (i < line.size()) {
      const size_t eq = line.find('=', i);
      if (eq == std::string::npos) break;
      values.push_back(LeadingNumber(std::string_view(line).substr(eq + 1)));
      i = eq + 1;
    }
    if (values.empty()) values.push_back(LeadingNumber(line));
    out.push_back(values);
    pos = end;
  }
  return out;
}

TEST_F(GraphDrawTest, FrameWithoutBranchEmptiesTheReportAndAppliesTheMaterial) {
  auto item = GraphItem::Init(1, "", GraphKind::ContourMap, CoordKind::Cartesian3D, "x", "y", "x*y",
                         2, 2, -1, 1, -1, 1, 4, 0, 0, 0, 1, 3, 3, 2, false, false, false, 0);
  ASSERT_TRUE(item->GetPoints());
  const Drawn d = Draw(*item, 0, false);
  EXPECT_EQ(d.text, "");
  ASSERT_GE(d.calls.size(), 3u);
  EXPECT_EQ(d.calls[0], (GlCall{"glEnable", {double(GL_COLOR_MATERIAL)}}));
  EXPECT_EQ(d.calls[1],
            (GlCall{"glColorMaterial", {double(GL_FRONT_AND_BACK), double(GL_DIFFUSE)}}));
  EXPECT_EQ(d.calls[2].name, "glMaterialfv");
  EXPECT_TRUE(d.lines.empty());
  item->Material = 5;
  const Drawn neon = Draw(*item, 0, false);
  EXPECT_EQ(neon.calls[1],
            (GlCall{"glColorMaterial", {double(GL_FRONT_AND_BACK), double(GL_EMISSION)}}));
}

TEST_F(GraphDrawTest, ReportHoldsTheLastItemDrawn) {
  auto function = Curve("x", "x^2", 0, 2, 4);
  auto table = GraphItem::Init(2, "t", GraphKind::Table2D, CoordKind::Plane, "", "", "", 1, 1, 0, 0, 0,
                          0, 0, 0, 0, 0, 1, 1, 3, 0, false, false, false, 0);
  ASSERT_TRUE(function->GetPoints());
  RecordingGl gl;
  ScopedGl guard(&gl);
  DrawGraphItem(*function);
  DrawGraphItem(*table);
  EXPECT_EQ(report.text(), "");
  DrawGraphItem(*table);
  DrawGraphItem(*function);
  EXPECT_EQ(report.text(), "函数 y=x^2\r\n");
}

TEST_F(GraphDrawTest, StepAndStemOverlays) {
  auto item = Curve("x", "x^2", 0, 2, 4, FormKind::Explicit, CoordKind::Plane, GraphKind::StepStem);
  item->ShowInverse = item->ShowStep = item->ShowStem = true;
  item->LineColor = 255;
  item->InvColor = 65280;
  item->StepColor = 16711680;
  item->StemBodyColor = 0;
  item->StemHeadSymbol = 1;
  item->StemHeadSize = 2;
  const Drawn d = Draw(*item);
  ASSERT_EQ(d.lines.size(), 4u * 4u + 5u);  // per segment curve, inverse, two step pieces; 5 stems
  const double xs[] = {0, 0.5, 1, 1.5, 2};
  for (int j = 0; j < 4; ++j) {
    const GlPrimitive& curve = d.lines[j * 4];
    const GlPrimitive& inverse = d.lines[j * 4 + 1];
    const GlPrimitive& riser = d.lines[j * 4 + 2];
    const GlPrimitive& tread = d.lines[j * 4 + 3];
    EXPECT_DOUBLE_EQ(curve.vertices[0].position[0], xs[j]);
    EXPECT_DOUBLE_EQ(curve.vertices[1].position[1], xs[j + 1] * xs[j + 1]);
    EXPECT_EQ(curve.vertices[0].color[0], 1);
    EXPECT_DOUBLE_EQ(inverse.vertices[0].position[0], curve.vertices[0].position[1]);
    EXPECT_DOUBLE_EQ(inverse.vertices[0].position[1], curve.vertices[0].position[0]);
    EXPECT_EQ(inverse.vertices[0].color[1], 1);
    EXPECT_DOUBLE_EQ(riser.vertices[0].position[0], xs[j]);
    EXPECT_DOUBLE_EQ(riser.vertices[1].position[0], xs[j]);
    EXPECT_DOUBLE_EQ(riser.vertices[1].position[1], xs[j + 1] * xs[j + 1]);
    EXPECT_DOUBLE_EQ(tread.vertices[1].position[0], xs[j + 1]);
    EXPECT_EQ(tread.vertices[0].color[2], 1);
  }
  for (int j = 0; j < 5; ++j) {
    const GlPrimitive& stem = d.lines[16 + j];
    EXPECT_DOUBLE_EQ(stem.vertices[0].position[0], xs[j]);
    EXPECT_DOUBLE_EQ(stem.vertices[1].position[1], 0);
  }
  EXPECT_GT(d.triangles, 0);  // the heads
}

TEST_F(GraphDrawTest, FormsWithoutCurvesAndTheRootLine) {
  auto none = Curve("x", "x^2", 0, 2, 4);
  ASSERT_TRUE(none->GetPoints());
  none->FunForm = 0;
  const Drawn d = Draw(*none, 0, false);
  EXPECT_EQ(d.text, "函数 y=x^2\r\n");
  EXPECT_TRUE(d.lines.empty());
  auto root = Curve("x", "x^2", 0.5f, 2, 4);  // f' never reaches the axis
  root->ShowRoot = true;
  root->ShowMin = true;
  EXPECT_EQ(Draw(*root).text, "函数 y=x^2\r\n\r\n\r\n");  // heading, roots line, minima pass
  auto inverseOnly = Curve("x", "x^2", 0, 2, 4);
  inverseOnly->Show2DCurve = false;
  inverseOnly->ShowInverse = true;
  const Drawn inv = Draw(*inverseOnly);
  ASSERT_EQ(inv.lines.size(), 4u);
  EXPECT_DOUBLE_EQ(inv.lines[3].vertices[1].position[0], 4);
}

TEST_F(GraphDrawTest, ReportOfTangentNormalAndCurvature) {
  auto item = Curve("x", "x^2", -2, 2, 8);
  item->ShowQie = item->ShowNml = item->ShowCurv = true;
  item->QieNum = item->NmlNum = 1;
  item->CurvNum = 2;
  item->SetQieX(1, 1);
  item->SetNmlX(1, 1);
  item->SetCurvX(1, 0);
  item->SetCurvX(2, 1);
  const std::string E = "\r\n";
  EXPECT_EQ(Draw(*item).text,
            "函数 y=x^2" + E + "  切线：" + E + "    切点： x=1, y=1" + E + "      斜率： 2" + E + E +
                "  法线：" + E + "    位置： x=1, y=1" + E + "      斜率： -0.5" + E + E +
                "    曲率圆：" + E + "      位置： x=0, y=0" + E + "        曲率： 2" + E +
                "        曲率圆的半径： 0.5" + E + "        曲率圆的圆心： x=0, y=0.5" + E +
                "      位置： x=1, y=1" + E + "        曲率： 0.1788854" + E +
                "        曲率圆的半径： 5.59017" + E + "        曲率圆的圆心： x=-4, y=3.5" + E);
}

TEST_F(GraphDrawTest, ExtremaOfSineOnMinusSevenToSeven) {
  auto item = Curve("x", "sin(x)", -7, 7, 200);
  item->ShowMax = item->ShowMin = true;
  item->MaxSymbol = item->MinSymbol = 4;  // solid triangles
  const Drawn d = Draw(*item);
  const auto maxima = Lines(d.text, "极大值： ");
  const auto minima = Lines(d.text, "极小值： ");
  ASSERT_EQ(maxima.size(), 2u) << d.text;
  ASSERT_EQ(minima.size(), 2u) << d.text;
  EXPECT_NEAR(maxima[0][0], -3 * kPi / 2, 1e-3);
  EXPECT_NEAR(maxima[1][0], kPi / 2, 1e-3);
  EXPECT_NEAR(minima[0][0], -kPi / 2, 1e-3);
  EXPECT_NEAR(minima[1][0], 3 * kPi / 2, 1e-3);
  for (const auto& m : maxima) EXPECT_NEAR(m[1], 1, 1e-5);
  for (const auto& m : minima) EXPECT_NEAR(m[1], -1, 1e-5);
  EXPECT_GT(d.triangles, 0);  // the markers
}

TEST_F(GraphDrawTest, ExtremaAndInflectionOfCubics) {
  auto item = Curve("x", "x^3-3*x", -3, 3, 601);
  item->ShowMax = item->ShowMin = true;
  const Drawn d = Draw(*item);
  const auto maxima = Lines(d.text, "极大值： ");
  const auto minima = Lines(d.text, "极小值： ");
  ASSERT_EQ(maxima.size(), 1u) << d.text;
  ASSERT_EQ(minima.size(), 1u) << d.text;
  EXPECT_NEAR(maxima[0][0], -1, 1e-4);
  EXPECT_NEAR(maxima[0][1], 2, 1e-5);
  EXPECT_NEAR(minima[0][0], 1, 1e-4);
  EXPECT_NEAR(minima[0][1], -2, 1e-5);

  auto cubic = Curve("x", "x^3", -2, 2, 40);  // zero of f' and f'' at (or next to) a sample
  cubic->ShowGuai = true;
  cubic->ShowMax = cubic->ShowMin = true;
  const Drawn c = Draw(*cubic);
  const auto inflections = Lines(c.text, "拐点： ");
  ASSERT_EQ(inflections.size(), 1u) << c.text;
  EXPECT_NEAR(inflections[0][0], 0, 1e-6);
  EXPECT_NEAR(inflections[0][1], 0, 1e-6);
  EXPECT_TRUE(Lines(c.text, "极大值").empty());
  EXPECT_TRUE(Lines(c.text, "极小值").empty());
}

TEST_F(GraphDrawTest, ArcLengthWithFailedValues) {
  auto item = Curve("x", "sqr(x)", 0.5f, 3, 20);
  item->ShowLen = true;
  item->LenFrom = -1;
  item->LenTo = 1;
  EXPECT_EQ(Draw(*item).text, "函数 y=sqr(x)\r\n    弧长： 从 -1 到 1 无法计算\r\n\r\n");
  EXPECT_EQ(messages.recorder.messages.size(), 1u);
}

TEST_F(GraphDrawTest, AnimatedItemBindsTheFramesT) {
  AnimFrameCount = 4;
  auto item = Curve("x", "t*x", 0, 1, 10, FormKind::Explicit, CoordKind::Plane,
                    GraphKind::Function2DAnim);
  item->Animation = true;
  item->MinT = 0;
  item->MaxT = 2;
  item->ShowQie = item->ShowLen = true;
  item->QieNum = 1;
  item->SetQieX(1, 0.5f);
  item->LenFrom = 0;
  item->LenTo = 1;
  const Drawn d = Draw(*item, 3);  // t = 1.5
  const auto slopes = Lines(d.text, "斜率： ");
  ASSERT_EQ(slopes.size(), 1u) << d.text;
  EXPECT_NEAR(slopes[0][0], 1.5, 1e-6);
  const auto lengths = Lines(d.text, " 长度为 ");
  ASSERT_EQ(lengths.size(), 1u) << d.text;
  EXPECT_NEAR(lengths[0][0], std::sqrt(1 + 1.5 * 1.5), 1e-4);
  // Frame 3's samples are drawn.
  ASSERT_GE(d.lines.size(), 10u);
  EXPECT_NEAR(d.lines[9].vertices[1].position[1], 1.5, 1e-6);

  // A negative frame t reaches the arc-length integrand as a bracketed negative number.
  item->MinT = -2;
  ASSERT_TRUE(item->GetPoints());
  const Drawn negative = Draw(*item, 0, false);  // t = -2
  EXPECT_NEAR(Lines(negative.text, "斜率： ")[0][0], -2, 1e-6) << negative.text;
  const auto negativeLengths = Lines(negative.text, " 长度为 ");
  ASSERT_EQ(negativeLengths.size(), 1u) << negative.text;
  EXPECT_NEAR(negativeLengths[0][0], std::sqrt(5.0), 1e-4);
}

}  // namespace

namespace {

TEST_F(GraphDrawTest, ImplicitItemsGoThroughTheFrameWithTheHeadingOnly) {
  auto item = GraphItem::Init(1, "", GraphKind::Function2D, CoordKind::Plane, "0", "x", "x^2+y^2-1", 0,
                         0, -2, 2, -2, 2, 4, 0, 0, 65280, 1, 4, 2, 2, false, false, false, 0);
  item->FunForm = FormKind::Inequality;
  ASSERT_TRUE(item->GetPoints());
  RecordingGl gl;
  ScopedGl guard(&gl);
  DrawGraphItem(*item);
  EXPECT_EQ(report.text(), "函数 y=x^2+y^2-1\r\n");
  const auto prims = gl.Primitives();
  ASSERT_GT(prims.size(), 2000u);
  EXPECT_EQ(prims[0].mode, GLenum(GL_POINTS));
  EXPECT_EQ(prims[0].vertices[0].color[1], 1);  // LineColor green
  EXPECT_TRUE(gl.Errors().empty());
  EXPECT_TRUE(gl.Enabled(GL_LIGHTING));
  EXPECT_FALSE(gl.Enabled(GL_BLEND));
  EXPECT_EQ(gl.PointSize(), 1.0f);
}

// A graph read from a document may hold an empty expression: it converts to an empty
// postfix text, which gives no value, so there is no curve to analyse. Every analysis
// option on: no message at all (an empty text is not a derivative too long to form), no
// overlay, and the report holds the heading alone.
TEST_F(GraphDrawTest, AnEmptyExpressionDrawsNoAnalysisAndShowsNoMessage) {
  struct Case {
    const char* what;
    std::string y, z;  // ExpressY, ExpressZ
    int32_t form, coord;
  } cases[] = {
      {"explicit function", "x", "", FormKind::Explicit, CoordKind::Plane},
      {"explicit polar function", "a", "", FormKind::Explicit, CoordKind::Polar},
      {"parametric x(u)", "", "u^2", FormKind::Parametric, CoordKind::Plane},
      {"parametric y(u)", "u", "", FormKind::Parametric, CoordKind::Plane},
      {"abscissa of an explicit function", "", "x^2", FormKind::Explicit, CoordKind::Plane},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages.recorder.clear();
    auto item = Curve(c.y, c.z, -2, 2, 8, c.form, c.coord);
    item->ShowDev = item->ShowMax = item->ShowMin = item->ShowLen = true;
    item->ShowQie = item->ShowNml = item->ShowGuai = item->ShowCurv = true;
    item->QieNum = item->NmlNum = item->CurvNum = 1;
    item->SetQieX(1, 1);
    item->SetNmlX(1, 1);
    item->SetCurvX(1, 1);
    item->LenFrom = 0;
    item->LenTo = 1;
    item->GetPoints();  // fails where the empty text is evaluated, silently
    const Drawn d = Draw(*item, 0, false);
    EXPECT_TRUE(messages.recorder.messages.empty())
        << messages.recorder.messages.front().text;
    EXPECT_EQ(d.text, "函数 y=" + c.z + "\r\n");
    EXPECT_EQ(d.lines.size(), 8u);  // the curve's own pieces (at the origin where it failed)
    EXPECT_EQ(d.triangles, 0);
  }
}

// The parity curve of an accepted expression of 9,999 characters: its mirrored text is
// some 20,000 characters long and is still drawn.
TEST_F(GraphDrawTest, ParityCurveOfTheLongestTypedExpression) {
  std::string f = "x^3+x^2";  // f(x) = x^3 + x^2 + 4996 x
  for (int i = 0; i < 4996; ++i) f += "+x";
  ASSERT_EQ(f.size(), 9999u);
  auto item = Curve("x", f, -2, 2, 16);
  item->ShowJO = true;
  item->JOColor = 0x00FF00;
  const Drawn d = Draw(*item);
  EXPECT_TRUE(messages.recorder.messages.empty());
  ASSERT_EQ(d.lines.size(), 32u);  // the curve, then its mirror image
  for (int j = 0; j < 16; ++j) {
    const GlPrimitive& piece = d.lines[16 + size_t(j)];
    EXPECT_EQ(piece.vertices[0].color[1], 1);
    for (int end = 0; end < 2; ++end) {
      const double w = -2 + 0.25 * (j + end);
      EXPECT_DOUBLE_EQ(piece.vertices[size_t(end)].position[0], w);
      EXPECT_DOUBLE_EQ(piece.vertices[size_t(end)].position[1], -w * w * w + w * w - 4996 * w);
    }
  }
}

TEST_F(GraphDrawTest, AnItemWithoutSamplesDrawsNothing) {
  auto item = Curve("x", "x^2", 0, 2, 4);
  item->ShowMax = true;
  RecordingGl gl;
  ScopedGl guard(&gl);
  DrawGraphItem(*item);  // never sampled: an empty box
  EXPECT_EQ(report.text(), "");
  EXPECT_TRUE(gl.Primitives().empty());
  EXPECT_FALSE(gl.Enabled(GL_COLOR_MATERIAL));
}

}  // namespace
