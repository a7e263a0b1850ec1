// What strips and surfaces share: the polygon mode chosen by Show, the shade model chosen by
// Smoothness, the gradient colour of a vertex chosen by FillStyle, and the emission of one
// lit quadrilateral cell or of a row of cells as one quad strip.
#pragma once

#include <cstdint>

#include "common/gl_api.h"
#include "draw/surface_normals.h"
#include "graph/point.h"

namespace curvanta {

class GraphItem;

struct UnitColour {
  double r = 0;
  double g = 0;
  double b = 0;
  bool operator==(const UnitColour&) const = default;
};

UnitColour UnitColourOf(int32_t colour);

// The colour of component c2 at the minimum of the axis running to c1 at its maximum.
double GradientComponent(double v, double minimum, double range, double c1, double c2);

// The vertex colouring of one item: FillStyle 1 runs along x, 2 along z, 3 along y (from
// SecondColor at the smallest coordinate of the item's extent to FirstColor at the largest),
// 4 is SecondColor everywhere, any other style leaves every vertex black.
class VertexColouring {
 public:
  // Reads FillStyle, the two colours and the item's extent (BoxMin*/BoxMax*); a range of
  // exactly 0 becomes `zeroRange`, so a flat axis gives SecondColor everywhere.
  VertexColouring(const GraphItem& item, float zeroRange);
  UnitColour At(const Point& p) const;

 private:
  int32_t fillStyle_ = 0;
  UnitColour first_;
  UnitColour second_;
  float minX_ = 0, minY_ = 0, minZ_ = 0;
  float rangeX_ = 0, rangeY_ = 0, rangeZ_ = 0;
};

// glPolygonMode on both faces: Show 1 points, 2 lines, 3 filled; any other value no call.
void SetPolygonModeByShow(int32_t show);
// glShadeModel: Smoothness 1 flat, 2 and 3 smooth; any other value no call.
void SetShadeModelBySmoothness(int32_t smoothness);

// One GL_QUADS cell with corners p[0..3] in that order and their colours: Smoothness 1 and 2
// give the face normal once, 3 a vertex normal per corner, any other value an empty cell.
void EmitCell(int32_t smoothness, const Point* const (&p)[4], const UnitColour (&colour)[4],
              const Normal3& face, const Normal3* const (&vertex)[4]);

// Whether a row of filled cells whose corners carry their own normals (Show 3, Smoothness 3)
// is drawn as one GL_QUAD_STRIP: the same picture at a fraction of the primitives. Lines and
// points stay one GL_QUADS per cell, where a strip would end and order some edges and points
// differently. On by default; off draws every cell as its own quad, which the pixel tests
// compare against.
bool RowStripsEnabled();
void SetRowStrips(bool on);
bool DrawsRowAsStrip(int32_t show, int32_t smoothness);

// While it lives, front faces are the clockwise ones, as the strips of EmitRowStrip need.
class RowStripWinding {
 public:
  RowStripWinding() { Gl().glFrontFace(GL_CW); }
  ~RowStripWinding() { Gl().glFrontFace(GL_CCW); }
  RowStripWinding(const RowStripWinding&) = delete;
  RowStripWinding& operator=(const RowStripWinding&) = delete;
};

// One GL_QUAD_STRIP over the cells between the rows a and b of a grid, to be drawn under a
// RowStripWinding: for each column j = 0..columns the point b(j) then a(j), each with its
// vertex normal and colour (normal, colour, vertex, as EmitCell gives a corner). Quad j is
// then b(j), a(j), a(j+1), b(j+1): the cell a(j), b(j), b(j+1), a(j+1) of EmitCell in reverse
// order, hence the clockwise front faces, and split by the GL along the same diagonal (the
// pixel tests compare the two). A corner is called as corner(j, put) and calls
// put(point, colour, normal) once.
template <typename Corner>
void EmitRowStrip(int32_t columns, Corner a, Corner b) {
  GlApi& gl = Gl();
  const auto put = [&gl](const Point& p, const UnitColour& c, const Normal3& n) {
    gl.glNormal3d(n.x, n.y, n.z);
    gl.glColor3d(c.r, c.g, c.b);
    gl.glVertex3d(p.x, p.y, p.z);
  };
  gl.glBegin(GL_QUAD_STRIP);
  for (int32_t j = 0; j <= columns; ++j) {
    b(j, put);
    a(j, put);
  }
  gl.glEnd();
}

}  // namespace curvanta
