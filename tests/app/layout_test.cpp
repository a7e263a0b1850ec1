// Pane placement, splitter release limits, status hints and the command line.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/layout.h"
#include "app/toolbar_tables.h"

using namespace curvanta;

TEST(Layout, PanesFollowTheTwoBars) {
  LayoutResult r = ComputeLayout({12000, 9000, 420, 300, 5220, 7700, 0});
  EXPECT_EQ(*r.splitter, (TwipRect{5220, 840, 60, 7860}));
  EXPECT_EQ(*r.splitter2, (TwipRect{0, 7700, 5220, 40}));
  EXPECT_EQ(*r.picDraw, (TwipRect{5280, 840, 6300, 7860}));
  EXPECT_EQ(*r.result, (TwipRect{0, 7740, 5220, 940}));
  EXPECT_EQ(*r.list1, (TwipRect{0, 840, 5220, 6880}));
  EXPECT_EQ(InitialSplitter2Top(9000, 420), 9000 - 3 * 420 - 40);
}

TEST(Layout, NegativeSizesSkipTheirRow) {
  LayoutResult r = ComputeLayout({12000, 2000, 420, 300, 5220, 7700, 900});
  EXPECT_FALSE(r.result.has_value());
  EXPECT_FALSE(r.list1.has_value());  // uses the old result height and comes out negative
  EXPECT_TRUE(r.splitter2.has_value());
}

// In a small window the bars give way just as far as every pane needs to keep `least`.
TEST(Layout, BarsGiveWaySoThatEveryPaneKeepsItsLeast) {
  const int least = 700;
  struct Case {
    const char* what;
    int W, H, left, top;
    int expectedLeft, expectedTop;
  } cases[] = {
      {"room for all", 12000, 9000, 5220, 7700, 5220, 7700},
      {"result box below the bottom", 12000, 6000, 5220, 7700, 5220, 6000 - 60 - 300 - least},
      {"list above its least", 12000, 9000, 5220, 900, 5220, 2 * 420 - 20 + least},
      {"drawing area too narrow", 9000, 9000, 8500, 7700, 9000 - 420 - 60 - least, 7700},
      {"left pane too narrow", 9000, 9000, 200, 7700, least, 7700},
      // Too small for all: the drawing area and the result box come first.
      {"too small", 1500, 2000, 5220, 7700, 1500 - 420 - 60 - least, 2000 - 60 - 300 - least},
  };
  for (const Case& c : cases) {
    const LayoutInput in = BarsKeepingPanesInSight({c.W, c.H, 420, 300, c.left, c.top, 0}, least);
    EXPECT_EQ(in.splitterLeft, c.expectedLeft) << c.what;
    EXPECT_EQ(in.splitter2Top, c.expectedTop) << c.what;
    if (c.W < 2000) continue;
    const LayoutResult r = ComputeLayout(in);
    ASSERT_TRUE(r.list1 && r.result && r.picDraw) << c.what;
    EXPECT_GE(r.list1->height, least) << c.what;
    EXPECT_GE(r.result->height, least) << c.what;
    EXPECT_GE(r.picDraw->width, least) << c.what;
    EXPECT_GE(r.list1->width, least) << c.what;
    EXPECT_LE(r.result->top + r.result->height, c.H - 300) << c.what;  // above the status bar
  }
}

TEST(Layout, ReleaseLimits) {
  struct Case {
    int in, size, T, expected;
    bool vertical;
  } cases[] = {
      {200, 12000, 420, 1000, true},   {11500, 12000, 420, 11000, true},
      {500, 1800, 420, 800, true},     {1500, 9000, 420, 2000, false},
      {8000, 9000, 420, 7740, false},  {5000, 9000, 420, 5000, false},
  };
  for (const Case& c : cases) {
    int got = c.vertical ? ReleasedSplitterLeft(c.in, c.size) : ReleasedSplitter2Top(c.in, c.size, c.T);
    EXPECT_EQ(got, c.expected) << c.in;
  }
}

TEST(StatusHints, ButtonUnderPointerOrReady) {
  const auto& t3 = Toolbar3Buttons();
  std::vector<ButtonExtent> ext;
  for (size_t i = 0; i < t3.size(); ++i) ext.push_back({int(i) * 30, 30});
  // Button 15 (index 14) spans 420..450 along the bar.
  EXPECT_EQ(HintAt(t3, ext, 435, 10, 0, 40), "线模型");
  EXPECT_EQ(HintAt(t3, ext, 450, 10, 0, 40), "准备就绪");  // on the boundary
  EXPECT_EQ(HintAt(t3, ext, 4 * 30 + 5, 10, 0, 40), "准备就绪");  // separator 5
  EXPECT_EQ(HintAt(t3, ext, 435, 40, 0, 40), std::nullopt);  // outside the band
  const auto& t1 = Toolbar1Buttons();
  ASSERT_EQ(t1.size(), 38u);
  EXPECT_STREQ(t1[22].hint, "添加二维直角坐标函数图形");
  EXPECT_STREQ(t1[22].tooltip, "添加二维直角坐标系函数图形");
  EXPECT_STREQ(t1[15].key, "varDel");
  EXPECT_STREQ(t1[14].tooltip, "粘贴");
  ASSERT_EQ(Toolbar2Buttons().size(), 23u);
  EXPECT_STREQ(Toolbar2Buttons()[19].hint, "正向演示一次动画");
  ASSERT_EQ(t3.size(), 20u);
}

TEST(CommandLine, WholeArgumentTextIsOnePath) {
  EXPECT_EQ(DocumentPathFromArguments({"curvanta"}), "");
  EXPECT_EQ(DocumentPathFromArguments({"curvanta", "/tmp/a", "b.pgp"}), "/tmp/a b.pgp");
  EXPECT_EQ(DocumentPathFromArguments({"curvanta", "\"/tmp/x y.pgp\""}), "/tmp/x y.pgp");
  EXPECT_EQ(DocumentPathFromArguments({"curvanta", "\""}), "\"");
}
