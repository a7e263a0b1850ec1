// A scene frame with what it works on: a recording GL, an empty scene, camera, light and
// the model rotation (the trackball's, identity). Base of the frame fixtures.
#pragma once

#include "common/recording_gl.h"
#include "scene/camera.h"
#include "scene/light.h"
#include "scene/scene.h"
#include "scene/scene_frame.h"

namespace curvanta {

struct SceneFrameRig {
  explicit SceneFrameRig(bool trackballActive = false) : trackball(trackballActive) {}
  SceneFrameRig(const SceneFrameRig&) = delete;
  SceneFrameRig& operator=(const SceneFrameRig&) = delete;

  RecordingGl gl;
  Scene scene;
  Camera camera;
  Light light;
  bool trackball;
  Vec4 quat = kIdentityQuat;
  SceneFrame frame{scene, camera, light, trackball, quat};
};

}  // namespace curvanta
