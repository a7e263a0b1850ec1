// Field filters, numbers and shared messages of the graph dialogs.
#include "dialogs/function/field_values.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "expr/input_filters.h"

namespace curvanta {

Message InvalidInputMessage() { return Message{"存在不合法的表达式或数值", "出错", MsgIcon::Error}; }

Message NoticeMessage(const std::string& text) {
  return Message{text, "注意", MsgIcon::Exclamation};
}

bool FilterExpressionField(std::string& field) {
  std::string cleaned;
  if (!CheckExpressionText(field, cleaned)) return false;
  field = cleaned;
  return true;
}

bool FilterNumberField(std::string& field) {
  std::string cleaned;
  if (!CheckNumberText(field, cleaned)) return false;
  field = cleaned;
  return true;
}

double FieldNumber(const std::string& text) { return LeadingNumber(text); }

std::optional<float> FieldSingle(const std::string& text) {
  const double v = FieldNumber(text);
  if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(FLT_MAX)) return std::nullopt;
  return static_cast<float>(v);
}

std::optional<int32_t> FieldCount(const std::string& text) {
  const double v = RoundHalfEven(FieldNumber(text));
  if (!std::isfinite(v) || v < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
      v > static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::nullopt;
  return static_cast<int32_t>(v);
}

bool IsWholeNumber(const std::string& text) {
  size_t end = text.size();
  while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  // The leading number's end, counted from the start of the text (blanks before it included).
  const size_t numberEnd = LeadingNumberLength(text);
  return numberEnd > 0 && numberEnd == end;
}

}  // namespace curvanta
