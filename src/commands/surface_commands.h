// Registers the Draw and Animation commands of the 2.5D strips and the 3D curves and
// surfaces in the main window's table of commands (menu entries and toolbar buttons run
// them by their entry's name).
#pragma once

#include <QString>
#include <functional>
#include <map>

#include "common/document_host.h"

namespace curvanta {

void RegisterSurfaceCommands(std::map<QString, std::function<void()>>& commands,
                             std::function<DocumentHost&()> host);

}  // namespace curvanta
