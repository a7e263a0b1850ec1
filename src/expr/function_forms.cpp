// The hyperbolic functions, their inverses and the arc cotangent in forms that keep every
// digit: the library's own functions, exp(-|x|) and expm1 in place of e^x - e^-x, log1p near
// 1, and the parity of odd functions. Outside its domain an inverse function raises the fault
// its formula as written raises there.
#include "expr/function_forms.h"

#include <cmath>

#include "expr/postfix_ops.h"

namespace curvanta::postfix {

namespace {

double WithSignOf(double x, double magnitude) { return x < 0 ? -magnitude : magnitude; }

// The formulas as written, used only outside the domain, where each faults: x·x overflows,
// a divisor is 0, or the logarithm's operand is not above 0.
[[noreturn]] void OutsideDomain(double faultingValue) {
  (void)faultingValue;  // computed for its fault
  Fault(ArithmeticFault::InvalidOperation);
}

[[noreturn]] void AcoshOutside(double x) {
  OutsideDomain(Lg(Chk(x + Sq(Chk(Chk(x * x) - 1)))));
}

[[noreturn]] void AtanhOutside(double x) { OutsideDomain(Lg(Dv(Chk(1 + x), Chk(1 - x)))); }

[[noreturn]] void AsechOutside(double x) {
  OutsideDomain(Lg(Dv(Chk(Sq(Chk(Chk(-x * x) + 1)) + 1), x)));
}

[[noreturn]] void ActanhOutside(double x) { OutsideDomain(Lg(Dv(Chk(x + 1), Chk(x - 1)))); }

}  // namespace

double ArcCotangent(double x) {
  // π/2 - atan(x) cancels for large x; there it is atan(1/x).
  return x > 1 ? std::atan(1 / x) : kHalfPi - std::atan(x);
}

double HyperbolicSine(double x) { return Chk(std::sinh(x)); }

double HyperbolicCosine(double x) { return Chk(std::cosh(x)); }

double HyperbolicTangent(double x) { return std::tanh(x); }

// tanh(x) is 0 only at x = 0.
double HyperbolicCotangent(double x) { return Dv(1, std::tanh(x)); }

// 2·e^-|x| / (1 + e^-2|x|): 0 where e^|x| would overflow.
double HyperbolicSecant(double x) {
  const double e = std::exp(-std::fabs(x));
  return 2 * e / (1 + e * e);
}

// 2·e^-|x| / (1 - e^-2|x|), odd; the divisor by expm1 keeps its digits for small x and is 0
// only at x = 0.
double HyperbolicCosecant(double x) {
  const double a = std::fabs(x);
  return WithSignOf(x, Dv(2 * std::exp(-a), -std::expm1(-2 * a)));
}

double InverseHyperbolicSine(double x) { return std::asinh(x); }

double InverseHyperbolicCosine(double x) {
  if (!(x >= 1)) AcoshOutside(x);
  return std::acosh(x);
}

double InverseHyperbolicTangent(double x) {
  if (!(std::fabs(x) < 1)) AtanhOutside(x);
  return std::atanh(x);
}

// ln((1 + √(1-x²)) / x) on 0 < x <= 1, with 1 - x² as (1-x)(1+x): as ln(1 + √(1-x²)) - ln(x)
// for small x (no overflow), as log1p((1 - x + √(1-x²)) / x) near 1 (no cancellation).
double InverseHyperbolicSecant(double x) {
  if (!(x > 0 && x <= 1)) AsechOutside(x);
  const double root = std::sqrt((1 - x) * (1 + x));
  if (x <= 0.5) return std::log1p(root) - std::log(x);
  return std::log1p((1 - x + root) / x);
}

// asinh(1/x), odd: ln(1 + √(1+x²)) - ln(|x|) up to |x| = 1, where 1/x may overflow.
double InverseHyperbolicCosecant(double x) {
  if (x == 0) Fault(ArithmeticFault::DivisionByZero);
  const double a = std::fabs(x);
  if (a <= 1) return WithSignOf(x, std::log1p(std::sqrt(1 + a * a)) - std::log(a));
  return WithSignOf(x, std::asinh(1 / a));
}

// ln((x+1)/(x-1)) / 2 for |x| > 1, odd, as log1p(2/(|x|-1)) / 2.
double InverseHyperbolicCotangent(double x) {
  if (!(std::fabs(x) > 1)) ActanhOutside(x);
  return WithSignOf(x, std::log1p(2 / (std::fabs(x) - 1)) / 2);
}

}  // namespace curvanta::postfix
