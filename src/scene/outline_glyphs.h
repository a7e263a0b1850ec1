// Glyph outlines for the 3D text: the face found through fontconfig, its outlines read
// with FreeType and flattened, and the filled area cut into triangles with the GLU
// tessellator. Pure geometry in em units (em square = 1.0); no GL context needed.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace curvanta {

using Point2 = std::array<double, 2>;
using Contour = std::vector<Point2>;  // closed: the last point joins the first

// One glyph: its flattened contours, the front face as triangles (three points each, all
// counter-clockwise seen from +z) and the horizontal advance.
struct GlyphMesh {
  std::vector<Contour> contours;
  std::vector<Point2> triangles;
  // True when the filled area lies to the right of each contour's direction (TrueType
  // order); side walls face away from the filled side.
  bool fillRight = true;
  double advance = 0;
};

// A font file and face index.
struct FontFile {
  std::string path;
  int index = 0;
};

// The file fontconfig picks for a family at a weight (OpenType scale, 400 regular, 700
// bold) and slant; nullopt when there is none.
std::optional<FontFile> MatchFontFile(const std::string& family, int weight, bool italic);
// The first file in fontconfig's order for the family that has a glyph for `code`.
std::optional<FontFile> MatchFontFileFor(const std::string& family, int weight, bool italic,
                                         char32_t code);

// An open FreeType face.
class OutlineFace {
 public:
  // nullptr when FreeType cannot open the file.
  static std::unique_ptr<OutlineFace> Open(const FontFile& file);
  ~OutlineFace();
  OutlineFace(const OutlineFace&) = delete;
  OutlineFace& operator=(const OutlineFace&) = delete;

  bool HasChar(char32_t code) const;
  double UnitsPerEm() const;
  // The glyph of `code` (glyph 0 when the face has none), curves flattened to a chord
  // deviation of one design unit; nullopt on a FreeType or tessellation error.
  std::optional<GlyphMesh> Glyph(char32_t code) const;

 private:
  OutlineFace() = default;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Cuts the area of the contours (non-zero winding: counters stay open, overlapping
// contours fill once) into triangles, each counter-clockwise; nullopt on a tessellator error.
std::optional<std::vector<Point2>> TessellateContours(const std::vector<Contour>& contours);

// Signed area of a closed contour (positive when counter-clockwise).
double SignedArea(const Contour& contour);

}  // namespace curvanta
