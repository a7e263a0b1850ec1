// Face normals from the cell diagonals, vertex normals as the sums of the faces around each
// point, the two seam tests and the normalisation.
#include "draw/surface_normals.h"

#include <cmath>

namespace curvanta {

namespace {

bool Finite(const Normal3& n) {
  return std::isfinite(n.x) && std::isfinite(n.y) && std::isfinite(n.z);
}

// The vector n divided by its length, the length rounded to a float first; a length of 0
// becomes `zeroLength`.
Normal3 DivideByLength(const Normal3& n, float zeroLength) {
  const double sum = double(n.x) * n.x + double(n.y) * n.y + double(n.z) * n.z;
  float len = static_cast<float>(std::sqrt(sum));
  if (len == 0.0f) len = zeroLength;
  const Normal3 out{n.x / len, n.y / len, n.z / len};
  return Finite(out) ? out : Normal3{};
}

// Two coordinates of a seam meet when they differ by less than 0.8 of the cell size of their
// axis (both rounded to floats, strict); a cell size of 0 never meets.
bool Meets(float a, float b, float cell) {
  const float tolerance = static_cast<float>(double(cell) * 8.0 / 10.0);
  const float difference = static_cast<float>(std::fabs(double(a) - double(b)));
  return tolerance > difference;
}

bool PointsMeet(const Point& p, const Point& q, const CellSizes& cells) {
  return Meets(p.x, q.x, cells.x) && Meets(p.y, q.y, cells.y) && Meets(p.z, q.z, cells.z);
}

}  // namespace

Normal3 operator+(const Normal3& a, const Normal3& b) {
  return Normal3{a.x + b.x, a.y + b.y, a.z + b.z};
}

Normal3 QuadNormal(const Point& a, const Point& b, const Point& c, const Point& d) {
  const float d1x = a.x - c.x, d1y = a.y - c.y, d1z = a.z - c.z;
  const float d2x = b.x - d.x, d2y = b.y - d.y, d2z = b.z - d.z;
  const Normal3 n{static_cast<float>(double(d1y) * d2z - double(d1z) * d2y),
                  static_cast<float>(double(d1z) * d2x - double(d1x) * d2z),
                  static_cast<float>(double(d1x) * d2y - double(d1y) * d2x)};
  if (!Finite(n)) return Normal3{};
  return DivideByLength(n, 1.0f / 10000.0f);
}

Normal3 Normalised(const Normal3& n) {
  if (!Finite(n)) return Normal3{};
  return DivideByLength(n, 1.0f);
}

SurfaceNormals ComputeSurfaceNormals(const SurfaceGrid& grid, const CellSizes& cells) {
  SurfaceNormals out;
  ComputeSurfaceNormals(grid, cells, out);
  return out;
}

void ComputeSurfaceNormals(const SurfaceGrid& grid, const CellSizes& cells, SurfaceNormals& out) {
  const int32_t su = grid.su(), sv = grid.sv();
  out.su = su;
  out.sv = sv;
  out.seamU = out.seamV = false;
  if (su < 1 || sv < 1) {
    out.face.clear();
    out.vertex.clear();
    return;
  }
  // Every element is written below before it is read.
  out.face.resize(static_cast<size_t>(su) * static_cast<size_t>(sv));
  out.vertex.resize(static_cast<size_t>(su + 1) * static_cast<size_t>(sv + 1));

  auto face = [&](int32_t i, int32_t j) -> Normal3& {
    return out.face[static_cast<size_t>(i) * static_cast<size_t>(sv) + static_cast<size_t>(j)];
  };
  auto vertex = [&](int32_t i, int32_t j) -> Normal3& {
    return out.vertex[static_cast<size_t>(i) * static_cast<size_t>(sv + 1) +
                      static_cast<size_t>(j)];
  };

  for (int32_t i = 0; i < su; ++i)
    for (int32_t j = 0; j < sv; ++j)
      face(i, j) = QuadNormal(grid.At(i, j), grid.At(i + 1, j), grid.At(i + 1, j + 1),
                              grid.At(i, j + 1));

  // Corners and borders of an open grid.
  vertex(0, 0) = face(0, 0);
  vertex(0, sv) = face(0, sv - 1);
  vertex(su, 0) = face(su - 1, 0);
  vertex(su, sv) = face(su - 1, sv - 1);
  for (int32_t j = 1; j < sv; ++j) {
    vertex(0, j) = face(0, j) + face(0, j - 1);
    vertex(su, j) = face(su - 1, j) + face(su - 1, j - 1);
  }
  for (int32_t i = 1; i < su; ++i) {
    vertex(i, 0) = face(i, 0) + face(i - 1, 0);
    vertex(i, sv) = face(i, sv - 1) + face(i - 1, sv - 1);
  }

  // The v seam: every point of the first column meets its partner in the last one.
  out.seamV = true;
  for (int32_t i = 0; i <= su && out.seamV; ++i)
    out.seamV = PointsMeet(grid.At(i, 0), grid.At(i, sv), cells);
  if (out.seamV) {
    vertex(0, 0) = vertex(0, sv) = face(0, sv - 1) + face(0, 0);
    vertex(su, 0) = vertex(su, sv) = face(su - 1, sv - 1) + face(su - 1, 0);
    for (int32_t i = 1; i < su; ++i)
      vertex(i, 0) = vertex(i, sv) =
          face(i - 1, 0) + face(i - 1, sv - 1) + face(i, sv - 1) + face(i, 0);
  }

  // The u seam, after the v seam: where both close its corner sums stand.
  out.seamU = true;
  for (int32_t j = 0; j <= sv && out.seamU; ++j)
    out.seamU = PointsMeet(grid.At(0, j), grid.At(su, j), cells);
  if (out.seamU) {
    vertex(0, 0) = vertex(su, 0) = face(su - 1, 0) + face(0, 0);
    vertex(0, sv) = vertex(su, sv) = face(su - 1, sv - 1) + face(0, sv - 1);
    for (int32_t j = 1; j < sv; ++j)
      vertex(0, j) = vertex(su, j) =
          face(0, j - 1) + face(0, j) + face(su - 1, j - 1) + face(su - 1, j);
  }

  for (int32_t i = 1; i < su; ++i)
    for (int32_t j = 1; j < sv; ++j)
      vertex(i, j) = face(i - 1, j - 1) + face(i - 1, j) + face(i, j - 1) + face(i, j);

  for (Normal3& n : out.vertex) n = Normalised(n);
}

}  // namespace curvanta
