// Locale-free number formatting and reading on std::to_chars / std::from_chars.
#include "common/number_text.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace curvanta {

namespace {

struct Decomposed {
  bool negative = false;
  std::string digits;  // significant digits, no trailing zeros, at least one digit
  int exponent = 0;    // decimal exponent of the first digit
};

// Rounds |value| to `digits` significant digits and splits it into digits and exponent.
Decomposed Decompose(double value, int digits) {
  Decomposed d;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                           digits - 1);
  std::string_view s(buf, size_t(res.ptr - buf));
  d.negative = std::signbit(value);
  size_t e = s.find('e');
  for (size_t i = 0; i < e; ++i)
    if (IsAsciiDigit(s[i])) d.digits.push_back(s[i]);
  std::string_view ex = s.substr(e + 1);
  if (!ex.empty() && ex[0] == '+') ex.remove_prefix(1);
  std::from_chars(ex.data(), ex.data() + ex.size(), d.exponent);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits == "0") d.negative = false;
  return d;
}

std::string Plain(const Decomposed& d) {
  std::string out;
  if (d.negative) out.push_back('-');
  const int n = int(d.digits.size());
  if (d.exponent < 0) {
    out += "0.";
    out.append(size_t(-d.exponent - 1), '0');
    out += d.digits;
  } else if (d.exponent + 1 >= n) {
    out += d.digits;
    out.append(size_t(d.exponent + 1 - n), '0');
  } else {
    out.append(d.digits, 0, size_t(d.exponent + 1));
    out.push_back('.');
    out.append(d.digits, size_t(d.exponent + 1), std::string::npos);
  }
  return out;
}

std::string General(double value, int digits) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";
  Decomposed d = Decompose(value, digits);
  if (d.digits == "0") return "0";
  if (d.exponent < -4 || d.exponent >= digits) {
    std::string out;
    if (d.negative) out.push_back('-');
    out.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
      out.push_back('.');
      out.append(d.digits, 1, std::string::npos);
    }
    out.push_back('E');
    out.push_back(d.exponent < 0 ? '-' : '+');
    int ae = std::abs(d.exponent);
    if (ae < 10) out.push_back('0');
    out += std::to_string(ae);  // digits only: std::to_string of an int is locale-free
    return out;
  }
  return Plain(d);
}

}  // namespace

std::string FormatSingle(float value) { return General(double(value), 7); }

std::string FormatDouble(double value) { return General(value, 15); }

std::string FormatPlainDecimal(double value, int digits) {
  if (!std::isfinite(value)) return General(value, digits);
  if (value == 0) return "0";
  Decomposed d = Decompose(value, digits);
  if (d.digits == "0") return "0";
  return Plain(d);
}

std::string FormatFieldSingle(float value) { return FormatPlainDecimal(double(value), 7); }

size_t LeadingNumberLength(std::string_view text, bool commaToo) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t mantissaDigits = 0;
  while (i < text.size() && IsAsciiDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && (text[i] == '.' || (commaToo && text[i] == ','))) {
    size_t j = i + 1;
    size_t frac = 0;
    while (j < text.size() && IsAsciiDigit(text[j])) ++j, ++frac;
    if (mantissaDigits + frac > 0) {
      i = j;
      mantissaDigits += frac;
    }
  }
  if (mantissaDigits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < text.size() && IsAsciiDigit(text[j])) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i - start == 0 ? 0 : i;
}

namespace {

// The decimal exponent of the first significant digit of an unsigned number text ("12.5"
// 1, "0.05" -2, "3e-400" -400), saturated; 0 for a text without a non-zero digit.
int64_t DecimalMagnitude(const std::string& num) {
  constexpr int64_t kLimit = int64_t(1) << 40;
  const size_t e = num.find_first_of("eE");
  const std::string_view mantissa = std::string_view(num).substr(0, e);
  int64_t magnitude = 0;
  bool found = false;
  int64_t place = 0;  // decimal exponent of the current digit
  const size_t point = mantissa.find('.');
  const size_t intDigits = point == std::string_view::npos ? mantissa.size() : point;
  place = int64_t(intDigits) - 1;
  for (char c : mantissa) {
    if (c == '.') continue;
    if (c != '0') {
      magnitude = place;
      found = true;
      break;
    }
    --place;
  }
  if (!found) return 0;
  if (e != std::string::npos) {
    size_t j = e + 1;
    bool negative = false;
    if (j < num.size() && (num[j] == '+' || num[j] == '-')) negative = num[j++] == '-';
    int64_t exponent = 0;
    for (; j < num.size() && exponent < kLimit; ++j) exponent = exponent * 10 + (num[j] - '0');
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

}  // namespace

double LeadingNumber(std::string_view text, bool commaToo) {
  size_t end = LeadingNumberLength(text, commaToo);
  if (end == 0) return 0.0;
  size_t i = 0;
  while (text[i] == ' ' || text[i] == '\t') ++i;
  std::string num(text.substr(i, end - i));
  bool negative = false;
  if (num[0] == '+' || num[0] == '-') {
    negative = num[0] == '-';
    num.erase(0, 1);
  }
  for (char& c : num)
    if (c == ',') c = '.';
  double v = 0.0;
  auto res = std::from_chars(num.data(), num.data() + num.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    // Either an overflow or an underflow: tell them apart by the decimal magnitude, the
    // place of the first significant digit plus the exponent ("0.000…1" is tiny too).
    v = DecimalMagnitude(num) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -v : v;
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

double LeadingCount(std::string_view text) { return RoundHalfEven(LeadingNumber(text)); }

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

}  // namespace curvanta
