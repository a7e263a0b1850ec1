// The 2.5D strip dialog's OK: filters, checks and the built graph item.
#include "dialogs/function/strip_accept.h"

#include <vector>

#include "common/number_text.h"
#include "dialogs/function/field_values.h"

namespace curvanta {

StripAcceptOutcome StripAccept(StripDialogState& s, int32_t provisionalID) {
  StripAcceptOutcome out;
  auto refuse = [&](Message m) {
    out.refusal = std::move(m);
    return out;
  };

  // Filters of the shown fields; the name and the segment counts are not filtered.
  if (!FilterExpressionField(s.expression)) return refuse(InvalidInputMessage());
  if (s.secondExpressionShown && !FilterExpressionField(s.secondExpression))
    return refuse(InvalidInputMessage());
  for (std::string* field : {&s.minimum, &s.maximum}) {
    if (!FilterNumberField(*field)) return refuse(InvalidInputMessage());
  }
  if (s.animated) {
    for (std::string* field : {&s.minT, &s.maxT}) {
      if (!FilterNumberField(*field)) return refuse(InvalidInputMessage());
    }
    if (!(LeadingCount(s.stepsT) > 1)) return refuse(NoticeMessage("段数 t 必须大于 1"));
  }

  const SurfaceFill fill = FillOf(s.look);
  const int32_t coordType = s.coordSystem == 0 ? 1 : s.coordSystem == 1 ? 2 : 0;
  if (s.form < 0) {
    s.form = 0;
    StripFormChosen(s);
  }
  const bool parametric = s.form == 1;

  // Required fields, then the segments before the range.
  std::vector<const std::string*> required = {&s.expression, &s.minimum, &s.maximum,
                                              &s.segments};
  // A parametric strip needs its second coordinate as well.
  if (parametric) required.push_back(&s.secondExpression);
  if (s.animated) required.insert(required.end(), {&s.minT, &s.maxT, &s.stepsT});
  for (const std::string* field : required) {
    if (field->empty()) return refuse(NoticeMessage("请输入所有必需的参数"));
  }
  if (!(LeadingCount(s.segments) > 1))
    return refuse(NoticeMessage(parametric ? "段数 u 必须大于 1" : "段数 x 必须大于 1"));
  if (!(FieldNumber(s.minimum) < FieldNumber(s.maximum)))
    return refuse(NoticeMessage(parametric ? "最小 u 必须小于最大 u" : "最小 x 必须小于最大 x"));

  const auto minV = FieldSingle(s.minimum);
  const auto maxV = FieldSingle(s.maximum);
  const auto stepV = FieldCount(s.segments);
  if (!minV || !maxV || !stepV) return refuse(InvalidInputMessage());
  const std::string variable = coordType == 1 ? "x" : coordType == 2 ? "a" : "";
  const std::string expY = parametric ? s.expression : variable;
  const std::string expZ = parametric ? s.secondExpression : s.expression;

  // A strip is two rows of points, front and back: u runs from 0 to 3 in one step.
  auto item = GraphItem::Init(provisionalID, s.name, 3, coordType, "0", expY, expZ, 1, *stepV,
                              0.0f, 3.0f, *minV, *maxV, fill.fillStyle, fill.firstColor,
                              fill.secondColor, 1, 1, s.look.material, s.look.model,
                              s.look.smoothness, false, false, false, 0);
  item->FunForm = parametric ? 3 : 2;

  if (s.animated) {
    out.playbackEnabled = true;
    // The t range is compared as the 32-bit values the item stores, so that a range that
    // collapses to one value is refused rather than giving identical frames.
    const auto minT = FieldSingle(s.minT);
    const auto maxT = FieldSingle(s.maxT);
    if (!minT || !maxT) return refuse(InvalidInputMessage());
    if (!(*minT < *maxT)) return refuse(NoticeMessage("最小 t 必须小于最大 t"));
    item->Animation = true;
    item->GraphType = 10;
    item->MinT = *minT;
    item->MaxT = *maxT;
  }
  out.item = std::move(item);
  return out;
}

std::string StripEditLineText(const GraphItem& g) {
  const std::string label = g.GraphType == 10 ? "二维半条带动画  " : "二维半条带  ";
  if (g.FunForm == 3) {
    if (g.CoordType == 1) return label + "x=" + g.ExpressY + ", y=" + g.ExpressZ;
    return label + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
  }
  return label + (g.CoordType == 1 ? "y=" : "r=") + g.ExpressZ;
}

}  // namespace curvanta
