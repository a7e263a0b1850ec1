// Fuzz target: the first and second derivative texts of an expression, each converted and
// evaluated when it is formed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/errors.h"
#include "expr/derivative_text.h"
#include "expr/expression_parser.h"

using namespace curvanta;

namespace {

void ConvertAndEvaluate(const std::string& text) {
  ExpressionEngine engine;
  std::string postfix;
  if (text.empty() || engine.InfixToPostfix(text, postfix, kDerivedTextLimits) != 0) return;
  const VarValues vars{0.5f, -1.5f, 2.0f, -3.0f, 0.25f, 1.0f, 3.14159f, 7.0f};
  float result = 0;
  try {
    engine.DoEvaluate(postfix, false, result, vars);
  } catch (const EngineError&) {
  } catch (const ArithmeticError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 400) return 0;  // derivatives grow fast; short texts reach every rule
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string first = DerivativeText(text);
  ConvertAndEvaluate(first);
  if (first.empty() || first.size() > 4000) return 0;
  const std::string second = DerivativeText(first);
  ConvertAndEvaluate(second);
  return 0;
}
