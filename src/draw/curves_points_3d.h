// The drawing of graphs that are lines or single markers in space: 3D curves (still and
// animated) and points (still and animated).
#pragma once

#include <cstdint>

namespace curvanta {

class GraphItem;

// A 3D curve (kind 1, or kind 11 at frame lngAnimStep) as unlit segments of width 1 in the
// item's SecondColor, whatever its LineWidth and LineColor.
void DrawCurve3D(GraphItem& item, int32_t lngAnimStep);

// A point (kind 7, or kind 8 at frame lngAnimStep): its sample takes the item's PointColor,
// PointSize and symbol (2 hollow, 1 solid) and draws itself as a marker.
void DrawGraphPoint(GraphItem& item, int32_t lngAnimStep);

}  // namespace curvanta
