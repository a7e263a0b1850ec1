// Create commands of the step and stem dialog.
#include "commands/create_step_stem.h"

#include "commands/create_frame.h"
#include "common/globals.h"
#include "dialogs/data/step_stem_dialog.h"
#include "graph/list_lines.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

void CreateStepStem(bool stem, DocumentHost& host) {
  EditMode = false;
  const int32_t before = DocScene.FunSurfs.Count();
  // A created graph is never edited by this opening; an edit opening passes its own line.
  auto editLine = [](const GraphItem& g) { return StepStemEditLineText(ListLineFieldsOf(g), ""); };
  RunStepStemDialog(StepStemPresetForCreate(stem), editLine, host);
  FinishCreate(stem ? CreateKind::Stem : CreateKind::Step, before, 0.0f, 0.0f, 0.0f, host);
}

}  // namespace

void mnuDrawStep_Click(DocumentHost& host) { CreateStepStem(false, host); }
void mnuDrawHcg_Click(DocumentHost& host) { CreateStepStem(true, host); }

}  // namespace curvanta
