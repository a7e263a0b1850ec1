// Camera moves, fitting and the per-frame projection.
#include "scene/camera.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "common/gl_api.h"
#include "scene/scene_globals.h"

namespace curvanta {

Camera::Camera() : refPos_(std::make_shared<Point>()), eyePos_(std::make_shared<Point>()) {
  eyePos_->z = 1000;
}

float Camera::VecUp(int32_t i) const {
  if (i < 0 || i > 2) throw std::out_of_range("up vector index " + std::to_string(i));
  return vecUp_[static_cast<size_t>(i)];
}

void Camera::SetVecUp(int32_t i, float value) {
  if (i < 0 || i > 2) throw std::out_of_range("up vector index " + std::to_string(i));
  vecUp_[static_cast<size_t>(i)] = value;
}

void Camera::SetRefPos(std::shared_ptr<Point> p) {
  if (p) refPos_ = std::move(p);
}

void Camera::SetEyePos(std::shared_ptr<Point> p) {
  if (p) eyePos_ = std::move(p);
}

void Camera::GetViewRect(float& Wide, float& Height) const {
  Wide = VolWidth;
  Height = VolHeight;
}

void Camera::SetViewRect(float Wide, float Height) {
  VolWidth = Wide;
  VolHeight = Height;
  VolWidth = static_cast<float>(double(Height) * ScreenWidth / ScreenHeight);
}

void Camera::SetVecup(float dx, float dy, float dz) { vecUp_ = {dx, dy, dz}; }

void Camera::SetRef(float x, float y, float z) {
  refPos_->x = x;
  refPos_->y = y;
  refPos_->z = z;
}

void Camera::SetEye(float x, float y, float z) {
  eyePos_->x = x;
  eyePos_->y = y;
  eyePos_->z = z;
}

void Camera::SetScreen(int32_t x, int32_t& y) {
  Gl().glViewport(0, 0, x < 0 ? 0 : x, y < 0 ? 0 : y);
  if (y < 1) y = 1;
  ScreenWidth = static_cast<float>(x < 1 ? 1 : x);
  ScreenHeight = static_cast<float>(y);
}

void Camera::MoveView(float dx, float dy) {
  const double vx0 = double(refPos_->x) - eyePos_->x;
  const double vy0 = double(refPos_->y) - eyePos_->y;
  const double vz0 = double(refPos_->z) - eyePos_->z;
  const float len = static_cast<float>(std::sqrt(vx0 * vx0 + vy0 * vy0 + vz0 * vz0));
  if (!(len > 0) || !std::isfinite(len)) return;  // eye and look-at point in one place
  const float v[3] = {static_cast<float>(vx0 / len), static_cast<float>(vy0 / len),
                      static_cast<float>(vz0 / len)};
  const float* up = vecUp_.data();
  const float s[3] = {v[1] * up[2] - v[2] * up[1], v[2] * up[0] - v[0] * up[2],
                      v[0] * up[1] - v[1] * up[0]};
  const float u[3] = {s[1] * v[2] - s[2] * v[1], s[2] * v[0] - s[0] * v[2],
                      s[0] * v[1] - s[1] * v[0]};
  float a[3], b[3];
  for (int i = 0; i < 3; ++i) {
    a[i] = static_cast<float>(double(s[i]) * VolWidth * dx);
    b[i] = static_cast<float>(double(u[i]) * VolHeight * dy);
  }
  eyePos_->x = static_cast<float>(double(eyePos_->x) - a[0] - b[0]);
  eyePos_->y = static_cast<float>(double(eyePos_->y) - a[1] - b[1]);
  eyePos_->z = static_cast<float>(double(eyePos_->z) - a[2] - b[2]);
  refPos_->x = static_cast<float>(double(refPos_->x) - a[0] - b[0]);
  refPos_->y = static_cast<float>(double(refPos_->y) - a[1] - b[1]);
  refPos_->z = static_cast<float>(double(refPos_->z) - a[2] - b[2]);
}

void Camera::SetViewType(int32_t TypeView) {
  if (TypeView < 1 || TypeView > 10) return;
  const double ox = double(eyePos_->x) - refPos_->x;
  const double oy = double(eyePos_->y) - refPos_->y;
  const double oz = double(eyePos_->z) - refPos_->z;
  float dist = static_cast<float>(std::sqrt(ox * ox + oy * oy + oz * oz));
  if (dist == 0) dist = 50;
  if (dist > 30000) dist = 10000;
  if (!std::isfinite(dist)) dist = 10000;

  const float c = static_cast<float>(1.0 / static_cast<float>(std::sqrt(3.0)));
  float dir[3] = {0, 0, 0};
  bool align = false;
  switch (TypeView) {
    case 1: dir[2] = 1; vecUp_ = {0, 1, 0}; break;
    case 2: dir[2] = -1; vecUp_ = {0, 1, 0}; break;
    case 3: dir[1] = 1; vecUp_ = {0, 0, 1}; break;
    case 4: dir[1] = -1; vecUp_ = {0, 0, 1}; break;
    case 5: dir[0] = 1; vecUp_ = {0, 1, 0}; break;
    case 6: dir[0] = -1; vecUp_ = {0, 1, 0}; break;
    case 7: dir[0] = -c; dir[1] = c; dir[2] = -c; align = true; break;
    case 8: dir[0] = c; dir[1] = -c; dir[2] = c; align = true; break;
    case 9: dir[0] = c; dir[1] = c; dir[2] = c; align = true; break;
    default: dir[0] = -c; dir[1] = c; dir[2] = c; align = true; break;
  }
  eyePos_->x = static_cast<float>(refPos_->x + double(dist) * dir[0]);
  eyePos_->y = static_cast<float>(refPos_->y + double(dist) * dir[1]);
  eyePos_->z = static_cast<float>(refPos_->z + double(dist) * dir[2]);
  if (align) AlignVecUp();
}

void Camera::AlignVecUp() {
  double d[3] = {double(refPos_->x) - eyePos_->x, double(refPos_->y) - eyePos_->y,
                 double(refPos_->z) - eyePos_->z};
  const double len = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (!(len > 0) || !std::isfinite(len)) return;
  for (double& c : d) c /= len;
  const double s[3] = {-d[2], 0, d[0]};  // d x (0, 1, 0)
  vecUp_ = {static_cast<float>(s[1] * d[2] - s[2] * d[1]),
            static_cast<float>(s[2] * d[0] - s[0] * d[2]),
            static_cast<float>(s[0] * d[1] - s[1] * d[0])};
}

void Camera::ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1) {
  const float w = static_cast<float>(double(x1) - x0);
  const float h = static_cast<float>(double(y1) - y0);
  const float d = static_cast<float>(double(z1) - z0);
  float m = w > h ? w : h;
  if (m < d) m = d;
  // An empty or broken box (a scene of items without points) would mirror the picture.
  if (!(m > 0) || !std::isfinite(m)) return;
  for (float c : {x0, y0, z0, x1, y1, z1})
    if (!std::isfinite(c)) return;
  SetViewRect(m, m);
  // In a window taller than wide the width is the shorter side: the box must fit it.
  if (ScreenWidth < ScreenHeight) {
    VolWidth = m;
    VolHeight = static_cast<float>(double(m) * ScreenHeight / ScreenWidth);
  }
  const double offX = double(eyePos_->x) - refPos_->x;
  const double offY = double(eyePos_->y) - refPos_->y;
  const double offZ = double(eyePos_->z) - refPos_->z;
  refPos_->x = static_cast<float>((double(x0) + x1) / 2);
  refPos_->y = static_cast<float>((double(y0) + y1) / 2);
  refPos_->z = static_cast<float>((double(z0) + z1) / 2);
  eyePos_->x = static_cast<float>(refPos_->x + offX);
  eyePos_->y = static_cast<float>(refPos_->y + offY);
  eyePos_->z = static_cast<float>(refPos_->z + offZ);
}

void Camera::Zoom(float scal) {
  if (scal > 0) {
    VolWidth = scal * VolWidth;
    VolHeight = VolHeight * scal;
  }
}

void Camera::Projection(const std::function<Box()>& frame0Box) {
  auto& gl = Gl();
  gl.glMatrixMode(GL_PROJECTION);
  gl.glLoadIdentity();
  gl.glRenderMode(GL_RENDER);
  Volleft = static_cast<float>(VolWidth * -0.5);
  VolRight = VolWidth / 2;
  VolBottom = static_cast<float>(VolHeight * -0.5);
  VolTop = VolHeight / 2;
  if (ProjectType == 1) {
    gl.glOrtho(Volleft, VolRight, VolBottom, VolTop, VolNear, VolFar);
  } else if (ProjectType == 2) {
    const Box box = frame0Box ? frame0Box() : Box{};
    float m = static_cast<float>(double(box.MaxX) - box.MinX);
    const float ey = static_cast<float>(double(box.MaxY) - box.MinY);
    const float ez = static_cast<float>(double(box.MaxZ) - box.MinZ);
    if (ey > m) m = ey;
    if (ez > m) m = ez;
    VolNear = static_cast<float>(1000.0 - m);
    // A scene 1000 or more across would put the near plane at or behind the eye.
    if (!(VolNear >= 1.0f)) VolNear = 1.0f;
    gl.glFrustum(Volleft, VolRight, VolBottom, VolTop, VolNear, VolFar);
    VolNear = 0.01f;
  }
  gl.glMatrixMode(GL_MODELVIEW);
  gl.glLoadIdentity();
  gl.gluLookAt(eyePos_->x, eyePos_->y, eyePos_->z, refPos_->x, refPos_->y, refPos_->z,
               vecUp_[0], vecUp_[1], vecUp_[2]);
}

void Camera::Projection() {
  Projection([] { return ViewScene.GetBox(0); });
}

void FitView(Camera& view, const Box& box) {
  view.ZoomAll(box.MinX, box.MinY, box.MinZ, box.MaxX, box.MaxY, box.MaxZ);
  view.Zoom(2.0f);
}

}  // namespace curvanta
