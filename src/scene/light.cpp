// Applying the mirrored light pair and the light model.
#include "scene/light.h"

#include <stdexcept>
#include <string>

#include "common/gl_api.h"

namespace curvanta {

namespace {

size_t Rgba(int32_t i) {
  if (i < 0 || i > 3) throw std::out_of_range("light index " + std::to_string(i));
  return static_cast<size_t>(i);
}

void OnlyZero(int32_t i) {
  if (i != 0) throw std::out_of_range("light index " + std::to_string(i));
}

}  // namespace

float Light::Specular(int32_t i) const { return specular_[Rgba(i)]; }
void Light::SetSpecular(int32_t i, float v) { specular_[Rgba(i)] = v; }
float Light::Amission(int32_t i) const { return amission_[Rgba(i)]; }
void Light::SetAmission(int32_t i, float v) { amission_[Rgba(i)] = v; }
float Light::Diffuse(int32_t i) const { return diffuse_[Rgba(i)]; }
void Light::SetDiffuse(int32_t i, float v) { diffuse_[Rgba(i)] = v; }
float Light::Position(int32_t i) const { return position_[Rgba(i)]; }
void Light::SetPosition(int32_t i, float v) { position_[Rgba(i)] = v; }
float Light::GlobalAmbient(int32_t i) const {
  OnlyZero(i);
  return globalAmbient_;
}
void Light::SetGlobalAmbient(int32_t i, float v) {
  OnlyZero(i);
  globalAmbient_ = v;
}
float Light::TwoSides(int32_t i) const {
  OnlyZero(i);
  return twoSides_;
}
void Light::SetTwoSides(int32_t i, float v) {
  OnlyZero(i);
  twoSides_ = v;
}

void Light::SetLight() const {
  auto& gl = Gl();
  if (!Enabled) {
    gl.glDisable(GL_LIGHTING);
    gl.glDisable(GL_LIGHT0);
    gl.glDisable(GL_LIGHT1);
    return;
  }
  gl.glLightfv(GL_LIGHT0, GL_POSITION, position_.data());
  gl.glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse_.data());
  gl.glLightfv(GL_LIGHT0, GL_AMBIENT, amission_.data());
  gl.glLightfv(GL_LIGHT0, GL_SPECULAR, specular_.data());

  const float mirrored[4] = {-position_[0], -position_[1], -position_[2], 1.0f};
  gl.glLightfv(GL_LIGHT1, GL_POSITION, mirrored);
  gl.glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse_.data());
  gl.glLightfv(GL_LIGHT1, GL_AMBIENT, amission_.data());
  gl.glLightfv(GL_LIGHT1, GL_SPECULAR, specular_.data());

  const float ambient[4] = {globalAmbient_, globalAmbient_, globalAmbient_, 1.0f};
  gl.glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
  gl.glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, twoSides_ != 0 ? GL_TRUE : GL_FALSE);

  gl.glEnable(GL_LIGHTING);
  gl.glEnable(GL_LIGHT0);
  gl.glEnable(GL_LIGHT1);
}

}  // namespace curvanta
