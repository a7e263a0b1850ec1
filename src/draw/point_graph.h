// Drawing of point graphs: one marker at the point's position (a flat symbol in a 2D
// document, a sphere otherwise).
#pragma once

#include <cstdint>

#include "graph/graph_item.h"

namespace curvanta {

// A point (kind 7) or the frame `lngAnimStep` of an animated point (kind 8): a solid or
// hollow circle of the point's colour and size.
void DrawPointGraph(const GraphItem& item, int32_t lngAnimStep);

}  // namespace curvanta
