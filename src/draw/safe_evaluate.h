// Evaluation on the drawing path: a failed evaluation, an arithmetic fault or a value that
// is not finite all give nothing, and a fault shows no message of its own.
#pragma once

#include <optional>

#include "expr/expression_parser.h"

namespace curvanta {

std::optional<float> SafeEvaluate(const PostfixProgram& program, const VarValues& vars);

}  // namespace curvanta
