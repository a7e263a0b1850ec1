// The light dialog (LightDialogState) and the view dialog (ViewDialogState) as plain state and pure steps; the
// QDialogs in scene/ui only show this state and call these steps.
#pragma once

#include <array>
#include <string>

#include "scene/camera.h"
#include "scene/light.h"

namespace curvanta {

// A settings-dialog number field read as a 32-bit float: the leading number ("." the only
// decimal point, none gives 0), clamped into the float range.
float FieldToSingle(const std::string& text);

// --- LightDialogState: the light ---------------------------------------------------------------

struct LightDialogState {
  bool useLight = true;       // "使用光照"
  bool twoSided = true;       // "双面光照"
  bool globalAmbient = true;  // "全局环境光"
  std::array<std::string, 4> position;  // x, y, z, w
  // Colours as R, G, B, A.
  std::array<std::string, 4> diffuse;
  std::array<std::string, 4> ambient;
  std::array<std::string, 4> specular;

  static LightDialogState Form_Load(const Light& light);
  void Command1_Click(Light& light) const;  // OK; Cancel writes nothing
};

// --- ViewDialogState: the view ---------------------------------------------------------------

struct ViewDialogState {
  bool orthographic = true;  // "正交投影"
  bool perspective = false;  // "透视投影"
  // The view volume as the camera holds it (shown only): left, right, top, bottom, near, far.
  std::array<std::string, 6> volume;

  static ViewDialogState Form_Load(const Camera& camera);
  void Command1_Click(Camera& camera) const;  // OK; Cancel writes nothing
};

}  // namespace curvanta
