// The coordinate-system settings (AxesSettings) and the document's one instance DocAxes: panels,
// grids, interval counts, titles and the 2D axis look.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace curvanta {

// Plain settings object; every field reads and writes unchecked (the drawing copes with
// values outside its limits). Axis letters are document axes: x and y horizontal, z up.
class AxesSettings {
 public:
  bool Show = false;
  bool ShowXYPanel = false;
  bool ShowXZPanel = false;
  bool ShowYZPanel = false;
  bool ShowXYXGrid = true;
  bool ShowXZXGrid = true;
  bool ShowYZYGrid = true;
  int32_t LabelNumX = 2;
  int32_t LabelNumY = 2;
  int32_t LabelNumZ = 2;
  std::string TitleX = "X";
  std::string TitleY = "Y";
  std::string TitleZ = "Z";
  bool ShowXYYGrid = true;
  bool ShowXZZGrid = true;
  bool ShowYZZGrid = true;
  int32_t XYPanelColor = 0xCCCCCC;
  int32_t XZPanelColor = 0xCCCCCC;
  int32_t YZPanelColor = 0xCCCCCC;
  int32_t XYGridColor = 0x999999;
  int32_t XZGridColor = 0x999999;
  int32_t YZGridColor = 0x999999;
  int32_t XYPanelMaterial = 4;
  int32_t XZPanelMaterial = 4;
  int32_t YZPanelMaterial = 4;
  int32_t AxisColor = 0;
  int32_t AxisWidth = 1;
  bool BetterFonts = true;

  // Every field back to its default, the axes shown.
  void SetDefault();

  // Draws the coordinate system around the box (GL coordinates) into the current GL
  // context, by GraphMode: 2D axes with ticks, arrowheads and labels, or the 2.5D/3D
  // panels, grids, ticks, labels and titles. gtpGraphType is not used.
  void Draw(int32_t gtpGraphType, float sngMinX, float sngMaxX, float sngMinY, float sngMaxY,
            float sngMinZ, float sngMaxZ) const;

  bool operator==(const AxesSettings&) const = default;

 private:
  static void ColorToUnitRGB(int32_t colour, float& red, float& green, float& blue);
  friend struct AxesSettingsTestAccess;
  void Draw2D(float minX, float maxX, float minY, float maxY) const;
  void Draw3D(bool depthAxis, float minX, float maxX, float minY, float maxY, float minZ,
              float maxZ) const;
};

// The document's coordinate system, created on first use (Show False) and kept for the run.
AxesSettings& DocAxes();
// Drops DocAxes so that the next use creates a fresh object (tests).
void ResetDocAxes();

// A 2.5D/3D tick label: two decimals, "." as the decimal point, "," grouping by threes,
// leading zero, "-" ("12.50", "-0.25", "1,234.50"); exact ties away from zero; a value
// that rounds to zero is "0.00".
std::string TickLabelText(double value);
// The estimated width of a text in scene units: characters / 3.9.
double TextWidth(std::string_view text);

}  // namespace curvanta
