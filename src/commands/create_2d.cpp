// Create commands of the 2D function dialog.
#include "commands/create_2d.h"

#include "commands/create_frame.h"
#include "common/globals.h"
#include "dialogs/function/function_2d_ok.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

void Create2D(bool polar, bool animated, curvanta::DocumentHost& host) {
  if (animated) AnimatedPrelude(host, false);
  EditMode = false;
  const int32_t before = DocScene.FunSurfs.Count();
  RunFunction2DDialog(Function2DPresetForCreate(polar, animated, AnimFrameCount), host);
  using K = curvanta::CreateKind;
  const K kind = animated ? (polar ? K::Animation2DPolar : K::Animation2DCartesian)
                          : (polar ? K::Function2DPolar : K::Function2DCartesian);
  FinishCreate(kind, before, 0, 0, 0, host);
}

}  // namespace

void mnuDraw2DCart_Click(curvanta::DocumentHost& host) { Create2D(false, false, host); }
void mnuDraw2DPolar_Click(curvanta::DocumentHost& host) { Create2D(true, false, host); }
void mnuAniCur2DCart_Click(curvanta::DocumentHost& host) { Create2D(false, true, host); }
void mnuAniCur2DPol_Click(curvanta::DocumentHost& host) { Create2D(true, true, host); }
void mnuDrawIP_Click() { EditMode = false; }

}  // namespace curvanta
