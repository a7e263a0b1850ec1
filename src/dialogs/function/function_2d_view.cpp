// The 2D function dialog's start state, relabelling by system and form, the switching of
// the analysis options, the position lists and the create presets.
#include <algorithm>

#include "dialogs/function/function_2d_dialog_state.h"
#include "expr/input_filters.h"

namespace curvanta {

Function2DPositionList& Function2DDialogState::positions(Function2DPositionGroup group) {
  switch (group) {
    case Function2DPositionGroup::Curvature: return curvaturePositions;
    case Function2DPositionGroup::Tangent: return tangentPositions;
    default: return normalPositions;
  }
}

const Function2DPositionList& Function2DDialogState::positions(
    Function2DPositionGroup group) const {
  return const_cast<Function2DDialogState&>(*this).positions(group);
}

const std::vector<std::string> kFunction2DSymbolItems = {"实心圆",     "空心圆",   "实心矩形",
                                                         "实心三角形", "实心菱形", "十字丝形"};

const std::vector<Function2DAnalysis> kFunction2DAnalyses = {
    Function2DAnalysis::Inverse,     Function2DAnalysis::Derivative, Function2DAnalysis::Integral,
    Function2DAnalysis::Maxima,      Function2DAnalysis::Minima,     Function2DAnalysis::Inflections,
    Function2DAnalysis::Parity,      Function2DAnalysis::Roots,      Function2DAnalysis::Curvature,
    Function2DAnalysis::ArcLength,   Function2DAnalysis::Tangent,    Function2DAnalysis::Normal,
};

const std::vector<Function2DAnalysis> kFunction2DPolarDisabled = {
    Function2DAnalysis::Maxima, Function2DAnalysis::Minima,    Function2DAnalysis::Inflections,
    Function2DAnalysis::Roots,  Function2DAnalysis::Curvature,
};

std::vector<std::string> Function2DFormItems(int coordIndex, bool animated) {
  if (coordIndex == 1) {
    if (animated) return {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)", "f(a,r,t)=0", "f(a,r,t)<0"};
    return {"r=f(a)", "a=f1(u),r=f2(u)", "f(a,r)=0", "f(a,r)<0"};
  }
  if (animated) return {"y=f(x,t)", "x=f1(u,t),y=f2(u,t)", "f(x,y,t)=0", "f(x,y,t)<0"};
  return {"y=f(x)", "x=f1(u),y=f2(u)", "f(x,y)=0", "f(x,y)<0"};
}

std::optional<Function2DDefinitionView> Function2DDefinitionViewFor(int coordIndex, int formIndex,
                                                                    bool animated) {
  if ((coordIndex != 0 && coordIndex != 1) || formIndex < 0 || formIndex > 3) return std::nullopt;
  const bool polar = coordIndex == 1;
  const std::string t = animated ? ",t)" : ")";
  const std::string first = polar ? "a" : "x";   // the plane's first variable
  const std::string second = polar ? "r" : "y";  // its second
  Function2DDefinitionView v;
  Function2DCaptions& c = v.captions;
  auto rangeCaptions = [&](const std::string& var) {
    c.minX = "最小 " + var;
    c.maxX = "最大 " + var;
    c.segmentsX = "段数 " + var;
  };
  if (formIndex == 0) {
    c.expression = second + "(" + first + t;
    rangeCaptions(first);
    v.rows = {false, true, false};
  } else if (formIndex == 1) {
    c.expression = first + "(u" + t;
    c.secondExpression = second + "(u" + t;
    rangeCaptions("u");
    v.rows = {true, true, false};
  } else {
    c.expression = "f(" + first + "," + second + t;
    rangeCaptions(first);
    c.minY = "最小 " + second;
    c.maxY = "最大 " + second;
    v.rows = {false, false, true};
  }
  return v;
}

std::optional<std::set<Function2DAnalysis>> Function2DAnalysisDisabledFor(int coordIndex,
                                                                         int formIndex) {
  if (formIndex > 0)
    return std::set<Function2DAnalysis>(kFunction2DAnalyses.begin(), kFunction2DAnalyses.end());
  if (coordIndex == 0) return std::set<Function2DAnalysis>();
  if (coordIndex == 1)
    return std::set<Function2DAnalysis>(kFunction2DPolarDisabled.begin(),
                                        kFunction2DPolarDisabled.end());
  return std::nullopt;
}

Function2DDialogState NewFunction2DDialogState() {
  Function2DDialogState s;
  s.animated = true;  // the design shows the t row; every opener decides it
  s.name = "Untitled";
  s.coordIndex = -1;
  s.formItems = Function2DFormItems(0, false);
  s.formIndex = 0;
  // Start colours as 0x00BBGGRR.
  s.curve = {true, 0xFF0000, "1"};
  s.inverse.colour = 0x0000FF;
  s.derivative.colour = 0xFF00FF;
  s.integral.colour = 0x0080FF;
  s.maxima.colour = 0x004000;
  s.minima.colour = 0x404080;
  s.parity.colour = 0xC0C000;
  s.inflections.colour = 0x800080;
  s.roots.colour = 0x400040;
  s.curvature.colour = 0x008000;
  s.tangent.colour = 0x000080;
  s.normal.colour = 0x004040;
  return s;
}

void ApplyForm(Function2DDialogState& s) {
  if (auto view = Function2DDefinitionViewFor(s.coordIndex, s.formIndex, s.animated)) {
    s.captions = view->captions;
    s.rows = view->rows;
  }
  if (auto off = Function2DAnalysisDisabledFor(s.coordIndex, s.formIndex)) s.disabled = *off;
}

void ApplyCoordinateSystem(Function2DDialogState& s) {
  s.formIndexMemo = s.formIndex < 0 ? 0 : s.formIndex;
  if (s.coordIndex == 0 || s.coordIndex == 1) {
    s.formItems = Function2DFormItems(s.coordIndex, s.animated);
    s.formIndex = s.formIndexMemo;
  }
  ApplyForm(s);
}

std::optional<curvanta::Message> AddPosition(Function2DDialogState& s,
                                             Function2DPositionGroup group) {
  Function2DPositionList& list = s.positions(group);
  std::string cleaned;
  if (!CheckNumberText(list.input, cleaned))
    return curvanta::Message{"存在不合法的表达式或数值", "出错", curvanta::MsgIcon::Error};
  if (list.entries.size() >= 50)
    return curvanta::Message{"最多只能添加 50 个位置", "注意", curvanta::MsgIcon::Exclamation};
  list.entries.push_back(cleaned);
  list.input.clear();
  return std::nullopt;
}

void DeletePosition(Function2DDialogState& s, Function2DPositionGroup group) {
  Function2DPositionList& list = s.positions(group);
  if (list.selected < 0 || list.selected >= static_cast<int>(list.entries.size())) return;
  list.entries.erase(list.entries.begin() + list.selected);
  list.selected = -1;
}

void ResetPositions(Function2DDialogState& s, Function2DPositionGroup group) {
  s.positions(group) = Function2DPositionList{};
}

Function2DDialogState Function2DPresetForCreate(bool polar, bool animated, int32_t animFrameCount) {
  Function2DDialogState s = NewFunction2DDialogState();
  s.caption = animated ? "二维函数图形动画属性" : "二维函数图形属性";
  s.animated = animated;
  s.coordIndex = polar ? 1 : 0;
  ApplyCoordinateSystem(s);
  s.formItems = Function2DFormItems(s.coordIndex, animated);
  s.formIndex = 0;
  s.captions.expression =
      polar ? (animated ? "r(a,t)" : "r(a)") : (animated ? "y(x,t)" : "y(x)");
  if (animated) {
    s.segmentsTEditable = false;
    s.segmentsT = std::to_string(animFrameCount);
  }
  return s;
}

}  // namespace curvanta
