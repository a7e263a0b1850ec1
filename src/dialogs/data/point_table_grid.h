// The cells of a table dialog's point grid: a header row, a label column and one row per
// point (point (i, j) of a rows x cols table in grid row i * cols + j + 1, labelled "i,j"),
// with the current cell, Reset and the one-step moves of the arrow keys.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace curvanta {

// The largest row or column count of a table.
inline constexpr int32_t kTableCountLimit = 201;

class PointTableGrid {
 public:
  // A grid with the header row only; `headers` are the texts of row 0, label column first
  // ("编号", "X", "Y"[, "Z"]).
  explicit PointTableGrid(std::vector<std::string> headers = {"编号", "X", "Y"});

  int32_t rowCount() const { return static_cast<int32_t>(cells_.size() / columns_); }
  int32_t columnCount() const { return static_cast<int32_t>(columns_); }
  // Grid rows below the header.
  int32_t pointRows() const { return rowCount() - 1; }

  // The text of a cell; "" outside the grid.
  const std::string& text(int32_t row, int32_t column) const;
  // Sets a cell's text; ignored outside the grid.
  void setText(int32_t row, int32_t column, std::string text);

  // Reset: each count taken into 0..201, then rows x cols point rows labelled "i,j" row by
  // row. Data cells of rows that remain keep their texts, added rows are empty, rows past
  // the new end are dropped. The current cell becomes (1, 1), or (0, 0) without point rows.
  void reset(int32_t rows, int32_t cols);

  int32_t currentRow() const { return row_; }
  int32_t currentColumn() const { return column_; }
  // Makes a data cell current; a label or header cell, or a cell outside, is refused.
  bool setCurrent(int32_t row, int32_t column);
  // The grid's arrow keys: one step among the data cells, staying at the edges.
  enum class Step { Left, Up, Right, Down };
  void step(Step direction);
  // True when the current cell is a data cell (there is a point row).
  bool hasCurrentDataCell() const { return row_ >= 1 && column_ >= 1; }

 private:
  size_t columns_;
  std::vector<std::string> cells_;  // row-major
  int32_t row_ = 0;
  int32_t column_ = 0;
};

}  // namespace curvanta
