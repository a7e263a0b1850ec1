// The point, animated point, step and stem commands by their menu entries.
#include "commands/special_commands.h"

#include "commands/create_points.h"
#include "commands/create_step_stem.h"

namespace curvanta {

void RegisterPointAndStepCommands(CommandTable& commands, std::function<DocumentHost&()> host) {
  commands[QStringLiteral("mnuDrawPoint")] = [host] { mnuDrawPoint_Click(host()); };
  commands[QStringLiteral("mnuAniPoint")] = [host] { mnuAniPoint_Click(host()); };
  commands[QStringLiteral("mnuDrawStep")] = [host] { mnuDrawStep_Click(host()); };
  commands[QStringLiteral("mnuDrawHcg")] = [host] { mnuDrawHcg_Click(host()); };
}

}  // namespace curvanta
