// The coordinate-system settings and the document's instance.
#include "scene/axes_settings.h"

#include <memory>

#include "scene/colour.h"

namespace curvanta {

void AxesSettings::SetDefault() {
  *this = AxesSettings();
  Show = true;
}

void AxesSettings::ColorToUnitRGB(int32_t colour, float& red, float& green, float& blue) {
  const int64_t c = DrawnColour(colour);
  const int64_t blueByte = c / 256 / 256;
  const int64_t greenByte = (c - blueByte * 65536) / 256;
  const int64_t redByte = c - blueByte * 65536 - greenByte * 256;
  red = float(double(redByte) / 255.0);
  green = float(double(greenByte) / 255.0);
  blue = float(double(blueByte) / 255.0);
}

namespace {
std::unique_ptr<AxesSettings>& DocAxesSlot() {
  static std::unique_ptr<AxesSettings> slot;
  return slot;
}
}  // namespace

AxesSettings& DocAxes() {
  auto& slot = DocAxesSlot();
  if (!slot) slot = std::make_unique<AxesSettings>();
  return *slot;
}

void ResetDocAxes() { DocAxesSlot().reset(); }

}  // namespace curvanta
