// The axes dialogs as plain state and pure steps: Axes2DDialogState (2D documents) and Axes3DDialogState (2.5D
// and 3D documents). The QDialogs in scene/ui only show this state and call these steps.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scene/axes_settings.h"

namespace curvanta {

// Names of the thirteen material presets, in preset order (list position p = material p + 1).
const std::vector<std::string>& MaterialPresetNames();

// A settings-dialog number field read as a 32-bit integer: the leading number ("." the
// only decimal point, none gives 0), halves to even, clamped into the 32-bit range.
int32_t FieldToInt32(const std::string& text);

// --- Axes2DDialogState: the 2D coordinate system ---------------------------------------------------

struct Axes2DDialogState {
  bool Check1 = true;   // "显示坐标系"
  bool Check2 = true;   // "字体更佳"
  int32_t Picture1 = 0; // axis colour swatch
  std::vector<std::string> Combo1Items;  // "1" .. "5" (and a stored width without entry)
  int Combo1Index = -1;
  std::string Combo1Text;  // what OK reads (the list is editable)

  // Fills the dialog from the settings.
  static Axes2DDialogState Form_Load(const AxesSettings& axes);
  // Swatch click with the chooser's answer (nullopt: cancelled, the swatch keeps its colour).
  void Picture1_Click(std::optional<int32_t> chosen);
  // Selecting a list entry puts its text into the box.
  void Combo1_Select(int index);
  // OK: writes the settings and sets AxisChanged True.
  void Command1_Click(AxesSettings& axes) const;
  // Cancel: AxisChanged False, nothing written.
  static void Command2_Click();
};

// --- Axes3DDialogState: the 2.5D / 3D coordinate system ----------------------------------------------

struct Axes3DDialogState {
  // Check1 "显示坐标系"; Check2..4 the XY, XZ, YZ panels; Check5..10 the grids XY-X, XY-Y,
  // XZ-X, XZ-Z, YZ-Y, YZ-Z. Index 0 unused.
  std::array<bool, 11> Check{};
  // Swatches Picture1, 2, 3 (panels) and 5, 7, 9 (grids); other indices unused.
  std::array<int32_t, 10> Picture{};
  std::array<int, 4> ComboIndex{-1, -1, -1, -1};  // Combo1..3: material position, -1 none
  std::array<std::string, 7> Text;                 // Text1..6; index 0 unused
  // 2.5D: the titles tab shows two rows, "X Axes Title" editing Text5 (TitleY) and
  // "Y Axes Title" editing Text6 (TitleZ); Text4 (TitleX) is hidden and written back.
  bool TwoTitleRows = false;
  // The settings as they were on opening: Cancel puts them back.
  AxesSettings Saved;

  static Axes3DDialogState Form_Load(const AxesSettings& axes, int32_t graphMode);
  // Check boxes; Check1 writes Show at once.
  void Check_Click(int index, bool checked, AxesSettings& axes);
  // A panel's colour and material controls are enabled while its box is checked.
  bool PanelControlsEnabled(int panel) const { return Check[1 + panel]; }  // panel 1..3
  // Swatch click (index 1, 2, 3, 5, 7 or 9) with the chooser's answer: a chosen colour goes
  // into the swatch and into the settings at once; a cancelled chooser changes nothing.
  void Picture_Click(int index, std::optional<int32_t> chosen, AxesSettings& axes);
  // OK: AxisChanged True; when Show is True the panels, grids, intervals and titles.
  void Command1_Click(AxesSettings& axes) const;
  // Cancel: AxisChanged False; the settings go back to what they were on opening.
  void Command2_Click(AxesSettings& axes) const;

 private:
  void ApplyPanels(AxesSettings& axes) const;
  void ApplyGrids(AxesSettings& axes) const;
  void ApplyIntervals(AxesSettings& axes) const;
  void ApplyTitles(AxesSettings& axes) const;
};

}  // namespace curvanta
