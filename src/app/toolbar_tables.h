// The buttons of the three toolbars (key, tooltip, status hint; separators counted) and the
// rule that names the button under the pointer in the status bar.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace curvanta {

struct ToolbarButton {
  const char* key = nullptr;  // nullptr: a separator
  const char* tooltip = "";
  const char* hint = "";
  const char* command = "";  // object name of the menu entry (or own action) it runs
  bool separator() const { return key == nullptr; }
};

const std::vector<ToolbarButton>& Toolbar1Buttons();
const std::vector<ToolbarButton>& Toolbar2Buttons();
const std::vector<ToolbarButton>& Toolbar3Buttons();

inline constexpr const char* kReadyHint = "准备就绪";

// One button's extent along the bar (x for a horizontal bar, y for the vertical one).
struct ButtonExtent {
  int start = 0;
  int length = 0;
};

// The hint for a pointer at `along` (the coordinate along the bar) when the pointer's cross
// coordinate `across` lies strictly inside the bar's band [bandStart, bandStart + bandLength].
// nullopt: outside the band, leave the status bar alone. extents[i] belongs to buttons[i].
std::optional<std::string> HintAt(const std::vector<ToolbarButton>& buttons,
                                  const std::vector<ButtonExtent>& extents, int along, int across,
                                  int bandStart, int bandLength);

}  // namespace curvanta
