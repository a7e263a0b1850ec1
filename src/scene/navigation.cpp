// Drag tools, spin, presets and fit of the drawing area.
#include "scene/navigation.h"

#include <cmath>

#include "common/number_text.h"
#include "scene/camera.h"
#include "scene/scene.h"

namespace curvanta {

void Navigator::Reset() {
  state = NavigationState{};
  TrackballQuat(state.RotationQuat, 0, 0, 0, 0);
}

void Navigator::ToolsOff() {
  state.RotateMode = false;
  state.ZoomMode = false;
  state.PanMode = false;
}

void Navigator::mnuViewMove_Click() {
  state.PanMode = true;
  state.ZoomMode = false;
  state.RotateMode = false;
}

void Navigator::mnuViewZoom_Click() {
  state.ZoomMode = true;
  state.PanMode = false;
  state.RotateMode = false;
}

void Navigator::mnuViewRotate_Click() {
  state.RotateMode = true;
  state.ZoomMode = false;
  state.PanMode = false;
}

void Navigator::mnuViewFit_Click() {
  if (scene_.FunSurfs.Count() < 1) return;
  Box box = scene_.GetBox(0);
  camera_.ZoomAll(box.MinX, box.MinY, box.MinZ, box.MaxX, box.MaxY, box.MaxZ);
  camera_.Zoom(2.0f);
  effects_.Display();
}

void Navigator::Preset(float roll, float pitch, float yaw) {
  scene_.RotRoll = roll;
  scene_.RotPitch = pitch;
  scene_.RotYaw = yaw;
  state.TrackballActive = false;
  // The picture stays at the preset: a spin in progress ends here.
  state.Spinning = false;
  effects_.RebuildRotation();
  effects_.Display();
}

void Navigator::MouseDown(int button, float x, float y) {
  if (button == kLeftButton) {
    state.LastMouseX = x;
    state.LastMouseY = y;
    state.Spinning = false;
  } else if (button == kRightButton) {
    effects_.ShowPopup(x, y);
  }
}

void Navigator::MouseMove(int buttonMask, float x, float y, float width, float height) {
  state.DrawHeight = static_cast<int32_t>(RoundHalfEven(height));
  state.DrawWidth = static_cast<int32_t>(RoundHalfEven(width));
  if (buttonMask != kLeftButton) return;
  // Sizes of at least one pixel keep every division finite.
  const float W = static_cast<float>(state.DrawWidth < 1 ? 1 : state.DrawWidth);
  const float H = static_cast<float>(state.DrawHeight < 1 ? 1 : state.DrawHeight);
  if (state.ZoomMode) {
    state.ZoomFactor = 1.0f - (state.LastMouseY - y) / H;
    state.LastMouseX = x;
    state.LastMouseY = y;
    camera_.Zoom(state.ZoomFactor);
    effects_.Display();
  }
  if (state.RotateMode) {
    Vec4 q;
    TrackballQuat(q, (2 * state.LastMouseX - W) / W, (H - 2 * state.LastMouseY) / H, (2 * x - W) / W,
                  (H - 2 * y) / H);
    state.DragQuat = q;
    state.TrackballActive = true;
    state.Spinning = true;
    SpinStep();
    state.LastMouseX = x;
    state.LastMouseY = y;
  }
  if (state.PanMode) {
    float dx = (x - state.LastMouseX) / W;
    float dy = (state.LastMouseY - y) / H;
    camera_.MoveView(dx, dy);
    state.LastMouseX = x;
    state.LastMouseY = y;
    effects_.Display();
  }
}

void Navigator::MouseUp(int /*button*/) {
  // The spin goes on by itself (the drawing area's timer calls SpinStep while Spinning).
}

void Navigator::SpinStep() {
  Vec4 next;
  QuatCompose(state.DragQuat, state.RotationQuat, next);
  bool finite = true;
  for (float v : next) finite = finite && std::isfinite(v);
  if (finite) state.RotationQuat = next;
  effects_.RebuildRotation();
  effects_.Display();
}

}  // namespace curvanta
