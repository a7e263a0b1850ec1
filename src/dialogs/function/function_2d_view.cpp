// The 2D function dialog's start state, relabelling by system and form, the switching of
// the analysis controls, the position lists and the create presets.
#include <algorithm>

#include "dialogs/function/function_2d_dialog_state.h"
#include "expr/input_filters.h"

namespace curvanta {

namespace {
const std::string kEmpty;
}

const std::string& Function2DDialogState::text(const std::string& name) const {
  auto it = texts.find(name);
  return it == texts.end() ? kEmpty : it->second;
}

bool Function2DDialogState::checked(const std::string& name) const {
  auto it = checks.find(name);
  return it != checks.end() && it->second;
}

const Function2DPositionGroup kFunction2DPositionGroups[3] = {
    {"List1", "Text12", "Command3", "Command4", "Command5"},
    {"List2", "Text15", "Command6", "Command7", "Command8"},
    {"List3", "Text16", "Command11", "Command10", "Command9"},
};

const std::vector<std::string> kFunction2DWidthCombos = {"Combo2",  "Combo4",  "Combo5", "Combo10",
                                                 "Combo14", "Combo15", "Combo16"};
const std::vector<std::string> kFunction2DSizeCombos = {"Combo7", "Combo9", "Combo11", "Combo12"};
const std::vector<std::string> kFunction2DSymbolCombos = {"Combo6", "Combo8", "Combo13", "Combo17"};
const std::vector<std::string> kFunction2DSymbolItems = {"实心圆",     "空心圆",   "实心矩形",
                                                 "实心三角形", "实心菱形", "十字丝形"};

// Colours as 0x00BBGGRR.
const std::vector<std::pair<std::string, int32_t>> kFunction2DSwatchStartColors = {
    {"Picture1", 0xFF0000}, {"Picture2", 0x0000FF},  {"Picture3", 0xFF00FF},
    {"Picture4", 0x0080FF}, {"Picture5", 0x004000},  {"Picture6", 0x404080},
    {"Picture7", 0xC0C000}, {"Picture8", 0x800080},  {"Picture9", 0x400040},
    {"Picture10", 0x008000}, {"Picture11", 0x000080}, {"Picture12", 0x004040},
};

const std::vector<std::string> kFunction2DAnalysisControls = {
    "Check1",  "Picture2",  "Combo4",   "Check2",   "Picture3",  "Combo5",   "Check4",
    "Picture4", "Text13",   "Text14",   "Check5",   "Picture5",  "Combo6",   "Combo7",
    "Check6",  "Picture6",  "Combo8",   "Combo9",   "Check8",    "Picture8", "Combo17",
    "Combo11", "Check7",    "Picture7", "Combo10",  "Check9",    "Picture9", "Combo12",
    "Combo13", "Check10",   "Picture10", "Combo14", "List1",     "Check13",  "Text17",
    "Text18",  "Check14",   "Picture11", "Combo15", "List2",     "Check15",  "Picture12",
    "Combo16", "List3",     "Text12",   "Text15",   "Text16",    "Command3", "Command4",
    "Command5", "Command6", "Command7", "Command8", "Command9",  "Command10", "Command11",
};

const std::vector<std::string> kFunction2DPolarDisabled = {
    "Check5",  "Picture5", "Combo6",  "Combo7",  "Check6",    "Picture6", "Combo8",  "Combo9",
    "Check8",  "Picture8", "Combo17", "Combo11", "Check9",    "Picture9", "Combo12", "Combo13",
    "Check10", "Picture10", "Combo14", "List1",  "Text12",    "Command3", "Command4", "Command5",
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
  auto rangeLabels = [&](const std::string& var) {
    v.labels["Label5"] = "最小 " + var;
    v.labels["Label6"] = "最大 " + var;
    v.labels["Label7"] = "段数 " + var;
  };
  const std::vector<std::string> secondRow = {"Label14", "Label15", "Text10", "Text11"};
  if (formIndex == 0) {
    v.labels["Label3"] = second + "(" + first + t;
    v.hide = {"Label4", "Text3"};
    rangeLabels(first);
    v.show = {"Label7", "Text6"};
    v.hide.insert(v.hide.end(), secondRow.begin(), secondRow.end());
  } else if (formIndex == 1) {
    v.labels["Label3"] = first + "(u" + t;
    v.labels["Label4"] = second + "(u" + t;
    v.show = {"Label4", "Text3", "Label7", "Text6"};
    rangeLabels("u");
    v.hide = secondRow;
  } else {
    v.labels["Label3"] = "f(" + first + "," + second + t;
    v.hide = {"Label4", "Text3", "Label7", "Text6"};
    rangeLabels(first);
    v.labels["Label14"] = "最小 " + second;
    v.labels["Label15"] = "最大 " + second;
    v.show = secondRow;
  }
  return v;
}

std::optional<std::set<std::string>> Function2DAnalysisDisabledFor(int coordIndex, int formIndex) {
  if (formIndex > 0) return std::set<std::string>(kFunction2DAnalysisControls.begin(), kFunction2DAnalysisControls.end());
  if (coordIndex == 0) return std::set<std::string>();
  if (coordIndex == 1) return std::set<std::string>(kFunction2DPolarDisabled.begin(), kFunction2DPolarDisabled.end());
  return std::nullopt;
}

Function2DDialogState Function2DLoad() {
  Function2DDialogState s;
  s.animMode = true;  // the design shows the t row; every opener decides it
  s.texts["Text1"] = "Untitled";
  for (int i = 2; i <= 18; ++i) s.texts["Text" + std::to_string(i)] = "";
  for (const auto& c : kFunction2DWidthCombos) s.texts[c] = "1";
  for (const auto& c : kFunction2DSizeCombos) s.texts[c] = "2";
  for (const auto& c : kFunction2DSymbolCombos) s.symbols[c] = 0;
  s.labels = {{"Label3", "x(u)"},   {"Label4", "y(u)"},   {"Label5", "最小 u"},
              {"Label6", "最大 u"}, {"Label7", "段数 u"}, {"Label14", "最小 y"},
              {"Label15", "最大 y"}};
  s.coordIndex = -1;
  s.formItems = Function2DFormItems(0, false);
  s.formIndex = 0;
  for (int i = 1; i <= 15; ++i) s.checks["Check" + std::to_string(i)] = false;
  s.checks["Check3"] = true;
  for (const auto& [name, colour] : kFunction2DSwatchStartColors) s.colors[name] = colour;
  for (const auto& g : kFunction2DPositionGroups) s.positions[g.list] = Function2DPositionList{};
  return s;
}

void Function2DCombo3Click(Function2DDialogState& s) {
  if (auto view = Function2DDefinitionViewFor(s.coordIndex, s.formIndex, s.animMode)) {
    for (const auto& [label, caption] : view->labels) s.labels[label] = caption;
    for (const auto& name : view->show) s.hidden.erase(name);
    for (const auto& name : view->hide) s.hidden.insert(name);
  }
  if (auto off = Function2DAnalysisDisabledFor(s.coordIndex, s.formIndex)) {
    for (const auto& name : kFunction2DAnalysisControls) s.disabled.erase(name);
    s.disabled.insert(off->begin(), off->end());
  }
}

void Function2DCombo1Click(Function2DDialogState& s) {
  s.formIndexMemo = s.formIndex < 0 ? 0 : s.formIndex;
  if (s.coordIndex == 0 || s.coordIndex == 1) {
    s.formItems = Function2DFormItems(s.coordIndex, s.animMode);
    s.formIndex = s.formIndexMemo;
  }
  Function2DCombo3Click(s);
}

std::optional<curvanta::Message> Function2DAddPosition(Function2DDialogState& s, int group) {
  const auto& g = kFunction2DPositionGroups[group];
  auto& list = s.positions[g.list];
  std::string cleaned;
  if (!CheckNumberText(s.text(g.input), cleaned))
    return curvanta::Message{"存在不合法的表达式或数值", "出错", curvanta::MsgIcon::Error};
  if (list.entries.size() >= 50)
    return curvanta::Message{"最多只能添加 50 个位置", "注意", curvanta::MsgIcon::Exclamation};
  list.entries.push_back(cleaned);
  s.texts[g.input] = "";
  return std::nullopt;
}

void Function2DDeletePosition(Function2DDialogState& s, int group) {
  auto& list = s.positions[kFunction2DPositionGroups[group].list];
  if (list.selected < 0 || list.selected >= static_cast<int>(list.entries.size())) return;
  list.entries.erase(list.entries.begin() + list.selected);
  list.selected = -1;
}

void Function2DResetPositions(Function2DDialogState& s, int group) {
  const auto& g = kFunction2DPositionGroups[group];
  s.positions[g.list] = Function2DPositionList{};
  s.texts[g.input] = "";
}

Function2DDialogState Function2DPresetForCreate(bool polar, bool animated, int32_t animFrameCount) {
  Function2DDialogState s = Function2DLoad();
  s.caption = animated ? "二维函数图形动画属性" : "二维函数图形属性";
  s.animMode = animated;
  s.coordIndex = polar ? 1 : 0;
  Function2DCombo1Click(s);
  s.formItems = Function2DFormItems(s.coordIndex, animated);
  s.formIndex = 0;
  for (const char* name : {"Label10", "Label11", "Label12", "Text7", "Text8", "Text9"}) {
    if (animated) {
      s.hidden.erase(name);
    } else {
      s.hidden.insert(name);
    }
  }
  s.labels["Label3"] = polar ? (animated ? "r(a,t)" : "r(a)") : (animated ? "y(x,t)" : "y(x)");
  if (!polar && !animated) {
    for (const char* name : {"Label4", "Text3", "Label14", "Label15", "Text10", "Text11"})
      s.hidden.insert(name);
  }
  if (animated) {
    s.disabled.insert("Text9");
    s.texts["Text9"] = std::to_string(animFrameCount);
  }
  return s;
}

}  // namespace curvanta
