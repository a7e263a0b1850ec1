// The parity text: the independent variable negated, by coordinate system and form.
#include <gtest/gtest.h>

#include "graph/graph_item.h"

using namespace curvanta;

namespace {

TEST(NegateArgument, Table) {
  struct Case {
    int32_t coord, form;
    const char* text;
    const char* want;
  };
  const Case cases[] = {
      {1, 2, "x", "-x"},
      {1, 2, "", ""},
      {1, 2, "2", "2"},
      {1, 2, "x^2", "(-x)^2"},
      {1, 2, "x^3+x", "(-x)^3+(-x)"},
      {1, 2, "sin(x)+exp(x)", "sin((-x))+exp((-x))"},
      {1, 2, "xx", "xx"},
      // The language ignores case: an upper-case variable is the same variable.
      {1, 2, "X^2", "(-X)^2"},
      {1, 2, "X", "-X"},
      {1, 2, "X^3+x", "(-X)^3+(-x)"},
      {1, 2, "x_1+x", "x_1+(-x)"},
      {1, 2, "a*x", "a*(-x)"},
      {2, 2, "a*tan(a)", "(-a)*tan((-a))"},
      {2, 2, "A+asin(a)", "(-A)+asin((-a))"},
      {1, 3, "u^2-1", "(-u)^2-1"},
      {2, 3, "U^2-1", "(-U)^2-1"},
      {2, 3, "u", "-u"},
      {3, 2, "x^2", ""},
      {4, 3, "u", ""},
      {5, 2, "a", ""},
      {1, 1, "x^2+y^2-1", ""},
      {2, 4, "a-1", ""},
      {0, 0, "x", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NegateArgument(c.text, c.coord, c.form), c.want)
        << c.coord << "/" << c.form << " " << c.text;
    GraphItem g;
    g.CoordType = c.coord;
    g.FunForm = c.form;
    EXPECT_EQ(g.NegateArgument(c.text), c.want);
  }
}

TEST(NegateArgument, IsAsciiLetter) {
  EXPECT_TRUE(GraphItem::IsAsciiLetter("q"));
  EXPECT_TRUE(GraphItem::IsAsciiLetter("Q"));
  EXPECT_FALSE(GraphItem::IsAsciiLetter("1"));
  EXPECT_FALSE(GraphItem::IsAsciiLetter("("));
  EXPECT_FALSE(GraphItem::IsAsciiLetter("ab"));
  EXPECT_FALSE(GraphItem::IsAsciiLetter(""));
  EXPECT_FALSE(GraphItem::IsAsciiLetter("\xc3\xa9"));
}

}  // namespace
