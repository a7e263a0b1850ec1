// The character filters of typed numbers and expressions.
#include <gtest/gtest.h>

#include <string>

#include "expr/input_filters.h"

using namespace curvanta;

namespace {

struct FilterCase {
  std::string text;
  bool ok;
  std::string cleaned;
};

TEST(InputFilters, NumberText) {
  const FilterCase cases[] = {
      {"1,5", true, "1.5"},   {" -2 ", true, "-2"}, {"1-2", true, "1-2"},
      {"1e5", false, "1"},    {"", true, ""},       {"   ", true, ""},
      {"+5", false, ""},      {"1\t2", false, "1"}, {"3.25", true, "3.25"},
      {"１", false, ""},
  };
  for (const auto& c : cases) {
    std::string cleaned = "junk";
    EXPECT_EQ(CheckNumberText(c.text, cleaned), c.ok) << c.text;
    EXPECT_EQ(cleaned, c.cleaned) << c.text;
  }
}

TEST(InputFilters, ExpressionText) {
  const FilterCase cases[] = {
      {"sin(x) * 2", true, "sin(x)*2"},
      {"3,5*x", true, "3.5*x"},
      {"x_1", false, "x"},
      {"x=1", false, "x"},
      {"a\tb", false, "a"},
      {"", false, ""},
      {"   ", true, ""},
      {"x<0", false, "x"},
      {"2^(-X)/Y", true, "2^(-X)/Y"},
      {"x²", false, "x"},
  };
  for (const auto& c : cases) {
    std::string cleaned = "junk";
    EXPECT_EQ(CheckExpressionText(c.text, cleaned), c.ok) << c.text;
    EXPECT_EQ(cleaned, c.cleaned) << c.text;
  }
}

TEST(InputFilters, CleanAndTrim) {
  EXPECT_EQ(CleanExpressionText("0,25"), "0.25");
  EXPECT_EQ(CleanExpressionText("12%"), "");
  EXPECT_EQ(CleanExpressionText(""), "");
  EXPECT_EQ(CleanExpressionText("-1.5E-05"), "-1.5E-05");
  EXPECT_EQ(CleanExpressionText(" 1 2 "), "12");
  EXPECT_EQ(CleanExpressionText(std::string("1\0", 2)), "");
  EXPECT_EQ(TrimAtNull(std::string("abc\0def", 7)), "abc");
  EXPECT_EQ(TrimAtNull("abc"), "abc");
  EXPECT_EQ(TrimAtNull(std::string("\0x", 2)), "");
  EXPECT_EQ(TrimAtNull(""), "");
}

}  // namespace
