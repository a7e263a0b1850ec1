// A re-dimensionable array of points of rank 1 to 3, stored contiguously, that knows its
// bounds: every index runs from 0 to its upper bound inclusive. Reads outside the bounds
// (or of an array never dimensioned) give a point at the origin; writes outside are lost.
// Dimensioning it again keeps the memory it holds when that is large enough.
#pragma once

#include <cstddef>
#include <cstdint>

#include "graph/point.h"

namespace curvanta {

class PointGrid {
 public:
  PointGrid() = default;
  PointGrid(const PointGrid& other);
  PointGrid& operator=(const PointGrid& other);
  PointGrid(PointGrid&& other) noexcept;
  PointGrid& operator=(PointGrid&& other) noexcept;
  ~PointGrid();

  // Dimensions the array anew with the given upper bounds (-1 for an absent dimension);
  // every element becomes a new point at the origin. Throws std::bad_alloc when the
  // memory is not there; the array is then left empty.
  void Allocate(int32_t upper0, int32_t upper1 = -1, int32_t upper2 = -1);
  // Dimensions the array as Allocate does but leaves its elements unset, for a caller that
  // writes every element in full, in order from the first: it then calls ResetFrom with
  // the first element it did not write (or Count()), whichever way it stops. Until then no
  // element may be read. Returns the first element.
  Point* AllocateUnset(int32_t upper0, int32_t upper1 = -1, int32_t upper2 = -1);
  // Elements from offset `first` on (in Data() order) become points at the origin.
  void ResetFrom(size_t first);
  // Drops every element and the memory: the array is as never dimensioned.
  void Clear();

  bool Allocated() const { return rank_ > 0; }
  int Rank() const { return rank_; }
  // Upper bound of dimension d (0-based), -1 when the array has no such dimension.
  int32_t Upper(int d) const { return d >= 0 && d < rank_ ? upper_[d] : -1; }
  size_t Count() const { return count_; }

  // Element access by rank; a wrong rank or an index outside gives the origin.
  const Point& Get(int32_t i) const { return At(Offset(1, i, 0, 0)); }
  const Point& Get(int32_t i, int32_t j) const { return At(Offset(2, i, j, 0)); }
  const Point& Get(int32_t i, int32_t j, int32_t k) const { return At(Offset(3, i, j, k)); }

  // Writable access: outside the bounds a scratch point at the origin is handed out, so
  // whatever is written to it is lost.
  Point& Ref(int32_t i) { return AtMut(Offset(1, i, 0, 0)); }
  Point& Ref(int32_t i, int32_t j) { return AtMut(Offset(2, i, j, 0)); }
  Point& Ref(int32_t i, int32_t j, int32_t k) { return AtMut(Offset(3, i, j, k)); }

  void Set(int32_t i, const Point& p) { Put(Offset(1, i, 0, 0), p); }
  void Set(int32_t i, int32_t j, const Point& p) { Put(Offset(2, i, j, 0), p); }
  void Set(int32_t i, int32_t j, int32_t k, const Point& p) { Put(Offset(3, i, j, k), p); }

  // True when a scan of every index up to these bounds stays inside: the array has
  // `rank` dimensions and reaches each bound. A negative bound asks for nothing at all.
  bool Covers(int rank, int32_t upper0, int32_t upper1 = 0, int32_t upper2 = 0) const;

  // Raw storage for fast loops: element (i, j, k) is at (i * n1 + j) * n2 + k with
  // n1, n2 the extents (upper + 1) of dimensions 1 and 2.
  Point* Data() { return points_; }
  const Point* Data() const { return points_; }

 private:
  static constexpr size_t kOutside = static_cast<size_t>(-1);

  size_t Offset(int rank, int32_t i, int32_t j, int32_t k) const {
    if (rank != rank_) return kOutside;
    if (i < 0 || i > upper_[0]) return kOutside;
    size_t off = static_cast<size_t>(i);
    if (rank_ >= 2) {
      if (j < 0 || j > upper_[1]) return kOutside;
      off = off * (static_cast<size_t>(upper_[1]) + 1) + static_cast<size_t>(j);
    }
    if (rank_ >= 3) {
      if (k < 0 || k > upper_[2]) return kOutside;
      off = off * (static_cast<size_t>(upper_[2]) + 1) + static_cast<size_t>(k);
    }
    return off;
  }
  const Point& At(size_t off) const {
    static const Point origin;
    return off == kOutside ? origin : points_[off];
  }
  Point& AtMut(size_t off) {
    if (off == kOutside) {
      scratch_ = Point();
      return scratch_;
    }
    return points_[off];
  }
  void Put(size_t off, const Point& p) {
    if (off != kOutside) points_[off] = p;
  }

  // Sets the bounds and makes room for their elements, which are left unset.
  void Dimension(int32_t upper0, int32_t upper1, int32_t upper2);
  void Free();

  int rank_ = 0;
  int32_t upper_[3] = {-1, -1, -1};
  Point* points_ = nullptr;  // count_ elements in a block with room for capacity_
  size_t count_ = 0;
  size_t capacity_ = 0;
  Point scratch_;
};

}  // namespace curvanta
