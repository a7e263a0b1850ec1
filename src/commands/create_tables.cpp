// Create commands of the three table dialogs.
#include "commands/create_tables.h"

#include "commands/create_frame.h"
#include "common/globals.h"
#include "dialogs/data/table_2d_dialog_state.h"
#include "dialogs/data/table_surface_dialog_state.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

// The create frame around one table dialog: `run` shows it for a new table.
template <class Run>
void CreateTable(Run run, CreateKind kind, bool turned, DocumentHost& host) {
  EditMode = false;
  const int32_t before = DocScene.FunSurfs.Count();
  run();
  FinishCreate(kind, before, 0, turned ? -15.0f : 0.0f, turned ? 45.0f : 0.0f, host);
}

}  // namespace

void mnuDrawTab2D_Click(DocumentHost& host) {
  CreateTable([&] { RunTable2DDialog(Table2DLoad(), host); }, CreateKind::Table2D, false, host);
}

void mnuDrawTab25D_Click(DocumentHost& host) {
  CreateTable([&] { RunTable25DDialog(Table25DLoad(), host); }, CreateKind::Table25D, true, host);
}

void mnuDrawTab3D_Click(DocumentHost& host) {
  CreateTable([&] { RunTable3DDialog(Table3DLoad(), host); }, CreateKind::Table3D, true, host);
}

const std::vector<std::pair<const char*, void (*)(DocumentHost&)>>& TableCommands() {
  static const std::vector<std::pair<const char*, void (*)(DocumentHost&)>> commands = {
      {"mnuDrawTab2D", mnuDrawTab2D_Click},
      {"mnuDrawTab25D", mnuDrawTab25D_Click},
      {"mnuDrawTab3D", mnuDrawTab3D_Click},
  };
  return commands;
}

}  // namespace curvanta
