// Pictures of the coordinate system grabbed from the drawing area's framebuffer (under Xvfb).
#include <gtest/gtest.h>

#include <QTest>

#include "app/main_window.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "scene/axes_settings.h"
#include "scene/scene.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"
#include "support/main_window_setup.h"

using namespace curvanta;

namespace {

class AxesPicture : public ::testing::Test, public MainWindowTestSetUp {
 protected:
  void SetUp() override {
    // A graph that draws nothing of its own and spans [-half, half] in x and y (z 0 in 2D).
    oldBoxer = SetItemBoxer([this](GraphItem&, std::optional<int32_t>) {
      Box b;
      b.MinX = b.MinY = -half;
      b.MaxX = b.MaxY = half;
      b.MinZ = GraphMode == 1 ? 0.0f : -half;
      b.MaxZ = GraphMode == 1 ? 0.0f : half;
      return b;
    });
    oldDrawer = SetItemDrawer([](GraphItem&, std::optional<int32_t>) {});
    window = std::make_unique<MainWindow>();
    ASSERT_TRUE(LoadAndShow(*window, {900, 700}));
    area = window->picDraw();
    QTest::qWait(50);
    if (!area->isValid()) FAIL() << "no OpenGL context (tests run under xvfb-run, see scripts/test)";
  }
  void TearDown() override {
    window.reset();
    SetItemBoxer(oldBoxer);
    SetItemDrawer(oldDrawer);
  }
  void ShowOneGraph() {
    auto item = std::make_shared<GraphItem>();
    item->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(item);
    ViewScene.FunSurfs.Add(item);
    window->BuildSceneLists();
    window->RunCommand("mnuViewFit");
    window->Display(AnimFrame);
    QTest::qWait(30);
  }
  static bool Dark(QColor c) { return c.red() < 128 && c.green() < 128 && c.blue() < 128; }
  static bool White(QColor c) { return c.red() > 250 && c.green() > 250 && c.blue() > 250; }

  float half = 4;  // the graph spans [-half, half]
  ItemBoxer oldBoxer;
  ItemDrawer oldDrawer;
  std::unique_ptr<MainWindow> window;
  DrawArea* area = nullptr;
};

}  // namespace

TEST_F(AxesPicture, TwoDimensionalAxesAreBlackLinesOnWhite) {
  ASSERT_EQ(GraphMode, 1);
  ShowOneGraph();
  QImage img = area->grabFramebuffer();
  ASSERT_FALSE(img.isNull());
  const int w = img.width(), h = img.height();
  // The axes cross at the origin, the middle of the fitted picture.
  int darkOnRow = 0, darkOnColumn = 0;
  for (int x = w / 8; x < w * 7 / 8; ++x)
    for (int dy = -2; dy <= 2; ++dy)
      if (Dark(img.pixelColor(x, h / 2 + dy))) {
        ++darkOnRow;
        break;
      }
  for (int y = h / 8; y < h * 7 / 8; ++y)
    for (int dx = -2; dx <= 2; ++dx)
      if (Dark(img.pixelColor(w / 2 + dx, y))) {
        ++darkOnColumn;
        break;
      }
  EXPECT_GT(darkOnRow, w / 2);
  EXPECT_GT(darkOnColumn, h / 2);
  // Away from the axes, ticks and labels the picture is white.
  for (QPoint p : {QPoint(w / 4, h / 4), QPoint(3 * w / 4, h / 4), QPoint(w / 4, 3 * h / 4),
                   QPoint(3 * w / 4, 3 * h / 4), QPoint(2, 2), QPoint(w - 3, h - 3)})
    EXPECT_TRUE(White(img.pixelColor(p))) << p.x() << "," << p.y();
}

TEST_F(AxesPicture, ThreeDimensionalPanelsAndGridsAreDrawn) {
  window->mnuFileNew3D_Click();
  DocAxes().ShowXYPanel = DocAxes().ShowXZPanel = DocAxes().ShowYZPanel = true;
  ShowOneGraph();
  QImage withPanels = area->grabFramebuffer();
  int coloured = 0, blue = 0;
  for (int y = 0; y < withPanels.height(); y += 2)
    for (int x = 0; x < withPanels.width(); x += 2) {
      QColor c = withPanels.pixelColor(x, y);
      if (!White(c)) ++coloured;
      if (c.blue() > 150 && c.red() < 100 && c.green() < 100) ++blue;
    }
  const int samples = (withPanels.width() / 2) * (withPanels.height() / 2);
  EXPECT_GT(coloured, samples / 10);  // the three panels fill a good part of the picture
  EXPECT_GT(blue, 20);  // the tick labels and titles, blue in 3D
  // With the panels off only grid lines, axes and labels remain: far fewer pixels.
  DocAxes().ShowXYPanel = DocAxes().ShowXZPanel = DocAxes().ShowYZPanel = false;
  window->BuildSceneLists();
  window->Display(AnimFrame);
  QTest::qWait(30);
  QImage gridsOnly = area->grabFramebuffer();
  int gridPixels = 0;
  for (int y = 0; y < gridsOnly.height(); y += 2)
    for (int x = 0; x < gridsOnly.width(); x += 2)
      if (!White(gridsOnly.pixelColor(x, y))) ++gridPixels;
  EXPECT_GT(gridPixels, 50);
  EXPECT_LT(gridPixels, coloured);
  // Hidden axes: nothing at all (the graph draws nothing of its own).
  DocAxes().Show = false;
  window->BuildSceneLists();
  window->Display(AnimFrame);
  QTest::qWait(30);
  QImage none = area->grabFramebuffer();
  int left = 0;
  for (int y = 0; y < none.height(); y += 2)
    for (int x = 0; x < none.width(); x += 2)
      if (!White(none.pixelColor(x, y))) ++left;
  EXPECT_EQ(left, 0);
}

TEST_F(AxesPicture, RotationListsGiveThePictureOfAFullCompile) {
  window->mnuFileNew3D_Click();
  DocAxes().ShowXZPanel = true;
  ShowOneGraph();
  const int content = area->frame().contentCompiles();
  window->RunCommand("mnuViewRight");  // the rotation lists only
  QTest::qWait(30);
  EXPECT_EQ(area->frame().contentCompiles(), content);
  QImage turned = area->grabFramebuffer();
  window->BuildSceneLists();  // everything anew
  window->Display(AnimFrame);
  QTest::qWait(30);
  EXPECT_EQ(area->frame().contentCompiles(), content + 1);
  EXPECT_EQ(area->grabFramebuffer(), turned);
}

// The y labels of the fitted picture of a graph over [-12, 12]: every "-t" shows its minus,
// so it reaches further left than "t" (both end at the same place). The minus is thinner
// than a pixel at this zoom.
TEST_F(AxesPicture, NegativeTickLabelsShowTheirMinus) {
  ASSERT_EQ(GraphMode, 1);
  half = 12;
  ShowOneGraph();
  const QImage img = area->grabFramebuffer();
  ASSERT_FALSE(img.isNull());
  const auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 160; };
  // The axes: the row and the column with the most dark pixels.
  int row = 0, column = 0, most = -1;
  for (int y = 0; y < img.height(); ++y) {
    int n = 0;
    for (int x = 0; x < img.width(); ++x) n += dark(x, y);
    if (n > most) most = n, row = y;
  }
  most = -1;
  for (int x = 0; x < img.width(); ++x) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) n += dark(x, y);
    if (n > most) most = n, column = x;
  }
  // The y axis runs to 2.1 below the box (-12.1): pixels per unit from its lower end.
  int bottom = row;
  while (bottom + 1 < img.height() && (dark(column, bottom + 1) || dark(column - 1, bottom + 1) ||
                                       dark(column + 1, bottom + 1)))
    ++bottom;
  const double scale = (bottom - row) / 14.2;
  ASSERT_GT(scale, 8);
  ASSERT_LT(scale * 0.7 * 0.1, 1.0);  // the minus (a tenth of an em) is under a pixel thick
  const int right = column - int(std::lround(0.3 * scale));
  const auto leftmostOfLabel = [&](double t) {  // labels stand from 0.2 below t to 0.35 above
    const int top = row - int(std::lround((t + 0.4) * scale));
    const int low = row - int(std::lround((t - 0.25) * scale));
    int left = right;
    for (int y = std::max(0, top); y <= low && y < img.height(); ++y)
      for (int x = 0; x < right; ++x)
        if (dark(x, y)) {
          left = std::min(left, x);
          break;
        }
    return left;
  };
  for (int t = 2; t <= 9; ++t) {
    const int positive = leftmostOfLabel(t), negative = leftmostOfLabel(-t);
    ASSERT_LT(positive, right) << "no label " << t;
    // The minus is a third of an em wide at 0.7 of the unit: at least 0.15 units to the left.
    EXPECT_LT(negative, positive - int(0.15 * scale)) << "label -" << t << " lost its minus";
  }
}
