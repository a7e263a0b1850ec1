// The derivative chain on very long and deeply nested expressions: no call-stack recursion,
// and no derivative text beyond the length limit is formed.
#include <gtest/gtest.h>

#include <string>

#include "common/message_service.h"
#include "expr/derivative_text.h"
#include "expr/expression_parser.h"
#include "expr/infix_to_polish.h"

using namespace curvanta;

namespace {

std::string Repeat(const std::string& s, size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t i = text.find(what); i != std::string::npos; i = text.find(what, i + 1)) ++n;
  return n;
}

}  // namespace

TEST(DerivativeLimits, DeepParenthesesDerive) {
  const size_t depth = 200000;
  EXPECT_EQ(DerivativeText(Repeat("(", depth) + "x" + Repeat(")", depth)), "1");
}

TEST(DerivativeLimits, DeepNegationsPrintWithoutRecursion) {
  const size_t depth = 100000;
  std::string e = Repeat("(-", depth) + "x" + Repeat(")", depth);
  std::string d = DerivativeText(e);
  EXPECT_EQ(d.size(), 4 * depth - 1);  // 0-(0-( ... 0-1 ... ))
  EXPECT_EQ(d.substr(0, 7), "0-(0-(0");
  EXPECT_EQ(Count(d, "1"), 1u);
}

TEST(DerivativeLimits, DeepFunctionNesting) {
  // sin(sin(...sin(x)...)): the derivative copies every inner argument, so it grows with
  // the square of the depth.
  const size_t depth = 400;
  std::string e = Repeat("sin(", depth) + "x" + Repeat(")", depth);
  std::string d = DerivativeText(e);
  ASSERT_FALSE(d.empty());
  EXPECT_LE(d.size(), kMaxDerivativeTextLength);
  EXPECT_EQ(Count(d, "cos("), depth);
  EXPECT_EQ(d.substr(0, 9), "1*cos(x)*");
  // Its own derivative would be far longer: not formed, no message.
  curvanta::ScopedMessageRecorder rec;
  EXPECT_EQ(DerivativeText(d), "");
  EXPECT_TRUE(rec.recorder.messages.empty());

  // Ten thousand levels would give some 10^8 characters: not formed, and quickly.
  const size_t deep = 10000;
  EXPECT_EQ(DerivativeText(Repeat("sin(", deep) + "x" + Repeat(")", deep)), "");
}

TEST(DerivativeLimits, LongSumsAndTheirSecondDerivative) {
  const size_t terms = 100000;
  std::string e = "x" + Repeat("+x", terms - 1);
  std::string d1 = DerivativeText(e);
  EXPECT_EQ(d1, "1" + Repeat("+1", terms - 1));
  std::string d2 = DerivativeText(d1);
  EXPECT_EQ(d2, "0" + Repeat("+0", terms - 1));
}

TEST(DerivativeLimits, LimitIsOnTheTokensText) {
  std::string err;
  PolishList sinx = *InfixToPolish("sin(x)", err);  // derivative 1 x cos *: six characters
  EXPECT_EQ(PolishText(Derive(sinx, 6)), "1 x cos *");
  EXPECT_EQ(Derive(sinx, 5).ElementCount(), 0);
  // A part beyond the limit that the result leaves out does not count: (...)^0 gives 0.
  std::string e = "(" + Repeat("sin(", 3000) + "x" + Repeat(")", 3000) + ")^0";
  EXPECT_EQ(DerivativeText(e), "0");
}

TEST(DerivativeLimits, DerivedTextsConvertBeyondTheTypedLimits) {
  // sin nested 150 deep is a legal typed text; its derivative is far longer than 10000
  // characters and x/(x/(...)) nests deeper than 200: both must still convert.
  std::string sinNest = Repeat("sin(", 150) + "x" + Repeat(")", 150);
  std::string divNest = Repeat("x/(", 150) + "x" + Repeat(")", 150);
  for (const std::string& e : {sinNest, divNest}) {
    curvanta::ScopedMessageRecorder rec;
    ExpressionEngine parser;
    std::string typed;
    ASSERT_EQ(parser.InfixToPostfix(e, typed), 0);
    std::string d = DerivativeText(e);
    ASSERT_FALSE(d.empty());
    std::string postfix;
    EXPECT_EQ(parser.InfixToPostfix(d, postfix, kDerivedTextLimits), 0);
    EXPECT_TRUE(rec.recorder.messages.empty());
  }
}

TEST(DerivativeLimits, LimitHoldsForTheFoldedText) {
  // Each -cos(x) derives to a "--" pair that folds to "+": the derivative is formed when the
  // folded text fits, although the text before folding would not.
  const std::string fits = "x" + Repeat("-cos(x)", 85000);
  const std::string d = DerivativeText(fits);
  EXPECT_EQ(d.size(), 935001u);
  EXPECT_EQ(Count(d, "--"), 0u);
  EXPECT_EQ(Count(d, "sin(x)"), 85000u);
  // 95,000 terms fold to 1,045,001 characters: still too long.
  EXPECT_EQ(DerivativeText("x" + Repeat("-cos(x)", 95000)), "");
}
