// The surface renderer: the grid of the kind, its normals and one lit quad per cell.
#include "draw/surface.h"

#include <memory>
#include <vector>

#include "common/globals.h"
#include "draw/cell_emission.h"
#include "draw/surface_normals.h"
#include "graph/graph_item.h"

namespace curvanta {

namespace {

constexpr int32_t kRevolutionSteps = 40;

// The grid the kind draws, or nothing when its points are not there (a grid of no cells, a
// table beyond its 201 x 201 cells, a frame that was not sampled).
std::unique_ptr<SurfaceGrid> BuildGrid(GraphItem& item, int32_t frame) {
  const int32_t kind = item.GraphType;
  if (kind == GraphKind::RevolutionX || kind == GraphKind::RevolutionY)
    item.StepU = kRevolutionSteps;
  const int32_t su = item.StepU, sv = item.StepV;
  if (su < 1 || sv < 1) return nullptr;

  switch (kind) {
    case GraphKind::Surface3D:
    case GraphKind::ColorMap: {
      if (!item.Vert3DGrid().Covers(2, su, sv)) return nullptr;
      auto grid = std::make_unique<SurfaceGrid>(su, sv);
      for (int32_t i = 0; i <= su; ++i)
        for (int32_t j = 0; j <= sv; ++j) grid->Put(i, j, &item.Vert3D(i, j));
      return grid;
    }
    case GraphKind::Surface3DAnim: {
      if (frame < 0 || frame > AnimFrameCount || !item.Anim3DGrid().Covers(3, su, sv, frame))
        return nullptr;
      auto grid = std::make_unique<SurfaceGrid>(su, sv);
      for (int32_t i = 0; i <= su; ++i)
        for (int32_t j = 0; j <= sv; ++j) grid->Put(i, j, &item.Anim3D(i, j, frame));
      return grid;
    }
    case GraphKind::Table3D: {
      if (su > kTableUpper || sv > kTableUpper) return nullptr;
      // The table's own points, a missing one created at the origin and kept in the table;
      // Vert3D holds what they hold now.
      auto grid = std::make_unique<SurfaceGrid>(su, sv);
      item.Vert3DGrid().Allocate(su, sv);
      for (int32_t i = 0; i <= su; ++i)
        for (int32_t j = 0; j <= sv; ++j) {
          const Point* p = item.VertTab3D(i, j).get();
          item.SetVert3D(i, j, *p);
          grid->Put(i, j, p);
        }
      return grid;
    }
    case GraphKind::RevolutionX:
    case GraphKind::RevolutionY: {
      if (!item.VertRevGrid().Covers(2, su, sv)) return nullptr;
      auto grid = std::make_unique<SurfaceGrid>(su, sv);
      item.Vert3DGrid().Allocate(su, sv);
      for (int32_t i = 0; i <= su; ++i)
        for (int32_t j = 0; j <= sv; ++j) {
          item.SetVert3D(i, j, item.VertRev(i, j));
          grid->Put(i, j, &item.VertRev(i, j));
        }
      return grid;
    }
    default:
      return nullptr;
  }
}

}  // namespace

void DrawSurface(GraphItem& item, int32_t lngAnimStep) {
  // Cell sizes for the seam tests, from StepU as the call starts (40 for revolutions, which
  // the frame has set already).
  const float dX = item.BoxMaxX - item.BoxMinX;
  const float dY = item.BoxMaxY - item.BoxMinY;
  const float dZ = item.BoxMaxZ - item.BoxMinZ;
  const int32_t stepU = item.StepU, stepV = item.StepV;
  CellSizes cells;
  if (stepU >= 1 && stepV >= 1) {
    cells.x = dX / static_cast<float>(stepU);
    cells.y = dY / static_cast<float>(stepV);
    cells.z = dZ / static_cast<float>(stepU > stepV ? stepU : stepV);
  }

  const std::unique_ptr<SurfaceGrid> grid = BuildGrid(item, lngAnimStep);
  if (!grid) return;

  SetPolygonModeByShow(item.Show);
  const SurfaceNormals normals = ComputeSurfaceNormals(*grid, cells);
  SetShadeModelBySmoothness(item.Smoothness);
  if (item.GraphType == GraphKind::ColorMap) return;

  // Each point's colour once (every inner point is a corner of four cells).
  const int32_t su = grid->su(), sv = grid->sv();
  const VertexColouring colouring(item, 1.0f / 1000000.0f);
  std::vector<UnitColour> colours(static_cast<size_t>(su + 1) * static_cast<size_t>(sv + 1));
  for (int32_t i = 0; i <= su; ++i)
    for (int32_t j = 0; j <= sv; ++j)
      colours[static_cast<size_t>(i) * static_cast<size_t>(sv + 1) + static_cast<size_t>(j)] =
          colouring.At(grid->At(i, j));
  auto colourAt = [&](int32_t i, int32_t j) -> const UnitColour& {
    return colours[static_cast<size_t>(i) * static_cast<size_t>(sv + 1) + static_cast<size_t>(j)];
  };

  const int32_t smoothness = item.Smoothness;
  for (int32_t i = 0; i < su; ++i) {
    for (int32_t j = 0; j < sv; ++j) {
      const Point* const corners[4] = {&grid->At(i, j), &grid->At(i + 1, j),
                                       &grid->At(i + 1, j + 1), &grid->At(i, j + 1)};
      const UnitColour cornerColours[4] = {colourAt(i, j), colourAt(i + 1, j),
                                           colourAt(i + 1, j + 1), colourAt(i, j + 1)};
      const Normal3* const vertexNormals[4] = {&normals.Vertex(i, j), &normals.Vertex(i + 1, j),
                                               &normals.Vertex(i + 1, j + 1),
                                               &normals.Vertex(i, j + 1)};
      EmitCell(smoothness, corners, cornerColours, normals.Face(i, j), vertexNormals);
    }
  }
}

}  // namespace curvanta
