// Colour split and byte text.
#include "scene/colour.h"

namespace curvanta {

int32_t RedOf(int32_t colour) { return DrawnColour(colour) & 255; }
int32_t GreenOf(int32_t colour) { return (DrawnColour(colour) / 256) & 255; }
int32_t BlueOf(int32_t colour) { return (DrawnColour(colour) / 65536) & 255; }

void StringToBytes(std::vector<uint8_t>& b, std::string_view s) {
  if (s.empty()) return;
  if (b.size() < s.size() + 1) b.resize(s.size() + 1, 0);
  for (size_t i = 0; i < s.size(); ++i) b[i] = uint8_t(s[i]);
  b[s.size()] = 0;
}

}  // namespace curvanta
