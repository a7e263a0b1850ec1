// Reset, export and import of a table dialog's data page.
#include "dialogs/data/point_table_data.h"

#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "common/ui/file_chooser.h"

namespace curvanta {

namespace {

const char* const kFilter = "(*.txt)";

PointTableGrid EmptyGrid(PointTableKind kind) {
  if (kind == PointTableKind::Table3D) return PointTableGrid({"编号", "X", "Y", "Z"});
  return PointTableGrid({"编号", "X", "Y"});
}

}  // namespace

PointTableData::PointTableData(PointTableKind tableKind) : kind(tableKind), editor(EmptyGrid(tableKind)) {}

std::optional<int32_t> WholeNumber(const std::string& text) {
  const double v = RoundHalfEven(LeadingNumber(text));
  if (!(v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()))
    return std::nullopt;
  return static_cast<int32_t>(v);
}

std::optional<float> CellValue(const std::string& cleaned) {
  const double v = LeadingNumber(cleaned);
  if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(v);
}

TableSize PointTableData::size() const {
  if (kind == PointTableKind::Table3D)
    return {WholeNumber(rowCount).value_or(-1), WholeNumber(columnCount).value_or(-1)};
  return {1, WholeNumber(pointCount).value_or(-1)};
}

void ResetPointTable(PointTableData& data) {
  const TableSize size = data.size();
  data.editor.box.visible = false;
  data.editor.grid.reset(size.rows, size.columns);
}

std::optional<Message> ExportPointTable(const PointTableData& data, FileChooser& chooser,
                                        QWidget* parent) {
  const std::string path = chooser.save("导出", kFilter, "txt", parent);
  if (path.empty()) return std::nullopt;
  return WritePointTableFile(path, PointTableText(data.kind, data.editor.grid, data.size()));
}

std::optional<Message> ImportPointTable(PointTableData& data, FileChooser& chooser,
                                        QWidget* parent) {
  const std::string path = chooser.open("打开", kFilter, parent);
  if (path.empty()) return std::nullopt;
  const PointTableFileBytes file = ReadPointTableFile(path);
  if (file.refusal) return file.refusal;
  const PointTableImport in = ReadPointTableText(data.kind, file.bytes);
  if (in.outcome == PointTableImport::Outcome::Refused) return in.refusal;
  if (in.outcome == PointTableImport::Outcome::Ignored) return std::nullopt;
  if (data.kind == PointTableKind::Table3D) {
    data.rowCount = std::to_string(in.size.rows);
    data.columnCount = std::to_string(in.size.columns);
  } else {
    data.pointCount = std::to_string(in.size.columns);
  }
  ResetPointTable(data);
  PointTableGrid& grid = data.editor.grid;
  for (size_t p = 0; p < in.values.size(); ++p)
    for (size_t v = 0; v < in.values[p].size(); ++v)
      grid.setText(int32_t(p) + 1, int32_t(v) + 1, in.values[p][v]);
  return std::nullopt;
}

}  // namespace curvanta
