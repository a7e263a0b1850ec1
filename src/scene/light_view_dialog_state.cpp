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

namespace {
// Position x, y, z, w sit in Text1, Text2, Text3 and Text16.
constexpr int kPositionBox[4] = {1, 2, 3, 16};
}  // namespace

LightDialogState LightDialogState::Form_Load(const Light& light) {
  using curvanta::FormatFieldSingle;
  LightDialogState f;
  f.Check1 = light.Enabled;
  f.Check2 = light.TwoSides(0) != 0;
  f.Check3 = light.GlobalAmbient(0) != 0;
  for (int i = 0; i < 4; ++i) {
    f.Text[size_t(kPositionBox[i])] = FormatFieldSingle(light.Position(i));
    f.Text[size_t(4 + i)] = FormatFieldSingle(light.Diffuse(i));
    f.Text[size_t(8 + i)] = FormatFieldSingle(light.Amission(i));
    f.Text[size_t(12 + i)] = FormatFieldSingle(light.Specular(i));
  }
  return f;
}

void LightDialogState::Command1_Click(Light& light) const {
  light.Enabled = Check1;
  light.SetTwoSides(0, Check2 ? 1.0f : 0.0f);
  light.SetGlobalAmbient(0, Check3 ? 1.0f : 0.0f);
  for (int i = 0; i < 4; ++i) {
    light.SetPosition(i, FieldToSingle(Text[size_t(kPositionBox[i])]));
    light.SetDiffuse(i, FieldToSingle(Text[size_t(4 + i)]));
    light.SetAmission(i, FieldToSingle(Text[size_t(8 + i)]));
    light.SetSpecular(i, FieldToSingle(Text[size_t(12 + i)]));
  }
}

ViewDialogState ViewDialogState::Form_Load(const Camera& camera) {
  using curvanta::FormatFieldSingle;
  ViewDialogState f;
  f.Text[1] = FormatFieldSingle(camera.Volleft);
  f.Text[2] = FormatFieldSingle(camera.VolRight);
  f.Text[3] = FormatFieldSingle(camera.VolTop);
  f.Text[4] = FormatFieldSingle(camera.VolBottom);
  f.Text[5] = FormatFieldSingle(camera.VolNear);
  f.Text[6] = FormatFieldSingle(camera.VolFar);
  // Option1 is selected by design and stays so for any type but 2.
  f.Option2 = camera.ProjectType == 2;
  f.Option1 = !f.Option2;
  return f;
}

void ViewDialogState::Command1_Click(Camera& camera) const {
  if (Option1) camera.ProjectType = 1;
  if (Option2) camera.ProjectType = 2;
}

}  // namespace curvanta
