// Processor use of the idle program. Runs alone (no other window on the display), since
// windows of other tests opening over this one make it repaint.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <ctime>

#include "support/shown_window.h"

using namespace curvanta;

namespace {

double ProcessorSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

class IdleWindow : public ShownWindowBase {};

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

