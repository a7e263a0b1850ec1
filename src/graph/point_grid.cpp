// Dimensioning and bound checks of the point arrays.
#include "graph/point_grid.h"

#include <new>

namespace curvanta {

void PointGrid::Allocate(int32_t upper0, int32_t upper1, int32_t upper2) {
  Clear();
  int rank = upper1 < 0 ? 1 : (upper2 < 0 ? 2 : 3);
  if (upper0 < 0) throw std::bad_alloc();
  size_t count = static_cast<size_t>(upper0) + 1;
  if (rank >= 2) count *= static_cast<size_t>(upper1) + 1;
  if (rank >= 3) count *= static_cast<size_t>(upper2) + 1;
  points_.assign(count, Point());  // may throw std::bad_alloc; the array then stays empty
  rank_ = rank;
  upper_[0] = upper0;
  upper_[1] = upper1;
  upper_[2] = upper2;
}

void PointGrid::Clear() {
  std::vector<Point>().swap(points_);
  rank_ = 0;
  upper_[0] = upper_[1] = upper_[2] = -1;
}

bool PointGrid::Covers(int rank, int32_t upper0, int32_t upper1, int32_t upper2) const {
  if (upper0 < 0 || (rank >= 2 && upper1 < 0) || (rank >= 3 && upper2 < 0)) return true;
  if (rank != rank_) return false;
  if (upper0 > upper_[0]) return false;
  if (rank >= 2 && upper1 > upper_[1]) return false;
  if (rank >= 3 && upper2 > upper_[2]) return false;
  return true;
}

}  // namespace curvanta
