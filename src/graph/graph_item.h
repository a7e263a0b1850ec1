// The graph item: one graph of the document with its settings, the factory and copies,
// the sampling of its expressions into point arrays and its bounding box. Drawing and
// the document records of an item live in the drawing and document code.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graph/box.h"
#include "graph/graph_item_settings.h"
#include "graph/point.h"
#include "graph/point_grid.h"
#include "graph/revision_number.h"

namespace curvanta {

// Codes of GraphType.
namespace GraphKind {
inline constexpr int32_t Function2D = 0;
inline constexpr int32_t Curve3D = 1;
inline constexpr int32_t Surface3D = 2;
inline constexpr int32_t Strip25D = 3;
inline constexpr int32_t Table2D = 4;
inline constexpr int32_t Table25D = 5;
inline constexpr int32_t Table3D = 6;
inline constexpr int32_t Point = 7;
inline constexpr int32_t PointAnim = 8;
inline constexpr int32_t Function2DAnim = 9;
inline constexpr int32_t Strip25DAnim = 10;
inline constexpr int32_t Curve3DAnim = 11;
inline constexpr int32_t Surface3DAnim = 12;
inline constexpr int32_t ColorMap = 13;
inline constexpr int32_t ContourMap = 14;
inline constexpr int32_t VectorField = 15;
inline constexpr int32_t TwoCurves = 20;
inline constexpr int32_t RevolutionX = 21;
inline constexpr int32_t RevolutionY = 22;
inline constexpr int32_t StepStem = 23;
}  // namespace GraphKind

// Codes of CoordType.
namespace CoordKind {
inline constexpr int32_t Plane = 1;        // x, y
inline constexpr int32_t Polar = 2;        // angle a, radius r
inline constexpr int32_t Cartesian3D = 3;  // x, y, z
inline constexpr int32_t Cylindrical = 4;  // a, r, z
inline constexpr int32_t Spherical = 5;    // azimuth a, angle b from +z, radius r
}  // namespace CoordKind

// Codes of FunForm.
namespace FormKind {
inline constexpr int32_t Implicit = 1;  // F = 0
inline constexpr int32_t Explicit = 2;
inline constexpr int32_t Parametric = 3;
inline constexpr int32_t Inequality = 4;  // F < 0
}  // namespace FormKind

// Codes of FillStyle, Show and Smoothness.
namespace FillKind {
inline constexpr int32_t GradientX = 1;
inline constexpr int32_t GradientZ = 2;
inline constexpr int32_t GradientY = 3;
inline constexpr int32_t Single = 4;
}  // namespace FillKind
namespace ShowKind {
inline constexpr int32_t Vertices = 1;
inline constexpr int32_t Wireframe = 2;
inline constexpr int32_t Surface = 3;
}  // namespace ShowKind
namespace SmoothKind {
inline constexpr int32_t Faceted = 1;
inline constexpr int32_t Smooth = 2;
inline constexpr int32_t Smoothest = 3;
}  // namespace SmoothKind

// Limits of the sampling: a larger item is refused before anything is allocated.
inline constexpr int32_t kMaxSegments = 10000;
inline constexpr int64_t kMaxSamples = 4000000;
// Fixed limit of the table (the position lists' is with the settings).
inline constexpr int32_t kTableUpper = 200;

class GraphItem : public GraphItemSettings {
 public:
  GraphItem() = default;

  // Positions of curvature circles, tangents and normals: indices 0..50, used from 1 to
  // the count. Reads outside give 0, writes outside are ignored.
  float CurvX(int32_t intT) const { return PositionAt(CurvX_, intT); }
  void SetCurvX(int32_t intT, float value) { PositionPut(CurvX_, intT, value); }
  float QieX(int32_t intT) const { return PositionAt(QieX_, intT); }
  void SetQieX(int32_t intT, float value) { PositionPut(QieX_, intT, value); }
  float NmlX(int32_t intT) const { return PositionAt(NmlX_, intT); }
  void SetNmlX(int32_t intT, float value) { PositionPut(NmlX_, intT, value); }

  // The number of t steps: always the program-wide AnimFrameCount of the moment.
  int32_t StepT() const;

  // ---- Sampled point arrays (re-created by every GetPoints). Reads outside the bounds of
  // the last sampling, or before any, give the origin; writes outside are ignored.
  const Point& Vert3D(int32_t intU, int32_t intV) const { return Vert3D_.Get(intU, intV); }
  Point& Vert3D(int32_t intU, int32_t intV) { return Vert3D_.Ref(intU, intV); }
  void SetVert3D(int32_t intU, int32_t intV, const Point& p) {
    Vert3D_.Set(intU, intV, p);
    MarkChanged();
  }
  const Point& Anim1D(int32_t intT) const { return Anim1D_.Get(intT); }
  Point& Anim1D(int32_t intT) { return Anim1D_.Ref(intT); }
  void SetAnim1D(int32_t intT, const Point& p) {
    Anim1D_.Set(intT, p);
    MarkChanged();
  }
  const Point& Anim2D(int32_t intU, int32_t intT) const { return Anim2D_.Get(intU, intT); }
  Point& Anim2D(int32_t intU, int32_t intT) { return Anim2D_.Ref(intU, intT); }
  void SetAnim2D(int32_t intU, int32_t intT, const Point& p) {
    Anim2D_.Set(intU, intT, p);
    MarkChanged();
  }
  const Point& Anim3D(int32_t intU, int32_t intV, int32_t intT) const {
    return Anim3D_.Get(intU, intV, intT);
  }
  Point& Anim3D(int32_t intU, int32_t intV, int32_t intT) { return Anim3D_.Ref(intU, intV, intT); }
  void SetAnim3D(int32_t intU, int32_t intV, int32_t intT, const Point& p) {
    Anim3D_.Set(intU, intV, intT, p);
    MarkChanged();
  }

  // The arrays the item's own drawing and box read (private to the item in its design;
  // readable here because the drawing lives in another library).
  const Point& VertCurve(int32_t i) const { return VertCurve_.Get(i); }
  const Point& VertExp2(int32_t i, int32_t j) const { return VertExp2_.Get(i, j); }
  const Point& VertDev(int32_t i, int32_t j) const { return VertDev_.Get(i, j); }
  const Point& VertDev2(int32_t i, int32_t j) const { return VertDev2_.Get(i, j); }
  const Point& VertJO(int32_t i, int32_t j) const { return VertJO_.Get(i, j); }
  const Point& VertRev(int32_t k, int32_t j) const { return VertRev_.Get(k, j); }
  const Point& AnimCurve(int32_t i, int32_t k) const { return AnimCurve_.Get(i, k); }
  const Point& AnimStrip(int32_t r, int32_t j, int32_t k) const { return AnimStrip_.Get(r, j, k); }

  // Whole arrays, for fast loops and for the drawing, which re-creates Vert3D from the
  // table or the revolution band before it draws those kinds.
  PointGrid& Vert3DGrid() { return Vert3D_; }
  const PointGrid& Vert3DGrid() const { return Vert3D_; }
  const PointGrid& VertCurveGrid() const { return VertCurve_; }
  const PointGrid& VertExp2Grid() const { return VertExp2_; }
  const PointGrid& VertDevGrid() const { return VertDev_; }
  const PointGrid& VertDev2Grid() const { return VertDev2_; }
  const PointGrid& VertJOGrid() const { return VertJO_; }
  const PointGrid& VertRevGrid() const { return VertRev_; }
  const PointGrid& Anim1DGrid() const { return Anim1D_; }
  const PointGrid& Anim2DGrid() const { return Anim2D_; }
  const PointGrid& Anim3DGrid() const { return Anim3D_; }
  const PointGrid& AnimCurveGrid() const { return AnimCurve_; }
  const PointGrid& AnimStripGrid() const { return AnimStrip_; }

  // ---- Table points, fixed indices 0..200 in each direction. Reading a cell that holds no
  // point puts a new point at the origin there and returns it, so the same object comes
  // back on every later read. Outside the limits: a new origin point that is not kept;
  // a write outside is ignored. Copies of a table share these point objects.
  std::shared_ptr<Point> VertTab3D(int32_t intU, int32_t intV);
  void SetVertTab3D(int32_t intU, int32_t intV, std::shared_ptr<Point> p);

  // ---- Extents left by the last GetBox (0 in a new item); the drawing reads and adjusts them.
  float BoxMinX = 0;
  float BoxMaxX = 0;
  float BoxMinY = 0;
  float BoxMaxY = 0;
  float BoxMinZ = 0;
  float BoxMaxZ = 0;

  // The extent of this item's last polar implicit or inequality plot, written by its
  // drawing (x and y only); all 0 before the first plot. GetBox answers with it for such
  // an item.
  Box PolarPlotBox;

  // ---- Operations

  // A new item from 25 values (FunForm and everything else at their defaults). The item
  // it is called on is neither read nor changed.
  static std::shared_ptr<GraphItem> Init(int32_t lngID, const std::string& strName,
                                    int32_t gtpGraphType, int32_t dtpCoordType,
                                    const std::string& strExpX, const std::string& strExpY,
                                    const std::string& strExpZ, int32_t lngStepU,
                                    int32_t lngStepV, float sngMinU, float sngMaxU,
                                    float sngMinV, float sngMaxV, int32_t fstFillStyle,
                                    int32_t lngFirstColor, int32_t lngSecondColor,
                                    int32_t lngLineColor, int32_t lngLineWidth, int32_t MatType,
                                    int32_t shwShow, int32_t smtSmooth, bool bolShowCon,
                                    bool bolShowVec, bool bolShowColormap, int32_t lngConLevel);

  // Sets 25 settings of this item (not its ID).
  void Equal(const std::string& strName, int32_t gtpGraphType, int32_t ctpCoordType,
             const std::string& strExpX, const std::string& strExpY,
             const std::string& strExpZ, int32_t lngStepU, int32_t lngStepV, float sngMinU,
             float sngMaxU, float sngMinV, float sngMaxV, int32_t fstFillStyle,
             int32_t lngFirstColor, int32_t lngSecondColor, int32_t lngLineColor,
             int32_t lngLineWidth, int32_t MatType, int32_t shwShow, int32_t smtSmooth,
             bool bolShowCon, bool bolShowVec, bool bolShowColormap, int32_t lngConLevel,
             int32_t ffFunForm);

  // Copies the settings of a function, point or special graph into this item, keeping its
  // ID, its table and its sampled arrays. At most 50 positions per list are copied.
  void EqualTo(const GraphItem& fsfNew);

  // Copies the settings of a data table into this item; its cells become the same point
  // objects as the source's (cells the source never held get origin points first).
  void TabEqualTo(GraphItem& fsfNew);

  // Samples the expressions into the point arrays. False after a syntax error, a failed
  // or faulty evaluation, or an item too large to sample (each with its message).
  bool GetPoints();

  // The box of what the item draws in frame lngAnimStep (read by the animated kinds 8 to
  // 12 only); leaves the same bounds in BoxMinX..BoxMaxZ and builds the back edge of
  // 2.5D strips.
  Box GetBox(int32_t lngAnimStep = 0);

  // The parity test's text: the expression with its independent variable negated (by
  // CoordType and FunForm), or "" when the form has none.
  std::string NegateArgument(const std::string& expression) const;
  static bool IsAsciiLetter(const std::string& s);

  // A number that changes whenever what the item draws may have changed: any of its
  // settings (seen here, however they were written), a sampling, a point or table cell set
  // through the item. No two changes, of this item or any other, get the same number, and a
  // copy has a number of its own. Code that writes the points of a table cell it holds calls
  // MarkChanged afterwards. The extents left by GetBox and the plot box are what the drawing
  // leaves, not what it reads, and change nothing here.
  uint64_t Revision() const;
  void MarkChanged() { revision_.Renew(); }

 private:
  static float PositionAt(const Positions& a, int32_t i) {
    return i >= 0 && i <= kMaxPositions ? a[static_cast<size_t>(i)] : 0.0f;
  }
  static void PositionPut(Positions& a, int32_t i, float v) {
    if (i >= 0 && i <= kMaxPositions) a[static_cast<size_t>(i)] = v;
  }
  void ClearSamples();
  friend class SamplingRun;

  PointGrid Vert3D_;
  PointGrid VertCurve_;
  PointGrid VertExp2_;
  PointGrid VertDev_;
  PointGrid VertDev2_;
  PointGrid VertJO_;
  PointGrid VertRev_;
  PointGrid Anim1D_;
  PointGrid Anim2D_;
  PointGrid Anim3D_;
  PointGrid AnimCurve_;
  PointGrid AnimStrip_;

  // 201 x 201 cells, allocated on the first table access.
  std::vector<std::shared_ptr<Point>> tab_;

  // The settings the revision number stands for, and the number: Revision renews it when
  // they are no longer the item's own.
  mutable GraphItemSettings revisedSettings_;
  mutable RevisionNumber revision_;
};

// The parity text as a free function of the item's two codes.
std::string NegateArgument(const std::string& expression, int32_t coordType, int32_t funForm);

}  // namespace curvanta
