// Registers the point, animated point, step and stem commands with the main window.
#pragma once

#include <QString>
#include <functional>
#include <map>

#include "common/document_host.h"

namespace curvanta {

using CommandTable = std::map<QString, std::function<void()>>;

void RegisterPointAndStepCommands(CommandTable& commands, std::function<DocumentHost&()> host);

}  // namespace curvanta
