// Drawing of a 2D data table: the polyline through its points, the smooth curve and a
// marker at every point.
#pragma once

namespace curvanta {

class GraphItem;

// Draws the table's layers switched on, in the order polyline, smooth curve, markers. The
// table's own point objects take the marker's size, symbol and colour.
void DrawTable2D(GraphItem& item);

}  // namespace curvanta
