// Materials (Material): the thirteen presets that graph items and axes panels choose by number
// 1..13, and applying them to both faces.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace curvanta {

// Indexed members take 0..3 (R, G, B, A); Shininess takes 0 only. Another index throws
// std::out_of_range and changes nothing. A new material is all zeros.
class Material {
 public:
  int32_t MatType = 0;  // stored only

  float Emission(int32_t intIndex) const;
  void SetEmission(int32_t intIndex, float value);
  float Shininess(int32_t intIndex) const;
  void SetShininess(int32_t intIndex, float value);
  float Specular(int32_t intIndex) const;
  void SetSpecular(int32_t intIndex, float value);
  float Diffuse(int32_t intIndex) const;
  void SetDiffuse(int32_t intIndex, float value);
  float Ambient(int32_t intIndex) const;
  void SetAmbient(int32_t intIndex, float value);

  // Loads preset materType (1..13; any other number keeps what the object holds) and
  // applies it to GL_FRONT_AND_BACK: diffuse, specular, shininess, emission, ambient.
  void SetMaterial(int32_t materType);

 private:
  std::array<float, 4> emission_{};
  float shininess_ = 0;
  std::array<float, 4> specular_{};
  std::array<float, 4> diffuse_{};
  std::array<float, 4> ambient_{};
};

inline constexpr int32_t kMaterialCount = 13;
// The list name of material 1..13 ("Artdeco" .. "Winter"); "" for other numbers.
std::string MaterialName(int32_t material);

}  // namespace curvanta
