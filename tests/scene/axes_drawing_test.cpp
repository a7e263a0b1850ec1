// Coordinate-system drawing through the recording GL layer: 2D axes, ticks, arrowheads and
// labels; 2.5D/3D panels, grids, ticks, labels and titles; the state left behind.
#include <gtest/gtest.h>

#include <cmath>

#include "common/globals.h"
#include "common/recording_gl.h"
#include "scene/axes_settings.h"
#include "scene/text3d.h"

using namespace curvanta;

namespace curvanta {
namespace {

constexpr int32_t kLabelBase = 1000, kTitleBase = 2000;

// One DrawText3D as recorded.
struct Text {
  int32_t base;
  std::string text;
  double x, y, z;
  std::array<double, 4> rotation;
  std::array<double, 3> colour;
};

std::vector<Text> Texts(const std::vector<GlCall>& calls) {
  std::vector<Text> texts;
  for (size_t i = 0; i + 9 < calls.size(); ++i) {
    if (calls[i].name != "glPushAttrib" || calls[i + 2].name != "glListBase") continue;
    Text t{};
    t.base = int32_t(uint32_t(calls[i + 2].args[0]) + 32u);
    const auto& at = calls[i + 3].args;
    t.x = at[0], t.y = at[1], t.z = at[2];
    const auto& r = calls[i + 5].args;
    t.rotation = {r[0], r[1], r[2], r[3]};
    size_t k = i + 6;
    if (calls[k].name == "glColor3f") {
      t.colour = {calls[k].args[0], calls[k].args[1], calls[k].args[2]};
      ++k;
    }
    if (calls[k].name == "glCallLists")
      for (size_t c = 2; c < calls[k].args.size(); ++c) t.text += char(calls[k].args[c]);
    texts.push_back(t);
  }
  return texts;
}

const Text* Find(const std::vector<Text>& texts, const std::string& s, int32_t base = kLabelBase) {
  for (const auto& t : texts)
    if (t.text == s && t.base == base) return &t;
  return nullptr;
}

std::vector<GlPrimitive> Blocks(const RecordingGl& gl, GLenum mode) {
  std::vector<GlPrimitive> out;
  for (auto& p : gl.Primitives())
    if (p.mode == mode) out.push_back(p);
  return out;
}

struct AxesDrawing : ::testing::Test {
  void SetUp() override {
    LabelFontBase = kLabelBase;
    TitleFontBase = kTitleBase;
    axes.SetDefault();
  }
  void TearDown() override {
    LabelFontBase = TitleFontBase = 0;
    ResetGlobals();
  }
  void Draw2D(float minX, float maxX, float minY, float maxY) {
    GraphMode = 1;
    axes.Draw(2, minX, maxX, minY, maxY, 0, 0);
    EXPECT_TRUE(gl.Errors().empty()) << gl.Errors().front();
  }
  RecordingGl gl;
  ScopedGl installed{&gl};
  AxesSettings axes;
};

TEST_F(AxesDrawing, TwoDTicksAxesAndArrowTips) {
  Draw2D(-5.3f, 4.2f, -1.1f, 1.1f);
  auto lines = Blocks(gl, GL_LINES);
  ASSERT_EQ(lines.size(), 2u);
  // Ticks: x -6..5, y -2..2, black.
  const auto& ticks = lines[0].vertices;
  ASSERT_EQ(ticks.size(), 2u * (12 + 5));
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(ticks[2 * i].position, (std::array<double, 3>{double(-6 + i), 0, 0}));
    EXPECT_NEAR(ticks[2 * i + 1].position[1], 0.4, 1e-7);
  }
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ticks[24 + 2 * i].position[1], -2 + i);
  for (const auto& v : ticks) EXPECT_EQ(v.color, (std::array<double, 4>{0, 0, 0, 1}));
  // Axis lines 2.1 beyond the box, black by default.
  const auto& axesLines = lines[1].vertices;
  ASSERT_EQ(axesLines.size(), 4u);
  EXPECT_NEAR(axesLines[0].position[0], -7.4, 1e-6);
  EXPECT_NEAR(axesLines[1].position[0], 6.3, 1e-6);
  EXPECT_NEAR(axesLines[2].position[1], -3.2, 1e-6);
  EXPECT_NEAR(axesLines[3].position[1], 3.2, 1e-6);
  for (const auto& v : axesLines) EXPECT_EQ(v.color, (std::array<double, 4>{0, 0, 0, 1}));
  EXPECT_EQ(axesLines[0].position[1], 0);
  EXPECT_EQ(axesLines[2].position[0], 0);
  // Arrowheads: filled, then their whole outline.
  auto tris = Blocks(gl, GL_TRIANGLES);
  auto loops = Blocks(gl, GL_LINE_LOOP);
  ASSERT_EQ(tris.size(), 2u);
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_NEAR(tris[0].vertices[0].position[0], 6.8, 1e-6);
  EXPECT_EQ(tris[0].vertices[0].position[1], 0);
  EXPECT_NEAR(tris[1].vertices[0].position[1], 3.7, 1e-6);
  EXPECT_EQ(tris[1].vertices[0].position[0], 0);
  for (int k = 0; k < 2; ++k)
    for (int v = 0; v < 3; ++v) EXPECT_EQ(loops[k].vertices[v].position, tris[k].vertices[v].position);
  EXPECT_EQ(gl.Count("glVertex3d"), 12);  // arrowheads go as doubles

  auto texts = Texts(gl.Calls());
  ASSERT_EQ(texts.size(), 11u + 4u + 2u);  // "0" skipped on both axes
  for (int v = -6; v <= 5; ++v) EXPECT_EQ(Find(texts, std::to_string(v)) != nullptr, v != 0) << v;
  const Text* x = Find(texts, "X", kTitleBase);
  const Text* y = Find(texts, "Y", kTitleBase);
  ASSERT_TRUE(x && y);
  EXPECT_NEAR(x->x, 6.2, 1e-6);
  EXPECT_NEAR(x->y, -1.2, 1e-6);
  EXPECT_NEAR(y->x, -1.0, 1e-6);
  EXPECT_NEAR(y->y, 3.1, 1e-6);
  for (const auto& t : texts) {
    EXPECT_EQ(t.colour, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(t.rotation, (std::array<double, 4>{0, 0, 1, 0}));
  }
  // State left behind.
  EXPECT_TRUE(gl.Enabled(GL_LIGHTING));
  EXPECT_FALSE(gl.Enabled(GL_LINE_SMOOTH));
  EXPECT_FALSE(gl.Enabled(GL_BLEND));
  EXPECT_FALSE(gl.Enabled(GL_POLYGON_SMOOTH));
  EXPECT_EQ(gl.BlendFunc(), (std::array<GLenum, 2>{GL_SRC_ALPHA_SATURATE, GL_ONE_MINUS_SRC_ALPHA}));
  EXPECT_EQ(gl.Color(), (std::array<float, 4>{0, 0, 0, 1}));
}

TEST_F(AxesDrawing, TwoDLabelOffsets) {
  Draw2D(-12.5f, 12.5f, 9.5f, 10.5f);
  auto texts = Texts(gl.Calls());
  struct Case {
    const char* label;
    double offset;
  } cases[] = {{"-12", 0.45}, {"-3", 0.3}, {"12", 0.3}, {"5", 0.15}};
  for (const auto& c : cases) {
    const Text* t = Find(texts, c.label);
    ASSERT_TRUE(t) << c.label;
    // The first match is the x label (x labels come first).
    EXPECT_NEAR(t->x, std::stod(c.label) - c.offset, 1e-6) << c.label;
    EXPECT_NEAR(t->y, -0.8, 1e-6);
  }
  bool found = false;
  for (const auto& t : texts) {
    if (t.text == "10" && std::fabs(t.y - 9.8) < 1e-5) {
      EXPECT_NEAR(t.x, -(2 / 3.9 + 0.35), 1e-6);
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(AxesDrawing, TwoDWidthColourAndPlainFonts) {
  axes.AxisWidth = 3;
  axes.AxisColor = 0x0000FF;
  axes.BetterFonts = false;
  Draw2D(-5.3f, 4.2f, -1.1f, 1.1f);
  auto tris = Blocks(gl, GL_TRIANGLES);
  ASSERT_EQ(tris.size(), 2u);
  EXPECT_NEAR(tris[0].vertices[0].position[1], -0.02, 1e-12);
  EXPECT_NEAR(tris[0].vertices[1].position[1], 0.18, 1e-12);
  EXPECT_NEAR(tris[1].vertices[0].position[0], -0.02, 1e-12);
  EXPECT_EQ(tris[0].vertices[0].color, (std::array<double, 4>{1, 0, 0, 1}));
  auto lines = Blocks(gl, GL_LINES);
  for (const auto& v : lines[0].vertices) EXPECT_EQ(v.color, (std::array<double, 4>{0, 0, 0, 1}));
  // The first line width (ticks) is 1, then the axis width.
  auto widths = gl.Named("glLineWidth");
  ASSERT_EQ(widths.size(), 2u);
  EXPECT_EQ(widths[0].args[0], 1);
  EXPECT_EQ(widths[1].args[0], 3);
  EXPECT_EQ(gl.LineWidth(), 3);
  EXPECT_EQ(gl.Count("glEnable"), 3);  // line smoothing, blend, lighting at the end
  EXPECT_FALSE(gl.Enabled(GL_POLYGON_SMOOTH));
  EXPECT_EQ(gl.BlendFunc(), (std::array<GLenum, 2>{GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}));
}

TEST_F(AxesDrawing, TwoDLongAxesUseCoarserSteps) {
  // y = x^3 on [-10, 10]: 401 or more integer steps take a step of 5.
  Draw2D(-10.1f, 10.1f, -1000.1f, 1000.1f);
  auto ticks = Blocks(gl, GL_LINES)[0].vertices;
  const size_t xTicks = 12 + 11;  // -11 .. 11
  ASSERT_EQ(ticks.size(), 2 * (xTicks + 403));
  EXPECT_EQ(ticks[2 * xTicks].position[1], -1005);
  EXPECT_EQ(ticks[2 * xTicks + 2].position[1], -1000);
  EXPECT_EQ(ticks.back().position[1], 1005);
  auto texts = Texts(gl.Calls());
  EXPECT_TRUE(Find(texts, "-995"));
  EXPECT_FALSE(Find(texts, "-996"));
  // Far beyond: still at most 501 ticks per axis.
  gl.ClearCalls();
  Draw2D(-3e38f, 3e38f, -1, 1);
  ticks = Blocks(gl, GL_LINES)[0].vertices;
  EXPECT_LE(ticks.size(), 2u * (501 + 5));
}

TEST_F(AxesDrawing, TwoDAxisWithoutFiniteBoundsIsLeftOut) {
  Draw2D(-1, INFINITY, -2, 2);
  auto lines = Blocks(gl, GL_LINES);
  EXPECT_EQ(lines[0].vertices.size(), 2u * 6);  // only the y ticks, -2 .. 3
  EXPECT_EQ(lines[1].vertices.size(), 2u);      // only the y axis
  EXPECT_EQ(Blocks(gl, GL_TRIANGLES).size(), 1u);
  auto texts = Texts(gl.Calls());
  EXPECT_FALSE(Find(texts, "X", kTitleBase));
  EXPECT_TRUE(Find(texts, "Y", kTitleBase));
}

TEST_F(AxesDrawing, TickLabelTexts) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{12.5, "12.50"},       {-0.25, "-0.25"},       {0, "0.00"},
               {1234.5, "1,234.50"},  {-1234567.125, "-1,234,567.13"},
               {0.125, "0.13"},       {-0.125, "-0.13"},      {0.375, "0.38"},
               {-0.001, "0.00"},      {-0.004999, "0.00"},    {0.005, "0.01"},
               {999.999, "1,000.00"}, {100, "100.00"},        {1e7, "10,000,000.00"}};
  for (const auto& c : cases) EXPECT_EQ(TickLabelText(c.value), c.text) << c.value;
}

TEST_F(AxesDrawing, ThreeDDefaults) {
  GraphMode = 3;
  axes.Draw(2, 0, 2, 0, 4, 0, 6);
  EXPECT_TRUE(gl.Errors().empty());
  // Materials of the three panels, none drawn.
  auto materials = gl.Named("glMaterialf");
  EXPECT_EQ(materials.size(), 3u);  // shininess once per panel
  EXPECT_TRUE(Blocks(gl, GL_QUADS).empty());
  EXPECT_NEAR(gl.Material(GL_FRONT, GL_SHININESS)[0], 118.690944, 1e-4);
  // Six grids of three segments in grey 0.6, then one block of 3 + 3 + 3 ticks.
  auto lines = Blocks(gl, GL_LINES);
  ASSERT_EQ(lines.size(), 7u);
  for (int g = 0; g < 6; ++g) {
    ASSERT_EQ(lines[g].vertices.size(), 6u);
    EXPECT_NEAR(lines[g].vertices[0].color[0], 0.6, 1e-6);
  }
  // YZY: (x_i, MinY, MinZ)-(x_i, MaxY, MinZ)
  EXPECT_EQ(lines[0].vertices[2].position, (std::array<double, 3>{1, 0, 0}));
  EXPECT_EQ(lines[0].vertices[3].position, (std::array<double, 3>{1, 4, 0}));
  // XYX: (MinX, MinY, z_i)-(MaxX, MinY, z_i)
  EXPECT_EQ(lines[4].vertices[2].position, (std::array<double, 3>{0, 0, 3}));
  EXPECT_EQ(lines[4].vertices[3].position, (std::array<double, 3>{2, 0, 3}));
  ASSERT_EQ(lines[6].vertices.size(), 18u);
  EXPECT_EQ(lines[6].vertices[0].position, (std::array<double, 3>{2, 0, 0}));  // GL Z first
  EXPECT_NEAR(lines[6].vertices[1].position[1], -0.3, 1e-6);
  for (const auto& v : lines[6].vertices) EXPECT_EQ(v.color, (std::array<double, 4>{0, 0, 0, 1}));

  auto texts = Texts(gl.Calls());
  ASSERT_EQ(texts.size(), 3u + 1 + 3 + 1 + 2 + 1);
  struct Expect {
    size_t index;
    const char* text;
    int32_t base;
    double x, y, z;
    std::array<double, 4> rotation;
  } expected[] = {
      {0, "0.00", kLabelBase, -1, -1.3, 6, {0, 0, 1, 0}},
      {1, "1.00", kLabelBase, 0, -1.3, 6, {0, 0, 1, 0}},
      {2, "2.00", kLabelBase, 1, -1.3, 6, {0, 0, 1, 0}},
      {3, "Y", kTitleBase, -0.12821, -2.3, 6, {0, 0, 1, 0}},
      {4, "0.00", kLabelBase, -1.72564, 0, 6, {0, 0, 1, 0}},
      {5, "2.00", kLabelBase, -1.72564, 2, 6, {0, 0, 1, 0}},
      {6, "4.00", kLabelBase, -1.72564, 4, 6, {0, 0, 1, 0}},
      {7, "Z", kTitleBase, -2.72564, 2.12821, 6, {-90, 0, 0, 1}},
      {8, "0.00", kLabelBase, 2, -1.3, 0, {90, 0, 1, 0}},
      {9, "3.00", kLabelBase, 2, -1.3, 3, {90, 0, 1, 0}},
      {10, "X", kTitleBase, 2, -2.3, 2.62821, {90, 0, 1, 0}},
  };
  for (const auto& e : expected) {
    const Text& t = texts[e.index];
    EXPECT_EQ(t.text, e.text) << e.index;
    EXPECT_EQ(t.base, e.base) << e.index;
    EXPECT_NEAR(t.x, e.x, 1e-5) << e.index;
    EXPECT_NEAR(t.y, e.y, 1e-5) << e.index;
    EXPECT_NEAR(t.z, e.z, 1e-5) << e.index;
    EXPECT_EQ(t.rotation, e.rotation) << e.index;
    EXPECT_EQ(t.colour, (std::array<double, 3>{0, 0, 1})) << e.index;
  }
  // State left behind.
  EXPECT_TRUE(gl.Enabled(GL_LIGHTING));
  EXPECT_FALSE(gl.Enabled(GL_COLOR_MATERIAL));
  EXPECT_EQ(gl.ColorMaterial(), (std::array<GLenum, 2>{GL_FRONT_AND_BACK, GL_DIFFUSE}));
  EXPECT_FALSE(gl.Enabled(GL_LINE_SMOOTH));
  EXPECT_FALSE(gl.Enabled(GL_BLEND));
  EXPECT_EQ(gl.PolygonMode(GL_BACK), GLenum(GL_FILL));
  EXPECT_EQ(gl.LineWidth(), 1);
  EXPECT_EQ(gl.Color(), (std::array<float, 4>{0, 0, 1, 1}));
}

TEST_F(AxesDrawing, PanelsWithTheirNormalsColoursAndMaterials) {
  GraphMode = 3;
  axes.ShowXYPanel = axes.ShowXZPanel = axes.ShowYZPanel = true;
  axes.YZPanelColor = 0x0000FF;
  axes.XZPanelColor = 0x00FF00;
  axes.XYPanelColor = 0xFF0000;
  axes.YZPanelMaterial = 2;
  axes.XZPanelMaterial = 99;  // outside the presets: keeps the one before
  axes.XYPanelMaterial = 0;
  axes.Draw(2, -1, 1, -2, 2, -3, 3);
  auto quads = Blocks(gl, GL_QUADS);
  ASSERT_EQ(quads.size(), 3u);
  const std::array<double, 3> normals[3] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
  const std::array<double, 4> colours[3] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}};
  for (int p = 0; p < 3; ++p) {
    ASSERT_EQ(quads[p].vertices.size(), 4u);
    for (const auto& v : quads[p].vertices) {
      EXPECT_EQ(v.normal, normals[p]);
      EXPECT_EQ(v.color, colours[p]);
    }
  }
  EXPECT_EQ(quads[0].vertices[2].position, (std::array<double, 3>{1, 2, -3}));
  EXPECT_EQ(quads[1].vertices[2].position, (std::array<double, 3>{-1, 2, 3}));
  EXPECT_EQ(quads[2].vertices[2].position, (std::array<double, 3>{1, -2, 3}));
  // Every material application uses preset 2 ("Autumn"): shininess 127.30816 three times.
  for (const auto& m : gl.Named("glMaterialf")) EXPECT_NEAR(m.args[2], 127.30816, 1e-4);
}

TEST_F(AxesDrawing, TwoAndAHalfDHasNoDepthAxisAndFixedDepth) {
  GraphMode = 2;
  axes.Draw(2, 0, 2, 0, 4, 10, 20);
  auto lines = Blocks(gl, GL_LINES);
  ASSERT_EQ(lines.size(), 7u);
  // XZX grid spans z 0..3.
  EXPECT_EQ(lines[2].vertices[0].position[2], 0);
  EXPECT_EQ(lines[2].vertices[4].position[2], 3);
  EXPECT_EQ(lines[6].vertices.size(), 12u);  // no GL Z ticks
  auto texts = Texts(gl.Calls());
  EXPECT_EQ(texts.size(), 3u + 1 + 3 + 1);
  EXPECT_FALSE(Find(texts, "X", kTitleBase));
  for (const auto& t : texts) EXPECT_EQ(t.z, 3);
}

TEST_F(AxesDrawing, IntervalCountsOutsideTheirRange) {
  GraphMode = 3;
  axes.LabelNumZ = -1;
  axes.LabelNumY = 0;
  axes.LabelNumX = 100000;
  axes.Draw(2, 0, 2, 0, 4, 0, 6);
  EXPECT_TRUE(gl.Errors().empty());
  auto texts = Texts(gl.Calls());
  const Text* z = Find(texts, "Z", kTitleBase);
  ASSERT_TRUE(z);
  EXPECT_NEAR(z->x, -1.0, 1e-6);  // no GL Y label drawn
  size_t depthLabels = 0;
  for (const auto& t : texts)
    if (t.rotation[0] == 90 && t.base == kLabelBase) ++depthLabels;
  EXPECT_EQ(depthLabels, 500u);  // drawn as 500 intervals, the last one unlabelled
  auto lines = Blocks(gl, GL_LINES);
  // Grids: only XZX and XYX (GL Z divisions), 501 segments each; then the ticks.
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].vertices.size(), 2u * 501);
  EXPECT_EQ(lines[2].vertices.size(), 2u * 501);
  EXPECT_EQ(axes.LabelNumX, 100000);  // the stored value is kept
}

}  // namespace
}  // namespace curvanta
