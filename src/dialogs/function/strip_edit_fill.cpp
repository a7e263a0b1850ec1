// Filling the strip dialog from a strip.
#include "dialogs/function/strip_edit_fill.h"

#include <string>

#include "common/number_text.h"
#include "dialogs/function/surface_look_fill.h"

namespace curvanta {

std::optional<StripDialogState> StripEditFill(const GraphItem& g, int32_t animFrameCount) {
  if (g.FunForm != 2 && g.FunForm != 3) return std::nullopt;
  const bool parametric = g.FunForm == 3;
  StripDialogState s = StripLoad();
  s.caption = "二维半函数图形属性";  // also for an animated strip
  s.animated = g.GraphType == GraphKind::Strip25DAnim;
  if (s.animated) {
    s.minT = FormatFieldSingle(g.MinT);
    s.maxT = FormatFieldSingle(g.MaxT);
    s.stepsT = std::to_string(animFrameCount);
    s.stepsTEnabled = false;
  }
  s.name = g.NameS;
  s.coordSystem = g.CoordType - 1;
  StripSystemChosen(s);
  s.form = parametric ? 1 : 0;
  StripFormChosen(s);
  if (parametric) {
    s.expression = g.ExpressY;
    s.secondExpression = g.ExpressZ;
  } else {
    s.expression = g.ExpressZ;
  }
  s.minimum = FormatFieldSingle(g.MinV);
  s.maximum = FormatFieldSingle(g.MaxV);
  s.segments = std::to_string(g.StepV);
  // The captions of the still strip, also for an animated one; a system outside the list
  // takes the polar ones.
  if (auto view = StripDefinitionViewFor(g.CoordType == 1 ? 0 : 1, s.form, false)) {
    s.expressionLabel = view->expressionLabel;
    s.secondExpressionShown = view->secondExpressionShown;
    if (view->secondExpressionShown) s.secondExpressionLabel = view->secondExpressionLabel;
    s.minimumLabel = view->minimumLabel;
    s.maximumLabel = view->maximumLabel;
    s.segmentsLabel = view->segmentsLabel;
  }
  FillSurfaceLook(s.look, g);
  return s;
}

}  // namespace curvanta
