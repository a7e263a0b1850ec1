// The drawing of 2.5D strips: a plane curve or a table of plane points as its front edge, the
// same edge 3.0 further along z as its back edge, and one lit quad between neighbouring
// samples (filled at Smoothness 3, the quads of one GL_QUAD_STRIP).
#pragma once

#include <cstdint>
#include <vector>

#include "draw/surface_normals.h"

namespace curvanta {

class GraphItem;

// Normals of a strip whose rows 0 (front) and 1 (back) are P(0, j) and P(1, j) of a grid with
// su = 1: the face normal of each quad j, and a vertex normal per point, the sum of the faces
// beside it. When both rows end where they start (within 0.001 on every coordinate) the four
// end points take the sum of the first and last faces, so a closed curve has no crease.
struct StripNormals {
  std::vector<Normal3> face;       // quad j = 0..sv-1
  std::vector<Normal3> vertex[2];  // row k, point j = 0..sv
  bool closed = false;
};
StripNormals ComputeStripNormals(const SurfaceGrid& rows);

// Draws a strip of kind 3 (its samples), 5 (its table's points, which Vert3D then copies) or
// 10 (the samples of frame lngAnimStep). Expects the item's extent of this frame in
// BoxMin*/BoxMax*, the back edge built by GetBox, and colour material on.
void DrawStrip(GraphItem& item, int32_t lngAnimStep);

}  // namespace curvanta
