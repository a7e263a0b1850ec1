// The camera of the drawing area (Camera): eye, look-at point and up vector, the view volume
// for an orthographic or perspective projection, and the drawing area's size.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "graph/box.h"
#include "graph/point.h"

namespace curvanta {

class Camera {
 public:
  Camera();

  int32_t ProjectType = 1;  // 1 orthographic, 2 perspective, other values no projection
  float ScreenHeight = 200;
  float ScreenWidth = 200;
  float VolHeight = 40;
  float VolWidth = 40;
  float VolNear = 0.001f;  // 0.01 from the first perspective frame on
  float VolFar = 2000;
  // Edges of the last projection (outputs; setting them changes no picture).
  float Volleft = 0;
  float VolRight = 0;
  float VolTop = 0;
  float VolBottom = 0;

  // One component of the up vector, intIndex 0..2 (another index throws std::out_of_range).
  float VecUp(int32_t intIndex) const;
  void SetVecUp(int32_t intIndex, float value);
  // The look-at and eye points; the setters share the given point with the caller.
  const std::shared_ptr<Point>& RefPos() const { return refPos_; }
  void SetRefPos(std::shared_ptr<Point> p);
  const std::shared_ptr<Point>& EyePos() const { return eyePos_; }
  void SetEyePos(std::shared_ptr<Point> p);

  void GetViewRect(float& Wide, float& Height) const;
  // VolHeight := Height; VolWidth follows the screen's aspect (Wide has no lasting effect).
  void SetViewRect(float Wide, float Height);
  void SetVecup(float dx, float dy, float dz);
  void SetRef(float x, float y, float z);
  void SetEye(float x, float y, float z);
  // The viewport 0, 0, x, y; then the size (a height or width below 1 is stored as 1, the
  // height also in the caller's variable).
  void SetScreen(int32_t x, int32_t& y);
  // Pans by the fraction dx of the volume's width and dy of its height.
  void MoveView(float dx, float dy);
  // Puts the eye in direction 1..10 around the look-at point (others change nothing).
  void SetViewType(int32_t TypeView);
  // Centres the view on the box (minimum corner, then maximum corner) and makes its largest
  // extent fill the visible rectangle's shorter side. A box with no positive extent changes
  // nothing.
  void ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1);
  // Scales both sides of the visible rectangle; factors of 0 or less change nothing.
  void Zoom(float scal);
  // Projection matrix, then the model-view identity and the camera. A perspective frame
  // takes its near plane from the largest extent of frame0Box (the shown scene's box of
  // frame 0); the overload without it asks ViewScene.
  void Projection(const std::function<Box()>& frame0Box);
  void Projection();

 private:
  void AlignVecUp();

  std::array<float, 3> vecUp_{0, 1, 0};
  std::shared_ptr<Point> refPos_;
  std::shared_ptr<Point> eyePos_;
};

// What the fit command does to the camera: ZoomAll with the box, then Zoom(2.0).
void FitView(Camera& view, const Box& box);

}  // namespace curvanta
