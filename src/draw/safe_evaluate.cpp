// Evaluation that never throws on the drawing path.
#include "draw/safe_evaluate.h"

#include <cmath>

namespace curvanta {

std::optional<float> SafeEvaluate(const PostfixProgram& program, const VarValues& vars) {
  float result = 0;
  bool faulted = false;
  // A fault is learnt without an exception, so a region of failing points costs about what
  // evaluating it does.
  if (!program.EvaluateQuietly(false, result, vars, faulted)) return std::nullopt;
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

}  // namespace curvanta
