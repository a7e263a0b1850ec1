// Reset, cell access and the current cell of the point grid.
#include "dialogs/data/point_table_grid.h"

#include <algorithm>

namespace curvanta {

PointTableGrid::PointTableGrid(std::vector<std::string> headers)
    : columns_(std::max<size_t>(headers.size(), 2)), cells_(std::move(headers)) {
  cells_.resize(columns_);
}

const std::string& PointTableGrid::text(int32_t row, int32_t column) const {
  static const std::string empty;
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return empty;
  return cells_[size_t(row) * columns_ + size_t(column)];
}

void PointTableGrid::setText(int32_t row, int32_t column, std::string text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
  cells_[size_t(row) * columns_ + size_t(column)] = std::move(text);
}

void PointTableGrid::reset(int32_t rows, int32_t cols) {
  rows = std::clamp(rows, 0, kTableCountLimit);
  cols = std::clamp(cols, 0, kTableCountLimit);
  const size_t gridRows = size_t(rows) * size_t(cols) + 1;
  cells_.resize(gridRows * columns_);
  for (int32_t i = 0; i < rows; ++i)
    for (int32_t j = 0; j < cols; ++j)
      cells_[(size_t(i) * size_t(cols) + size_t(j) + 1) * columns_] =
          std::to_string(i) + "," + std::to_string(j);
  if (gridRows > 1) {
    row_ = 1;
    column_ = 1;
  } else {
    row_ = 0;
    column_ = 0;
  }
}

bool PointTableGrid::setCurrent(int32_t row, int32_t column) {
  if (row < 1 || row >= rowCount() || column < 1 || column >= columnCount()) return false;
  row_ = row;
  column_ = column;
  return true;
}

void PointTableGrid::step(Step direction) {
  if (!hasCurrentDataCell()) return;
  switch (direction) {
    case Step::Left:
      if (column_ > 1) --column_;
      break;
    case Step::Right:
      if (column_ < columnCount() - 1) ++column_;
      break;
    case Step::Up:
      if (row_ > 1) --row_;
      break;
    case Step::Down:
      if (row_ < rowCount() - 1) ++row_;
      break;
  }
}

}  // namespace curvanta
