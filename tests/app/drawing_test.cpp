// The main window's drawing area on a real GL context (under Xvfb): pictures grabbed from
// the framebuffer, turning with the mouse and the spin that follows, zoom and pan without
// recompiling, and the view presets.
#include <gtest/gtest.h>

#include <ctime>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFontMetrics>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "support/shown_window.h"
#include "app/main_window.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"

using namespace curvanta;

namespace {

class ShownWindow : public ShownWindowBase {
 protected:
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
  // Still turning after the release (waited for, since a loaded machine ticks late).
  EXPECT_TRUE(QTest::qWaitFor([&] { return s.RotationQuat != afterDrag; }, 5000));
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
  EXPECT_TRUE(QTest::qWaitFor([&] { return area->nav().RotationQuat != held; }, 5000));
  EXPECT_TRUE(area->nav().Spinning);
}

// A picture of the whole window after New 3D, written beside the tests for a person to look
// at; the Chinese menu captions must come out as text, not as empty boxes.
TEST_F(ShownWindow, ScreenshotAfterNew3DShowsTheChineseMenus) {
  window->mnuFileNew3D_Click();
  QTest::qWait(50);
  QImage shot = window->grab().toImage();
  ASSERT_FALSE(shot.isNull());
  QDir().mkpath(QStringLiteral("screenshots"));
  const QString path = QDir::current().filePath(QStringLiteral("screenshots/main_window_3d.png"));
  EXPECT_TRUE(shot.save(path)) << path.toStdString();

  QMenuBar* bar = window->menuBar();
  ASSERT_NE(bar, nullptr);
  const QFontMetrics metrics(bar->font());
  int captions = 0;
  for (QAction* action : bar->actions()) {
    const QString text = action->text().remove(QLatin1Char('&'));
    if (text.isEmpty()) continue;
    ++captions;
    for (QChar ch : text) {
      if (ch.unicode() >= 0x4E00 && ch.unicode() <= 0x9FFF) {
        EXPECT_TRUE(metrics.inFontUcs4(ch.unicode())) << "no glyph for a menu character";
      }
    }
    // The caption's place in the bar holds dark text pixels.
    const QRect r = bar->actionGeometry(action).translated(bar->mapTo(window.get(), QPoint(0, 0)));
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        if (!shot.rect().contains(x, y)) continue;
        const QColor px = shot.pixelColor(x, y);
        if (px.lightness() < 110) ++dark;
      }
    EXPECT_GT(dark, 15) << text.toStdString();
  }
  EXPECT_GE(captions, 5);
}

TEST_F(ShownWindow, NewTwoDimensionalDocumentEndsTheSpinAndStartsLevel) {
  window->mnuFileNew3D_Click();
  window->RunCommand("mnuViewRotate");
  const QPoint c(area->width() / 2, area->height() / 2);
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c + QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
  ASSERT_TRUE(area->nav().Spinning);
  ASSERT_TRUE(area->nav().TrackballActive);
  window->mnuFileNew2D_Click();
  EXPECT_FALSE(area->nav().Spinning);
  EXPECT_FALSE(area->nav().TrackballActive);
  EXPECT_FALSE(area->spinTimer()->isActive());
  QTest::qWait(80);
  EXPECT_EQ(area->nav().RotationQuat, PresetRotation(0, 0, 0));  // level, and it stays so
  // The view can still be turned afterwards.
  window->mnuFileNew3D_Click();
  window->RunCommand("mnuViewRotate");
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
  EXPECT_TRUE(area->nav().TrackballActive);
  Send(QEvent::MouseButtonRelease, c + QPoint(20, 0), Qt::LeftButton, Qt::NoButton);
}

// A new 2.5D or 3D document starts in the oblique view only when the model was not turned
// before; a turned model keeps its rotation in the new document until a preset view.
TEST_F(ShownWindow, NewSpaceDocumentKeepsATurnedModelAndStartsObliqueAfterAPreset) {
  const Vec4 oblique = PresetRotation(0, -15, 45);
  window->mnuFileNew3D_Click();
  area->RebuildRotation();
  EXPECT_EQ(area->nav().RotationQuat, oblique);
  window->RunCommand("mnuViewRotate");
  const QPoint c(area->width() / 2, area->height() / 2);
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c + QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);  // stops the spin
  Send(QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
  const Vec4 turned = area->nav().RotationQuat;
  ASSERT_NE(turned, oblique);
  for (void (MainWindow::*startNew)() : {&MainWindow::mnuFileNew25D_Click, &MainWindow::mnuFileNew3D_Click}) {
    (window.get()->*startNew)();
    area->RebuildRotation();
    EXPECT_EQ(area->nav().RotationQuat, turned);
  }
  window->RunCommand("mnuViewFront");
  for (void (MainWindow::*startNew)() : {&MainWindow::mnuFileNew25D_Click, &MainWindow::mnuFileNew3D_Click}) {
    (window.get()->*startNew)();
    area->RebuildRotation();
    EXPECT_EQ(area->nav().RotationQuat, oblique);
  }
}

// The axes of an animated polar implicit graph cover what it plots, as the still graph's do:
// the x axis reaches as far out in both pictures.
TEST_F(ShownWindow, AnimatedPolarCircleGetsTheAxesOfTheStillOne) {
  const auto axisReach = [&](bool animated) {
    window->mnuFileNew2D_Click();
    auto item = GraphItem::Init(++LastGraphID, "", GraphKind::Function2D, CoordKind::Polar, "", "",
                                "r-3", 1, 1, 0, 6.3f, 0, 4, 0, 0, 0, 255, 1, 1, 3, 1, false,
                                false, false, 0);
    item->FunForm = FormKind::Implicit;
    if (animated) {
      item->GraphType = GraphKind::Function2DAnim;
      item->Animation = true;
      item->MinT = 0;
      item->MaxT = 1;
    }
    DocScene.FunSurfs.Add(item);
    ViewScene.FunSurfs.Add(item);
    window->BuildSceneLists();
    window->RunCommand("mnuViewFit");
    window->Display(1);
    QTest::qWait(50);
    const QImage img = area->grabFramebuffer();
    // The axis row: the row with the most dark pixels; its leftmost and rightmost dark pixel.
    int bestRow = 0, bestCount = -1;
    for (int y = 0; y < img.height(); ++y) {
      int n = 0;
      for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, y)) < 80;
      if (n > bestCount) bestCount = n, bestRow = y;
    }
    int left = img.width(), right = -1;
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, bestRow)) < 80) left = std::min(left, x), right = std::max(right, x);
    DocScene.FunSurfs.Clear();
    ViewScene.FunSurfs.Clear();
    window->List1()->clear();
    return std::pair<int, int>(left, right);
  };
  const auto still = axisReach(false);
  const auto moving = axisReach(true);
  const int length = still.second - still.first;
  ASSERT_GT(length, 100);
  EXPECT_NEAR(moving.first, still.first, length / 40);
  EXPECT_NEAR(moving.second, still.second, length / 40);
}
