// Surface normals against geometry: sampled sphere, cylinder and paraboloid compared with
// their analytic normals, the seams of closed grids, and small grids that show the seam
// rules and degenerate cells.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "draw/surface_normals.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

constexpr double kPi = 3.14159265358979323846;

// A grid of points held by the test.
struct PointSheet {
  PointSheet(int32_t su, int32_t sv, const std::function<Point(int32_t, int32_t)>& at)
      : points(Fill(su, sv, at)), grid(su, sv, points.data(), sv + 1, 1) {}
  static std::vector<Point> Fill(int32_t su, int32_t sv,
                                 const std::function<Point(int32_t, int32_t)>& at) {
    std::vector<Point> out;
    for (int32_t i = 0; i <= su; ++i)
      for (int32_t j = 0; j <= sv; ++j) out.push_back(at(i, j));
    return out;
  }
  std::vector<Point> points;
  SurfaceGrid grid;
};

// Cell sizes as the renderer takes them: the sheet's extent over the cell counts.
CellSizes CellsOf(const SurfaceGrid& g) {
  float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
  for (int32_t i = 0; i <= g.su(); ++i)
    for (int32_t j = 0; j <= g.sv(); ++j) {
      const float c[3] = {g.At(i, j).x, g.At(i, j).y, g.At(i, j).z};
      for (int k = 0; k < 3; ++k) {
        lo[k] = std::min(lo[k], c[k]);
        hi[k] = std::max(hi[k], c[k]);
      }
    }
  const float larger = float(std::max(g.su(), g.sv()));
  return CellSizes{(hi[0] - lo[0]) / float(g.su()), (hi[1] - lo[1]) / float(g.sv()),
                   (hi[2] - lo[2]) / larger};
}

Point P(float x, float y, float z) { return Point::Init(x, y, z); }

double AngleDegrees(const Normal3& n, double ax, double ay, double az) {
  const double len = std::sqrt(ax * ax + ay * ay + az * az);
  const double dot = (n.x * ax + n.y * ay + n.z * az) / len;
  return std::acos(std::min(1.0, std::fabs(dot))) * 180.0 / kPi;
}

double Dot(const Normal3& n, double ax, double ay, double az) {
  return n.x * ax + n.y * ay + n.z * az;
}

void ExpectSame(const Normal3& a, const Normal3& b, const std::string& where) {
  EXPECT_EQ(a.x, b.x) << where;
  EXPECT_EQ(a.y, b.y) << where;
  EXPECT_EQ(a.z, b.z) << where;
}

// A sampled surface item's grid, its cell sizes from its box, and its normals.
struct SampledSurface {
  SampledSurface(int32_t coord, int32_t form, const std::string& x, const std::string& y,
                 const std::string& z, int32_t su, int32_t sv, float minU, float maxU,
                 float minV, float maxV) {
    item = GraphItem::Init(1, "", GraphKind::Surface3D, coord, x, y, z, su, sv, minU, maxU, minV,
                           maxV, 1, 255, 0, 0, 1, 3, 3, 3, false, false, false, 0);
    item->FunForm = form;
    ok = item->GetPoints();
    const Box box = item->GetBox(0);
    grid = std::make_unique<SurfaceGrid>(su, sv, item->Vert3DGrid().Data(), sv + 1, 1);
    CellSizes cells{(box.MaxX - box.MinX) / float(su), (box.MaxY - box.MinY) / float(sv),
                    (box.MaxZ - box.MinZ) / float(std::max(su, sv))};
    normals = ComputeSurfaceNormals(*grid, cells);
  }
  std::shared_ptr<GraphItem> item;
  bool ok = false;
  std::unique_ptr<SurfaceGrid> grid;
  SurfaceNormals normals;
};

class SurfaceNormalsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  ScopedMessageRecorder messages;
};

// Interior vertex normals lie along the analytic normal (within 1 degree) and all point to
// the same side of the surface.
void ExpectAnalytic(const SampledSurface& s,
                    const std::function<std::array<double, 3>(const Point&)>& analytic) {
  int outward = 0, inward = 0;
  for (int32_t i = 1; i < s.grid->su(); ++i)
    for (int32_t j = 1; j < s.grid->sv(); ++j) {
      const Point& p = s.grid->At(i, j);
      const auto a = analytic(p);
      const Normal3& n = s.normals.Vertex(i, j);
      EXPECT_LT(AngleDegrees(n, a[0], a[1], a[2]), 1.0) << i << "," << j;
      (Dot(n, a[0], a[1], a[2]) > 0 ? outward : inward)++;
    }
  EXPECT_TRUE(outward == 0 || inward == 0) << outward << " out, " << inward << " in";
}

TEST_F(SurfaceNormalsTest, SphereFollowsItsRadiusAndItsSeamIsShared) {
  // r = 1 over azimuth a in [0, 2 pi] (u) and polar angle b in [0, pi] (v).
  SampledSurface s(CoordKind::Spherical, FormKind::Explicit, "a", "b", "1", 48, 24, 0,
                   float(2 * kPi), 0, float(kPi));
  ASSERT_TRUE(s.ok);
  ExpectAnalytic(s, [](const Point& p) { return std::array<double, 3>{p.x, p.y, p.z}; });
  EXPECT_TRUE(s.normals.seamU);
  EXPECT_FALSE(s.normals.seamV);  // the poles are different points
  for (int32_t j = 0; j <= s.grid->sv(); ++j)
    ExpectSame(s.normals.Vertex(0, j), s.normals.Vertex(s.grid->su(), j), std::to_string(j));
  // Along the seam the shared normal is the radius too.
  for (int32_t j = 1; j < s.grid->sv(); ++j) {
    const Point& p = s.grid->At(0, j);
    EXPECT_LT(AngleDegrees(s.normals.Vertex(0, j), p.x, p.y, p.z), 1.0) << j;
  }
}

TEST_F(SurfaceNormalsTest, CylinderIsRadialAndItsSeamIsShared) {
  // Parametric cylindrical: angle u in [0, 2 pi], radius 2, height v in [-1, 1].
  SampledSurface s(CoordKind::Cylindrical, FormKind::Parametric, "u", "2", "v", 36, 10, 0,
                   float(2 * kPi), -1, 1);
  ASSERT_TRUE(s.ok);
  ExpectAnalytic(s, [](const Point& p) { return std::array<double, 3>{p.x, 0, p.z}; });
  EXPECT_TRUE(s.normals.seamU);
  for (int32_t j = 0; j <= s.grid->sv(); ++j) {
    ExpectSame(s.normals.Vertex(0, j), s.normals.Vertex(s.grid->su(), j), std::to_string(j));
    const Point& p = s.grid->At(0, j);
    EXPECT_LT(AngleDegrees(s.normals.Vertex(0, j), p.x, 0, p.z), 1.0) << j;
  }
}

TEST_F(SurfaceNormalsTest, ParaboloidFollowsItsGradient) {
  // z = x^2 + y^2 is stored with the height vertical: F = Y - X^2 - Z^2.
  SampledSurface s(CoordKind::Cartesian3D, FormKind::Explicit, "x", "y", "x^2+y^2", 40, 40, -1,
                   1, -1, 1);
  ASSERT_TRUE(s.ok);
  ExpectAnalytic(s, [](const Point& p) {
    return std::array<double, 3>{-2.0 * p.x, 1.0, -2.0 * p.z};
  });
  EXPECT_FALSE(s.normals.seamU);
  EXPECT_FALSE(s.normals.seamV);
}

TEST_F(SurfaceNormalsTest, FlatFacesGiveTheirPlanesNormalExactly) {
  // One cell in the plane y = 0, with and without a seam, all four vertices alike.
  PointSheet cell(1, 1, [](int32_t i, int32_t j) { return P(float(i), 0, float(j)); });
  for (CellSizes cells : {CellSizes{1, 0, 1}, CellSizes{10, 10, 10}}) {
    const SurfaceNormals n = ComputeSurfaceNormals(cell.grid, cells);
    ExpectSame(n.Face(0, 0), Normal3{0, -1, 0}, "face");
    for (int32_t i = 0; i <= 1; ++i)
      for (int32_t j = 0; j <= 1; ++j) ExpectSame(n.Vertex(i, j), Normal3{0, -1, 0}, "vertex");
  }
  // The tilted plane through (1, 0, 0) and (0, 4, 3): every face is (0, -0.6, 0.8) to the
  // float, and so is every vertex, the normalised sum of equal faces.
  PointSheet tilted(3, 4, [](int32_t i, int32_t j) { return P(float(i), 4.0f * j, 3.0f * j); });
  const SurfaceNormals t = ComputeSurfaceNormals(tilted.grid, CellsOf(tilted.grid));
  for (const Normal3& f : t.face) ExpectSame(f, Normal3{0, -0.6f, 0.8f}, "tilted face");
  for (const Normal3& v : t.vertex) {
    EXPECT_FLOAT_EQ(v.x, 0);
    EXPECT_FLOAT_EQ(v.y, -0.6f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);
  }
}

// A ring closed in v: the columns j = 0 and j = sv hold the same points.
Point Ring(int32_t i, int32_t j, int32_t sv) {
  const double a = 2 * kPi * j / sv;
  return P(float(std::cos(a)), float(i), float(std::sin(a)));
}

TEST_F(SurfaceNormalsTest, SeamRules) {
  const int32_t su = 3, sv = 8;
  {  // ring closed in v: four-face sums along the seam, two-face sums at its ends
    PointSheet ring(su, sv, [&](int32_t i, int32_t j) { return Ring(i, j % sv, sv); });
    const SurfaceNormals n = ComputeSurfaceNormals(ring.grid, CellsOf(ring.grid));
    EXPECT_TRUE(n.seamV);
    EXPECT_FALSE(n.seamU);
    for (int32_t i = 0; i <= su; ++i) ExpectSame(n.Vertex(i, 0), n.Vertex(i, sv), "ring");
    ExpectSame(n.Vertex(1, 0),
               Normalised(n.Face(0, 0) + n.Face(0, sv - 1) + n.Face(1, sv - 1) + n.Face(1, 0)),
               "inner seam point");
    ExpectSame(n.Vertex(0, 0), Normalised(n.Face(0, sv - 1) + n.Face(0, 0)), "seam end");
  }
  {  // torus closed both ways: the corners hold the u seam's two-face sums
    const int32_t tu = 12, tv = 8;
    PointSheet torus(tu, tv, [&](int32_t i, int32_t j) {
      const double u = 2 * kPi * (i % tu) / tu, v = 2 * kPi * (j % tv) / tv;
      return P(float((3 + std::cos(v)) * std::cos(u)), float(std::sin(v)),
               float((3 + std::cos(v)) * std::sin(u)));
    });
    const SurfaceNormals n = ComputeSurfaceNormals(torus.grid, CellsOf(torus.grid));
    EXPECT_TRUE(n.seamU && n.seamV);
    ExpectSame(n.Vertex(0, 0), Normalised(n.Face(tu - 1, 0) + n.Face(0, 0)), "corner 0,0");
    ExpectSame(n.Vertex(tu, tv), Normalised(n.Face(tu - 1, tv - 1) + n.Face(0, tv - 1)), "corner");
    for (int32_t j = 1; j < tv; ++j) ExpectSame(n.Vertex(0, j), n.Vertex(tu, j), "u seam");
    for (int32_t i = 1; i < tu; ++i) ExpectSame(n.Vertex(i, 0), n.Vertex(i, tv), "v seam");
  }
  // Seams that do not close.
  struct Case {
    const char* what;
    std::function<Point(int32_t, int32_t)> at;
    CellSizes cells;
  } open[] = {
      // corner offset exactly 0.8 of a cell (dX 4 over 4 cells): not strictly less
      {"offset of 0.8 cell",
       [&](int32_t i, int32_t j) {
         Point p = Ring(i, j % sv, sv);
         if (j == 0) p.x = 0;
         if (j == sv) p.x = 0.8f;
         return p;
       },
       CellSizes{1, 1, 1}},
      // all heights equal: a cell size of 0 on y never meets, though x and z wrap
      {"flat in y",
       [&](int32_t, int32_t j) {
         const Point r = Ring(0, j % sv, sv);
         return P(r.x, 0, r.z);
       },
       CellSizes{0.25f, 0, 0.25f}},
      // the corners meet but a point in between does not
      {"only the corners meet",
       [&](int32_t i, int32_t j) {
         Point p = Ring(i, j % sv, sv);
         if (j == sv && i == 1) p.z += 0.5f;
         return p;
       },
       CellSizes{0.25f, 1, 0.25f}},
  };
  for (const Case& c : open) {
    PointSheet sheet(su, sv, c.at);
    const SurfaceNormals n = ComputeSurfaceNormals(sheet.grid, c.cells);
    EXPECT_FALSE(n.seamV) << c.what;
    ExpectSame(n.Vertex(0, 0), Normalised(n.Face(0, 0)), c.what);
  }
}

TEST_F(SurfaceNormalsTest, DegenerateCellsGiveZeroNormals) {
  // Parallel diagonals (all four corners on one line), and a cell spanning beyond the float
  // range: both give the zero vector, and so do vertices whose faces are all zero.
  PointSheet line(1, 1, [](int32_t i, int32_t j) { return P(float(i + 2 * j), 0, 0); });
  const SurfaceNormals n = ComputeSurfaceNormals(line.grid, CellSizes{1, 1, 1});
  ExpectSame(n.Face(0, 0), Normal3{}, "parallel diagonals");
  ExpectSame(n.Vertex(1, 1), Normal3{}, "vertex of a degenerate cell");
  PointSheet huge(1, 1, [](int32_t i, int32_t j) { return P(3e30f * float(i), 3e30f * float(j), 3e30f * float(i * j)); });
  const SurfaceNormals h = ComputeSurfaceNormals(huge.grid, CellSizes{1, 1, 1});
  ExpectSame(h.Face(0, 0), Normal3{}, "overflow");
}

}  // namespace
