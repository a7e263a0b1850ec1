// Light and view dialogs: fill, unchanged OK, reading the boxes, Cancel, the projection.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/recording_gl.h"
#include "scene/light_view_dialog_state.h"
#include "scene/scene_globals.h"
#include "scene/ui/light_view_dialogs.h"

using namespace curvanta;

namespace curvanta {
namespace {

TEST(LightViewDialogState, FieldSingles) {
  struct Case {
    const char* text;
    float value;
  } cases[] = {{"2,5", 2},     {"abc", 0},        {"-1.5e2", -150},  {" .25", 0.25f},
               {"1e39", 3.4028235e38f}, {"-1e999", -3.4028235e38f}, {"0.1234568", 0.1234568f}};
  for (const auto& c : cases) EXPECT_EQ(FieldToSingle(c.text), c.value) << c.text;
}

TEST(LightViewDialogState, LightUnchangedOkKeepsValuesToSevenDigits) {
  Light light;
  light.SetPosition(0, 0.123456789f);
  light.SetPosition(3, 0);
  light.SetDiffuse(2, 12345678);
  light.SetAmission(1, 0.00001f);
  light.SetSpecular(3, -2.5f);
  light.SetTwoSides(0, 0);
  light.Enabled = false;
  LightDialogState f = LightDialogState::Form_Load(light);
  EXPECT_EQ(f.position[0], "0.1234568");
  EXPECT_EQ(f.position[3], "0");
  EXPECT_EQ(f.diffuse[2], "12345680");
  EXPECT_EQ(f.ambient[1], "0.00001");
  EXPECT_FALSE(f.useLight);
  EXPECT_FALSE(f.twoSided);
  EXPECT_TRUE(f.globalAmbient);
  Light written = light;
  f.Command1_Click(written);
  EXPECT_EQ(written.Position(0), 0.1234568f);
  EXPECT_EQ(written.Diffuse(2), 12345680.0f);
  Light expected = light;
  expected.SetPosition(0, 0.1234568f);
  expected.SetDiffuse(2, 12345680.0f);
  EXPECT_EQ(written, expected);
}

TEST(LightViewDialogState, LightOkAppliesAtTheNextFrame) {
  Light light;
  LightDialogState f = LightDialogState::Form_Load(light);
  f.useLight = false;
  f.diffuse[0] = "2,5";
  f.Command1_Click(light);
  EXPECT_EQ(light.Diffuse(0), 2);
  {
    RecordingGl gl;
    ScopedGl installed(&gl);
    light.SetLight();
    EXPECT_EQ(gl.Calls().size(), 3u);  // only the three disables
    EXPECT_EQ(gl.Count("glDisable"), 3);
  }
  // W = 0: light 0 directional, light 1 a point at the negated position.
  f = LightDialogState::Form_Load(light);
  f.useLight = true;
  f.position[0] = "10";
  f.position[1] = "0";
  f.position[2] = "0";
  f.position[3] = "0";
  f.Command1_Click(light);
  RecordingGl gl;
  ScopedGl installed(&gl);
  light.SetLight();
  EXPECT_EQ(gl.Light(GL_LIGHT0, GL_POSITION), (std::array<float, 4>{10, 0, 0, 0}));
  EXPECT_EQ(gl.Light(GL_LIGHT1, GL_POSITION), (std::array<float, 4>{-10, 0, 0, 1}));
  EXPECT_EQ(gl.Light(GL_LIGHT0, GL_DIFFUSE)[0], 2);
}

TEST(LightViewDialogState, ViewShowsTheVolumeAndSetsTheType) {
  Camera camera;
  camera.Volleft = -20;
  camera.VolRight = 20.5f;
  camera.VolNear = 0.01f;
  ViewDialogState f = ViewDialogState::Form_Load(camera);
  EXPECT_EQ(f.volume[0], "-20");
  EXPECT_EQ(f.volume[1], "20.5");
  EXPECT_EQ(f.volume[4], "0.01");
  EXPECT_EQ(f.volume[5], "2000");
  EXPECT_TRUE(f.orthographic);
  f.orthographic = false;
  f.perspective = true;
  f.Command1_Click(camera);
  EXPECT_EQ(camera.ProjectType, 2);
  EXPECT_TRUE(ViewDialogState::Form_Load(camera).perspective);
  camera.ProjectType = 7;  // any other type shows orthographic, and OK writes 1
  f = ViewDialogState::Form_Load(camera);
  EXPECT_TRUE(f.orthographic);
  EXPECT_FALSE(f.perspective);
  f.Command1_Click(camera);
  EXPECT_EQ(camera.ProjectType, 1);
}

TEST(LightViewDialogWidgets, OkWritesCancelDoesNot) {
  const Light lightBefore = DocLight;
  const Camera viewBefore = DocView;
  {
    LightDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("光照属性"));
    auto* w = dialog.findChild<QLineEdit*>(QStringLiteral("Text16"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->text(), QStringLiteral("1"));
    w->setText(QStringLiteral("0"));
    dialog.findChild<QCheckBox*>(QStringLiteral("Check2"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(DocLight, lightBefore);
  }
  {
    LightDialog dialog;
    dialog.findChild<QLineEdit*>(QStringLiteral("Text16"))->setText(QStringLiteral("0"));
    dialog.findChild<QCheckBox*>(QStringLiteral("Check2"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(DocLight.Position(3), 0);
    EXPECT_EQ(DocLight.TwoSides(0), 0);
  }
  DocLight = lightBefore;
  {
    ViewDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("视图设置"));
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("Text6"));
    ASSERT_TRUE(box);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    dialog.findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(DocView.ProjectType, viewBefore.ProjectType);
  }
  {
    ViewDialog dialog;
    dialog.findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(DocView.ProjectType, 2);
  }
  DocView.ProjectType = viewBefore.ProjectType;
}

}  // namespace
}  // namespace curvanta
