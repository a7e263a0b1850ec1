// The 2.5D and 3D create commands by their menu entries' names.
#include "commands/surface_commands.h"

#include "commands/create_25d.h"
#include "commands/create_3d.h"

namespace curvanta {

void RegisterSurfaceCommands(std::map<QString, std::function<void()>>& commands,
                             std::function<DocumentHost&()> host) {
  const std::pair<const char*, void (*)(DocumentHost&)> entries[] = {
      {"mnuDraw25DCart", mnuDraw25DCart_Click},
      {"mnuDraw25DPolar", mnuDraw25DPolar_Click},
      {"mnuAni25DCurCart", mnuAni25DCurCart_Click},
      {"mnuAni25DCurPol", mnuAni25DCurPol_Click},
      {"mnuDraw3DCart", mnuDraw3DCart_Click},
      {"mnuDraw3DCyl", mnuDraw3DCyl_Click},
      {"mnuDraw3DSph", mnuDraw3DSph_Click},
      {"mnuAniSurCart", mnuAniSurCart_Click},
      {"mnuAniSurCyl", mnuAniSurCyl_Click},
      {"mnuAniSurSph", mnuAniSurSph_Click},
  };
  for (const auto& [name, command] : entries)
    commands[QString::fromLatin1(name)] = [host, command = command] { command(host()); };
}

}  // namespace curvanta
