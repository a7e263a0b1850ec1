// The scene side's objects of the main window.
#include "scene/scene_globals.h"

Cls8 DocScene;
Cls8 ViewScene;
Cls4 DocView;
Cls10 DocLight;

void ResetSceneGlobals() {
  DocScene = Cls8();
  ViewScene = Cls8();
  DocView = Cls4();
  DocLight = Cls10();
  ResetDocAxes();
}
