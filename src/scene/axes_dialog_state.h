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
  bool showAxes = true;     // "显示坐标系"
  bool betterFonts = true;  // "字体更佳"
  int32_t axisColour = 0;
  std::vector<std::string> widthItems;  // "1" .. "5" (and a stored width without entry)
  int widthIndex = -1;
  std::string widthText;  // what OK reads (the list is editable)

  // Fills the dialog from the settings.
  static Axes2DDialogState Form_Load(const AxesSettings& axes);
  // The colour chooser's answer (nullopt: cancelled, the swatch keeps its colour).
  void ChooseAxisColour(std::optional<int32_t> chosen);
  // Selecting a width entry puts its text into the box.
  void SelectWidth(int index);
  // OK: writes the settings and sets AxisChanged True.
  void Command1_Click(AxesSettings& axes) const;
  // Cancel: AxisChanged False, nothing written.
  static void Command2_Click();
};

// --- Axes3DDialogState: the 2.5D / 3D coordinate system ----------------------------------------------

// The three coordinate planes, in the order of the panels and grids.
enum Axes3DPlane { kPlaneXY = 0, kPlaneXZ = 1, kPlaneYZ = 2 };

// A panel: shown or not, its colour and its material (position in the preset list, -1 none).
struct Axes3DPanelChoice {
  bool show = false;
  int32_t colour = 0;
  int material = -1;
};

// A plane's grid: lines across its first and its second axis, and their colour.
struct Axes3DGridChoice {
  bool showFirst = false;
  bool showSecond = false;
  int32_t colour = 0;
};

struct Axes3DDialogState {
  bool showAxes = false;  // "显示坐标系", written to the settings at once
  std::array<Axes3DPanelChoice, 3> panels;  // by Axes3DPlane
  std::array<Axes3DGridChoice, 3> grids;    // by Axes3DPlane
  std::array<std::string, 3> intervals;     // label intervals on x, y, z
  std::array<std::string, 3> titles;        // titles of x, y, z
  // 2.5D: the titles tab shows two rows, "X Axes Title" editing the y title and "Y Axes
  // Title" editing the z title; the x title is hidden and written back.
  bool TwoTitleRows = false;
  // The settings as they were on opening: Cancel puts them back.
  AxesSettings Saved;

  static Axes3DDialogState Form_Load(const AxesSettings& axes, int32_t graphMode);
  // The show-axes box writes Show at once.
  void SetShowAxes(bool checked, AxesSettings& axes);
  // A panel's colour and material controls are enabled while its box is checked.
  bool PanelControlsEnabled(Axes3DPlane panel) const { return panels[panel].show; }
  // The chooser's answer for a panel's or a grid's colour: a chosen colour goes into the
  // swatch and into the settings at once; a cancelled chooser changes nothing.
  void ChoosePanelColour(Axes3DPlane panel, std::optional<int32_t> chosen, AxesSettings& axes);
  void ChooseGridColour(Axes3DPlane grid, std::optional<int32_t> chosen, AxesSettings& axes);
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
