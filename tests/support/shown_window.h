// A shown main window on a real GL context (under Xvfb) for the drawing-area tests: a fresh
// document, the file association kept in a temporary folder, mouse events sent straight
// to the drawing area, and the picture with the pixels where plane points fall.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <memory>

#include "app/main_window.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "draw/graph_draw.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"
#include "support/main_window_setup.h"

using namespace curvanta;

class ShownWindowBase : public ::testing::Test, public MainWindowTestSetUp {
 protected:
  void SetUp() override {
    curvanta::InstallGraphDrawing();
    window = std::make_unique<MainWindow>();
    ASSERT_TRUE(LoadAndShow(*window));
    area = window->picDraw();
    QTest::qWait(50);
    if (!area->isValid()) FAIL() << "no OpenGL context (tests run under xvfb-run, see scripts/test)";
  }
  void TearDown() override {
    if (window) window->picDraw()->StopSpinningForGood();
    window.reset();
  }
  void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), area->mapToGlobal(QPointF(p)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(area, &e);
  }

  // The picture after "fit to window".
  QImage Picture() {
    window->RunCommand(QStringLiteral("mnuViewFit"));
    area->update();
    QTest::qWait(30);
    return area->grabFramebuffer();
  }
  // Window pixel of a plane point in the orthographic front view of the last frame.
  static QPointF Pixel(const QImage& img, double x, double y) {
    const double rx = DocView.RefPos()->x, ry = DocView.RefPos()->y;
    const double px = (x - rx - DocView.Volleft) / (DocView.VolRight - DocView.Volleft) * img.width();
    const double py = (1 - (y - ry - DocView.VolBottom) / (DocView.VolTop - DocView.VolBottom)) * img.height();
    return {px, py};
  }
  // Whether a pixel within `radius` of `p` has a colour `is` accepts.
  template <class Colour>
  static bool Near(const QImage& img, QPointF p, int radius, Colour is) {
    for (int dy = -radius; dy <= radius; ++dy)
      for (int dx = -radius; dx <= radius; ++dx) {
        const int x = int(std::lround(p.x())) + dx, y = int(std::lround(p.y())) + dy;
        if (x >= 0 && y >= 0 && x < img.width() && y < img.height() && is(img.pixelColor(x, y))) return true;
      }
    return false;
  }

  std::unique_ptr<MainWindow> window;
  curvanta::DrawArea* area = nullptr;
};
