// RowReuse: the values of a program's parts that depend on the row variable alone, kept from
// one row to the next while the rows of a grid share their row values (as a surface's rows do),
// so that such a part (the cos(y) of sin(x)*cos(y)) is computed once for the whole grid.
#pragma once

#include <cstddef>
#include <vector>

namespace curvanta {

class RowReuse {
 public:
  // Readies the store for the next row of one program; everything kept is forgotten when the
  // row values, the row variable or the evaluation settings differ from the last row's.
  void Begin(int rowVariable, bool degree, bool divisionByZeroIsError, const float* rowValues,
             size_t n);

  // The kept values of part `instruction` in the block of the row that starts at point
  // `first`, or nullptr.
  const double* Find(size_t instruction, size_t block, size_t first) const;
  void Keep(size_t instruction, size_t block, size_t first, const double* values, size_t count);

 private:
  struct Part {
    std::vector<double> values;        // one per point of the row
    std::vector<unsigned char> blocks;  // which blocks of the row are kept
  };
  int rowVariable_ = -1;
  bool degree_ = false;
  bool divisionByZeroIsError_ = false;
  std::vector<float> rowValues_;
  std::vector<Part> parts_;  // by instruction index
};

}  // namespace curvanta
