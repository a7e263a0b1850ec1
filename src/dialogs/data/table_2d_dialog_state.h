// The 2D table dialog as plain state: the data page and the looks of the polyline, the
// markers and the smooth curve, with OK's build of the table item and the filling of the
// dialog from a table to edit it.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/data/point_table_data.h"
#include "dialogs/data/table_accept.h"

namespace curvanta {

// The marker list of the scatter page, symbols 1 to 6 in this order.
extern const char* const kTableMarkerItems[6];

struct Table2DDialogState {
  PointTableData data{PointTableKind::Table2D};
  // "线形图": the polyline.
  bool showLine = true;
  int32_t lineColour = 0x008000;
  std::string lineWidth = "1";  // read by its text
  // "散点图": a marker at every point.
  bool showScatter = false;
  int32_t scatterColour = 0x400000;
  std::string scatterSize = "2";  // read by its text
  int32_t markerIndex = 0;        // position in kTableMarkerItems, -1 none
  // "曲线平滑": the smooth curve.
  bool showSmoothCurve = false;
  int32_t smoothCurveColour = 0x0000FF;
  int32_t smoothCurveWidthIndex = 0;  // position in the widths "1".."8", -1 none
};

// The dialog as it opens: five empty point rows.
Table2DDialogState Table2DLoad();

// OK's checks and build: a refusal, or a new table item (GraphType 4) of the grid's points.
// Cleaned cell texts are written back into the grid either way.
TableAcceptOutcome Table2DAccept(Table2DDialogState& state);

// The dialog filled from a 2D table for an edit.
Table2DDialogState Table2DFillForEdit(GraphItem& table);

// OK against the document: the build, then the add or the copy into the edited table.
// Messages are shown here; true when the dialog closes.
bool Table2DCommandOk(Table2DDialogState& state, DocumentHost& host);

// Shows the dialog modally (or the runner installed for tests).
void RunTable2DDialog(Table2DDialogState preset, DocumentHost& host);

}  // namespace curvanta
