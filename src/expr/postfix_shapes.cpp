// The point program of a postfix text: constant parts computed once when the text is compiled,
// and constant or variable operands taken into the operation that uses them, so that
// "2*sin(x)+1" or "x^2+y^2-1" run as a handful of operations. Values, messages and faults are
// those of the token list run one token at a time: nothing is folded that could fault, show a
// message, draw a random number or depend on the degree mode, and the operations that remain
// run in the order of the text.
#include <algorithm>
#include <cmath>
#include <vector>

#include "expr/expression_parser.h"
#include "expr/postfix_ops.h"

namespace curvanta {

using namespace postfix;

namespace {

// An operand while the program is shaped: either already on the run-time stack, or a constant
// or variable not yet pushed (pushing has no effect but the push, so it can wait for the
// operation that uses it).
struct Operand {
  bool pending = false;
  bool constant = false;
  uint32_t variable = 0;
  double value = 0;
};

// The value of a binary operation on two constants, when it is certain to evaluate.
bool FoldBinary(uint8_t op, double a, double b, double& out) {
  try {
    switch (op) {
      case kAdd: out = Chk(a + b); return true;
      case kSub: out = Chk(a - b); return true;
      case kMul: out = Chk(a * b); return true;
      case kDiv:
        if (b == 0) return false;  // message or substitute: decided at run time
        out = Chk(a / b);
        return true;
      default: out = Power(a, b); return true;
    }
  } catch (const ArithmeticError&) {
    return false;
  }
}

// The value of a function of a constant, when it is the same at every evaluation and shows
// nothing.
bool FoldFunction(Function f, double x, double& out) {
  switch (f) {
    case Function::RND:
    case Function::SIN: case Function::COS: case Function::TAN:
    case Function::SEC: case Function::CSEC: case Function::CTAN:
      return false;  // a random number, or an operand in degrees in degree mode
    case Function::LOG:
      if (!(x > 0)) return false;
      break;
    case Function::SQR:
      if (x < 0) return false;
      break;
    default:
      break;
  }
  try {
    return Apply(f, x, false, out);
  } catch (const ArithmeticError&) {
    return false;
  }
}

}  // namespace

bool PostfixProgram::Shape(const std::vector<Instr>& tokens, std::vector<Instr>& code,
                           int32_t& maxDepth) {
  code.clear();
  if (tokens.empty()) return false;
  for (const Instr& in : tokens)
    if (in.op == kRaiseUnknown || in.op == kRaiseUnderflow || in.op == kRaiseOverflow)
      return false;  // the token list raises part way: run it as it stands

  std::vector<Operand> operands;
  int32_t depth = 0;  // items on the run-time stack
  maxDepth = 0;
  auto emit = [&](uint8_t op, int32_t pushed, uint32_t arg = 0, double value = 0) -> Instr& {
    Instr in;
    in.op = op;
    in.arg = arg;
    in.value = value;
    code.push_back(in);
    depth += pushed;
    maxDepth = std::max(maxDepth, depth);
    return code.back();
  };
  auto push = [&](Operand& o) {
    if (o.constant)
      emit(kConst, 1, 0, o.value);
    else
      emit(kVar, 1, o.variable);
    o.pending = false;
  };
  // The operation with its right operand a pending constant or variable.
  auto withRight = [&](uint8_t op, const Operand& right) {
    if (right.constant) {
      if (op == kPow && IsSmallWhole(right.value)) {
        emit(kPowIntC, 0, uint32_t(int32_t(right.value)));
        return;
      }
      emit(uint8_t(kAddC + (op - kAdd)), 0, 0, right.value);
    } else {
      emit(uint8_t(kAddV + (op - kAdd)), 0, right.variable);
    }
  };
  // The operation with its left operand a pending constant or variable.
  auto withLeft = [&](uint8_t op, const Operand& left) {
    static constexpr uint8_t kByConstant[] = {kAddC, kRSubC, kMulC, kRDivC, kRPowC};
    static constexpr uint8_t kByVariable[] = {kAddV, kRSubV, kMulV, kRDivV, kRPowV};
    if (left.constant)
      emit(kByConstant[op - kAdd], 0, 0, left.value);
    else
      emit(kByVariable[op - kAdd], 0, left.variable);
  };

  for (const Instr& in : tokens) {
    switch (in.op) {
      case kConst:
        operands.push_back({true, true, 0, in.value});
        break;
      case kVar:
        operands.push_back({true, false, in.arg, 0});
        break;
      case kNeg: {
        Operand& a = operands.back();
        if (a.pending && a.constant) {
          a.value = -a.value;
        } else if (a.pending) {
          emit(kNegV, 1, a.variable);
          a.pending = false;
        } else {
          emit(kNeg, 0);
        }
        break;
      }
      case kFunc: {
        Operand& a = operands.back();
        const Function f = Function(in.arg);
        if (a.pending && a.constant && FoldFunction(f, a.value, a.value)) break;
        if (a.pending && !a.constant) {
          switch (f) {
            case Function::SIN: emit(kSinV, 1, a.variable); break;
            case Function::COS: emit(kCosV, 1, a.variable); break;
            case Function::EXP: emit(kExpV, 1, a.variable); break;
            case Function::SQR: emit(kSqrV, 1, a.variable); break;
            default: emit(kFuncV, 1, a.variable).aux = uint8_t(f); break;
          }
          a.pending = false;
          break;
        }
        if (a.pending) push(a);
        switch (f) {
          case Function::SIN: emit(kSin, 0); break;
          case Function::COS: emit(kCos, 0); break;
          case Function::EXP: emit(kExp, 0); break;
          case Function::SQR: emit(kSqr, 0); break;
          case Function::ABS: emit(kAbs, 0); break;
          default: emit(kFunc, 0, in.arg); break;
        }
        break;
      }
      case kAdd: case kSub: case kMul: case kDiv: case kPow: {
        const Operand b = operands.back();
        operands.pop_back();
        Operand& a = operands.back();
        const uint8_t op = in.op;
        if (a.pending && b.pending) {
          if (a.constant && b.constant && FoldBinary(op, a.value, b.value, a.value)) break;
          if (!a.constant && b.constant && op == kPow && IsSmallWhole(b.value)) {
            emit(kVarPowInt, 1, a.variable).power = int16_t(b.value);
          } else if (!a.constant && !b.constant && (op == kAdd || op == kSub || op == kMul)) {
            emit(op == kAdd ? kVarAddV : op == kSub ? kVarSubV : kVarMulV, 1, a.variable).aux =
                uint8_t(b.variable);
          } else {
            push(a);
            withRight(op, b);
          }
        } else if (a.pending) {
          withLeft(op, a);
        } else if (b.pending) {
          withRight(op, b);
        } else {
          emit(op, -1);
        }
        a.pending = false;
        break;
      }
      default:
        return false;
    }
  }
  if (operands.size() != 1) return false;  // the text leaves more than one value
  if (operands.back().pending) push(operands.back());
  emit(kEnd, 0);
  return true;
}

}  // namespace curvanta
