// The calculator's behaviour without widgets: editing the expression at the caret and the
// computation. Texts and positions are UTF-16, as the text box holds them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace curvanta::calculator {

inline constexpr char kTitle[] = "数学计算器";

// An edited expression and where its caret ends.
struct Edit {
  std::u16string text;
  int32_t caret = 0;
  bool operator==(const Edit&) const = default;
};

// The text with s inserted at the caret (the number of characters before it); the caret
// ends right after s. A caret outside the text is taken to its nearer end.
Edit InsertAtCaret(const std::u16string& text, int32_t caret, const std::u16string& s);

// The text without the character before the caret, the caret one back. At the start
// nothing changes.
Edit Backspace(const std::u16string& text, int32_t caret);

// What a computation leaves in the two boxes.
struct Outcome {
  std::u16string text1;  // the expression box: the cleaned text once the filter passed
  std::u16string text2;  // the result box: empty unless a value was computed
};

// Computes the expression in degree mode with U = V = 1 and the other variables 0.
// DivZeroIsError is True during the computation and False again on every way out. A
// character outside the language shows "存在不合法的表达式或数值" (title "出错", error icon);
// syntax and domain errors show the engine's own boxes; arithmetic faults end silently.
// onCleaned, when given, receives the cleaned text before it is converted.
Outcome Compute(const std::u16string& text1,
                const std::function<void(const std::u16string&)>& onCleaned = nullptr);

// The function templates of the list, in order.
const std::vector<std::u16string>& Templates();

}  // namespace curvanta::calculator
