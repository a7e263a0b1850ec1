// The scene side's objects of the main window, kept for the whole run: the two scenes, the
// camera and the light (the axes object is DocAxes() of scene/axes_settings.h).
#pragma once

#include "scene/camera.h"
#include "scene/light.h"
#include "scene/scene.h"

namespace curvanta {

// Every graph of the document, item i on line i of the graph list.
extern Scene DocScene;
// The graphs whose list line is checked (the same objects); the drawn scene, whose
// RotRoll, RotPitch and RotYaw are the model rotation.
extern Scene ViewScene;
extern Camera DocView;
extern Light DocLight;

// Fresh scenes, camera and light, and a fresh DocAxes (tests and start-up).
void ResetSceneGlobals();

}  // namespace curvanta
