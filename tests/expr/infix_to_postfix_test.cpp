// Conversion of infix text into postfix text: accepted texts, every syntax error with its
// position and message box, and the length and nesting limits.
#include <gtest/gtest.h>

#include <string>

#include "common/message_service.h"
#include "expr/engine_texts.h"
#include "expr/expression_parser.h"

using namespace curvanta;

namespace {

using curvanta::Message;
using curvanta::MsgIcon;
using curvanta::ScopedMessageRecorder;
namespace t = curvanta::texts;

struct Accepted {
  std::string text;
  std::string postfix;
};

TEST(InfixToPostfix, AcceptedTexts) {
  const Accepted cases[] = {
      {"2*sin(x)+1", "2 XX SIN * 1 + "},
      {"x^2+y^2-1", "XX 2 ^ YY 2 ^ + 1 - "},
      {"SIN(X)", "XX SIN "},
      {"sin(x)", "XX SIN "},
      {"Sin(x)", "XX SIN "},
      {"2^3^2", "2 3 ^ 2 ^ "},
      {"-2^2", "2 2 ^ (-) "},
      {"2^-2", "2 2 (-) ^ "},
      {"-2*3", "2 (-) 3 * "},
      {"+x", "XX "},
      {"sin x", "XX SIN "},
      {"sin x^2", "XX SIN 2 ^ "},
      {"sin cos(x)", "XX COS SIN "},
      {"sin -x", "XX (-) SIN "},
      {"asech(x)+1", "XX ASECH 1 + "},
      {"3,5", "3,5 "},
      {".5*5.", ".5 5. * "},
      {"x\t+\ny", "XX YY + "},
      {std::string("x\0+y", 4), "XX YY + "},
      {"", ""},
      {"   ", ""},
      {"((x))", "XX "},
      {"2*-3", "2 3 (-) * "},
      {"(1+2)*(3-4)/5", "1 2 + 3 4 - * 5 / "},
      {"u*v-a/r+b^t", "UU VV * AA RR / - BB TT ^ + "},
      {"-x*y", "XX (-) YY * "},
      {"1-2-3", "1 2 - 3 - "},
      {"8/2/2", "8 2 / 2 / "},
  };
  for (const auto& c : cases) {
    ScopedMessageRecorder rec;
    ExpressionEngine parser;
    std::string out;
    EXPECT_EQ(parser.InfixToPostfix(c.text, out), 0) << c.text;
    EXPECT_EQ(out, c.postfix) << c.text;
    EXPECT_TRUE(rec.recorder.messages.empty()) << c.text;
  }
}

TEST(InfixToPostfix, AppendsToTheBuffer) {
  ExpressionEngine parser;
  std::string out = "1 ";
  EXPECT_EQ(parser.InfixToPostfix("x", out), 0);
  EXPECT_EQ(out, "1 XX ");
}

struct Refused {
  std::string text;
  int32_t position;
  std::string message;
};

TEST(InfixToPostfix, SyntaxErrors) {
  const Refused cases[] = {
      {"2+-3", 2, t::kMissingOperand},
      {"--x", 1, t::kMissingOperand},
      {"+-x", 1, t::kMissingOperand},
      {"sin 2", 4, t::kMissingParen},
      {"x2", 1, t::kMissingOperator},
      {"2x", 1, t::kMissingOperator},
      {"x(2)", 1, t::kMissingOperator},
      {"1.2.3", 1, t::kSeveralPoints},
      {"1,2.3", 1, t::kSeveralPoints},
      {".", 1, t::kIllegalOperand},
      {",", 1, t::kIllegalOperand},
      {"(x", 2, t::kMissingCloseParen},
      {"(", 1, t::kMissingCloseParen},
      {"(1+2", 4, t::kMissingCloseParen},
      {"x)", 1, t::kUnmatchedParen},
      {"x*", 2, t::kMissingOperand},
      {"x*(", 3, t::kMissingOperand},
      {"()", 1, t::kMissingOperand},
      {"sin", 3, t::kMissingOperand},
      {"1+*2", 2, t::kMissingOperand},
      {"*2", 1, t::kMissingOperand},
      {"x=1", 1, t::kUnknownCharacter},
      {"x+y z", 4, t::kMissingOperator},
      {"x+sinx", 2, "没有定义的标记 'sinx'"},
      {"SinX", 1, "没有定义的标记 'SinX'"},
      {"x_1", 1, "没有定义的标记 'x_'"},
      {"1+é", 2, t::kUnknownCharacter},
  };
  for (const auto& c : cases) {
    ScopedMessageRecorder rec;
    ExpressionEngine parser;
    std::string out;
    EXPECT_EQ(parser.InfixToPostfix(c.text, out), c.position) << c.text;
    ASSERT_EQ(rec.recorder.messages.size(), 1u) << c.text;
    const Message expected{"字符 " + std::to_string(c.position) + "：  " + c.message,
                           "语法错误", MsgIcon::Error};
    EXPECT_EQ(rec.recorder.messages[0], expected) << c.text;
    EXPECT_EQ(parser.LastErrorMessage(), c.message) << c.text;
  }
}

TEST(InfixToPostfix, LengthLimit) {
  std::string longest(10000, '1');
  std::string tooLong(10001, '1');
  ScopedMessageRecorder rec;
  ExpressionEngine parser;
  std::string out;
  EXPECT_EQ(parser.InfixToPostfix(longest, out), 0);
  EXPECT_TRUE(rec.recorder.messages.empty());
  out.clear();
  EXPECT_EQ(parser.InfixToPostfix(tooLong, out), 10001);
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "字符 10001：  表达式太长");
  EXPECT_EQ(rec.recorder.messages[0].title, "语法错误");
}

TEST(InfixToPostfix, NestingLimit) {
  // 200 levels are fine; the "(" opening the 201st is refused at its own position.
  const std::string deepest = std::string(200, '(') + "x" + std::string(200, ')');
  ScopedMessageRecorder rec;
  ExpressionEngine parser;
  std::string out;
  EXPECT_EQ(parser.InfixToPostfix(deepest, out), 0);
  EXPECT_EQ(out, "XX ");
  const std::string tooDeep = "1+" + std::string(201, '(') + "x" + std::string(201, ')');
  out.clear();
  EXPECT_EQ(parser.InfixToPostfix(tooDeep, out), 203);
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "字符 203：  括号嵌套太深");
  // Closed levels do not count.
  std::string wide;
  for (int i = 0; i < 300; ++i) wide += "(x)+";
  wide += "1";
  out.clear();
  EXPECT_EQ(parser.InfixToPostfix(wide, out), 0);
}

}  // namespace
