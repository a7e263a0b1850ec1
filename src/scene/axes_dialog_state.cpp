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
  f.Check1 = axes.Show;
  f.Check2 = axes.BetterFonts;
  f.Combo1Items = {"1", "2", "3", "4", "5"};
  if (axes.AxisWidth >= 1 && axes.AxisWidth <= 5) {
    f.Combo1Index = axes.AxisWidth - 1;
  } else if (axes.AxisWidth != 0) {
    // A stored width without an entry gets one, so that OK writes it back.
    f.Combo1Items.push_back(std::to_string(axes.AxisWidth));
    f.Combo1Index = int(f.Combo1Items.size()) - 1;
  }
  f.Combo1Text = f.Combo1Index >= 0 ? f.Combo1Items[size_t(f.Combo1Index)] : std::string();
  f.Picture1 = axes.AxisColor;
  return f;
}

void Axes2DDialogState::Picture1_Click(std::optional<int32_t> chosen) {
  if (chosen) Picture1 = *chosen;
}

void Axes2DDialogState::Combo1_Select(int index) {
  if (index < 0 || index >= int(Combo1Items.size())) return;
  Combo1Index = index;
  Combo1Text = Combo1Items[size_t(index)];
}

void Axes2DDialogState::Command1_Click(AxesSettings& axes) const {
  AxisChanged = true;
  axes.Show = Check1;
  axes.BetterFonts = Check2;
  axes.AxisColor = Picture1;
  axes.AxisWidth = FieldToInt32(Combo1Text);
}

void Axes2DDialogState::Command2_Click() { AxisChanged = false; }

// --- Axes3DDialogState ---

Axes3DDialogState Axes3DDialogState::Form_Load(const AxesSettings& axes, int32_t graphMode) {
  Axes3DDialogState f;
  f.Saved = axes;
  f.TwoTitleRows = graphMode == 2;
  f.Check = {false,           axes.Show,        axes.ShowXYPanel, axes.ShowXZPanel,
             axes.ShowYZPanel, axes.ShowXYXGrid, axes.ShowXYYGrid, axes.ShowXZXGrid,
             axes.ShowXZZGrid, axes.ShowYZYGrid, axes.ShowYZZGrid};
  f.Picture[1] = axes.XYPanelColor;
  f.Picture[2] = axes.XZPanelColor;
  f.Picture[3] = axes.YZPanelColor;
  f.Picture[5] = axes.XYGridColor;
  f.Picture[7] = axes.XZGridColor;
  f.Picture[9] = axes.YZGridColor;
  f.Text[1] = std::to_string(axes.LabelNumX);
  f.Text[2] = std::to_string(axes.LabelNumY);
  f.Text[3] = std::to_string(axes.LabelNumZ);
  f.Text[4] = axes.TitleX;
  f.Text[5] = axes.TitleY;
  f.Text[6] = axes.TitleZ;
  const int32_t materials[3] = {axes.XYPanelMaterial, axes.XZPanelMaterial, axes.YZPanelMaterial};
  for (int i = 0; i < 3; ++i) {
    // A material outside the list leaves it without a selection.
    f.ComboIndex[size_t(i + 1)] = materials[i] >= 1 && materials[i] <= 13 ? materials[i] - 1 : -1;
  }
  return f;
}

void Axes3DDialogState::Check_Click(int index, bool checked, AxesSettings& axes) {
  if (index < 1 || index > 10) return;
  Check[size_t(index)] = checked;
  if (index == 1) axes.Show = checked;
}

void Axes3DDialogState::Picture_Click(int index, std::optional<int32_t> chosen, AxesSettings& axes) {
  if (!chosen) return;
  switch (index) {
    case 1: axes.XYPanelColor = *chosen; break;
    case 2: axes.XZPanelColor = *chosen; break;
    case 3: axes.YZPanelColor = *chosen; break;
    case 5: axes.XYGridColor = *chosen; break;
    case 7: axes.XZGridColor = *chosen; break;
    case 9: axes.YZGridColor = *chosen; break;
    default: return;
  }
  Picture[size_t(index)] = *chosen;
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
    int check, picture;
  } panels[] = {{axes.ShowXYPanel, axes.XYPanelColor, 2, 1},
                {axes.ShowXZPanel, axes.XZPanelColor, 3, 2},
                {axes.ShowYZPanel, axes.YZPanelColor, 4, 3}};
  for (Panel& p : panels) {
    if (Check[size_t(p.check)]) {
      p.show = true;
      p.colour = Picture[size_t(p.picture)];
    } else {
      p.show = false;
    }
  }
  axes.XYPanelMaterial = ComboIndex[1] + 1;
  axes.XZPanelMaterial = ComboIndex[2] + 1;
  axes.YZPanelMaterial = ComboIndex[3] + 1;
}

void Axes3DDialogState::ApplyGrids(AxesSettings& axes) const {
  axes.ShowXYXGrid = Check[5];
  axes.ShowXYYGrid = Check[6];
  axes.ShowXZXGrid = Check[7];
  axes.ShowXZZGrid = Check[8];
  axes.ShowYZYGrid = Check[9];
  axes.ShowYZZGrid = Check[10];
  axes.XYGridColor = Picture[5];
  axes.XZGridColor = Picture[7];
  axes.YZGridColor = Picture[9];
}

void Axes3DDialogState::ApplyIntervals(AxesSettings& axes) const {
  axes.LabelNumX = FieldToInt32(Text[1]);
  axes.LabelNumY = FieldToInt32(Text[2]);
  axes.LabelNumZ = FieldToInt32(Text[3]);
}

void Axes3DDialogState::ApplyTitles(AxesSettings& axes) const {
  axes.TitleX = Text[4];
  axes.TitleY = Text[5];
  axes.TitleZ = Text[6];
}

}  // namespace curvanta
