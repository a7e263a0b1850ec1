// Fill and accept steps of the light and view dialogs.
#include "scene/light_view_dialog_state.h"

#include <cmath>
#include <limits>

#include "common/number_text.h"

namespace curvanta {

float FieldToSingle(const std::string& text) {
  const double v = curvanta::LeadingNumber(text);
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(v)) return 0;
  if (v >= kMax) return float(kMax);
  if (v <= -kMax) return float(-kMax);
  return float(v);
}

LightDialogState LightDialogState::Form_Load(const Light& light) {
  using curvanta::FormatFieldSingle;
  LightDialogState f;
  f.useLight = light.Enabled;
  f.twoSided = light.TwoSides(0) != 0;
  f.globalAmbient = light.GlobalAmbient(0) != 0;
  for (int i = 0; i < 4; ++i) {
    f.position[size_t(i)] = FormatFieldSingle(light.Position(i));
    f.diffuse[size_t(i)] = FormatFieldSingle(light.Diffuse(i));
    f.ambient[size_t(i)] = FormatFieldSingle(light.Amission(i));
    f.specular[size_t(i)] = FormatFieldSingle(light.Specular(i));
  }
  return f;
}

void LightDialogState::Command1_Click(Light& light) const {
  light.Enabled = useLight;
  light.SetTwoSides(0, twoSided ? 1.0f : 0.0f);
  light.SetGlobalAmbient(0, globalAmbient ? 1.0f : 0.0f);
  for (int i = 0; i < 4; ++i) {
    light.SetPosition(i, FieldToSingle(position[size_t(i)]));
    light.SetDiffuse(i, FieldToSingle(diffuse[size_t(i)]));
    light.SetAmission(i, FieldToSingle(ambient[size_t(i)]));
    light.SetSpecular(i, FieldToSingle(specular[size_t(i)]));
  }
}

ViewDialogState ViewDialogState::Form_Load(const Camera& camera) {
  using curvanta::FormatFieldSingle;
  ViewDialogState f;
  f.volume = {FormatFieldSingle(camera.Volleft),   FormatFieldSingle(camera.VolRight),
              FormatFieldSingle(camera.VolTop),    FormatFieldSingle(camera.VolBottom),
              FormatFieldSingle(camera.VolNear),   FormatFieldSingle(camera.VolFar)};
  // Orthographic is selected by design and stays so for any type but 2.
  f.perspective = camera.ProjectType == 2;
  f.orthographic = !f.perspective;
  return f;
}

void ViewDialogState::Command1_Click(Camera& camera) const {
  if (orthographic) camera.ProjectType = 1;
  if (perspective) camera.ProjectType = 2;
}

}  // namespace curvanta
