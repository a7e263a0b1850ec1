// Mouse navigation of the drawing area: the three drag tools (turn with the trackball, zoom,
// pan), the spin that keeps turning the model after a turning drag, the view presets and
// fit. The drawing area maps its mouse events and its spin timer onto this class.
#pragma once

#include <cstdint>

#include "scene/trackball.h"

namespace curvanta {

class Camera;
class Scene;

// What navigation asks of the drawing area.
class NavigationEffects {
 public:
  virtual ~NavigationEffects() = default;
  // The model rotation changed: recompile the lists that apply it.
  virtual void RebuildRotation() = 0;
  // Redraw the current animation frame (nothing compiled).
  virtual void Display() = 0;
  // Opens the drawing area's popup menu at the pointer (drawing-area coordinates).
  virtual void ShowPopup(float x, float y) = 0;
  // Opens the view settings dialog modally.
  virtual void ShowViewDialog() = 0;
};

enum MouseButton { kLeftButton = 1, kRightButton = 2 };

struct NavigationState {
  bool RotateMode = false;
  bool ZoomMode = false;
  bool PanMode = false;
  float LastMouseX = 0;
  float LastMouseY = 0;
  int32_t DrawWidth = 0;
  int32_t DrawHeight = 0;
  Vec4 DragQuat = kIdentityQuat;
  Vec4 RotationQuat = kIdentityQuat;
  bool TrackballActive = false;
  float ZoomFactor = 1.0f;
  bool Spinning = false;
  bool Closing = false;
};

class Navigator {
 public:
  Navigator(Scene& viewScene, Camera& camera, NavigationEffects& effects)
      : scene_(viewScene), camera_(camera), effects_(effects) {}

  NavigationState state;

  // The reset of the window's load: tools off, angles from the scene, zoom 1, identity.
  void Reset();
  // Turns the three tools off (new and opened documents).
  void ToolsOff();

  // Mouse handlers; x, y in the drawing area's units (y down), width and height its size.
  void MouseDown(int button, float x, float y);
  void MouseMove(int buttonMask, float x, float y, float width, float height);
  void MouseUp(int button);
  // One turning increment: compose the last drag step into the rotation, rebuild, redraw.
  void SpinStep();

  // View menu.
  void mnuViewMove_Click();
  void mnuViewZoom_Click();
  void mnuViewRotate_Click();
  void mnuViewFit_Click();
  void mnuViewFront_Click() { Preset(0, 0, 0); }
  void mnuViewRight_Click() { Preset(0, 0, 90); }
  void mnuViewTop_Click() { Preset(0, -90, 0); }
  void mnuViewISO_Click() { Preset(0, -15, 45); }
  void mnuViewSet_Click() { effects_.ShowViewDialog(); }

 private:
  void Preset(float roll, float pitch, float yaw);
  Scene& scene_;
  Camera& camera_;
  NavigationEffects& effects_;
};

}  // namespace curvanta
