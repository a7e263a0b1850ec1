// Numerical integration of one-variable expressions by the trapezoid rule with halved
// steps, used for the arc lengths of plane curves.
#pragma once

#include <cstdint>
#include <string>

namespace curvanta {

// Integrand kinds: which variable the integrand's x binds.
namespace IntegrandKind {
inline constexpr int32_t X = 1;  // Cartesian curve y = f(x)
inline constexpr int32_t A = 2;  // polar curve r = f(a)
inline constexpr int32_t U = 3;  // parametric curve in u
}  // namespace IntegrandKind

// The integrand's value at x: converted and evaluated in radians with X = x (kind 1),
// A = x (kind 2) or U = x (kind 3), every other variable 0. Gives the failed value 0 when
// the conversion fails (after its syntax box), the kind is none of these, the evaluation
// returns False (after its box) or raises an arithmetic fault (no message); *failed, when
// given, then becomes true and is left alone otherwise.
float EvalAt(const std::string& sExpression, float x, int32_t kind, bool* failed = nullptr);

// The integral of the integrand from a to b (signed when b < a): trapezoid estimates with
// the step halved on each pass until two successive estimates differ by less than eps, at
// most 15 passes; the last estimate is returned. A tolerance that is no number gives 0.
// Within one integration a repeated message box is shown once. *anyFailed, when given,
// tells whether any value failed as in EvalAt or the result is not a finite number.
float IntegrateTrapezoid(float a, float b, float eps, const std::string& sExpression, int32_t kind,
                         bool* anyFailed = nullptr);

}  // namespace curvanta
