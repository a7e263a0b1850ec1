// The animated prelude and the ending of every create command.
#include "commands/create_frame.h"

#include <algorithm>
#include <cmath>

#include "common/globals.h"
#include "common/number_text.h"
#include "graph/list_lines.h"
#include "scene/axes_settings.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

// A field's leading number, rounded half to even and taken into 1..1000.
int32_t CountIn1To1000(const std::string& text) {
  const double v = curvanta::RoundHalfEven(curvanta::LeadingNumber(text));
  if (!(v >= 1.0)) return 1;  // also NaN
  return static_cast<int32_t>(std::min(v, 1000.0));
}

}  // namespace

void AnimatedPrelude(curvanta::DocumentHost& host, bool oneSidedLight) {
  if (oneSidedLight) DocLight.SetTwoSides(0, 0.0f);
  EditMode = false;
  DocAxes().BetterFonts = false;
  const auto [frames, speed] = host.animOptionFields();
  AnimFrameCount = CountIn1To1000(frames);
  AnimSpeed = CountIn1To1000(speed);
  const double interval = curvanta::RoundHalfEven(1000.0 / AnimSpeed);
  host.setTimerInterval(std::max(1, static_cast<int>(interval)));
}

void FinishCreate(curvanta::CreateKind kind, int32_t countBefore, float roll, float pitch,
                  float yaw, curvanta::DocumentHost& host) {
  const int32_t count = DocScene.FunSurfs.Count();
  if (count <= countBefore) return;
  ViewScene.RotRoll = roll;
  ViewScene.RotPitch = pitch;
  ViewScene.RotYaw = yaw;
  if (ViewScene.FunSurfs.Count() == 0) return;
  const GraphItem& graph = *DocScene.FunSurfs.Item(count);
  const curvanta::ListLineFields fields = curvanta::ListLineFieldsOf(graph);
  auto text = curvanta::CreateLineText(kind, fields, GraphMode);
  host.appendLine(text ? *text : curvanta::LoaderLineTextOrFallback(fields, GraphMode));
  host.checkLine(count - 1);
}

}  // namespace curvanta
