// Trapezoid integration: its passes by example, arc lengths against closed forms, failed
// values and collapsed messages.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/globals.h"
#include "common/message_service.h"
#include "expr/arc_length.h"
#include "expr/derivative_text.h"

using namespace curvanta;

namespace {

const float kPi = 3.14159265f;

// Arc-length integrands as the drawing forms them.
std::string CartesianIntegrand(const std::string& y) { return "sqr((" + DerivativeText(y) + ")^2+1)"; }
std::string PolarIntegrand(const std::string& r) {
  return "sqr((" + r + ")^2+(" + DerivativeText(r) + ")^2)";
}
std::string ParametricIntegrand(const std::string& x, const std::string& y) {
  return "sqr((" + DerivativeText(x) + ")^2+(" + DerivativeText(y) + ")^2)";
}

}  // namespace

TEST(IntegrateTrapezoid, PassesByExample) {
  struct Case {
    const char* integrand;
    int32_t kind;
    float a, b;
    float expected;
  };
  const Case cases[] = {
      {"1", 1, 0, 2, 2.0f},
      {"x", 1, 0, 1, 0.5f},
      {"x", 1, 1, 0, -0.5f},
      {"x^2", 1, 0, 1, float(683.0 / 2048.0)},  // 32 panels: the 5th pass settles
      {"sqr((0*x+2*1)^2+1)", 1, 0, 1, std::sqrt(5.0f)},
      {"a", 2, 0, 2, 2.0f},
      {"u", 3, 0, 1, 0.5f},  // kind 3 binds U
  };
  for (const Case& c : cases) {
    ScopedMessageRecorder rec;
    bool failed = true;
    EXPECT_FLOAT_EQ(IntegrateTrapezoid(c.a, c.b, 0.001f, c.integrand, c.kind, &failed), c.expected)
        << c.integrand;
    EXPECT_FALSE(failed) << c.integrand;
    EXPECT_TRUE(rec.recorder.messages.empty()) << c.integrand;
  }
  // Only the U of kind 3 is bound: x is 0 there.
  EXPECT_FLOAT_EQ(IntegrateTrapezoid(0, 1, 0.001f, "x+1", 3), 1.0f);
}

TEST(IntegrateTrapezoid, ArcLengthsAgainstClosedForms) {
  struct Case {
    const char* name;
    std::string integrand;
    int32_t kind;
    float a, b;
    double exact;
    double tolerance;
  };
  const Case cases[] = {
      {"y = x^2 on [0, 1]", CartesianIntegrand("x^2"), 1, 0, 1,
       0.5 * std::sqrt(5.0) + 0.25 * std::asinh(2.0), 1e-3},
      {"y = cosh(x) on [0, 1]", CartesianIntegrand("cosh(x)"), 1, 0, 1, std::sinh(1.0), 1e-3},
      {"unit circle r = 1", PolarIntegrand("1"), 2, 0, 2 * kPi, 2 * M_PI, 1e-5},
      {"cardioid r = 1 + cos(a)", PolarIntegrand("1+cos(a)"), 2, 0, 2 * kPi, 8.0, 2e-3},
      {"circle x = cos(u), y = sin(u)", ParametricIntegrand("cos(u)", "sin(u)"), 3, 0, 2 * kPi, 2 * M_PI, 1e-4},
      {"y = sqr(x) on [1, 4]", CartesianIntegrand("sqr(x)"), 1, 1, 4,
       // the integral of sqrt(1 + 1/(4x)) from 1 to 4
       [] {
         auto F = [](double x) {
           double s = std::sqrt(x * (x + 0.25));
           return s + 0.25 * std::log(std::sqrt(x) + std::sqrt(x + 0.25));
         };
         return F(4) - F(1);
       }(),
       1e-3},
  };
  for (const Case& c : cases) {
    ScopedMessageRecorder rec;
    bool failed = true;
    float length = IntegrateTrapezoid(c.a, c.b, 0.001f, c.integrand, c.kind, &failed);
    EXPECT_NEAR(length, c.exact, c.tolerance) << c.name << ": " << c.integrand;
    EXPECT_FALSE(failed) << c.name;
    EXPECT_TRUE(rec.recorder.messages.empty()) << c.name;
  }
  EXPECT_NEAR(IntegrateTrapezoid(0, 1, 0.001f, CartesianIntegrand("x^2"), 1), 1.478943, 1e-3);
}

TEST(IntegrateTrapezoid, SyntaxErrorShowsOneBoxAndGivesZero) {
  ScopedMessageRecorder rec;
  bool failed = false;
  EXPECT_EQ(IntegrateTrapezoid(0, 1, 0.001f, "x+", 1, &failed), 0.0f);
  EXPECT_TRUE(failed);
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0], (Message{"字符 2：  缺少操作参数", "语法错误", MsgIcon::Error}));
}

TEST(IntegrateTrapezoid, FailedValues) {
  {
    // A domain box at x = 0 only: shown once, that value is 0, the rest is integrated.
    ScopedMessageRecorder rec;
    bool failed = false;
    float r = IntegrateTrapezoid(0, 1, 0.001f, "log(x)", 1, &failed);
    EXPECT_TRUE(failed);
    EXPECT_TRUE(std::isfinite(r));
    ASSERT_EQ(rec.recorder.messages.size(), 1u);
    EXPECT_EQ(rec.recorder.messages[0].text, "The parameter of function LOG must larger than 0.");
  }
  {
    // An arithmetic fault (asin of 2 at the upper limit): the value 0, no message.
    ScopedMessageRecorder rec;
    bool failed = false;
    IntegrateTrapezoid(0, 1, 0.001f, "asin(2*x)", 1, &failed);
    EXPECT_TRUE(failed);
    EXPECT_TRUE(rec.recorder.messages.empty());
  }
  {
    // A kind without a variable gives 0 after one pass.
    ScopedMessageRecorder rec;
    bool failed = false;
    EXPECT_EQ(IntegrateTrapezoid(0, 1, 0.001f, "x", 4, &failed), 0.0f);
    EXPECT_TRUE(failed);
  }
  // A value that does not fail leaves the flag alone in EvalAt.
  bool failed = false;
  EXPECT_FLOAT_EQ(EvalAt("x^2", 3, 1, &failed), 9.0f);
  EXPECT_FLOAT_EQ(EvalAt("a+1", 3, 2, &failed), 4.0f);
  EXPECT_FALSE(failed);
  EXPECT_EQ(EvalAt("1/0", 3, 1, &failed), 100000.0f);  // zero divisor replaced outside the calculator
  EXPECT_EQ(EvalAt("x", 3, 0, &failed), 0.0f);
  EXPECT_TRUE(failed);
}

TEST(IntegrateTrapezoid, UnsettledRunStopsAfterFifteenPasses) {
  ScopedMessageRecorder rec;
  // With eps 0 the estimates never differ by less: the run ends with the 15th pass,
  // the trapezoid value of 2^15 panels.
  float r = IntegrateTrapezoid(0, 1, 0.0f, "x^2", 1);
  EXPECT_NEAR(r, 1.0 / 3.0, 1e-6);
  // The same for an integrand that jumps about.
  float noisy = IntegrateTrapezoid(0, 1, 1e-12f, "rnd(x)", 1);
  EXPECT_NEAR(noisy, 0.5, 0.05);
  // A tolerance that is no number skips the loop.
  EXPECT_EQ(IntegrateTrapezoid(0, 1, std::numeric_limits<float>::quiet_NaN(), "x", 1), 0.0f);
  EXPECT_TRUE(rec.recorder.messages.empty());
}
