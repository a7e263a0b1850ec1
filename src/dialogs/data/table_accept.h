// What the three table dialogs' OK shares: the checks of the count boxes, the reading of
// the grid's cells into points, the outcome, the list line of an edited table, and the
// modal showing that tests replace with a scripted runner.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/document_host.h"
#include "common/message_service.h"
#include "dialogs/data/point_table_data.h"
#include "graph/graph_item.h"

class QWidget;

namespace curvanta {

// OK's result: a refusal to show (the dialog stays open) or the built item.
struct TableAcceptOutcome {
  std::optional<Message> refusal;
  std::shared_ptr<GraphItem> item;
};

// The count boxes and the cells at OK (the two below in turn): the refusal, or the table's
// size and its points' values.
std::optional<Message> ReadTable(PointTableData& data, TableSize& size,
                                 std::vector<std::array<float, 3>>& values);

// The count boxes at OK: an empty box, a count outside 1..201 and a table larger than the
// grid's point rows are refused; otherwise the table's size.
std::optional<Message> CheckTableCounts(const PointTableData& data, TableSize& size);

// The cells of the first `points` grid rows, row by row, X before Y (before Z): each is
// filtered as a number and its cleaned text written back; the first cell that fails, or
// whose value does not fit a float, is refused with the cells before it already cleaned.
// `values` receives (X, Y, Z) per point, a missing number as 0.
std::optional<Message> ReadTableCells(PointTableData& data, int32_t points,
                                      std::vector<std::array<float, 3>>& values);

// 2D and 2.5D tables, one row of points: the item's steps and its points (0, j) =
// (X, Y, 0) from `values`; and for an edit, the count box and grid filled from a table.
void StoreRowOfPoints(GraphItem& item, const std::vector<std::array<float, 3>>& values);
void FillRowOfPoints(PointTableData& data, GraphItem& table);

// The refusal of a value that is not a number the dialog can store.
Message InvalidValueMessage();

// The list line of a table after an edit: its kind's label, two blanks and its name.
std::string TableListLine(const GraphItem& table);

// Adds the built table to the document, or copies it into the edited table (without
// sampling); shows the refusal instead when there is one. True when the dialog closes.
bool CommitTable(const TableAcceptOutcome& outcome, DocumentHost& host);

// The parent of the table dialogs' windows (the main window's active window when unset).
QWidget* TableDialogParent();

// A replacement for a dialog's modal showing (tests drive the state without widgets).
template <class State>
using TableDialogRunner = std::function<void(State preset, DocumentHost& host)>;
template <class State>
TableDialogRunner<State>& TableDialogRunnerSlot() {
  static TableDialogRunner<State> runner;
  return runner;
}
// Installs a runner for the life of the guard.
template <class State>
class ScopedTableDialogRunner {
 public:
  explicit ScopedTableDialogRunner(TableDialogRunner<State> runner)
      : previous_(std::move(TableDialogRunnerSlot<State>())) {
    TableDialogRunnerSlot<State>() = std::move(runner);
  }
  ~ScopedTableDialogRunner() { TableDialogRunnerSlot<State>() = std::move(previous_); }
  ScopedTableDialogRunner(const ScopedTableDialogRunner&) = delete;
  ScopedTableDialogRunner& operator=(const ScopedTableDialogRunner&) = delete;

 private:
  TableDialogRunner<State> previous_;
};

}  // namespace curvanta
