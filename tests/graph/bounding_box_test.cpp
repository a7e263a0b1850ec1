// The box of a graph item: what each kind scans, the origin of plane graphs, the strip's
// back edge, points, the polar plot extent and items whose arrays do not cover the scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

constexpr float kMin0 = 9999999.0f;
constexpr float kMax0 = -9999999.0f;

class BoundingBox : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
  curvanta::ScopedMessageRecorder rec_;
};

GraphItem Item(int32_t kind, int32_t coord, int32_t form, const std::string& ex,
          const std::string& ey, const std::string& ez, float minU, float maxU, int32_t su,
          float minV, float maxV, int32_t sv) {
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
  if (kind == GraphKind::TwoCurves) g.Exp2 = "3-x";
  return g;
}

void ExpectBox(const Box& b, float minX, float maxX, float minY, float maxY, float minZ,
               float maxZ) {
  EXPECT_FLOAT_EQ(b.MinX, minX);
  EXPECT_FLOAT_EQ(b.MaxX, maxX);
  EXPECT_FLOAT_EQ(b.MinY, minY);
  EXPECT_FLOAT_EQ(b.MaxY, maxY);
  EXPECT_FLOAT_EQ(b.MinZ, minZ);
  EXPECT_FLOAT_EQ(b.MaxZ, maxZ);
}

// The points an item of each kind draws in one frame.
std::vector<Point> DrawnPoints(GraphItem& g, int32_t frame) {
  std::vector<Point> pts;
  const int32_t su = g.StepU, sv = g.StepV;
  switch (g.GraphType) {
    case 0:
    case 23:
      for (int j = 0; j <= sv; ++j) pts.push_back(g.Vert3D(0, j));
      break;
    case 20:
      for (int j = 0; j <= sv; ++j) pts.push_back(g.Vert3D(0, j)), pts.push_back(g.VertExp2(0, j));
      break;
    case 9:
      for (int j = 0; j <= sv; ++j) pts.push_back(g.Anim2D(j, frame));
      break;
    case 4:
      for (int j = 0; j <= sv; ++j) pts.push_back(*g.VertTab3D(0, j));
      break;
    case 1:
      for (int i = 0; i <= su; ++i) pts.push_back(g.VertCurve(i));
      break;
    case 11:
      for (int i = 0; i <= su; ++i) pts.push_back(g.AnimCurve(i, frame));
      break;
    case 2:
    case 13:
    case 14:
    case 15:
      for (int i = 0; i <= su; ++i)
        for (int j = 0; j <= sv; ++j) pts.push_back(g.Vert3D(i, j));
      break;
    case 6:
      for (int i = 0; i <= su; ++i)
        for (int j = 0; j <= sv; ++j) pts.push_back(*g.VertTab3D(i, j));
      break;
    case 12:
      for (int i = 0; i <= su; ++i)
        for (int j = 0; j <= sv; ++j) pts.push_back(g.Anim3D(i, j, frame));
      break;
    case 21:
    case 22:
      for (int k = 0; k <= 40; ++k)
        for (int j = 0; j <= sv; ++j) pts.push_back(g.VertRev(k, j));
      break;
    case 3:
      for (int r = 0; r <= 1; ++r)
        for (int j = 0; j <= sv; ++j) pts.push_back(g.Vert3D(r, j));
      break;
    case 5:
      for (int r = 0; r <= 1; ++r)
        for (int j = 0; j <= sv; ++j) pts.push_back(*g.VertTab3D(r, j));
      break;
    case 10:
      for (int r = 0; r <= 1; ++r)
        for (int j = 0; j <= sv; ++j) pts.push_back(g.AnimStrip(r, j, frame));
      break;
  }
  return pts;
}

TEST_F(BoundingBox, EveryKindsBoxIsTheExtentOfWhatItDraws) {
  AnimFrameCount = 5;
  struct Case {
    const char* what;
    GraphItem item;
  };
  std::vector<Case> cases = {
      {"explicit curve", Item(0, 1, 2, "0", "x", "sin(3*x)+2", 0, 0, 1, 1, 4, 50)},
      {"polar parametric curve", Item(0, 2, 3, "0", "u", "1+u/3", 0, 0, 1, -2, 5, 40)},
      {"step plot", Item(23, 1, 2, "0", "x", "x^2-9", 0, 0, 1, -1, 2, 12)},
      {"two curves", Item(20, 1, 2, "0", "x", "x", 0, 0, 1, 2, 3, 6)},
      {"animated curve", Item(9, 1, 2, "0", "x", "x*t+3", 0, 0, 1, 1, 2, 10)},
      {"strip", Item(3, 1, 2, "0", "x", "cos(x)-3", 0, 0, 1, -3, -1, 20)},
      {"animated strip", Item(10, 2, 2, "0", "a", "t+1", 0, 0, 1, 0, 3, 20)},
      {"helix", Item(1, 4, 3, "u", "2", "u/5", 0, 12, 60, 0, 0, 1)},
      {"animated helix", Item(11, 3, 3, "cos(u+t)", "sin(u)", "u*t", 0, 6, 30, 0, 0, 1)},
      {"sphere", Item(2, 5, 2, "a", "b", "2", 0, 6.2831855f, 24, 0, 3.1415927f, 12)},
      {"animated surface", Item(12, 3, 2, "x", "y", "x*y*t-4", -1, 2, 9, 1, 3, 7)},
      {"colour map", Item(13, 3, 2, "x", "y", "x-y", -1, 2, 9, 1, 3, 7)},
      {"contour map", Item(14, 3, 2, "x", "y", "x*x", -1, 2, 9, 1, 3, 7)},
      {"vector field", Item(15, 3, 2, "x", "y", "y", -1, 2, 9, 1, 3, 7)},
      {"revolution about x", Item(21, 1, 2, "0", "x", "x/2+1", 0, 0, 1, -1, 3, 8)},
      {"revolution about y", Item(22, 1, 2, "0", "x", "x/2+1", 0, 0, 1, -1, 3, 8)},
  };
  cases.push_back({"surface with overlay", Item(2, 3, 2, "x", "y", "x+y", 0, 1, 2, 0, 1, 2)});
  cases.back().item.ShowContour = true;
  for (auto& c : cases) c.item.Animation = c.item.GraphType >= 8 && c.item.GraphType <= 12;
  for (auto& c : cases) c.item.MaxT = 2;

  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    GraphItem& g = c.item;
    ASSERT_TRUE(g.GetPoints());
    const bool animated = g.GraphType >= 8 && g.GraphType <= 12;
    for (int32_t frame = 0; frame <= (animated ? 5 : 0); ++frame) {
      Box b = g.GetBox(frame);
      std::vector<Point> pts = DrawnPoints(g, frame);
      ASSERT_FALSE(pts.empty());
      float lo[3] = {kMin0, kMin0, kMin0}, hi[3] = {kMax0, kMax0, kMax0};
      for (const Point& p : pts) {
        const float c3[3] = {p.x, p.y, p.z};
        for (int a = 0; a < 3; ++a) lo[a] = std::min(lo[a], c3[a]), hi[a] = std::max(hi[a], c3[a]);
      }
      const bool plane = g.GraphType == 0 || g.GraphType == 9 || g.GraphType == 20 ||
                         g.GraphType == 23 || g.GraphType == 4;
      if (plane)
        for (int a = 0; a < 2; ++a) lo[a] = std::min(lo[a], 0.0f), hi[a] = std::max(hi[a], 0.0f);
      if (g.GraphType == 2 && g.ShowContour) lo[1] -= 3.0f;
      ExpectBox(b, lo[0], hi[0], lo[1], hi[1], lo[2], hi[2]);
      EXPECT_EQ(g.BoxMinX, b.MinX);
      EXPECT_EQ(g.BoxMaxX, b.MaxX);
      EXPECT_EQ(g.BoxMinY, b.MinY);
      EXPECT_EQ(g.BoxMaxY, b.MaxY);
      EXPECT_EQ(g.BoxMinZ, b.MinZ);
      EXPECT_EQ(g.BoxMaxZ, b.MaxZ);
    }
  }
}

TEST_F(BoundingBox, ExtentRules) {
  struct Case {
    const char* what;
    std::function<GraphItem()> make;
    float box[6];
  };
  const Case cases[] = {
      {"Cartesian implicit plot takes its ranges, y with the origin",
       [] { return Item(0, 1, 1, "0", "x", "x^2+y^2-1", -2, 3, 1, 1, 4, 1); },
       {-2, 3, 0, 4, kMin0, kMax0}},
      {"explicit curve with the origin",
       [] { return Item(0, 1, 2, "0", "x", "x+4", 0, 0, 1, 1, 2, 4); },
       {0, 2, 0, 6, 0, 0}},
      {"inverse: x and y share their union",
       [] {
         GraphItem g = Item(0, 1, 2, "0", "x", "1.4*x+3.4", 0, 0, 1, -1, 4, 5);
         g.ShowInverse = true;
         return g;
       },
       {-1, 9, -1, 9, 0, 0}},
      {"parity scanned after the inverse union",
       [] {
         GraphItem g = Item(0, 1, 2, "0", "x", "x^3", 0, 0, 1, 0, 2, 4);
         g.ShowInverse = true;
         g.ShowJO = true;
         return g;
       },
       {-2, 8, 0, 8, 0, 0}},
      {"a plane graph without a form",
       [] { return Item(0, 1, 0, "0", "x", "x+4", 0, 0, 1, 1, 2, 4); },
       {0, 0, 0, 0, kMin0, kMax0}},
      {"two curves without a form", [] { return Item(20, 1, 7, "0", "x", "x", 0, 0, 1, 1, 2, 4); },
       {0, 0, 0, 0, kMin0, kMax0}},
      {"surface whose lowest point is -2",
       [] { return Item(2, 3, 2, "x", "y", "x-2", 0, 1, 1, 0, 1, 1); },
       {0, 1, -2, -1, 0, 1}},
      {"the same with a field overlay",
       [] {
         GraphItem g = Item(2, 3, 2, "x", "y", "x-2", 0, 1, 1, 0, 1, 1);
         g.ShowVector = true;
         return g;
       },
       {0, 1, -5, -1, 0, 1}},
      {"colour map with its flag keeps the plain extent",
       [] {
         GraphItem g = Item(13, 3, 2, "x", "y", "x-2", 0, 1, 1, 0, 1, 1);
         g.ShowColormap = true;
         return g;
       },
       {0, 1, -2, -1, 0, 1}},
      {"point at the origin", [] { return Item(7, 3, 0, "0", "0", "0", 0, 0, 1, 0, 0, 1); },
       {-1, 1, -1, 1, -1, 1}},
      {"point at (2, -3, 0)", [] { return Item(7, 3, 0, "0", "2", "-3", 0, 0, 1, 0, 0, 1); },
       {0, 2, -3, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GraphItem g = c.make();
    ASSERT_TRUE(g.GetPoints());
    ExpectBox(g.GetBox(), c.box[0], c.box[1], c.box[2], c.box[3], c.box[4], c.box[5]);
  }
  for (int32_t kind : {16, 17, 18, 19, -1, 24}) {
    GraphItem g = Item(kind, 3, 2, "x", "y", "x", 0, 1, 1, 0, 1, 1);
    ASSERT_TRUE(g.GetPoints());
    ExpectBox(g.GetBox(), kMin0, kMax0, kMin0, kMax0, kMin0, kMax0);
  }
}

TEST_F(BoundingBox, StripBackEdgeIsWrittenIntoRowOne) {
  GraphItem g = Item(3, 1, 2, "0", "x", "x", 0, 0, 1, 1, 2, 2);
  ASSERT_TRUE(g.GetPoints());
  const Point* back = &g.Vert3D(1, 0);
  EXPECT_EQ(g.Vert3D(1, 2).z, 0);  // sampling leaves row 1 at the origin
  Box b = g.GetBox();
  EXPECT_EQ(&g.Vert3D(1, 0), back);
  for (int j = 0; j <= 2; ++j) {
    EXPECT_EQ(g.Vert3D(1, j).x, g.Vert3D(0, j).x);
    EXPECT_EQ(g.Vert3D(1, j).y, g.Vert3D(0, j).y);
    EXPECT_EQ(g.Vert3D(1, j).z, 3.0f);
  }
  ExpectBox(b, 1, 2, 1, 2, 0, 3);

  // A 2.5D table: row 1 follows every change of row 0, in the same point objects.
  GraphItem t;
  t.GraphType = GraphKind::Table25D;
  t.StepV = 1;
  t.VertTab3D(0, 0)->x = 1;
  t.VertTab3D(0, 1)->y = 2;
  auto backCell = t.VertTab3D(1, 1);
  ExpectBox(t.GetBox(), 0, 1, 0, 2, 0, 3);
  t.VertTab3D(0, 1)->y = 5;
  t.GetBox();
  EXPECT_EQ(t.VertTab3D(1, 1).get(), backCell.get());
  EXPECT_EQ(backCell->y, 5);
}

TEST_F(BoundingBox, Tables) {
  GraphItem t2;
  t2.GraphType = GraphKind::Table2D;
  t2.StepV = 1;
  *t2.VertTab3D(0, 0) = Point::Init(1, 1, 0);
  *t2.VertTab3D(0, 1) = Point::Init(2, 3, 0);
  ExpectBox(t2.GetBox(), 0, 2, 0, 3, 0, 0);

  // A 3D table brings no origin in, but a cell never filled is a point at the origin.
  GraphItem t3;
  t3.GraphType = GraphKind::Table3D;
  t3.StepU = 1;
  t3.StepV = 1;
  *t3.VertTab3D(0, 0) = Point::Init(1, 1, 1);
  *t3.VertTab3D(0, 1) = Point::Init(2, 3, 2);
  *t3.VertTab3D(1, 0) = Point::Init(4, 2, 5);
  ExpectBox(t3.GetBox(), 0, 4, 0, 3, 0, 5);
  *t3.VertTab3D(1, 1) = Point::Init(3, 3, 3);
  ExpectBox(t3.GetBox(), 1, 4, 1, 3, 1, 5);

  // Counts beyond the table's 201 rows or columns: nothing to show.
  t3.StepV = 201;
  ExpectBox(t3.GetBox(), kMin0, kMax0, kMin0, kMax0, kMin0, kMax0);
}

TEST_F(BoundingBox, PolarPlotsAnswerTheirOwnExtent) {
  GraphItem a = Item(0, 2, 1, "0", "a", "r-1", 0, 0, 1, 0, 0, 1);
  GraphItem b = Item(9, 2, 4, "0", "a", "r-2", 0, 0, 1, 0, 0, 1);
  ExpectBox(a.GetBox(), 0, 0, 0, 0, 0, 0);  // before the first plot
  a.PolarPlotBox.MinX = -1;
  a.PolarPlotBox.MaxX = 1;
  a.PolarPlotBox.MinY = -1;
  a.PolarPlotBox.MaxY = 1;
  b.PolarPlotBox.MinX = -2;
  b.PolarPlotBox.MaxX = 2;
  b.PolarPlotBox.MinY = -2;
  b.PolarPlotBox.MaxY = 2;
  b.PolarPlotBox.MinZ = 7;  // z is never taken from it
  a.BoxMinX = 42;
  ExpectBox(a.GetBox(), -1, 1, -1, 1, 0, 0);
  ExpectBox(b.GetBox(3), -2, 2, -2, 2, 0, 0);
  EXPECT_EQ(a.BoxMinX, 42);  // the extents are the drawing's in this case
}

TEST_F(BoundingBox, AnimatedKindsReadOnlyTheirFrame) {
  AnimFrameCount = 2;
  GraphItem g = Item(8, 3, 0, "t", "0", "0", 0, 0, 1, 0, 0, 1);
  g.Animation = true;
  g.MinT = 1;
  g.MaxT = 3;
  ASSERT_TRUE(g.GetPoints());
  ExpectBox(g.GetBox(0), 0, 0, 0, 0, 0, 1);
  ExpectBox(g.GetBox(2), 0, 0, 0, 0, 0, 3);
  // A frame the sampling did not make: nothing to show.
  ExpectBox(g.GetBox(3), kMin0, kMax0, kMin0, kMax0, kMin0, kMax0);
  ExpectBox(g.GetBox(-1), kMin0, kMax0, kMin0, kMax0, kMin0, kMax0);

  // A still kind gives the same box whatever the frame.
  GraphItem s = Item(0, 1, 2, "0", "x", "x", 0, 0, 1, 1, 2, 2);
  ASSERT_TRUE(s.GetPoints());
  ExpectBox(s.GetBox(7), 0, 2, 0, 2, 0, 0);
}

TEST_F(BoundingBox, ArraysThatDoNotCoverTheScanGiveTheEmptyBox) {
  struct Case {
    const char* what;
    std::function<void(GraphItem&)> change;  // applied after sampling; null: never sampled
    GraphItem item;
  };
  std::vector<Case> cases;
  cases.push_back({"never sampled curve", nullptr, Item(0, 1, 2, "0", "x", "x", 0, 0, 1, 1, 2, 2)});
  cases.push_back({"never sampled strip", nullptr, Item(3, 1, 2, "0", "x", "x", 0, 0, 1, 1, 2, 2)});
  cases.push_back({"more segments than sampled", [](GraphItem& g) { g.StepU = 5; },
                   Item(2, 3, 2, "x", "y", "x", 0, 1, 2, 0, 1, 2)});
  cases.push_back({"more curve points than sampled", [](GraphItem& g) { g.StepV = 9; },
                   Item(20, 1, 2, "0", "x", "x", 0, 0, 1, 1, 2, 2)});
  cases.push_back({"parity asked after sampling", [](GraphItem& g) { g.ShowJO = true; },
                   Item(0, 1, 2, "0", "x", "x", 0, 0, 1, 1, 2, 2)});
  cases.push_back({"kind changed after sampling", [](GraphItem& g) { g.GraphType = 12; },
                   Item(2, 3, 2, "x", "y", "x", 0, 1, 2, 0, 1, 2)});
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.change) {
      ASSERT_TRUE(c.item.GetPoints());
      c.change(c.item);
    }
    ExpectBox(c.item.GetBox(), kMin0, kMax0, kMin0, kMax0, kMin0, kMax0);
    EXPECT_EQ(c.item.BoxMinX, kMin0);
  }
}

}  // namespace
