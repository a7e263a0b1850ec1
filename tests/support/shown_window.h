// A shown main window on a real GL context (under Xvfb) for the drawing-area tests: a fresh
// document, the file association kept in a temporary folder, and mouse events sent straight
// to the drawing area.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "draw/graph_draw.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"

using namespace curvanta;

class ShownWindowBase : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    curvanta::InstallGraphDrawing();
    ASSERT_TRUE(tmp.isValid());
    MainWindow::LoadOptions options;
    options.arguments = {"curvanta"};
    options.association = {tmp.filePath("share"), tmp.path(), tmp.filePath("curvanta")};
    options.processRunner = [](const QString&, const QStringList&) {};
    window = std::make_unique<MainWindow>();
    window->Load(options);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    area = window->picDraw();
    QTest::qWait(50);
    if (!area->isValid()) FAIL() << "no OpenGL context (tests run under xvfb-run, see scripts/test)";
  }
  void TearDown() override {
    if (window) window->picDraw()->StopSpinning();
    window.reset();
    ResetSceneGlobals();
    ResetGlobals();
  }
  void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), area->mapToGlobal(QPointF(p)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(area, &e);
  }

  QTemporaryDir tmp;
  curvanta::ForwardingGl gl;
  curvanta::ScopedGl scoped{&gl};
  std::unique_ptr<MainWindow> window;
  curvanta::DrawArea* area = nullptr;
};
