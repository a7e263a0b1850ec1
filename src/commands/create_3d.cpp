// Create commands of the 3D function dialog.
#include "commands/create_3d.h"

#include "commands/create_frame.h"
#include "common/globals.h"
#include "dialogs/function/function_3d_ok.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

// coordSystem: 0 Cartesian, 1 cylindrical, 2 spherical.
void Create3D(int coordSystem, bool animated, DocumentHost& host) {
  if (animated) AnimatedPrelude(host, true);
  EditMode = false;
  const int32_t before = DocScene.FunSurfs.Count();
  RunFunction3DDialog(Function3DPresetForCreate(coordSystem, animated, AnimFrameCount), host);
  using K = CreateKind;
  static const K kStill[3] = {K::Function3DCartesian, K::Function3DCylindrical,
                              K::Function3DSpherical};
  static const K kAnimated[3] = {K::Animation3DCartesian, K::Animation3DCylindrical,
                                 K::Animation3DSpherical};
  FinishCreate((animated ? kAnimated : kStill)[coordSystem], before, 0, -15, 45, host);
}

}  // namespace

void mnuDraw3DCart_Click(DocumentHost& host) { Create3D(0, false, host); }
void mnuDraw3DCyl_Click(DocumentHost& host) { Create3D(1, false, host); }
void mnuDraw3DSph_Click(DocumentHost& host) { Create3D(2, false, host); }
void mnuAniSurCart_Click(DocumentHost& host) { Create3D(0, true, host); }
void mnuAniSurCyl_Click(DocumentHost& host) { Create3D(1, true, host); }
void mnuAniSurSph_Click(DocumentHost& host) { Create3D(2, true, host); }

}  // namespace curvanta
