// ExpressionEngine::InfixToPostfix: the syntax check of the expression language and its conversion
// into postfix text by an operator-precedence scan.
#include <string>
#include <string_view>

#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/engine_texts.h"
#include "expr/expression_parser.h"
#include "expr/function_table.h"
#include "expr/value_stack.h"

namespace curvanta {

namespace {

enum class Kind { Start, Operand, Opening, Sign, Function };

bool IsNumberChar(char c) { return curvanta::IsAsciiDigit(c) || c == '.' || c == ','; }
bool IsNameChar(char c) { return curvanta::IsAsciiLetter(c) || c == '_'; }
bool IsOperatorChar(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}

// Characters of a UTF-8 text (bytes that do not continue a sequence).
size_t CharacterCount(const std::string& text) {
  size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

void Emit(std::string& out, std::string_view token) {
  out.append(token);
  out.push_back(' ');
}

}  // namespace

int32_t ExpressionEngine::OperatorPriority(std::string_view token) {
  if (token == "+" || token == "-") return 1;
  if (token == "*" || token == "/") return 2;
  if (token == "(-)") return 3;
  if (token == "^") return 4;
  if (curvanta::FunctionIndex(token) >= 0) return 5;
  return 0;
}

int32_t ExpressionEngine::SyntaxError(int32_t position, const std::string& message) {
  if (position < 1) position = 1;
  m_sErrorMessage = message;
  curvanta::ShowMessage(std::string(curvanta::texts::kSyntaxPrefix) + std::to_string(position) +
                            curvanta::texts::kSyntaxSeparator + message,
                        curvanta::texts::kSyntaxTitle, curvanta::MsgIcon::Error);
  return position;
}

int32_t ExpressionEngine::InfixToPostfix(const std::string& sExpression, std::string& sBuffer) {
  return InfixToPostfix(sExpression, sBuffer, kTypedTextLimits);
}

int32_t ExpressionEngine::InfixToPostfix(const std::string& sExpression, std::string& sBuffer,
                             const ConversionLimits& limits) {
  namespace t = curvanta::texts;
  if (CharacterCount(sExpression) > limits.maxLength)
    return SyntaxError(int32_t(limits.maxLength + 1), t::kExpressionTooLong);

  ValueStack<std::string> stack;
  Kind kind = Kind::Start;
  int32_t open = 0;
  int32_t errPos = 1;
  const size_t n = sExpression.size();
  size_t i = 0;  // 0-based index; the position of character i is i + 1
  while (i < n) {
    const char c = sExpression[i];
    const int32_t pos = int32_t(i + 1);
    if (c == '(') {
      if (kind == Kind::Operand) return SyntaxError(errPos, t::kMissingOperator);
      if (open >= limits.maxNesting) return SyntaxError(pos, t::kNestingTooDeep);
      stack.Push("(");
      ++open;
      if (kind == Kind::Sign || kind == Kind::Function) kind = Kind::Opening;
      errPos = pos;
      ++i;
    } else if (c == ')') {
      if (kind != Kind::Operand) return SyntaxError(errPos, t::kMissingOperand);
      if (open == 0) return SyntaxError(errPos, t::kUnmatchedParen);
      for (;;) {
        std::string top = stack.Pop();
        if (top == "(") break;
        Emit(sBuffer, top);
      }
      --open;
      errPos = pos;
      ++i;
    } else if (IsOperatorChar(c)) {
      if (kind == Kind::Operand) {
        const std::string op(1, c);
        const int32_t priority = OperatorPriority(op);
        while (stack.StackSize() > 0 && OperatorPriority(stack.GetPopValue()) >= priority)
          Emit(sBuffer, stack.Pop());
        stack.Push(op);
        kind = (c == '+' || c == '-') ? Kind::Sign : Kind::Opening;
      } else {
        if (kind == Kind::Sign) return SyntaxError(errPos, t::kMissingOperand);
        if (c == '*' || c == '/' || c == '^') return SyntaxError(errPos, t::kMissingOperand);
        if (c == '-') stack.Push("(-)");
        kind = Kind::Sign;
      }
      errPos = pos;
      ++i;
    } else if (IsNumberChar(c)) {
      if (kind == Kind::Operand) return SyntaxError(errPos, t::kMissingOperator);
      const size_t start = i;
      bool separator = false;
      while (i < n && IsNumberChar(sExpression[i])) {
        if (sExpression[i] == '.' || sExpression[i] == ',') {
          if (separator) return SyntaxError(errPos, t::kSeveralPoints);
          separator = true;
        }
        ++i;
      }
      errPos = int32_t(i) - 1;  // last character at position i, so i - 1
      const std::string_view number(sExpression.data() + start, i - start);
      if (number == "." || number == ",") return SyntaxError(errPos, t::kIllegalOperand);
      if (kind == Kind::Function) return SyntaxError(errPos, t::kMissingParen);
      Emit(sBuffer, number);
      kind = Kind::Operand;
    } else if (static_cast<unsigned char>(c) <= 0x20) {
      ++i;
    } else if (IsNameChar(c)) {
      const size_t start = i;
      while (i < n && IsNameChar(sExpression[i])) ++i;
      errPos = int32_t(start);  // the name starts at position start + 1
      const std::string name = sExpression.substr(start, i - start);
      if (kind == Kind::Operand) return SyntaxError(errPos, t::kMissingOperator);
      const std::string upper = curvanta::AsciiUpper(name);
      if (curvanta::FunctionIndex(upper) >= 0) {
        stack.Push(upper);
        kind = Kind::Function;
      } else if (upper.size() == 1 && curvanta::VariableIndex(upper[0]) >= 0) {
        Emit(sBuffer, upper + upper);
        kind = Kind::Operand;
      } else {
        return SyntaxError(errPos, std::string(t::kUndefinedNamePrefix) + name +
                                       t::kUndefinedNameSuffix);
      }
    } else {
      return SyntaxError(errPos, t::kUnknownCharacter);
    }
  }

  errPos = int32_t(n);
  if (kind == Kind::Opening || kind == Kind::Sign || kind == Kind::Function)
    return SyntaxError(errPos, t::kMissingOperand);
  if (open > 0) return SyntaxError(errPos, t::kMissingCloseParen);
  while (stack.StackSize() > 0) Emit(sBuffer, stack.Pop());
  return 0;
}

}  // namespace curvanta
