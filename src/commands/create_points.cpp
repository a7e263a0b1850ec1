// Create commands of the point and animated point dialogs.
#include "commands/create_points.h"

#include "commands/create_frame.h"
#include "common/globals.h"
#include "dialogs/data/point_dialog.h"
#include "graph/list_lines.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

void CreatePoint(bool animated, DocumentHost& host) {
  if (animated) AnimatedPrelude(host, false);
  EditMode = false;
  const int32_t before = DocScene.FunSurfs.Count();
  const int32_t mode = GraphMode;
  auto editLine = [animated](const GraphItem& g) {
    return animated ? AnimatedPointEditLineText(ListLineFieldsOf(g), GraphMode)
                    : PointEditLineText(ListLineFieldsOf(g), GraphMode);
  };
  RunPointDialog(PointPresetForCreate(animated, mode, AnimFrameCount), editLine, host);
  // Points turn the view only in a 3D document.
  const bool space = mode == 3;
  FinishCreate(animated ? CreateKind::AnimatedPoint : CreateKind::Point, before, 0.0f,
               space ? -15.0f : 0.0f, space ? 45.0f : 0.0f, host);
}

}  // namespace

void mnuDrawPoint_Click(DocumentHost& host) { CreatePoint(false, host); }
void mnuAniPoint_Click(DocumentHost& host) { CreatePoint(true, host); }

}  // namespace curvanta
