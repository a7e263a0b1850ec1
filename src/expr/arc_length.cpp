// Trapezoid integration of an integrand text: at least one refinement, at most 15.
#include "expr/arc_length.h"

#include <cmath>

#include "common/errors.h"
#include "common/message_service.h"
#include "expr/expression_parser.h"

namespace curvanta {

namespace {

constexpr int kMaxPasses = 15;

// One integrand, converted once: the conversion gives the same result and the same
// message for every value, and repeated boxes of one integration are shown once anyway.
class Integrand {
 public:
  Integrand(const std::string& text, int32_t kind) : kind_(kind) {
    // Integrands are formed by the program from derivative texts.
    converted_ = parser_.InfixToPostfix(text, postfix_, kDerivedTextLimits) == 0;
  }

  float At(float x, bool& failed) {
    if (!converted_ || (kind_ != IntegrandKind::X && kind_ != IntegrandKind::A && kind_ != IntegrandKind::U)) {
      failed = true;
      return 0;
    }
    VarValues vars;
    if (kind_ == IntegrandKind::X) vars.X = x;
    if (kind_ == IntegrandKind::A) vars.A = x;
    if (kind_ == IntegrandKind::U) vars.U = x;
    try {
      float result = 0;
      if (parser_.DoEvaluate(postfix_, false, result, vars)) return result;
    } catch (const curvanta::ArithmeticError&) {
    } catch (const curvanta::EngineError&) {
    }
    failed = true;
    return 0;
  }

 private:
  ExpressionEngine parser_;
  std::string postfix_;
  bool converted_ = false;
  int32_t kind_;
};

}  // namespace

float EvalAt(const std::string& sExpression, float x, int32_t kind, bool* failed) {
  Integrand integrand(sExpression, kind);
  bool f = false;
  float value = integrand.At(x, f);
  if (f && failed) *failed = true;
  return value;
}

float IntegrateTrapezoid(float a, float b, float eps, const std::string& sExpression, int32_t kind,
                         bool* anyFailed) {
  curvanta::MessageOperation operation;
  Integrand integrand(sExpression, kind);
  bool failed = false;
  const float fa = integrand.At(a, failed);
  const float fb = integrand.At(b, failed);
  float h = b - a;
  int32_t n = 1;
  float t = (fb + fa) * h / 2;
  float d = eps + 1;
  float r = 0;
  for (int pass = 0; d >= eps && pass < kMaxPasses; ++pass) {
    float s = 0;
    for (int32_t i = 0; i < n; ++i) {
      const float mid = float(double(a) + (double(i) + 0.5) * double(h));
      s += integrand.At(mid, failed);
    }
    r = (h * s + t) / 2;
    d = std::fabs(t - r);
    n *= 2;
    h /= 2;
    t = r;
  }
  if (!std::isfinite(r)) failed = true;
  if (anyFailed) *anyFailed = failed;
  return r;
}

}  // namespace curvanta
