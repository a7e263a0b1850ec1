// Reading the fields of the graph dialogs: the character filters written back into a
// field, the leading-number rule, conversions that refuse what a 32-bit value cannot hold,
// and the messages the dialogs share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/message_service.h"

namespace curvanta {

// "存在不合法的表达式或数值", title "出错".
Message InvalidInputMessage();
// A warning titled "注意" with the exclamation icon.
Message NoticeMessage(const std::string& text);

// The character filters; on success the cleaned text replaces the field's text.
bool FilterExpressionField(std::string& field);
bool FilterNumberField(std::string& field);

// The number a field's text begins with (0 when none).
double FieldNumber(const std::string& text);
// That number as a 32-bit float; nullopt when it is not finite or beyond the float range.
std::optional<float> FieldSingle(const std::string& text);
// That number rounded half to even; nullopt outside the 32-bit integer range.
std::optional<int32_t> FieldCount(const std::string& text);
// True when the whole text, blanks around it aside, is one number ("1.5", "-2", "1e3"),
// not merely begins with one ("1.2.3", "1-2", "-", "" are not).
bool IsWholeNumber(const std::string& text);

}  // namespace curvanta
