// OK, loading and edit filling of the 2D table dialog.
#include "dialogs/data/table_2d_dialog_state.h"


namespace curvanta {

const char* const kTableMarkerItems[6] = {"实心圆",   "空心圆",   "实心矩形",
                                          "实心三角形", "实心菱形", "十字丝形"};

Table2DDialogState Table2DLoad() {
  Table2DDialogState state;
  ResetPointTable(state.data);
  return state;
}

TableAcceptOutcome Table2DAccept(Table2DDialogState& state) {
  TableAcceptOutcome out;
  TableSize size;
  std::vector<std::array<float, 3>> values;
  if ((out.refusal = ReadTable(state.data, size, values))) return out;
  const std::optional<int32_t> lineWidth = WholeNumber(state.lineWidth);
  const std::optional<int32_t> scatterSize = WholeNumber(state.scatterSize);
  if (!lineWidth || !scatterSize) {
    out.refusal = InvalidValueMessage();
    return out;
  }

  auto item = std::make_shared<GraphItem>();
  StoreRowOfPoints(*item, values);
  item->CoordType = CoordKind::Plane;
  item->NameS = state.data.name;
  item->GraphType = GraphKind::Table2D;
  item->FillStyle = FillKind::Single;
  item->FirstColor = 0xFF0000;
  item->SecondColor = 0xFF0000;
  item->LineColor = state.lineColour;
  item->LineWidth = *lineWidth;
  item->Material = 4;
  item->Show = ShowKind::Wireframe;
  item->Smoothness = SmoothKind::Faceted;
  item->FunForm = FormKind::Explicit;
  item->Show2DLine = state.showLine;
  item->Show2DScatter = state.showScatter;
  item->ShowSmoothCurve = state.showSmoothCurve;
  item->ScatterColor = state.scatterColour;
  item->ScatterSize = *scatterSize;
  item->SmoothCurveColor = state.smoothCurveColour;
  item->SmoothCurveWidth = state.smoothCurveWidthIndex + 1;
  item->Symbol = state.markerIndex + 1;
  out.item = item;
  return out;
}

Table2DDialogState Table2DFillForEdit(GraphItem& table) {
  Table2DDialogState state = Table2DLoad();
  state.data.name = table.NameS;
  FillRowOfPoints(state.data, table);
  state.lineColour = table.LineColor;
  state.lineWidth = std::to_string(table.LineWidth);
  state.showLine = table.Show2DLine;
  state.showScatter = table.Show2DScatter;
  state.showSmoothCurve = table.ShowSmoothCurve;
  state.scatterColour = table.ScatterColor;
  state.smoothCurveColour = table.SmoothCurveColor;
  state.scatterSize = std::to_string(table.ScatterSize);
  if (table.Symbol >= 1 && table.Symbol <= 6) state.markerIndex = table.Symbol - 1;
  if (table.SmoothCurveWidth >= 1 && table.SmoothCurveWidth <= 8)
    state.smoothCurveWidthIndex = table.SmoothCurveWidth - 1;
  return state;
}

bool Table2DCommandOk(Table2DDialogState& state, DocumentHost& host) {
  return CommitTable(Table2DAccept(state), host);
}

}  // namespace curvanta
