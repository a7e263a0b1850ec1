// Colours as the program stores them (0x00BBGGRR, red in the low byte): the byte split,
// the system-colour values some dialogs store, and the byte text of the outline fonts.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/drawn_colour.h"

namespace curvanta {

int32_t RedOf(int32_t colour);    // low byte of the drawn colour
int32_t GreenOf(int32_t colour);  // (colour \ 256) and 255
int32_t BlueOf(int32_t colour);   // (colour \ 65536) and 255

// Writes the codes of the text's characters and a terminating 0 into b, which grows when
// it is too short. An empty text writes nothing. Characters beyond one byte are written
// as their UTF-8 bytes (callers that draw pass only codes 32..127).
void StringToBytes(std::vector<uint8_t>& b, std::string_view s);

}  // namespace curvanta
