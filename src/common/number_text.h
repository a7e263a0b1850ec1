// Locale-free number text: every number the program reads or writes goes through here,
// so that a decimal comma in the user's locale never changes a value or a document.
#pragma once

#include <string>
#include <string_view>

namespace curvanta {

// A 32-bit float as text: at most 7 significant digits, no trailing zeros or point,
// exponent form ("1E+07", "1.5E-05") when the decimal exponent is below -4 or at least 7.
// -0 is written "0".
std::string FormatSingle(float value);

// A 64-bit float as text by the same rules with at most 15 significant digits.
std::string FormatDouble(double value);

// A number for a dialog field or list: at most 7 significant digits, "." and never an
// exponent ("12345680", "0.00001"); whole numbers as plain integers.
std::string FormatFieldSingle(float value);

// Plain decimal text (never an exponent) with at most `digits` significant digits.
std::string FormatPlainDecimal(double value, int digits);

// The value of the longest leading part of `text` that forms a decimal number: leading
// blanks skipped, optional sign, digits, at most one decimal point and an optional
// exponent ("E" or "e", optional sign, digits). "." is the decimal point; with
// `commaToo` a "," is one as well. No number gives 0. A value beyond the double range
// gives +-infinity, so callers can refuse it.
double LeadingNumber(std::string_view text, bool commaToo = false);

// Length of the leading number of `text` (after leading blanks), 0 when there is none.
size_t LeadingNumberLength(std::string_view text, bool commaToo = false);

// Rounds to the nearest whole number, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
double RoundHalfEven(double value);

// The count a text stands for as it is stored: its leading number rounded half to even
// ("1.4" -> 1, "1.5" -> 2). Checks on a count compare this, never the number before rounding.
double LeadingCount(std::string_view text);

// ASCII-only character tests, independent of the C locale.
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

}  // namespace curvanta
