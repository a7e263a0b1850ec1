// The coordinate-system settings (Cls3) and the document's one instance DocAxes: panels,
// grids, interval counts, titles and the 2D axis look.
#pragma once

#include <cstdint>
#include <string>

// Plain settings object; every field reads and writes unchecked (the drawing copes with
// values outside its limits). Axis letters are document axes: x and y horizontal, z up.
class Cls3 {
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

  bool operator==(const Cls3&) const = default;

 private:
  static void ColorToUnitRGB(int32_t colour, float& red, float& green, float& blue);
  friend struct Cls3TestAccess;
};

// The document's coordinate system, created on first use (Show False) and kept for the run.
Cls3& DocAxes();
// Drops DocAxes so that the next use creates a fresh object (tests).
void ResetDocAxes();
