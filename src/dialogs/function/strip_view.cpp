// The strip dialog's start state, its relabelling by system, form and mode, and the
// presets of the strip create commands.
#include "dialogs/function/strip_dialog_state.h"

namespace curvanta {

std::vector<std::string> StripFormItems(int coordSystem, bool animated) {
  if (coordSystem == 1) {
    if (animated) return {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)"};
    return {"r=f(a)", "a=f1(u),r=f2(u)"};
  }
  if (animated) return {"y=f(x,t)", "x=f1(u,t),y=f2(u,t)"};
  return {"y=f(x)", "x=f1(u),y=f2(u)"};
}

std::optional<StripDefinitionView> StripDefinitionViewFor(int coordSystem, int form,
                                                          bool animated) {
  if (coordSystem < 0 || coordSystem > 1 || form < 0 || form > 1) return std::nullopt;
  const bool polar = coordSystem == 1;
  const bool parametric = form == 1;
  const std::string t = animated ? ",t)" : ")";
  // Explicit: the function of the plane's first variable; parametric: a pair in u.
  const std::string variable = parametric ? "u" : (polar ? "a" : "x");
  StripDefinitionView view;
  if (parametric) {
    view.expressionLabel = std::string(polar ? "a" : "x") + "(u" + t;
    view.secondExpressionLabel = std::string(polar ? "r" : "y") + "(u" + t;
  } else {
    view.expressionLabel = std::string(polar ? "r(a" : "y(x") + t;
  }
  view.secondExpressionShown = parametric;
  view.minimumLabel = "最小 " + variable;
  view.maximumLabel = "最大 " + variable;
  view.segmentsLabel = "段数 " + variable;
  return view;
}

StripDialogState StripLoad() {
  StripDialogState state;
  state.formItems = StripFormItems(0, false);
  state.form = 0;
  StripSystemChosen(state);  // no system chosen yet: changes nothing
  return state;
}

void StripSystemChosen(StripDialogState& state) {
  state.formMemo = state.form < 0 ? 0 : state.form;
  if (state.coordSystem == 0 || state.coordSystem == 1) {
    state.formItems = StripFormItems(state.coordSystem, state.animated);
    state.form = state.formMemo < static_cast<int>(state.formItems.size()) ? state.formMemo : 0;
  }
  StripFormChosen(state);
}

void StripFormChosen(StripDialogState& state) {
  const auto view = StripDefinitionViewFor(state.coordSystem, state.form, state.animated);
  if (!view) return;
  state.expressionLabel = view->expressionLabel;
  state.secondExpressionShown = view->secondExpressionShown;
  if (view->secondExpressionShown) state.secondExpressionLabel = view->secondExpressionLabel;
  state.minimumLabel = view->minimumLabel;
  state.maximumLabel = view->maximumLabel;
  state.segmentsLabel = view->segmentsLabel;
}

StripDialogState StripPresetForCreate(bool polar, bool animated, int32_t animFrameCount) {
  StripDialogState state = StripLoad();
  state.caption = animated ? "二维半函数图形动画属性" : "二维半函数图形属性";
  // Choosing the system while the t row is still shown, as it is designed, fills in the
  // t forms and labels; a still strip then gets the plain forms and hides the t row.
  state.coordSystem = polar ? 1 : 0;
  StripSystemChosen(state);
  if (animated) {
    state.expressionLabel = polar ? "r(a,t)" : "y(x,t)";
    state.stepsTEnabled = false;
    state.stepsT = std::to_string(animFrameCount);
  } else {
    state.formItems = StripFormItems(state.coordSystem, false);
    state.form = 0;
    state.animated = false;
    state.expressionLabel = polar ? "r(a)" : "y(x)";
  }
  return state;
}

}  // namespace curvanta
