// The character filters between typed text and the expression language: a decimal comma
// becomes a point and blanks are dropped; characters only, no syntax.
#pragma once

#include <string>

namespace curvanta {

// Number fields: "-", digits and "." (plus blanks and commas). True also for an empty text;
// `cleaned` receives the filtered text (on False, what was built before the bad character).
bool CheckNumberText(const std::string& text, std::string& cleaned);

// Expression fields: "-", digits, ".", "+*/^()" and ASCII letters (plus blanks and commas).
// False for the empty text; True with an empty `cleaned` for a text of blanks only.
bool CheckExpressionText(const std::string& text, std::string& cleaned);

// The text filtered as an expression, or "" when it holds a character outside the set.
std::string CleanExpressionText(const std::string& text);

// The text up to, not including, its first NUL character.
std::string TrimAtNull(const std::string& text);

}  // namespace curvanta
