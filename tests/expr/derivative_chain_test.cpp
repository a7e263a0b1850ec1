// The derivative chain by its tables: token list, conversion, rules, printing, folding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/derivative_text.h"
#include "expr/infix_to_polish.h"

using namespace curvanta;

namespace {

// A list from blank-separated token texts, ranks by class.
PolishList Tokens(const std::string& text) {
  PolishList l;
  size_t i = 0;
  while (i < text.size()) {
    size_t j = text.find(' ', i);
    if (j == std::string::npos) j = text.size();
    std::string t = text.substr(i, j - i);
    int16_t rank = PolishRank::Operand;
    if (t == "+" || t == "-") rank = PolishRank::AddSub;
    else if (t == "*" || t == "/") rank = PolishRank::MulDiv;
    else if (t == "^") rank = PolishRank::Power;
    else if (t == "(") rank = PolishRank::Open;
    else if (t == ")") rank = PolishRank::Close;
    else if (t.size() > 1 && !IsAsciiDigit(t[0]) && t[0] != '-' && t[0] != '.') rank = PolishRank::Function;
    l.Append(rank, t);
    i = j + 1;
  }
  return l;
}

std::string Ranks(const PolishList& l) {
  std::string s;
  for (const auto& t : l.Tokens()) s += char('0' + t.Rank);
  return s;
}

}  // namespace

TEST(PolishList, PushKillAndReads) {
  PolishList l;
  l.Push(0, 5, "x");
  l.Push(1, 5, "y");  // at the count: appends
  l.Push(0, 5, "a");  // at 0: in front
  EXPECT_EQ(PolishText(l), "a x y");
  l.Push(3, 1, "+");
  EXPECT_EQ(l.GetRank(3), 1);
  EXPECT_EQ(l.GetData(1), "x");
  l.Kill(1, 2);
  EXPECT_EQ(PolishText(l), "a +");
  l.Kill(0, l.ElementCount());
  EXPECT_EQ(l.ElementCount(), 0);
  EXPECT_THROW(l.GetData(0), std::out_of_range);
  EXPECT_THROW(l.Push(2, 5, "x"), std::out_of_range);
  EXPECT_THROW(l.Kill(0, 1), std::out_of_range);
}

TEST(PolishList, OperandOfSubPolishJoinPolish) {
  PolishList l = Tokens("x y + x *");
  EXPECT_EQ(PolishText(OperandOf(l, 4, 2)), "x y +");
  EXPECT_EQ(PolishText(OperandOf(l, 4, 1)), "x");
  EXPECT_EQ(PolishText(OperandOf(Tokens("x sin"), 1, 1)), "x");
  EXPECT_EQ(PolishText(OperandOf(Tokens("x 2 ^ sin y *"), 5, 2)), "x 2 ^ sin");
  EXPECT_THROW(OperandOf(Tokens("x +"), 1, 2), std::out_of_range);
  EXPECT_EQ(SubPolish(l, 3, 2).ElementCount(), 0);
  EXPECT_EQ(PolishText(SubPolish(l, 1, 3)), "y + x");
  PolishList e1, e2;
  EXPECT_EQ(JoinPolish({&e1, &e2}).ElementCount(), 0);
  EXPECT_EQ(PolishText(JoinPolish({&l, &e1, &l})), "x y + x * x y + x *");
}

TEST(InfixToPolish, AcceptedTexts) {
  struct Case {
    const char* text;
    const char* list;
    const char* ranks;
  };
  const Case cases[] = {
      {"x^2", "x 2 ^", "553"},
      {"sin(x)^2", "x sin 2 ^", "5453"},
      {"2^3^2", "2 3 ^ 2 ^", "55353"},
      {"(x+y)*x", "x y + x *", "55152"},
      {"X*Sin(Y)", "x y sin *", "5542"},
      {"-x^2", "0 x 2 ^ -", "55531"},
      {"2*-x", "2 0 x - *", "55512"},
      {"x^-2", "x 0 2 - ^", "55513"},
      {"x+-y", "x 0 y - +", "55511"},
      {"-x*y", "0 x - y *", "55152"},
      {"(-x)", "0 x -", "551"},
      {"x^-0.5", "x 0 0.5 - ^", "55513"},
      {"x^-y^2", "x 0 y 2 ^ - ^", "5555313"},
      {"sin-x", "0 x - sin", "5514"},
      {"2x", "2", "5"},
      {".5", "0.5", "5"},
      {"3.50", "3.5", "5"},
      {"x#y", "x", "5"},
      {"sech(x)", "x sech", "54"},
      // Rulings: a comma is a decimal point; numbers stay plain decimals.
      {"3,5*x", "3.5 x *", "552"},
      {"100000000*x", "100000000 x *", "552"},
      {"0.000001", "0.000001", "5"},
      {"1234567890123456789", "1234567890123460000", "5"},
      // t, b, v are constants; atn/atan, abs, int and rnd are functions.
      {"t+1", "t 1 +", "551"},
      {"b*v", "b v *", "552"},
      {"atn(x)+atan(x)", "x atn x atn +", "54541"},
      {"abs(x)*int(x)-rnd(x)", "x abs x int * x rnd -", "54542541"},
      // A ")" before its "(" with equal counts is not detected.
      {"x)+(y", "x y ( + )", "55610"},
  };
  for (const Case& c : cases) {
    ScopedMessageRecorder rec;
    std::string err = "unchanged";
    auto list = InfixToPolish(c.text, err);
    ASSERT_TRUE(list.has_value()) << c.text << ": " << err;
    EXPECT_EQ(PolishText(*list), c.list) << c.text;
    EXPECT_EQ(Ranks(*list), c.ranks) << c.text;
    EXPECT_EQ(err, "unchanged") << c.text;
    EXPECT_TRUE(rec.recorder.messages.empty()) << c.text;
  }
}

TEST(InfixToPolish, Refusals) {
  struct Case {
    const char* text;
    const char* err;
  };
  const Case cases[] = {
      {"x--y", "存在两个 - "},
      {"--x", "存在两个 - "},
      {"(x", "括号不匹配"},
      {"x)", "括号不匹配"},
      {"x+", "表达式非法"},
      {"", "表达式非法"},
      {"(x*)", " 4处缺少参数"},
      {"+x", " 1处缺少参数"},
      {"x(y)", "非法标记   2"},
      {"sin(x)(y)", "非法标记   7"},
  };
  for (const Case& c : cases) {
    ScopedMessageRecorder rec;
    std::string err;
    EXPECT_FALSE(InfixToPolish(c.text, err).has_value()) << c.text;
    EXPECT_EQ(err, c.err) << c.text;
    EXPECT_TRUE(rec.recorder.messages.empty()) << c.text;
  }
}

TEST(InfixToPolish, UnknownWordsShowTheBox) {
  for (const char* text : {"sinx", "asec(x)", "acsec(x)", "z+1", "x +1", "sin x", "k_1"}) {
    ScopedMessageRecorder rec;
    std::string err = "unchanged";
    EXPECT_FALSE(InfixToPolish(text, err).has_value()) << text;
    EXPECT_EQ(err, "unchanged") << text;
    ASSERT_EQ(rec.recorder.messages.size(), 1u) << text;
    EXPECT_EQ(rec.recorder.messages[0], (Message{"表达式非法", "出错", MsgIcon::Error}));
  }
}

TEST(Derive, Rules) {
  struct Case {
    const char* list;
    const char* derivative;
  };
  const Case cases[] = {
      {"x", "1"},
      {"5", "0"},
      {"x 2 ^", "1 2 * x 1 ^ *"},
      {"x 0.5 ^", "1 0.5 * x -0.5 ^ *"},
      {"x 0 ^", "0"},
      {"x sin", "1 x cos *"},
      {"x cos", "1 min x sin *"},
      {"x x *", "1 x * x 1 * +"},
      {"x x /", "1 x * x 1 * - x 2 ^ /"},
      {"2 x *", "0 x * 2 1 * +"},
      {"x y +", "1 1 +"},
      {"x x ^", "1 x Log * 1 x * x / + x x ^ *"},
      {"x sqr", "1 1 2 / x sqr / *"},
      {"x actanh", "1 1 x 2 ^ - /"},
      {"x atanh", "1 1 x 2 ^ - /"},
      {"0 x -", "0 1 -"},
      {"x sin sin", "1 x cos * x sin cos *"},
      {"x min", "1 min"},
      {"x acosh", "1 -1 x 2 ^ + 0.5 ^ /"},
      // Added rules.
      {"x sech", "1 min x sech * x tanh *"},
      {"x csech", "1 min x csech * x ctanh *"},
      {"x tanh", "1 x sech 2 ^ *"},
      {"x ctanh", "1 min x csech 2 ^ *"},
      {"x asech", "1 min x 1 x 2 ^ - sqr * /"},
      {"x acsech", "1 min x abs 1 x 2 ^ + sqr * /"},
      {"x abs", "1 x abs * x /"},
      {"x atn", "1 1 x 2 ^ + /"},
      {"x atan", "1 1 x 2 ^ + /"},
      {"x int", "0"},
      {"x rnd", "0"},
      {"t", "0"},
      {"t 1 +", "0 0 +"},
      // Constant exponents other than one number.
      {"x 0 1 - ^", "1 0 1 - * x 0 1 - 1 - ^ *"},
      {"x t ^", "1 t * x t 1 - ^ *"},
      {"x 100000000 ^", "1 100000000 * x 100000000 ^ *"},  // c - 1 as a 32-bit float,
      {"x 1.1 ^", "1 1.1 * x 0.1 ^ *"},
      // A list ending with ")" and one without a complete expression.
      {"x y ( + )", "0"},
      {"x +", "0"},
  };
  for (const Case& c : cases) {
    PolishList in = Tokens(c.list);
    PolishList before = in;
    EXPECT_EQ(PolishText(Derive(in)), c.derivative) << c.list;
    EXPECT_EQ(in, before);
  }
  EXPECT_EQ(PolishText(Derive(PolishList())), "0");
  // Ranks of the literals by class.
  EXPECT_EQ(Ranks(Derive(Tokens("x cos"))), "54542");
}

TEST(PolishToInfix, ParenthesesByRank) {
  struct Case {
    const char* list;
    const char* text;
  };
  const Case cases[] = {
      {"a b c - -", "a-(b-c)"},
      {"a b - c -", "a-b-c"},
      {"a b + c *", "(a+b)*c"},
      {"a b c * *", "a*(b*c)"},
      {"a b c * +", "a+b*c"},
      {"x min", "-(x)"},
      {"x 2 ^ 2 ^", "x^2^2"},
      {"x 2 2 ^ ^", "x^(2^2)"},
      {"x sin 2 ^", "sin(x)^2"},
      {"x -0.5 ^", "x^-0.5"},
      {"x y", "x"},  // the bottom entry
  };
  for (const Case& c : cases) EXPECT_EQ(PolishToInfix(Tokens(c.list)), c.text) << c.list;
  EXPECT_THROW(PolishToInfix(PolishList()), std::out_of_range);
  EXPECT_THROW(PolishToInfix(Tokens("x +")), std::out_of_range);
  EXPECT_FALSE(PolishToInfix(Tokens("x y +"), 2).has_value());
  EXPECT_EQ(PolishToInfix(Tokens("x y +"), 3).value(), "x+y");
}

TEST(FoldSignPairs, OnePass) {
  const std::pair<const char*, const char*> cases[] = {
      {"a+-b", "a-b"}, {"a--b", "a+b"}, {"a---b", "a+-b"}, {"+-", "-"}, {"", ""}, {"-", "-"}, {"a-b", "a-b"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(FoldSignPairs(in), out) << in;
}

TEST(DerivativeText, FirstAndSecondDerivatives) {
  struct Case {
    const char* expression;
    const char* first;
    const char* second;  // nullptr: not checked
  };
  const Case cases[] = {
      {"x", "1", "0"},
      {"5", "0", "0"},
      {"x^2", "1*2*x^1", "(0*2+1*0)*x^1+1*2*(1*1*x^0)"},
      {"x*x", "1*x+x*1", "0*x+1*1+(1*1+x*0)"},
      {"sin(x)", "1*cos(x)", "0*cos(x)+1*(-(1)*sin(x))"},
      {"cos(x)", "-(1)*sin(x)", nullptr},
      {"sin(x)-cos(x)", "1*cos(x)+(1)*sin(x)", nullptr},
      {"sin(x)+cos(x)", "1*cos(x)-(1)*sin(x)", nullptr},
      {"-x^2", "0-1*2*x^1", nullptr},
      {"2*-x", "0*(0-x)+2*(0-1)", nullptr},
      {"sqr(x)", "1*(1/2/sqr(x))", nullptr},
      {"x^0.5", "1*0.5*x^-0.5", "(0*0.5+1*0)*x^(0-0.5)+1*0.5*(1*(0-0.5)*x^(0-0.5-1))"},
      {"log(x)", "1/x", "(0*x-1*1)/x^2"},
      {"1/x", "(0*x-1*1)/x^2", nullptr},
      {"x^x", "(1*Log(x)+1*x/x)*x^x", nullptr},
      {"exp(2*x)", "(0*x+2*1)*exp(2*x)", nullptr},
      {"asin(x)", "1/(1-x^2)^0.5", nullptr},
      {"(x", "0", nullptr},
      {"x)+(y", "0", nullptr},
      // Rulings: added rules, constant exponents, plain numbers, comma numbers.
      {"t+1", "0+0", nullptr},
      {"sech(x)", "-(1)*sech(x)*tanh(x)", nullptr},
      {"tanh(x)", "1*sech(x)^2", nullptr},
      {"ctanh(x)", "-(1)*csech(x)^2", nullptr},
      {"asech(x)", "-(1)/(x*sqr(1-x^2))", nullptr},
      {"abs(x)", "1*abs(x)/x", nullptr},
      {"atn(x)", "1/(1+x^2)", nullptr},
      {"x^-1", "1*(0-1)*x^(0-1-1)", nullptr},
      {"x^100000000", "1*100000000*x^100000000", nullptr},
      {"x^0.0000001", "1*0.0000001*x^-0.9999999", nullptr},
      {"3,5*x", "0*x+3.5*1", nullptr},
      {"acosh(x)", "1/(-1+x^2)^0.5", nullptr},
  };
  for (const Case& c : cases) {
    ScopedMessageRecorder rec;
    std::string first = DerivativeText(c.expression);
    EXPECT_EQ(first, c.first) << c.expression;
    if (c.second) {
      EXPECT_EQ(DerivativeText(first), c.second) << c.expression;
    }
    EXPECT_TRUE(rec.recorder.messages.empty()) << c.expression;
  }
}

TEST(DerivativeText, UnknownWordGivesZeroAfterItsBox) {
  ScopedMessageRecorder rec;
  EXPECT_EQ(DerivativeText("asec(x)"), "0");
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "表达式非法");
}

TEST(DerivativeText, TooLongReportsAtPositionOne) {
  ScopedMessageRecorder rec;
  EXPECT_EQ(ReportDerivativeTooLong(), 1);
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0], (Message{"字符 1：  表达式太长", "语法错误", MsgIcon::Error}));
}
