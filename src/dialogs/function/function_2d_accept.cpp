// The 2D function dialog's OK: filters, checks and the built graph item.
#include "dialogs/function/function_2d_accept.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "common/number_text.h"
#include "expr/input_filters.h"

namespace curvanta {

namespace {

constexpr int32_t kBlue = 0xFF0000;  // 0x00BBGGRR

Message Invalid() { return Message{"存在不合法的表达式或数值", "出错", MsgIcon::Error}; }
Message Notice(const std::string& text) { return Message{text, "注意", MsgIcon::Exclamation}; }

double Read(const std::string& text) { return curvanta::LeadingNumber(text); }

// A field read into a 32-bit float or integer; nullopt when the value does not fit.
std::optional<float> ReadFloat(const std::string& text) {
  const double v = Read(text);
  if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(FLT_MAX)) return std::nullopt;
  return static_cast<float>(v);
}

std::optional<int32_t> ReadInt(const std::string& text) {
  const double v = curvanta::RoundHalfEven(Read(text));
  if (!std::isfinite(v) || v < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
      v > static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::nullopt;
  return static_cast<int32_t>(v);
}

// Collects conversions and remembers whether any value did not fit.
struct Reader {
  const Function2DDialogState& s;
  bool bad = false;
  float f(const std::string& field) {
    auto v = ReadFloat(s.text(field));
    if (!v) bad = true;
    return v.value_or(0.0f);
  }
  int32_t i(const std::string& field) {
    auto v = ReadInt(s.text(field));
    if (!v) bad = true;
    return v.value_or(0);
  }
  int32_t symbol(const std::string& combo) {
    auto it = s.symbols.find(combo);
    return it == s.symbols.end() || it->second < 0 ? 0 : it->second + 1;
  }
  int32_t colour(const std::string& swatch) {
    auto it = s.colors.find(swatch);
    return it == s.colors.end() ? 0 : it->second;
  }
};

// Filters one field and writes the cleaned text back; false when it fails.
bool Filter(Function2DDialogState& s, const std::string& field, bool expression) {
  std::string cleaned;
  const bool ok = expression ? CheckExpressionText(s.text(field), cleaned)
                             : CheckNumberText(s.text(field), cleaned);
  if (ok) s.texts[field] = cleaned;
  return ok;
}

}  // namespace

Function2DAcceptOutcome Function2DAccept(Function2DDialogState& s, int32_t provisionalID) {
  Function2DAcceptOutcome out;
  auto refuse = [&](Message m) {
    out.refusal = std::move(m);
    return out;
  };

  // 1. Filters: the shown definition fields, the t segment count, the enabled options.
  if (!Filter(s, "Text2", true)) return refuse(Invalid());
  if (s.shown("Text3") && !Filter(s, "Text3", true)) return refuse(Invalid());
  for (const char* field : {"Text4", "Text5", "Text10", "Text11"}) {
    if (s.shown(field) && !Filter(s, field, false)) return refuse(Invalid());
  }
  if (s.animMode) {
    for (const char* field : {"Text7", "Text8"}) {
      if (!Filter(s, field, false)) return refuse(Invalid());
    }
    if (!(Read(s.text("Text9")) > 1)) return refuse(Notice("段数 t 必须大于 1"));
  }
  for (int i = 12; i <= 18; ++i) {
    const std::string field = "Text" + std::to_string(i);
    if (s.enabled(field) && !Filter(s, field, false)) return refuse(Invalid());
  }

  // 2, 3, 4. Document kind, system, form.
  out.graphModeSet = true;
  const int32_t coordType = s.coordIndex == 0 ? 1 : s.coordIndex == 1 ? 2 : 0;
  if (s.formIndex < 0) {
    s.formIndex = 0;
    Function2DCombo3Click(s);
  }
  static const int32_t kFormCode[4] = {2, 3, 1, 4};
  const int form = s.formIndex > 3 ? 0 : s.formIndex;
  const int32_t funForm = kFormCode[form];

  // 5. Required fields and ranges of the form.
  std::vector<std::string> required;
  switch (funForm) {
    case 2: required = {"Text2", "Text5", "Text6", "Text4"}; break;
    case 3: required = {"Text2", "Text3", "Text5", "Text6", "Text4"}; break;
    case 1: required = {"Text2", "Text5", "Text4"}; break;
    default: required = {"Text2", "Text5", "Text4", "Text10", "Text11"}; break;
  }
  if (s.animMode) required.insert(required.end(), {"Text7", "Text8", "Text9"});
  for (const auto& field : required) {
    if (s.text(field).empty()) return refuse(Notice("请输入所有必需的参数"));
  }
  const bool curve = funForm == 2 || funForm == 3;
  if (!(Read(s.text("Text4")) < Read(s.text("Text5"))))
    return refuse(Notice(funForm == 3 ? "最小 u 必须小于最大 u" : "最小 x 必须小于最大 x"));
  if (curve) {
    if (!(Read(s.text("Text6")) > 1))
      return refuse(Notice(funForm == 3 ? "段数 u 必须大于 1" : "段数 x 必须大于 1"));
  } else if (!(Read(s.text("Text10")) < Read(s.text("Text11")))) {
    return refuse(Notice("最小 y 必须小于最大 y"));
  }

  // 6. Build.
  Reader r{s};
  const std::string var = coordType == 1 ? "x" : coordType == 2 ? "a" : "";
  const std::string expY = funForm == 3 ? s.text("Text2") : var;
  const std::string expZ = funForm == 3 ? s.text("Text3") : s.text("Text2");
  const int32_t stepU = curve ? 1 : 0;
  const int32_t stepV = curve ? r.i("Text6") : 0;
  const float minU = curve ? 0.0f : r.f("Text4");
  const float maxU = curve ? 1.0f : r.f("Text5");
  const float minV = curve ? r.f("Text4") : r.f("Text10");
  const float maxV = curve ? r.f("Text5") : r.f("Text11");
  const int32_t lineWidth = r.i("Combo2");
  auto item = GraphItem::Init(provisionalID, s.text("Text1"), 0, coordType, "0", expY, expZ, stepU,
                         stepV, minU, maxU, minV, maxV, 4, kBlue, kBlue, r.colour("Picture1"),
                         lineWidth, 4, 2, 2, false, false, false, 0);
  GraphItem& g = *item;
  g.FunForm = funForm;
  g.Show2DCurve = s.checked("Check3");
  g.ShowInverse = s.checked("Check1");
  g.InvColor = r.colour("Picture2");
  g.InvWidth = r.i("Combo4");
  g.ShowDev = s.checked("Check2");
  g.DevColor = r.colour("Picture3");
  g.DevWidth = r.i("Combo5");
  g.ShowInt = s.checked("Check4");
  g.IntColor = r.colour("Picture4");
  g.IntFrom = r.f("Text13");
  g.IntTo = r.f("Text14");
  g.ShowMax = s.checked("Check5");
  g.MaxColor = r.colour("Picture5");
  g.MaxSize = r.i("Combo7");
  g.MaxSymbol = r.symbol("Combo6");
  g.ShowMin = s.checked("Check6");
  g.MinColor = r.colour("Picture6");
  g.MinSize = r.i("Combo9");
  g.MinSymbol = r.symbol("Combo8");
  g.ShowGuai = s.checked("Check8");
  g.GuaiColor = r.colour("Picture8");
  g.GuaiSize = r.i("Combo11");
  g.GuaiSymbol = r.symbol("Combo17");
  g.ShowJO = s.checked("Check7");
  g.JOColor = r.colour("Picture7");
  g.JOWidth = r.i("Combo10");
  g.ShowRoot = s.checked("Check9");
  g.RootColor = r.colour("Picture9");
  g.RootSize = r.i("Combo12");
  g.RootSymbol = r.symbol("Combo13");
  g.ShowCurv = s.checked("Check10");
  g.CurvColor = r.colour("Picture10");
  g.CurvWidth = r.i("Combo14");
  g.ShowLen = s.checked("Check13");
  g.LenFrom = r.f("Text17");
  g.LenTo = r.f("Text18");
  g.ShowQie = s.checked("Check14");
  g.QieColor = r.colour("Picture11");
  g.QieWidth = r.i("Combo15");
  g.ShowNml = s.checked("Check15");
  g.NmlColor = r.colour("Picture12");
  g.NmlWidth = r.i("Combo16");
  if (r.bad) return refuse(Invalid());

  // The three position lists: at most 50 entries each, every entry a float.
  for (int group = 0; group < 3; ++group) {
    auto& list = s.positions[kFunction2DPositionGroups[group].list];
    if (list.entries.size() > static_cast<size_t>(kMaxPositions))
      return refuse(Notice("最多只能添加 50 个位置"));
    std::vector<float> values;
    for (const auto& entry : list.entries) {
      auto v = ReadFloat(entry);
      if (!v) return refuse(Invalid());
      values.push_back(*v);
    }
    const auto count = static_cast<int32_t>(values.size());
    for (int32_t k = 1; k <= count; ++k) {
      const float v = values[static_cast<size_t>(k - 1)];
      if (group == 0) g.SetCurvX(k, v);
      if (group == 1) g.SetQieX(k, v);
      if (group == 2) g.SetNmlX(k, v);
    }
    if (group == 0) g.CurvNum = count;
    if (group == 1) g.QieNum = count;
    if (group == 2) g.NmlNum = count;
    list.selected = count - 1;
  }

  // 7. Animation.
  if (s.animMode) {
    out.playbackEnabled = true;
    if (!(Read(s.text("Text7")) < Read(s.text("Text8"))))
      return refuse(Notice("最小 t 必须小于最大 t"));
    Reader t{s};
    const float minT = t.f("Text7");
    const float maxT = t.f("Text8");
    if (t.bad) return refuse(Invalid());
    g.Animation = true;
    g.GraphType = 9;
    g.MinT = minT;
    g.MaxT = maxT;
  }
  out.item = std::move(item);
  return out;
}

std::string Function2DEditLineText(const GraphItem& g) {
  const bool animated = g.GraphType == 9;
  const std::string curve = animated ? "二维曲线动画  " : "二维曲线  ";
  switch (g.FunForm) {
    case 1: return curve + g.ExpressZ + "=0";
    case 3:
      if (g.CoordType == 1) return curve + "x=" + g.ExpressY + ", y=" + g.ExpressZ;
      return curve + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
    case 4: return std::string(animated ? "二维不等式动画  " : "二维不等式  ") + g.ExpressZ + "<0";
    default: return curve + (g.CoordType == 1 ? "y=" : "r=") + g.ExpressZ;
  }
}

}  // namespace curvanta
