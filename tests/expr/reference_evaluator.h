// The plain point-at-a-time evaluator of postfix text, kept beside the tests as the reference
// that the compiled program and row evaluation must match bit for bit, message for message and
// fault for fault. It reads the text token by token on every call, with no compilation at all.
#pragma once

#include <string>

#include "expr/expression_parser.h"

namespace curvanta {

// Evaluates postfix text exactly as PostfixProgram::Evaluate is specified to: true with the
// result set; false (result unchanged) for an empty text or after a domain message box; raises
// EngineError for an unrecognised token or an empty stack, ArithmeticError for a fault.
bool ReferenceEvaluate(const std::string& postfix, bool degree, float& result,
                       const VarValues& vars);

}  // namespace curvanta
