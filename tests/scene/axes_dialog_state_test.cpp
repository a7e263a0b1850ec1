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

TEST(AxesDialogState, Frm3FillThenUnchangedOkKeepsEverything) {
  for (int mode : {2, 3}) {
    AxesSettings axes = Asymmetric();
    const AxesSettings before = axes;
    Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, mode);
    EXPECT_EQ(f.TwoTitleRows, mode == 2);
    EXPECT_EQ(f.Text[1], "3");
    EXPECT_EQ(f.Text[3], "-1");
    EXPECT_EQ(f.Text[4], "时间");
    EXPECT_EQ(f.ComboIndex[1], 0);
    EXPECT_EQ(f.ComboIndex[2], 12);
    EXPECT_EQ(f.ComboIndex[3], -1);  // material 0: no selection, written back as 0
    EXPECT_FALSE(f.PanelControlsEnabled(1));
    EXPECT_TRUE(f.PanelControlsEnabled(2));
    AxisChanged = false;
    f.Command1_Click(axes);
    EXPECT_TRUE(AxisChanged);
    EXPECT_EQ(axes, before) << "mode " << mode;  // 2.5D writes the hidden TitleX back
  }
  AxisChanged = false;
}

TEST(AxesDialogState, Frm3OkWritesEveryTab) {
  AxesSettings axes = Asymmetric();
  Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, 3);
  f.Check_Click(2, true, axes);
  f.Check_Click(3, false, axes);  // hidden at OK: flag False, colour kept, material written
  f.Check_Click(6, true, axes);
  f.Check_Click(9, false, axes);
  f.ComboIndex[2] = 4;
  f.Text[1] = "2.5";
  f.Text[2] = "3.5";
  f.Text[3] = "abc";
  f.Text[6] = "高 度";
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

TEST(AxesDialogState, Frm3HiddenAxesOkKeepsTheOtherSettings) {
  AxesSettings axes = Asymmetric();
  const AxesSettings before = axes;
  Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, 3);
  f.Check_Click(1, false, axes);
  EXPECT_FALSE(axes.Show);  // written at once
  f.Check_Click(2, true, axes);
  f.Text[1] = "9";
  f.Text[4] = "other";
  f.Command1_Click(axes);
  EXPECT_TRUE(AxisChanged);
  AxesSettings expected = before;
  expected.Show = false;
  EXPECT_EQ(axes, expected);
  AxisChanged = false;
}

TEST(AxesDialogState, Frm3SwatchesWriteAtOnceAndCancelRestores) {
  AxesSettings axes = Asymmetric();
  const AxesSettings before = axes;
  Axes3DDialogState f = Axes3DDialogState::Form_Load(axes, 3);
  f.Picture_Click(1, 0x00AA00, axes);
  EXPECT_EQ(axes.XYPanelColor, 0x00AA00);
  EXPECT_EQ(f.Picture[1], 0x00AA00);
  f.Picture_Click(9, std::nullopt, axes);  // cancelled chooser: nothing changes
  EXPECT_EQ(axes.YZGridColor, 0x778899);
  EXPECT_EQ(f.Picture[9], 0x778899);
  f.Picture_Click(7, 0x010203, axes);
  f.Check_Click(1, false, axes);
  AxisChanged = true;
  f.Command2_Click(axes);
  EXPECT_FALSE(AxisChanged);
  EXPECT_EQ(axes, before);  // Show, panel and grid colours as before
}

TEST(AxesDialogState, Frm20FillOkAndCancel) {
  AxesSettings axes;
  axes.Show = true;
  axes.BetterFonts = false;
  axes.AxisColor = 0x123456;
  axes.AxisWidth = 2;
  Axes2DDialogState f = Axes2DDialogState::Form_Load(axes);
  EXPECT_TRUE(f.Check1);
  EXPECT_FALSE(f.Check2);
  EXPECT_EQ(f.Combo1Index, 1);
  EXPECT_EQ(f.Combo1Text, "2");
  EXPECT_EQ(f.Picture1, 0x123456);

  f.Picture1_Click(0x0000FF);
  f.Combo1_Select(2);
  Axes2DDialogState::Command2_Click();
  EXPECT_FALSE(AxisChanged);
  EXPECT_EQ(axes.AxisColor, 0x123456);  // Cancel: nothing written

  f.Check1 = false;
  f.Command1_Click(axes);
  EXPECT_TRUE(AxisChanged);
  EXPECT_FALSE(axes.Show);
  EXPECT_EQ(axes.AxisColor, 0x0000FF);
  EXPECT_EQ(axes.AxisWidth, 3);

  f.Picture1_Click(std::nullopt);  // cancelled chooser keeps the swatch
  EXPECT_EQ(f.Picture1, 0x0000FF);
  f.Combo1Text = "4.5";  // typed into the editable list
  f.Command1_Click(axes);
  EXPECT_EQ(axes.AxisWidth, 4);
  AxisChanged = false;
}

TEST(AxesDialogState, Frm20WidthsWithoutEntryComeBack) {
  for (int32_t width : {0, 7, -3, 2147483647}) {
    AxesSettings axes;
    axes.AxisWidth = width;
    Axes2DDialogState f = Axes2DDialogState::Form_Load(axes);
    f.Command1_Click(axes);
    EXPECT_EQ(axes.AxisWidth, width);
    if (width == 0) {
      EXPECT_EQ(f.Combo1Index, -1);
      EXPECT_EQ(f.Combo1Text, "");
    } else {
      EXPECT_EQ(f.Combo1Items.size(), 6u);
    }
  }
  AxisChanged = false;
}

}  // namespace
