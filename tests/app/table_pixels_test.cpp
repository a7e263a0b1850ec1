// Tables of points from their menu entries to the picture on a real GL context (Xvfb): a 2D
// table's polyline through its points and a marker at each.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <cmath>

#include "dialogs/data/table_2d_dialog_state.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

class TablePixels : public ShownWindowBase {
 protected:
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
  template <class Colour>
  static bool Near(const QImage& img, QPointF p, int radius, Colour is) {
    for (int dy = -radius; dy <= radius; ++dy)
      for (int dx = -radius; dx <= radius; ++dx) {
        const int x = int(std::lround(p.x())) + dx, y = int(std::lround(p.y())) + dy;
        if (x >= 0 && y >= 0 && x < img.width() && y < img.height() && is(img.pixelColor(x, y))) return true;
      }
    return false;
  }
  ScopedMessageRecorder rec;
};

bool IsBlue(const QColor& c) { return c.blue() > 150 && c.red() < 120 && c.green() < 120; }
bool IsRed(const QColor& c) { return c.red() > 150 && c.green() < 120 && c.blue() < 120; }

TEST_F(TablePixels, PolylineThroughFivePointsWithAMarkerAtEach) {
  const double points[5][2] = {{-4, -2}, {-2, 2}, {0, -1}, {2, 3}, {4, 0}};
  ScopedTableDialogRunner<Table2DDialogState> runner([&](Table2DDialogState s, DocumentHost& host) {
    for (int k = 0; k < 5; ++k) {
      s.data.editor.grid.setText(k + 1, 1, std::to_string(int(points[k][0])));
      s.data.editor.grid.setText(k + 1, 2, std::to_string(int(points[k][1])));
    }
    s.lineColour = 0xFF0000;  // blue
    s.lineWidth = "2";
    s.showScatter = true;
    s.scatterColour = 0x0000FF;  // red
    s.scatterSize = "3";
    EXPECT_TRUE(Table2DCommandOk(s, host));
  });
  window->RunCommand(QStringLiteral("mnuDrawTab2D"));
  ASSERT_EQ(window->List1()->count(), 1);
  EXPECT_EQ(window->List1()->item(0)->text(), QString::fromUtf8("二维表数据图形  Untitled"));
  EXPECT_TRUE(rec.recorder.messages.empty());

  const QImage img = Picture();
  ASSERT_FALSE(img.isNull());
  for (const auto& p : points) EXPECT_TRUE(Near(img, Pixel(img, p[0], p[1]), 2, IsRed)) << p[0];
  // Along every segment, away from the markers: the line and no marker.
  for (int k = 0; k < 4; ++k) {
    for (double t : {0.35, 0.5, 0.65}) {
      const double x = points[k][0] + t * (points[k + 1][0] - points[k][0]);
      const double y = points[k][1] + t * (points[k + 1][1] - points[k][1]);
      EXPECT_TRUE(Near(img, Pixel(img, x, y), 2, IsBlue)) << k << " " << t;
      EXPECT_FALSE(Near(img, Pixel(img, x, y), 2, IsRed)) << k << " " << t;
    }
  }
  // Nothing of the line off it.
  EXPECT_FALSE(Near(img, Pixel(img, -3, -2), 2, IsBlue));
  EXPECT_FALSE(Near(img, Pixel(img, 1, -1), 2, IsBlue));
}

}  // namespace
