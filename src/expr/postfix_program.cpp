// PostfixProgram: a postfix text compiled into a list of operations and its evaluation with
// the 30 functions, the domain messages and the arithmetic-fault checks. Every
// intermediate value is tested for finiteness, so that faults never depend on
// floating-point traps.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/engine_texts.h"
#include "expr/expression_parser.h"
#include "expr/function_table.h"
#include "expr/random_sequence.h"

namespace curvanta {

namespace {

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
  kEnd,  // closes every non-empty program
};

[[noreturn]] void Fault(ArithmeticFault fault) {
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

inline double Sgn(double a) { return a > 0 ? 1.0 : (a < 0 ? -1.0 : 0.0); }

const double kHalfPi = 2 * std::atan(1.0);  // 2·Atn(1)

// Shows an evaluation domain message.
void DomainMessage(const char* text) {
  curvanta::ShowMessage(text, t::kEvalTitle, curvanta::MsgIcon::Error);
}

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

inline bool IsSmallWhole(double exponent) {
  return exponent == std::floor(exponent) && std::fabs(exponent) <= 16;
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

// The inverse hyperbolic sine as the language defines it, Log(x + Sqr(x·x + 1)), taken for
// |x| so that large negative arguments do not cancel to Log(0).
double AsinhFormula(double x) {
  const double a = std::fabs(x);
  const double r = Lg(Chk(a + Sq(Chk(Chk(a * a) + 1))));
  return x < 0 ? -r : r;
}

// Log((Sgn(x)·Sqr(x·x + 1) + 1) / x), taken for |x| for the same reason (odd function).
double AcsechFormula(double x) {
  if (x == 0) Fault(ArithmeticFault::DivisionByZero);
  const double a = std::fabs(x);
  const double r = Lg(Dv(Chk(Sq(Chk(Chk(a * a) + 1)) + 1), a));
  return x < 0 ? -r : r;
}

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
      out = kHalfPi - std::atan(x);
      return true;
    case Function::SINH:
      out = Chk(Ex(x) - Ex(-x)) / 2;
      return true;
    case Function::COSH:
      out = Chk(Ex(x) + Ex(-x)) / 2;
      return true;
    case Function::TANH: {
      const double p = Ex(x), m = Ex(-x);
      out = Dv(Chk(p - m), Chk(p + m));
      return true;
    }
    case Function::CTANH: {
      const double p = Ex(x), m = Ex(-x);
      out = Dv(Chk(p + m), Chk(p - m));
      return true;
    }
    case Function::SECH:
      out = Dv(2, Chk(Ex(x) + Ex(-x)));
      return true;
    case Function::CSECH:
      out = Dv(2, Chk(Ex(x) - Ex(-x)));
      return true;
    case Function::ASINH:
      out = AsinhFormula(x);
      return true;
    case Function::ACOSH:
      out = Lg(Chk(x + Sq(Chk(Chk(x * x) - 1))));
      return true;
    case Function::ATANH:
      out = Lg(Dv(Chk(1 + x), Chk(1 - x))) / 2;
      return true;
    case Function::ASECH:
      out = Lg(Dv(Chk(Sq(Chk(Chk(-x * x) + 1)) + 1), x));
      return true;
    case Function::ACSECH:
      out = AcsechFormula(x);
      return true;
    case Function::ACTANH:
      out = Lg(Dv(Chk(x + 1), Chk(x - 1))) / 2;
      return true;
  }
  return false;
}

// Beyond this a double rounds to an infinite float.
const double kFloatOverflow = double(FLT_MAX) + std::ldexp(1.0, 103);

}  // namespace

PostfixProgram PostfixProgram::Compile(const std::string& postfix) {
  PostfixProgram p;
  int32_t depth = 0;
  auto add = [&p](uint8_t op, uint32_t arg = 0, double value = 0) {
    Instr in;
    in.op = op;
    in.arg = arg;
    in.value = value;
    p.code_.push_back(in);
  };
  auto raiseUnknown = [&](std::string_view token) {
    p.badTokens_.emplace_back(token);
    add(kRaiseUnknown, uint32_t(p.badTokens_.size() - 1));
  };
  size_t begin = 0;
  for (;;) {
    const size_t blank = postfix.find(' ', begin);
    if (blank == std::string::npos) break;  // text after the last blank is ignored
    const std::string_view token(postfix.data() + begin, blank - begin);
    begin = blank + 1;

    int popped = 0;  // operands the token takes
    const char c0 = token.empty() ? '\0' : token[0];
    if (c0 != '\0' && (curvanta::IsAsciiDigit(c0) || c0 == '.' || c0 == ',')) {
      std::string number(token);
      for (char& ch : number)
        if (ch == ',') ch = '.';
      const double value = curvanta::LeadingNumber(number);
      if (!std::isfinite(value)) {
        p.rowSafe_ = false;
        add(kRaiseOverflow);
        break;
      }
      add(kConst, 0, value);
    } else if (token.size() == 1 && (c0 == '+' || c0 == '-' || c0 == '*' || c0 == '/' ||
                                     c0 == '^')) {
      popped = 2;
      if (depth < 2) {
        p.rowSafe_ = false;
        add(kRaiseUnderflow);
        break;
      }
      add(c0 == '+' ? kAdd : c0 == '-' ? kSub : c0 == '*' ? kMul : c0 == '/' ? kDiv : kPow);
    } else if (const int f = curvanta::FunctionIndex(token); f >= 0) {
      popped = 1;
      if (depth < 1) {
        p.rowSafe_ = false;
        add(kRaiseUnderflow);
        break;
      }
      if (Function(f) == Function::RND) p.rowSafe_ = false;
      add(kFunc, uint32_t(f));
    } else if (token.size() == 2 && token[0] == token[1] &&
               curvanta::VariableIndex(token[0]) >= 0) {
      const int v = curvanta::VariableIndex(token[0]);
      p.usedVars_ |= 1u << v;
      add(kVar, uint32_t(v));
    } else if (token == "(-)") {
      popped = 1;
      if (depth < 1) {
        p.rowSafe_ = false;
        add(kRaiseUnderflow);
        break;
      }
      add(kNeg);
    } else {
      p.rowSafe_ = false;
      raiseUnknown(token);
      break;
    }
    depth = depth - popped + 1;
    if (depth > p.maxDepth_) p.maxDepth_ = depth;
  }
  p.Fuse();
  return p;
}

void PostfixProgram::Fuse() {
  if (code_.empty()) return;
  std::vector<Instr> fused;
  fused.reserve(code_.size());
  for (size_t i = 0; i < code_.size(); ++i) {
    const Instr& in = code_[i];
    if ((in.op == kConst || in.op == kVar) && i + 1 < code_.size()) {
      const uint8_t next = code_[i + 1].op;
      if (next >= kAdd && next <= kPow) {
        Instr f = in;
        const bool constant = in.op == kConst;
        switch (next) {
          case kAdd: f.op = constant ? kAddC : kAddV; break;
          case kSub: f.op = constant ? kSubC : kSubV; break;
          case kMul: f.op = constant ? kMulC : kMulV; break;
          case kDiv: f.op = constant ? kDivC : kDivV; break;
          default:
            if (constant && IsSmallWhole(in.value)) {
              f.op = kPowIntC;
              f.arg = uint32_t(int32_t(in.value));
            } else {
              f.op = constant ? kPowC : kPowV;
            }
            break;
        }
        fused.push_back(f);
        ++i;
        continue;
      }
    }
    fused.push_back(in);
  }
  fused.push_back(Instr{kEnd, 0, 0});
  code_.swap(fused);
}

bool PostfixProgram::UsesVariable(char upperLetter) const {
  const int v = curvanta::VariableIndex(upperLetter);
  return v >= 0 && (usedVars_ & (1u << v)) != 0;
}

bool PostfixProgram::Evaluate(bool bolDegree, float& sngResult, const VarValues& vars) const {
  if (code_.empty()) return false;
  // The top of the stack lives in `top`; the items below it in the array. The array gets
  // one spare slot because the first push stores the (meaningless) initial top.
  constexpr int32_t kLocalDepth = 64;
  double local[kLocalDepth];
  std::unique_ptr<double[]> heap;
  double* sp = local;
  if (maxDepth_ + 1 > kLocalDepth) {
    heap.reset(new double[size_t(maxDepth_) + 1]);
    sp = heap.get();
  }
  const float values[8] = {vars.U, vars.V, vars.X, vars.Y, vars.A, vars.R, vars.B, vars.T};
  double top = 0;

  // Threaded dispatch: every handler jumps straight to the next one, which the branch
  // predictor follows far better than one shared switch. The table follows enum Op.
  static const void* const kHandlers[] = {
      &&op_const, &&op_var,    &&op_add,   &&op_sub,   &&op_mul,     &&op_div,
      &&op_pow,   &&op_neg,    &&op_func,  &&op_raise_unknown, &&op_raise_underflow,
      &&op_raise_overflow,     &&op_add_c, &&op_sub_c, &&op_mul_c,   &&op_div_c,
      &&op_pow_c, &&op_pow_int_c, &&op_add_v, &&op_sub_v, &&op_mul_v, &&op_div_v,
      &&op_pow_v, &&op_end};
  static_assert(sizeof(kHandlers) / sizeof(kHandlers[0]) == kEnd + 1);
  const Instr* ip = code_.data();
#define CURVANTA_NEXT goto* kHandlers[(++ip)->op]
  goto* kHandlers[ip->op];

op_const:
  *sp++ = top;
  top = ip->value;
  CURVANTA_NEXT;
op_var:
  *sp++ = top;
  top = double(values[ip->arg]);
  CURVANTA_NEXT;
op_add:
  top = Chk(*--sp + top);
  CURVANTA_NEXT;
op_sub:
  top = Chk(*--sp - top);
  CURVANTA_NEXT;
op_mul:
  top = Chk(*--sp * top);
  CURVANTA_NEXT;
op_div:
  --sp;
  if (!Divide(*sp, top, top)) return false;
  CURVANTA_NEXT;
op_pow:
  --sp;
  top = Power(*sp, top);
  CURVANTA_NEXT;
op_neg:
  top = -top;
  CURVANTA_NEXT;
op_func:
  if (!Apply(Function(ip->arg), top, bolDegree, top)) return false;
  CURVANTA_NEXT;
op_add_c:
  top = Chk(top + ip->value);
  CURVANTA_NEXT;
op_sub_c:
  top = Chk(top - ip->value);
  CURVANTA_NEXT;
op_mul_c:
  top = Chk(top * ip->value);
  CURVANTA_NEXT;
op_div_c:
  if (!Divide(top, ip->value, top)) return false;
  CURVANTA_NEXT;
op_pow_c:
  top = Power(top, ip->value);
  CURVANTA_NEXT;
op_pow_int_c:
  top = IntPower(top, int32_t(ip->arg));
  CURVANTA_NEXT;
op_add_v:
  top = Chk(top + double(values[ip->arg]));
  CURVANTA_NEXT;
op_sub_v:
  top = Chk(top - double(values[ip->arg]));
  CURVANTA_NEXT;
op_mul_v:
  top = Chk(top * double(values[ip->arg]));
  CURVANTA_NEXT;
op_div_v:
  if (!Divide(top, double(values[ip->arg]), top)) return false;
  CURVANTA_NEXT;
op_pow_v:
  top = Power(top, double(values[ip->arg]));
  CURVANTA_NEXT;
op_raise_unknown:
  throw curvanta::EngineError(curvanta::kErrUnknownToken,
                              std::string(t::kUnknownTokenPrefix) + badTokens_[ip->arg]);
op_raise_underflow:
  throw curvanta::EngineError(curvanta::kErrPopEmpty, t::kPopEmpty);
op_raise_overflow:
  Fault(ArithmeticFault::Overflow);
op_end:
#undef CURVANTA_NEXT
  if (!(std::fabs(top) < kFloatOverflow)) Fault(ArithmeticFault::Overflow);
  sngResult = float(top);
  return true;
}

namespace {

// Row evaluation: every check of the point-at-a-time path is kept; where a point would
// fault or show a message the row gives up (returns false) and is evaluated point by point.
inline bool AllFinite(const double* a, size_t n) {
  bool ok = true;
  for (size_t i = 0; i < n; ++i) ok &= std::fabs(a[i]) <= DBL_MAX;
  return ok;
}

}  // namespace

bool PostfixProgram::EvaluateRow(bool bolDegree, const VarValues& base, char rowVariable,
                                 const float* rowValues, size_t n, float* out) const {
  if (code_.empty() || !rowSafe_ || n == 0) return false;
  const int rowVar = curvanta::VariableIndex(rowVariable);
  if (rowVar < 0) return false;
  if (code_.size() == 2 && code_[0].op == kVar) {
    // A lone variable (the "x" and "y" of explicit surfaces): its float values as they are.
    if (int(code_[0].arg) == rowVar) {
      std::copy(rowValues, rowValues + n, out);
    } else {
      const float fixed[8] = {base.U, base.V, base.X, base.Y, base.A, base.R, base.B, base.T};
      const float value = fixed[code_[0].arg];
      if (!(std::fabs(double(value)) < kFloatOverflow)) return false;
      std::fill(out, out + n, value);
    }
    return true;
  }
  // Blocks of a few hundred points keep the stack rows in the cache and bound the scratch.
  constexpr size_t kBlock = 256;
  for (size_t first = 0; first < n; first += kBlock) {
    const size_t count = n - first < kBlock ? n - first : kBlock;
    if (!EvaluateBlock(bolDegree, base, rowVar, rowValues + first, count, out + first))
      return false;
  }
  return true;
}

bool PostfixProgram::EvaluateBlock(bool bolDegree, const VarValues& base, int rowVar,
                                   const float* rowValues, size_t n, float* out) const {
  const float fixed[8] = {base.U, base.V, base.X, base.Y, base.A, base.R, base.B, base.T};

  // The stack: item k is row k of the scratch. An item that does not depend on the row
  // variable is "uniform": its one value sits in slot 0 and is computed once per block.
  thread_local std::vector<double> scratch;
  thread_local std::vector<unsigned char> uniformFlags;
  const size_t depth = size_t(maxDepth_) + 1;
  if (scratch.size() < depth * n) scratch.resize(depth * n);
  if (uniformFlags.size() < depth) uniformFlags.resize(depth);
  double* const stack = scratch.data();
  unsigned char* const uniform = uniformFlags.data();
  size_t sp = 0;  // items on the stack
  auto item = [&](size_t k) { return stack + k * n; };
  // Spreads a uniform item over the whole row.
  auto spread = [&](size_t k) {
    if (!uniform[k]) return;
    double* d = item(k);
    const double value = d[0];
    for (size_t i = 1; i < n; ++i) d[i] = value;
    uniform[k] = 0;
  };
  auto pushUniform = [&](double value) {
    item(sp)[0] = value;
    uniform[sp++] = 1;
  };
  // The divisor that "/" uses: a zero divisor is either an error (give up) or 0.00001.
  auto divisor = [](double d, bool& ok) {
    if (d == 0) {
      ok = !DivZeroIsError;
      return 0.00001;
    }
    return d;
  };
  // One binary operation on single values, with the point path's checks.
  auto binary = [&](uint8_t op, double a, double b, bool& ok) {
    double r = 0;
    switch (op) {
      case kAdd: r = a + b; break;
      case kSub: r = a - b; break;
      case kMul: r = a * b; break;
      case kDiv: r = a / divisor(b, ok); break;
      default: r = Power(a, b); break;
    }
    ok = ok && std::fabs(r) <= DBL_MAX;
    return r;
  };

  try {
    for (const Instr& in : code_) {
      const size_t t = sp - 1;  // the top item (meaningless on an empty stack)
      switch (in.op) {
        case kConst:
          pushUniform(in.value);
          break;
        case kVar:
          if (int(in.arg) == rowVar) {
            double* d = item(sp);
            for (size_t i = 0; i < n; ++i) d[i] = double(rowValues[i]);
            uniform[sp++] = 0;
          } else {
            pushUniform(double(fixed[in.arg]));
          }
          break;
        case kAdd: case kSub: case kMul: case kDiv: case kPow: {
          const size_t ka = sp - 2, kb = sp - 1;
          --sp;
          double* a = item(ka);
          const double* b = item(kb);
          bool ok = true;
          if (uniform[ka] && uniform[kb]) {
            a[0] = binary(in.op, a[0], b[0], ok);
            if (!ok) return false;
            break;
          }
          spread(ka);
          spread(kb);
          switch (in.op) {
            case kAdd: for (size_t i = 0; i < n; ++i) a[i] = a[i] + b[i]; break;
            case kSub: for (size_t i = 0; i < n; ++i) a[i] = a[i] - b[i]; break;
            case kMul: for (size_t i = 0; i < n; ++i) a[i] = a[i] * b[i]; break;
            default:
              for (size_t i = 0; i < n && ok; ++i) a[i] = binary(in.op, a[i], b[i], ok);
              break;
          }
          if (!ok || !AllFinite(a, n)) return false;
          break;
        }
        case kNeg: {
          double* d = item(t);
          const size_t count = uniform[t] ? 1 : n;
          for (size_t i = 0; i < count; ++i) d[i] = -d[i];
          break;
        }
        case kFunc: {
          const Function f = Function(in.arg);
          double* d = item(t);
          const size_t count = uniform[t] ? 1 : n;
          if (f == Function::LOG || f == Function::SQR) {
            // The two functions whose domain is a message box.
            for (size_t i = 0; i < count; ++i)
              if (f == Function::LOG ? !(d[i] > 0) : !(d[i] >= 0)) return false;
          }
          for (size_t i = 0; i < count; ++i)
            if (!Apply(f, d[i], bolDegree, d[i])) return false;
          break;
        }
        case kAddC: case kSubC: case kMulC: case kDivC: case kPowC: case kPowIntC:
        case kAddV: case kSubV: case kMulV: case kDivV: case kPowV: {
          // The right operand is a constant or a variable; the left one is the top.
          const bool rowOperand = in.op >= kAddV && int(in.arg) == rowVar;
          if (rowOperand) spread(t);
          double* d = item(t);
          const size_t count = uniform[t] ? 1 : n;
          const uint8_t op = in.op >= kAddV ? uint8_t(kAdd + (in.op - kAddV))
                             : in.op == kPowIntC ? uint8_t(kPow)
                                                 : uint8_t(kAdd + (in.op - kAddC));
          const double c = in.op >= kAddV ? double(fixed[in.arg]) : in.value;
          bool ok = true;
          if (rowOperand) {
            const float* r = rowValues;
            if (op == kAdd) {
              for (size_t i = 0; i < n; ++i) d[i] = d[i] + double(r[i]);
            } else if (op == kSub) {
              for (size_t i = 0; i < n; ++i) d[i] = d[i] - double(r[i]);
            } else if (op == kMul) {
              for (size_t i = 0; i < n; ++i) d[i] = d[i] * double(r[i]);
            } else {
              for (size_t i = 0; i < n && ok; ++i) d[i] = binary(op, d[i], double(r[i]), ok);
            }
          } else if (in.op == kPowIntC) {
            for (size_t i = 0; i < count; ++i) d[i] = IntPower(d[i], int32_t(in.arg));
          } else if (op == kAdd) {
            for (size_t i = 0; i < count; ++i) d[i] = d[i] + c;
          } else if (op == kSub) {
            for (size_t i = 0; i < count; ++i) d[i] = d[i] - c;
          } else if (op == kMul) {
            for (size_t i = 0; i < count; ++i) d[i] = d[i] * c;
          } else {
            for (size_t i = 0; i < count && ok; ++i) d[i] = binary(op, d[i], c, ok);
          }
          if (!ok || !AllFinite(d, uniform[t] ? 1 : n)) return false;
          break;
        }
        case kEnd: {
          const double* d = item(t);
          if (uniform[t]) {
            if (!(std::fabs(d[0]) < kFloatOverflow)) return false;
            const float value = float(d[0]);
            for (size_t i = 0; i < n; ++i) out[i] = value;
            return true;
          }
          for (size_t i = 0; i < n; ++i)
            if (!(std::fabs(d[i]) < kFloatOverflow)) return false;
          for (size_t i = 0; i < n; ++i) out[i] = float(d[i]);
          return true;
        }
        default:
          return false;  // raising tokens: the point path raises them
      }
    }
  } catch (const ArithmeticError&) {
    return false;
  }
  return false;
}

}  // namespace curvanta
