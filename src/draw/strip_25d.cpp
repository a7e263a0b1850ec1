// 2.5D strips: the two rows of the kind, their normals and their lit segments, one quad strip
// where filled segments give each corner its own normal and one quad per segment otherwise.
#include "draw/strip_25d.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

#include "common/globals.h"
#include "draw/cell_emission.h"
#include "graph/graph_item.h"

namespace curvanta {

namespace {

bool Near(float a, float b) { return std::fabs(a - b) < 0.001; }

bool SamePlace(const Point& p, const Point& q) {
  return Near(p.x, q.x) && Near(p.y, q.y) && Near(p.z, q.z);
}

SurfaceGrid Vert3DRows(const GraphItem& item, int32_t sv) {
  return SurfaceGrid(1, sv, item.Vert3DGrid().Data(), item.Vert3DGrid().Upper(1) + 1, 1);
}

// The two rows of the kind, or nothing when they are not there.
std::optional<SurfaceGrid> BuildRows(GraphItem& item, int32_t frame) {
  const int32_t sv = item.StepV;
  if (sv < 1) return std::nullopt;
  switch (item.GraphType) {
    case GraphKind::Strip25D:
      if (!item.Vert3DGrid().Covers(2, 1, sv)) return std::nullopt;
      return Vert3DRows(item, sv);
    case GraphKind::Strip25DAnim: {
      const PointGrid& frames = item.AnimStripGrid();
      if (frame < 0 || frame > AnimFrameCount || !frames.Covers(3, 1, sv, frame))
        return std::nullopt;
      const std::ptrdiff_t n2 = frames.Upper(2) + 1, n1 = frames.Upper(1) + 1;
      return SurfaceGrid(1, sv, frames.Data() + frame, n1 * n2, n2);
    }
    case GraphKind::Table25D: {
      if (sv > kTableUpper) return std::nullopt;
      // The table's points as they are now (a missing one is created at the origin and kept).
      const int32_t su = std::clamp(item.StepU, 1, kTableUpper);
      item.Vert3DGrid().Allocate(su, sv);
      for (int32_t i = 0; i <= su; ++i)
        for (int32_t j = 0; j <= sv; ++j) item.SetVert3D(i, j, *item.VertTab3D(i, j));
      return Vert3DRows(item, sv);
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

StripNormals ComputeStripNormals(const SurfaceGrid& rows) {
  StripNormals out;
  const int32_t sv = rows.sv();
  if (sv < 1) return out;
  out.face.resize(static_cast<size_t>(sv));
  for (int32_t j = 0; j < sv; ++j)
    out.face[static_cast<size_t>(j)] =
        QuadNormal(rows.At(0, j), rows.At(1, j), rows.At(1, j + 1), rows.At(0, j + 1));
  const Normal3 first = out.face.front();
  const Normal3 last = out.face.back();
  out.closed = SamePlace(rows.At(0, 0), rows.At(0, sv)) && SamePlace(rows.At(1, 0), rows.At(1, sv));
  for (std::vector<Normal3>& row : out.vertex) {
    row.resize(static_cast<size_t>(sv) + 1);
    row.front() = first;
    row.back() = last;
    for (int32_t j = 1; j < sv; ++j)
      row[static_cast<size_t>(j)] = out.face[static_cast<size_t>(j - 1)] + out.face[static_cast<size_t>(j)];
    if (out.closed) row.front() = row.back() = last + first;
    for (Normal3& n : row) n = Normalised(n);
  }
  return out;
}

void DrawStrip(GraphItem& item, int32_t lngAnimStep) {
  const std::optional<SurfaceGrid> rows = BuildRows(item, lngAnimStep);
  SetPolygonModeByShow(item.Show);
  if (!rows) return;
  const StripNormals normals = ComputeStripNormals(*rows);
  SetShadeModelBySmoothness(item.Smoothness);

  const VertexColouring colouring(item, 1.0f / 1000000000.0f);
  const int32_t smoothness = item.Smoothness;
  if (DrawsRowAsStrip(item.Show, smoothness)) {
    const auto edge = [&](int32_t k) {
      return [&, k](int32_t j, const auto& put) {
        const Point& p = rows->At(k, j);
        put(p, colouring.At(p), normals.vertex[k][static_cast<size_t>(j)]);
      };
    };
    const RowStripWinding winding;
    EmitRowStrip(rows->sv(), edge(0), edge(1));
    return;
  }
  for (int32_t j = 0; j < rows->sv(); ++j) {
    const size_t a = static_cast<size_t>(j), d = a + 1;
    const Point* const corners[4] = {&rows->At(0, j), &rows->At(1, j), &rows->At(1, j + 1),
                                     &rows->At(0, j + 1)};
    const UnitColour colours[4] = {colouring.At(*corners[0]), colouring.At(*corners[1]),
                                   colouring.At(*corners[2]), colouring.At(*corners[3])};
    const Normal3* const vertexNormals[4] = {&normals.vertex[0][a], &normals.vertex[1][a],
                                             &normals.vertex[1][d], &normals.vertex[0][d]};
    EmitCell(smoothness, corners, colours, normals.face[a], vertexNormals);
  }
}

}  // namespace curvanta
