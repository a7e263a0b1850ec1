// Axes settings: creation values, the reset and the colour split.
#include <gtest/gtest.h>

#include "scene/axes_settings.h"
#include "scene/colour.h"

using namespace curvanta;

namespace curvanta {
struct AxesSettingsTestAccess {
  static void Split(int32_t c, float& r, float& g, float& b) { AxesSettings::ColorToUnitRGB(c, r, g, b); }
};
}  // namespace curvanta

namespace {

TEST(AxesSettings, NewObjectAndDefaultsDifferOnlyInShow) {
  AxesSettings fresh;
  EXPECT_FALSE(fresh.Show);
  EXPECT_FALSE(fresh.ShowXYPanel || fresh.ShowXZPanel || fresh.ShowYZPanel);
  EXPECT_TRUE(fresh.ShowXYXGrid && fresh.ShowXYYGrid && fresh.ShowXZXGrid && fresh.ShowXZZGrid &&
              fresh.ShowYZYGrid && fresh.ShowYZZGrid);
  EXPECT_EQ(fresh.LabelNumX, 2);
  EXPECT_EQ(fresh.LabelNumY, 2);
  EXPECT_EQ(fresh.LabelNumZ, 2);
  EXPECT_EQ(fresh.TitleX, "X");
  EXPECT_EQ(fresh.TitleY, "Y");
  EXPECT_EQ(fresh.TitleZ, "Z");
  EXPECT_EQ(fresh.XYPanelColor, 0xCCCCCC);
  EXPECT_EQ(fresh.YZGridColor, 0x999999);
  EXPECT_EQ(fresh.XZPanelMaterial, 4);
  EXPECT_EQ(fresh.AxisColor, 0);
  EXPECT_EQ(fresh.AxisWidth, 1);
  EXPECT_TRUE(fresh.BetterFonts);

  AxesSettings changed;
  changed.ShowXYPanel = true;
  changed.ShowYZZGrid = false;
  changed.LabelNumX = 0;
  changed.TitleX = "时间 t";  // accepted as given
  changed.XYPanelColor = 255;
  changed.YZPanelMaterial = 99;
  changed.AxisColor = 0x123456;
  changed.AxisWidth = 5;
  changed.BetterFonts = false;
  EXPECT_EQ(changed.TitleX, "时间 t");
  changed.SetDefault();
  EXPECT_TRUE(changed.Show);
  changed.Show = false;
  EXPECT_EQ(changed, fresh);
}

TEST(AxesSettings, DocAxesIsCreatedOnFirstUseAndKept) {
  ResetDocAxes();
  EXPECT_FALSE(DocAxes().Show);
  DocAxes().Show = true;
  DocAxes().TitleY = "Q";
  EXPECT_TRUE(DocAxes().Show);
  EXPECT_EQ(&DocAxes(), &DocAxes());
  ResetDocAxes();
  EXPECT_FALSE(DocAxes().Show);
  EXPECT_EQ(DocAxes().TitleY, "Y");
}

TEST(AxesSettings, ColourSplit) {
  struct Case {
    int32_t colour;
    float r, g, b;
  } cases[] = {
      {0x0000FF, 1, 0, 0},
      {0xFF0000, 0, 0, 1},
      {0x00FF00, 0, 1, 0},
      {0x999999, 0.6f, 0.6f, 0.6f},
      {0, 0, 0, 0},
      {0x203040, 0x40 / 255.0f, 0x30 / 255.0f, 0x20 / 255.0f},
      {int32_t(0x80000002u), 0, 0, 128 / 255.0f},  // system colour index 2
      {int32_t(0x80000005u), 0, 0, 0},             // other system colours draw black
      {0x01ABCDEF, 0xEF / 255.0f, 0xCD / 255.0f, 0xAB / 255.0f},
  };
  for (const auto& c : cases) {
    float r = -1, g = -1, b = -1;
    AxesSettingsTestAccess::Split(c.colour, r, g, b);
    EXPECT_FLOAT_EQ(r, c.r) << c.colour;
    EXPECT_FLOAT_EQ(g, c.g) << c.colour;
    EXPECT_FLOAT_EQ(b, c.b) << c.colour;
    EXPECT_FLOAT_EQ(RedOf(c.colour) / 255.0f, c.r);
    EXPECT_FLOAT_EQ(GreenOf(c.colour) / 255.0f, c.g);
    EXPECT_FLOAT_EQ(BlueOf(c.colour) / 255.0f, c.b);
  }
}

TEST(AxesSettings, StringToBytes) {
  std::vector<uint8_t> b(32, 0);
  StringToBytes(b, "Arial");
  std::vector<uint8_t> expected = {65, 114, 105, 97, 108, 0};
  expected.resize(32, 0);
  EXPECT_EQ(b, expected);
  std::vector<uint8_t> untouched(4, 7);
  StringToBytes(untouched, "");
  EXPECT_EQ(untouched, std::vector<uint8_t>(4, 7));
  std::vector<uint8_t> small;
  StringToBytes(small, "-0.50");
  EXPECT_EQ(small, (std::vector<uint8_t>{45, 48, 46, 53, 48, 0}));
}

}  // namespace
