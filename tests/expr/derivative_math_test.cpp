// Derivative texts checked against mathematics: for random expressions of the derivative
// language, the evaluated first and second derivative texts agree with central finite
// differences of the expression, computed independently in double precision.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "common/errors.h"
#include "common/message_service.h"
#include "expr/derivative_text.h"
#include "expr/expression_parser.h"

using namespace curvanta;

namespace {

const float kT = 0.7f;  // the value of the constant t

struct Expr {
  enum Kind { Var, Const, Num, Bin, Fun, Neg } kind;
  std::string text;  // number text, function name or operator
  double value = 0;  // number value
  std::unique_ptr<Expr> a, b;
};
using P = std::unique_ptr<Expr>;

const char* const kFunctions[] = {"exp",  "sqr",   "log",   "sin",   "cos",   "tan",    "ctan",   "sec",
                                  "csec", "asin",  "acos",  "atn",   "atan",  "actan",  "sinh",   "cosh",
                                  "tanh", "ctanh", "sech",  "csech", "asinh", "acosh",  "atanh",  "asech",
                                  "acsech", "actanh", "abs"};

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}

  P Make(int depth) {
    uint32_t r = Pick(100);
    if (depth <= 0 || r < 20) return Leaf();
    if (r < 45) return Function(depth);
    if (r < 52) {
      P e = Node(Expr::Neg, "-");
      e->a = Make(depth - 1);
      return e;
    }
    static const char* const ops[] = {"+", "-", "*", "/", "^"};
    const char* op = ops[Pick(5)];
    P e = Node(Expr::Bin, op);
    e->a = Make(depth - 1);
    if (std::string(op) == "^" && Pick(4) != 0) {
      static const char* const exps[] = {"2", "3", "0.5", "1.5", "4"};
      const char* t = exps[Pick(5)];
      e->b = Number(t, std::stod(t));
    } else {
      e->b = Make(depth - 1);
    }
    return e;
  }

 private:
  uint32_t Pick(uint32_t n) { return uint32_t(rng_() % n); }
  static P Node(Expr::Kind k, std::string text) {
    P e = std::make_unique<Expr>();
    e->kind = k;
    e->text = std::move(text);
    return e;
  }
  static P Number(const char* text, double value) {
    P e = Node(Expr::Num, text);
    e->value = value;
    return e;
  }
  P Leaf() {
    uint32_t r = Pick(10);
    if (r < 6) return Node(Expr::Var, "x");
    if (r == 6) return Node(Expr::Const, "t");
    static const struct {
      const char* text;
      double value;
    } nums[] = {{"2", 2}, {"3", 3}, {"0.5", 0.5}, {"1.5", 1.5}, {"3,5", 3.5}, {".25", 0.25}};
    auto n = nums[Pick(6)];
    return Number(n.text, n.value);
  }
  P Function(int depth) {
    P e = Node(Expr::Fun, kFunctions[Pick(sizeof kFunctions / sizeof *kFunctions)]);
    e->a = Make(depth - 1);
    return e;
  }
  std::mt19937 rng_;
};

int Rank(const Expr& e) {
  if (e.kind != Expr::Bin) return 5;
  if (e.text == "+" || e.text == "-") return 1;
  if (e.text == "*" || e.text == "/") return 2;
  return 3;
}

// Prints with the parentheses the ranks need (all operators left-associative), and a few more.
void Print(const Expr& e, std::string& out, std::mt19937& rng) {
  auto operand = [&](const Expr& c, bool paren) {
    paren = paren || rng() % 8 == 0;
    if (paren) out += "(";
    Print(c, out, rng);
    if (paren) out += ")";
  };
  switch (e.kind) {
    case Expr::Var:
    case Expr::Const:
    case Expr::Num:
      out += e.text;
      break;
    case Expr::Fun:
      out += e.text + "(";
      Print(*e.a, out, rng);
      out += ")";
      break;
    case Expr::Neg:
      out += "(-";
      operand(*e.a, e.a->kind == Expr::Bin);
      out += ")";
      break;
    case Expr::Bin:
      operand(*e.a, Rank(*e.a) < Rank(e));
      out += e.text;
      operand(*e.b, Rank(*e.b) <= Rank(e));
      break;
  }
}

// The value in double precision by the evaluator's definitions; NaN where undefined or where
// a divisor comes close to 0 (the evaluator would replace an exact 0).
double Eval(const Expr& e, double x) {
  const double nan = std::nan("");
  switch (e.kind) {
    case Expr::Var: return x;
    case Expr::Const: return double(kT);
    case Expr::Num: return e.value;
    case Expr::Neg: return -Eval(*e.a, x);
    case Expr::Bin: {
      double l = Eval(*e.a, x), r = Eval(*e.b, x);
      switch (e.text[0]) {
        case '+': return l + r;
        case '-': return l - r;
        case '*': return l * r;
        case '/': return std::fabs(r) < 1e-9 ? nan : l / r;
        default:
          if (l == 0 && r <= 0) return nan;
          return std::pow(l, r);
      }
    }
    case Expr::Fun: break;
  }
  const double u = Eval(*e.a, x);
  const std::string& f = e.text;
  auto inv = [&](double d) { return std::fabs(d) < 1e-9 ? nan : 1 / d; };
  if (f == "exp") return std::exp(u);
  if (f == "sqr") return u < 0 ? nan : std::sqrt(u);
  if (f == "log") return u <= 0 ? nan : std::log(u);
  if (f == "sin") return std::sin(u);
  if (f == "cos") return std::cos(u);
  if (f == "tan") return std::tan(u);
  if (f == "ctan") return inv(std::tan(u));
  if (f == "sec") return inv(std::cos(u));
  if (f == "csec") return inv(std::sin(u));
  if (f == "asin") return std::fabs(u) >= 1 ? nan : std::asin(u);
  if (f == "acos") return std::fabs(u) >= 1 ? nan : std::acos(u);
  if (f == "atn" || f == "atan") return std::atan(u);
  if (f == "actan") return M_PI / 2 - std::atan(u);
  if (f == "sinh") return std::sinh(u);
  if (f == "cosh") return std::cosh(u);
  if (f == "tanh") return std::tanh(u);
  if (f == "ctanh") return inv(std::tanh(u));
  if (f == "sech") return 1 / std::cosh(u);
  if (f == "csech") return inv(std::sinh(u));
  if (f == "asinh") return std::asinh(u);
  if (f == "acosh") return u <= 1 ? nan : std::acosh(u);
  if (f == "atanh") return std::fabs(u) >= 1 ? nan : std::atanh(u);
  if (f == "actanh") return std::fabs(u) <= 1 ? nan : 0.5 * std::log((u + 1) / (u - 1));
  if (f == "asech") return (u <= 0 || u >= 1) ? nan : std::log((std::sqrt(1 - u * u) + 1) / u);
  if (f == "acsech") return u == 0 ? nan : std::asinh(1 / u);
  if (f == "abs") return std::fabs(u);
  return nan;
}

bool Usable(double v) { return std::isfinite(v) && std::fabs(v) < 1e6; }

// Central differences of the first and second derivative, or NaN where the expression is
// not smooth enough around x for them to be trusted.
double FirstDifference(const Expr& e, double x, double h) {
  double p = Eval(e, x + h), m = Eval(e, x - h);
  return Usable(p) && Usable(m) ? (p - m) / (2 * h) : std::nan("");
}
double SecondDifference(const Expr& e, double x, double h) {
  double p = Eval(e, x + h), c = Eval(e, x), m = Eval(e, x - h);
  return Usable(p) && Usable(c) && Usable(m) ? (p - 2 * c + m) / (h * h) : std::nan("");
}

double Trusted(double fine, double coarse, double agreement) {
  if (!Usable(fine) || !Usable(coarse)) return std::nan("");
  if (std::fabs(fine - coarse) > agreement * (1 + std::fabs(fine))) return std::nan("");
  return fine;
}

struct Evaluator {
  ExpressionEngine parser;
  std::string postfix;
  bool converted = false;
  explicit Evaluator(const std::string& text) { converted = parser.InfixToPostfix(text, postfix) == 0; }
  // The value at x, or NaN where the evaluation does not give one.
  double At(float x) {
    VarValues vars;
    vars.X = x;
    vars.T = kT;
    float r = 0;
    try {
      if (parser.DoEvaluate(postfix, false, r, vars)) return r;
    } catch (const ArithmeticError&) {
    }
    return std::nan("");
  }
};

struct Tally {
  int checked = 0, skipped = 0, tooLongToRead = 0;
};

void CheckDerivatives(uint32_t seed, int expressions, int depth, Tally& first, Tally& second) {
  Generator gen(seed);
  std::mt19937 rng(seed + 1);
  for (int k = 0; k < expressions; ++k) {
    P e = gen.Make(depth);
    std::string text;
    Print(*e, text, rng);

    ScopedMessageRecorder rec;
    const std::string d1 = DerivativeText(text);
    const std::string d2 = DerivativeText(d1);
    ASSERT_FALSE(d1.empty()) << text;
    ASSERT_FALSE(d2.empty()) << text;
    ASSERT_TRUE(rec.recorder.messages.empty()) << text << ": " << rec.recorder.messages[0].text;
    EXPECT_EQ(d1.find("+-"), std::string::npos) << d1;
    EXPECT_EQ(d1.find("--"), std::string::npos) << d1;

    // Texts beyond the evaluator's input limit are the limit's business, not the chain's.
    Evaluator sym1(d1), sym2(d2);
    if (d1.size() > 10000) ++first.tooLongToRead;
    else ASSERT_TRUE(sym1.converted) << text << " -> " << d1;
    if (d2.size() > 10000) ++second.tooLongToRead;
    else ASSERT_TRUE(sym2.converted) << text << " -> " << d2;
    rec.recorder.clear();

    for (int p = 0; p < 5; ++p) {
      const float x = float(int(rng() % 6001) - 3000) / 1000.0f;
      const double xd = x, h = 1e-5 * std::max(1.0, std::fabs(xd));
      const double fd1 = Trusted(FirstDifference(*e, xd, h), FirstDifference(*e, xd, 2 * h), 1e-6);
      const double s1 = sym1.converted ? sym1.At(x) : std::nan("");
      if (std::isfinite(fd1) && std::isfinite(s1)) {
        ++first.checked;
        EXPECT_NEAR(s1, fd1, 1e-4 * (1 + std::fabs(fd1))) << text << "\n d/dx = " << d1 << "\n x = " << x;
      } else {
        ++first.skipped;
      }
      const double h2 = 1e-3 * std::max(1.0, std::fabs(xd));
      const double fd2 = Trusted(SecondDifference(*e, xd, h2), SecondDifference(*e, xd, 2 * h2), 1e-4);
      const double s2 = sym2.converted ? sym2.At(x) : std::nan("");
      if (std::isfinite(fd2) && std::isfinite(s2)) {
        ++second.checked;
        EXPECT_NEAR(s2, fd2, 2e-3 * (1 + std::fabs(fd2))) << text << "\n d2/dx2 = " << d2 << "\n x = " << x;
      } else {
        ++second.skipped;
      }
    }
  }
}

}  // namespace

TEST(DerivativeMath, RandomExpressionsAgreeWithFiniteDifferences) {
  Tally first, second;
  for (uint32_t seed : {11u, 2024u, 77777u}) CheckDerivatives(seed, 120, 4, first, second);
  // Most points are smooth enough to be compared.
  EXPECT_GT(first.checked, 1000) << first.skipped;
  EXPECT_GT(second.checked, 800) << second.skipped;
  RecordProperty("first_checked", first.checked);
  RecordProperty("second_checked", second.checked);
  RecordProperty("second_too_long", second.tooLongToRead);
}

// Where a hyperbolic function is flat, its derivative is a number close to 0: the derivative
// text evaluates there to the closed form (long double), as the function itself does.
TEST(DerivativeMath, HyperbolicDerivativesEvaluateWhereTheFunctionIsFlat) {
  using Real = long double;
  struct Case {
    const char* expression;
    Real (*derivative)(Real);
  };
  const Case cases[] = {
      {"tanh(x)", [](Real x) { return 1 / (coshl(x) * coshl(x)); }},
      {"ctanh(x)", [](Real x) { return -1 / (sinhl(x) * sinhl(x)); }},
      {"sech(x)", [](Real x) { return -tanhl(x) / coshl(x); }},
      {"csech(x)", [](Real x) { return -coshl(x) / (sinhl(x) * sinhl(x)); }},
  };
  ScopedMessageRecorder rec;
  ExpressionEngine engine;
  for (const Case& c : cases) {
    const std::string text = DerivativeText(c.expression);
    std::string postfix;
    ASSERT_EQ(engine.InfixToPostfix(text, postfix), 0) << text;
    for (float x : {-1000.0f, -400.0f, -3.0f, 0.5f, 40.0f, 400.0f, 1000.0f}) {
      SCOPED_TRACE(std::string(c.expression) + " -> " + text + " at " + std::to_string(x));
      VarValues v;
      v.X = x;
      float got = 0;
      try {
        ASSERT_TRUE(engine.DoEvaluate(postfix, false, got, v));
      } catch (const ArithmeticError& e) {
        ADD_FAILURE() << "fault " << int(e.fault());
        continue;
      }
      const Real want = c.derivative(x);
      EXPECT_LE(fabsl(got - want) / fmaxl(fabsl(want), Real(FLT_MIN)), 1e-6L)
          << got << " " << double(want);
    }
  }
  EXPECT_TRUE(rec.recorder.messages.empty());
}
