// Processor use of the idle program. Runs alone (no other window on the display), since
// windows of other tests opening over this one make it repaint.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <ctime>

#include "app/animation_playback.h"
#include "app/graph_list.h"
#include "graph/graph_item.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

double ProcessorSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

class IdleWindow : public ShownWindowBase {
 protected:
  // Processor seconds used by two seconds of event loop.
  static double IdleCost() {
    const double before = ProcessorSeconds();
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    return ProcessorSeconds() - before;
  }
  // A shown animated 2D graph of `frames` steps played at 100 frames per second.
  void ShowAnimation(int32_t frames) {
    AnimFrameCount = frames;
    auto g = GraphItem::Init(0, "", GraphKind::Function2DAnim, 1, "0", "x", "t*sin(x)", 1, 40, 0,
                             1, -3, 3, 4, 0, 0, 0xFF0000, 1, 4, 2, 2, false, false, false, 0);
    g->FunForm = 2;
    g->Animation = true;
    g->MaxT = 1;
    g->Show2DCurve = true;
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g, std::to_string(g->ID));
    window->GraphListHost()->appendLine("二维曲线动画  y=t*sin(x)");
    window->GraphListHost()->checkLine(0);
    window->EnablePlayback();
    window->Player()->SetInterval(10);
  }
};

}  // namespace

// Once a spin has been stopped the program only waits for events: two seconds of idle
// event loop cost (next to) no processor time.
TEST_F(IdleWindow, IdleAfterASpinUsesNoProcessorTime) {
  window->mnuFileNew3D_Click();
  window->RunCommand("mnuViewRotate");
  const QPoint c(area->width() / 2, area->height() / 2);
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, c + QPoint(25, 10), Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c + QPoint(25, 10), Qt::LeftButton, Qt::NoButton);
  QTest::qWait(100);
  Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
  ASSERT_FALSE(area->spinTimer()->isActive());
  QTest::qWait(300);  // let the last repaint settle

  const double before = ProcessorSeconds();
  QEventLoop loop;
  QTimer::singleShot(2000, &loop, &QEventLoop::quit);
  loop.exec();
  const double used = ProcessorSeconds() - before;
  // Idle measures well below a millisecond; a view that kept turning costs seconds. The
  // bound leaves room for a loaded machine.
  EXPECT_LT(used, 0.25) << "processor seconds used in 2 s of idle";
}


// A finished or paused animation leaves no timer running: the idle program then costs (next
// to) no processor time.
TEST_F(IdleWindow, FinishedOrPausedAnimationUsesNoProcessorTime) {
  ShowAnimation(5);
  window->RunCommand("mnuAniNormal");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Timer1()->isActive(); }, 10000));
  QTest::qWait(300);
  EXPECT_LT(IdleCost(), 0.1) << "processor seconds used in 2 s after the animation finished";

  window->RunCommand("mnuAniRevRepeat");
  QTest::qWait(200);
  ASSERT_TRUE(window->Timer1()->isActive());
  window->RunCommand("mnuAniPause");
  ASSERT_FALSE(window->Timer1()->isActive());
  QTest::qWait(300);
  EXPECT_LT(IdleCost(), 0.1) << "processor seconds used in 2 s of a paused animation";
}
