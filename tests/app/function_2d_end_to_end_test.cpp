// A 2D function graph from its menu entry to the picture, on a real GL context (Xvfb): the
// dialog filled and confirmed as a user would, the list line, both scenes, the curve's
// pixels where the function lies, hiding, deleting, and a refused expression.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include "support/shown_window.h"
#include "app/main_window.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/forwarding_gl.h"
#include "dialogs/function/function_2d_dialog.h"
#include "draw/graph_draw.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"

using namespace curvanta;

namespace {

class Function2D : public ShownWindowBase {
 protected:
  // Runs a menu command whose modal 2D dialog `act` works once it is open.
  void RunWithDialog(const char* command, std::function<void(Function2DDialog&)> act) {
    bool done = false;
    auto* poll = new QTimer(window.get());
    int tries = 0;
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
      auto* dialog = qobject_cast<Function2DDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        if (++tries > 500) poll->stop();
        return;
      }
      poll->stop();
      act(*dialog);
      done = true;
    });
    poll->start(10);
    window->RunCommand(QString::fromLatin1(command));
    poll->deleteLater();
    ASSERT_TRUE(done) << "the dialog did not open";
  }
  static void Fill(Function2DDialog& d, std::initializer_list<std::pair<const char*, const char*>> fields) {
    for (auto [name, text] : fields)
      d.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
  }
  static void Press(Function2DDialog& d, const char* button) {
    d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
  }

  // The picture after fitting the view to the shown graphs.
  QImage Picture() {
    window->RunCommand(QStringLiteral("mnuViewFit"));
    area->update();
    QTest::qWait(30);
    return area->grabFramebuffer();
  }
  // Window pixel of a plane point in the orthographic front view of the last frame.
  QPointF Pixel(const QImage& img, double x, double y) const {
    const double rx = DocView.RefPos()->x, ry = DocView.RefPos()->y;
    const double px = (x - rx - DocView.Volleft) / (DocView.VolRight - DocView.Volleft) * img.width();
    const double py = (1 - (y - ry - DocView.VolBottom) / (DocView.VolTop - DocView.VolBottom)) * img.height();
    return {px, py};
  }
  // The curve's colour (blue) within `radius` pixels of p.
  static bool BlueNear(const QImage& img, QPointF p, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
      for (int dx = -radius; dx <= radius; ++dx) {
        const int x = int(std::lround(p.x())) + dx, y = int(std::lround(p.y())) + dy;
        if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) continue;
        if (IsBlue(img.pixelColor(x, y))) return true;
      }
    return false;
  }
  static bool IsBlue(const QColor& c) { return c.blue() > 150 && c.red() < 120 && c.green() < 120; }
  static int BlueCount(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += IsBlue(img.pixelColor(x, y)) ? 1 : 0;
    return n;
  }

  ScopedMessageRecorder rec;
};

TEST_F(Function2D, SineFromTheMenuToThePictureThenHiddenAndDeleted) {
  RunWithDialog("mnuDraw2DCart", [](Function2DDialog& d) {
    Fill(d, {{"Text2", "sin(x)"}, {"Text4", "-5"}, {"Text5", "5"}, {"Text6", "200"}});
    Press(d, "Command1");
  });
  QListWidget* list = window->List1();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("二维曲线  y=sin(x)"));
  EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  ASSERT_EQ(ViewScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1), ViewScene.FunSurfs.Item(1));
  EXPECT_TRUE(rec.recorder.messages.empty());

  QImage img = Picture();
  ASSERT_FALSE(img.isNull());
  EXPECT_GT(BlueCount(img), 200);
  // On the curve at several x ...
  for (double x : {-4.5, -3.0, -1.5, -0.5, 0.7, 2.0, 3.3, 4.6})
    EXPECT_TRUE(BlueNear(img, Pixel(img, x, std::sin(x)), 3)) << x;
  // ... and nowhere else: every blue pixel lies near some point of the curve.
  const QPointF left = Pixel(img, -5, 0), right = Pixel(img, 5, 0);
  const double perUnit = (right.x() - left.x()) / 10;
  int stray = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      if (!IsBlue(img.pixelColor(x, y))) continue;
      const double wx = (x - left.x()) / perUnit - 5;
      double best = 1e9;
      for (double t = wx - 0.1; t <= wx + 0.1; t += 0.01) {
        if (t < -5.05 || t > 5.05) continue;
        const QPointF p = Pixel(img, std::clamp(t, -5.0, 5.0), std::sin(std::clamp(t, -5.0, 5.0)));
        best = std::min(best, std::hypot(p.x() - x, p.y() - y));
      }
      if (best > 4) ++stray;
    }
  EXPECT_EQ(stray, 0);
  // Well off the curve there is no curve colour.
  for (double x : {-4.0, -1.0, 1.0, 4.0}) EXPECT_FALSE(BlueNear(img, Pixel(img, x, std::sin(x) + 0.6), 1)) << x;

  list->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  QTest::qWait(30);
  EXPECT_EQ(BlueCount(area->grabFramebuffer()), 0);

  list->item(0)->setCheckState(Qt::Checked);
  list->setCurrentRow(0);
  window->RunCommand(QStringLiteral("mnuEditDelete"));
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);
  QTest::qWait(30);
  EXPECT_EQ(BlueCount(area->grabFramebuffer()), 0);
}

TEST_F(Function2D, RefusedExpressionKeepsTheDialogOpenAndAddsNothing) {
  bool stayedOpen = false;
  RunWithDialog("mnuDraw2DCart", [&](Function2DDialog& d) {
    Fill(d, {{"Text2", "sin(x"}, {"Text4", "-5"}, {"Text5", "5"}, {"Text6", "200"}});
    Press(d, "Command1");
    stayedOpen = d.isVisible() && d.result() != QDialog::Accepted;
    Press(d, "Command2");
  });
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].title, "语法错误");
  EXPECT_EQ(window->List1()->count(), 0);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);

  RunWithDialog("mnuDraw2DCart", [](Function2DDialog& d) {
    Fill(d, {{"Text2", "x"}, {"Text4", "0"}, {"Text5", "1"}, {"Text6", "10"}});
    Press(d, "Command1");
  });
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, LastGraphID);
  EXPECT_EQ(LastGraphID, 2);  // the refused graph's ID is not handed out again
}

TEST_F(Function2D, PolarCardioid) {
  RunWithDialog("mnuDraw2DPolar", [](Function2DDialog& d) {
    Fill(d, {{"Text2", "1+cos(a)"}, {"Text4", "0"}, {"Text5", "6.2832"}, {"Text6", "360"}});
    Press(d, "Command1");
  });
  ASSERT_EQ(window->List1()->count(), 1);
  EXPECT_EQ(window->List1()->item(0)->text(), QString::fromUtf8("二维曲线  r=1+cos(a)"));
  QImage img = Picture();
  for (double a : {0.0, 0.8, 1.5708, 2.2, 3.9, 4.7124, 5.5}) {
    const double r = 1 + std::cos(a);
    EXPECT_TRUE(BlueNear(img, Pixel(img, r * std::cos(a), r * std::sin(a)), 3)) << a;
  }
  // Inside the loop, away from the curve: nothing.
  EXPECT_FALSE(BlueNear(img, Pixel(img, 0.9, 0), 2));
  EXPECT_FALSE(BlueNear(img, Pixel(img, 0.6, 0.5), 2));
}

}  // namespace

// The analysis of a graph added through the dialog is written into the window's result box.
TEST_F(Function2D, AnalysisReportReachesTheResultBox) {
  RunWithDialog("mnuDraw2DCart", [](Function2DDialog& d) {
    Fill(d, {{"Text2", "sin(x)"}, {"Text4", "-4"}, {"Text5", "4"}, {"Text6", "200"}});
    d.findChild<QCheckBox*>(QStringLiteral("Check5"))->setChecked(true);  // maxima
    Press(d, "Command1");
  });
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  ASSERT_TRUE(DocScene.FunSurfs.Item(1)->ShowMax);
  QTest::qWait(30);
  const QString report = window->Result()->toPlainText();
  EXPECT_TRUE(report.contains(QStringLiteral("y=sin(x)"))) << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("极大值： x=1.5707"))) << report.toStdString();  // pi/2
}
