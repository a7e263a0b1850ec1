// The reference evaluator: a stack of doubles, one token at a time, every rule written out in
// the simplest form (the same formulas, checks and messages the language defines; the
// hyperbolic functions and their inverses by the engine's shared forms).
#include "reference_evaluator.h"

#include <cfloat>
#include <cmath>
#include <string_view>
#include <vector>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/engine_texts.h"
#include "expr/function_forms.h"
#include "expr/function_table.h"
#include "expr/random_sequence.h"

namespace curvanta {

namespace {

namespace t = curvanta::texts;

[[noreturn]] void Fault(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::Overflow: throw ArithmeticError(fault, t::kFaultOverflow);
    case ArithmeticFault::InvalidOperation: throw ArithmeticError(fault, t::kFaultInvalidOperation);
    case ArithmeticFault::DivisionByZero: throw ArithmeticError(fault, t::kFaultDivisionByZero);
    case ArithmeticFault::InvalidPower: break;
  }
  throw ArithmeticError(fault, t::kFaultInvalidPower);
}

double Chk(double v) {
  if (!std::isfinite(v)) Fault(ArithmeticFault::Overflow);
  return v;
}
double Dv(double a, double b) {
  if (b == 0) Fault(ArithmeticFault::DivisionByZero);
  return Chk(a / b);
}
double Sq(double a) {
  if (a < 0) Fault(ArithmeticFault::InvalidOperation);
  return std::sqrt(a);
}
double Ex(double a) { return Chk(std::exp(a)); }

const double kHalfPi = 2 * std::atan(1.0);

// Whole exponents up to 16 in magnitude go by repeated squaring.
double WholePower(double base, int n) {
  if (n == 2) return Chk(base * base);
  if (base == 0 && n < 0) Fault(ArithmeticFault::DivisionByZero);
  unsigned k = unsigned(n < 0 ? -n : n);
  double result = 1, b = base;
  while (k) {
    if (k & 1u) result *= b;
    k >>= 1;
    if (k) b *= b;
  }
  if (n >= 0) return Chk(result);
  if (!std::isfinite(result) || result == 0) return Chk(std::pow(base, double(n)));
  return Dv(1, result);
}

double Power(double base, double exponent) {
  if (exponent == std::floor(exponent) && std::fabs(exponent) <= 16)
    return WholePower(base, int(exponent));
  if (base < 0 && exponent != std::floor(exponent)) Fault(ArithmeticFault::InvalidPower);
  if (base == 0 && exponent < 0) Fault(ArithmeticFault::DivisionByZero);
  return Chk(std::pow(base, exponent));
}

void DomainMessage(const char* text) { ShowMessage(text, t::kEvalTitle, MsgIcon::Error); }

double Radians(double x) { return Chk(x * 3.1416) / 180; }

// One function; false after its domain message.
bool Apply(Function f, double x, bool degree, double& out) {
  const bool trig = f == Function::SIN || f == Function::COS || f == Function::TAN ||
                    f == Function::SEC || f == Function::CSEC || f == Function::CTAN;
  if (trig && degree) x = Radians(x);
  switch (f) {
    case Function::SIN: out = std::sin(x); break;
    case Function::COS: out = std::cos(x); break;
    case Function::LOG:
      if (x <= 0) {
        DomainMessage(t::kLogDomain);
        return false;
      }
      out = std::log(x);
      break;
    case Function::EXP: out = Ex(x); break;
    case Function::ABS: out = std::fabs(x); break;
    case Function::ATN: out = std::atan(x); break;
    case Function::INT: out = std::floor(x); break;
    case Function::RND: out = double(NextRandomSingle()); break;
    case Function::SQR:
      if (x < 0) {
        DomainMessage(t::kSqrDomain);
        return false;
      }
      out = std::sqrt(x);
      break;
    case Function::TAN: out = Chk(std::tan(x)); break;
    case Function::SEC: out = Dv(1, std::cos(x)); break;
    case Function::CSEC: out = Dv(1, std::sin(x)); break;
    case Function::CTAN: out = Dv(1, Chk(std::tan(x))); break;
    case Function::ASIN:
      out = (x == 1 || x == -1) ? x * kHalfPi : std::atan(Dv(x, Sq(Chk(Chk(-x * x) + 1))));
      break;
    case Function::ACOS:
      if (x == 1) out = 0;
      else if (x == -1) out = 4 * std::atan(1.0);
      else out = std::atan(Dv(-x, Sq(Chk(Chk(-x * x) + 1)))) + kHalfPi;
      break;
    case Function::ASEC:
      if (!(std::fabs(x) >= 1)) Fault(ArithmeticFault::InvalidOperation);
      out = std::acos(1 / x);
      break;
    case Function::ACSEC:
      if (!(std::fabs(x) >= 1)) Fault(ArithmeticFault::InvalidOperation);
      out = std::asin(1 / x);
      break;
    // The functions whose formulas as written overflow or cancel: the engine's own forms,
    // which the accuracy test holds to long double mathematics.
    case Function::ACTAN: out = postfix::ArcCotangent(x); break;
    case Function::SINH: out = postfix::HyperbolicSine(x); break;
    case Function::COSH: out = postfix::HyperbolicCosine(x); break;
    case Function::TANH: out = postfix::HyperbolicTangent(x); break;
    case Function::CTANH: out = postfix::HyperbolicCotangent(x); break;
    case Function::SECH: out = postfix::HyperbolicSecant(x); break;
    case Function::CSECH: out = postfix::HyperbolicCosecant(x); break;
    case Function::ASINH: out = postfix::InverseHyperbolicSine(x); break;
    case Function::ACOSH: out = postfix::InverseHyperbolicCosine(x); break;
    case Function::ATANH: out = postfix::InverseHyperbolicTangent(x); break;
    case Function::ASECH: out = postfix::InverseHyperbolicSecant(x); break;
    case Function::ACSECH: out = postfix::InverseHyperbolicCosecant(x); break;
    case Function::ACTANH: out = postfix::InverseHyperbolicCotangent(x); break;
  }
  return true;
}

}  // namespace

bool ReferenceEvaluate(const std::string& postfix, bool degree, float& result,
                       const VarValues& vars) {
  const float values[8] = {vars.U, vars.V, vars.X, vars.Y, vars.A, vars.R, vars.B, vars.T};
  std::vector<double> stack;
  auto pop = [&stack] {
    if (stack.empty()) throw EngineError(kErrPopEmpty, t::kPopEmpty);
    const double v = stack.back();
    stack.pop_back();
    return v;
  };
  bool anyToken = false;
  size_t begin = 0;
  for (;;) {
    const size_t blank = postfix.find(' ', begin);
    if (blank == std::string::npos) break;  // text after the last blank is not read
    const std::string_view token(postfix.data() + begin, blank - begin);
    begin = blank + 1;
    anyToken = true;
    const char c0 = token.empty() ? '\0' : token[0];
    if (c0 != '\0' && (IsAsciiDigit(c0) || c0 == '.' || c0 == ',')) {
      std::string number(token);
      for (char& ch : number)
        if (ch == ',') ch = '.';
      const double value = LeadingNumber(number);
      if (!std::isfinite(value)) Fault(ArithmeticFault::Overflow);
      stack.push_back(value);
    } else if (token.size() == 1 && std::string_view("+-*/^").find(c0) != std::string_view::npos) {
      if (stack.size() < 2) throw EngineError(kErrPopEmpty, t::kPopEmpty);
      const double right = pop(), left = pop();
      double r = 0;
      switch (c0) {
        case '+': r = Chk(left + right); break;
        case '-': r = Chk(left - right); break;
        case '*': r = Chk(left * right); break;
        case '/': {
          double divisor = right;
          if (divisor == 0) {
            if (DivZeroIsError) {
              DomainMessage(t::kDivisionByZero);
              return false;
            }
            divisor = 0.00001;
          }
          r = Chk(left / divisor);
          break;
        }
        default: r = Power(left, right); break;
      }
      stack.push_back(r);
    } else if (const int f = FunctionIndex(token); f >= 0) {
      double x = pop();
      if (!Apply(Function(f), x, degree, x)) return false;
      stack.push_back(x);
    } else if (token.size() == 2 && token[0] == token[1] && VariableIndex(token[0]) >= 0) {
      stack.push_back(double(values[VariableIndex(token[0])]));
    } else if (token == "(-)") {
      stack.push_back(-pop());
    } else {
      throw EngineError(kErrUnknownToken, std::string(t::kUnknownTokenPrefix) + std::string(token));
    }
  }
  if (!anyToken) return false;
  const double top = stack.back();
  if (!(std::fabs(top) < double(FLT_MAX) + std::ldexp(1.0, 103))) Fault(ArithmeticFault::Overflow);
  result = float(top);
  return true;
}

}  // namespace curvanta
