// Row evaluation of a compiled program: one operation over a whole row of points at a time,
// the parts that do not depend on the row computed once.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "expr/expression_parser.h"
#include "expr/postfix_ops.h"

namespace curvanta {

using namespace postfix;

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
    for (const Instr& in : rowCode_) {
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
