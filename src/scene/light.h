// The light of the drawing (Light): one white point light applied as a mirrored pair,
// OpenGL light 0 at the position and light 1 at the position mirrored through the origin.
#pragma once

#include <array>
#include <cstdint>

namespace curvanta {

// Indexed members take 0..3 (R, G, B, A or x, y, z, w); GlobalAmbient and TwoSides take 0
// only. Another index throws std::out_of_range and changes nothing.
class Light {
 public:
  bool Enabled = true;

  float Specular(int32_t lngIndex) const;
  void SetSpecular(int32_t lngIndex, float value);
  float Amission(int32_t lngIndex) const;  // the ambient colour of both lights
  void SetAmission(int32_t lngIndex, float value);
  float Diffuse(int32_t lngIndex) const;
  void SetDiffuse(int32_t lngIndex, float value);
  float Position(int32_t lngIndex) const;
  void SetPosition(int32_t lngIndex, float value);
  float GlobalAmbient(int32_t lngIndex) const;  // 1 on, 0 off
  void SetGlobalAmbient(int32_t lngIndex, float value);
  float TwoSides(int32_t lngIndex) const;  // non-zero: two-sided lighting
  void SetTwoSides(int32_t lngIndex, float value);

  // Puts the light into the current GL state (or switches lighting off when not Enabled).
  // Positions are taken through the model-view matrix current at the call.
  void SetLight() const;

  bool operator==(const Light&) const = default;

 private:
  std::array<float, 4> specular_{1, 1, 1, 1};
  std::array<float, 4> amission_{1, 1, 1, 1};
  std::array<float, 4> diffuse_{1, 1, 1, 1};
  std::array<float, 4> position_{100, 100, 100, 1};
  float globalAmbient_ = 1;
  float twoSides_ = 1;
};

}  // namespace curvanta
