// 3D outline text: the GL colour from a stored colour, the two outline fonts (96 glyph
// display lists each, codes 32..127) and the drawing of a text with such a font.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/message_service.h"
#include "scene/colour.h"
#include "scene/outline_glyphs.h"

namespace curvanta {

// First glyph lists of the tick-label font and of the title font; 0 while a font is missing.
extern int32_t LabelFontBase;
extern int32_t TitleFontBase;

// Makes the colour the current GL colour: glColor3f(red / 255, green / 255, blue / 255).
void SetGLColor(int32_t colour);

// Builds an outline font in the current GL context: `first` receives the first of 96
// display lists for the codes 32..127 (em square 1.0, extruded 0.1 towards -z, each list
// moving on by the glyph's advance). The face is looked up by name (at most 31 bytes are
// used), weight (400 regular, 700 bold) and slant. On failure the lists are freed, `first`
// becomes 0 and "无法创建字体" is reported; the message waits for the event loop, so it never
// opens inside the GL initialisation, a paint or a compile. Returns whether it succeeded.
bool CreateOutlineFont(int32_t& first, const std::string& face, int32_t height, int32_t weight,
                       int32_t italic, int32_t colour);

// Draws `text` (UTF-8) with the font whose lists begin at `first`, its start at (x, y, z),
// scaled 0.7 and turned by `rotation` (angle in degrees, then the axis) about its start,
// in `colour` when given (the colour stays current afterwards). Codes 32..127 call the
// font's lists; other characters are drawn from a face that has them (same weight and
// extrusion) or skipped; control characters are skipped. With `first` 0 nothing happens.
void DrawText3D(int32_t first, std::string_view text, float x, float y, float z,
                const std::array<float, 4>& rotation, std::optional<int32_t> colour = std::nullopt);

// Emits one glyph through the GL call layer: front face (normal +z) at z = 0, back face
// (normal -z) at z = -0.1, side walls along every contour, then glTranslatef(advance, 0, 0).
void EmitGlyph(const GlyphMesh& glyph);
// Shows a message once control is back in the event loop (directly without a Qt application).
void ShowMessageLater(const std::string& text, const std::string& title, MsgIcon icon);

}  // namespace curvanta
