// Derivative texts, their parsed forms and the arc-length integrand of a 2D function item.
#include "draw/item_plane_functions.h"

#include <algorithm>
#include <cstdint>

#include "common/number_text.h"
#include "draw/safe_evaluate.h"
#include "expr/arc_length.h"
#include "expr/derivative_text.h"
#include "graph/graph_item.h"

namespace curvanta {

ItemPlaneFunctions::ItemPlaneFunctions(const GraphItem& item, ExpressionEngine& evaluator, float t)
    : item_(item),
      evaluator_(evaluator),
      animated_(item.GraphType == GraphKind::Function2DAnim),
      t_(t) {}

namespace {

// A text of blanks only (or none) converts to an empty postfix text, which gives no value.
bool ConvertsToNothing(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return uint8_t(c) <= 0x20; });
}

}  // namespace

bool ItemPlaneFunctions::Parse(const std::string& text, PostfixProgram& program) {
  std::string postfix;
  // Typed texts were checked when the item was sampled; derivative texts may be longer.
  if (evaluator_.InfixToPostfix(text, postfix, kDerivedTextLimits) != 0) return false;
  program = PostfixProgram::Compile(postfix);
  return true;
}

bool ItemPlaneFunctions::ParseDerivative(const std::string& text, PostfixProgram& program) {
  if (text.empty()) {  // the only empty derivative text: one too long to be formed
    ReportDerivativeTooLong();
    return false;
  }
  return Parse(text, program);
}

bool ItemPlaneFunctions::PrepareFirst() {
  // Without both texts there is no curve to analyse: an empty one is no error of its own.
  if (ConvertsToNothing(item_.ExpressY) || ConvertsToNothing(item_.ExpressZ)) return false;
  d1y_ = DerivativeText(item_.ExpressY);
  if (!ParseDerivative(d1y_, pd1y_)) return false;
  d1z_ = DerivativeText(item_.ExpressZ);
  if (!ParseDerivative(d1z_, pd1z_)) return false;
  return Parse(item_.ExpressY, expressY_) && Parse(item_.ExpressZ, expressZ_);
}

bool ItemPlaneFunctions::PrepareSecond() {
  d2z_ = DerivativeText(d1z_);
  if (!ParseDerivative(d2z_, pd2z_)) return false;
  dq_ = DerivativeText("(" + d1z_ + ")/(" + d1y_ + ")");
  return ParseDerivative(dq_, pdq_);
}

std::optional<float> ItemPlaneFunctions::Evaluate(PlaneFn fn, float position, float second) {
  VarValues vars;
  if (item_.FunForm == FormKind::Parametric) {
    vars.U = position;
    vars.V = second;
  } else if (item_.CoordType == CoordKind::Polar) {
    vars.A = position;
    vars.R = second;
  } else {
    vars.X = position;
    vars.Y = second;
  }
  if (animated_) vars.T = t_;
  const PostfixProgram* program = nullptr;
  switch (fn) {
    case PlaneFn::ExpressY: program = &expressY_; break;
    case PlaneFn::ExpressZ: program = &expressZ_; break;
    case PlaneFn::D1y: program = &pd1y_; break;
    case PlaneFn::D1z: program = &pd1z_; break;
    case PlaneFn::D2z: program = &pd2z_; break;
    case PlaneFn::Dq: program = &pdq_; break;
  }
  return SafeEvaluate(*program, vars);
}

std::optional<float> ItemPlaneFunctions::ArcLength(float from, float to) {
  std::string integrand;
  int32_t kind = IntegrandKind::X;
  if (item_.FunForm == FormKind::Parametric) {
    integrand = "sqr((" + d1y_ + ")^2+(" + d1z_ + ")^2)";
    kind = IntegrandKind::U;
  } else if (item_.CoordType == CoordKind::Polar) {
    integrand = "sqr((" + item_.ExpressZ + ")^2+(" + d1z_ + ")^2)";
    kind = IntegrandKind::A;
  } else {
    integrand = "sqr((" + d1z_ + ")^2+1)";
  }
  if (animated_) integrand = BindVariableT(integrand, t_);
  bool failed = false;
  const float length = IntegrateTrapezoid(from, to, 0.001f, integrand, kind, &failed);
  if (failed) return std::nullopt;
  return length;
}

std::string BindVariableT(const std::string& text, float t) {
  // Names of the expression language are runs of letters and "_"; a lone t is the variable.
  const std::string value = "(" + FormatPlainDecimal(t, 9) + ")";
  auto isName = [](char c) { return IsAsciiLetter(c) || c == '_'; };
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (!isName(text[i])) {
      out += text[i++];
      continue;
    }
    size_t j = i;
    while (j < text.size() && isName(text[j])) ++j;
    if (j - i == 1 && (text[i] == 't' || text[i] == 'T')) {
      out += value;
    } else {
      out.append(text, i, j - i);
    }
    i = j;
  }
  return out;
}

}  // namespace curvanta
