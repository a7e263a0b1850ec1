// Count checks, cell reading and the commit shared by the table dialogs.
#include "dialogs/data/table_accept.h"

#include <QApplication>
#include <algorithm>

#include "common/number_text.h"

#include "dialogs/function/graph_dialog_protocol.h"
#include "expr/input_filters.h"

namespace curvanta {

namespace {

Message Notice(const char* text) { return Message{text, "注意", MsgIcon::Exclamation, MsgButtons::Ok}; }

}  // namespace

Message InvalidValueMessage() {
  return Message{"存在不合法的表达式或数值", "出错", MsgIcon::Error, MsgButtons::Ok};
}

std::optional<Message> CheckTableCounts(const PointTableData& data, TableSize& size) {
  const bool solid = data.kind == PointTableKind::Table3D;
  const bool missing = solid ? data.rowCount.empty() || data.columnCount.empty() : data.pointCount.empty();
  // The table dialogs show this one without a title of their own.
  if (missing) return Message{"请输入所有必需的参数", "", MsgIcon::Exclamation, MsgButtons::Ok};
  size = data.size();
  auto inRange = [](int32_t count) { return count >= 1 && count <= kTableCountLimit; };
  if (!inRange(size.rows) || !inRange(size.columns))
    return Notice(solid ? "行数和列数必须在 1 到 201 之间" : "点数必须在 1 到 201 之间");
  if (int64_t(size.rows) * size.columns > data.editor.grid.pointRows())
    return Notice("表格的行数少于点数，请先单击“重置”");
  return std::nullopt;
}

std::optional<Message> ReadTable(PointTableData& data, TableSize& size,
                                 std::vector<std::array<float, 3>>& values) {
  if (auto refusal = CheckTableCounts(data, size)) return refusal;
  return ReadTableCells(data, size.rows * size.columns, values);
}

std::optional<Message> ReadTableCells(PointTableData& data, int32_t points,
                                      std::vector<std::array<float, 3>>& values) {
  PointTableGrid& grid = data.editor.grid;
  const int32_t perPoint = ValuesPerPoint(data.kind);
  values.assign(size_t(std::max(points, 0)), {0.0f, 0.0f, 0.0f});
  for (int32_t p = 0; p < points; ++p) {
    for (int32_t v = 0; v < perPoint; ++v) {
      std::string cleaned;
      if (!CheckNumberText(grid.text(p + 1, v + 1), cleaned)) return InvalidValueMessage();
      grid.setText(p + 1, v + 1, cleaned);
      const std::optional<float> value = CellValue(cleaned);
      if (!value) return InvalidValueMessage();
      values[size_t(p)][size_t(v)] = *value;
    }
  }
  return std::nullopt;
}

void StoreRowOfPoints(GraphItem& item, const std::vector<std::array<float, 3>>& values) {
  const int32_t n = static_cast<int32_t>(values.size());
  item.StepV = n - 1;
  item.StepU = 1;
  for (int32_t j = 0; j < n; ++j) {
    const std::shared_ptr<Point> p = item.VertTab3D(0, j);
    p->x = values[size_t(j)][0];
    p->y = values[size_t(j)][1];
    p->z = 0.0f;
  }
}

void FillRowOfPoints(PointTableData& data, GraphItem& table) {
  data.pointCount = std::to_string(int64_t(table.StepV) + 1);
  const int32_t last = std::clamp(table.StepV, -1, kTableUpper);
  PointTableGrid& grid = data.editor.grid;
  grid.reset(1, last + 1);
  for (int32_t j = 0; j <= last; ++j) {
    const std::shared_ptr<Point> p = table.VertTab3D(0, j);
    grid.setText(j + 1, 1, FormatFieldSingle(p->x));
    grid.setText(j + 1, 2, FormatFieldSingle(p->y));
  }
}

std::string TableListLine(const GraphItem& table) {
  const char* label = table.GraphType == GraphKind::Table3D    ? "三维表数据图形  "
                      : table.GraphType == GraphKind::Table25D ? "二维半表数据图形  "
                                                               : "二维表数据图形  ";
  return label + table.NameS;
}

bool CommitTable(const TableAcceptOutcome& outcome, DocumentHost& host) {
  if (outcome.refusal) {
    ShowMessage(outcome.refusal->text, outcome.refusal->title, outcome.refusal->icon,
                outcome.refusal->buttons);
    return false;
  }
  CommitOptions options;
  options.table = true;
  options.editLine = TableListLine;
  return CommitGraph(outcome.item, options, host);
}

QWidget* TableDialogParent() { return QApplication::activeWindow(); }

}  // namespace curvanta
