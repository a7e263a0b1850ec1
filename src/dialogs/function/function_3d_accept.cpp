// The 3D function dialog's OK: filters, checks and the built graph item.
#include "dialogs/function/function_3d_accept.h"

#include <vector>

#include "common/number_text.h"
#include "dialogs/function/field_values.h"

namespace curvanta {

namespace {

// GraphType by the text of the type box.
int32_t GraphTypeOf(const Function3DDialogState& s) {
  if (s.type < 0 || s.type >= static_cast<int>(s.typeItems.size())) return 0;
  const std::string& text = s.typeItems[static_cast<size_t>(s.type)];
  if (text == "曲线") return 1;
  if (text == "曲面") return 2;
  if (text == "曲线动画") return 11;
  if (text == "曲面动画") return 12;
  return 0;
}

// The fields that must not be empty, by form, type and mode.
std::vector<const std::string*> RequiredFields(const Function3DDialogState& s, bool parametric,
                                               int32_t graphType) {
  std::vector<const std::string*> fields = {&s.expression};
  if (parametric) fields.insert(fields.end(), {&s.secondExpression, &s.thirdExpression});
  fields.insert(fields.end(), {&s.minU, &s.maxU, &s.segmentsU});
  const bool surface = graphType == 2 || graphType == 12;
  if (surface) fields.insert(fields.end(), {&s.minV, &s.maxV, &s.segmentsV});
  if (graphType == 11 || graphType == 12) fields.insert(fields.end(), {&s.minT, &s.maxT, &s.stepsT});
  return fields;
}

}  // namespace

Function3DAcceptOutcome Function3DAccept(Function3DDialogState& s, int32_t provisionalID) {
  Function3DAcceptOutcome out;
  auto refuse = [&](Message m) {
    out.refusal = std::move(m);
    return out;
  };

  const int32_t graphType = GraphTypeOf(s);

  // Filters of the shown fields; the name and the segment counts are not filtered.
  std::vector<std::string*> expressions = {&s.expression};
  if (s.componentsShown) expressions.insert(expressions.end(), {&s.secondExpression, &s.thirdExpression});
  for (std::string* field : expressions) {
    if (!FilterExpressionField(*field)) return refuse(InvalidInputMessage());
  }
  std::vector<std::string*> numbers = {&s.minU, &s.maxU};
  if (s.vRowShown) numbers.insert(numbers.end(), {&s.minV, &s.maxV});
  if (s.animated) numbers.insert(numbers.end(), {&s.minT, &s.maxT});
  for (std::string* field : numbers) {
    if (!FilterNumberField(*field)) return refuse(InvalidInputMessage());
  }
  if (s.animated) {
    if (!s.stepsT.empty() && !IsWholeNumber(s.stepsT)) return refuse(InvalidInputMessage());
    if (!(LeadingCount(s.stepsT) > 1)) return refuse(NoticeMessage("段数 t 必须大于 1"));
  }

  out.graphModeSet = true;
  const SurfaceFill fill = FillOf(s.look);
  const int32_t coordType = s.coordSystem >= 0 && s.coordSystem <= 2 ? s.coordSystem + 3 : 0;
  if (s.form < 0) {
    s.form = 0;
    Function3DFormChosen(s);
  }
  const bool parametric = s.form == 1;

  // Required fields. A type that does not belong to the mode, or none, has no list of its
  // own; it is refused here too rather than built into a graph no drawing knows.
  const bool typeOfMode = s.animated ? (graphType == 11 || graphType == 12)
                                     : (graphType == 1 || graphType == 2);
  if (!typeOfMode) return refuse(NoticeMessage("请输入所有必需的参数"));
  for (const std::string* field : RequiredFields(s, parametric, graphType)) {
    if (field->empty()) return refuse(NoticeMessage("请输入所有必需的参数"));
  }

  // Segments, u before v; a text that is not one number as a whole is refused.
  const bool surface = graphType != 1 && graphType != 11;
  if (!IsWholeNumber(s.segmentsU)) return refuse(InvalidInputMessage());
  if (!(LeadingCount(s.segmentsU) > 1))
    return refuse(NoticeMessage(parametric ? "段数 u 必须大于 1" : "段数 x,y,a,r 或 b 必须大于1"));
  if (surface) {
    if (!IsWholeNumber(s.segmentsV)) return refuse(InvalidInputMessage());
    if (!(LeadingCount(s.segmentsV) > 1))
      return refuse(NoticeMessage(parametric ? "段数 v 必须大于 1" : "段数 y(或 r, b) 必须大于 1"));
  }

  // Expression slots: explicit graphs name their two variables by the system.
  std::string expX, expY, expZ;
  if (parametric) {
    expX = s.expression;
    expY = s.secondExpression;
    expZ = s.thirdExpression;
  } else {
    static const char* const kVariables[3][2] = {{"x", "y"}, {"a", "r"}, {"a", "b"}};
    if (coordType >= 3) {
      expX = kVariables[coordType - 3][0];
      expY = kVariables[coordType - 3][1];
    }
    expZ = s.expression;
  }

  // Ranges, v before u.
  for (const std::string* field : {&s.minU, &s.maxU}) {
    if (!IsWholeNumber(*field)) return refuse(InvalidInputMessage());
  }
  const auto minU = FieldSingle(s.minU);
  const auto maxU = FieldSingle(s.maxU);
  const auto stepU = FieldCount(s.segmentsU);
  if (!minU || !maxU || !stepU) return refuse(InvalidInputMessage());
  float minV = 0.0f, maxV = 0.0f;
  int32_t stepV = 1;
  if (surface) {
    for (const std::string* field : {&s.minV, &s.maxV}) {
      if (!IsWholeNumber(*field)) return refuse(InvalidInputMessage());
    }
    const auto lowV = FieldSingle(s.minV);
    const auto highV = FieldSingle(s.maxV);
    const auto countV = FieldCount(s.segmentsV);
    if (!lowV || !highV || !countV) return refuse(InvalidInputMessage());
    if (!(*lowV < *highV)) return refuse(NoticeMessage("最小值必须小于最大值"));
    minV = *lowV;
    maxV = *highV;
    stepV = *countV;
  }
  if (!(*minU < *maxU)) return refuse(NoticeMessage("最小值必须小于最大值"));

  auto item = GraphItem::Init(provisionalID, s.name, graphType, coordType, expX, expY, expZ,
                              *stepU, stepV, *minU, *maxU, minV, maxV, fill.fillStyle,
                              fill.firstColor, fill.secondColor, 0, 0, s.look.material,
                              s.look.model, s.look.smoothness, false, false, false, 0);
  item->FunForm = parametric ? 3 : 2;
  // The overlay boxes count whether or not they are enabled.
  item->ShowColormap = s.colourMap;
  item->ShowContour = s.contours;
  item->contourlevel = s.contours ? s.contourLevel : s.clearedContourLevel;
  item->ShowVector = s.vectors;

  if (s.animated) {
    out.playbackEnabled = true;
    for (const std::string* field : {&s.minT, &s.maxT}) {
      if (!IsWholeNumber(*field)) return refuse(InvalidInputMessage());
    }
    const auto minT = FieldSingle(s.minT);
    const auto maxT = FieldSingle(s.maxT);
    if (!minT || !maxT) return refuse(InvalidInputMessage());
    if (!(*minT < *maxT)) return refuse(NoticeMessage("最小 t 必须小于最大 t"));
    item->Animation = true;
    item->MinT = *minT;
    item->MaxT = *maxT;
  }
  out.item = std::move(item);
  return out;
}

std::string Function3DEditLineText(const GraphItem& g) {
  std::string label;
  switch (g.GraphType) {
    case 1: label = "三维曲线  "; break;
    case 2: label = "三维曲面  "; break;
    case 11: label = "三维曲线动画  "; break;
    case 12: label = "三维曲面动画  "; break;
    default: return "";
  }
  if (g.FunForm == 2) return label + (g.CoordType == 5 ? "r=" : "z=") + g.ExpressZ;
  if (g.CoordType == 4) return label + "a=" + g.ExpressX + ", r=" + g.ExpressY + ", z=" + g.ExpressZ;
  if (g.CoordType == 5) return label + "a=" + g.ExpressX + ", b=" + g.ExpressY + ", r=" + g.ExpressZ;
  return label + "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
}

}  // namespace curvanta
