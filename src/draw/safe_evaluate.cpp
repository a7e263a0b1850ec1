// Evaluation that never throws on the drawing path.
#include "draw/safe_evaluate.h"

#include <cmath>
#include <new>

#include "common/errors.h"

namespace curvanta {

std::optional<float> SafeEvaluate(const PostfixProgram& program, const VarValues& vars) {
  float result = 0;
  try {
    if (!program.Evaluate(false, result, vars)) return std::nullopt;
  } catch (const ArithmeticError&) {
    return std::nullopt;
  } catch (const EngineError&) {
    return std::nullopt;
  }
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

}  // namespace curvanta
