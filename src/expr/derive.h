// Symbolic differentiation of a derivative token list.
#pragma once

#include <cstddef>

#include "expr/polish_list.h"

namespace curvanta {

// Longest derivative text the chain forms, in characters.
inline constexpr size_t kMaxDerivativeTextLength = 1000000;

// The derivative of the expression that ends with the list's last token, with respect to
// its variable (x, y, a, r and u all derive to 1; t, b, v and numbers to 0), by the rule of
// that last token, without simplification. The argument is not changed. An empty list, a
// list whose last token has no rule, or one that holds no complete expression gives the
// list "0". When the derivative's tokens would together exceed maxChars characters (so
// that its text would too), nothing is formed and the result is an empty list.
// Uses no recursion: any depth of nesting is safe.
PolishList Derive(const PolishList& list, size_t maxChars = kMaxDerivativeTextLength);

}  // namespace curvanta
