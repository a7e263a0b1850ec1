// The commands that add a table of points in 2D, 2.5D or 3D through its table dialog
// ("绘图" > "表数据图形" > ..., and their toolbar buttons).
#pragma once

#include <utility>
#include <vector>

#include "common/document_host.h"

namespace curvanta {

// Each sets EditMode False, shows its dialog for a new table and, when the dialog added one,
// sets the view rotation (0, 0, 0 for 2D; 0, -15, 45 for 2.5D and 3D) and appends and
// checks its list line.
void mnuDrawTab2D_Click(DocumentHost& host);
void mnuDrawTab25D_Click(DocumentHost& host);
void mnuDrawTab3D_Click(DocumentHost& host);

// The table commands by the object names of their menu entries, for the main window.
const std::vector<std::pair<const char*, void (*)(DocumentHost&)>>& TableCommands();

}  // namespace curvanta
