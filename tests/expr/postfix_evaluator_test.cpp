// Evaluation of postfix text: values, degree mode, the domain messages, the raised errors
// and arithmetic faults, the value stack and the compiled form.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "expr/engine_texts.h"
#include "expr/expression_parser.h"
#include "expr/random_sequence.h"
#include "expr/value_stack.h"

using namespace curvanta;

namespace {

using curvanta::ArithmeticError;
using curvanta::ArithmeticFault;
using curvanta::EngineError;
using curvanta::Message;
using curvanta::MsgIcon;
using curvanta::ScopedMessageRecorder;
namespace t = curvanta::texts;

class Evaluate : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    curvanta::ResetRandomSequence();
  }
  void TearDown() override { ResetGlobals(); }

  // Converts `infix` (which must be valid) and evaluates it.
  std::optional<float> Eval(const std::string& infix, bool degree = false, VarValues v = {}) {
    std::string postfix;
    EXPECT_EQ(parser.InfixToPostfix(infix, postfix), 0) << infix;
    float result = -12345;
    if (!parser.DoEvaluate(postfix, degree, result, v)) {
      EXPECT_EQ(result, -12345) << "result changed on failure: " << infix;
      return std::nullopt;
    }
    return result;
  }

  ScopedMessageRecorder rec;
  ExpressionEngine parser;
};

TEST_F(Evaluate, Values) {
  const double pi = std::acos(-1.0);
  struct Case {
    std::string text;
    bool degree;
    float x;
    float expected;
  };
  const Case cases[] = {
      {"2*sin(x)+1", false, 0, 1},
      {"2*sin(x)+1", false, float(pi / 2), 3},
      {"sin(90)", true, 0, 1.0f},
      {"cos(60)", true, 0, 0.4999979f},
      {"asin(0.5)", false, 0, 0.5235988f},
      {"asin(0.5)", true, 0, 0.5235988f},
      {"atn(1)", true, 0, 0.7853982f},
      {"actan(0)", false, 0, 1.570796f},
      {"actan(1)", false, 0, 0.7853982f},
      {"1/0", false, 0, 100000},
      {"0/0", false, 0, 0},
      {"sqr(0)", false, 0, 0},
      {"int(-2.5)", false, 0, -3},
      {"int(2.5)", false, 0, 2},
      {"abs(-2)", false, 0, 2},
      {"3,5", false, 0, 3.5f},
      {"-2^2", false, 0, -4},
      {"2^-2", false, 0, 0.25f},
      {"2^3^2", false, 0, 64},
      {"(0-2)^3", false, 0, -8},
      {"0^0", false, 0, 1},
      {"2^0.5", false, 0, 1.414214f},
      {"x^10", false, 1.5f, 57.66504f},
      {"x^-3", false, 2, 0.125f},
      {"asin(1)", false, 0, 1.570796f},
      {"asin(-1)", false, 0, -1.570796f},
      {"acos(1)", false, 0, 0},
      {"acos(-1)", false, 0, 3.141593f},
      {"acos(0.5)", false, 0, 1.047198f},
      {"asec(2)", false, 0, 1.047198f},
      {"asec(-2)", false, 0, 2.094395f},
      {"acsec(2)", false, 0, 0.5235988f},
      {"acsec(-2)", false, 0, -0.5235988f},
      {"asec(2)", true, 0, 1.047198f},  // inverse functions ignore degree mode
      {"acos(0)", true, 0, 1.570796f},
      {"sinh(1)", true, 0, 1.175201f},
      {"tan(45)", true, 0, 1.000004f},
      {"sec(60)", true, 0, 2.000008f},
      {"csec(30)", true, 0, 1.999996f},
      {"ctan(45)", true, 0, 0.9999963f},
      {"sinh(1)", false, 0, 1.175201f},
      {"cosh(1)", false, 0, 1.543081f},
      {"tanh(1)", false, 0, 0.7615942f},
      {"ctanh(1)", false, 0, 1.313035f},
      {"sech(1)", false, 0, 0.6480543f},
      {"csech(1)", false, 0, 0.8509181f},
      {"asinh(1)", false, 0, 0.8813736f},
      {"asinh(-1000000000)", false, 0, -21.41641f},
      {"acosh(2)", false, 0, 1.316958f},
      {"atanh(0.5)", false, 0, 0.5493061f},
      {"asech(0.5)", false, 0, 1.316958f},
      {"acsech(2)", false, 0, 0.4812118f},
      {"acsech(-2)", false, 0, -0.4812118f},
      {"acsech(-0.000000001)", false, 0, -21.41641f},
      {"actanh(2)", false, 0, 0.5493061f},
      {"tanh(1000)", false, 0, 1},  // where e^x overflows
      {"ctanh(0-1000)", false, 0, -1},
      {"sech(800)", false, 0, 0},
      {"csech(800)", false, 0, 0},
      {"actan(6000000000000000)", false, 0, 1.666667e-16f},
      {"log(exp(2))", false, 0, 2},
      {"exp(-1000)", false, 0, 0},  // underflow is no fault
      {"exp(400)^-2", false, 0, 0},  // a power beyond the double range, inverted
      {"x^-16", false, 1e38f, 0},
      {"0." + std::string(400, '0') + "1", false, 0, 0},  // a number below the double range
  };
  for (const auto& c : cases) {
    VarValues v;
    v.X = c.x;
    auto r = Eval(c.text, c.degree, v);
    ASSERT_TRUE(r.has_value()) << c.text;
    EXPECT_NEAR(*r, c.expected, std::fabs(c.expected) * 1e-6f + 1e-30f)
        << c.text << (c.degree ? " (degrees)" : "");
  }
  EXPECT_TRUE(rec.recorder.messages.empty());
}

TEST_F(Evaluate, SinOf90DegreesIsExactlyOne) { EXPECT_EQ(Eval("sin(90)", true), 1.0f); }

TEST_F(Evaluate, VariablesByName) {
  VarValues v{1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(Eval("u+10*v+100*x+1000*y", false, v), 4321.0f);
  EXPECT_EQ(Eval("a+10*r+100*b+1000*t", false, v), 8765.0f);
  std::string postfix;
  ASSERT_EQ(parser.InfixToPostfix("u-v*x/y+a-r*b-t", postfix), 0);
  float positional = 0, named = 0;
  ASSERT_TRUE(parser.DoEvaluate(postfix, false, positional, 1, 2, 3, 4, 5, 6, 7, 8));
  ASSERT_TRUE(parser.DoEvaluate(postfix, false, named, v));
  EXPECT_EQ(positional, named);
  EXPECT_FLOAT_EQ(named, 1 - 2 * 3 / 4.0f + 5 - 6 * 7 - 8);
}

TEST_F(Evaluate, DomainMessages) {
  struct Case {
    std::string text;
    bool divZeroIsError;
    const char* message;
  };
  const Case cases[] = {
      {"1/0", true, t::kDivisionByZero},
      {"x/(x-x)", true, t::kDivisionByZero},
      {"1/x", true, t::kDivisionByZero},
      {"0/0", true, t::kDivisionByZero},
      {"log(0)", false, t::kLogDomain},
      {"log(-1)", false, t::kLogDomain},
      {"sqr(-1)", false, t::kSqrDomain},
      {"1+sqr(0-0.5)*2", false, t::kSqrDomain},
  };
  for (const auto& c : cases) {
    rec.recorder.clear();
    DivZeroIsError = c.divZeroIsError;
    EXPECT_FALSE(Eval(c.text).has_value()) << c.text;
    ASSERT_EQ(rec.recorder.messages.size(), 1u) << c.text;
    EXPECT_EQ(rec.recorder.messages[0], (Message{c.message, "出错", MsgIcon::Error})) << c.text;
  }
}

TEST_F(Evaluate, ArithmeticFaults) {
  struct Case {
    std::string text;
    ArithmeticFault fault;
  };
  const Case cases[] = {
      {"asin(2)", ArithmeticFault::InvalidOperation},
      {"acos(2)", ArithmeticFault::InvalidOperation},
      {"acosh(0.5)", ArithmeticFault::InvalidOperation},
      {"atanh(2)", ArithmeticFault::InvalidOperation},
      {"asec(0.5)", ArithmeticFault::InvalidOperation},
      {"acsec(0-0.5)", ArithmeticFault::InvalidOperation},
      {"ctan(0)", ArithmeticFault::DivisionByZero},
      {"csec(0)", ArithmeticFault::DivisionByZero},
      {"ctanh(0)", ArithmeticFault::DivisionByZero},
      {"csech(0)", ArithmeticFault::DivisionByZero},
      {"atanh(1)", ArithmeticFault::DivisionByZero},
      {"actanh(1)", ArithmeticFault::DivisionByZero},
      {"asech(0)", ArithmeticFault::DivisionByZero},
      {"acsech(0)", ArithmeticFault::DivisionByZero},
      {"0^(0-1)", ArithmeticFault::DivisionByZero},
      {"exp(1000)", ArithmeticFault::Overflow},
      {"exp(89)", ArithmeticFault::Overflow},  // beyond the float range at the end
      {"sinh(100)", ArithmeticFault::Overflow},  // beyond the float range at the end
      {"cosh(0-100)", ArithmeticFault::Overflow},
      {"sinh(800)", ArithmeticFault::Overflow},  // beyond the double range
      {"atanh(0-1)", ArithmeticFault::InvalidOperation},
      {"actanh(0-1)", ArithmeticFault::InvalidOperation},
      {"actanh(0.5)", ArithmeticFault::InvalidOperation},
      {"acosh(0-2)", ArithmeticFault::InvalidOperation},
      {"asech(2)", ArithmeticFault::InvalidOperation},
      {"asech(0-0.5)", ArithmeticFault::InvalidOperation},
      {"10^300*10^300", ArithmeticFault::Overflow},
      {"2^2000", ArithmeticFault::Overflow},
      {"(1/exp(400))^-2", ArithmeticFault::Overflow},
      {"1" + std::string(400, '0'), ArithmeticFault::Overflow},
      {"1/0.000000000000000000000000000000000000001", ArithmeticFault::Overflow},
      {"(0-8)^(1/3)", ArithmeticFault::InvalidPower},
  };
  for (const auto& c : cases) {
    std::string postfix;
    ASSERT_EQ(parser.InfixToPostfix(c.text, postfix), 0) << c.text;
    float result = 7;
    try {
      parser.DoEvaluate(postfix, false, result, VarValues{});
      ADD_FAILURE() << c.text << " gave no fault";
    } catch (const ArithmeticError& e) {
      EXPECT_EQ(e.fault(), c.fault) << c.text;
    }
    EXPECT_EQ(result, 7) << c.text;
  }
  EXPECT_TRUE(rec.recorder.messages.empty());
}

TEST_F(Evaluate, DivisionByZeroIsReplacedOnlyForTheOperator) {
  EXPECT_EQ(Eval("1/(x-x)"), 100000.0f);
  DivZeroIsError = true;
  EXPECT_THROW(Eval("ctan(0)"), ArithmeticError);  // a zero inside a formula is a fault
  EXPECT_TRUE(rec.recorder.messages.empty());
}

TEST_F(Evaluate, HandWrittenPostfix) {
  float r = 0;
  EXPECT_TRUE(parser.DoEvaluate("3,5 ", false, r, VarValues{}));
  EXPECT_EQ(r, 3.5f);
  EXPECT_TRUE(parser.DoEvaluate(".5 ", false, r, VarValues{}));
  EXPECT_EQ(r, 0.5f);
  EXPECT_TRUE(parser.DoEvaluate(",5 ", false, r, VarValues{}));
  EXPECT_EQ(r, 0.5f);
  EXPECT_TRUE(parser.DoEvaluate("1 2 ", false, r, VarValues{}));
  EXPECT_EQ(r, 2.0f);
  EXPECT_TRUE(parser.DoEvaluate("4 XX", false, r, VarValues{}));  // text after the last blank
  EXPECT_EQ(r, 4.0f);
  r = 9;
  EXPECT_FALSE(parser.DoEvaluate("", false, r, VarValues{}));
  EXPECT_FALSE(parser.DoEvaluate("XX", false, r, VarValues{}));
  EXPECT_EQ(r, 9.0f);
  EXPECT_TRUE(rec.recorder.messages.empty());
}

TEST_F(Evaluate, RaisedErrors) {
  struct Case {
    std::string postfix;
    uint32_t code;
    std::string text;
  };
  const Case cases[] = {
      {"XX sin ", curvanta::kErrUnknownToken, "存在无法识别的操作元素 sin"},
      {"1  2 + ", curvanta::kErrUnknownToken, "存在无法识别的操作元素 "},
      {"1 x ", curvanta::kErrUnknownToken, "存在无法识别的操作元素 x"},
      {"1 + ", curvanta::kErrPopEmpty, t::kPopEmpty},
      {"SIN ", curvanta::kErrPopEmpty, t::kPopEmpty},
      {"(-) ", curvanta::kErrPopEmpty, t::kPopEmpty},
  };
  for (const auto& c : cases) {
    float r = 3;
    try {
      parser.DoEvaluate(c.postfix, false, r, VarValues{});
      ADD_FAILURE() << c.postfix << " raised nothing";
    } catch (const EngineError& e) {
      EXPECT_EQ(e.code(), c.code) << c.postfix;
      EXPECT_EQ(std::string(e.what()), c.text) << c.postfix;
    }
    EXPECT_EQ(r, 3.0f);
  }
}

TEST_F(Evaluate, ErrorsComeInTextOrder) {
  // A domain message before an unrecognised token ends the evaluation first; a fault
  // before it is raised first.
  float r = 0;
  EXPECT_FALSE(parser.DoEvaluate("0 LOG bad ", false, r, VarValues{}));
  EXPECT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_THROW(parser.DoEvaluate("0 CTAN bad ", false, r, VarValues{}), ArithmeticError);
  EXPECT_THROW(parser.DoEvaluate("2 SQR bad ", false, r, VarValues{}), EngineError);
}

TEST_F(Evaluate, RandomNumbers) {
  float first = 0;
  for (int i = 0; i < 1000; ++i) {
    auto r = Eval("rnd(5)");
    ASSERT_TRUE(r.has_value());
    EXPECT_GE(*r, 0.0f);
    EXPECT_LT(*r, 1.0f);
    if (i == 0) first = *r;
  }
  curvanta::ResetRandomSequence();
  EXPECT_EQ(Eval("rnd(-7)"), first);  // same sequence after a reset, operand ignored
  ExpressionEngine other;
  std::string postfix;
  ASSERT_EQ(other.InfixToPostfix("rnd(1)", postfix), 0);
  float second = 0;
  ASSERT_TRUE(other.DoEvaluate(postfix, false, second, VarValues{}));
  EXPECT_NE(second, first);  // one sequence shared by every evaluator
}

TEST_F(Evaluate, CompiledProgramAgreesWithDoEvaluate) {
  std::string postfix;
  ASSERT_EQ(parser.InfixToPostfix("x^2+y^2-1+0*t", postfix), 0);
  const PostfixProgram program = PostfixProgram::Compile(postfix);
  EXPECT_TRUE(program.UsesVariable('X'));
  EXPECT_TRUE(program.UsesVariable('Y'));
  EXPECT_TRUE(program.UsesVariable('T'));
  EXPECT_FALSE(program.UsesVariable('A'));
  EXPECT_FALSE(program.UsesVariable('x'));
  for (float x = -3; x <= 3; x += 0.25f) {
    VarValues v;
    v.X = x;
    v.Y = 1 - x;
    float a = 0, b = 0;
    ASSERT_TRUE(program.Evaluate(false, a, v));
    ASSERT_TRUE(parser.DoEvaluate(postfix, false, b, v));
    EXPECT_EQ(a, b);
  }
  EXPECT_TRUE(PostfixProgram::Compile("").IsEmpty());
  float r = 0;
  EXPECT_FALSE(PostfixProgram::Compile("").Evaluate(false, r, VarValues{}));
}

TEST_F(Evaluate, CacheKeepsTextsApart) {
  // More distinct texts than the cache holds, interleaved: each keeps its own value.
  std::string texts[12];
  for (int i = 0; i < 12; ++i) ASSERT_EQ(parser.InfixToPostfix("x+" + std::to_string(i), texts[i]), 0);
  for (int round = 0; round < 3; ++round)
    for (int i = 0; i < 12; ++i) {
      float r = 0;
      VarValues v;
      v.X = float(round);
      ASSERT_TRUE(parser.DoEvaluate(texts[i], false, r, v));
      EXPECT_EQ(r, float(round + i));
    }
  ExpressionEngine copy = parser;
  float r = 0;
  ASSERT_TRUE(copy.DoEvaluate(texts[3], false, r, VarValues{}));
  EXPECT_EQ(r, 3.0f);
}

TEST_F(Evaluate, TextsOfOneLengthDifferingInOneDigitAreApart) {
  // "1 + 1 + ... + 1" with one 1 turned into a 2, at every position, for lengths around the
  // eight-byte steps of the comparison: evaluated one after the other, each gives its sum.
  for (int terms = 1; terms <= 9; ++terms) {
    std::string base;
    for (int k = 0; k < terms; ++k) base += k == 0 ? "1 " : "1 + ";
    for (size_t at = 0; at < base.size(); ++at) {
      if (base[at] != '1') continue;
      std::string text = base;
      text[at] = '2';
      float plain = 0, changed = 0;
      ASSERT_TRUE(parser.DoEvaluate(base, false, plain, VarValues{}));
      ASSERT_TRUE(parser.DoEvaluate(text, false, changed, VarValues{}));
      EXPECT_EQ(plain, float(terms)) << base;
      EXPECT_EQ(changed, float(terms + 1)) << text;
    }
  }
}

TEST_F(Evaluate, DeepExpressions) {
  // A deep stack (beyond any small fixed buffer) and long sums.
  std::string deep = std::string(200, '(') + "x";
  for (int i = 0; i < 200; ++i) deep += "+1)";
  VarValues v;
  v.X = 0.5f;
  EXPECT_EQ(Eval(deep, false, v), 200.5f);
  std::string rightHeavy = "x";
  for (int i = 0; i < 150; ++i) rightHeavy = "1+(" + rightHeavy + ")" ;
  std::string nested;
  for (int i = 0; i < 190; ++i) nested += "1+(";
  nested += "x";
  nested += std::string(190, ')');
  EXPECT_EQ(Eval(nested, false, v), 190.5f);
}

TEST(ValueStack, GrowsByTenAndRaisesWhenEmpty) {
  ValueStack<double> stack;
  EXPECT_EQ(stack.Capacity(), 0);
  for (int i = 1; i <= 11; ++i) stack.Push(i);
  EXPECT_EQ(stack.StackSize(), 11);
  EXPECT_EQ(stack.Capacity(), 20);
  EXPECT_EQ(stack.GetPopValue(), 11.0);
  EXPECT_EQ(stack.StackSize(), 11);
  for (int i = 11; i >= 1; --i) EXPECT_EQ(stack.Pop(), double(i));
  EXPECT_EQ(stack.Capacity(), 20);  // never shrinks
  try {
    stack.Pop();
    ADD_FAILURE();
  } catch (const EngineError& e) {
    EXPECT_EQ(e.code(), 0x800403F3u);
    EXPECT_EQ(std::string(e.what()), "试图在空栈上调用pop方法");
  }
  try {
    stack.GetPopValue();
    ADD_FAILURE();
  } catch (const EngineError& e) {
    EXPECT_EQ(e.code(), 0x800403F4u);
    EXPECT_EQ(std::string(e.what()), "试图在空栈上调用GetPopValue方法");
  }
  ValueStack<std::string> strings;
  strings.Push("(");
  std::string s = "x";
  strings.Push(s);
  s = "changed";
  EXPECT_EQ(strings.Pop(), "x");  // a copy was pushed
}

}  // namespace
