// The scene side's objects of the main window.
#include "scene/scene_globals.h"

namespace curvanta {

Scene DocScene;
Scene ViewScene;
Camera DocView;
Light DocLight;

void ResetSceneGlobals() {
  DocScene = Scene();
  ViewScene = Scene();
  DocView = Camera();
  DocLight = Light();
  ResetDocAxes();
}

}  // namespace curvanta
