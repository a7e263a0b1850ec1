// Create commands of the 2.5D strip dialog.
#include "commands/create_25d.h"

#include "commands/create_frame.h"
#include "common/globals.h"
#include "dialogs/function/strip_ok.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

void Create25D(bool polar, bool animated, DocumentHost& host) {
  if (animated) AnimatedPrelude(host, true);
  EditMode = false;
  const int32_t before = DocScene.FunSurfs.Count();
  RunStripDialog(StripPresetForCreate(polar, animated, AnimFrameCount), host);
  using K = CreateKind;
  const K kind = animated ? (polar ? K::AnimationStrip25DPolar : K::AnimationStrip25DCartesian)
                          : (polar ? K::Strip25DPolar : K::Strip25DCartesian);
  FinishCreate(kind, before, 0, -15, 45, host);
}

}  // namespace

void mnuDraw25DCart_Click(DocumentHost& host) { Create25D(false, false, host); }
void mnuDraw25DPolar_Click(DocumentHost& host) { Create25D(true, false, host); }
void mnuAni25DCurCart_Click(DocumentHost& host) { Create25D(false, true, host); }
void mnuAni25DCurPol_Click(DocumentHost& host) { Create25D(true, true, host); }

}  // namespace curvanta
