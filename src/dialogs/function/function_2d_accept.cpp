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
  bool bad = false;
  float f(const std::string& text) {
    auto v = ReadFloat(text);
    if (!v) bad = true;
    return v.value_or(0.0f);
  }
  int32_t i(const std::string& text) {
    auto v = ReadInt(text);
    if (!v) bad = true;
    return v.value_or(0);
  }
  // Item symbols count from 1; no symbol chosen reads as 0.
  static int32_t symbol(int listIndex) { return listIndex < 0 ? 0 : listIndex + 1; }
};

// Filters one field and writes the cleaned text back; false when it fails.
bool Filter(std::string& field, bool expression) {
  std::string cleaned;
  const bool ok =
      expression ? CheckExpressionText(field, cleaned) : CheckNumberText(field, cleaned);
  if (ok) field = cleaned;
  return ok;
}

}  // namespace

Function2DAcceptOutcome Function2DAccept(Function2DDialogState& s, int32_t provisionalID) {
  using A = Function2DAnalysis;
  Function2DAcceptOutcome out;
  auto refuse = [&](Message m) {
    out.refusal = std::move(m);
    return out;
  };

  // 1. Filters: the shown definition fields, the t range, the enabled options.
  if (!Filter(s.expression, true)) return refuse(Invalid());
  if (s.rows.secondExpression && !Filter(s.secondExpression, true)) return refuse(Invalid());
  if (!Filter(s.minX, false) || !Filter(s.maxX, false)) return refuse(Invalid());
  if (s.rows.rangeY && (!Filter(s.minY, false) || !Filter(s.maxY, false)))
    return refuse(Invalid());
  if (s.animated) {
    if (!Filter(s.minT, false) || !Filter(s.maxT, false)) return refuse(Invalid());
    if (!(LeadingCount(s.segmentsT) > 1)) return refuse(Notice("段数 t 必须大于 1"));
  }
  const std::pair<A, std::string*> optionFields[] = {
      {A::Curvature, &s.curvaturePositions.input},
      {A::Integral, &s.integral.from},
      {A::Integral, &s.integral.to},
      {A::Tangent, &s.tangentPositions.input},
      {A::Normal, &s.normalPositions.input},
      {A::ArcLength, &s.arcLength.from},
      {A::ArcLength, &s.arcLength.to},
  };
  for (const auto& [option, field] : optionFields) {
    if (s.enabled(option) && !Filter(*field, false)) return refuse(Invalid());
  }

  // 2, 3, 4. Document kind, system, form.
  out.graphModeSet = true;
  const int32_t coordType = s.coordIndex == 0 ? 1 : s.coordIndex == 1 ? 2 : 0;
  if (s.formIndex < 0) {
    s.formIndex = 0;
    ApplyForm(s);
  }
  static const int32_t kFormCode[4] = {2, 3, 1, 4};
  const int form = s.formIndex > 3 ? 0 : s.formIndex;
  const int32_t funForm = kFormCode[form];

  // 5. Required fields and ranges of the form.
  std::vector<const std::string*> required;
  switch (funForm) {
    case 2: required = {&s.expression, &s.maxX, &s.segmentsX, &s.minX}; break;
    case 3: required = {&s.expression, &s.secondExpression, &s.maxX, &s.segmentsX, &s.minX}; break;
    case 1: required = {&s.expression, &s.maxX, &s.minX}; break;
    default: required = {&s.expression, &s.maxX, &s.minX, &s.minY, &s.maxY}; break;
  }
  if (s.animated) required.insert(required.end(), {&s.minT, &s.maxT, &s.segmentsT});
  for (const std::string* field : required) {
    if (field->empty()) return refuse(Notice("请输入所有必需的参数"));
  }
  const bool curve = funForm == 2 || funForm == 3;
  if (!(Read(s.minX) < Read(s.maxX)))
    return refuse(Notice(funForm == 3 ? "最小 u 必须小于最大 u" : "最小 x 必须小于最大 x"));
  if (curve) {
    if (!(LeadingCount(s.segmentsX) > 1))
      return refuse(Notice(funForm == 3 ? "段数 u 必须大于 1" : "段数 x 必须大于 1"));
  } else if (!(Read(s.minY) < Read(s.maxY))) {
    return refuse(Notice("最小 y 必须小于最大 y"));
  }

  // 6. Build.
  Reader r;
  const std::string var = coordType == 1 ? "x" : coordType == 2 ? "a" : "";
  const std::string expY = funForm == 3 ? s.expression : var;
  const std::string expZ = funForm == 3 ? s.secondExpression : s.expression;
  const int32_t stepU = curve ? 1 : 0;
  const int32_t stepV = curve ? r.i(s.segmentsX) : 0;
  const float minU = curve ? 0.0f : r.f(s.minX);
  const float maxU = curve ? 1.0f : r.f(s.maxX);
  const float minV = curve ? r.f(s.minX) : r.f(s.minY);
  const float maxV = curve ? r.f(s.maxX) : r.f(s.maxY);
  const int32_t lineWidth = r.i(s.curve.width);
  auto item = GraphItem::Init(provisionalID, s.name, 0, coordType, "0", expY, expZ, stepU,
                              stepV, minU, maxU, minV, maxV, 4, kBlue, kBlue, s.curve.colour,
                              lineWidth, 4, 2, 2, false, false, false, 0);
  GraphItem& g = *item;
  g.FunForm = funForm;
  g.Show2DCurve = s.curve.show;
  g.ShowInverse = s.inverse.show;
  g.InvColor = s.inverse.colour;
  g.InvWidth = r.i(s.inverse.width);
  g.ShowDev = s.derivative.show;
  g.DevColor = s.derivative.colour;
  g.DevWidth = r.i(s.derivative.width);
  g.ShowInt = s.integral.show;
  g.IntColor = s.integral.colour;
  g.IntFrom = r.f(s.integral.from);
  g.IntTo = r.f(s.integral.to);
  g.ShowMax = s.maxima.show;
  g.MaxColor = s.maxima.colour;
  g.MaxSize = r.i(s.maxima.size);
  g.MaxSymbol = Reader::symbol(s.maxima.symbol);
  g.ShowMin = s.minima.show;
  g.MinColor = s.minima.colour;
  g.MinSize = r.i(s.minima.size);
  g.MinSymbol = Reader::symbol(s.minima.symbol);
  g.ShowGuai = s.inflections.show;
  g.GuaiColor = s.inflections.colour;
  g.GuaiSize = r.i(s.inflections.size);
  g.GuaiSymbol = Reader::symbol(s.inflections.symbol);
  g.ShowJO = s.parity.show;
  g.JOColor = s.parity.colour;
  g.JOWidth = r.i(s.parity.width);
  g.ShowRoot = s.roots.show;
  g.RootColor = s.roots.colour;
  g.RootSize = r.i(s.roots.size);
  g.RootSymbol = Reader::symbol(s.roots.symbol);
  g.ShowCurv = s.curvature.show;
  g.CurvColor = s.curvature.colour;
  g.CurvWidth = r.i(s.curvature.width);
  g.ShowLen = s.arcLength.show;
  g.LenFrom = r.f(s.arcLength.from);
  g.LenTo = r.f(s.arcLength.to);
  g.ShowQie = s.tangent.show;
  g.QieColor = s.tangent.colour;
  g.QieWidth = r.i(s.tangent.width);
  g.ShowNml = s.normal.show;
  g.NmlColor = s.normal.colour;
  g.NmlWidth = r.i(s.normal.width);
  if (r.bad) return refuse(Invalid());

  // The three position lists: at most 50 entries each, every entry a float.
  for (auto group : {Function2DPositionGroup::Curvature, Function2DPositionGroup::Tangent,
                     Function2DPositionGroup::Normal}) {
    Function2DPositionList& list = s.positions(group);
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
      switch (group) {
        case Function2DPositionGroup::Curvature: g.SetCurvX(k, v); break;
        case Function2DPositionGroup::Tangent: g.SetQieX(k, v); break;
        case Function2DPositionGroup::Normal: g.SetNmlX(k, v); break;
      }
    }
    switch (group) {
      case Function2DPositionGroup::Curvature: g.CurvNum = count; break;
      case Function2DPositionGroup::Tangent: g.QieNum = count; break;
      case Function2DPositionGroup::Normal: g.NmlNum = count; break;
    }
    list.selected = count - 1;
  }

  // 7. Animation.
  if (s.animated) {
    out.playbackEnabled = true;
    Reader t;
    const float minT = t.f(s.minT);
    const float maxT = t.f(s.maxT);
    if (t.bad) return refuse(Invalid());
    // Compared as stored: ends that differ only beyond a float's precision would give every
    // frame the same t.
    if (!(minT < maxT)) return refuse(Notice("最小 t 必须小于最大 t"));
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
