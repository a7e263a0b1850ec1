// RowReuse: the store of row-only values between the rows of one grid.
#include "expr/row_reuse.h"

#include <algorithm>
#include <cstring>

namespace curvanta {

void RowReuse::Begin(int rowVariable, bool degree, bool divisionByZeroIsError,
                     const float* rowValues, size_t n) {
  const bool same = rowVariable == rowVariable_ && degree == degree_ &&
                    divisionByZeroIsError == divisionByZeroIsError_ && n == rowValues_.size() &&
                    (n == 0 || std::memcmp(rowValues, rowValues_.data(), n * sizeof(float)) == 0);
  if (same) return;
  rowVariable_ = rowVariable;
  degree_ = degree;
  divisionByZeroIsError_ = divisionByZeroIsError;
  rowValues_.assign(rowValues, rowValues + n);
  parts_.clear();
}

const double* RowReuse::Find(size_t instruction, size_t block, size_t first) const {
  if (instruction >= parts_.size()) return nullptr;
  const Part& part = parts_[instruction];
  if (block >= part.blocks.size() || !part.blocks[block]) return nullptr;
  return part.values.data() + first;
}

void RowReuse::Keep(size_t instruction, size_t block, size_t first, const double* values,
                    size_t count) {
  if (instruction >= parts_.size()) parts_.resize(instruction + 1);
  Part& part = parts_[instruction];
  if (part.values.size() < rowValues_.size()) part.values.resize(rowValues_.size());
  if (part.blocks.size() <= block) part.blocks.resize(block + 1);
  if (first + count > part.values.size()) return;
  std::copy(values, values + count, part.values.begin() + long(first));
  part.blocks[block] = 1;
}

}  // namespace curvanta
