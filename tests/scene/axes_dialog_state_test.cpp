// Axes dialogs: fill, the immediate writes of Axes3DDialogState, OK and Cancel.
#include <gtest/gtest.h>

#include "common/globals.h"
#include "scene/axes_dialog_state.h"

using namespace curvanta;

namespace {

AxesSettings Asymmetric() {
  AxesSettings a;
  a.SetDefault();
  a.ShowXZPanel = true;
  a.ShowXYYGrid = false;
  a.LabelNumX = 3;
  a.LabelNumY = 7;
  a.LabelNumZ = -1;
  a.TitleX = "时间";
  a.TitleY = "a b";
  a.TitleZ = "h";
  a.XYPanelColor = 0x0000FF;
  a.XZPanelColor = 0x00FF00;
  a.YZPanelColor = 0xFF0000;
  a.XYGridColor = 0x112233;
  a.XZGridColor = 0x445566;
  a.YZGridColor = 0x778899;
  a.XYPanelMaterial = 1;
  a.XZPanelMaterial = 13;
  a.YZPanelMaterial = 0;
  return a;
}

TEST(AxesDialogState, FieldIntegers) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {{"2.5", 2},   {"3.5", 4},          {"abc", 0},          {"-1", -1},
               {"", 0},      {" 12x", 12},        {"1e3", 1000},       {"2,7", 2},
               {"1e10", 2147483647}, {"-1e10", -2147483647 - 1}, {"1e999", 2147483647}};
  for (const auto& c : cases) EXPECT_EQ(FieldToInt32(c.text), c.value) << c.text;
}

TEST(AxesDialogState, Axes3DFillThenUnchangedOkKeepsEverything) {
  for (int mode : {2, 3}) {
    AxesSettings axes = Asymmetric();
    const AxesSettings before = axes;
    Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, mode);
    EXPECT_EQ(f.TwoTitleRows, mode == 2);
    EXPECT_EQ(f.intervals[0], "3");
    EXPECT_EQ(f.intervals[2], "-1");
    EXPECT_EQ(f.titles[0], "时间");
    EXPECT_EQ(f.panels[kPlaneXY].material, 0);
    EXPECT_EQ(f.panels[kPlaneXZ].material, 12);
    EXPECT_EQ(f.panels[kPlaneYZ].material, -1);  // material 0: no selection, written back as 0
    EXPECT_FALSE(f.PanelControlsEnabled(kPlaneXY));
    EXPECT_TRUE(f.PanelControlsEnabled(kPlaneXZ));
    AxisChanged = false;
    f.Command1_Click(axes);
    EXPECT_TRUE(AxisChanged);
    EXPECT_EQ(axes, before) << "mode " << mode;  // 2.5D writes the hidden TitleX back
  }
  AxisChanged = false;
}

TEST(AxesDialogState, Axes3DOkWritesEveryTab) {
  AxesSettings axes = Asymmetric();
  Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, 3);
  f.panels[kPlaneXY].show = true;
  f.panels[kPlaneXZ].show = false;  // hidden at OK: flag False, colour kept, material written
  f.grids[kPlaneXY].showSecond = true;
  f.grids[kPlaneYZ].showFirst = false;
  f.panels[kPlaneXZ].material = 4;
  f.intervals[0] = "2.5";
  f.intervals[1] = "3.5";
  f.intervals[2] = "abc";
  f.titles[2] = "高 度";
  f.Command1_Click(axes);
  EXPECT_TRUE(axes.ShowXYPanel);
  EXPECT_FALSE(axes.ShowXZPanel);
  EXPECT_EQ(axes.XZPanelColor, 0x00FF00);
  EXPECT_EQ(axes.XZPanelMaterial, 5);
  EXPECT_TRUE(axes.ShowXYYGrid);
  EXPECT_FALSE(axes.ShowYZYGrid);
  EXPECT_EQ(axes.LabelNumX, 2);
  EXPECT_EQ(axes.LabelNumY, 4);
  EXPECT_EQ(axes.LabelNumZ, 0);
  EXPECT_EQ(axes.TitleZ, "高 度");
  AxisChanged = false;
}

TEST(AxesDialogState, Axes3DHiddenAxesOkKeepsTheOtherSettings) {
  AxesSettings axes = Asymmetric();
  const AxesSettings before = axes;
  Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, 3);
  f.SetShowAxes(false, axes);
  EXPECT_FALSE(axes.Show);  // written at once
  f.panels[kPlaneXY].show = true;
  f.intervals[0] = "9";
  f.titles[0] = "other";
  f.Command1_Click(axes);
  EXPECT_TRUE(AxisChanged);
  AxesSettings expected = before;
  expected.Show = false;
  EXPECT_EQ(axes, expected);
  AxisChanged = false;
}

TEST(AxesDialogState, Axes3DSwatchesWriteAtOnceAndCancelRestores) {
  AxesSettings axes = Asymmetric();
  const AxesSettings before = axes;
  Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, 3);
  f.ChoosePanelColour(kPlaneXY, 0x00AA00, axes);
  EXPECT_EQ(axes.XYPanelColor, 0x00AA00);
  EXPECT_EQ(f.panels[kPlaneXY].colour, 0x00AA00);
  f.ChooseGridColour(kPlaneYZ, std::nullopt, axes);  // cancelled chooser: nothing changes
  EXPECT_EQ(axes.YZGridColor, 0x778899);
  EXPECT_EQ(f.grids[kPlaneYZ].colour, 0x778899);
  f.ChooseGridColour(kPlaneXZ, 0x010203, axes);
  f.SetShowAxes(false, axes);
  AxisChanged = true;
  f.Command2_Click(axes);
  EXPECT_FALSE(AxisChanged);
  EXPECT_EQ(axes, before);  // Show, panel and grid colours as before
}

TEST(AxesDialogState, Axes2DFillOkAndCancel) {
  AxesSettings axes;
  axes.Show = true;
  axes.BetterFonts = false;
  axes.AxisColor = 0x123456;
  axes.AxisWidth = 2;
  Axes2DDialogState f = Axes2DDialogState::Form_Load(axes);
  EXPECT_TRUE(f.showAxes);
  EXPECT_FALSE(f.betterFonts);
  EXPECT_EQ(f.widthIndex, 1);
  EXPECT_EQ(f.widthText, "2");
  EXPECT_EQ(f.axisColour, 0x123456);

  f.ChooseAxisColour(0x0000FF);
  f.SelectWidth(2);
  Axes2DDialogState::Command2_Click();
  EXPECT_FALSE(AxisChanged);
  EXPECT_EQ(axes.AxisColor, 0x123456);  // Cancel: nothing written

  f.showAxes = false;
  f.Command1_Click(axes);
  EXPECT_TRUE(AxisChanged);
  EXPECT_FALSE(axes.Show);
  EXPECT_EQ(axes.AxisColor, 0x0000FF);
  EXPECT_EQ(axes.AxisWidth, 3);

  f.ChooseAxisColour(std::nullopt);  // cancelled chooser keeps the swatch
  EXPECT_EQ(f.axisColour, 0x0000FF);
  f.widthText = "4.5";  // typed into the editable list
  f.Command1_Click(axes);
  EXPECT_EQ(axes.AxisWidth, 4);
  AxisChanged = false;
}

TEST(AxesDialogState, Axes2DWidthsWithoutEntryComeBack) {
  for (int32_t width : {0, 7, -3, 2147483647}) {
    AxesSettings axes;
    axes.AxisWidth = width;
    Axes2DDialogState f = Axes2DDialogState::Form_Load(axes);
    f.Command1_Click(axes);
    EXPECT_EQ(axes.AxisWidth, width);
    if (width == 0) {
      EXPECT_EQ(f.widthIndex, -1);
      EXPECT_EQ(f.widthText, "");
    } else {
      EXPECT_EQ(f.widthItems.size(), 6u);
    }
  }
  AxisChanged = false;
}

}  // namespace
