// Tables of points from their menu entries to the picture on a real GL context (Xvfb): a 2D
// table's polyline through its points and a marker at each; a 3D table's lit surface.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <cmath>

#include "dialogs/data/table_2d_dialog_state.h"
#include "dialogs/data/table_surface_dialog_state.h"
#include "scene/axes_settings.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

class TablePixels : public ShownWindowBase {
 protected:
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

TEST_F(TablePixels, SolidTableOfHeightsDrawsALitSurface) {
  window->mnuFileNew3D_Click();
  DocAxes().Show = false;
  ScopedTableDialogRunner<Table3DDialogState> runner([](Table3DDialogState s, DocumentHost& host) {
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 5; ++j) {
        const int row = i * 5 + j + 1;
        s.data.editor.grid.setText(row, 1, std::to_string(i - 2));
        s.data.editor.grid.setText(row, 2, std::to_string(j - 2));
        s.data.editor.grid.setText(row, 3, std::to_string(4 - (i - 2) * (i - 2) - (j - 2) * (j - 2)));
      }
    s.look.fillStyle = FillKind::Single;
    s.look.singleColour = 0x808080;
    EXPECT_TRUE(Table3DCommandOk(s, host));
  });
  window->RunCommand(QStringLiteral("mnuDrawTab3D"));
  ASSERT_EQ(window->List1()->count(), 1);
  EXPECT_EQ(window->List1()->item(0)->text(), QString::fromUtf8("三维表数据图形  Untitled"));
  const QImage img = Picture();
  ASSERT_FALSE(img.isNull());
  // A filled surface whose faces turned differently to the light differ in brightness.
  int ink = 0, darkest = 255, brightest = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 245 && c.green() > 245 && c.blue() > 245) continue;
      ++ink;
      darkest = std::min(darkest, c.value());
      brightest = std::max(brightest, c.value());
    }
  EXPECT_GT(ink, img.width() * img.height() / 20);
  EXPECT_GT(brightest - darkest, 40);
  EXPECT_TRUE(rec.recorder.messages.empty());
}

}  // namespace
