// Pictures of strips, surfaces and 3D curves grabbed from the drawing area (under Xvfb): items
// built in code, shown without the coordinate system, and their computed points projected
// through the GL's own matrices.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include <QListWidget>
#include <QTest>

#include "common/globals.h"
#include "draw/cell_emission.h"
#include "scene/axes_settings.h"
#include "scene/trackball.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

constexpr double kPi = 3.14159265358979323846;

class SurfacePixels : public ShownWindowBase {
 protected:
  // Shows `item` alone in the current document, viewed by the preset `view` (or, without one,
  // from the front and 20 degrees above), and grabs the picture.
  QImage Show(std::shared_ptr<GraphItem> item, const char* view = nullptr) {
    DocAxes().Show = false;
    item->ID = ++LastGraphID;
    EXPECT_TRUE(item->GetPoints());
    DocScene.FunSurfs.Add(item);
    ViewScene.FunSurfs.Add(item);
    if (view) {
      window->RunCommand(view);
    } else {
      ViewScene.RotRoll = 0;
      ViewScene.RotPitch = -20;
      ViewScene.RotYaw = 0;
      area->nav().TrackballActive = false;
      window->BuildSceneLists();
    }
    window->RunCommand("mnuViewFit");
    window->Display(AnimFrame);
    QTest::qWait(50);
    return area->grabFramebuffer();
  }

  // Where a point of the scene lands in the grabbed picture: the camera's matrices after the
  // paint, times the model rotation of the view.
  QPointF Project(double x, double y, double z) {
    area->makeCurrent();
    GLdouble model[16], projection[16];
    GLint viewport[4];
    gl.glPushMatrix();
    Mat16 rotation;
    QuatToMatrix(rotation, area->nav().RotationQuat);
    gl.glMultMatrixf(rotation.data());
    gl.glGetDoublev(GL_MODELVIEW_MATRIX, model);
    gl.glPopMatrix();
    gl.glGetDoublev(GL_PROJECTION_MATRIX, projection);
    gl.glGetIntegerv(GL_VIEWPORT, viewport);
    area->doneCurrent();
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    return QPointF(wx, viewport[3] - 1 - wy);
  }

  static bool White(QColor c) { return c.red() > 245 && c.green() > 245 && c.blue() > 245; }
  // Something drawn within `radius` pixels of p.
  static bool InkNear(const QImage& img, QPointF p, int radius = 2) {
    for (int dy = -radius; dy <= radius; ++dy)
      for (int dx = -radius; dx <= radius; ++dx) {
        const QPoint q(int(std::lround(p.x())) + dx, int(std::lround(p.y())) + dy);
        if (img.rect().contains(q) && !White(img.pixelColor(q))) return true;
      }
    return false;
  }
};

std::shared_ptr<GraphItem> Sphere(int32_t show, int32_t smoothness) {
  auto item = GraphItem::Init(0, "", GraphKind::Surface3D, CoordKind::Spherical, "a", "b", "1", 40,
                              20, 0, float(2 * kPi), 0, float(kPi), FillKind::Single, 0,
                              0x808080, 0, 1, 12, show, smoothness, false, false, false, 0);
  item->FunForm = FormKind::Explicit;
  return item;
}

std::shared_ptr<GraphItem> SinStrip(int32_t show) {
  auto item = GraphItem::Init(0, "", GraphKind::Strip25D, CoordKind::Plane, "0", "x", "sin(x)", 1,
                              24, 0, 0, -3, 3, FillKind::Single, 0, 0x404040, 0, 1, 3, show,
                              SmoothKind::Smooth, false, false, false, 0);
  item->FunForm = FormKind::Explicit;
  return item;
}

}  // namespace

TEST_F(SurfacePixels, LitSphereIsAFilledDiscBrighterTowardTheLight) {
  window->mnuFileNew3D_Click();
  const QImage img = Show(Sphere(ShowKind::Surface, SmoothKind::Smoothest), "mnuViewFront");
  ASSERT_FALSE(img.isNull());
  const QPointF centre = Project(0, 0, 0);
  const double radius = std::hypot(Project(1, 0, 0).x() - centre.x(), Project(1, 0, 0).y() - centre.y());
  ASSERT_GT(radius, 40);
  // Along 180 rays from the centre: no hole inside, the edge within 2 px of the circle.
  for (int k = 0; k < 180; ++k) {
    const double a = 2 * kPi * k / 180;
    double edge = 0;
    for (double r = 0; r < radius + 10; r += 0.5) {
      const QPoint q(int(std::lround(centre.x() + r * std::cos(a))),
                     int(std::lround(centre.y() + r * std::sin(a))));
      if (!img.rect().contains(q) || White(img.pixelColor(q))) break;
      edge = r;
    }
    EXPECT_NEAR(edge, radius, 2.0) << "ray " << k;
  }
  // The light stands up and to the right: that half of the disc is the brighter one.
  double lit = 0, dark = 0;
  int nLit = 0, nDark = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const double dx = x - centre.x(), dy = centre.y() - y;
      if (std::hypot(dx, dy) > radius - 3) continue;
      const double value = qGray(img.pixel(x, y));
      if (dx + dy > radius / 2) lit += value, ++nLit;
      if (dx + dy < -radius / 2) dark += value, ++nDark;
    }
  ASSERT_GT(nLit, 0);
  ASSERT_GT(nDark, 0);
  EXPECT_GT(lit / nLit, dark / nDark + 20);
}

TEST_F(SurfacePixels, SinStripShowsItsTwoEdgesWhereSinLies) {
  window->mnuFileNew25D_Click();
  const QImage img = Show(SinStrip(ShowKind::Wireframe));
  for (double x = -2.9; x <= 2.9; x += 0.1) {
    EXPECT_TRUE(InkNear(img, Project(x, std::sin(x), 0))) << "front edge at " << x;
    EXPECT_TRUE(InkNear(img, Project(x, std::sin(x), 3))) << "back edge at " << x;
  }
  // Wireframe: the inside of each quad stays empty, away from its edges.
  for (int j = 0; j < 24; ++j) {
    const double x = -3 + 0.25 * (j + 0.5);
    EXPECT_FALSE(InkNear(img, Project(x, std::sin(x), 1.5), 1)) << "quad " << j;
  }
}

TEST_F(SurfacePixels, PointsModeShowsDotsOnly) {
  window->mnuFileNew25D_Click();
  const QImage img = Show(SinStrip(ShowKind::Vertices));
  for (int j = 0; j <= 24; j += 3) {
    const double x = -3 + 0.25 * j;
    EXPECT_TRUE(InkNear(img, Project(x, std::sin(x), 0), 1)) << "vertex " << j;
  }
  // Half-way along an edge, and inside a quad: nothing.
  for (int j = 0; j < 24; j += 3) {
    const double x = -3 + 0.25 * (j + 0.5);
    EXPECT_FALSE(InkNear(img, Project(x, std::sin(x), 0), 1)) << "edge " << j;
    EXPECT_FALSE(InkNear(img, Project(x, std::sin(x), 1.5), 1)) << "quad " << j;
  }
}

TEST_F(SurfacePixels, HelixPassesItsComputedPoints) {
  window->mnuFileNew3D_Click();
  auto helix = GraphItem::Init(0, "", GraphKind::Curve3D, CoordKind::Cartesian3D, "sin(u)", "cos(u)",
                               "u/4", 120, 1, 0, 12, 0, 0, 0, 0, 0, 0, 1, 3, 3, 3, false, false,
                               false, 0);
  helix->FunForm = FormKind::Parametric;
  const QImage img = Show(helix, "mnuViewISO");
  for (double u = 0; u <= 12; u += 0.25)
    EXPECT_TRUE(InkNear(img, Project(std::cos(u), u / 4, std::sin(u)))) << "u = " << u;
  // A line, not a filled region.
  int inked = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) inked += White(img.pixelColor(x, y)) ? 0 : 1;
  EXPECT_LT(inked, img.width() * img.height() / 50);
}

TEST_F(SurfacePixels, ModelButtonsRedrawTheSelectedSurface) {
  window->mnuFileNew3D_Click();
  auto sphere = Sphere(ShowKind::Surface, SmoothKind::Smooth);
  QImage filled = Show(sphere, "mnuViewFront");
  auto* line = new QListWidgetItem("sphere", window->List1());
  line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
  line->setCheckState(Qt::Checked);
  window->List1()->setCurrentRow(0);
  window->RunCommand("modelGrid");
  QTest::qWait(50);
  const QImage wire = area->grabFramebuffer();
  EXPECT_EQ(sphere->Show, ShowKind::Wireframe);
  auto inked = [](const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); y += 2)
      for (int x = 0; x < img.width(); x += 2) n += White(img.pixelColor(x, y)) ? 0 : 1;
    return n;
  };
  EXPECT_LT(inked(wire), inked(filled) / 2);
}

// Filled rows drawn as quad strips give the picture of one quad per cell, pixel for pixel,
// lit on one side or both: a sphere, a gradient surface seen from above and below, and a
// strip. Lines and points, which stay per cell, are drawn the same in either setting.
TEST_F(SurfacePixels, RowStripsDrawTheSamePixelsAsQuadsPerCell) {
  struct Case {
    const char* name;
    bool strip;  // a 2.5D strip, otherwise a surface
    bool sphere;
    int32_t show;
    bool twoSided = true;
    bool fromBelow = false;
  } cases[] = {
      {"lit sphere", false, true, ShowKind::Surface},
      {"wireframe sphere", false, true, ShowKind::Wireframe},
      {"sphere points", false, true, ShowKind::Vertices},
      {"gradient surface", false, false, ShowKind::Surface},
      {"gradient surface from below", false, false, ShowKind::Surface, true, true},
      {"one-sided from below", false, false, ShowKind::Surface, false, true},
      {"gradient wireframe", false, false, ShowKind::Wireframe},
      {"strip", true, false, ShowKind::Surface},
      {"one-sided strip", true, false, ShowKind::Surface, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window->mnuEditDelAll_Click();  // a new document then asks nothing
    std::shared_ptr<GraphItem> item;
    if (c.strip) {
      window->mnuFileNew25D_Click();
      item = SinStrip(c.show);
      item->Smoothness = SmoothKind::Smoothest;
      item->FillStyle = FillKind::GradientX;
      item->FirstColor = 0x2080ff;
    } else if (c.sphere) {
      window->mnuFileNew3D_Click();
      item = Sphere(c.show, SmoothKind::Smoothest);
    } else {
      window->mnuFileNew3D_Click();
      item = GraphItem::Init(0, "", GraphKind::Surface3D, CoordKind::Cartesian3D, "x", "y",
                             "sin(x)*cos(y)+x*y/8", 30, 24, -3, 3, -3, 3, FillKind::GradientY,
                             0x0000ff, 0xff8000, 0, 1, 3, c.show, SmoothKind::Smoothest, false,
                             false, false, 0);
      item->FunForm = FormKind::Explicit;
    }
    // Both pictures from lists compiled afresh for the same view.
    const auto compiledPicture = [this] {
      window->BuildSceneLists();
      window->Display(AnimFrame);
      QTest::qWait(50);
      return area->grabFramebuffer();
    };
    DocLight.SetTwoSides(0, c.twoSided ? 1.0f : 0.0f);
    ASSERT_TRUE(RowStripsEnabled());
    Show(item, c.strip || c.fromBelow ? nullptr : "mnuViewISO");
    if (c.fromBelow) ViewScene.RotPitch = 35;
    const QImage strips = compiledPicture();
    QImage cells;
    {
      struct PerCell {
        PerCell() { SetRowStrips(false); }
        ~PerCell() { SetRowStrips(true); }
      } perCell;
      cells = compiledPicture();
    }
    ASSERT_EQ(strips.size(), cells.size());
    int inked = 0, differing = 0;
    for (int y = 0; y < strips.height(); ++y)
      for (int x = 0; x < strips.width(); ++x) {
        inked += White(strips.pixelColor(x, y)) ? 0 : 1;
        differing += strips.pixel(x, y) != cells.pixel(x, y) ? 1 : 0;
      }
    EXPECT_GT(inked, 500);
    EXPECT_EQ(differing, 0);
  }
}
