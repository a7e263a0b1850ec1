// The colour a stored colour value draws as (swatches and drawing alike).
#pragma once

#include <cstdint>

namespace curvanta {

// 0..0xFFFFFF (0x00BBGGRR) as it is; a system colour 0x80000000 + index draws index 2 as
// RGB(0, 0, 128) and every other index black; any other value is masked to 24 bits.
inline int32_t DrawnColour(int32_t colour) {
  const uint32_t u = uint32_t(colour);
  if (u <= 0xFFFFFFu) return colour;
  if ((u & 0xFF000000u) == 0x80000000u) return (u & 0xFFFFFFu) == 2 ? int32_t(128u << 16) : 0;
  return int32_t(u & 0xFFFFFFu);
}

}  // namespace curvanta
