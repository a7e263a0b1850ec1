// The 30 functions of the expression language, in the order the evaluator tests them.
#pragma once

#include <array>
#include <string_view>

namespace curvanta {

enum class Function : unsigned char {
  SIN, COS, LOG, EXP, ABS, ATN, INT, RND, SQR, TAN, SEC, CSEC, CTAN, ASIN, ACOS, ASEC, ACSEC,
  ACTAN, SINH, COSH, TANH, CTANH, SECH, CSECH, ASINH, ACOSH, ATANH, ASECH, ACSECH, ACTANH
};

inline constexpr std::array<std::string_view, 30> kFunctionNames = {
    "SIN",  "COS",  "LOG",   "EXP",   "ABS",   "ATN",    "INT",  "RND",  "SQR",   "TAN",
    "SEC",  "CSEC", "CTAN",  "ASIN",  "ACOS",  "ASEC",   "ACSEC", "ACTAN", "SINH", "COSH",
    "TANH", "CTANH", "SECH", "CSECH", "ASINH", "ACOSH", "ATANH", "ASECH", "ACSECH", "ACTANH"};

// The index of an upper-case function name (exact comparison), or -1.
inline int FunctionIndex(std::string_view upperName) {
  for (size_t i = 0; i < kFunctionNames.size(); ++i)
    if (kFunctionNames[i] == upperName) return int(i);
  return -1;
}

// The index 0..7 of a variable letter in the order U V X Y A R B T, or -1.
inline int VariableIndex(char upperLetter) {
  constexpr std::string_view kLetters = "UVXYARBT";
  size_t i = kLetters.find(upperLetter);
  return (upperLetter == '\0' || i == std::string_view::npos) ? -1 : int(i);
}

}  // namespace curvanta
