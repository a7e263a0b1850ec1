// 3D curves as polylines in the line state, points as their own markers.
#include "draw/curves_points_3d.h"

#include "common/globals.h"
#include "draw/cell_emission.h"
#include "draw/gl_states.h"
#include "graph/graph_item.h"
#include "scene/point_draw.h"

namespace curvanta {

void DrawCurve3D(GraphItem& item, int32_t lngAnimStep) {
  const bool animated = item.GraphType == GraphKind::Curve3DAnim;
  const int32_t su = item.StepU;
  if (su < 1) return;
  if (animated ? lngAnimStep < 0 || lngAnimStep > AnimFrameCount ||
                     !item.AnimCurveGrid().Covers(2, su, lngAnimStep)
               : !item.VertCurveGrid().Covers(1, su))
    return;
  auto at = [&](int32_t i) -> const Point& {
    return animated ? item.AnimCurve(i, lngAnimStep) : item.VertCurve(i);
  };
  const UnitColour colour = UnitColourOf(item.SecondColor);
  GlApi& gl = Gl();
  LineState lines;
  for (int32_t i = 0; i < su; ++i) {
    const Point& p = at(i);
    const Point& q = at(i + 1);
    gl.glLineWidth(1.0f);
    gl.glColor3d(colour.r, colour.g, colour.b);
    DrawLinePiece(p.x, p.y, p.z, q.x, q.y, q.z);
  }
}

void DrawGraphPoint(GraphItem& item, int32_t lngAnimStep) {
  Point* p = nullptr;
  if (item.GraphType == GraphKind::PointAnim) {
    if (lngAnimStep < 0 || !item.Anim1DGrid().Covers(1, lngAnimStep)) return;
    p = &item.Anim1D(lngAnimStep);
  } else {
    if (!item.Vert3DGrid().Covers(2, 0, 0)) return;
    p = &item.Vert3D(0, 0);
  }
  p->Color = item.PointColor;
  p->Size = item.PointSize;
  p->Symbol = item.PointHollow ? 2 : 1;
  DrawPoint(*p);
}

}  // namespace curvanta
