// The input filters of typed numbers and expressions.
#include "expr/input_filters.h"

#include <string_view>

namespace curvanta {

namespace {

constexpr std::string_view kNumberSet = "-1234567890.";
constexpr std::string_view kExpressionSet =
    "-1234567890.+*/^()abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The shared scan: false at the first character outside the set, blank and comma.
bool Scan(const std::string& text, std::string_view set, std::string& cleaned) {
  cleaned.clear();
  for (char c : text) {
    if (c != '\0' && set.find(c) != std::string_view::npos)
      cleaned.push_back(c);
    else if (c == ' ')
      continue;
    else if (c == ',')
      cleaned.push_back('.');
    else
      return false;
  }
  return true;
}

}  // namespace

bool CheckNumberText(const std::string& text, std::string& cleaned) {
  return Scan(text, kNumberSet, cleaned);
}

bool CheckExpressionText(const std::string& text, std::string& cleaned) {
  if (!Scan(text, kExpressionSet, cleaned)) return false;
  return !text.empty();
}

std::string CleanExpressionText(const std::string& text) {
  std::string cleaned;
  if (!Scan(text, kExpressionSet, cleaned)) return std::string();
  return cleaned;
}

std::string TrimAtNull(const std::string& text) {
  size_t n = text.find('\0');
  return n == std::string::npos ? text : text.substr(0, n);
}

}  // namespace curvanta
