// The edit command and its table of dialogs by document kind and graph kind.
#include "commands/edit_command.h"

#include <string>

#include "common/globals.h"
#include "commands/edit_special.h"
#include "common/message_service.h"
#include "dialogs/data/table_2d_dialog_state.h"
#include "dialogs/data/table_surface_dialog_state.h"
#include "dialogs/function/function_2d_edit_fill.h"
#include "dialogs/function/function_2d_ok.h"
#include "dialogs/function/function_3d_edit_fill.h"
#include "dialogs/function/function_3d_ok.h"
#include "dialogs/function/strip_edit_fill.h"
#include "dialogs/function/strip_ok.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

void EditFunction2D(const GraphItem& graph, DocumentHost& host) {
  // A form the dialog does not make opens nothing.
  if (auto state = Function2DEditFill(graph, AnimFrameCount)) RunFunction2DDialog(*state, host);
}

// The table fills read the table's points, which creates any the table never held.
void EditTable2D(const GraphItem& graph, DocumentHost& host) {
  RunTable2DDialog(Table2DFillForEdit(const_cast<GraphItem&>(graph)), host);
}
void EditTable25D(const GraphItem& graph, DocumentHost& host) {
  RunTable25DDialog(Table25DFillForEdit(const_cast<GraphItem&>(graph)), host);
}
void EditTable3D(const GraphItem& graph, DocumentHost& host) {
  RunTable3DDialog(Table3DFillForEdit(const_cast<GraphItem&>(graph)), host);
}

void EditStrip(const GraphItem& graph, DocumentHost& host) {
  if (auto state = StripEditFill(graph, AnimFrameCount)) RunStripDialog(*state, host);
}

void EditFunction3D(const GraphItem& graph, DocumentHost& host) {
  RunFunction3DDialog(Function3DEditFill(graph, AnimFrameCount), host);
}

struct EditDialog {
  int32_t graphMode;
  int32_t graphType;
  EditOpener open;
};

// Every graph kind that a dialog can edit, by document kind. A kind missing here opens
// nothing when edited.
const EditDialog kEditDialogs[] = {
    {1, GraphKind::Function2D, EditFunction2D},
    {1, GraphKind::Function2DAnim, EditFunction2D},
    {1, GraphKind::Point, EditPoint},
    {2, GraphKind::Point, EditPoint},
    {3, GraphKind::Point, EditPoint},
    {1, GraphKind::PointAnim, EditPoint},
    {2, GraphKind::PointAnim, EditPoint},  // filled as in a 2D document
    {3, GraphKind::PointAnim, EditPoint},
    {1, GraphKind::StepStem, EditStepStem},
    {1, GraphKind::Table2D, EditTable2D},
    {2, GraphKind::Table25D, EditTable25D},
    {3, GraphKind::Table3D, EditTable3D},
    {2, GraphKind::Strip25D, EditStrip},
    {2, GraphKind::Strip25DAnim, EditStrip},
    {3, GraphKind::Curve3D, EditFunction3D},
    {3, GraphKind::Surface3D, EditFunction3D},
    {3, GraphKind::Curve3DAnim, EditFunction3D},
    {3, GraphKind::Surface3DAnim, EditFunction3D},
};

}  // namespace

EditOpener EditOpenerFor(int32_t graphMode, int32_t graphType) {
  for (const EditDialog& d : kEditDialogs) {
    if (d.graphMode == graphMode && d.graphType == graphType) return d.open;
  }
  return nullptr;
}

void mnuFunEdit_Click(DocumentHost& host) {
  const int line = host.currentLine();
  if (line < 0 || line >= host.lineCount() || !host.isLineChecked(line) ||
      line >= DocScene.FunSurfs.Count()) {
    ShowMessage("请先选择一个函数", "警告", MsgIcon::Exclamation);
    return;
  }
  EditMode = true;
  // The shown graph with the line's ID; the document's own item should the shown scene
  // lack it.
  std::shared_ptr<GraphItem> graph = DocScene.FunSurfs.Item(line + 1);
  const std::string key = std::to_string(graph->ID);
  if (ViewScene.FunSurfs.Contains(key)) graph = ViewScene.FunSurfs.Item(key);
  if (EditOpener open = EditOpenerFor(GraphMode, graph->GraphType)) open(*graph, host);
}

}  // namespace curvanta
