// Sampling of graph items: the walk by kind, the coordinate systems checked against
// geometry, animation frames, derived curves, and hostile inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "graph/graph_item.h"
#include "support/new_point.h"

using namespace curvanta;

namespace {

using curvanta::Message;
using curvanta::MsgIcon;

constexpr double kPi = 3.14159265358979323846;

class Sampling : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }

  const std::vector<Message>& Messages() { return rec_.recorder.messages; }

  curvanta::ScopedMessageRecorder rec_;
};

// A 2D function graph as the dialogs store it.
GraphItem Plane(const std::string& f, float minV, float maxV, int32_t steps, int32_t coord = 1) {
  GraphItem g;
  g.GraphType = GraphKind::Function2D;
  g.CoordType = coord;
  g.FunForm = FormKind::Explicit;
  g.ExpressX = "0";
  g.ExpressY = coord == 1 ? "x" : "a";
  g.ExpressZ = f;
  g.MinV = minV;
  g.MaxV = maxV;
  g.StepV = steps;
  return g;
}

GraphItem Space(int32_t kind, int32_t coord, int32_t form, const std::string& ex,
           const std::string& ey, const std::string& ez, float minU, float maxU, int32_t su,
           float minV = 0, float maxV = 0, int32_t sv = 1) {
  GraphItem g;
  g.GraphType = kind;
  g.CoordType = coord;
  g.FunForm = form;
  g.ExpressX = ex;
  g.ExpressY = ey;
  g.ExpressZ = ez;
  g.MinU = minU;
  g.MaxU = maxU;
  g.StepU = su;
  g.MinV = minV;
  g.MaxV = maxV;
  g.StepV = sv;
  return g;
}

void ExpectPoint(const Point& p, float x, float y, float z, const std::string& what = "") {
  EXPECT_FLOAT_EQ(p.x, x) << what;
  EXPECT_FLOAT_EQ(p.y, y) << what;
  EXPECT_FLOAT_EQ(p.z, z) << what;
}

bool AtOrigin(const Point& p) { return p.x == 0 && p.y == 0 && p.z == 0; }

TEST_F(Sampling, ExplicitPlaneCurveSamplesBothEnds) {
  GraphItem g = Plane("x^2", -1, 1, 4);
  ASSERT_TRUE(g.GetPoints());
  const float want[5][2] = {{-1, 1}, {-0.5f, 0.25f}, {0, 0}, {0.5f, 0.25f}, {1, 1}};
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(g.Vert3D(0, j).x, want[j][0]);
    EXPECT_EQ(g.Vert3D(0, j).y, want[j][1]);
    EXPECT_EQ(g.Vert3D(0, j).z, 0);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Sampling, StepCountsBelowOneBecomeOne) {
  struct Case {
    int32_t stepV, frames;
  };
  for (Case c : {Case{0, 0}, Case{-7, -3}, Case{-2147483647 - 1, 5}}) {
    GraphItem g = Plane("x", 2, 5, c.stepV);
    g.StepU = c.stepV;
    AnimFrameCount = c.frames;
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(g.StepV, 1);
    EXPECT_EQ(g.StepU, 1);
    EXPECT_EQ(AnimFrameCount, c.frames < 1 ? 1 : c.frames);
    EXPECT_EQ(g.Vert3D(0, 0).x, 2);
    EXPECT_EQ(g.Vert3D(0, 1).x, 5);
    EXPECT_EQ(g.Vert3DGrid().Upper(1), 1);
  }
}

TEST_F(Sampling, FailedEvaluationStopsWithItsMessage) {
  GraphItem g = Plane("sqr(x)", 1, -1, 4);  // walks downwards
  EXPECT_FALSE(g.GetPoints());
  ExpectPoint(g.Vert3D(0, 0), 1, 1, 0);
  ExpectPoint(g.Vert3D(0, 1), 0.5f, 0.70710677f, 0);
  ExpectPoint(g.Vert3D(0, 2), 0, 0, 0);
  EXPECT_TRUE(AtOrigin(g.Vert3D(0, 3)));
  EXPECT_TRUE(AtOrigin(g.Vert3D(0, 4)));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "SQR函数的参数必须大于0");
  EXPECT_EQ(Messages()[0].title, "出错");
}

TEST_F(Sampling, SyntaxErrorLeavesNewOriginPoints) {
  GraphItem g = Plane("x^2", -1, 1, 4);
  ASSERT_TRUE(g.GetPoints());
  g.ExpressZ = "x*";
  EXPECT_FALSE(g.GetPoints());
  for (int j = 0; j <= 4; ++j) EXPECT_TRUE(AtOrigin(g.Vert3D(0, j)));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "字符 2：  缺少操作参数");
  EXPECT_EQ(Messages()[0].title, "语法错误");
}

TEST_F(Sampling, ImplicitAndInequalityFormsOnlyParse) {
  for (int32_t form : {FormKind::Implicit, FormKind::Inequality}) {
    GraphItem g = Plane("x^2+y^2-1", -2, 2, 8);
    g.FunForm = form;
    EXPECT_TRUE(g.GetPoints());
    for (int j = 0; j <= 8; ++j) EXPECT_TRUE(AtOrigin(g.Vert3D(0, j)));
  }
}

TEST_F(Sampling, ExampleItemsOfEveryWalk) {
  struct Case {
    const char* what;
    std::function<GraphItem()> make;
    std::function<void(const GraphItem&)> check;
  };
  const Case cases[] = {
      {"explicit 3D curve x*y: the token y comes last",
       [] { return Space(1, 3, 2, "x", "y", "x*y", 0, 2, 2); },
       [](const GraphItem& g) {
         for (int i = 0; i <= 2; ++i) ExpectPoint(g.VertCurve(i), float(i), 0, 0);
       }},
      {"explicit 3D curve naming no variable stays at the origin",
       [] { return Space(1, 3, 2, "x", "y", "2", 0, 2, 2); },
       [](const GraphItem& g) {
         for (int i = 0; i <= 2; ++i) EXPECT_TRUE(AtOrigin(g.VertCurve(i)));
       }},
      {"explicit 3D curve in x: z = x^2 lies in the vertical plane of the x axis",
       [] { return Space(1, 3, 2, "x", "y", "x^2", 0, 2, 2); },
       [](const GraphItem& g) { ExpectPoint(g.VertCurve(2), 0, 4, 2); }},
      {"explicit 3D curve naming x, then Y typed in upper case: the last one decides",
       [] { return Space(1, 3, 2, "x", "y", "x+2*Y", 0, 2, 2); },
       [](const GraphItem& g) { ExpectPoint(g.VertCurve(2), 2, 4, 0); }},
      {"explicit surface evaluates its first two texts too",
       [] { return Space(2, 3, 2, "x+10", "y", "x*y", 0, 1, 1, 0, 1, 1); },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(1, 1), 1, 1, 11); }},
      {"explicit surface animation takes u and v without evaluating them",
       [] { return Space(12, 3, 2, "sqr(0-1)", "y+10", "x*y", 0, 1, 1, 0, 1, 1); },
       [](const GraphItem& g) { ExpectPoint(g.Anim3D(1, 1, 0), 1, 1, 1); }},
      {"cylindrical explicit curve in r",
       [] { return Space(1, 4, 2, "a", "r", "r+1", 0, 2, 2); },
       [](const GraphItem& g) { ExpectPoint(g.VertCurve(2), 0, 3, 2); }},
      {"spherical explicit curve in a: on the vertical axis",
       [] { return Space(1, 5, 2, "a", "b", "2+a", 0, 2, 2); },
       [](const GraphItem& g) { ExpectPoint(g.VertCurve(1), 0, 3, 0); }},
      {"explicit surface z = x*y",
       [] { return Space(2, 3, 2, "x", "y", "x*y", 0, 1, 1, 0, 2, 2); },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(1, 2), 2, 2, 1); }},
      {"polar point at angle 0, radius 2",
       [] { return Space(7, 2, 2, "0", "0", "2", 0, 0, 1); },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(0, 0), 2, 0, 0); }},
      {"cylindrical point", [] { return Space(7, 4, 2, "0", "0", "2", 0, 0, 1); },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(0, 0), 0, 2, 0); }},
      {"spherical point", [] { return Space(7, 5, 2, "0", "0", "2", 0, 0, 1); },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(0, 0), 0, 2, 0); }},
      {"Cartesian point", [] { return Space(7, 3, 0, "1", "2", "3", 0, 0, 1); },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(0, 0), 2, 3, 1); }},
      {"revolution about x of y = -1",
       [] {
         GraphItem g = Plane("-1", 0, 2, 2);
         g.GraphType = GraphKind::RevolutionX;
         return g;
       },
       [](const GraphItem& g) {
         for (int j = 0; j <= 2; ++j) {
           float xj = g.Vert3D(0, j).x;
           ExpectPoint(g.VertRev(0, j), xj, 0, 1);
           EXPECT_FLOAT_EQ(g.VertRev(20, j).x, xj);
           EXPECT_NEAR(g.VertRev(20, j).y, -7.3e-6, 1e-7);
           EXPECT_FLOAT_EQ(g.VertRev(20, j).z, -1);
         }
       }},
      {"revolution about the vertical axis of y = x over 1..3",
       [] {
         GraphItem g = Plane("x", 1, 3, 2);
         g.GraphType = GraphKind::RevolutionY;
         return g;
       },
       [](const GraphItem& g) {
         for (int k = 0; k <= 40; ++k)
           for (int j = 0; j <= 2; ++j) {
             const Point& p = g.VertRev(k, j);
             EXPECT_NEAR(std::hypot(p.x, p.z), 1.0 + j, 1e-6);
             EXPECT_FLOAT_EQ(p.y, 1.0f + j);
           }
       }},
      {"two curves: the second in its own array",
       [] {
         GraphItem g = Plane("x", 0, 1, 1);
         g.GraphType = GraphKind::TwoCurves;
         g.Exp2 = "2*x";
         return g;
       },
       [](const GraphItem& g) {
         ExpectPoint(g.Vert3D(0, 1), 1, 1, 0);
         ExpectPoint(g.VertExp2(0, 1), 1, 2, 0);
       }},
      {"parametric plane curve",
       [] {
         GraphItem g = Plane("u^2", 0, 2, 2);
         g.FunForm = FormKind::Parametric;
         g.ExpressY = "u+1";
         return g;
       },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(0, 2), 3, 4, 0); }},
      {"parametric polar curve takes angle from ExpressY and radius from ExpressZ",
       [] {
         GraphItem g = Plane("2", 0, 1, 1, 2);
         g.FunForm = FormKind::Parametric;
         g.ExpressY = "u*0";
         return g;
       },
       [](const GraphItem& g) { ExpectPoint(g.Vert3D(0, 1), 2, 0, 0); }},
      {"a kind that samples nothing", [] { return Space(17, 3, 2, "x", "y", "x", 0, 1, 1); },
       [](const GraphItem& g) { EXPECT_TRUE(AtOrigin(g.Vert3D(0, 0))); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GraphItem g = c.make();
    ASSERT_TRUE(g.GetPoints());
    c.check(g);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Sampling, SamplingAgainGivesTheSameNumbersInNewPoints) {
  GraphItem g = Space(7, 3, 0, "1", "2", "3", 0, 0, 1);
  ASSERT_TRUE(g.GetPoints());
  g.Vert3D(0, 0).Color = 255;  // as the drawing marks a point graph
  g.Vert3D(0, 0).Symbol = 2;
  ASSERT_TRUE(g.GetPoints());
  ExpectPoint(g.Vert3D(0, 0), 2, 3, 1);
  EXPECT_EQ(g.Vert3D(0, 0).Color, 0);
  EXPECT_EQ(g.Vert3D(0, 0).Symbol, 0);
}

// A surface sampled again into the arrays of its last sampling, after the drawing marked its
// points, and stopped part way (a failing point, a fault, a syntax error): every point the new
// sampling wrote has its coordinates and nothing else of the old point, and every point it
// did not reach is a new point at the origin. The arrays grow and shrink between samplings.
TEST_F(Sampling, SurfaceSampledAgainAndStoppedPartWayLeavesNewPoints) {
  auto onlyCoordinates = [](const Point& p) {
    const Point fresh;
    return p.Color == fresh.Color && p.Size == fresh.Size && p.Hollow == fresh.Hollow &&
           p.Show == fresh.Show && p.Symbol == fresh.Symbol;
  };
  struct Case {
    const char* what;
    const char* expression;
    int32_t steps;
    int firstMissing;  // index i * (steps + 1) + j of the first point not written
  };
  // x, y in {0, 0.5, .., 2} for 4 steps, {0, 1, 2} for 2 steps.
  const Case cases[] = {
      {"failing point", "log(1.25-x*y)", 4, 2 * 5 + 3},
      {"fault", "exp(x*y*30)", 4, 3 * 5 + 4},
      {"syntax error", "x*", 4, 0},
      {"smaller, failing", "log(1.25-x*y)", 2, 1 * 3 + 2},
      {"larger, all sampled", "x+y", 6, 7 * 7},
  };
  for (const bool animated : {false, true}) {
    AnimFrameCount = 2;
    GraphItem g = Space(animated ? GraphKind::Surface3DAnim : GraphKind::Surface3D,
                        CoordKind::Cartesian3D, FormKind::Explicit, "x", "y", "x*y", 0, 2, 4, 0,
                        2, 4);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(animated ? "animated, " : "still, ") + c.what);
      g.ExpressZ = "x*y";
      g.StepU = g.StepV = 4;
      ASSERT_TRUE(g.GetPoints());
      for (int32_t i = 0; i <= 4; ++i)
        for (int32_t j = 0; j <= 4; ++j)
          for (int32_t k = 0; k <= (animated ? 2 : 0); ++k) {
            Point& p = animated ? g.Anim3D(i, j, k) : g.Vert3D(i, j);
            p.Color = 255;  // as the drawing marks points
            p.Size = 3;
            p.Symbol = 4;
          }
      g.ExpressZ = c.expression;
      g.StepU = g.StepV = c.steps;
      EXPECT_EQ(g.GetPoints(), c.firstMissing == (c.steps + 1) * (c.steps + 1));
      const float d = 2.0f / float(c.steps);
      for (int32_t i = 0; i <= c.steps; ++i)
        for (int32_t j = 0; j <= c.steps; ++j)
          for (int32_t k = 0; k <= (animated ? 2 : 0); ++k) {
            const Point& p = animated ? g.Anim3D(i, j, k) : g.Vert3D(i, j);
            if (i * (c.steps + 1) + j >= c.firstMissing) {
              EXPECT_TRUE(IsNewPoint(p)) << i << "," << j << "," << k;
              continue;
            }
            EXPECT_TRUE(onlyCoordinates(p)) << i << "," << j << "," << k;
            EXPECT_EQ(p.z, float(i) * d) << i << "," << j << "," << k;
            EXPECT_EQ(p.x, float(j) * d) << i << "," << j << "," << k;
          }
      // Outside the new bounds there is only the origin.
      const Point& outside = animated ? g.Anim3D(c.steps + 1, 0, 0) : g.Vert3D(c.steps + 1, 0);
      EXPECT_TRUE(IsNewPoint(outside));
      rec_.recorder.clear();
    }
  }
}

// ---- Coordinate systems against geometry: swapped axes or wrong conversions show here.

TEST_F(Sampling, SphereInSphericalCoordinatesHasRadiusOne) {
  GraphItem g = Space(2, 5, 2, "a", "b", "1", 0, float(2 * kPi), 24, 0, float(kPi), 12);
  ASSERT_TRUE(g.GetPoints());
  for (int i = 0; i <= 24; ++i)
    for (int j = 0; j <= 12; ++j) {
      const Point& p = g.Vert3D(i, j);
      ASSERT_NEAR(std::sqrt(double(p.x) * p.x + double(p.y) * p.y + double(p.z) * p.z), 1.0,
                  1e-6);
    }
  // b is measured from the vertical: b = 0 is the top; azimuth 0 is the mathematical x
  // axis, which the scene keeps in z.
  ExpectPoint(g.Vert3D(0, 0), 0, 1, 0);
  EXPECT_NEAR(g.Vert3D(0, 6).z, 1, 1e-6);
  EXPECT_NEAR(g.Vert3D(6, 6).x, 1, 1e-6);  // a = pi/2: the mathematical y axis
}

TEST_F(Sampling, CylinderInCylindricalCoordinatesHasRadiusTwo) {
  GraphItem g = Space(2, 4, 3, "u", "2", "v", 0, float(2 * kPi), 36, -1, 3, 8);
  ASSERT_TRUE(g.GetPoints());
  for (int i = 0; i <= 36; ++i)
    for (int j = 0; j <= 8; ++j) {
      const Point& p = g.Vert3D(i, j);
      ASSERT_NEAR(std::hypot(double(p.x), double(p.z)), 2.0, 1e-6);
      ASSERT_FLOAT_EQ(p.y, -1.0f + 0.5f * j);  // the height is the vertical
    }
  ExpectPoint(g.Vert3D(0, 0), 0, -1, 2);  // angle 0 on the mathematical x axis
}

TEST_F(Sampling, PolarCircleLiesOnTheUnitCircle) {
  GraphItem g = Plane("1", 0, float(2 * kPi), 64, 2);
  ASSERT_TRUE(g.GetPoints());
  for (int j = 0; j <= 64; ++j) {
    const Point& p = g.Vert3D(0, j);
    ASSERT_NEAR(std::hypot(double(p.x), double(p.y)), 1.0, 1e-6);
    ASSERT_EQ(p.z, 0);
  }
  EXPECT_NEAR(g.Vert3D(0, 16).y, 1, 1e-6);  // a = pi/2 points up
}

TEST_F(Sampling, PlaneZEqualsXPlusYKeepsVerticalAsStoredY) {
  GraphItem g = Space(2, 3, 2, "x", "y", "x+y", -2, 3, 10, -1, 4, 10);
  ASSERT_TRUE(g.GetPoints());
  for (int i = 0; i <= 10; ++i)
    for (int j = 0; j <= 10; ++j) {
      const Point& p = g.Vert3D(i, j);
      ASSERT_FLOAT_EQ(p.y, p.z + p.x);
      ASSERT_FLOAT_EQ(p.z, -2 + 0.5f * i);  // mathematical x
      ASSERT_FLOAT_EQ(p.x, -1 + 0.5f * j);  // mathematical y
    }
}

// Surfaces are sampled a row at a time; a row with a failing point is sampled point by
// point, so the values, the message and the place where sampling stops stay those of the
// single points.
TEST_F(Sampling, SurfaceStopsAtTheFirstFailingPointOfItsRow) {
  // log(1.25 - x*y) on x, y in {0, 0.5, 1, 1.5, 2}: first fails at x = 1, y = 1.5.
  GraphItem g = Space(GraphKind::Surface3D, CoordKind::Cartesian3D, FormKind::Explicit, "x", "y",
                      "log(1.25-x*y)", 0, 2, 4, 0, 2, 4);
  EXPECT_FALSE(g.GetPoints());
  ASSERT_EQ(Messages().size(), 1u);
  for (int i = 0; i <= 4; ++i)
    for (int j = 0; j <= 4; ++j) {
      const Point& p = g.Vert3D(i, j);
      const bool sampled = i < 2 || (i == 2 && j < 3);
      if (!sampled) {
        EXPECT_TRUE(AtOrigin(p)) << i << "," << j;
        continue;
      }
      const double x = 0.5 * i, y = 0.5 * j;
      EXPECT_EQ(p.y, float(std::log(1.25 - x * y))) << i << "," << j;  // bit-exact
      EXPECT_EQ(p.z, float(x));
      EXPECT_EQ(p.x, float(y));
    }
}

TEST_F(Sampling, PlaneCurvesMatchTheirClosedFormsAndStopAtTheFirstFailingPoint) {
  // Explicit in both plane systems and parametric: bit-identical to the arithmetic by hand.
  GraphItem cart = Plane("x*x-3*x", -2, 2, 8);
  GraphItem polar = Plane("2+a/4", 0, 6, 12, CoordKind::Polar);
  GraphItem param = Plane("u*u", -1, 1, 4);
  param.FunForm = FormKind::Parametric;
  param.ExpressX = "u/2";
  param.ExpressY = "u+1";
  ASSERT_TRUE(cart.GetPoints() && polar.GetPoints() && param.GetPoints());
  for (int j = 0; j <= 8; ++j) {
    const Point& p = cart.Vert3D(0, j);
    const double x = double(p.x);
    EXPECT_EQ(p.y, float(x * x - 3 * x)) << j;
    EXPECT_EQ(x, double(float(-2 + double(j) * double(0.5f))));
  }
  for (int j = 0; j <= 12; ++j) {
    const double a = double(float(0 + double(j) * double(0.5f)));
    const double r = double(float(2 + a / 4));
    EXPECT_EQ(polar.Vert3D(0, j).x, float(r * std::cos(a))) << j;
    EXPECT_EQ(polar.Vert3D(0, j).y, float(r * std::sin(a))) << j;
  }
  for (int j = 0; j <= 4; ++j) {
    const double u = double(float(-1 + double(j) * double(0.5f)));
    EXPECT_EQ(param.Vert3D(0, j).x, float(u + 1)) << j;
    EXPECT_EQ(param.Vert3D(0, j).y, float(u * u)) << j;
  }
  EXPECT_TRUE(Messages().empty());

  // log(0.6 - x) at x = 0, 0.25, 0.5, 0.75, 1 first fails at 0.75: one message, the points
  // before it sampled, the rest left at the origin.
  GraphItem failing = Plane("log(0.6-x)", 0, 1, 4);
  EXPECT_FALSE(failing.GetPoints());
  ASSERT_EQ(Messages().size(), 1u);
  for (int j = 0; j <= 4; ++j) {
    const Point& p = failing.Vert3D(0, j);
    if (j >= 3) {
      EXPECT_TRUE(AtOrigin(p)) << j;
      continue;
    }
    EXPECT_EQ(p.y, float(std::log(0.6 - 0.25 * j))) << j;
  }
}

// Sampling by rows against sampling point by point: the same item with each expression
// multiplied by (1+rnd(1)*0) (which changes no value, but rows leave random numbers to the
// point path) must
// give the same points bit for bit and the same messages, where sampling succeeds and where
// it stops part way.
TEST_F(Sampling, RowsGiveWhatPointByPointSamplingGives) {
  AnimFrameCount = 3;
  struct Case {
    int32_t kind, coord, form;
    const char *x, *y, *z;
  };
  const Case cases[] = {
      {GraphKind::Function2D, 1, 2, "0", "x", "log(1.6-x*x)"},
      {GraphKind::Function2D, 2, 2, "0", "a", "sqr(2-a)"},
      {GraphKind::Function2D, 1, 3, "sin(u)", "u/(u-0.5)", "u*u"},
      {GraphKind::Function2D, 2, 3, "u", "u+1", "log(u+1.2)"},
      {GraphKind::TwoCurves, 1, 2, "0", "x", "x*x-1"},
      {GraphKind::Surface3D, 3, 2, "x", "y", "log(1.25-x*y)"},
      {GraphKind::Surface3D, 4, 2, "a", "r", "sin(a)*r"},
      {GraphKind::Surface3D, 5, 3, "u", "v", "1/(u*v-0.25)"},
      {GraphKind::Function2DAnim, 1, 2, "0", "x", "log(1.6-x*x+t)"},
      {GraphKind::Function2DAnim, 2, 3, "u*t", "u+1", "sqr(u*u*t)"},
      {GraphKind::Strip25DAnim, 1, 3, "u", "u*t", "1/(u-t)"},
      {GraphKind::Curve3D, 4, 3, "u", "1/(u-1)", "log(u+0.5)"},
      {GraphKind::Curve3DAnim, 5, 3, "u*t", "u+t", "sqr(1-u*t)"},
      {GraphKind::Surface3DAnim, 3, 2, "x", "y", "log(1.25-x*y+t)"},
      {GraphKind::Surface3DAnim, 5, 3, "u*t", "v", "sqr(1-u*v*t)"},
  };
  for (const bool divisionByZeroIsError : {false, true})
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.z) + (divisionByZeroIsError ? " (division error)" : ""));
      auto build = [&](bool twin) {
        auto text = [twin](const char* e) {
          return twin ? "(" + std::string(e) + ")*(1+rnd(1)*0)" : std::string(e);
        };
        GraphItem g = Space(c.kind, c.coord, c.form, text(c.x), text(c.y), text(c.z), 0, 2, 4, -1,
                            1.5f, 10);
        g.Exp2 = text("x-1");
        g.MinT = 0;
        g.MaxT = 1;
        g.Animation = true;
        return g;
      };
      GraphItem byRows = build(false), byPoints = build(true);
      ResetGlobals();
      AnimFrameCount = 3;
      DivZeroIsError = divisionByZeroIsError;
      const bool rowsOk = byRows.GetPoints();
      const std::vector<Message> rowMessages = Messages();
      rec_.recorder.clear();
      const bool pointsOk = byPoints.GetPoints();
      EXPECT_EQ(rowsOk, pointsOk);
      EXPECT_EQ(rowMessages, Messages());
      rec_.recorder.clear();
      for (auto grid : {&GraphItem::Vert3DGrid, &GraphItem::VertExp2Grid, &GraphItem::Anim3DGrid,
                        &GraphItem::Anim2DGrid, &GraphItem::AnimStripGrid,
                        &GraphItem::VertCurveGrid, &GraphItem::AnimCurveGrid}) {
        const PointGrid& a = (byRows.*grid)();
        const PointGrid& b = (byPoints.*grid)();
        ASSERT_EQ(a.Count(), b.Count());
        for (size_t i = 0; i < a.Count(); ++i) {
          const Point &p = a.Data()[i], &q = b.Data()[i];
          ASSERT_TRUE(std::memcmp(&p.x, &q.x, sizeof p.x) == 0 &&
                      std::memcmp(&p.y, &q.y, sizeof p.y) == 0 &&
                      std::memcmp(&p.z, &q.z, sizeof p.z) == 0)
              << "point " << i << ": " << p.x << " " << p.y << " " << p.z << " vs " << q.x << " "
              << q.y << " " << q.z;
        }
      }
    }
}

TEST_F(Sampling, RowsOfEverySurfaceFormMatchTheirClosedForms) {
  // Each expression in every system with row evaluation: the sampled components are
  // bit-identical to the same arithmetic done by hand on the sample values.
  GraphItem cart = Space(GraphKind::Surface3D, CoordKind::Cartesian3D, FormKind::Explicit, "x",
                         "y", "x*y-y^2", -1, 1, 6, -2, 2, 9);
  ASSERT_TRUE(cart.GetPoints());
  GraphItem param = Space(GraphKind::Surface3D, CoordKind::Cartesian3D, FormKind::Parametric,
                          "u+v", "u*v", "v/2-u", -1, 1, 6, -2, 2, 9);
  ASSERT_TRUE(param.GetPoints());
  for (int i = 0; i <= 6; ++i)
    for (int j = 0; j <= 9; ++j) {
      const double u = double(cart.Vert3D(i, j).z), v = double(cart.Vert3D(i, j).x);
      EXPECT_EQ(cart.Vert3D(i, j).y, float(u * v - v * v)) << i << "," << j;
      const Point& p = param.Vert3D(i, j);
      const double pu = -1 + double(i) * (2.0f / 6), pv = -2 + double(j) * (4.0f / 9);
      EXPECT_NEAR(p.z, pu + pv, 1e-6) << i << "," << j;
      EXPECT_NEAR(p.x, pu * pv, 1e-6);
      EXPECT_NEAR(p.y, pv / 2 - pu, 1e-6);
    }
}

// ---- Animation

std::string FixT(const std::string& text, float t) {
  std::string out;
  for (char c : text) {
    if (c == 't')
      out += "(" + curvanta::FormatSingle(t) + ")";
    else
      out += c;
  }
  return out;
}

TEST_F(Sampling, AnimationFrameEqualsStillItemAtThatT) {
  AnimFrameCount = 4;  // t = -1, -0.5, 0, 0.5, 1: exact in text and in float
  struct Case {
    const char* what;
    GraphItem animated;
    int32_t stillKind;
    std::function<Point(const GraphItem&, int32_t i, int32_t j, int32_t k)> frame;
    std::function<Point(const GraphItem&, int32_t i, int32_t j)> still;
  };
  auto plane = [](int32_t kind, int32_t coord, int32_t form) {
    GraphItem g = Plane(form == 3 ? "sin(u*t)+t" : "x^2*t+1", -1, 2, 6, coord);
    if (form == 3) g.ExpressY = "u-t";
    g.FunForm = form;
    g.GraphType = kind;
    return g;
  };
  std::vector<Case> cases;
  for (int32_t coord : {1, 2})
    for (int32_t form : {2, 3}) {
      cases.push_back({"2D function", plane(9, coord, form), 0,
                       [](const GraphItem& g, int32_t, int32_t j, int32_t k) { return g.Anim2D(j, k); },
                       [](const GraphItem& g, int32_t, int32_t j) { return g.Vert3D(0, j); }});
      cases.push_back(
          {"strip", plane(10, coord, form), 3,
           [](const GraphItem& g, int32_t, int32_t j, int32_t k) { return g.AnimStrip(0, j, k); },
           [](const GraphItem& g, int32_t, int32_t j) { return g.Vert3D(0, j); }});
    }
  for (int32_t coord : {3, 4, 5}) {
    // An explicit surface names its two variables in ExpressX and ExpressY.
    const char* first = coord == 3 ? "x" : "a";
    const char* second = coord == 3 ? "y" : coord == 4 ? "r" : "b";
    cases.push_back({"surface",
                     Space(12, coord, 2, first, second,
                           std::string(first) + "*t+" + second + "+2", 0, 1, 3, 0.5f, 2, 4),
                     2,
                     [](const GraphItem& g, int32_t i, int32_t j, int32_t k) { return g.Anim3D(i, j, k); },
                     [](const GraphItem& g, int32_t i, int32_t j) { return g.Vert3D(i, j); }});
    cases.push_back({"parametric surface",
                     Space(12, coord, 3, "u+t", "v*t", "u*v-t", 0, 1, 3, 0.5f, 2, 4), 2,
                     [](const GraphItem& g, int32_t i, int32_t j, int32_t k) { return g.Anim3D(i, j, k); },
                     [](const GraphItem& g, int32_t i, int32_t j) { return g.Vert3D(i, j); }});
    cases.push_back({"curve", Space(11, coord, 3, "u*t", "u+t", "t-u", 0, 1, 5), 1,
                     [](const GraphItem& g, int32_t i, int32_t, int32_t k) { return g.AnimCurve(i, k); },
                     [](const GraphItem& g, int32_t i, int32_t) { return g.VertCurve(i); }});
    cases.push_back({"explicit curve", Space(11, coord, 2, "x", "y", "a+b+x+y+r+t", 0, 1, 5), 1,
                     [](const GraphItem& g, int32_t i, int32_t, int32_t k) { return g.AnimCurve(i, k); },
                     [](const GraphItem& g, int32_t i, int32_t) { return g.VertCurve(i); }});
  }
  for (int32_t coord : {1, 2, 3, 4, 5})
    cases.push_back({"point", Space(8, coord, 0, "t", "2*t", "1-t", 0, 0, 1), 7,
                     [](const GraphItem& g, int32_t, int32_t, int32_t k) { return g.Anim1D(k); },
                     [](const GraphItem& g, int32_t, int32_t) { return g.Vert3D(0, 0); }});

  for (Case& c : cases) {
    SCOPED_TRACE(std::string(c.what) + " coord " + std::to_string(c.animated.CoordType) +
                 " form " + std::to_string(c.animated.FunForm));
    c.animated.Animation = true;
    c.animated.MinT = -1;
    c.animated.MaxT = 1;
    ASSERT_TRUE(c.animated.GetPoints());
    for (int32_t k = 0; k <= 4; ++k) {
      const float t = -1 + 0.5f * k;
      GraphItem still = c.animated;
      still.GraphType = c.stillKind;
      still.Animation = false;
      still.ExpressX = FixT(still.ExpressX, t);
      still.ExpressY = FixT(still.ExpressY, t);
      still.ExpressZ = FixT(still.ExpressZ, t);
      ASSERT_TRUE(still.GetPoints());
      const int32_t su = c.stillKind == 0 || c.stillKind == 3 || c.stillKind == 7 ? 0 : still.StepU;
      const int32_t sv = c.stillKind == 1 || c.stillKind == 7 ? 0 : still.StepV;
      for (int32_t i = 0; i <= su; ++i)
        for (int32_t j = 0; j <= sv; ++j) {
          Point a = c.frame(c.animated, i, j, k), b = c.still(still, i, j);
          ASSERT_EQ(a.x, b.x) << "frame " << k << " at " << i << "," << j;
          ASSERT_EQ(a.y, b.y) << "frame " << k << " at " << i << "," << j;
          ASSERT_EQ(a.z, b.z) << "frame " << k << " at " << i << "," << j;
        }
    }
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Sampling, AnimatedKindWithoutAnimationTakesMinTInEveryFrame) {
  AnimFrameCount = 3;
  GraphItem g = Space(8, 3, 0, "t", "t", "t", 0, 0, 1);
  g.MinT = 2;
  g.MaxT = 5;
  g.Animation = false;
  ASSERT_TRUE(g.GetPoints());
  ASSERT_EQ(g.Anim1DGrid().Upper(0), 3);
  for (int k = 0; k <= 3; ++k) ExpectPoint(g.Anim1D(k), 2, 2, 2);
}

// ---- Derived curves

TEST_F(Sampling, DerivedCurveExamples) {
  {
    GraphItem g = Plane("x^2", -1, 1, 2);
    g.ShowDev = true;
    ASSERT_TRUE(g.GetPoints());
    ExpectPoint(g.VertDev(0, 0), -1, -2, 0);
    ExpectPoint(g.VertDev(0, 1), 0, 0, 0);
    ExpectPoint(g.VertDev(0, 2), 1, 2, 0);
    EXPECT_FALSE(g.VertDev2Grid().Allocated());
  }
  {
    GraphItem g = Plane("x^2", 0, 2, 2);
    g.ShowJO = true;
    ASSERT_TRUE(g.GetPoints());
    ExpectPoint(g.VertJO(0, 0), -2, 4, 0);
    ExpectPoint(g.VertJO(0, 1), -1, 1, 0);
    ExpectPoint(g.VertJO(0, 2), 0, 0, 0);
  }
  for (bool guai : {false, true}) {
    GraphItem g = Plane("u^2", -1, 2, 3);
    g.FunForm = FormKind::Parametric;
    g.ExpressY = "u";
    g.ShowDev = !guai;
    g.ShowGuai = guai;  // alone it starts the first derivative too
    ASSERT_TRUE(g.GetPoints());
    for (int j = 0; j <= 3; ++j) {
      const float v = -1.0f + j;
      ExpectPoint(g.VertDev(0, j), v, 2 * v, 0);
      if (guai) ExpectPoint(g.VertDev2(0, j), v, 2, 0);
    }
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Sampling, DerivativesAgreeWithClosedForms) {
  struct Case {
    const char* f;
    std::function<double(double)> f0, f1, f2;
  };
  const Case cases[] = {
      {"sin(x)*x^2", [](double x) { return std::sin(x) * x * x; },
       [](double x) { return std::cos(x) * x * x + 2 * x * std::sin(x); },
       [](double x) { return -std::sin(x) * x * x + 4 * x * std::cos(x) + 2 * std::sin(x); }},
      {"exp(x/3)-cos(2*x)", [](double x) { return std::exp(x / 3) - std::cos(2 * x); },
       [](double x) { return std::exp(x / 3) / 3 + 2 * std::sin(2 * x); },
       [](double x) { return std::exp(x / 3) / 9 + 4 * std::cos(2 * x); }},
      {"1/x", [](double x) { return 1 / x; }, [](double x) { return -1 / (x * x); },
       [](double x) { return 2 / (x * x * x); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.f);
    GraphItem g = Plane(c.f, 0.5f, 2.5f, 40);
    g.ShowCurv = true;  // first and second derivative
    g.ShowJO = true;
    ASSERT_TRUE(g.GetPoints());
    for (int j = 0; j <= 40; ++j) {
      const double x = g.Vert3D(0, j).x;
      EXPECT_NEAR(g.Vert3D(0, j).y, c.f0(x), 1e-5 * (1 + std::fabs(c.f0(x))));
      EXPECT_EQ(g.VertDev(0, j).x, g.Vert3D(0, j).x);
      EXPECT_NEAR(g.VertDev(0, j).y, c.f1(x), 1e-5 * (1 + std::fabs(c.f1(x))));
      EXPECT_EQ(g.VertDev2(0, j).x, g.Vert3D(0, j).x);
      EXPECT_NEAR(g.VertDev2(0, j).y, c.f2(x), 1e-5 * (1 + std::fabs(c.f2(x))));
      // The parity curve runs over -2.5 .. -0.5 and holds f(-(-w)) = f(x) read backwards.
      const Point& m = g.VertJO(0, 40 - j);
      EXPECT_FLOAT_EQ(m.x, -g.Vert3D(0, j).x);
      EXPECT_NEAR(m.y, g.Vert3D(0, j).y, 1e-5 * (1 + std::fabs(c.f0(x))));
    }
  }
  // Polar: the derivative value is a radius at the curve's own angle.
  GraphItem p = Plane("1+a/4", 0.5f, 2.5f, 20, 2);
  p.ShowDev = true;
  ASSERT_TRUE(p.GetPoints());
  for (int j = 0; j <= 20; ++j) {
    const Point& c = p.Vert3D(0, j);
    const Point& d = p.VertDev(0, j);
    EXPECT_NEAR(std::hypot(double(d.x), double(d.y)), 0.25, 1e-6);
    EXPECT_NEAR(std::atan2(double(d.y), double(d.x)), std::atan2(double(c.y), double(c.x)), 1e-5);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Sampling, OneSamplingShowsARepeatedMessageOnce) {
  // The derivative language refuses asec: each of the two texts raises the same box.
  GraphItem g = Plane("asec(u)", 1, 3, 4);
  g.FunForm = FormKind::Parametric;
  g.ExpressY = "asec(u)+1";
  g.ShowDev = true;
  EXPECT_TRUE(g.GetPoints());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "表达式非法");
}

TEST_F(Sampling, DerivedTextsOnlyWhereSampled) {
  // Two curves and step plots draw no derived curve: no text is formed, so an expression
  // the derivative language refuses costs nothing.
  for (int32_t kind : {GraphKind::TwoCurves, GraphKind::StepStem}) {
    GraphItem g = Plane("asec(x)+2", 1, 3, 4);
    g.GraphType = kind;
    g.Exp2 = "x";
    g.ShowDev = g.ShowGuai = g.ShowJO = true;
    EXPECT_TRUE(g.GetPoints());
    EXPECT_FALSE(g.VertDevGrid().Allocated());
  }
  EXPECT_TRUE(Messages().empty());
}

// ---- Hostile values

TEST_F(Sampling, TooManySamplesIsRefusedBeforeAllocating) {
  struct Case {
    int32_t kind, stepU, stepV, frames;
    bool animation;
    bool refused;
  };
  const Case cases[] = {
      {GraphKind::Surface3D, 20000, 1, 10, false, true},
      {GraphKind::Function2D, 1, 10001, 10, false, true},
      {GraphKind::Function2D, 1, 10000, 10, false, false},
      {GraphKind::Surface3D, 3000, 3000, 10, false, true},
      {GraphKind::Surface3D, 1999, 1999, 10, false, false},  // 4,000,000 samples: allowed
      {GraphKind::Surface3DAnim, 200, 200, 100, true, true},  // 201*201*101
      {GraphKind::Surface3DAnim, 200, 200, 10, false, false},
      {GraphKind::Function2D, 1, 9999, 1000, true, true},  // animated item: frames count
      {GraphKind::Surface3D, 2147483647, 2147483647, 10, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + ": " + std::to_string(c.stepU) + " x " +
                 std::to_string(c.stepV) + " x " + std::to_string(c.frames));
    rec_.recorder.clear();
    AnimFrameCount = c.frames;
    GraphItem g = Space(c.kind, c.kind == 0 ? 1 : 3, 2, "x", "y", "0", 0, 1, c.stepU, 0, 1, c.stepV);
    if (c.kind == 0) g.ExpressY = "x";
    g.Animation = c.animation;
    bool ok = g.GetPoints();
    EXPECT_EQ(ok, !c.refused);
    if (c.refused) {
      ASSERT_EQ(Messages().size(), 1u);
      EXPECT_EQ(Messages()[0], (Message{"采样点太多，请减少段数", "注意", MsgIcon::Exclamation}));
      EXPECT_FALSE(g.Vert3DGrid().Allocated());
      EXPECT_FALSE(g.Anim3DGrid().Allocated());
      EXPECT_TRUE(AtOrigin(g.Vert3D(0, 0)));
      EXPECT_EQ(g.GetBox().MinX, 9999999.0f);  // draws nothing
    } else {
      EXPECT_TRUE(Messages().empty());
    }
  }
}

TEST_F(Sampling, ArithmeticFaultsFailWithOneMessage) {
  struct Case {
    const char* what;
    std::function<GraphItem()> make;
    int validPoints;  // points written before the fault
  };
  const Case cases[] = {
      {"overflowing power", [] { return Plane("10^(x*40)", 0, 2, 8); }, 4},
      {"overflowing exp", [] { return Plane("exp(x)", 0, 1000, 10); }, 1},
      {"step beyond float", [] { return Plane("x", -3e38f, 3e38f, 1); }, 0},
      {"infinite range", [] { return Plane("x", 0, INFINITY, 4); }, 0},
      {"not-a-number range", [] { return Plane("x", NAN, 1, 4); }, 0},
      {"surface", [] { return Space(2, 3, 2, "x", "y", "x^y", 10, 20, 4, 0, 100, 4); }, -1},
      {"frames beyond float",
       [] {
         GraphItem g = Space(8, 3, 0, "t", "t", "t", 0, 0, 1);
         g.Animation = true;
         g.MinT = -3e38f;
         g.MaxT = 3e38f;
         AnimFrameCount = 1;  // one step of 6E+38
         return g;
       },
       -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    rec_.recorder.clear();
    GraphItem g = c.make();
    EXPECT_FALSE(g.GetPoints());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], (Message{"计算函数值时出现数值错误", "出错", MsgIcon::Error}));
    if (c.validPoints >= 0) {
      for (int j = 0; j <= g.StepV; ++j) EXPECT_EQ(AtOrigin(g.Vert3D(0, j)), j >= c.validPoints) << j;
    }
    g.GetBox();  // still answers a box without reading outside
  }
}

TEST_F(Sampling, TablesAreNotSampledAndKeepTheirCounts) {
  for (int32_t kind : {GraphKind::Table2D, GraphKind::Table25D, GraphKind::Table3D}) {
    GraphItem g;
    g.GraphType = kind;
    g.StepU = kind == GraphKind::Table3D ? 0 : 1;
    g.StepV = 0;  // a table of one point
    g.VertTab3D(0, 0)->x = 4;
    EXPECT_TRUE(g.GetPoints());
    EXPECT_EQ(g.StepV, 0);
    EXPECT_EQ(g.VertTab3D(0, 0)->x, 4);
  }
}

}  // namespace

// A legal typed expression whose derivative text is longer and deeper than any typed text
// may be still gets its derivative curve.
TEST_F(Sampling, DerivativeBeyondTypedLimitsSamples) {
  std::string nested;
  for (int i = 0; i < 150; ++i) nested += "sin(";
  nested += "x";
  nested.append(150, ')');
  GraphItem g = Plane(nested, -1, 1, 4);
  g.ShowDev = true;
  ASSERT_TRUE(g.GetPoints());
  EXPECT_TRUE(Messages().empty());
  EXPECT_NEAR(g.VertDev(0, 2).y, 1.0, 1e-5);  // every inner sine is 0 at x = 0: slope 1
}

// The mirrored-argument text of an accepted expression is longer (each x becomes "(-x)")
// and one level deeper than the expression: it is held to the bounds of texts the program
// forms, never to those of typed text, so the parity curve of any accepted expression samples.
TEST_F(Sampling, ParityCurveOfAcceptedExpressionsAtTheTypedLimits) {
  std::string sum = "x^3+x^2";  // 9,999 characters: f(x) = x^3 + x^2 + 4996 x
  for (int i = 0; i < 4996; ++i) sum += "+x";
  ASSERT_EQ(sum.size(), 9999u);
  const std::string deep = std::string(200, '(') + "x" + std::string(200, ')') + "*x^2-x";
  struct Case {
    const char* what;
    std::string f;
    std::function<double(double)> mirrored;  // f(-w)
  } cases[] = {
      {"9,999 characters", sum, [](double w) { return -w * w * w + w * w - 4996 * w; }},
      {"200 levels of parentheses", deep, [](double w) { return -w * w * w + w; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    rec_.recorder.clear();
    GraphItem g = Plane(c.f, -2, 2, 16);
    g.ShowJO = true;
    ASSERT_TRUE(g.GetPoints());
    EXPECT_TRUE(Messages().empty());
    for (int j = 0; j <= 16; ++j) {
      const double w = -2 + 0.25 * j;  // the mirrored range -MaxV .. -MinV
      EXPECT_FLOAT_EQ(g.VertJO(0, j).x, float(w));
      EXPECT_FLOAT_EQ(g.VertJO(0, j).y, float(c.mirrored(w))) << "w=" << w;
    }
  }
}
