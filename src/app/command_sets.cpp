// The command-set table of the three document kinds.
#include "app/command_sets.h"

namespace curvanta {

const std::vector<CommandSetRow>& CommandSetTable() {
  using B = Bar;
  static const std::vector<CommandSetRow> rows = {
      {{"mnuDrawPoint"}, B::Toolbar1, {22}, true, true, true},
      {{"mnuDrawFun2D", "mnuDraw2DCart", "mnuDraw2DPolar"}, B::Toolbar1, {23, 24}, true, false, false},
      {{"mnuDraw25d", "mnuDraw25DCart", "mnuDraw25DPolar"}, B::Toolbar1, {26, 27}, false, true, false},
      {{"mnuDrawFun3D", "mnuDraw3DCart", "mnuDraw3DCyl", "mnuDraw3DSph"}, B::Toolbar1, {29, 30, 31},
       false, false, true},
      {{"mnuDrawTab2D"}, B::Toolbar1, {33}, true, false, false},
      {{"mnuDrawTab25D"}, B::Toolbar1, {34}, false, true, false},
      {{"mnuDrawTab3D"}, B::Toolbar1, {35}, false, false, true},
      {{"mnuDrawSpe", "mnuDrawStep", "mnuDrawHcg"}, B::Toolbar1, {}, true, false, false},
      {{"mnuDrawIP"}, B::Toolbar1, {}, false, false, false},
      {{"mnuDrawAxis"}, B::Toolbar1, {37}, true, true, true},
      {{"mnuDrawLight"}, B::Toolbar1, {38}, false, true, true},
      {{"mnuGraphAxis"}, B::Toolbar1, {}, false, true, true},
      {{"mnuGraphLight"}, B::Toolbar1, {}, false, true, true},
      {{"mnuAniPoint"}, B::Toolbar2, {2}, true, true, true},
      {{"mnuAni2DCur", "mnuAniCur2DCart", "mnuAniCur2DPol"}, B::Toolbar2, {3, 4}, true, false, false},
      {{"mnuAniCur25D", "mnuAni25DCurCart", "mnuAni25DCurPol"}, B::Toolbar2, {6, 7}, false, true, false},
      {{"mnuAniSur", "mnuAniSurCart", "mnuAniSurCyl", "mnuAniSurSph"}, B::Toolbar2, {9, 10, 11}, false,
       false, true},
      {{"mnuAniStartb"}, B::Toolbar2, {13}, false, false, false},
      {{"mnuAniPause"}, B::Toolbar2, {14}, false, false, false},
      {{"mnuAniStop"}, B::Toolbar2, {15}, false, false, false},
      {{"mnuAniFirst"}, B::Toolbar2, {16}, false, false, false},
      {{"mnuAniPre"}, B::Toolbar2, {17}, false, false, false},
      {{"mnuAniNext"}, B::Toolbar2, {18}, false, false, false},
      {{"mnuAniLast"}, B::Toolbar2, {19}, false, false, false},
      {{"mnuAniNormal"}, B::Toolbar2, {20}, false, false, false},
      {{"mnuAniRev"}, B::Toolbar2, {21}, false, false, false},
      {{"mnuAniRepeat"}, B::Toolbar2, {22}, false, false, false},
      {{"mnuAniRevRepeat"}, B::Toolbar2, {23}, false, false, false},
      {{"mnuViewFront"}, B::Toolbar3, {1}, false, false, true},
      {{"mnuViewRight"}, B::Toolbar3, {2}, false, false, true},
      {{"mnuViewTop"}, B::Toolbar3, {3}, false, false, true},
      {{"mnuViewISO"}, B::Toolbar3, {4}, false, true, true},
      {{}, B::Toolbar3, {6, 7}, false, false, true},
      {{}, B::Toolbar3, {9, 10, 11}, true, true, true},
      {{"mnuViewRotate"}, B::Toolbar3, {12}, false, true, true},
      {{}, B::Toolbar3, {14, 15, 16}, false, true, true},
      {{}, B::Toolbar3, {18, 19, 20}, false, true, true},
      {{"mnuViewSet"}, B::Toolbar3, {}, false, false, true},
  };
  return rows;
}

const std::vector<const char*>& PlaybackMenuEntries() {
  static const std::vector<const char*> entries = {
      "mnuAniStartb", "mnuAniPause", "mnuAniStop",   "mnuAniFirst", "mnuAniPre",       "mnuAniNext",
      "mnuAniLast",   "mnuAniNormal", "mnuAniRev", "mnuAniRepeat", "mnuAniRevRepeat"};
  return entries;
}

}  // namespace curvanta
