// OK, loading and edit filling of the 2.5D and 3D table dialogs.
#include "dialogs/data/table_surface_dialog_state.h"

#include <algorithm>

#include "common/number_text.h"

namespace curvanta {

Table25DDialogState Table25DLoad() {
  Table25DDialogState state;
  ResetPointTable(state.data);
  return state;
}

Table3DDialogState Table3DLoad() {
  Table3DDialogState state;
  ResetPointTable(state.data);
  return state;
}

TableAcceptOutcome Table25DAccept(Table25DDialogState& state) {
  TableAcceptOutcome out;
  TableSize size;
  std::vector<std::array<float, 3>> values;
  if ((out.refusal = ReadTable(state.data, size, values))) return out;
  auto item = std::make_shared<GraphItem>();
  StoreRowOfPoints(*item, values);
  item->CoordType = CoordKind::Plane;
  item->NameS = state.data.name;
  item->GraphType = GraphKind::Table25D;
  ApplySurfaceLook(state.look, *item);
  out.item = item;
  return out;
}

TableAcceptOutcome Table3DAccept(Table3DDialogState& state) {
  TableAcceptOutcome out;
  TableSize size;
  std::vector<std::array<float, 3>> values;
  if ((out.refusal = ReadTable(state.data, size, values))) return out;
  auto item = std::make_shared<GraphItem>();
  item->StepV = size.columns - 1;
  item->StepU = size.rows - 1;
  for (int32_t i = 0; i < size.rows; ++i) {
    for (int32_t j = 0; j < size.columns; ++j) {
      const std::array<float, 3>& v = values[size_t(i) * size_t(size.columns) + size_t(j)];
      const std::shared_ptr<Point> p = item->VertTab3D(i, j);
      p->z = v[0];
      p->x = v[1];
      p->y = v[2];
    }
  }
  item->NameS = state.data.name;
  item->GraphType = GraphKind::Table3D;
  ApplySurfaceLook(state.look, *item);
  out.item = item;
  return out;
}

Table25DDialogState Table25DFillForEdit(GraphItem& table) {
  Table25DDialogState state = Table25DLoad();
  state.data.name = table.NameS;
  FillRowOfPoints(state.data, table);
  state.look = SurfaceLookOf(table);
  return state;
}

Table3DDialogState Table3DFillForEdit(GraphItem& table) {
  Table3DDialogState state = Table3DLoad();
  state.data.name = table.NameS;
  state.data.rowCount = std::to_string(int64_t(table.StepU) + 1);
  state.data.columnCount = std::to_string(int64_t(table.StepV) + 1);
  const int32_t rows = std::clamp(table.StepU, -1, kTableUpper) + 1;
  const int32_t columns = std::clamp(table.StepV, -1, kTableUpper) + 1;
  PointTableGrid& grid = state.data.editor.grid;
  grid.reset(rows, columns);
  for (int32_t i = 0; i < rows; ++i) {
    for (int32_t j = 0; j < columns; ++j) {
      const std::shared_ptr<Point> p = table.VertTab3D(i, j);
      const int32_t row = i * columns + j + 1;
      grid.setText(row, 1, FormatFieldSingle(p->z));
      grid.setText(row, 2, FormatFieldSingle(p->x));
      grid.setText(row, 3, FormatFieldSingle(p->y));
    }
  }
  state.look = SurfaceLookOf(table);
  return state;
}

bool Table25DCommandOk(Table25DDialogState& state, DocumentHost& host) {
  return CommitTable(Table25DAccept(state), host);
}

bool Table3DCommandOk(Table3DDialogState& state, DocumentHost& host) {
  return CommitTable(Table3DAccept(state), host);
}

}  // namespace curvanta
