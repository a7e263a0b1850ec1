// The drawing of every graph kind whose points form a two-parameter grid: surfaces, 3D
// tables, surface animations, colour maps and surfaces of revolution.
#pragma once

#include <cstdint>

namespace curvanta {

class GraphItem;

// Draws the item's grid (for kind 12 the grid of frame lngAnimStep) as one GL_QUADS per cell,
// or filled at Smoothness 3 one GL_QUAD_STRIP per row of cells (see EmitRowStrip): polygon
// mode by Show, normals, shade model by Smoothness, vertex colours by FillStyle. Expects the
// item's extent of this frame in BoxMin*/BoxMax* and colour material on. A 3D table first
// gets a point for every missing cell and a surface of revolution StepU 40; a grid that was
// not sampled for what it asks draws nothing.
void DrawSurface(GraphItem& item, int32_t lngAnimStep);

}  // namespace curvanta
