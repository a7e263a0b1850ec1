// Fuzz target: an expression text converted to postfix and, when it converts, evaluated at a
// few bindings in radians and degrees. The engine's own errors are the designed outcome.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/errors.h"
#include "expr/expression_parser.h"

using namespace curvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 12000) return 0;  // beyond the typed-text bound, refused before conversion
  const std::string text(reinterpret_cast<const char*>(data), size);
  ExpressionEngine engine;
  std::string postfix;
  if (engine.InfixToPostfix(text, postfix) != 0) return 0;
  static const VarValues kBindings[] = {
      {},
      {0.5f, -1.5f, 2.0f, -3.0f, 0.25f, 1.0f, 3.14159f, 7.0f},
      {-1e30f, 1e30f, 1e-30f, -0.0f, 1.0f, -1.0f, 100.0f, -100.0f},
  };
  for (const VarValues& vars : kBindings)
    for (bool degrees : {false, true}) {
      float result = 0;
      try {
        engine.DoEvaluate(postfix, degrees, result, vars);
      } catch (const EngineError&) {
      } catch (const ArithmeticError&) {
      }
    }
  return 0;
}
