// The graph item: defaults, bound-checked arrays, the factory and the two copies.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

TEST(GraphItem, NewItemHoldsItsDefaults) {
  GraphItem g;
  EXPECT_EQ(g.StepU, 1);
  EXPECT_EQ(g.StepV, 1);
  EXPECT_EQ(g.Show, 3);
  EXPECT_EQ(g.Smoothness, 0);
  EXPECT_EQ(g.PointColor, 255);
  EXPECT_EQ(g.PointSize, 1.0f);
  EXPECT_FALSE(g.PointHollow);
  EXPECT_EQ(g.ScatterSize, 2);
  EXPECT_EQ(g.ScatterColor, 0);
  EXPECT_EQ(g.SmoothCurveColor, 65280);
  EXPECT_EQ(g.SmoothCurveWidth, 1);
  EXPECT_EQ(g.Symbol, 1);
  EXPECT_TRUE(g.Show2DLine && g.Show2DScatter && g.ShowSmoothCurve);
  EXPECT_FALSE(g.ShowContour || g.ShowVector || g.ShowColormap || g.Animation);
  EXPECT_EQ(g.ID, 0);
  EXPECT_EQ(g.GraphType, 0);
  EXPECT_EQ(g.CoordType, 0);
  EXPECT_EQ(g.FunForm, 0);
  EXPECT_TRUE(g.ExpressX.empty() && g.ExpressY.empty() && g.ExpressZ.empty() && g.NameS.empty() &&
              g.Exp2.empty());
  EXPECT_EQ(g.BoxMinX, 0);
  EXPECT_EQ(g.BoxMaxZ, 0);
  // Nothing sampled yet: any read gives the origin, a write is lost.
  EXPECT_FALSE(g.Vert3DGrid().Allocated());
  g.SetVert3D(0, 0, Point::Init(1, 2, 3));
  EXPECT_EQ(g.Vert3D(0, 0).x, 0);
  g.Vert3D(0, 0).x = 5;
  EXPECT_EQ(g.Vert3D(0, 0).x, 0);
  EXPECT_EQ(g.Anim3D(0, 0, 0).y, 0);
}

TEST(GraphItem, PointAndBoxDefaults) {
  Point p;
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.Color, 0);
  EXPECT_EQ(p.Size, 0.15f);
  EXPECT_EQ(p.Symbol, 0);
  EXPECT_FALSE(p.Hollow || p.Show);
  p.x = 7;
  Point q = p.Init(1, 2, 3);
  EXPECT_EQ(p.x, 7);
  EXPECT_EQ(q.x, 1);
  EXPECT_EQ(q.y, 2);
  EXPECT_EQ(q.z, 3);
  EXPECT_EQ(q.Size, 0.15f);
  Box b;
  EXPECT_EQ(b.MinX, 0);
  EXPECT_EQ(b.MaxZ, 0);
}

TEST(GraphItem, TableCellsAreCreatedOnReadAndKeepIdentity) {
  GraphItem g;
  auto a = g.VertTab3D(3, 4);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->x, 0);
  EXPECT_EQ(g.VertTab3D(3, 4).get(), a.get());
  auto other = std::make_shared<Point>(Point::Init(1, 2, 3));
  g.SetVertTab3D(3, 4, other);
  EXPECT_EQ(g.VertTab3D(3, 4).get(), other.get());
  // Corners are inside, one beyond is not kept.
  EXPECT_EQ(g.VertTab3D(200, 200).get(), g.VertTab3D(200, 200).get());
  for (auto [i, j] : {std::pair{201, 0}, {0, 201}, {-1, 0}, {0, -1}}) {
    auto outside = g.VertTab3D(i, j);
    ASSERT_TRUE(outside);
    outside->x = 9;
    EXPECT_EQ(g.VertTab3D(i, j)->x, 0) << i << "," << j;
    g.SetVertTab3D(i, j, other);  // ignored
  }
}

TEST(GraphItem, StepTFollowsTheFrameCount) {
  ResetGlobals();
  GraphItem g;
  EXPECT_EQ(g.StepT(), 10);
  AnimFrameCount = 25;
  EXPECT_EQ(g.StepT(), 25);
  ResetGlobals();
}

TEST(GraphItem, PositionListsHoldIndices0To50Only) {
  GraphItem g;
  g.SetCurvX(50, 1.5f);
  g.SetCurvX(0, 2.0f);
  EXPECT_EQ(g.CurvX(50), 1.5f);
  EXPECT_EQ(g.CurvX(0), 2.0f);
  g.SetQieX(51, 3.0f);
  g.SetNmlX(-1, 3.0f);
  EXPECT_EQ(g.QieX(51), 0.0f);
  EXPECT_EQ(g.NmlX(-1), 0.0f);
}

TEST(GraphItem, UnassignedKindIsStored) {
  GraphItem g;
  g.GraphType = 17;
  EXPECT_EQ(g.GraphType, 17);
  Box b = g.GetBox();
  EXPECT_EQ(b.MinX, 9999999.0f);
  EXPECT_EQ(b.MaxY, -9999999.0f);
}

std::shared_ptr<GraphItem> DistinctInit(const GraphItem& receiver) {
  return receiver.Init(7, "name", 2, 3, "x", "y", "x*y", 11, 12, -1.5f, 2.5f, -3.5f, 4.5f, 4,
                       0x112233, 0x445566, 0x778899, 5, 9, 2, 3, true, false, true, 13);
}

TEST(GraphCopies, InitSetsItsTwentyFiveValuesAndLeavesTheReceiver) {
  GraphItem a;
  a.NameS = "keep";
  auto b = DistinctInit(a);
  ASSERT_TRUE(b);
  EXPECT_NE(b.get(), &a);
  EXPECT_EQ(a.NameS, "keep");
  EXPECT_EQ(a.ID, 0);
  EXPECT_EQ(b->ID, 7);
  EXPECT_EQ(b->NameS, "name");
  EXPECT_EQ(b->GraphType, 2);
  EXPECT_EQ(b->CoordType, 3);
  EXPECT_EQ(b->ExpressX, "x");
  EXPECT_EQ(b->ExpressY, "y");
  EXPECT_EQ(b->ExpressZ, "x*y");
  EXPECT_EQ(b->StepU, 11);
  EXPECT_EQ(b->StepV, 12);
  EXPECT_EQ(b->MinU, -1.5f);
  EXPECT_EQ(b->MaxU, 2.5f);
  EXPECT_EQ(b->MinV, -3.5f);
  EXPECT_EQ(b->MaxV, 4.5f);
  EXPECT_EQ(b->FillStyle, 4);
  EXPECT_EQ(b->FirstColor, 0x112233);
  EXPECT_EQ(b->SecondColor, 0x445566);
  EXPECT_EQ(b->LineColor, 0x778899);
  EXPECT_EQ(b->LineWidth, 5);
  EXPECT_EQ(b->Material, 9);
  EXPECT_EQ(b->Show, 2);
  EXPECT_EQ(b->Smoothness, 3);
  EXPECT_TRUE(b->ShowContour);
  EXPECT_FALSE(b->ShowVector);
  EXPECT_TRUE(b->ShowColormap);
  EXPECT_EQ(b->contourlevel, 13);
  EXPECT_EQ(b->FunForm, 0);
  EXPECT_TRUE(b->Show2DLine);
  EXPECT_EQ(b->PointColor, 255);
}

TEST(GraphCopies, EqualSetsItsValuesAndNothingElse) {
  GraphItem g;
  g.ID = 42;
  g.PointColor = 3;
  g.ShowDev = true;
  g.Equal("n", 1, 4, "a", "r", "r*a", 5, 6, 1, 2, 3, 4, 1, 10, 20, 30, 2, 7, 1, 2, false, true,
          false, 8, 3);
  EXPECT_EQ(g.ID, 42);
  EXPECT_EQ(g.PointColor, 3);
  EXPECT_TRUE(g.ShowDev);
  EXPECT_EQ(g.NameS, "n");
  EXPECT_EQ(g.GraphType, 1);
  EXPECT_EQ(g.CoordType, 4);
  EXPECT_EQ(g.ExpressZ, "r*a");
  EXPECT_EQ(g.StepV, 6);
  EXPECT_EQ(g.MaxV, 4);
  EXPECT_EQ(g.LineColor, 30);
  EXPECT_TRUE(g.ShowVector);
  EXPECT_EQ(g.contourlevel, 8);
  EXPECT_EQ(g.FunForm, 3);
}

TEST(GraphCopies, EqualToKeepsIdentityTableAndTableOptions) {
  GraphItem target;
  target.ID = 5;
  target.Animation = true;
  target.MinT = -1;
  target.MaxT = 2;
  target.SetCurvX(1, 11);
  target.SetCurvX(2, 12);
  target.SetCurvX(3, 13);
  target.ScatterSize = 7;
  target.Symbol = 4;
  auto cell = target.VertTab3D(0, 0);

  GraphItem src;
  src.ID = 99;
  src.NameS = "f";
  src.ExpressZ = "x^2";
  src.Animation = false;
  src.MinT = 10;
  src.MaxT = 20;
  src.CurvNum = 0;
  src.ShowLen = true;
  src.LenFrom = 1;
  src.LenTo = 2;
  src.PointSize = 2.5f;
  src.FunForm = 2;
  src.Exp2 = "x";
  src.StemHeadSymbol = 6;
  src.ScatterSize = 1;

  for (int pass = 0; pass < 2; ++pass) {  // twice is the same as once
    target.EqualTo(src);
    EXPECT_EQ(target.ID, 5);
    EXPECT_FALSE(target.Animation);
    EXPECT_EQ(target.MinT, -1);
    EXPECT_EQ(target.MaxT, 2);
    EXPECT_EQ(target.CurvNum, 0);
    EXPECT_EQ(target.CurvX(1), 11);
    EXPECT_EQ(target.CurvX(3), 13);
    EXPECT_TRUE(target.ShowLen);
    EXPECT_EQ(target.LenFrom, 1);
    EXPECT_EQ(target.LenTo, 2);
    EXPECT_EQ(target.PointSize, 2.5f);
    EXPECT_EQ(target.FunForm, 2);
    EXPECT_EQ(target.Exp2, "x");
    EXPECT_EQ(target.StemHeadSymbol, 6);
    EXPECT_EQ(target.ScatterSize, 7);
    EXPECT_EQ(target.Symbol, 4);
    EXPECT_EQ(target.VertTab3D(0, 0).get(), cell.get());
  }
  // An animated source brings its t range along.
  src.Animation = true;
  target.EqualTo(src);
  EXPECT_EQ(target.MinT, 10);
  EXPECT_EQ(target.MaxT, 20);
}

TEST(GraphCopies, EqualToCopiesPositionsOneToCountWithin50) {
  struct Case {
    int32_t count;
    int32_t copiedCount;
  };
  for (Case c : {Case{3, 3}, Case{50, 50}, Case{60, 50}, Case{-4, 0}}) {
    GraphItem src;
    for (int i = 0; i <= 50; ++i) {
      src.SetCurvX(i, 100.0f + i);
      src.SetQieX(i, 200.0f + i);
      src.SetNmlX(i, 300.0f + i);
    }
    src.CurvNum = src.QieNum = src.NmlNum = c.count;
    GraphItem dst;
    dst.EqualTo(src);
    EXPECT_EQ(dst.CurvNum, c.copiedCount);
    EXPECT_EQ(dst.QieNum, c.copiedCount);
    EXPECT_EQ(dst.NmlNum, c.copiedCount);
    EXPECT_EQ(dst.CurvX(0), 0.0f) << "index 0 is never copied";
    for (int i = 1; i <= 50; ++i) {
      float want = i <= c.copiedCount ? 100.0f + i : 0.0f;
      EXPECT_EQ(dst.CurvX(i), want) << c.count << " " << i;
      EXPECT_EQ(dst.QieX(i), i <= c.copiedCount ? 200.0f + i : 0.0f);
      EXPECT_EQ(dst.NmlX(i), i <= c.copiedCount ? 300.0f + i : 0.0f);
    }
  }
}

TEST(GraphCopies, TabEqualToSharesTheCopiedCells) {
  struct Case {
    int32_t kind, stepU, stepV, rows, cols;
  };
  // 2D and 2.5D tables keep their points in row 0; a 3D table has StepU + 1 rows; a table
  // beyond 201 rows or columns is copied up to index 200 only.
  for (Case c : {Case{4, 1, 0, 1, 1}, Case{5, 1, 3, 1, 4}, Case{6, 4, 2, 5, 3},
                 Case{6, 250, 300, 201, 201}, Case{2, 3, 3, 1, 4}, Case{6, 2, -1, 3, 0},
                 Case{4, -2147483647 - 1, 3, 0, 0} /* no rows at all: nothing copied */}) {
    GraphItem carrier;
    carrier.GraphType = c.kind;
    carrier.StepU = c.stepU;
    carrier.StepV = c.stepV;
    carrier.NameS = "t";
    carrier.Symbol = 5;
    carrier.Show2DLine = false;
    carrier.ExpressZ = "not copied";
    GraphItem target;
    target.ID = 3;
    auto keep = target.VertTab3D(0, c.cols);  // just outside the copied columns
    target.TabEqualTo(carrier);
    EXPECT_EQ(target.ID, 3);
    EXPECT_EQ(target.GraphType, c.kind);
    EXPECT_EQ(target.NameS, "t");
    EXPECT_EQ(target.Symbol, 5);
    EXPECT_FALSE(target.Show2DLine);
    EXPECT_TRUE(target.ExpressZ.empty());
    for (int32_t i = 0; i <= 201; ++i)
      for (int32_t j = 0; j <= 201; j += (j < 5 ? 1 : 49)) {
        bool copied = i < c.rows && j < c.cols;
        bool same = target.VertTab3D(i, j).get() == carrier.VertTab3D(i, j).get();
        ASSERT_EQ(same, copied) << "kind " << c.kind << " cell " << i << "," << j;
      }
    if (c.cols <= 200) {
      EXPECT_EQ(target.VertTab3D(0, c.cols).get(), keep.get());
    }
  }
  // One object: a change through the receiver shows in the carrier.
  GraphItem carrier;
  carrier.GraphType = 4;
  carrier.StepV = 0;
  GraphItem target;
  target.TabEqualTo(carrier);
  target.VertTab3D(0, 0)->x = 5;
  EXPECT_EQ(carrier.VertTab3D(0, 0)->x, 5);
}

// Any drawn setting written straight into the item renews its revision, with no other call;
// asking again with nothing changed, or after the drawing left its extents, does not.
TEST(GraphRevision, EverySettingWrittenDirectlyRenewsIt) {
  struct Case {
    const char* what;
    void (*write)(GraphItem&);
  };
  const Case cases[] = {
      {"a flag", [](GraphItem& g) { g.ShowMax = true; }},
      {"a colour", [](GraphItem& g) { g.StemBodyColor = 7; }},
      {"a float", [](GraphItem& g) { g.LenTo = 2.5f; }},
      {"an expression", [](GraphItem& g) { g.Exp2 = "x^2"; }},
      {"the animation", [](GraphItem& g) { g.Animation = true; }},
      {"a table option", [](GraphItem& g) { g.SmoothCurveWidth = 3; }},
      {"a tangent position", [](GraphItem& g) { g.SetQieX(50, 1.0f); }},
      {"a curvature position", [](GraphItem& g) { g.SetCurvX(1, -1.0f); }},
  };
  for (const Case& c : cases) {
    GraphItem g;
    const uint64_t before = g.Revision();
    EXPECT_EQ(g.Revision(), before) << c.what;
    c.write(g);
    const uint64_t after = g.Revision();
    EXPECT_GT(after, before) << c.what;
    EXPECT_EQ(g.Revision(), after) << c.what;
  }
  GraphItem g;
  g.ExpressZ = "x";
  g.StepV = 4;
  g.MaxV = 1;
  g.FunForm = FormKind::Explicit;
  ASSERT_TRUE(g.GetPoints());
  const uint64_t sampled = g.Revision();
  g.GetBox();
  g.BoxMinY += 3.0f;
  g.PolarPlotBox.MaxX = 2;
  EXPECT_EQ(g.Revision(), sampled);
}

// A copy, made or assigned, has a number of its own, and the two then change apart.
TEST(GraphRevision, CopiesHaveNumbersOfTheirOwn) {
  GraphItem source;
  source.ExpressZ = "x";
  const uint64_t sourceRevision = source.Revision();
  GraphItem made = source;
  EXPECT_NE(made.Revision(), sourceRevision);
  GraphItem assigned;
  const uint64_t assignedBefore = assigned.Revision();
  assigned = source;
  EXPECT_NE(assigned.Revision(), sourceRevision);
  EXPECT_NE(assigned.Revision(), assignedBefore);
  EXPECT_NE(assigned.Revision(), made.Revision());
  EXPECT_EQ(source.Revision(), sourceRevision);
  const uint64_t madeRevision = made.Revision();
  source.LineWidth = 3;
  EXPECT_NE(source.Revision(), sourceRevision);
  EXPECT_EQ(made.Revision(), madeRevision);
}

}  // namespace
