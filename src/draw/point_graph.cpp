// The marker of a point graph.
#include "draw/point_graph.h"

#include "scene/point_draw.h"

namespace curvanta {

void DrawPointGraph(const GraphItem& item, int32_t lngAnimStep) {
  Point p = item.GraphType == GraphKind::PointAnim ? item.Anim1D(lngAnimStep) : item.Vert3D(0, 0);
  p.Color = item.PointColor;
  p.Size = item.PointSize;
  p.Symbol = item.PointHollow ? 2 : 1;
  DrawPoint(p);
}

}  // namespace curvanta
