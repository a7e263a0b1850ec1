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
  bool Check1 = true;  // "使用光照"
  bool Check2 = true;  // "双面光照"
  bool Check3 = true;  // "全局环境光"
  // Text1..3, 16: position x, y, z, w; Text4..7 diffuse, Text8..11 ambient, Text12..15
  // specular (R, G, B, A). Index 0 unused.
  std::array<std::string, 17> Text;

  static LightDialogState Form_Load(const Light& light);
  void Command1_Click(Light& light) const;  // OK; Cancel writes nothing
};

// --- ViewDialogState: the view ---------------------------------------------------------------

struct ViewDialogState {
  bool Option1 = true;   // "正交投影"
  bool Option2 = false;  // "透视投影"
  // Text1..6: the view volume as the camera holds it (shown only). Index 0 unused.
  std::array<std::string, 7> Text;

  static ViewDialogState Form_Load(const Camera& camera);
  void Command1_Click(Camera& camera) const;  // OK; Cancel writes nothing
};

}  // namespace curvanta
