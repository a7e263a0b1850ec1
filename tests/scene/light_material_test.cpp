// The mirrored light pair and the material presets as the GL receives them.
#include <gtest/gtest.h>

#include "common/recording_gl.h"
#include "scene/light.h"
#include "scene/material.h"

using namespace curvanta;

namespace {

using curvanta::GlCall;
using curvanta::RecordingGl;
using curvanta::ScopedGl;

TEST(Light, FreshLightAppliesTheMirroredPair) {
  RecordingGl gl;
  ScopedGl use(&gl);
  Light light;
  light.SetLight();
  const std::vector<GlCall> want = {
      {"glLightfv", {GL_LIGHT0, GL_POSITION, 100, 100, 100, 1}},
      {"glLightfv", {GL_LIGHT0, GL_DIFFUSE, 1, 1, 1, 1}},
      {"glLightfv", {GL_LIGHT0, GL_AMBIENT, 1, 1, 1, 1}},
      {"glLightfv", {GL_LIGHT0, GL_SPECULAR, 1, 1, 1, 1}},
      {"glLightfv", {GL_LIGHT1, GL_POSITION, -100, -100, -100, 1}},
      {"glLightfv", {GL_LIGHT1, GL_DIFFUSE, 1, 1, 1, 1}},
      {"glLightfv", {GL_LIGHT1, GL_AMBIENT, 1, 1, 1, 1}},
      {"glLightfv", {GL_LIGHT1, GL_SPECULAR, 1, 1, 1, 1}},
      {"glLightModelfv", {GL_LIGHT_MODEL_AMBIENT, 1, 1, 1, 1}},
      {"glLightModeli", {GL_LIGHT_MODEL_TWO_SIDE, 1}},
      {"glEnable", {GL_LIGHTING}},
      {"glEnable", {GL_LIGHT0}},
      {"glEnable", {GL_LIGHT1}},
  };
  EXPECT_EQ(gl.Calls(), want);
}

TEST(Light, SettingsReachTheGl) {
  struct Case {
    const char* what;
    void (*set)(Light&);
    const char* name;
    std::vector<double> args;
  };
  const Case cases[] = {
      {"directional light 0",
       [](Light& l) {
         l.SetPosition(0, 10);
         l.SetPosition(1, 0);
         l.SetPosition(2, 0);
         l.SetPosition(3, 0);
       },
       "glLightfv", {GL_LIGHT1, GL_POSITION, -10, 0, 0, 1}},
      {"two sides off", [](Light& l) { l.SetTwoSides(0, 0); }, "glLightModeli",
       {GL_LIGHT_MODEL_TWO_SIDE, 0}},
      {"two sides any non-zero", [](Light& l) { l.SetTwoSides(0, -2.5f); }, "glLightModeli",
       {GL_LIGHT_MODEL_TWO_SIDE, 1}},
      {"global ambient off", [](Light& l) { l.SetGlobalAmbient(0, 0); }, "glLightModelfv",
       {GL_LIGHT_MODEL_AMBIENT, 0, 0, 0, 1}},
      {"diffuse colour", [](Light& l) { l.SetDiffuse(2, 0.25f); }, "glLightfv",
       {GL_LIGHT1, GL_DIFFUSE, 1, 1, 0.25, 1}},
  };
  for (const Case& c : cases) {
    RecordingGl gl;
    ScopedGl use(&gl);
    Light light;
    c.set(light);
    light.SetLight();
    bool found = false;
    for (const GlCall& call : gl.Named(c.name)) found = found || call.args == c.args;
    EXPECT_TRUE(found) << c.what;
  }
}

TEST(Light, DisabledOnlySwitchesOffAndKeepsTheSettings) {
  RecordingGl gl;
  ScopedGl use(&gl);
  Light light;
  light.SetPosition(0, 5);
  light.Enabled = false;
  light.SetLight();
  const std::vector<GlCall> off = {
      {"glDisable", {GL_LIGHTING}}, {"glDisable", {GL_LIGHT0}}, {"glDisable", {GL_LIGHT1}}};
  EXPECT_EQ(gl.Calls(), off);
  light.Enabled = true;
  light.SetLight();
  EXPECT_EQ(gl.Light(GL_LIGHT0, GL_POSITION)[0], 5.0f);
  EXPECT_TRUE(gl.Enabled(GL_LIGHT1));
}

TEST(Light, IndexOutsideItsRangeIsRefused) {
  Light light;
  EXPECT_THROW(light.SetPosition(4, 1), std::out_of_range);
  EXPECT_THROW(light.SetSpecular(-1, 1), std::out_of_range);
  EXPECT_THROW(light.SetTwoSides(1, 0), std::out_of_range);
  EXPECT_THROW(light.GlobalAmbient(2), std::out_of_range);
  EXPECT_EQ(light, Light());
}

TEST(Material, PresetsAppliedToBothFacesInOrder) {
  RecordingGl gl;
  ScopedGl use(&gl);
  Material m;
  m.SetMaterial(4);
  const std::vector<GlCall> want = {
      {"glMaterialfv", {GL_FRONT_AND_BACK, GL_DIFFUSE, 0.49697f, 0.344891f, 0, 0}},
      {"glMaterialfv", {GL_FRONT_AND_BACK, GL_SPECULAR, 1, 0.887978f, 0, 0}},
      {"glMaterialf", {GL_FRONT_AND_BACK, GL_SHININESS, 118.690944f}},
      {"glMaterialfv", {GL_FRONT_AND_BACK, GL_EMISSION, 0, 0, 0, 0}},
      {"glMaterialfv", {GL_FRONT_AND_BACK, GL_AMBIENT, 0.133333f, 0.0925319f, 0, 0}},
  };
  EXPECT_EQ(gl.Calls(), want);
  EXPECT_EQ(gl.Material(GL_BACK, GL_AMBIENT), gl.Material(GL_FRONT, GL_AMBIENT));
  EXPECT_TRUE(gl.Errors().empty());
}

TEST(Material, NumbersOutsideThePresetsReapplyWhatTheObjectHolds) {
  for (int32_t n : {0, 14, -1}) {
    RecordingGl gl;
    ScopedGl use(&gl);
    Material fresh;
    fresh.SetMaterial(n);
    ASSERT_EQ(gl.Calls().size(), 5u);
    for (const GlCall& c : gl.Calls())
      for (size_t i = 2; i < c.args.size(); ++i) EXPECT_EQ(c.args[i], 0) << n;

    Material held;
    held.SetMaterial(7);
    gl.ClearCalls();
    held.SetMaterial(n);
    EXPECT_EQ(gl.Calls()[0], (GlCall{"glMaterialfv",
                                     {GL_FRONT_AND_BACK, GL_DIFFUSE, 0.799639f, 0.326749f,
                                      0.326749f, 0}}));
    EXPECT_EQ(gl.Calls()[2].args[2], double(9.7959168f));
  }
}

TEST(Material, TellingFeaturesOfTheTable) {
  auto read = [](int32_t n) {
    Material m;
    m.SetMaterial(n);
    return m;
  };
  const Material autumn = read(2), summer = read(11), neon = read(5), glass = read(3);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(autumn.Ambient(i), summer.Ambient(i));
    EXPECT_EQ(autumn.Diffuse(i), summer.Diffuse(i));
    EXPECT_EQ(neon.Ambient(i), 0.0f);
    EXPECT_EQ(neon.Diffuse(i), 0.0f);
  }
  EXPECT_NE(autumn.Shininess(0), summer.Shininess(0));
  for (int32_t n = 1; n <= 13; ++n) {
    const Material m = read(n);
    const bool emits = m.Emission(0) != 0 || m.Emission(1) != 0 || m.Emission(2) != 0;
    EXPECT_EQ(emits, n == 5) << n;
    const float alpha = n == 3 ? 0.34747f : 0.0f;
    EXPECT_EQ(m.Ambient(3), alpha) << n;
    EXPECT_EQ(m.Specular(3), alpha) << n;
    EXPECT_EQ(m.Diffuse(3), n == 1 ? 0.832432f : alpha) << n;
    EXPECT_LE(m.Shininess(0), 128.0f);
  }
  EXPECT_EQ(glass.Emission(3), 0.34747f);
  const char* names[] = {"Artdeco", "Autumn", "Glass",  "Metal",  "Neon",     "Recoco", "Santefe",
                         "Sheen",   "Silky",  "Spring", "Summer", "Tropical", "Winter"};
  for (int32_t n = 1; n <= 13; ++n) EXPECT_EQ(curvanta::MaterialName(n), names[n - 1]);
  EXPECT_EQ(curvanta::MaterialName(0), "");
  EXPECT_EQ(curvanta::MaterialName(14), "");
}

TEST(Material, IndexOutsideItsRangeIsRefused) {
  Material m;
  EXPECT_THROW(m.SetShininess(1, 5), std::out_of_range);
  EXPECT_THROW(m.SetAmbient(4, 5), std::out_of_range);
  EXPECT_EQ(m.Shininess(0), 0.0f);
}

}  // namespace
