// Glyph outlines from fontconfig, FreeType and the GLU tessellator.
#include "scene/outline_glyphs.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <deque>

namespace curvanta {

namespace {

FcPattern* FamilyPattern(const std::string& family, int weight, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return nullptr;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

std::optional<FontFile> FileOf(FcPattern* font) {
  FcChar8* file = nullptr;
  int index = 0;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
  if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
  return FontFile{reinterpret_cast<const char*>(file), index};
}

}  // namespace

std::optional<FontFile> MatchFontFile(const std::string& family, int weight, bool italic) {
  if (!FcInit()) return std::nullopt;
  FcPattern* pattern = FamilyPattern(family, weight, italic);
  if (!pattern) return std::nullopt;
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::optional<FontFile> file;
  if (match) {
    file = FileOf(match);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

std::optional<FontFile> MatchFontFileFor(const std::string& family, int weight, bool italic,
                                         char32_t code) {
  if (!FcInit()) return std::nullopt;
  FcPattern* pattern = FamilyPattern(family, weight, italic);
  if (!pattern) return std::nullopt;
  FcResult result = FcResultNoMatch;
  FcFontSet* fonts = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
  std::optional<FontFile> file;
  if (fonts) {
    for (int i = 0; i < fonts->nfont && !file; ++i) {
      FcCharSet* charset = nullptr;
      if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &charset) == FcResultMatch &&
          charset && FcCharSetHasChar(charset, FcChar32(code))) {
        file = FileOf(fonts->fonts[i]);
      }
    }
    FcFontSetDestroy(fonts);
  }
  FcPatternDestroy(pattern);
  return file;
}

double SignedArea(const Contour& contour) {
  double twice = 0;
  const size_t n = contour.size();
  for (size_t i = 0; i < n; ++i) {
    const Point2& a = contour[i];
    const Point2& b = contour[(i + 1) % n];
    twice += a[0] * b[1] - b[0] * a[1];
  }
  return twice / 2;
}

// --- tessellation ---------------------------------------------------------------------

namespace {

struct TessState {
  std::deque<std::array<double, 3>> extra;  // vertices made by the combine callback
  std::vector<Point2> triangles;
  bool failed = false;
};

void APIENTRY TessBegin(GLenum, void*) {}
void APIENTRY TessEnd(void*) {}
void APIENTRY TessEdgeFlag(GLboolean, void*) {}  // asks the tessellator for plain triangles
void APIENTRY TessVertex(void* vertex, void* data) {
  auto* state = static_cast<TessState*>(data);
  const double* v = static_cast<const double*>(vertex);
  state->triangles.push_back({v[0], v[1]});
}
void APIENTRY TessCombine(GLdouble coords[3], void*[4], GLfloat[4], void** out, void* data) {
  auto* state = static_cast<TessState*>(data);
  state->extra.push_back({coords[0], coords[1], coords[2]});
  *out = state->extra.back().data();
}
void APIENTRY TessError(GLenum, void* data) { static_cast<TessState*>(data)->failed = true; }

using TessCallback = void(APIENTRY*)();

}  // namespace

std::optional<std::vector<Point2>> TessellateContours(const std::vector<Contour>& contours) {
  // The tessellator keeps pointers to the coordinates until the polygon ends.
  std::vector<std::vector<std::array<double, 3>>> coords;
  coords.reserve(contours.size());
  for (const Contour& c : contours) {
    if (c.size() < 3) continue;
    auto& out = coords.emplace_back();
    out.reserve(c.size());
    for (const Point2& p : c) out.push_back({p[0], p[1], 0.0});
  }
  TessState state;
  if (coords.empty()) return state.triangles;
  GLUtesselator* tess = gluNewTess();
  if (!tess) return std::nullopt;
  gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<TessCallback>(&TessBegin));
  gluTessCallback(tess, GLU_TESS_END_DATA, reinterpret_cast<TessCallback>(&TessEnd));
  gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<TessCallback>(&TessVertex));
  gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<TessCallback>(&TessCombine));
  gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<TessCallback>(&TessError));
  gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<TessCallback>(&TessEdgeFlag));
  gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
  gluTessNormal(tess, 0, 0, 1);
  gluTessBeginPolygon(tess, &state);
  for (auto& contour : coords) {
    gluTessBeginContour(tess);
    for (auto& v : contour) gluTessVertex(tess, v.data(), v.data());
    gluTessEndContour(tess);
  }
  gluTessEndPolygon(tess);
  gluDeleteTess(tess);
  if (state.failed || state.triangles.size() % 3 != 0) return std::nullopt;
  for (size_t i = 0; i < state.triangles.size(); i += 3) {
    Point2& a = state.triangles[i];
    Point2& b = state.triangles[i + 1];
    Point2& c = state.triangles[i + 2];
    const double cross = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
    if (cross < 0) std::swap(b, c);
  }
  return std::move(state.triangles);
}

// --- FreeType ---------------------------------------------------------------------------

struct OutlineFace::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Impl() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

OutlineFace::~OutlineFace() = default;

std::unique_ptr<OutlineFace> OutlineFace::Open(const FontFile& file) {
  std::unique_ptr<OutlineFace> result(new OutlineFace());
  result->impl_ = std::make_unique<Impl>();
  if (FT_Init_FreeType(&result->impl_->library) != 0) return nullptr;
  if (FT_New_Face(result->impl_->library, file.path.c_str(), file.index, &result->impl_->face) != 0)
    return nullptr;
  if (!FT_IS_SCALABLE(result->impl_->face) || result->impl_->face->units_per_EM == 0)
    return nullptr;
  return result;
}

bool OutlineFace::HasChar(char32_t code) const {
  return FT_Get_Char_Index(impl_->face, FT_ULong(code)) != 0;
}

double OutlineFace::UnitsPerEm() const { return impl_->face->units_per_EM; }

namespace {

// Flattening of the outline in design units; one design unit of chord deviation.
struct Flattener {
  std::vector<Contour> contours;
  Point2 current{0, 0};
  static constexpr double kTolerance = 1.0;
  static constexpr int kMaxSteps = 64;

  static Point2 P(const FT_Vector* v) { return {double(v->x), double(v->y)}; }
  void Add(const Point2& p) {
    if (contours.empty()) contours.emplace_back();
    Contour& c = contours.back();
    if (c.empty() || c.back() != p) c.push_back(p);
    current = p;
  }
  static int Steps(double deviation) {
    if (!(deviation > kTolerance)) return 1;
    return std::min(kMaxSteps, int(std::ceil(std::sqrt(deviation / kTolerance))));
  }

  static int MoveTo(const FT_Vector* to, void* user) {
    auto* self = static_cast<Flattener*>(user);
    self->contours.emplace_back();
    self->Add(P(to));
    return 0;
  }
  static int LineTo(const FT_Vector* to, void* user) {
    static_cast<Flattener*>(user)->Add(P(to));
    return 0;
  }
  static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* self = static_cast<Flattener*>(user);
    const Point2 p0 = self->current, p1 = P(control), p2 = P(to);
    // Largest distance between the curve and its chord: |p0 - 2p1 + p2| / 4.
    const double dx = p0[0] - 2 * p1[0] + p2[0], dy = p0[1] - 2 * p1[1] + p2[1];
    const int n = Steps(std::hypot(dx, dy) / 4);
    for (int i = 1; i <= n; ++i) {
      const double t = double(i) / n, u = 1 - t;
      self->Add({u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                 u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]});
    }
    return 0;
  }
  static int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* self = static_cast<Flattener*>(user);
    const Point2 p0 = self->current, p1 = P(c1), p2 = P(c2), p3 = P(to);
    const double d1 = std::hypot(p0[0] - 2 * p1[0] + p2[0], p0[1] - 2 * p1[1] + p2[1]);
    const double d2 = std::hypot(p1[0] - 2 * p2[0] + p3[0], p1[1] - 2 * p2[1] + p3[1]);
    const int n = Steps(0.75 * std::max(d1, d2));
    for (int i = 1; i <= n; ++i) {
      const double t = double(i) / n, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      self->Add({a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                 a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]});
    }
    return 0;
  }
};

}  // namespace

std::optional<GlyphMesh> OutlineFace::Glyph(char32_t code) const {
  FT_Face face = impl_->face;
  const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(code));
  if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
    return std::nullopt;
  const double scale = 1.0 / face->units_per_EM;
  GlyphMesh mesh;
  mesh.advance = double(face->glyph->advance.x) * scale;
  if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return std::nullopt;
  FT_Outline* outline = &face->glyph->outline;
  if (outline->n_points > 0) {
    Flattener flat;
    FT_Outline_Funcs funcs{};
    funcs.move_to = &Flattener::MoveTo;
    funcs.line_to = &Flattener::LineTo;
    funcs.conic_to = &Flattener::ConicTo;
    funcs.cubic_to = &Flattener::CubicTo;
    if (FT_Outline_Decompose(outline, &funcs, &flat) != 0) return std::nullopt;
    for (Contour& c : flat.contours) {
      if (c.size() > 1 && c.front() == c.back()) c.pop_back();
      if (c.size() < 3) continue;
      for (Point2& p : c) p = {p[0] * scale, p[1] * scale};
      mesh.contours.push_back(std::move(c));
    }
    mesh.fillRight = FT_Outline_Get_Orientation(outline) != FT_ORIENTATION_FILL_LEFT;
  }
  auto triangles = TessellateContours(mesh.contours);
  if (!triangles) return std::nullopt;
  mesh.triangles = std::move(*triangles);
  return mesh;
}

}  // namespace curvanta
