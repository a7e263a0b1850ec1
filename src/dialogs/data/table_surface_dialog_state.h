// The 2.5D and 3D table dialogs as plain state: the data page and the shared look, with
// OK's build of the table item and the filling of the dialog from a table to edit it.
#pragma once

#include "dialogs/data/point_table_data.h"
#include "dialogs/data/surface_table_look.h"
#include "dialogs/data/table_accept.h"

namespace curvanta {

// A row of points drawn as a strip (GraphType 5), or a grid of rows x columns points drawn
// as a surface (GraphType 6).
struct Table25DDialogState {
  PointTableData data{PointTableKind::Table25D};
  SurfaceTableLook look;
};
struct Table3DDialogState {
  PointTableData data{PointTableKind::Table3D};
  SurfaceTableLook look;
};

// The dialogs as they open: 5 empty point rows, or 5 x 5.
Table25DDialogState Table25DLoad();
Table3DDialogState Table3DLoad();

// OK's checks and build. The 2.5D item takes X, Y of grid row j + 1 as point (0, j) =
// (x, y, 0); the 3D item point (i, j) from grid row i * columns + j + 1 with X as its z, Y
// as its x and Z, the vertical, as its y, and keeps CoordType 0.
TableAcceptOutcome Table25DAccept(Table25DDialogState& state);
TableAcceptOutcome Table3DAccept(Table3DDialogState& state);

// The dialogs filled from a table for an edit.
Table25DDialogState Table25DFillForEdit(GraphItem& table);
Table3DDialogState Table3DFillForEdit(GraphItem& table);

bool Table25DCommandOk(Table25DDialogState& state, DocumentHost& host);
bool Table3DCommandOk(Table3DDialogState& state, DocumentHost& host);

// Modal showings (or the runners installed for tests). Cancel in the 2.5D dialog repaints
// the main window; in the 3D dialog it does not.
void RunTable25DDialog(Table25DDialogState preset, DocumentHost& host);
void RunTable3DDialog(Table3DDialogState preset, DocumentHost& host);

}  // namespace curvanta
