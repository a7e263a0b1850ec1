// Conversion of an expression text into the derivative chain's token list.
#pragma once

#include <optional>
#include <string>

#include "expr/polish_list.h"

namespace curvanta {

// Error texts of the conversion (written into errText) and its one message box.
inline constexpr const char* kPolishUnbalanced = "括号不匹配";
inline constexpr const char* kPolishDoubleMinus = "存在两个 - ";
inline constexpr const char* kPolishBadTokenPrefix = "非法标记  ";  // + " " + position
inline constexpr const char* kPolishMissingArgSuffix = "处缺少参数";  // " " + position + this
inline constexpr const char* kPolishInvalid = "表达式非法";
inline constexpr const char* kPolishInvalidTitle = "出错";

// The postfix token list of sExpression, or nullopt. On failure errText holds the fault,
// except for a word the language does not know: that shows the box "表达式非法" (title
// "出错", error icon) and leaves errText as it was.
// Accepted words: numbers ("." or "," as the decimal point, written back as plain decimals
// with up to 15 significant digits), the variables x, y, a, r, u, the constants t, b, v,
// and the functions exp, sqr, log, sin, cos, tan, ctan, sec, csec, asin, acos, atn (also
// spelt atan), actan, sinh, cosh, tanh, ctanh, sech, csech, asinh, acosh, atanh, asech,
// acsech, actanh, abs, int, rnd. Works without recursion on texts of any length.
std::optional<PolishList> InfixToPolish(std::string sExpression, std::string& errText);

// One reduction step of the conversion: moves tokens from the top of the stack to the
// output while the token below the top binds at least as strongly, and drops a "(" ")"
// pair that meets on the top.
void ReducePolishStack(PolishList& stack, PolishList& output);

}  // namespace curvanta
