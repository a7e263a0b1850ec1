// Edit openers of the point, animated point and step and stem dialogs.
#include "commands/edit_special.h"

#include "common/globals.h"
#include "dialogs/data/point_dialog.h"
#include "dialogs/data/step_stem_dialog.h"
#include "graph/list_lines.h"

namespace curvanta {

void EditPoint(const GraphItem& graph, DocumentHost& host) {
  const bool animated = graph.GraphType == GraphKind::PointAnim;
  auto editLine = [animated](const GraphItem& g) {
    return animated ? AnimatedPointEditLineText(ListLineFieldsOf(g), GraphMode)
                    : PointEditLineText(ListLineFieldsOf(g), GraphMode);
  };
  RunPointDialog(PointFillForEdit(graph, GraphMode, AnimFrameCount), editLine, host);
}

void EditStepStem(const GraphItem& graph, DocumentHost& host) {
  // A plot showing neither plot keeps the label its line has.
  const std::string oldLine = host.lineText(host.currentLine());
  auto editLine = [oldLine](const GraphItem& g) {
    return StepStemEditLineText(ListLineFieldsOf(g), oldLine);
  };
  RunStepStemDialog(StepStemFillForEdit(graph), editLine, host);
}

}  // namespace curvanta
