// Which menu entries and toolbar buttons each document kind (2D, 2.5D, 3D) offers.
#pragma once

#include <vector>

namespace curvanta {

enum class Bar { Toolbar1 = 1, Toolbar2 = 2, Toolbar3 = 3 };

struct CommandSetRow {
  std::vector<const char*> menuEntries;  // QAction object names (a submenu's own action too)
  Bar bar = Bar::Toolbar1;
  std::vector<int> buttons;  // 1-based indexes into that toolbar, separators counted
  bool on2D, on25D, on3D;
  bool OnFor(int graphMode) const { return graphMode == 1 ? on2D : graphMode == 2 ? on25D : on3D; }
};

// The rows switched by EnableCommands2D / 25D / 3D.
const std::vector<CommandSetRow>& CommandSetTable();

// The playback entries and their buttons (Toolbar2 13..23), switched off by every kind and on
// by an animated graph.
const std::vector<const char*>& PlaybackMenuEntries();

}  // namespace curvanta
