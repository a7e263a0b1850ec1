// What a main-window test sets up before it makes its window: fresh globals, and load
// options that keep the file association in a temporary folder and run no desktop command;
// showing a window so loaded, and a drag on a splitter bar.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

#include "app/main_window.h"
#include "common/gl_api.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "scene/scene_globals.h"

namespace curvanta {

// Base (or member) of a test fixture: the globals are reset when it is made and again when it
// goes, after the fixture's own members (its window among them). GL calls go to the window's
// context, as in the program: with the do-nothing layer a shown window's fonts would fail and
// their deferred message reach a later test.
struct MainWindowTestSetUp {
  MainWindowTestSetUp() {
    ResetGlobals();
    ResetSceneGlobals();
    if (!tmp.isValid()) ADD_FAILURE() << "no temporary folder";
    options = LoadOptionsWith({QStringLiteral("curvanta")});
  }
  ~MainWindowTestSetUp() {
    ResetSceneGlobals();
    ResetGlobals();
  }
  ForwardingGl gl;
  ScopedGl scopedGl{&gl};
  MainWindowTestSetUp(const MainWindowTestSetUp&) = delete;
  MainWindowTestSetUp& operator=(const MainWindowTestSetUp&) = delete;

  // The options with another command line (the program's name first).
  MainWindow::LoadOptions LoadOptionsWith(QStringList arguments) const {
    MainWindow::LoadOptions o;
    o.arguments = std::move(arguments);
    o.association = {tmp.filePath("share"), tmp.path(), tmp.filePath("curvanta")};
    o.processRunner = [](const QString&, const QStringList&) {};
    return o;
  }

  // Loads `w` with these options, gives it `size` (when one is given), shows it and waits until
  // it is on the screen; false when it never gets there.
  [[nodiscard]] bool LoadAndShow(MainWindow& w, QSize size = QSize()) const {
    w.Load(options);
    if (size.isValid()) w.resize(size);
    w.show();
    return QTest::qWaitForWindowExposed(&w);
  }

  // A left-button drag on a splitter bar: pressed near its corner, moved and released at `to`
  // (relative to the bar).
  static void DragSplitterBar(QWidget* bar, QPoint to) {
    for (auto [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::MouseButtons(Qt::LeftButton)},
                              std::pair{QEvent::MouseMove, Qt::MouseButtons(Qt::LeftButton)},
                              std::pair{QEvent::MouseButtonRelease, Qt::MouseButtons(Qt::NoButton)}}) {
      const QPoint p = type == QEvent::MouseButtonPress ? QPoint(1, 1) : to;
      QMouseEvent e(type, QPointF(p), bar->mapToGlobal(QPointF(p)), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(bar, &e);
    }
  }

  QTemporaryDir tmp;
  MainWindow::LoadOptions options;
};

}  // namespace curvanta
