// Number text: formatting and reading independent of the process locale.
#include <gtest/gtest.h>

#include <clocale>
#include <locale.h>
#include <cmath>
#include <limits>
#include <string>

#include "common/number_text.h"

using namespace curvanta;

TEST(FormatSingle, GeneralForm) {
  struct Case { float v; const char* text; };
  const Case cases[] = {
      {0.5f, "0.5"},         {1.570796f, "1.570796"}, {1e7f, "1E+07"},       {1.5e-5f, "1.5E-05"},
      {-1.5e-5f, "-1.5E-05"}, {-0.0f, "0"},           {0.0f, "0"},           {12345678.f, "1.234568E+07"},
      {1234567.f, "1234567"}, {0.0001f, "0.0001"},   {0.00001f, "1E-05"},   {100000.f, "100000"},
      {1.f / 3.f, "0.3333333"}, {-2.f, "-2"},         {3.4028235e38f, "3.402823E+38"}, {9999999.f, "9999999"},
      {0.1f, "0.1"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatSingle(c.v), c.text) << c.v;
}

TEST(FormatDouble, FifteenDigits) {
  EXPECT_EQ(FormatDouble(0.1), "0.1");
  EXPECT_EQ(FormatDouble(M_PI), "3.14159265358979");
  EXPECT_EQ(FormatDouble(1e15), "1E+15");
  EXPECT_EQ(FormatDouble(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatDouble(-2.5e-7), "-2.5E-07");
}

TEST(FormatFieldSingle, NeverExponent) {
  EXPECT_EQ(FormatFieldSingle(12345678.f), "12345680");
  EXPECT_EQ(FormatFieldSingle(0.00001f), "0.00001");
  EXPECT_EQ(FormatFieldSingle(-3.f), "-3");
  EXPECT_EQ(FormatFieldSingle(1e10f), "10000000000");
  EXPECT_EQ(FormatPlainDecimal(1e8, 7), "100000000");
}

TEST(LeadingNumber, Table) {
  struct Case { const char* text; double v; bool comma; };
  const Case cases[] = {
      {"12.5abc", 12.5, false}, {"  -3", -3, false}, {"+4.", 4, false}, {".5", 0.5, false},
      {"", 0, false},           {"-", 0, false},     {".", 0, false},   {"abc", 0, false},
      {"1e3", 1000, false},     {"1e", 1, false},    {"2E-2x", 0.02, false}, {"3,25", 3, false},
      {"3,25", 3.25, true},     {",5", 0.5, true},   {"1.2.3", 1.2, false}, {"-.5e+1", -5, false},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text, c.comma), c.v) << c.text;
  EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
  EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
  // Beyond the double range without an exponent, or with one of the other sign.
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(LeadingNumber("-0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_TRUE(std::isinf(LeadingNumber("1" + std::string(400, '0') + "e-50")));
  EXPECT_EQ(LeadingNumber("0." + std::string(100, '0') + "1e-300"), 0.0);
}

TEST(RoundHalfEven, Halves) {
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
}

TEST(NumberText, DecimalCommaLocaleChangesNothing) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) FAIL() << "de_DE.UTF-8 missing (scripts/setup generates it)";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");  // the C library now writes "1,5"
  EXPECT_EQ(FormatSingle(1.5f), "1.5");
  EXPECT_EQ(FormatDouble(-2.25e-7), "-2.25E-07");
  EXPECT_DOUBLE_EQ(LeadingNumber("1.5"), 1.5);
  std::setlocale(LC_ALL, saved.c_str());
}
