// Fill and accept steps of the axes dialogs.
#include "scene/axes_dialog_state.h"

#include <cmath>
#include <limits>

#include "common/globals.h"
#include "common/number_text.h"

namespace curvanta {

const std::vector<std::string>& MaterialPresetNames() {
  static const std::vector<std::string> names = {
      "Artdeco", "Autumn", "Glass",  "Metal",  "Neon",     "Recoco", "Santefe",
      "Sheen",   "Silky",  "Spring", "Summer", "Tropical", "Winter"};
  return names;
}

int32_t FieldToInt32(const std::string& text) {
  const double v = curvanta::RoundHalfEven(curvanta::LeadingNumber(text));
  if (std::isnan(v)) return 0;
  if (v >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (v <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return int32_t(v);
}

// --- Axes2DDialogState ---

Axes2DDialogState Axes2DDialogState::Form_Load(const AxesSettings& axes) {
  Axes2DDialogState f;
  f.showAxes = axes.Show;
  f.betterFonts = axes.BetterFonts;
  f.widthItems = {"1", "2", "3", "4", "5"};
  if (axes.AxisWidth >= 1 && axes.AxisWidth <= 5) {
    f.widthIndex = axes.AxisWidth - 1;
  } else if (axes.AxisWidth != 0) {
    // A stored width without an entry gets one, so that OK writes it back.
    f.widthItems.push_back(std::to_string(axes.AxisWidth));
    f.widthIndex = int(f.widthItems.size()) - 1;
  }
  f.widthText = f.widthIndex >= 0 ? f.widthItems[size_t(f.widthIndex)] : std::string();
  f.axisColour = axes.AxisColor;
  return f;
}

void Axes2DDialogState::ChooseAxisColour(std::optional<int32_t> chosen) {
  if (chosen) axisColour = *chosen;
}

void Axes2DDialogState::SelectWidth(int index) {
  if (index < 0 || index >= int(widthItems.size())) return;
  widthIndex = index;
  widthText = widthItems[size_t(index)];
}

void Axes2DDialogState::Command1_Click(AxesSettings& axes) const {
  AxisChanged = true;
  axes.Show = showAxes;
  axes.BetterFonts = betterFonts;
  axes.AxisColor = axisColour;
  axes.AxisWidth = FieldToInt32(widthText);
}

void Axes2DDialogState::Command2_Click() { AxisChanged = false; }

// --- Axes3DDialogState ---

namespace {

// A material outside the list leaves it without a selection.
int MaterialPosition(int32_t material) {
  return material >= 1 && material <= 13 ? material - 1 : -1;
}

}  // namespace

Axes3DDialogState Axes3DDialogState::Form_Load(const AxesSettings& axes, int32_t graphMode) {
  Axes3DDialogState f;
  f.Saved = axes;
  f.TwoTitleRows = graphMode == 2;
  f.showAxes = axes.Show;
  f.panels[kPlaneXY] = {axes.ShowXYPanel, axes.XYPanelColor, MaterialPosition(axes.XYPanelMaterial)};
  f.panels[kPlaneXZ] = {axes.ShowXZPanel, axes.XZPanelColor, MaterialPosition(axes.XZPanelMaterial)};
  f.panels[kPlaneYZ] = {axes.ShowYZPanel, axes.YZPanelColor, MaterialPosition(axes.YZPanelMaterial)};
  f.grids[kPlaneXY] = {axes.ShowXYXGrid, axes.ShowXYYGrid, axes.XYGridColor};
  f.grids[kPlaneXZ] = {axes.ShowXZXGrid, axes.ShowXZZGrid, axes.XZGridColor};
  f.grids[kPlaneYZ] = {axes.ShowYZYGrid, axes.ShowYZZGrid, axes.YZGridColor};
  f.intervals = {std::to_string(axes.LabelNumX), std::to_string(axes.LabelNumY),
                 std::to_string(axes.LabelNumZ)};
  f.titles = {axes.TitleX, axes.TitleY, axes.TitleZ};
  return f;
}

void Axes3DDialogState::SetShowAxes(bool checked, AxesSettings& axes) {
  showAxes = checked;
  axes.Show = checked;
}

void Axes3DDialogState::ChoosePanelColour(Axes3DPlane panel, std::optional<int32_t> chosen,
                                          AxesSettings& axes) {
  if (!chosen) return;
  int32_t* target[3] = {&axes.XYPanelColor, &axes.XZPanelColor, &axes.YZPanelColor};
  *target[panel] = *chosen;
  panels[panel].colour = *chosen;
}

void Axes3DDialogState::ChooseGridColour(Axes3DPlane grid, std::optional<int32_t> chosen,
                                         AxesSettings& axes) {
  if (!chosen) return;
  int32_t* target[3] = {&axes.XYGridColor, &axes.XZGridColor, &axes.YZGridColor};
  *target[grid] = *chosen;
  grids[grid].colour = *chosen;
}

void Axes3DDialogState::Command1_Click(AxesSettings& axes) const {
  AxisChanged = true;
  if (!axes.Show) return;
  ApplyPanels(axes);
  ApplyGrids(axes);
  ApplyIntervals(axes);
  ApplyTitles(axes);
}

void Axes3DDialogState::Command2_Click(AxesSettings& axes) const {
  AxisChanged = false;
  axes = Saved;
}

void Axes3DDialogState::ApplyPanels(AxesSettings& axes) const {
  struct Panel {
    bool& show;
    int32_t& colour;
    int32_t& material;
  } targets[] = {{axes.ShowXYPanel, axes.XYPanelColor, axes.XYPanelMaterial},
                 {axes.ShowXZPanel, axes.XZPanelColor, axes.XZPanelMaterial},
                 {axes.ShowYZPanel, axes.YZPanelColor, axes.YZPanelMaterial}};
  for (size_t p = 0; p < 3; ++p) {
    // A hidden panel keeps its stored colour.
    targets[p].show = panels[p].show;
    if (panels[p].show) targets[p].colour = panels[p].colour;
    targets[p].material = panels[p].material + 1;
  }
}

void Axes3DDialogState::ApplyGrids(AxesSettings& axes) const {
  axes.ShowXYXGrid = grids[kPlaneXY].showFirst;
  axes.ShowXYYGrid = grids[kPlaneXY].showSecond;
  axes.ShowXZXGrid = grids[kPlaneXZ].showFirst;
  axes.ShowXZZGrid = grids[kPlaneXZ].showSecond;
  axes.ShowYZYGrid = grids[kPlaneYZ].showFirst;
  axes.ShowYZZGrid = grids[kPlaneYZ].showSecond;
  axes.XYGridColor = grids[kPlaneXY].colour;
  axes.XZGridColor = grids[kPlaneXZ].colour;
  axes.YZGridColor = grids[kPlaneYZ].colour;
}

void Axes3DDialogState::ApplyIntervals(AxesSettings& axes) const {
  axes.LabelNumX = FieldToInt32(intervals[0]);
  axes.LabelNumY = FieldToInt32(intervals[1]);
  axes.LabelNumZ = FieldToInt32(intervals[2]);
}

void Axes3DDialogState::ApplyTitles(AxesSettings& axes) const {
  axes.TitleX = titles[0];
  axes.TitleY = titles[1];
  axes.TitleZ = titles[2];
}

}  // namespace curvanta
