// The 3D function dialog's start state, its form lists and relabelling by system, graph
// type, form and mode, the overlay switch, and the presets of the 3D create commands.
#include <array>

#include "dialogs/function/function_3d_dialog_state.h"

namespace curvanta {

namespace {

// The letters of a system's three components: Cartesian x, y, z; cylindrical a, r, z;
// spherical a, b, r. An explicit graph gives the third as a function of the first two.
std::array<std::string, 3> Letters(int coordSystem) {
  if (coordSystem == 1) return {"a", "r", "z"};
  if (coordSystem == 2) return {"a", "b", "r"};
  return {"x", "y", "z"};
}

// Every closing parenthesis of a still text gets ",t" before it in animation mode.
std::string WithT(const std::string& text, bool animated) {
  if (!animated) return text;
  std::string out;
  for (char c : text) {
    if (c == ')') out += ",t";
    out += c;
  }
  return out;
}

bool KnownSystem(int coordSystem) { return coordSystem >= 0 && coordSystem <= 2; }
bool KnownChoice(int index) { return index == 0 || index == 1; }

}  // namespace

std::vector<std::string> Function3DFormItems(int coordSystem, int type, bool animated) {
  if (!KnownSystem(coordSystem) || !KnownChoice(type)) return {};
  const auto [p, q, f] = Letters(coordSystem);
  const bool surface = type == 1;
  const std::string explicitForm =
      surface ? f + "=f(" + p + "," + q + ")" : f + "=f(" + p + ") or " + f + "=f(" + q + ")";
  const std::string args = surface ? "(u,v)" : "(u)";
  const std::string parametricForm =
      p + "=f1" + args + "," + q + "=f2" + args + "," + f + "=f3" + args;
  return {WithT(explicitForm, animated), WithT(parametricForm, animated)};
}

std::optional<Function3DDefinitionView> Function3DDefinitionViewFor(int coordSystem, int type,
                                                                    int form, bool animated) {
  if (!KnownSystem(coordSystem) || !KnownChoice(type) || !KnownChoice(form)) return std::nullopt;
  const auto [p, q, f] = Letters(coordSystem);
  const bool surface = type == 1;
  Function3DDefinitionView view;
  auto rangeLabels = [](const std::string& variable, std::string& min, std::string& max,
                        std::string& segments) {
    min = "最小 " + variable;
    max = "最大 " + variable;
    segments = "段数 " + variable;
  };
  view.vRowShown = surface;
  if (form == 0) {
    view.expressionLabel = WithT(f + "(" + p + "," + q + ")", animated);
    view.componentsShown = false;
    if (surface) {
      rangeLabels(p, view.minULabel, view.maxULabel, view.segmentsULabel);
      rangeLabels(q, view.minVLabel, view.maxVLabel, view.segmentsVLabel);
    } else {
      // A curve over either variable: "最小 x[y]".
      rangeLabels(p + "[" + q + "]", view.minULabel, view.maxULabel, view.segmentsULabel);
    }
  } else {
    const std::string args = surface ? "(u,v)" : "(u)";
    view.expressionLabel = WithT(p + args, animated);
    view.secondExpressionLabel = WithT(q + args, animated);
    view.thirdExpressionLabel = WithT(f + args, animated);
    view.componentsShown = true;
    rangeLabels("u", view.minULabel, view.maxULabel, view.segmentsULabel);
    if (surface) rangeLabels("v", view.minVLabel, view.maxVLabel, view.segmentsVLabel);
  }
  return view;
}

Function3DDialogState Function3DLoad() {
  Function3DDialogState state;
  // Placeholders that keep two entries in the form list until its first refill.
  state.formItems = {"y=f(x,y)", "x=f1(u,v),y=f2(u,v),z=f3(u,v)"};
  state.form = 0;
  return state;
}

void Function3DSystemChosen(Function3DDialogState& state) {
  state.formMemo = state.form < 0 ? 0 : state.form;
  if (KnownSystem(state.coordSystem) && KnownChoice(state.type)) {
    state.formItems = Function3DFormItems(state.coordSystem, state.type, state.animated);
    state.form = KnownChoice(state.formMemo) ? state.formMemo : 0;
  }
  Function3DFormChosen(state);
}

void Function3DTypeChosen(Function3DDialogState& state) {
  state.overlaysEnabled = !state.animated && state.coordSystem == 0 && state.type == 1;
  Function3DSystemChosen(state);
}

void Function3DFormChosen(Function3DDialogState& state) {
  const auto view =
      Function3DDefinitionViewFor(state.coordSystem, state.type, state.form, state.animated);
  if (!view) return;
  state.expressionLabel = view->expressionLabel;
  state.componentsShown = view->componentsShown;
  if (view->componentsShown) {
    state.secondExpressionLabel = view->secondExpressionLabel;
    state.thirdExpressionLabel = view->thirdExpressionLabel;
  }
  state.minULabel = view->minULabel;
  state.maxULabel = view->maxULabel;
  state.segmentsULabel = view->segmentsULabel;
  state.vRowShown = view->vRowShown;
  if (view->vRowShown) {
    state.minVLabel = view->minVLabel;
    state.maxVLabel = view->maxVLabel;
    state.segmentsVLabel = view->segmentsVLabel;
  }
}

Function3DDialogState Function3DPresetForCreate(int coordSystem, bool animated,
                                                int32_t animFrameCount) {
  Function3DDialogState state = Function3DLoad();
  state.caption = animated ? "三维函数图形动画属性" : "三维函数图形属性";
  state.coordSystem = coordSystem;
  Function3DSystemChosen(state);  // no graph type yet: nothing is refilled
  state.animated = animated;
  if (animated) {
    state.typeItems = {"曲线动画", "曲面动画"};
  } else {
    state.typeItems = {"曲线", "曲面"};
  }
  state.type = 1;
  Function3DTypeChosen(state);
  if (animated) {
    state.stepsTEnabled = false;
    state.stepsT = std::to_string(animFrameCount);
  }
  return state;
}

}  // namespace curvanta
