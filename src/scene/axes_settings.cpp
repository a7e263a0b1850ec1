// The coordinate-system settings and the document's instance.
#include "scene/axes_settings.h"

#include <memory>

#include "scene/colour.h"

void Cls3::SetDefault() {
  *this = Cls3();
  Show = true;
}

void Cls3::ColorToUnitRGB(int32_t colour, float& red, float& green, float& blue) {
  const int64_t c = DrawnColour(colour);
  const int64_t blueByte = c / 256 / 256;
  const int64_t greenByte = (c - blueByte * 65536) / 256;
  const int64_t redByte = c - blueByte * 65536 - greenByte * 256;
  red = float(double(redByte) / 255.0);
  green = float(double(greenByte) / 255.0);
  blue = float(double(blueByte) / 255.0);
}

namespace {
std::unique_ptr<Cls3>& DocAxesSlot() {
  static std::unique_ptr<Cls3> slot;
  return slot;
}
}  // namespace

Cls3& DocAxes() {
  auto& slot = DocAxesSlot();
  if (!slot) slot = std::make_unique<Cls3>();
  return *slot;
}

void ResetDocAxes() { DocAxesSlot().reset(); }
