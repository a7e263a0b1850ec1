// The record writers and readers token by token: lengths, value rules, table order and
// the coordinate-system record.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

#include "document/document_tokens.h"
#include "document/records.h"
#include "document_test_support.h"

namespace {

struct Records : ::testing::Test {
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
};

size_t Blanks(const std::string& s) { return size_t(std::count(s.begin(), s.end(), ' ')); }

TEST_F(Records, GraphRecordLengthFollowsAnimationAndPositionLists) {
  GraphItem g;
  std::string still = Save(g);
  EXPECT_EQ(Blanks(still), 92u);  // 93 tokens, no blank at either end
  EXPECT_NE(still.front(), ' ');
  EXPECT_NE(still.back(), ' ');
  g.Animation = true;
  EXPECT_EQ(Blanks(Save(g)), 96u);
  g.CurvNum = 2;
  g.NmlNum = 1;
  g.SetCurvX(1, 1);
  g.SetCurvX(2, 2);
  g.SetNmlX(1, 3);
  AnimFrameCount = 33;
  AnimSpeed = 44;
  std::vector<std::string> tokens = SplitTokens(Save(g) + " next");
  ASSERT_EQ(tokens.size(), 101u);
  EXPECT_EQ(tokens[27], "33");
  EXPECT_EQ(tokens[28], "44");
  GraphItem back;
  RecordAnimation anim;
  EXPECT_EQ(ReadGraphRecord(tokens, 0, back, 4, anim), 100u);
  EXPECT_EQ(anim.frames, 33);
  EXPECT_EQ(anim.speed, 44);
  EXPECT_EQ(back.NmlX(1), 3);
  // An empty name is an empty token between two blanks; later fields stay in place.
  GraphItem named;
  named.ID = 5;
  named.ExpressX = "u";
  EXPECT_EQ(Save(named).substr(0, 8), "0 5  0 u");
}

TEST_F(Records, NumbersAreWrittenWithAPointWhateverTheLocale) {
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // ignored where the locale is missing
  GraphItem g;
  g.MinU = -1.5f;
  g.MaxU = 1e7f;
  g.MinV = 1.0f / 3.0f;
  g.Animation = true;
  g.MaxT = 2.25f;
  std::vector<std::string> t = SplitTokens(Save(g));
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(t[9], "-1.5");
  EXPECT_EQ(t[10], "1E+07");
  EXPECT_EQ(t[11], "0.3333333");
  EXPECT_EQ(t[26], "2.25");
}

TEST_F(Records, TokensReadByTheirType) {
  struct Case {
    std::string token;
    int32_t asLong;
    bool asBoolean;
    float pointSize;  // 1.0 = unchanged
  };
  const Case cases[] = {
      {"1", 1, true, 1}, {"True", 0, true, 1}, {"true", 0, false, 1}, {"False", 0, false, 1},
      {"0", 0, false, 1}, {"", 0, false, 1}, {"2.5", 2, false, 1}, {"3.5", 4, false, 1},
      {"-7", -7, false, 1}, {"12ab", 12, false, 1}, {"abc", 0, false, 1}, {"9", 9, false, 9},
      {"10", 10, false, 1}, {"2e1", 20, false, 1},
  };
  for (const Case& c : cases) {
    std::vector<std::string> tokens(93, "0");
    tokens[3] = c.token;   // CoordType, a Long
    tokens[23] = c.token;  // PointHollow
    tokens[22] = c.token;  // PointSize
    GraphItem g;
    RecordAnimation anim;
    ReadGraphRecord(tokens, 0, g, 4, anim);
    EXPECT_EQ(g.CoordType, c.asLong) << c.token;
    EXPECT_EQ(g.PointHollow, c.asBoolean) << c.token;
    EXPECT_FLOAT_EQ(g.PointSize, c.pointSize) << c.token;
  }
}

TEST_F(Records, TableRecordWritesEveryPointRowByRow) {
  GraphItem t;
  t.GraphType = 6;
  t.StepU = 1;
  t.StepV = 1;
  t.VertTab3D(0, 0)->x = 1;
  t.VertTab3D(0, 1)->y = -0.5f;  // (1, 0) is never set
  t.VertTab3D(1, 1)->z = 4;
  std::vector<std::string> tokens = SplitTokens(SaveTable(t));
  ASSERT_EQ(tokens.size(), 21u + 12u);
  EXPECT_EQ(std::vector<std::string>(tokens.begin() + 13, tokens.begin() + 25),
            (std::vector<std::string>{"1", "0", "0", "0", "-0.5", "0", "0", "0", "0", "0", "0", "4"}));
  GraphItem line;
  line.GraphType = 4;
  line.StepU = 0;
  line.StepV = 2;
  EXPECT_EQ(SplitTokens(SaveTable(line)).size(), 30u);
}

TEST_F(Records, AxesRecordHiddenIsOneTokenAndReadingItKeepsTheRest) {
  AxesSettings a;
  a.Show = false;
  EXPECT_EQ(Save(a), "0");
  a.SetDefault();
  a.TitleZ = "高 度";
  std::vector<std::string> tokens = SplitTokens(Save(a));
  ASSERT_EQ(tokens.size(), 28u);
  EXPECT_EQ(tokens[0], "1");
  EXPECT_EQ(tokens[15], "高\xE3\x80\x80度");
  AxesSettings back;
  back.TitleX = "kept";
  EXPECT_EQ(ReadAxesRecord({"0", "1"}, 0, back), 1u);
  EXPECT_FALSE(back.Show);
  EXPECT_EQ(back.TitleX, "kept");
  EXPECT_EQ(ReadAxesRecord(tokens, 0, back), 28u);
  EXPECT_TRUE(back == a);
}

TEST_F(Records, SceneWritesGraphsAndTablesEachWithItsBlank) {
  Scene s;
  EXPECT_EQ(Save(s), "");
  auto f = std::make_shared<GraphItem>();
  f->ID = 1;
  auto t = std::make_shared<GraphItem>();
  t->GraphType = 4;
  t->ID = 2;
  t->StepU = 0;
  t->StepV = 0;
  auto odd = std::make_shared<GraphItem>();
  odd->GraphType = 17;
  odd->ID = 3;
  s.FunSurfs.Add(f);
  s.FunSurfs.Add(t);
  s.FunSurfs.Add(odd);
  EXPECT_EQ(Save(s), Save(*f) + " " + SaveTable(*t) + " ");
  EXPECT_EQ(RecordCount(s), 2);
}

TEST_F(Records, ValuesTheFormatCannotHoldAreFormatErrors) {
  const std::vector<std::string> base(93, "0");
  struct Case {
    size_t at;
    std::string token;
  };
  const Case bad[] = {{3, "2147483648"}, {3, "-2147483649"}, {3, "1e999"}, {9, "1e39"},
                      {9, "-4e38"}, {59, "51"}, {59, "-1"}};
  for (const Case& c : bad) {
    std::vector<std::string> tokens = base;
    tokens[c.at] = c.token;
    GraphItem g;
    RecordAnimation anim;
    EXPECT_THROW(ReadGraphRecord(tokens, 0, g, 4, anim), DocumentFormatError) << c.token;
  }
  GraphItem g;
  RecordAnimation anim;
  EXPECT_THROW(ReadGraphRecord(std::vector<std::string>(92, "0"), 0, g, 4, anim),
               DocumentFormatError);  // one token short
  // Tables: sizes beyond 200 and colours that are no number as a whole.
  for (auto [at, token] : {std::pair{11, "201"}, {12, "-1"}, {3, "12ab"}, {4, ""}}) {
    std::vector<std::string> tokens(21, "0");
    tokens[0] = "4";
    tokens[size_t(at)] = token;
    GraphItem t;
    EXPECT_THROW(ReadTableRecord(tokens, 0, t, 4), DocumentFormatError) << at << " " << token;
  }
}

TEST(DocumentTokens, SplitAtEveryBlank) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitTokens("a b"), (V{"a", "b"}));
  EXPECT_EQ(SplitTokens("a  b"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitTokens(" a"), (V{"", "a"}));
  EXPECT_EQ(SplitTokens("a "), (V{"a"}));
  EXPECT_EQ(SplitTokens("a  "), (V{"a", ""}));
  EXPECT_EQ(SplitTokens(""), V{});
  EXPECT_EQ(SplitTokens("a\tb"), V{"a\tb"});
}

}  // namespace
