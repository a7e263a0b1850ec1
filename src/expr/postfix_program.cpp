// PostfixProgram: a postfix text compiled into a list of operations and its evaluation with
// the 30 functions, the domain messages and the arithmetic-fault checks. Every
// intermediate value is tested for finiteness, so that faults never depend on
// floating-point traps.
#include <algorithm>
#include <cassert>
#include <cfloat>
#include <cmath>
#include <csetjmp>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>
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
#include "expr/postfix_ops.h"
#include "expr/random_sequence.h"

namespace curvanta {

using namespace postfix;
namespace t = curvanta::texts;

namespace {

// The eight variables by index (U V X Y A R B T), read from their bytes.
struct VariableReader {
  static_assert(std::is_standard_layout_v<VarValues> && sizeof(VarValues) == 8 * sizeof(float) &&
                offsetof(VarValues, U) == 0 && offsetof(VarValues, T) == 7 * sizeof(float));
  const VarValues& vars;
  float operator[](uint32_t i) const {
    float value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&vars) + i * sizeof(float),
                sizeof value);
    return value;
  }
};

}  // namespace

namespace postfix {

void Fault(ArithmeticFault fault) {
  if (std::jmp_buf* const stop = tQuietStop) std::longjmp(*stop, 1);
  RaiseFault(fault);
}

void DomainMessage(const char* text) {
  // The box may run other evaluations: their faults are raised as ever.
  std::jmp_buf* const quiet = tQuietStop;
  tQuietStop = nullptr;
  curvanta::ShowMessage(text, t::kEvalTitle, curvanta::MsgIcon::Error);
  tQuietStop = quiet;
}

}  // namespace postfix

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
  std::vector<Instr> tokens;
  tokens.swap(p.code_);
  p.rowCode_ = Fuse(tokens);
  if (!Shape(tokens, p.code_, p.pointDepth_)) {
    p.code_ = p.rowCode_;
    p.pointDepth_ = p.maxDepth_;
  }
  return p;
}

std::vector<PostfixProgram::Instr> PostfixProgram::Fuse(const std::vector<Instr>& tokens) {
  std::vector<Instr> fused;
  if (tokens.empty()) return fused;
  fused.reserve(tokens.size() + 1);
  for (size_t i = 0; i < tokens.size(); ++i) {
    const Instr& in = tokens[i];
    if ((in.op == kConst || in.op == kVar) && i + 1 < tokens.size()) {
      const uint8_t next = tokens[i + 1].op;
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
  fused.push_back(Instr{kEnd, 0, 0, 0, 0});
  return fused;
}

bool PostfixProgram::UsesVariable(char upperLetter) const {
  const int v = curvanta::VariableIndex(upperLetter);
  return v >= 0 && (usedVars_ & (1u << v)) != 0;
}

namespace {
// Stack items an evaluation keeps in its own frame; one spare slot, because the first push
// stores the (meaningless) initial top.
constexpr int32_t kLocalDepth = 64;
}  // namespace

bool PostfixProgram::NeedsDeepStack() const { return pointDepth_ + 1 > kLocalDepth; }

bool PostfixProgram::Evaluate(bool bolDegree, float& sngResult, const VarValues& vars) const {
  if (NeedsDeepStack()) [[unlikely]] {
    std::vector<double> deepStack(size_t(pointDepth_) + 1);
    return Run(bolDegree, sngResult, vars, deepStack.data());
  }
  return Run(bolDegree, sngResult, vars, nullptr);
}

bool PostfixProgram::EvaluateQuietly(bool bolDegree, float& sngResult, const VarValues& vars,
                                     bool& faulted) const {
  faulted = false;
  // Made before the jump target, so that it is freed however the evaluation ends.
  std::vector<double> deepStack;
  if (NeedsDeepStack()) [[unlikely]]
    deepStack.resize(size_t(pointDepth_) + 1);
  // A fault jumps back here. Run holds nothing to destroy, so nothing is left undone.
  struct Restore {
    std::jmp_buf* outer = tQuietStop;
    ~Restore() { tQuietStop = outer; }
  } restore;
  std::jmp_buf stop;
  if (setjmp(stop) != 0) {
    faulted = true;
    return false;
  }
  tQuietStop = &stop;
  return Run(bolDegree, sngResult, vars, deepStack.empty() ? nullptr : deepStack.data());
}

bool PostfixProgram::Run(bool bolDegree, float& sngResult, const VarValues& vars,
                         double* deepStack) const {
  assert(deepStack || !NeedsDeepStack());
  if (code_.empty()) return false;
  double local[kLocalDepth];
  double* sp = deepStack ? deepStack : local;
  // The top of the stack lives in `top`; the items below it in the array. Variables are read
  // one at a time where they are used: a copy of all eight would first wait for the caller's
  // separate stores of them to reach memory.
  const VariableReader values{vars};
  double top = 0;

  // Threaded dispatch: every handler jumps straight to the next one, which the branch
  // predictor follows far better than one shared switch. The table follows enum Op.
  static const void* const kHandlers[] = {
      &&op_const,    &&op_var,      &&op_add,      &&op_sub,
      &&op_mul,      &&op_div,      &&op_pow,      &&op_neg,
      &&op_func,     &&op_raise_unknown, &&op_raise_underflow, &&op_raise_overflow,
      &&op_add_c,    &&op_sub_c,    &&op_mul_c,    &&op_div_c,
      &&op_pow_c,    &&op_pow_int_c, &&op_add_v,   &&op_sub_v,
      &&op_mul_v,    &&op_div_v,    &&op_pow_v,    &&op_rsub_c,
      &&op_rdiv_c,   &&op_rpow_c,   &&op_rsub_v,   &&op_rdiv_v,
      &&op_rpow_v,   &&op_func_v,   &&op_neg_v,    &&op_var_pow_int,
      &&op_var_add_v, &&op_var_sub_v, &&op_var_mul_v, &&op_sin,
      &&op_cos,      &&op_exp,      &&op_sqr,      &&op_abs,
      &&op_sin_v,    &&op_cos_v,    &&op_exp_v,    &&op_sqr_v,
      &&op_end};
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
op_rsub_c:
  top = Chk(ip->value - top);
  CURVANTA_NEXT;
op_rdiv_c:
  if (!Divide(ip->value, top, top)) return false;
  CURVANTA_NEXT;
op_rpow_c:
  top = Power(ip->value, top);
  CURVANTA_NEXT;
op_rsub_v:
  top = Chk(double(values[ip->arg]) - top);
  CURVANTA_NEXT;
op_rdiv_v:
  if (!Divide(double(values[ip->arg]), top, top)) return false;
  CURVANTA_NEXT;
op_rpow_v:
  top = Power(double(values[ip->arg]), top);
  CURVANTA_NEXT;
op_func_v:
  *sp++ = top;
  if (!Apply(Function(ip->aux), double(values[ip->arg]), bolDegree, top)) return false;
  CURVANTA_NEXT;
op_neg_v:
  *sp++ = top;
  top = -double(values[ip->arg]);
  CURVANTA_NEXT;
op_var_pow_int:
  *sp++ = top;
  top = IntPower(double(values[ip->arg]), ip->power);
  CURVANTA_NEXT;
op_var_add_v:
  *sp++ = top;
  top = Chk(double(values[ip->arg]) + double(values[ip->aux]));
  CURVANTA_NEXT;
op_var_sub_v:
  *sp++ = top;
  top = Chk(double(values[ip->arg]) - double(values[ip->aux]));
  CURVANTA_NEXT;
op_var_mul_v:
  *sp++ = top;
  top = Chk(double(values[ip->arg]) * double(values[ip->aux]));
  CURVANTA_NEXT;
// The functions of their own, each exactly as Apply takes it.
op_sin:
  top = std::sin(bolDegree ? ToRadians(top) : top);
  CURVANTA_NEXT;
op_cos:
  top = std::cos(bolDegree ? ToRadians(top) : top);
  CURVANTA_NEXT;
op_exp:
  top = Ex(top);
  CURVANTA_NEXT;
op_sqr:
  if (top < 0) {
    DomainMessage(t::kSqrDomain);
    return false;
  }
  top = std::sqrt(top);
  CURVANTA_NEXT;
op_abs:
  top = std::fabs(top);
  CURVANTA_NEXT;
op_sin_v: {
  *sp++ = top;
  const double x = double(values[ip->arg]);
  top = std::sin(bolDegree ? ToRadians(x) : x);
  CURVANTA_NEXT;
}
op_cos_v: {
  *sp++ = top;
  const double x = double(values[ip->arg]);
  top = std::cos(bolDegree ? ToRadians(x) : x);
  CURVANTA_NEXT;
}
op_exp_v:
  *sp++ = top;
  top = Ex(double(values[ip->arg]));
  CURVANTA_NEXT;
op_sqr_v: {
  *sp++ = top;
  const double x = double(values[ip->arg]);
  if (x < 0) {
    DomainMessage(t::kSqrDomain);
    return false;
  }
  top = std::sqrt(x);
  CURVANTA_NEXT;
}
op_raise_unknown:
  if (std::jmp_buf* const stop = tQuietStop) std::longjmp(*stop, 1);
  throw curvanta::EngineError(curvanta::kErrUnknownToken,
                              std::string(t::kUnknownTokenPrefix) + badTokens_[ip->arg]);
op_raise_underflow:
  if (std::jmp_buf* const stop = tQuietStop) std::longjmp(*stop, 1);
  throw curvanta::EngineError(curvanta::kErrPopEmpty, t::kPopEmpty);
op_raise_overflow:
  Fault(ArithmeticFault::Overflow);
op_end:
#undef CURVANTA_NEXT
  if (!(std::fabs(top) < kFloatOverflow)) Fault(ArithmeticFault::Overflow);
  sngResult = float(top);
  return true;
}

}  // namespace curvanta
