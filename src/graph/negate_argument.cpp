// The parity test's text: an expression with its independent variable negated.
#include <string>

#include "common/number_text.h"
#include "graph/graph_item.h"

namespace curvanta {

bool GraphItem::IsAsciiLetter(const std::string& s) {
  return s.size() == 1 && curvanta::IsAsciiLetter(s[0]);
}

std::string NegateArgument(const std::string& expression, int32_t coordType, int32_t funForm) {
  char v = 0;
  if ((coordType == CoordKind::Plane || coordType == CoordKind::Polar) &&
      funForm == FormKind::Parametric)
    v = 'u';
  else if (coordType == CoordKind::Plane && funForm == FormKind::Explicit)
    v = 'x';
  else if (coordType == CoordKind::Polar && funForm == FormKind::Explicit)
    v = 'a';
  else
    return std::string();

  // The language ignores case, so X is the same variable as x; the replacement keeps the
  // case the user typed. Only a standalone letter (no letter or "_" beside it) is the
  // variable: the x of exp, the a of tan stay.
  auto isVar = [v](char c) { return curvanta::AsciiLower(c) == v; };
  auto isWordChar = [](char c) { return curvanta::IsAsciiLetter(c) || c == '_'; };
  const size_t n = expression.size();
  if (n <= 1) {
    if (n == 1 && isVar(expression[0])) return std::string("-") + expression[0];
    return expression;
  }
  std::string out;
  out.reserve(n + n / 2);
  for (size_t p = 0; p < n; ++p) {
    char c = expression[p];
    bool standalone = isVar(c) && (p == 0 || !isWordChar(expression[p - 1])) &&
                      (p + 1 == n || !isWordChar(expression[p + 1]));
    if (standalone) {
      out += "(-";
      out += c;
      out += ')';
    } else {
      out += c;
    }
  }
  return out;
}

std::string GraphItem::NegateArgument(const std::string& expression) const {
  return curvanta::NegateArgument(expression, CoordType, FunForm);
}

}  // namespace curvanta
