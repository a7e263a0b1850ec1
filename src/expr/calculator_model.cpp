// The calculator's editing operations and its computation.
#include "expr/calculator_model.h"

#include <algorithm>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/engine_texts.h"
#include "expr/expression_parser.h"
#include "expr/input_filters.h"

namespace curvanta::calculator {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

int32_t Clamp(int32_t caret, size_t size) { return std::clamp<int32_t>(caret, 0, int32_t(size)); }

// Keeps DivZeroIsError True for exactly the life of one computation.
class DivZeroScope {
 public:
  DivZeroScope() { DivZeroIsError = true; }
  ~DivZeroScope() { DivZeroIsError = false; }
  DivZeroScope(const DivZeroScope&) = delete;
  DivZeroScope& operator=(const DivZeroScope&) = delete;
};

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (IsHighSurrogate(char16_t(c)) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (uint32_t(text[i + 1]) - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(char16_t(c)) || IsLowSurrogate(char16_t(c))) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out.push_back(char(c));
    } else if (c < 0x800) {
      out.push_back(char(0xC0 | (c >> 6)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(char(0xE0 | (c >> 12)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (c >> 18)));
      out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

// The filters and the number text give ASCII only.
std::u16string FromAscii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

Edit InsertAtCaret(const std::u16string& text, int32_t caret, const std::u16string& s) {
  const int32_t p = Clamp(caret, text.size());
  Edit e;
  e.text = text.substr(0, size_t(p)) + s + text.substr(size_t(p));
  e.caret = p + int32_t(s.size());
  return e;
}

Edit Backspace(const std::u16string& text, int32_t caret) {
  const int32_t p = Clamp(caret, text.size());
  if (p == 0) return {text, 0};
  // A character outside the basic plane is two units: remove both.
  int32_t from = p - 1;
  if (from > 0 && IsLowSurrogate(text[size_t(from)]) && IsHighSurrogate(text[size_t(from) - 1])) --from;
  return {text.substr(0, size_t(from)) + text.substr(size_t(p)), from};
}

Outcome Compute(const std::u16string& text1, const std::function<void(const std::u16string&)>& onCleaned) {
  DivZeroScope flag;
  Outcome out{text1, u""};
  std::string cleaned;
  if (!CheckExpressionText(ToUtf8(text1), cleaned)) {
    ShowMessage(texts::kInvalidInput, texts::kEvalTitle, MsgIcon::Error);
    return out;
  }
  out.text1 = FromAscii(cleaned);
  if (onCleaned) onCleaned(out.text1);
  try {
    ExpressionEngine parser;
    std::string postfix;
    if (parser.InfixToPostfix(cleaned, postfix) != 0) return out;
    VarValues vars;
    vars.U = 1;
    vars.V = 1;
    float result = 0;
    if (parser.DoEvaluate(postfix, true, result, vars)) out.text2 = FromAscii(FormatSingle(result));
  } catch (const ArithmeticError&) {
  } catch (const EngineError&) {
  }
  return out;
}

const std::vector<std::u16string>& Templates() {
  static const std::vector<std::u16string> list = {
      u"abs()",   u"atn()",   u"cos()",   u"exp()",    u"int()",   u"log()",   u"rnd()",
      u"sin()",   u"sqr()",   u"tan()",   u"sec()",    u"csec()",  u"ctan()",  u"asin()",
      u"acos()",  u"asec()",  u"acsec()", u"actan()",  u"sinh()",  u"cosh()",  u"tanh()",
      u"ctanh()", u"asinh()", u"acosh()", u"atanh()",  u"asech()", u"acsech()", u"actanh()",
  };
  return list;
}

}  // namespace curvanta::calculator
