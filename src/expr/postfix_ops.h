// The operations of a compiled postfix program and the arithmetic they share: the 30
// functions with their domain messages (the hyperbolic ones in function_forms.cpp), powers,
// "/" with its zero-divisor rule and the finiteness checks that turn overflow into faults.
// Used by the point, row and shaping code.
#pragma once

#include <cfloat>
#include <cmath>
#include <csetjmp>
#include <cstdint>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "expr/engine_texts.h"
#include "expr/function_forms.h"
#include "expr/function_table.h"
#include "expr/random_sequence.h"

namespace curvanta::postfix {

namespace t = curvanta::texts;

enum Op : uint8_t {
  kConst,
  kVar,
  kAdd,
  kSub,
  kMul,
  kDiv,
  kPow,
  kNeg,
  kFunc,
  kRaiseUnknown,    // an unrecognised token: arg indexes the token text
  kRaiseUnderflow,  // a pop from the empty stack
  kRaiseOverflow,   // a number token beyond the range of a double
  // Fused forms of a constant or variable token followed by a binary operator (the right
  // operand comes from the instruction instead of the stack); same checks, same order.
  kAddC,
  kSubC,
  kMulC,
  kDivC,
  kPowC,
  kPowIntC,  // a whole constant exponent of at most 16 in magnitude
  kAddV,
  kSubV,
  kMulV,
  kDivV,
  kPowV,
  // Shapes of the point program only (never in the row code).
  kRSubC,     // constant - top
  kRDivC,     // constant / top
  kRPowC,     // constant ^ top
  kRSubV,     // variable - top
  kRDivV,     // variable / top
  kRPowV,     // variable ^ top
  kFuncV,     // push func(variable)
  kNegV,      // push -variable
  kVarPowInt, // push variable ^ power, a whole power of at most 16 in magnitude
  kVarAddV,   // push variable arg + variable aux
  kVarSubV,   // push variable arg - variable aux
  kVarMulV,   // push variable arg * variable aux
  // The most used functions as operations of their own: of the top, or of a variable pushed.
  kSin,
  kCos,
  kExp,
  kSqr,
  kAbs,
  kSinV,
  kCosV,
  kExpV,
  kSqrV,
  kEnd,  // closes every non-empty program
};

[[noreturn]] inline void RaiseFault(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::Overflow:
      throw ArithmeticError(fault, t::kFaultOverflow);
    case ArithmeticFault::InvalidOperation:
      throw ArithmeticError(fault, t::kFaultInvalidOperation);
    case ArithmeticFault::DivisionByZero:
      throw ArithmeticError(fault, t::kFaultDivisionByZero);
    case ArithmeticFault::InvalidPower:
      break;
  }
  throw ArithmeticError(fault, t::kFaultInvalidPower);
}

// Where a quiet evaluation (PostfixProgram::EvaluateQuietly) ends at a fault; none outside.
inline thread_local std::jmp_buf* tQuietStop = nullptr;

// Raises the fault; in a quiet evaluation (PostfixProgram::EvaluateQuietly) it ends the
// evaluation without an exception. Out of line: the evaluation loops keep only a call on
// their rare paths.
[[noreturn, gnu::cold, gnu::noinline]] void Fault(ArithmeticFault fault);

// A value computed from finite operands that is not finite has overflowed.
inline double Chk(double v) {
  if (!std::isfinite(v)) [[unlikely]]
    Fault(ArithmeticFault::Overflow);
  return v;
}

// Division inside a function formula: a zero divisor is a fault.
inline double Dv(double a, double b) {
  if (b == 0) [[unlikely]]
    Fault(ArithmeticFault::DivisionByZero);
  return Chk(a / b);
}

inline double Sq(double a) {
  if (a < 0) [[unlikely]]
    Fault(ArithmeticFault::InvalidOperation);
  return std::sqrt(a);
}

inline double Lg(double a) {
  if (!(a > 0)) [[unlikely]]
    Fault(ArithmeticFault::InvalidOperation);
  return std::log(a);
}

inline double Ex(double a) { return Chk(std::exp(a)); }

inline const double kHalfPi = 2 * std::atan(1.0);  // 2·Atn(1)

// Shows an evaluation domain message.
[[gnu::cold, gnu::noinline]] void DomainMessage(const char* text);

// base to the whole power n, |n| <= 16, by repeated squaring: as exact as the power
// function for a 32-bit result and much faster on the sampling path.
[[gnu::always_inline]] inline double IntPower(double base, int n) {
  if (n == 2) return Chk(base * base);
  if (base == 0 && n < 0) [[unlikely]]
    Fault(ArithmeticFault::DivisionByZero);
  unsigned k = unsigned(n < 0 ? -n : n);
  double result = 1, b = base;
  while (k) {
    if (k & 1u) result *= b;
    k >>= 1;
    if (k) b *= b;
  }
  if (n >= 0) return Chk(result);
  // |base|^|n| beyond the range of a double (or below it): its reciprocal is the other
  // way round, so 0 or a true overflow, as the power function gives it.
  if (!std::isfinite(result) || result == 0) [[unlikely]]
    return Chk(std::pow(base, double(n)));
  return Dv(1, result);
}

// The largest magnitude of a whole constant exponent taken by IntPower (kPowIntC, kVarPowInt).
inline constexpr int kMaxWholePower = 16;

inline bool IsSmallWhole(double exponent) {
  return exponent == std::floor(exponent) && std::fabs(exponent) <= kMaxWholePower;
}

[[gnu::always_inline]] inline double Power(double base, double exponent) {
  if (IsSmallWhole(exponent)) return IntPower(base, int(exponent));
  if (base < 0 && exponent != std::floor(exponent)) [[unlikely]]
    Fault(ArithmeticFault::InvalidPower);
  if (base == 0 && exponent < 0) [[unlikely]]
    Fault(ArithmeticFault::DivisionByZero);
  return Chk(std::pow(base, exponent));
}

// "/" with the zero-divisor rule: false after the message box when zero is an error.
inline bool Divide(double left, double right, double& out) {
  if (right == 0) [[unlikely]] {
    if (DivZeroIsError) {
      DomainMessage(t::kDivisionByZero);
      return false;
    }
    right = 0.00001;
  }
  out = Chk(left / right);
  return true;
}

// Degree mode converts the operand with 3.1416, multiplication first.
inline double ToRadians(double x) { return Chk(x * 3.1416) / 180; }

// Applies function f to x. False after a domain message box; raises on faults. Inlined
// into both evaluators, as the point evaluator had it before rows came.
[[gnu::always_inline]] inline bool Apply(Function f, double x, bool degree, double& out) {
  switch (f) {
    case Function::SIN:
      if (degree) x = ToRadians(x);
      out = std::sin(x);
      return true;
    case Function::COS:
      if (degree) x = ToRadians(x);
      out = std::cos(x);
      return true;
    case Function::LOG:
      if (x <= 0) {
        DomainMessage(t::kLogDomain);
        return false;
      }
      out = std::log(x);
      return true;
    case Function::EXP:
      out = Ex(x);
      return true;
    case Function::ABS:
      out = std::fabs(x);
      return true;
    case Function::ATN:
      out = std::atan(x);
      return true;
    case Function::INT:
      out = std::floor(x);
      return true;
    case Function::RND:
      out = double(curvanta::NextRandomSingle());
      return true;
    case Function::SQR:
      if (x < 0) {
        DomainMessage(t::kSqrDomain);
        return false;
      }
      out = std::sqrt(x);
      return true;
    case Function::TAN:
      if (degree) x = ToRadians(x);
      out = Chk(std::tan(x));
      return true;
    case Function::SEC:
      if (degree) x = ToRadians(x);
      out = Dv(1, std::cos(x));
      return true;
    case Function::CSEC:
      if (degree) x = ToRadians(x);
      out = Dv(1, std::sin(x));
      return true;
    case Function::CTAN:
      if (degree) x = ToRadians(x);
      out = Dv(1, Chk(std::tan(x)));
      return true;
    case Function::ASIN:
      if (x == 1 || x == -1) {
        out = x * kHalfPi;
        return true;
      }
      out = std::atan(Dv(x, Sq(Chk(Chk(-x * x) + 1))));
      return true;
    case Function::ACOS:
      if (x == 1) {
        out = 0;
        return true;
      }
      if (x == -1) {
        out = 4 * std::atan(1.0);
        return true;
      }
      out = std::atan(Dv(-x, Sq(Chk(Chk(-x * x) + 1)))) + kHalfPi;
      return true;
    case Function::ASEC:
      if (!(std::fabs(x) >= 1)) Fault(ArithmeticFault::InvalidOperation);
      out = std::acos(1 / x);
      return true;
    case Function::ACSEC:
      if (!(std::fabs(x) >= 1)) Fault(ArithmeticFault::InvalidOperation);
      out = std::asin(1 / x);
      return true;
    case Function::ACTAN:
      out = ArcCotangent(x);
      return true;
    case Function::SINH:
      out = HyperbolicSine(x);
      return true;
    case Function::COSH:
      out = HyperbolicCosine(x);
      return true;
    case Function::TANH:
      out = HyperbolicTangent(x);
      return true;
    case Function::CTANH:
      out = HyperbolicCotangent(x);
      return true;
    case Function::SECH:
      out = HyperbolicSecant(x);
      return true;
    case Function::CSECH:
      out = HyperbolicCosecant(x);
      return true;
    case Function::ASINH:
      out = InverseHyperbolicSine(x);
      return true;
    case Function::ACOSH:
      out = InverseHyperbolicCosine(x);
      return true;
    case Function::ATANH:
      out = InverseHyperbolicTangent(x);
      return true;
    case Function::ASECH:
      out = InverseHyperbolicSecant(x);
      return true;
    case Function::ACSECH:
      out = InverseHyperbolicCosecant(x);
      return true;
    case Function::ACTANH:
      out = InverseHyperbolicCotangent(x);
      return true;
  }
  return false;
}

// Beyond this a double rounds to an infinite float.
inline const double kFloatOverflow = double(FLT_MAX) + std::ldexp(1.0, 103);

}  // namespace curvanta::postfix
