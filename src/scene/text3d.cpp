// Outline fonts as glyph display lists, and 3D text drawn with them.
#include "scene/text3d.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "common/gl_api.h"

namespace curvanta {

int32_t LabelFontBase = 0;
int32_t TitleFontBase = 0;

void SetGLColor(int32_t colour) {
  Gl().glColor3f(GLfloat(RedOf(colour) / 255.0), GLfloat(GreenOf(colour) / 255.0),
                 GLfloat(BlueOf(colour) / 255.0));
}

namespace {

constexpr double kDepth = 0.1;

// What each font was built from, so that characters beyond its lists can be drawn alike.
struct FontRequest {
  std::string face;
  int32_t weight = 400;
  bool italic = false;
};
std::map<int32_t, FontRequest>& Fonts() {
  static std::map<int32_t, FontRequest> fonts;
  return fonts;
}

// Open faces by file, and glyphs drawn outside the lists, built once.
std::map<std::pair<std::string, int>, std::unique_ptr<OutlineFace>>& Faces() {
  static std::map<std::pair<std::string, int>, std::unique_ptr<OutlineFace>> faces;
  return faces;
}
OutlineFace* FaceFor(const FontFile& file) {
  auto& slot = Faces()[{file.path, file.index}];
  if (!slot) slot = OutlineFace::Open(file);
  return slot.get();
}
using GlyphKey = std::tuple<std::string, int32_t, bool, char32_t>;
std::map<GlyphKey, std::optional<GlyphMesh>>& ExtraGlyphs() {
  static std::map<GlyphKey, std::optional<GlyphMesh>> glyphs;
  return glyphs;
}

const std::optional<GlyphMesh>& ExtraGlyph(const FontRequest& font, char32_t code) {
  auto& glyphs = ExtraGlyphs();
  const GlyphKey key{font.face, font.weight, font.italic, code};
  auto it = glyphs.find(key);
  if (it != glyphs.end()) return it->second;
  std::optional<GlyphMesh> mesh;
  if (auto file = MatchFontFileFor(font.face, font.weight, font.italic, code)) {
    if (OutlineFace* face = FaceFor(*file); face && face->HasChar(code)) mesh = face->Glyph(code);
  }
  return glyphs.emplace(key, std::move(mesh)).first->second;
}

// The next code point of UTF-8 text; a malformed byte gives 0 (skipped like a control code).
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto byte = [&](size_t k) { return uint8_t(text[k]); };
  const uint8_t b0 = byte(i);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int length = b0 >= 0xF0 && b0 < 0xF8 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 && b0 < 0xE0 ? 2 : 0;
  if (length == 0 || i + size_t(length) > text.size()) {
    ++i;
    return 0;
  }
  char32_t code = b0 & (0xFF >> (length + 1));
  for (int k = 1; k < length; ++k) {
    const uint8_t b = byte(i + size_t(k));
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0;
    }
    code = (code << 6) | (b & 0x3F);
  }
  i += size_t(length);
  return code;
}

}  // namespace

void EmitGlyph(const GlyphMesh& glyph) {
  GlApi& gl = Gl();
  if (!glyph.triangles.empty()) {
    gl.glBegin(GL_TRIANGLES);
    gl.glNormal3f(0, 0, 1);
    for (const Point2& p : glyph.triangles) gl.glVertex3f(GLfloat(p[0]), GLfloat(p[1]), 0);
    gl.glNormal3f(0, 0, -1);
    for (size_t i = 0; i + 2 < glyph.triangles.size(); i += 3) {
      for (size_t k : {i, i + 2, i + 1}) {  // reversed: counter-clockwise seen from -z
        gl.glVertex3f(GLfloat(glyph.triangles[k][0]), GLfloat(glyph.triangles[k][1]),
                      GLfloat(-kDepth));
      }
    }
    gl.glEnd();
  }
  if (!glyph.contours.empty()) {
    gl.glBegin(GL_QUADS);
    for (const Contour& contour : glyph.contours) {
      for (size_t i = 0; i < contour.size(); ++i) {
        const Point2& p = contour[i];
        const Point2& q = contour[(i + 1) % contour.size()];
        const double dx = q[0] - p[0], dy = q[1] - p[1];
        const double length = std::hypot(dx, dy);
        if (length == 0) continue;
        // Outward: away from the filled side of the contour.
        const double nx = (glyph.fillRight ? -dy : dy) / length;
        const double ny = (glyph.fillRight ? dx : -dx) / length;
        gl.glNormal3f(GLfloat(nx), GLfloat(ny), 0);
        const Point2& a = glyph.fillRight ? p : q;
        const Point2& b = glyph.fillRight ? q : p;
        gl.glVertex3f(GLfloat(a[0]), GLfloat(a[1]), 0);
        gl.glVertex3f(GLfloat(b[0]), GLfloat(b[1]), 0);
        gl.glVertex3f(GLfloat(b[0]), GLfloat(b[1]), GLfloat(-kDepth));
        gl.glVertex3f(GLfloat(a[0]), GLfloat(a[1]), GLfloat(-kDepth));
      }
    }
    gl.glEnd();
    // The front outline as lines as well: a stroke thinner than a pixel (the "-" of a small
    // label) covers no pixel centre as a face, but its outline still shows.
    gl.glLineWidth(1.0f);
    gl.glNormal3f(0, 0, 1);
    for (const Contour& contour : glyph.contours) {
      gl.glBegin(GL_LINE_LOOP);
      for (const Point2& p : contour) gl.glVertex3f(GLfloat(p[0]), GLfloat(p[1]), 0);
      gl.glEnd();
    }
  }
  gl.glTranslatef(GLfloat(glyph.advance), 0, 0);
}

void ShowMessageLater(const std::string& text, const std::string& title, MsgIcon icon) {
  if (QCoreApplication::instance() == nullptr) {
    ShowMessage(text, title, icon);
    return;
  }
  QTimer::singleShot(0, QCoreApplication::instance(),
                     [text, title, icon] { ShowMessage(text, title, icon); });
}

bool CreateOutlineFont(int32_t& first, const std::string& face, int32_t /*height*/,
                       int32_t weight, int32_t italic, int32_t colour) {
  using namespace curvanta;
  // The face name field holds 31 bytes and a terminating 0.
  const std::string name = face.substr(0, 31);
  SetGLColor(colour);
  // Every glyph is read and cut into triangles before any list is compiled.
  std::vector<GlyphMesh> glyphs;
  bool ok = false;
  if (auto file = MatchFontFile(name, weight, italic != 0)) {
    if (OutlineFace* outlines = FaceFor(*file)) {
      ok = true;
      for (char32_t code = 32; code <= 127 && ok; ++code) {
        auto glyph = outlines->Glyph(code);
        if (glyph)
          glyphs.push_back(std::move(*glyph));
        else
          ok = false;
      }
    }
  }
  GlApi& gl = Gl();
  first = int32_t(gl.glGenLists(96));
  if (first == 0) {
    ShowMessageLater("无法创建字体", "", MsgIcon::Error);
    return false;
  }
  if (!ok) {
    gl.glDeleteLists(GLuint(first), 96);
    first = 0;
    ShowMessageLater("无法创建字体", "", MsgIcon::Error);
    return false;
  }
  for (int i = 0; i < 96; ++i) {
    gl.glNewList(GLuint(first + i), GL_COMPILE);
    EmitGlyph(glyphs[size_t(i)]);
    gl.glEndList();
  }
  Fonts()[first] = FontRequest{name, weight, italic != 0};
  return true;
}

void DrawText3D(int32_t first, std::string_view text, float x, float y, float z,
                const std::array<float, 4>& rotation, std::optional<int32_t> colour) {
  using namespace curvanta;
  if (first == 0) return;  // a font that failed draws nothing
  GlApi& gl = Gl();
  gl.glPushAttrib(GL_POLYGON_BIT | GL_LINE_BIT);  // the glyphs set their outlines' width
  gl.glPushMatrix();
  gl.glListBase(GLuint(first - 32));
  gl.glTranslatef(x, y, z);
  gl.glScalef(0.7f, 0.7f, 0.7f);
  gl.glRotatef(rotation[0], rotation[1], rotation[2], rotation[3]);
  if (colour) SetGLColor(*colour);
  // Runs of codes 32..127 go to the font's lists in one call; other characters are drawn
  // from a face that has them, or skipped.
  std::vector<GLbyte> run;
  const auto flush = [&] {
    if (run.empty()) return;
    gl.glCallLists(GLsizei(run.size()), GL_BYTE, run.data());
    run.clear();
  };
  const FontRequest* font = nullptr;
  if (auto it = Fonts().find(first); it != Fonts().end()) font = &it->second;
  for (size_t i = 0; i < text.size();) {
    const char32_t code = NextCodePoint(text, i);
    if (code >= 32 && code <= 127) {
      run.push_back(GLbyte(code));
      continue;
    }
    if (code < 32 || font == nullptr) continue;
    const auto& glyph = ExtraGlyph(*font, code);
    if (!glyph) continue;
    flush();
    EmitGlyph(*glyph);
  }
  flush();
  gl.glPopMatrix();
  gl.glPopAttrib();
}

}  // namespace curvanta
