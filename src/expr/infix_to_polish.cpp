// Infix text to derivative token list: an operator-precedence scan with one token stack.
#include "expr/infix_to_polish.h"

#include <cmath>
#include <string_view>

#include "common/message_service.h"
#include "common/number_text.h"

namespace curvanta {

namespace {

// The negation of a unary minus while it waits on the stack: it binds like "*" and "/",
// and leaves the stack as an ordinary "-".
constexpr const char* kNegationMarker = "(-)";

struct Word {
  std::string_view upper;
  const char* token;
  int16_t rank;
};

constexpr Word kWords[] = {
    {"X", "x", PolishRank::Operand},        {"Y", "y", PolishRank::Operand},
    {"A", "a", PolishRank::Operand},        {"R", "r", PolishRank::Operand},
    {"U", "u", PolishRank::Operand},        {"T", "t", PolishRank::Operand},
    {"B", "b", PolishRank::Operand},        {"V", "v", PolishRank::Operand},
    {"EXP", "exp", PolishRank::Function},   {"SQR", "sqr", PolishRank::Function},
    {"LOG", "log", PolishRank::Function},   {"SIN", "sin", PolishRank::Function},
    {"COS", "cos", PolishRank::Function},   {"TAN", "tan", PolishRank::Function},
    {"CTAN", "ctan", PolishRank::Function}, {"SEC", "sec", PolishRank::Function},
    {"CSEC", "csec", PolishRank::Function}, {"ASIN", "asin", PolishRank::Function},
    {"ACOS", "acos", PolishRank::Function}, {"ATAN", "atn", PolishRank::Function},
    {"ATN", "atn", PolishRank::Function},   {"ACTAN", "actan", PolishRank::Function},
    {"SINH", "sinh", PolishRank::Function}, {"COSH", "cosh", PolishRank::Function},
    {"TANH", "tanh", PolishRank::Function}, {"CTANH", "ctanh", PolishRank::Function},
    {"SECH", "sech", PolishRank::Function}, {"CSECH", "csech", PolishRank::Function},
    {"ASINH", "asinh", PolishRank::Function}, {"ACOSH", "acosh", PolishRank::Function},
    {"ATANH", "atanh", PolishRank::Function}, {"ASECH", "asech", PolishRank::Function},
    {"ACSECH", "acsech", PolishRank::Function}, {"ACTANH", "actanh", PolishRank::Function},
    {"ABS", "abs", PolishRank::Function},   {"INT", "int", PolishRank::Function},
    {"RND", "rnd", PolishRank::Function},
};

bool EndsWord(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')' || c == '#';
}

// Moves one token from the stack to the output; a waiting negation becomes "-".
void MoveOut(const PolishToken& token, PolishList& output) {
  if (token.Data == kNegationMarker)
    output.Append(PolishRank::AddSub, "-");
  else
    output.Append(token);
}

// Token text of a number word: its leading number ("." or "," as the point), written as a
// plain decimal with up to 15 significant digits.
std::string NumberToken(std::string_view word) {
  double value = curvanta::LeadingNumber(word, true);
  if (std::isfinite(value)) return curvanta::FormatPlainDecimal(value, 15);
  // Too large for a double: keep the digits as typed, the evaluator reports it.
  std::string digits(word.substr(0, curvanta::LeadingNumberLength(word, true)));
  for (char& c : digits)
    if (c == ',') c = '.';
  return digits;
}

}  // namespace

void ReducePolishStack(PolishList& stack, PolishList& output) {
  for (;;) {
    int32_t n = stack.ElementCount();
    if (n < 2) return;
    int16_t top = stack.GetRank(n - 1);
    int16_t below = stack.GetRank(n - 2);
    if (below == PolishRank::Open && top == PolishRank::Close) {
      stack.Kill(n - 2, 2);
      return;
    }
    if (below == PolishRank::Open) return;
    if (below < top) return;
    MoveOut(stack.Tokens()[size_t(n - 2)], output);
    stack.Kill(n - 2, 1);
  }
}

std::optional<PolishList> InfixToPolish(std::string sExpression, std::string& errText) {
  size_t opens = 0, closes = 0;
  for (char c : sExpression) {
    if (c == '(') ++opens;
    if (c == ')') ++closes;
  }
  if (opens != closes) {
    errText = kPolishUnbalanced;
    return std::nullopt;
  }
  if (sExpression.find("--") != std::string::npos) {
    errText = kPolishDoubleMinus;
    return std::nullopt;
  }

  const std::string text = curvanta::AsciiUpper(sExpression) + "#";
  PolishList stack, output;
  bool operandExpected = true;
  auto position = [](size_t i) { return std::to_string(i + 1); };

  for (size_t i = 0;; ++i) {
    const char c = text[i];
    if (!operandExpected) {
      if (c == '#') break;
      if (c == '+' || c == '-') {
        stack.Append(PolishRank::AddSub, std::string(1, c));
        operandExpected = true;
      } else if (c == '*' || c == '/') {
        stack.Append(PolishRank::MulDiv, std::string(1, c));
        operandExpected = true;
      } else if (c == '^') {
        stack.Append(PolishRank::Power, "^");
        operandExpected = true;
      } else if (c == ')') {
        stack.Append(PolishRank::Close, ")");
      } else {
        errText = std::string(kPolishBadTokenPrefix) + " " + position(i);
        return std::nullopt;
      }
    } else {
      if (c == '#') {
        errText = kPolishInvalid;
        return std::nullopt;
      }
      if (c == '+' || c == '*' || c == '/' || c == '^' || c == ')') {
        errText = " " + position(i) + kPolishMissingArgSuffix;
        return std::nullopt;
      }
      if (c == '(') {
        stack.Append(PolishRank::Open, "(");
      } else if (c == '-') {
        // Unary minus: a subtraction from 0 whose "-" waits on the stack, unreduced.
        output.Append(PolishRank::Operand, "0");
        stack.Append(PolishRank::MulDiv, kNegationMarker);
        continue;
      } else {
        size_t end = i;
        while (!EndsWord(text[end])) ++end;
        std::string_view word(text.data() + i, end - i);
        if (curvanta::IsAsciiDigit(word[0]) || word[0] == '.' || word[0] == ',') {
          stack.Append(PolishRank::Operand, NumberToken(word));
          operandExpected = false;
        } else {
          const Word* found = nullptr;
          for (const Word& w : kWords)
            if (w.upper == word) found = &w;
          if (!found) {
            curvanta::ShowMessage(kPolishInvalid, kPolishInvalidTitle, curvanta::MsgIcon::Error);
            return std::nullopt;
          }
          stack.Append(found->rank, found->token);
          if (found->rank == PolishRank::Operand) operandExpected = false;
        }
        i = end - 1;
      }
    }
    ReducePolishStack(stack, output);
  }
  for (int32_t k = stack.ElementCount() - 1; k >= 0; --k) MoveOut(stack.Tokens()[size_t(k)], output);
  return output;
}

}  // namespace curvanta
