// The derivative of an expression as expression text: conversion to the token list,
// differentiation, printing as infix and folding of sign pairs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "expr/derive.h"
#include "expr/polish_list.h"

namespace curvanta {

// Infix text of a well-formed postfix list with as few parentheses as the ranks allow
// (every operator left-associative; functions always "name(...)", "min" as "-(...)").
// Throws std::out_of_range for an empty list or one with a missing operand.
std::string PolishToInfix(const PolishList& list);
// The same, or nullopt when the text would be longer than maxLength characters.
std::optional<std::string> PolishToInfix(const PolishList& list, size_t maxLength);

// Replaces each "+-" by "-" and each "--" by "+", in one pass from the left.
std::string FoldSignPairs(const std::string& text);

// The text of the derivative of sExpression. An expression that cannot be converted or
// holds no variable gives "0" (a word the derivative language does not know shows its box
// "表达式非法" first). A derivative whose text, its sign pairs folded, would exceed
// kMaxDerivativeTextLength characters is not formed: the result is then the empty text, which the caller treats as
// a text that does not parse (see ReportDerivativeTooLong). Otherwise never empty.
// The second derivative is DerivativeText of the first derivative's text.
std::string DerivativeText(const std::string& sExpression);

// For a caller that got an empty text from DerivativeText: shows the syntax box
// "字符 1：  表达式太长" (title "语法错误") and returns the error position 1.
int32_t ReportDerivativeTooLong();

}  // namespace curvanta
