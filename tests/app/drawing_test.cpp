// The main window's drawing area on a real GL context (under Xvfb): pictures grabbed from
// the framebuffer, turning with the mouse and the spin that follows, zoom and pan without
// recompiling, and the view presets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"

using namespace curvanta;

namespace {

class ShownWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ASSERT_TRUE(tmp.isValid());
    frmF1::LoadOptions options;
    options.arguments = {"curvanta"};
    options.association = {tmp.filePath("share"), tmp.path(), tmp.filePath("curvanta")};
    options.processRunner = [](const QString&, const QStringList&) {};
    window = std::make_unique<frmF1>();
    window->Load(options);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    area = window->picDraw();
    QTest::qWait(50);
    if (!area->isValid()) GTEST_SKIP() << "no OpenGL context on this display";
  }
  void TearDown() override {
    if (window) window->picDraw()->StopSpinning();
    window.reset();
  }
  void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), area->mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(area, &e);
  }
  // Count of pixels of an image that are (nearly) black / not white.
  static int Count(const QImage& img, bool black) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        QColor c = img.pixelColor(x, y);
        if (black ? (c.red() < 80 && c.green() < 80 && c.blue() < 80)
                  : (c.red() < 250 || c.green() < 250 || c.blue() < 250))
          ++n;
      }
    return n;
  }

  QTemporaryDir tmp;
  ForwardingGl gl;
  ScopedGl scoped{&gl};
  std::unique_ptr<frmF1> window;
  DrawArea* area = nullptr;
};

}  // namespace

TEST_F(ShownWindow, EmptyDocumentShowsWhite) {
  QImage img = area->grabFramebuffer();
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(Count(img, false), 0);
}

TEST_F(ShownWindow, DragTurnsTheModelAndItKeepsTurningUntilThePress) {
  window->mnuFileNew3D_Click();
  window->RunCommand("mnuViewRotate");
  const QPoint c(area->width() / 2, area->height() / 2);
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
  NavigationState& s = area->nav();
  EXPECT_TRUE(s.TrackballActive);
  Vec4 afterDrag = s.RotationQuat;
  EXPECT_NE(afterDrag, kIdentityQuat);
  Send(QEvent::MouseButtonRelease, c + QPoint(20, 0), Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(area->spinTimer()->isActive());
  QTest::qWait(120);
  Vec4 spun = s.RotationQuat;
  EXPECT_NE(spun, afterDrag);  // still turning after the release
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(s.Spinning);
  Vec4 stopped = s.RotationQuat;
  QTest::qWait(80);
  EXPECT_EQ(s.RotationQuat, stopped);
  EXPECT_FALSE(area->spinTimer()->isActive());
}

TEST_F(ShownWindow, ZoomAndPanRedrawWithoutCompiling) {
  window->mnuFileNew3D_Click();
  window->BuildSceneLists();
  const int content = area->frame().contentCompiles();
  const int rotation = area->frame().rotationCompiles();
  float w0, h0;
  DocView.GetViewRect(w0, h0);
  const QPoint c(area->width() / 2, area->height() / 2);
  window->RunCommand("mnuViewZoom");
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c - QPoint(0, area->height() / 10), Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
  float w1, h1;
  DocView.GetViewRect(w1, h1);
  EXPECT_LT(w1, w0);
  window->RunCommand("mnuViewMove");
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c + QPoint(30, 10), Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
  window->RunCommand("viewPerspective");
  window->RunCommand("mnuViewFit");
  QTest::qWait(30);
  EXPECT_EQ(area->frame().contentCompiles(), content);
  EXPECT_EQ(area->frame().rotationCompiles(), rotation);
  EXPECT_EQ(DocView.ProjectType, 2);
}

TEST_F(ShownWindow, ViewPresetsGiveTheirAngles) {
  window->mnuFileNew3D_Click();
  EXPECT_EQ(ViewScene.RotPitch, -15.0f);
  EXPECT_EQ(ViewScene.RotYaw, 45.0f);
  struct Case {
    const char* command;
    float roll, pitch, yaw;
  } cases[] = {{"mnuViewFront", 0, 0, 0}, {"mnuViewRight", 0, 0, 90}, {"mnuViewTop", 0, -90, 0},
               {"mnuViewISO", 0, -15, 45}};
  for (const Case& c : cases) {
    const int content = area->frame().contentCompiles();
    window->RunCommand(c.command);
    EXPECT_EQ(ViewScene.RotRoll, c.roll) << c.command;
    EXPECT_EQ(ViewScene.RotPitch, c.pitch) << c.command;
    EXPECT_EQ(ViewScene.RotYaw, c.yaw) << c.command;
    EXPECT_EQ(area->nav().RotationQuat, PresetRotation(c.roll, c.pitch, c.yaw));
    EXPECT_LE(area->frame().contentCompiles(), content + 1);
  }
}

TEST_F(ShownWindow, SpinPausesWhileAModalDialogIsOpen) {
  window->mnuFileNew3D_Click();
  window->RunCommand("mnuViewRotate");
  const QPoint c(area->width() / 2, area->height() / 2);
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c + QPoint(15, 5), Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c + QPoint(15, 5), Qt::LeftButton, Qt::NoButton);
  QDialog dialog(window.get());
  dialog.setModal(true);
  dialog.show();
  QTest::qWait(30);
  Vec4 held = area->nav().RotationQuat;
  QTest::qWait(80);
  EXPECT_EQ(area->nav().RotationQuat, held);
  dialog.close();
  QTest::qWait(80);
  EXPECT_NE(area->nav().RotationQuat, held);
  EXPECT_TRUE(area->nav().Spinning);
}
