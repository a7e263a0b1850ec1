// Lighting normals of a grid of points: one unit normal per cell from its diagonals and one
// per grid point from the cells that meet there, with the faces on both sides of a seam shared
// when the grid closes on itself (a full turn of an angle, a torus).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graph/point.h"

namespace curvanta {

struct Normal3 {
  float x = 0;
  float y = 0;
  float z = 0;
};

// The points P(i, j), i = 0..su, j = 0..sv, of a grid, read in place from an array the item
// owns (its samples, a frame of its animation, its revolution band): P(i, j) is
// base[i * strideU + j * strideV].
class SurfaceGrid {
 public:
  SurfaceGrid(int32_t su, int32_t sv, const Point* base, std::ptrdiff_t strideU,
              std::ptrdiff_t strideV)
      : su_(su), sv_(sv), base_(base), strideU_(strideU), strideV_(strideV) {}
  int32_t su() const { return su_; }
  int32_t sv() const { return sv_; }
  const Point& At(int32_t i, int32_t j) const { return base_[i * strideU_ + j * strideV_]; }

 private:
  int32_t su_;
  int32_t sv_;
  const Point* base_;
  std::ptrdiff_t strideU_;
  std::ptrdiff_t strideV_;
};

// The extent of the item on each axis divided by the cell count along it: what a seam's
// corresponding points may differ by (less than 0.8 of it) and still meet.
struct CellSizes {
  float x = 0;
  float y = 0;
  float z = 0;
};

struct SurfaceNormals {
  int32_t su = 0;
  int32_t sv = 0;
  std::vector<Normal3> face;    // cell (i, j), i < su, j < sv
  std::vector<Normal3> vertex;  // point (i, j), i <= su, j <= sv
  bool seamV = false;           // the columns j = 0 and j = sv meet
  bool seamU = false;           // the rows i = 0 and i = su meet

  const Normal3& Face(int32_t i, int32_t j) const {
    return face[static_cast<std::size_t>(i) * static_cast<std::size_t>(sv) + static_cast<std::size_t>(j)];
  }
  const Normal3& Vertex(int32_t i, int32_t j) const {
    return vertex[static_cast<std::size_t>(i) * static_cast<std::size_t>(sv + 1) + static_cast<std::size_t>(j)];
  }
};

// The unit normal of the quad a, b, c, d from its diagonals: (a - c) x (b - d), divided by its
// length (a length of 0 gives the zero vector; a result that is not finite becomes zero).
Normal3 QuadNormal(const Point& a, const Point& b, const Point& c, const Point& d);

// Adds up face normals component by component.
Normal3 operator+(const Normal3& a, const Normal3& b);

// The normal scaled to length 1; the zero vector (or one that is not finite) gives zero.
Normal3 Normalised(const Normal3& n);

// Face and vertex normals of a grid with su, sv >= 1, written into `out` (whose storage is
// reused when it is large enough).
void ComputeSurfaceNormals(const SurfaceGrid& grid, const CellSizes& cells, SurfaceNormals& out);
SurfaceNormals ComputeSurfaceNormals(const SurfaceGrid& grid, const CellSizes& cells);

}  // namespace curvanta
