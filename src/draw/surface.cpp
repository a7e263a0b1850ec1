// The surface renderer: the grid of the kind, its normals and its lit cells, a quad strip per
// row where filled cells give each corner its own normal and one quad per cell otherwise.
#include "draw/surface.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "common/globals.h"
#include "draw/cell_emission.h"
#include "draw/surface_normals.h"
#include "graph/graph_item.h"

namespace curvanta {

namespace {

constexpr int32_t kRevolutionSteps = 40;

// Copies the item's own cells (table points, revolution band) into a fresh Vert3D of the
// same bounds, which the drawing then reads.
template <typename CellAt>
void FillVert3D(GraphItem& item, int32_t su, int32_t sv, CellAt cellAt) {
  item.Vert3DGrid().Allocate(su, sv);
  for (int32_t i = 0; i <= su; ++i)
    for (int32_t j = 0; j <= sv; ++j) item.SetVert3D(i, j, cellAt(i, j));
}

SurfaceGrid Vert3DView(const GraphItem& item, int32_t su, int32_t sv) {
  return SurfaceGrid(su, sv, item.Vert3DGrid().Data(), item.Vert3DGrid().Upper(1) + 1, 1);
}

// The grid the kind draws, or nothing when its points are not there (a grid of no cells, a
// table beyond its 201 x 201 cells, a frame that was not sampled).
std::optional<SurfaceGrid> BuildGrid(GraphItem& item, int32_t frame) {
  const int32_t kind = item.GraphType;
  if (kind == GraphKind::RevolutionX || kind == GraphKind::RevolutionY)
    item.StepU = kRevolutionSteps;
  const int32_t su = item.StepU, sv = item.StepV;
  if (su < 1 || sv < 1) return std::nullopt;

  switch (kind) {
    case GraphKind::Surface3D:
    case GraphKind::ColorMap:
      if (!item.Vert3DGrid().Covers(2, su, sv)) return std::nullopt;
      return Vert3DView(item, su, sv);
    case GraphKind::Surface3DAnim: {
      const PointGrid& frames = item.Anim3DGrid();
      if (frame < 0 || frame > AnimFrameCount || !frames.Covers(3, su, sv, frame))
        return std::nullopt;
      const std::ptrdiff_t n2 = frames.Upper(2) + 1, n1 = frames.Upper(1) + 1;
      return SurfaceGrid(su, sv, frames.Data() + frame, n1 * n2, n2);
    }
    case GraphKind::Table3D:
      if (su > kTableUpper || sv > kTableUpper) return std::nullopt;
      // The table's points as they are now (a missing one is created at the origin and kept).
      FillVert3D(item, su, sv, [&item](int32_t i, int32_t j) { return *item.VertTab3D(i, j); });
      return Vert3DView(item, su, sv);
    case GraphKind::RevolutionX:
    case GraphKind::RevolutionY:
      if (!item.VertRevGrid().Covers(2, su, sv)) return std::nullopt;
      FillVert3D(item, su, sv, [&item](int32_t i, int32_t j) { return item.VertRev(i, j); });
      return Vert3DView(item, su, sv);
    default:
      return std::nullopt;
  }
}

// The normals' storage, kept from one drawing to the next so that a large grid does not take
// fresh memory on every compile; a very large one is given back.
SurfaceNormals& NormalsWorkspace() {
  static SurfaceNormals workspace;
  return workspace;
}
constexpr size_t kKeptNormals = size_t(1) << 20;

// The vertex colours' storage, kept the same way.
std::vector<UnitColour>& ColourWorkspace() {
  static std::vector<UnitColour> workspace;
  return workspace;
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

  const std::optional<SurfaceGrid> grid = BuildGrid(item, lngAnimStep);
  if (!grid) return;

  SetPolygonModeByShow(item.Show);
  SurfaceNormals& normals = NormalsWorkspace();
  ComputeSurfaceNormals(*grid, cells, normals);
  SetShadeModelBySmoothness(item.Smoothness);

  if (item.GraphType != GraphKind::ColorMap) {
    const int32_t su = grid->su(), sv = grid->sv();
    const VertexColouring colouring(item, 1.0f / 1000000.0f);
    // Each vertex's colour once (a vertex is the corner of up to four cells).
    std::vector<UnitColour>& colourOf = ColourWorkspace();
    const size_t rowLength = static_cast<size_t>(sv) + 1;
    colourOf.resize((static_cast<size_t>(su) + 1) * rowLength);
    for (int32_t i = 0; i <= su; ++i)
      for (int32_t j = 0; j <= sv; ++j)
        colourOf[static_cast<size_t>(i) * rowLength + static_cast<size_t>(j)] =
            colouring.At(grid->At(i, j));
    auto colourAt = [&](int32_t i, int32_t j) -> const UnitColour& {
      return colourOf[static_cast<size_t>(i) * rowLength + static_cast<size_t>(j)];
    };
    const int32_t smoothness = item.Smoothness;
    if (DrawsRowAsStrip(item.Show, smoothness)) {
      const RowStripWinding winding;
      for (int32_t i = 0; i < su; ++i) {
        const auto row = [&](int32_t r) {
          return [&, r](int32_t j, const auto& put) {
            put(grid->At(r, j), colourAt(r, j), normals.Vertex(r, j));
          };
        };
        EmitRowStrip(sv, row(i), row(i + 1));
      }
    } else {
      for (int32_t i = 0; i < su; ++i) {
        for (int32_t j = 0; j < sv; ++j) {
          const Point* const corners[4] = {&grid->At(i, j), &grid->At(i + 1, j),
                                           &grid->At(i + 1, j + 1), &grid->At(i, j + 1)};
          const UnitColour colours[4] = {colourAt(i, j), colourAt(i + 1, j),
                                         colourAt(i + 1, j + 1), colourAt(i, j + 1)};
          const Normal3* const vertexNormals[4] = {
              &normals.Vertex(i, j), &normals.Vertex(i + 1, j), &normals.Vertex(i + 1, j + 1),
              &normals.Vertex(i, j + 1)};
          EmitCell(smoothness, corners, colours, normals.Face(i, j), vertexNormals);
        }
      }
    }
  }
  if (normals.vertex.capacity() > kKeptNormals) normals = SurfaceNormals();
  if (ColourWorkspace().capacity() > kKeptNormals) std::vector<UnitColour>().swap(ColourWorkspace());
}

}  // namespace curvanta
