// What strips and surfaces share: the polygon mode chosen by Show, the shade model chosen by
// Smoothness, the gradient colour of a vertex chosen by FillStyle, and the emission of one
// lit quadrilateral cell.
#pragma once

#include <cstdint>

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

}  // namespace curvanta
