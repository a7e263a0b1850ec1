// Row evaluation of a compiled program: one operation over a whole row of points at a time,
// the parts that do not depend on the row computed once.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "expr/expression_parser.h"
#include "expr/postfix_ops.h"
#include "expr/row_reuse.h"

namespace curvanta {

using namespace postfix;

namespace {

// Row evaluation: every check of the point-at-a-time path is kept; where a point would
// fault or show a message the row gives up (returns false) and is evaluated point by point.
// The checks over a row are written in integer arithmetic on the bits of the values, so that
// their loops run on vector registers.
inline uint64_t Bits(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}
constexpr uint64_t kMagnitudeBits = 0x7fffffffffffffffull;
constexpr uint64_t kExponentBits = 0x7ff0000000000000ull;
constexpr uint64_t kExponentOne = 0x0010000000000000ull;

// 1 for an infinite value or NaN, else 0.
inline uint64_t NotFinite(double v) { return ((Bits(v) & kExponentBits) + kExponentOne) >> 63; }

// 1 when |v| >= the positive number whose bits are limitBits, or v is NaN; else 0.
inline uint64_t AtLeast(double v, uint64_t limitBits) {
  return (limitBits - 1 - (Bits(v) & kMagnitudeBits)) >> 63;
}

// 1 for a value below zero (not -0), else 0.
inline uint64_t BelowZero(double v) {
  const uint64_t bits = Bits(v);
  return (bits >> 63) & (((bits & kMagnitudeBits) + kMagnitudeBits) >> 63);
}

inline bool AllFinite(const double* a, size_t n) {
  uint64_t bad = 0;
  for (size_t i = 0; i < n; ++i) bad |= NotFinite(a[i]);
  return bad == 0;
}

// a[i] = f(a[i], b[i]) over a row in which either operand may be one uniform value (its slot
// 0); false when a result is not finite. B is double for stack items, float for the row
// variable itself.
template <typename B, typename F>
inline bool CombineRow(double* a, bool aUniform, const B* b, bool bUniform, size_t n, F f) {
  uint64_t bad = 0;
  if (aUniform) {
    const double x = a[0];
    for (size_t i = 0; i < n; ++i) {
      const double r = f(x, double(b[i]));
      a[i] = r;
      bad |= NotFinite(r);
    }
  } else if (bUniform) {
    const double y = double(b[0]);
    for (size_t i = 0; i < n; ++i) {
      const double r = f(a[i], y);
      a[i] = r;
      bad |= NotFinite(r);
    }
  } else {
    for (size_t i = 0; i < n; ++i) {
      const double r = f(a[i], double(b[i]));
      a[i] = r;
      bad |= NotFinite(r);
    }
  }
  return bad == 0;
}

// The three operations that need no check but finiteness, over a row.
template <typename B>
inline bool CombineRow(uint8_t op, double* a, bool aUniform, const B* b, bool bUniform,
                       size_t n) {
  switch (op) {
    case kAdd: return CombineRow(a, aUniform, b, bUniform, n, [](double x, double y) { return x + y; });
    case kSub: return CombineRow(a, aUniform, b, bUniform, n, [](double x, double y) { return x - y; });
    default: return CombineRow(a, aUniform, b, bUniform, n, [](double x, double y) { return x * y; });
  }
}

// base to the whole power N by IntPower's square-and-multiply steps, unrolled: the same
// products in the same order, so the same value.
// (A step per bit of K, written out at compile time so that the loop over a row vectorises.)
template <unsigned K>
[[gnu::always_inline]] inline void PowerSteps(double& result, double& b) {
  if constexpr (K != 0) {
    if constexpr ((K & 1u) != 0) result *= b;
    if constexpr ((K >> 1) != 0) {
      b *= b;
      PowerSteps<(K >> 1)>(result, b);
    }
  }
}

template <unsigned N>
[[gnu::always_inline]] inline double UnrolledPower(double base) {
  double result = 1, b = base;
  PowerSteps<N>(result, b);
  return result;
}

// d[i] = base[i] to the whole power N over a row, in one pass that also checks finiteness
// (where IntPower faults). The bases are the stack item itself or the row variable's values.
template <unsigned N, typename S>
bool WholePowerRow(const S* base, double* d, size_t n) {
  uint64_t bad = 0;
  for (size_t i = 0; i < n; ++i) {
    const double r = UnrolledPower<N>(double(base[i]));
    d[i] = r;
    bad |= NotFinite(r);
  }
  return bad == 0;
}

// The same for a whole power of 0 to kMaxWholePower given at run time: one unrolled loop per
// power. A whole constant exponent is written in digits, so the program holds no other; one
// outside would give false, and the row would be evaluated point by point.
template <typename S, unsigned... N>
bool WholePowerRow(const S* base, double* d, size_t n, unsigned power,
                   std::integer_sequence<unsigned, N...>) {
  return ((power == N && WholePowerRow<N>(base, d, n)) || ...);
}

template <typename S>
bool WholePowerRow(const S* base, double* d, size_t n, unsigned power) {
  constexpr unsigned kLast = unsigned(kMaxWholePower);
  return WholePowerRow(base, d, n, power, std::make_integer_sequence<unsigned, kLast + 1>());
}

}  // namespace

bool PostfixProgram::EvaluateRow(bool bolDegree, const VarValues& base, char rowVariable,
                                 const float* rowValues, size_t n, float* out,
                                 RowReuse* reuse) const {
  if (rowCode_.empty() || !rowSafe_ || n == 0) return false;
  const int rowVar = curvanta::VariableIndex(rowVariable);
  if (rowVar < 0) return false;
  if (rowCode_.size() == 2 && rowCode_[0].op == kVar) {
    // A lone variable (the "x" and "y" of explicit surfaces): its float values as they are.
    if (int(rowCode_[0].arg) == rowVar) {
      std::copy(rowValues, rowValues + n, out);
    } else {
      const float fixed[8] = {base.U, base.V, base.X, base.Y, base.A, base.R, base.B, base.T};
      const float value = fixed[rowCode_[0].arg];
      if (!(std::fabs(double(value)) < kFloatOverflow)) return false;
      std::fill(out, out + n, value);
    }
    return true;
  }
  if (reuse) reuse->Begin(rowVar, bolDegree, DivZeroIsError, rowValues, n);
  // Blocks of a few hundred points keep the stack rows in the cache and bound the scratch.
  constexpr size_t kBlock = 256;
  for (size_t first = 0; first < n; first += kBlock) {
    const size_t count = n - first < kBlock ? n - first : kBlock;
    if (!EvaluateBlock(bolDegree, base, rowVar, rowValues + first, count, out + first, reuse,
                       first / kBlock, first))
      return false;
  }
  return true;
}

bool PostfixProgram::EvaluateBlock(bool bolDegree, const VarValues& base, int rowVar,
                                   const float* rowValues, size_t n, float* out,
                                   RowReuse* reuse, size_t block, size_t first) const {
  const float fixed[8] = {base.U, base.V, base.X, base.Y, base.A, base.R, base.B, base.T};

  // The stack: item k is row k of the scratch. An item that does not depend on the row
  // variable is "uniform": its one value sits in slot 0 and is computed once per block.
  thread_local std::vector<double> scratch;
  // An item that depends on no variable but the row variable (and is not uniform) has the
  // same values in every row that shares the row values: with a RowReuse, the functions and
  // powers of such items are computed in the first row and taken from the store after.
  thread_local std::vector<unsigned char> uniformFlags, baseFlags;
  const size_t depth = size_t(maxDepth_) + 1;
  if (scratch.size() < depth * n) scratch.resize(depth * n);
  if (uniformFlags.size() < depth) uniformFlags.resize(depth);
  if (baseFlags.size() < depth) baseFlags.resize(depth);
  double* const stack = scratch.data();
  unsigned char* const uniform = uniformFlags.data();
  unsigned char* const onBase = baseFlags.data();  // depends on a variable of the base
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
  auto pushUniform = [&](double value, bool fromBase) {
    item(sp)[0] = value;
    onBase[sp] = fromBase;
    uniform[sp++] = 1;
  };
  // The kept values of instruction `index` applied to item k, copied into it; false when
  // there are none to take.
  auto takeKept = [&](size_t index, size_t k) {
    if (!reuse || uniform[k] || onBase[k]) return false;
    const double* kept = reuse->Find(index, block, first);
    if (!kept) return false;
    std::copy(kept, kept + n, item(k));
    return true;
  };
  auto keep = [&](size_t index, size_t k) {
    if (reuse && !uniform[k] && !onBase[k]) reuse->Keep(index, block, first, item(k), n);
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
    for (size_t index = 0; index < rowCode_.size(); ++index) {
      const Instr& in = rowCode_[index];
      const size_t t = sp - 1;  // the top item (meaningless on an empty stack)
      switch (in.op) {
        case kConst:
          pushUniform(in.value, false);
          break;
        case kVar:
          if (int(in.arg) == rowVar) {
            double* d = item(sp);
            onBase[sp] = 0;
            uniform[sp++] = 0;
            const Instr* next = index + 1 < rowCode_.size() ? &rowCode_[index + 1] : nullptr;
            if (next && next->op == kPowIntC) {
              // A whole power of the row variable, taken from its values in the same pass.
              ++index;
              if (takeKept(index, sp - 1)) break;
              if (!WholePowerRow(rowValues, d, n, next->arg)) return false;
              keep(index, sp - 1);
              break;
            }
            for (size_t i = 0; i < n; ++i) d[i] = double(rowValues[i]);
          } else {
            pushUniform(double(fixed[in.arg]), true);
          }
          break;
        case kAdd: case kSub: case kMul: case kDiv: case kPow: {
          const size_t ka = sp - 2, kb = sp - 1;
          --sp;
          double* a = item(ka);
          const double* b = item(kb);
          onBase[ka] |= onBase[kb];
          bool ok = true;
          if (uniform[ka] && uniform[kb]) {
            a[0] = binary(in.op, a[0], b[0], ok);
            if (!ok) return false;
            break;
          }
          if (in.op == kAdd || in.op == kSub || in.op == kMul) {
            const bool ok2 = CombineRow(in.op, a, uniform[ka], b, uniform[kb], n);
            uniform[ka] = 0;
            if (!ok2) return false;
            break;
          }
          spread(ka);
          spread(kb);
          for (size_t i = 0; i < n && ok; ++i) a[i] = binary(in.op, a[i], b[i], ok);
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
          if (takeKept(index, t)) break;
          const Function f = Function(in.arg);
          double* d = item(t);
          const size_t count = uniform[t] ? 1 : n;
          // The two functions whose domain is a message box.
          if (f == Function::LOG) {
            for (size_t i = 0; i < count; ++i)
              if (!(d[i] > 0)) return false;
          }
          // The common functions in loops of their own; the rest through Apply.
          uint64_t bad = 0;
          if (f == Function::SQR) {
            for (size_t i = 0; i < count; ++i) bad |= BelowZero(d[i]);
            if (bad) return false;
            for (size_t i = 0; i < count; ++i) d[i] = std::sqrt(d[i]);
          } else if (f == Function::ABS) {
            for (size_t i = 0; i < count; ++i) d[i] = std::fabs(d[i]);
          } else if (f == Function::SIN && !bolDegree) {
            for (size_t i = 0; i < count; ++i) d[i] = std::sin(d[i]);
          } else if (f == Function::COS && !bolDegree) {
            for (size_t i = 0; i < count; ++i) d[i] = std::cos(d[i]);
          } else if (f == Function::EXP) {
            for (size_t i = 0; i < count; ++i) {
              d[i] = std::exp(d[i]);
              bad |= NotFinite(d[i]);
            }
          } else {
            for (size_t i = 0; i < count; ++i)
              if (!Apply(f, d[i], bolDegree, d[i])) return false;
          }
          if (bad) return false;
          keep(index, t);
          break;
        }
        case kAddC: case kSubC: case kMulC: case kDivC: case kPowC: case kPowIntC:
        case kAddV: case kSubV: case kMulV: case kDivV: case kPowV: {
          // The right operand is a constant or a variable; the left one is the top.
          const bool rowOperand = in.op >= kAddV && int(in.arg) == rowVar;
          if (in.op >= kAddV && !rowOperand) onBase[t] = 1;
          const bool power = in.op == kPowC || in.op == kPowIntC;
          if (power && takeKept(index, t)) break;
          double* d = item(t);
          if (rowOperand && (in.op == kAddV || in.op == kSubV || in.op == kMulV)) {
            const bool ok2 = CombineRow(uint8_t(kAdd + (in.op - kAddV)), d, uniform[t] != 0,
                                        rowValues, false, n);
            uniform[t] = 0;
            if (!ok2) return false;
            break;
          }
          if (!uniform[t] && !rowOperand &&
              (in.op == kAddC || in.op == kSubC || in.op == kMulC || in.op == kAddV ||
               in.op == kSubV || in.op == kMulV)) {
            // A row and one value: one pass that also checks finiteness.
            const double c = in.op >= kAddV ? double(fixed[in.arg]) : in.value;
            const uint8_t op = in.op >= kAddV ? uint8_t(kAdd + (in.op - kAddV))
                                              : uint8_t(kAdd + (in.op - kAddC));
            if (!CombineRow(op, d, false, &c, true, n)) return false;
            break;
          }
          if (!uniform[t] && in.op == kPowIntC && in.arg == 2) {
            // Squares, as IntPower takes them: one product.
            if (!CombineRow(d, false, d, false, n, [](double x, double) { return x * x; }))
              return false;
            break;
          }
          if (rowOperand) spread(t);
          const size_t count = uniform[t] ? 1 : n;
          const uint8_t op = in.op >= kAddV ? uint8_t(kAdd + (in.op - kAddV))
                             : in.op == kPowIntC ? uint8_t(kPow)
                                                 : uint8_t(kAdd + (in.op - kAddC));
          const double c = in.op >= kAddV ? double(fixed[in.arg]) : in.value;
          bool ok = true;
          if (rowOperand) {  // "/" or "^" by the row variable
            for (size_t i = 0; i < n && ok; ++i) d[i] = binary(op, d[i], double(rowValues[i]), ok);
          } else if (in.op == kPowIntC && !uniform[t]) {
            if (!WholePowerRow(d, d, n, in.arg)) return false;
          } else if (in.op == kPowIntC) {
            d[0] = IntPower(d[0], int32_t(in.arg));  // one value
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
          if (power) keep(index, t);
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
          const uint64_t limit = Bits(kFloatOverflow);
          uint64_t bad = 0;
          for (size_t i = 0; i < n; ++i) bad |= AtLeast(d[i], limit);
          if (bad) return false;
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
