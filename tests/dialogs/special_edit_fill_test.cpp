// The point, animated point and step and stem dialogs filled from a graph: an unchanged OK
// builds the graph it was filled from, in every document kind, system and look.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "dialogs/data/point_dialog_state.h"
#include "dialogs/data/step_stem_dialog_state.h"

using namespace curvanta;

namespace {

// Every property the point dialogs set.
void ExpectSamePoint(const GraphItem& a, const GraphItem& b, const std::string& label) {
  EXPECT_EQ(a.GraphType, b.GraphType) << label;
  EXPECT_EQ(a.NameS, b.NameS) << label;
  EXPECT_EQ(a.CoordType, b.CoordType) << label;
  EXPECT_EQ(a.ExpressX, b.ExpressX) << label;
  EXPECT_EQ(a.ExpressY, b.ExpressY) << label;
  EXPECT_EQ(a.ExpressZ, b.ExpressZ) << label;
  EXPECT_EQ(a.PointHollow, b.PointHollow) << label;
  EXPECT_EQ(a.PointColor, b.PointColor) << label;
  EXPECT_EQ(a.PointSize, b.PointSize) << label;
  EXPECT_EQ(a.MinT, b.MinT) << label;
  EXPECT_EQ(a.MaxT, b.MaxT) << label;
  EXPECT_EQ(a.Animation, b.Animation) << label;
}

}  // namespace

TEST(SpecialEditFill, UnchangedPointOkKeepsThePoint) {
  struct Case {
    bool animated;
    int32_t mode;
    int coordIndex;
  };
  const Case cases[] = {{false, 1, 1}, {false, 2, 0}, {false, 3, 2}, {false, 3, 1},
                        {true, 1, 0},  {true, 2, 1},  {true, 3, 2}};
  for (const Case& c : cases) {
    const std::string label = std::string(c.animated ? "animated " : "") + std::to_string(c.mode) +
                              "/" + std::to_string(c.coordIndex);
    PointDialogState made = PointPresetForCreate(c.animated, c.mode, 12);
    PointCoordChosen(made, c.coordIndex, c.mode);
    made.name = "p q";
    made.x = "1.25", made.y = c.animated ? "t*2" : "3/4", made.z = "-2";
    made.minT = "-0.5", made.maxT = "2.5";
    made.hollow = true;  // hidden outside 2D, kept all the same
    made.colour = 0x123456;
    made.size = "2.5";
    const auto original = AcceptPointDialog(made, c.mode, 5).item;
    ASSERT_TRUE(original) << label;
    PointDialogState filled = PointFillForEdit(*original, c.mode, 12);
    EXPECT_EQ(filled.coordIndex, c.coordIndex) << label;
    EXPECT_EQ(filled.size, "2.5") << label;
    // A 2.5D animated point is edited as a plane one, with the hollow-or-solid choice.
    EXPECT_EQ(filled.hollowChoiceShown, c.mode == 1 || (c.animated && c.mode == 2)) << label;
    EXPECT_EQ(filled.zShown, c.mode == 3) << label;
    if (c.animated) {
      EXPECT_EQ(filled.tSegments, "12") << label;
      EXPECT_FALSE(filled.tSegmentsEnabled) << label;
    }
    const auto again = AcceptPointDialog(filled, c.mode, 5).item;
    ASSERT_TRUE(again) << label;
    ExpectSamePoint(*original, *again, label);
  }
}

TEST(SpecialEditFill, FilledLabelsFollowTheSystem) {
  auto g = GraphItem::Init(1, "", GraphKind::PointAnim, 4, "a", "r", "z", 1, 1, 0, 1, 0, 0, 4, 0, 0,
                           0, 1, 4, 2, 2, false, false, false, 0);
  const PointDialogState s = PointFillForEdit(*g, 3, 10);
  EXPECT_EQ(s.caption, "点动画");
  EXPECT_EQ(s.coordSystems.size(), 3u);
  EXPECT_EQ(s.xLabel, "a(t)");
  EXPECT_EQ(s.yLabel, "r(t)");
  EXPECT_EQ(s.zLabel, "z(t)");
  // A system the document has no entry for selects nothing.
  g->CoordType = 0;
  EXPECT_EQ(PointFillForEdit(*g, 3, 10).coordIndex, -1);
}

TEST(SpecialEditFill, UnchangedStepStemOkKeepsThePlot) {
  StepStemDialogState made = StepStemPresetForCreate(true);
  made.name = "s";
  made.function = "sin(x)/2", made.minX = "-0.5", made.maxX = "12345680", made.segments = "7";
  made.showStem = true;
  made.stepWidth = "12";      // no list entry: kept as text
  made.stemHeadSize = "0";    // shown empty, read as 0 again
  made.stemHeadSymbolIndex = 4;
  made.stepColour = 0x80000002;
  const auto original = AcceptStepStemDialog(made, 3).item;
  ASSERT_TRUE(original);
  StepStemDialogState filled = StepStemFillForEdit(*original);
  EXPECT_EQ(filled.caption, "特殊图形的属性");
  EXPECT_EQ(filled.stepWidth, "12");
  EXPECT_EQ(filled.stemHeadSize, "");
  EXPECT_EQ(filled.stemHeadSymbolIndex, 4);
  EXPECT_EQ(filled.maxX, "12345680");
  const auto again = AcceptStepStemDialog(filled, 3).item;
  ASSERT_TRUE(again);
  EXPECT_EQ(again->NameS, "s");
  EXPECT_EQ(again->ExpressZ, original->ExpressZ);
  EXPECT_EQ(again->MinV, original->MinV);
  EXPECT_EQ(again->MaxV, original->MaxV);
  EXPECT_EQ(again->StepV, 7);
  EXPECT_EQ(again->ShowStep, false);
  EXPECT_EQ(again->ShowStem, true);
  EXPECT_EQ(again->StepWidth, 12);
  EXPECT_EQ(again->LineWidth, 12);
  EXPECT_EQ(again->StepColor, original->StepColor);
  EXPECT_EQ(again->StemHeadSize, 0);
  EXPECT_EQ(again->StemHeadSymbol, 5);
  EXPECT_EQ(again->StemHeadColor, original->StemHeadColor);
  EXPECT_EQ(again->StemBodyColor, original->StemBodyColor);
  EXPECT_EQ(again->StemBodyWidth, original->StemBodyWidth);
}
