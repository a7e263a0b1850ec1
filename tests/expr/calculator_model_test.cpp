// The calculator without widgets: computations with their messages, the division flag on
// every way out, and editing at the caret.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/calculator_model.h"
#include "expr/expression_parser.h"

using namespace curvanta;
namespace calc = curvanta::calculator;

TEST(CalculatorModel, Computations) {
  struct Case {
    std::u16string text1;
    std::u16string text1After;
    std::u16string text2;
    std::vector<Message> messages;
  };
  const Message invalid{"存在不合法的表达式或数值", "出错", MsgIcon::Error};
  const std::vector<Case> cases = {
      {u"sin(90)", u"sin(90)", u"1", {}},
      {u"cos(60)", u"cos(60)", u"0.4999979", {}},
      {u"u+v", u"u+v", u"2", {}},
      {u"x", u"x", u"0", {}},
      {u"1,5*2", u"1.5*2", u"3", {}},
      {u" 2 ^ 10 ", u"2^10", u"1024", {}},
      {u"1/0", u"1/0", u"", {{"Devision by zero.", "出错", MsgIcon::Error}}},
      {u"asin(1)", u"asin(1)", u"1.570796", {}},
      {u"ctan(0)", u"ctan(0)", u"", {}},      // arithmetic fault: silent
      {u"exp(1000)", u"exp(1000)", u"", {}},  // overflow: silent
      {u"x=1", u"x=1", u"", {invalid}},
      {u"", u"", u"", {invalid}},
      {u"2×3", u"2×3", u"", {invalid}},
      {u"2#3", u"2#3", u"", {invalid}},
      {u"sin()", u"sin()", u"", {{"字符 4：  缺少操作参数", "语法错误", MsgIcon::Error}}},
      {u"hsin()", u"hsin()", u"", {{"字符 1：  没有定义的标记 'hsin'", "语法错误", MsgIcon::Error}}},
      {u"log(0)", u"log(0)", u"", {{"The parameter of function LOG must larger than 0.", "出错", MsgIcon::Error}}},
      {u"123456789", u"123456789", u"1.234568E+08", {}},
  };
  for (const Case& c : cases) {
    ScopedMessageRecorder rec;
    bool flagWhileCleaned = false;
    calc::Outcome out = calc::Compute(c.text1, [&](const std::u16string&) { flagWhileCleaned = DivZeroIsError; });
    const std::string name(c.text1.begin(), c.text1.end());
    EXPECT_EQ(out.text1, c.text1After) << name;
    EXPECT_EQ(out.text2, c.text2) << name;
    EXPECT_EQ(rec.recorder.messages, c.messages) << name;
    EXPECT_FALSE(DivZeroIsError) << name;
    if (c.text1After != c.text1 || !c.text2.empty()) {
      EXPECT_TRUE(flagWhileCleaned) << name;
    }
  }
}

TEST(CalculatorModel, DegreeFactorIsTheShortPi) {
  ScopedMessageRecorder rec;
  calc::Outcome out = calc::Compute(u"sin(30)");
  double v = LeadingNumber(std::string(out.text2.begin(), out.text2.end()));
  EXPECT_NEAR(v, 0.5, 1e-5);
  EXPECT_FLOAT_EQ(float(v), float(std::sin(30 * 3.1416 / 180)));
}

TEST(CalculatorModel, DivisionFlagClearedAfterwards) {
  ScopedMessageRecorder rec;
  calc::Compute(u"1/0");
  EXPECT_EQ(rec.recorder.messages.size(), 1u);
  // Sampling after the calculator replaces the zero divisor again.
  ExpressionEngine parser;
  std::string postfix;
  ASSERT_EQ(parser.InfixToPostfix("1/x", postfix), 0);
  float r = 0;
  VarValues vars;
  ASSERT_TRUE(parser.DoEvaluate(postfix, false, r, vars));
  EXPECT_EQ(r, 100000.0f);
  EXPECT_EQ(rec.recorder.messages.size(), 1u);
}

TEST(CalculatorModel, EditingAtTheCaret) {
  struct Case {
    std::u16string text;
    int32_t caret;
    const char16_t* insert;  // nullptr: "B"
    calc::Edit after;
  };
  const std::vector<Case> cases = {
      {u"12+3", 4, nullptr, {u"12+", 3}},
      {u"12", 1, u"5", {u"152", 2}},
      {u"", 0, u"sin()", {u"sin()", 5}},
      {u"x", 0, u"sin()", {u"sin()x", 5}},
      {u"12", 0, nullptr, {u"12", 0}},   // nothing before the caret
      {u"12", 9, u"3", {u"123", 3}},     // caret past the end
      {u"12", 1, nullptr, {u"2", 0}},
      {u"a\U0001D465b", 3, nullptr, {u"ab", 1}},  // both halves of a surrogate pair
  };
  for (const Case& c : cases) {
    calc::Edit e = c.insert ? calc::InsertAtCaret(c.text, c.caret, c.insert) : calc::Backspace(c.text, c.caret);
    EXPECT_EQ(e, c.after) << std::string(c.text.begin(), c.text.end()) << " at " << c.caret;
  }
}

TEST(CalculatorModel, TemplatesNameFunctionsOfTheLanguage) {
  const auto& list = calc::Templates();
  ASSERT_EQ(list.size(), 28u);
  EXPECT_EQ(list.front(), u"abs()");
  EXPECT_EQ(list[18], u"sinh()");
  EXPECT_EQ(list.back(), u"actanh()");
  for (const std::u16string& t : list) {
    // Each template with an operand computes without a syntax error.
    std::u16string filled = t.substr(0, t.size() - 1) + u"0.5)";
    ScopedMessageRecorder rec;
    calc::Compute(filled);
    for (const Message& m : rec.recorder.messages) EXPECT_NE(m.title, "语法错误") << m.text;
  }
}
