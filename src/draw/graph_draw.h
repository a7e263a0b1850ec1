// Drawing of one graph item into the display list being compiled: the frame every kind goes
// through (box, result text, colour material, material) and the dispatch by kind.
#pragma once

#include <cstdint>

namespace curvanta {

class GraphItem;

// Draws the item for frame lngAnimStep (used by animated items; 0 when not given). Empties
// the result box first; a 2D function item writes its report there.
void DrawGraphItem(GraphItem& item, int32_t lngAnimStep = 0);

// Registers DrawGraphItem as the scene's item drawing, and the recording of the report it
// writes (the program calls it at start-up).
void InstallGraphDrawing();

}  // namespace curvanta
