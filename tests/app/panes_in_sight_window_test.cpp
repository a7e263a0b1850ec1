// The graph list, the result box and the drawing area stay in sight as the shown main window
// shrinks to its smallest size and grows again.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "app/main_window.h"
#include "scene/ui/draw_area.h"
#include "support/main_window_setup.h"

using namespace curvanta;

namespace {

struct PanesInSight : ::testing::Test, MainWindowTestSetUp {
  // Each pane lies inside the client area, the list above the result box, and each shows at
  // least two lines of its text (the drawing area at least that much room either way).
  static void ExpectInSight(MainWindow& w) {
    const QRect client = w.centralWidget()->rect();
    const QRect list = w.List1()->geometry(), result = w.Result()->geometry();
    for (QWidget* pane : {static_cast<QWidget*>(w.List1()), static_cast<QWidget*>(w.Result()),
                          static_cast<QWidget*>(w.picDraw())}) {
      const QString name = pane->objectName();
      const int twoLines = 2 * pane->fontMetrics().lineSpacing();
      EXPECT_TRUE(pane->isVisible()) << name.toStdString();
      EXPECT_TRUE(client.contains(pane->geometry()))
          << name.toStdString() << " at " << pane->y() << " + " << pane->height() << " in "
          << client.height();
      auto* scrolled = qobject_cast<QAbstractScrollArea*>(pane);
      const QWidget* text = scrolled ? scrolled->viewport() : pane;
      EXPECT_GE(text->height(), twoLines) << name.toStdString();
      EXPECT_GE(text->width(), twoLines) << name.toStdString();
    }
    EXPECT_LE(list.bottom(), result.top());
  }
  static void SizeTo(MainWindow& w, QSize size) {
    w.resize(size);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.size() == size; }, 2000));
    QTest::qWait(20);
  }
  // Shows the window at 1400 x 1000 with the vertical bar dragged to its right-hand limit (a
  // narrow drawing area) and the horizontal one to its bottom limit; gives the two bars.
  void ShowWithBarsAtTheirLimits(MainWindow& w, QWidget*& bar, QWidget*& bar2) {
    ASSERT_TRUE(LoadAndShow(w, {1400, 1000}));
    bar = w.findChild<QWidget*>("Splitter");
    bar2 = w.findChild<QWidget*>("Splitter2");
    ASSERT_TRUE(bar && bar2);
    DragSplitterBar(bar, {2000, 1});
    DragSplitterBar(bar2, {1, 2000});
  }
};

TEST_F(PanesInSight, ShrinkingToTheSmallestWindowAndGrowingAgain) {
  MainWindow w;
  ASSERT_TRUE(LoadAndShow(w, {1024, 720}));
  QTest::qWait(20);
  ASSERT_EQ(w.minimumSize(), QSize(640, 480));
  const QRect list = w.List1()->geometry(), result = w.Result()->geometry();
  const QRect drawing = w.picDraw()->geometry();
  for (QSize size : {QSize(1024, 720), QSize(800, 600), QSize(640, 480), QSize(800, 600),
                     QSize(1024, 720)}) {
    SizeTo(w, size);
    SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
    ExpectInSight(w);
  }
  // Grown back, the panes are where they were: the bars return to their places.
  EXPECT_EQ(w.List1()->geometry(), list);
  EXPECT_EQ(w.Result()->geometry(), result);
  EXPECT_EQ(w.picDraw()->geometry(), drawing);
}

TEST_F(PanesInSight, BarsDraggedToTheirLimitsGiveWayAndComeBack) {
  MainWindow w;
  QWidget *bar = nullptr, *bar2 = nullptr;
  ShowWithBarsAtTheirLimits(w, bar, bar2);
  ASSERT_TRUE(bar && bar2);
  const int left = w.SplitterLeft(), top = w.Splitter2Top();
  const QRect list = w.List1()->geometry(), result = w.Result()->geometry();
  SizeTo(w, QSize(640, 480));
  ExpectInSight(w);
  EXPECT_EQ(w.SplitterLeft(), left);  // kept for a larger window
  EXPECT_EQ(w.Splitter2Top(), top);
  SizeTo(w, QSize(1400, 1000));
  ExpectInSight(w);
  EXPECT_EQ(w.List1()->geometry(), list);
  EXPECT_EQ(w.Result()->geometry(), result);
  // A drag in the small window starts where the bar is seen.
  SizeTo(w, QSize(640, 480));
  const int seenTop = bar2->y();
  DragSplitterBar(bar2, {1, -100});
  EXPECT_EQ(bar2->y(), seenTop - 100);
  ExpectInSight(w);
}

// A drag of one bar in the small window moves that bar only: the other one, pushed aside
// there, still goes back to where the user left it when the window grows.
TEST_F(PanesInSight, ADragInASmallWindowLeavesTheOtherBarsPlace) {
  for (const bool dragVertical : {true, false}) {
    SCOPED_TRACE(dragVertical ? "vertical bar dragged" : "horizontal bar dragged");
    MainWindow w;
    QWidget *bar = nullptr, *bar2 = nullptr;
    ShowWithBarsAtTheirLimits(w, bar, bar2);
    ASSERT_TRUE(bar && bar2);
    const int left = w.SplitterLeft(), top = w.Splitter2Top();
    const QPoint seenLeft = bar->pos(), seenTop = bar2->pos();
    SizeTo(w, QSize(640, 480));
    if (dragVertical) {
      DragSplitterBar(bar, {-10, 1});
      EXPECT_EQ(w.Splitter2Top(), top);
    } else {
      DragSplitterBar(bar2, {1, -10});
      EXPECT_EQ(w.SplitterLeft(), left);
    }
    ExpectInSight(w);
    SizeTo(w, QSize(1400, 1000));
    ExpectInSight(w);
    if (dragVertical)
      EXPECT_EQ(bar2->y(), seenTop.y());
    else
      EXPECT_EQ(bar->x(), seenLeft.x());
  }
}

}  // namespace
