// 3D outline text through the recording GL layer: glyph lists, DrawText3D's calls, colours,
// characters beyond the lists, the failed font.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "common/message_service.h"
#include "common/recording_gl.h"
#include "scene/text3d.h"

using namespace curvanta;

namespace curvanta {
namespace {

constexpr std::array<float, 4> kNoTurn{0, 0, 1, 0};

struct Text3D : ::testing::Test {
  RecordingGl gl;
  ScopedGl installed{&gl};
  int32_t base = 0;
  void Build() {
    ASSERT_TRUE(CreateOutlineFont(base, "Arial", -6, 400, 0, 0));
    ASSERT_NE(base, 0);
  }
};

const GlCall& Last(const std::vector<GlCall>& calls) { return calls.back(); }

TEST_F(Text3D, SetGLColorSplitsTheBytes) {
  struct Case {
    int32_t colour;
    float r, g, b;
  } cases[] = {{255, 1, 0, 0}, {255 * 65536, 0, 0, 1}, {0x808080, 128 / 255.f, 128 / 255.f, 128 / 255.f},
               {int32_t(0x80000002u), 0, 0, 128 / 255.f}};
  for (const auto& c : cases) {
    SetGLColor(c.colour);
    EXPECT_EQ(gl.Calls().back(), (GlCall{"glColor3f", {c.r, c.g, c.b}})) << c.colour;
  }
}

TEST_F(Text3D, NinetySixGlyphListsWithAdvancesAndDepth) {
  Build();
  EXPECT_EQ(gl.Calls().front(), (GlCall{"glColor3f", {0, 0, 0}}));
  for (int code = 32; code <= 127; ++code) {
    const auto& list = gl.ListContents(GLuint(base + code - 32));
    ASSERT_FALSE(list.empty()) << code;
    EXPECT_EQ(Last(list).name, "glTranslatef") << code;
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const GlCall& c) { return c.name.rfind("glColor", 0) == 0 ||
                                                         c.name.rfind("glMaterial", 0) == 0; }),
              0);
  }
  const auto& space = gl.ListContents(GLuint(base));
  EXPECT_EQ(space.size(), 1u);  // no polygon, only the advance
  EXPECT_NEAR(space[0].args[0], 0.27783, 1e-5);
  EXPECT_NEAR(Last(gl.ListContents(GLuint(base + '0' - 32))).args[0], 0.55615, 1e-5);
  // 'I': front face at z = 0, back face at z = -0.1, walls between, and the front outline
  // as a loop of lines (its four corners) so that a stroke thinner than a pixel still shows.
  auto prims = RecordingGl::PrimitivesOf(gl.ListContents(GLuint(base + 'I' - 32)));
  ASSERT_EQ(prims.size(), 3u);
  EXPECT_EQ(prims[0].mode, GLenum(GL_TRIANGLES));
  EXPECT_EQ(prims[1].mode, GLenum(GL_QUADS));
  EXPECT_EQ(prims[2].mode, GLenum(GL_LINE_LOOP));
  ASSERT_EQ(prims[2].vertices.size(), 4u);
  for (const auto& v : prims[2].vertices) EXPECT_EQ(v.position[2], 0);
  double frontArea = 0, backArea = 0;
  for (const auto& prim : prims) {
    for (const auto& v : prim.vertices) {
      const double z = v.position[2];
      EXPECT_TRUE(z == 0 || std::fabs(z + 0.1) < 1e-7) << z;
    }
  }
  const auto& tri = prims[0].vertices;
  for (size_t i = 0; i + 2 < tri.size(); i += 3) {
    const double cross = (tri[i + 1].position[0] - tri[i].position[0]) *
                             (tri[i + 2].position[1] - tri[i].position[1]) -
                         (tri[i + 1].position[1] - tri[i].position[1]) *
                             (tri[i + 2].position[0] - tri[i].position[0]);
    // Seen from +z the front face turns counter-clockwise, the back face clockwise.
    (tri[i].normal[2] > 0 ? frontArea : backArea) += cross / 2;
  }
  EXPECT_GT(frontArea, 0.05);
  EXPECT_NEAR(backArea, -frontArea, 1e-9);
  // Walls: outward normals in the xy plane; 'I' is a rectangle, 4 walls.
  ASSERT_EQ(prims[1].vertices.size(), 16u);
  for (const auto& v : prims[1].vertices) EXPECT_EQ(v.normal[2], 0);
  EXPECT_TRUE(gl.Errors().empty());
}

TEST_F(Text3D, DrawText3DCallsInOrder) {
  Build();
  gl.ClearCalls();
  DrawText3D(base, "-0.50", 1, 2, 3, {90, 0, 1, 0}, 0xFF0000);
  const std::vector<GlCall> expected = {
      {"glPushAttrib", {GL_POLYGON_BIT | GL_LINE_BIT}},
      {"glPushMatrix", {}},
      {"glListBase", {double(GLuint(base - 32))}},
      {"glTranslatef", {1, 2, 3}},
      {"glScalef", {0.7f, 0.7f, 0.7f}},
      {"glRotatef", {90, 0, 1, 0}},
      {"glColor3f", {0, 0, 1}},
      {"glCallLists", {5, GL_BYTE, 45, 48, 46, 53, 48}},
      {"glPopMatrix", {}},
      {"glPopAttrib", {}},
  };
  ASSERT_GE(gl.Calls().size(), expected.size());
  // The glyph lists run inside glCallLists and are logged after it; compare the outer calls.
  std::vector<GlCall> outer;
  for (const auto& c : gl.Calls())
    if (c.name != "glBegin" && c.name != "glEnd" && c.name.rfind("glVertex", 0) != 0 &&
        c.name.rfind("glNormal", 0) != 0 && !(c.name == "glTranslatef" && c.args[1] == 0 &&
                                              c.args[2] == 0 && c.args[0] != 1))
      outer.push_back(c);
  EXPECT_EQ(outer, expected);
  EXPECT_EQ(gl.StackDepth(GL_MODELVIEW), 1);
  EXPECT_EQ(gl.AttribStackDepth(), 0);
  EXPECT_EQ(gl.Color(), (std::array<float, 4>{0, 0, 1, 1}));  // the colour stays
}

TEST_F(Text3D, EmptyTextAndMissingFont) {
  Build();
  gl.ClearCalls();
  DrawText3D(base, "", 0, 0, 0, kNoTurn, 255);
  EXPECT_EQ(gl.Count("glCallLists"), 0);
  EXPECT_EQ(gl.Count("glBegin"), 0);
  EXPECT_EQ(gl.Color(), (std::array<float, 4>{1, 0, 0, 1}));
  gl.ClearCalls();
  DrawText3D(0, "12", 0, 0, 0, kNoTurn, 255);  // a font that failed draws and changes nothing
  EXPECT_TRUE(gl.Calls().empty());
}

TEST_F(Text3D, CharactersBeyondTheListsNeverReachThem) {
  Build();
  gl.ClearCalls();
  DrawText3D(base, "t时\t间x\xff", 0, 0, 0, kNoTurn, 0);
  const auto lists = gl.Named("glCallLists");
  ASSERT_EQ(lists.size(), 2u);  // "t" and "x" around the two Chinese glyphs
  EXPECT_EQ(lists[0].args, (std::vector<double>{1, GL_BYTE, 't'}));
  EXPECT_EQ(lists[1].args, (std::vector<double>{1, GL_BYTE, 'x'}));
  // The Chinese glyphs are drawn in place, each moving on by its advance (about 1 em).
  int wideAdvances = 0;
  for (const auto& c : gl.Calls())
    if (c.name == "glTranslatef" && c.args[0] > 0.9 && c.args[0] < 1.1 && c.args[1] == 0) ++wideAdvances;
  EXPECT_EQ(wideAdvances, 2);
  EXPECT_GT(gl.Count("glBegin"), 2);
  EXPECT_TRUE(gl.Errors().empty());
  EXPECT_EQ(gl.StackDepth(GL_MODELVIEW), 1);
}

// A GL that cannot hand out lists.
class NoListsGl : public RecordingGl {
 public:
  GLuint glGenLists(GLsizei) override { return 0; }
};

TEST(Text3DFailure, NoListsGivesTheMessageLaterAndBaseZero) {
  NoListsGl gl;
  ScopedGl installed(&gl);
  ScopedMessageRecorder messages;
  int32_t base = 77;
  EXPECT_FALSE(CreateOutlineFont(base, "Arial", -8, 700, 0, 0));
  EXPECT_EQ(base, 0);
  EXPECT_TRUE(messages.recorder.messages.empty());  // not inside the GL set-up
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.recorder.messages.size(), 1u);
  EXPECT_EQ(messages.recorder.messages[0].text, "无法创建字体");
  EXPECT_EQ(messages.recorder.messages[0].icon, MsgIcon::Error);
  EXPECT_EQ(messages.recorder.messages[0].title, "");
}

}  // namespace
}  // namespace curvanta

namespace curvanta {
namespace {

TEST(RecordingGlAttributes, PolygonBitRestoresPolygonState) {
  RecordingGl gl;
  gl.glPushAttrib(GL_POLYGON_BIT);
  gl.glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  gl.glEnable(GL_POLYGON_SMOOTH);
  gl.glEnable(GL_LIGHTING);
  gl.glPopAttrib();
  EXPECT_EQ(gl.PolygonMode(GL_FRONT), GLenum(GL_FILL));
  EXPECT_EQ(gl.PolygonMode(GL_BACK), GLenum(GL_FILL));
  EXPECT_FALSE(gl.Enabled(GL_POLYGON_SMOOTH));
  EXPECT_TRUE(gl.Enabled(GL_LIGHTING));  // not part of the polygon group
  gl.glPopAttrib();
  EXPECT_EQ(gl.Errors().size(), 1u);  // underflow
}

}  // namespace
}  // namespace curvanta
