// Glyph outlines: the face fontconfig finds, advances in em units, and triangles that cover
// exactly the outline's area (counters stay holes).
#include <gtest/gtest.h>

#include <cmath>

#include "scene/outline_glyphs.h"

using namespace curvanta;

namespace curvanta {
namespace {

double TriangleArea(const std::vector<Point2>& t) {
  double sum = 0;
  for (size_t i = 0; i + 2 < t.size(); i += 3) {
    const double cross = (t[i + 1][0] - t[i][0]) * (t[i + 2][1] - t[i][1]) -
                         (t[i + 1][1] - t[i][1]) * (t[i + 2][0] - t[i][0]);
    EXPECT_GE(cross, 0) << "triangle " << i / 3 << " is clockwise";
    sum += cross / 2;
  }
  return sum;
}

std::unique_ptr<OutlineFace> Arial(int weight) {
  auto file = MatchFontFile("Arial", weight, false);
  if (!file) return nullptr;
  return OutlineFace::Open(*file);
}

TEST(OutlineGlyphs, ArialResolvesToRegularAndBold) {
  auto regular = MatchFontFile("Arial", 400, false);
  auto bold = MatchFontFile("Arial", 700, false);
  ASSERT_TRUE(regular && bold);
  EXPECT_NE(regular->path.find("LiberationSans-Regular"), std::string::npos) << regular->path;
  EXPECT_NE(bold->path.find("LiberationSans-Bold"), std::string::npos) << bold->path;
}

TEST(OutlineGlyphs, AdvancesInEmUnits) {
  for (int weight : {400, 700}) {
    auto face = Arial(weight);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->UnitsPerEm(), 2048);
    struct Case {
      char32_t code;
      double advance;
    } cases[] = {{' ', 569.0 / 2048}, {'.', 569.0 / 2048}, {'0', 1139.0 / 2048},
                 {'7', 1139.0 / 2048}, {'-', 682.0 / 2048}, {'X', 1366.0 / 2048},
                 {'Y', 1366.0 / 2048}, {'Z', 1251.0 / 2048}};
    for (const auto& c : cases) {
      auto glyph = face->Glyph(c.code);
      ASSERT_TRUE(glyph);
      EXPECT_DOUBLE_EQ(glyph->advance, c.advance) << char(c.code) << " weight " << weight;
    }
  }
}

TEST(OutlineGlyphs, TrianglesCoverTheOutlineWithHolesOpen) {
  auto face = Arial(400);
  ASSERT_TRUE(face);
  for (char32_t code : {U'0', U'8', U'B', U'I', U'%', U'@', U'g', U'Q'}) {
    auto glyph = face->Glyph(code);
    ASSERT_TRUE(glyph);
    double outlineArea = 0;  // signed areas: counters subtract
    for (const auto& c : glyph->contours) outlineArea += SignedArea(c);
    outlineArea = std::fabs(outlineArea);
    const double filled = TriangleArea(glyph->triangles);
    EXPECT_GT(outlineArea, 0.01) << char(code);
    EXPECT_NEAR(filled, outlineArea, 1e-6) << char(code);
  }
  // '0', '8' and 'B' have counters: the filled area is well below the outer contour's.
  for (char32_t code : {U'0', U'8', U'B'}) {
    auto glyph = face->Glyph(code);
    ASSERT_TRUE(glyph);
    double outer = 0;
    for (const auto& c : glyph->contours) outer = std::max(outer, std::fabs(SignedArea(c)));
    EXPECT_LT(TriangleArea(glyph->triangles), 0.8 * outer) << char(code);
  }
}

TEST(OutlineGlyphs, CurvesAreFlattenedFinely) {
  auto face = Arial(400);
  ASSERT_TRUE(face);
  auto o = face->Glyph('o');
  ASSERT_TRUE(o);
  ASSERT_EQ(o->contours.size(), 2u);
  // Each bowl of 'o' is flattened into many short chords (deviation one design unit).
  for (const auto& c : o->contours) EXPECT_GT(c.size(), 24u);
  EXPECT_TRUE(o->fillRight);  // TrueType order
}

TEST(OutlineGlyphs, BlankGlyphsHaveNoGeometry) {
  auto face = Arial(400);
  ASSERT_TRUE(face);
  auto space = face->Glyph(' ');
  ASSERT_TRUE(space);
  EXPECT_TRUE(space->contours.empty());
  EXPECT_TRUE(space->triangles.empty());
  EXPECT_FALSE(face->HasChar(127));
  EXPECT_TRUE(face->Glyph(127));  // code 127 falls back to the face's glyph 0
}

TEST(OutlineGlyphs, SelfOverlappingContoursFillOnce) {
  // Two overlapping squares of the same orientation: non-zero winding fills the union.
  Contour a = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
  Contour b = {{1, 1}, {3, 1}, {3, 3}, {1, 3}};
  auto t = TessellateContours({a, b});
  ASSERT_TRUE(t);
  EXPECT_NEAR(TriangleArea(*t), 7.0, 1e-9);
  // A square with a reversed inner square: a hole.
  Contour outer = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  Contour hole = {{1, 1}, {1, 3}, {3, 3}, {3, 1}};
  t = TessellateContours({outer, hole});
  ASSERT_TRUE(t);
  EXPECT_NEAR(TriangleArea(*t), 12.0, 1e-9);
}

TEST(OutlineGlyphs, CjkFallbackFace) {
  auto file = MatchFontFileFor("Arial", 400, false, U'时');
  ASSERT_TRUE(file);
  auto face = OutlineFace::Open(*file);
  ASSERT_TRUE(face);
  EXPECT_TRUE(face->HasChar(U'时'));
  auto glyph = face->Glyph(U'时');
  ASSERT_TRUE(glyph);
  EXPECT_GT(glyph->triangles.size(), 0u);
  EXPECT_GT(glyph->advance, 0.5);
}

}  // namespace
}  // namespace curvanta
