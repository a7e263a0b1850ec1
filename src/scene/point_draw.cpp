// The point markers of 2D documents and the spheres of 2.5D and 3D documents.
#include "scene/point_draw.h"

#include <cmath>

#include "common/drawn_colour.h"
#include "common/gl_api.h"
#include "common/globals.h"

namespace curvanta {

void ColorToUnitRGB(int32_t colour, double& red, double& green, double& blue) {
  const int32_t c = DrawnColour(colour);
  const int32_t b = c / 256 / 256;
  const int32_t g = (c - b * 65536) / 256;
  const int32_t r = c - b * 65536 - g * 256;
  red = r / 255.0;
  green = g / 255.0;
  blue = b / 255.0;
}

namespace {

constexpr int kRimPoints = 21;

void Rim(const Point& p, double radius, float (&rx)[kRimPoints], float (&ry)[kRimPoints]) {
  for (int i = 0; i < kRimPoints; ++i) {
    const float theta = static_cast<float>(i * 31416 / 100000.0);
    rx[i] = static_cast<float>(p.x + radius * std::cos(theta));
    ry[i] = static_cast<float>(p.y + radius * std::sin(theta));
  }
}

void Disc(const Point& p, const float (&rx)[kRimPoints], const float (&ry)[kRimPoints]) {
  auto& gl = Gl();
  for (int j = 0; j < kRimPoints - 1; ++j) {
    gl.glBegin(GL_TRIANGLES);
    gl.glVertex3f(rx[j], ry[j], 0);
    gl.glVertex3f(rx[j + 1], ry[j + 1], 0);
    gl.glVertex3f(p.x, p.y, p.z);
    gl.glEnd();
  }
}

// A line width the GL accepts: sizes of 0 or less (or not finite) keep the current width.
void LineWidth(float size) {
  if (size > 0 && std::isfinite(size)) Gl().glLineWidth(size);
}

}  // namespace

void DrawPoint(const Point& p) {
  double r, g, b;
  ColorToUnitRGB(p.Color, r, g, b);
  auto& gl = Gl();
  gl.glPushMatrix();
  if (GraphMode == 1) {
    gl.glDisable(GL_LIGHTING);
    const double size = p.Size;
    float rx[kRimPoints], ry[kRimPoints];
    switch (p.Symbol) {
      case 1:
        Rim(p, size * 5 / 100 + 5.0 / 100, rx, ry);
        gl.glColor3d(r, g, b);
        Disc(p, rx, ry);
        break;
      case 2:
        Rim(p, size * 4 / 100 + 5.0 / 100, rx, ry);
        gl.glColor3d(1, 1, 1);
        Disc(p, rx, ry);
        LineWidth(p.Size);
        gl.glColor3d(r, g, b);
        for (int j = 0; j < kRimPoints - 1; ++j) {
          gl.glBegin(GL_LINES);
          gl.glVertex3f(rx[j], ry[j], 0);
          gl.glVertex3f(rx[j + 1], ry[j + 1], 0);
          gl.glEnd();
        }
        break;
      case 3: {
        const double s = size * 5 / 100;
        gl.glColor3d(r, g, b);
        gl.glBegin(GL_QUADS);
        gl.glVertex3d(p.x - s, p.y + s, 0);
        gl.glVertex3d(p.x - s, p.y - s, 0);
        gl.glVertex3d(p.x + s, p.y - s, 0);
        gl.glVertex3d(p.x + s, p.y + s, 0);
        gl.glEnd();
        break;
      }
      case 4: {
        const double s = size * 7.5 / 100;
        gl.glColor3d(r, g, b);
        gl.glBegin(GL_TRIANGLES);
        gl.glVertex3d(p.x, p.y + s, 0);
        gl.glVertex3d(p.x - s, p.y - s, 0);
        gl.glVertex3d(p.x + s, p.y - s, 0);
        gl.glEnd();
        break;
      }
      case 5: {
        const double s = size * 7.5 / 100;
        gl.glColor3d(r, g, b);
        gl.glBegin(GL_QUADS);
        gl.glVertex3d(p.x, p.y + s, 0);
        gl.glVertex3d(p.x - s, p.y, 0);
        gl.glVertex3d(p.x, p.y - s, 0);
        gl.glVertex3d(p.x + s, p.y, 0);
        gl.glEnd();
        break;
      }
      case 6: {
        const double s = size * 7.5 / 100;
        gl.glColor3d(r, g, b);
        LineWidth(p.Size);
        gl.glBegin(GL_LINES);
        gl.glVertex3d(p.x, p.y + s, 0);
        gl.glVertex3d(p.x, p.y - s, 0);
        gl.glEnd();
        gl.glBegin(GL_LINES);
        gl.glVertex3d(p.x - s, p.y, 0);
        gl.glVertex3d(p.x + s, p.y, 0);
        gl.glEnd();
        break;
      }
      default:
        break;
    }
  } else {
    gl.glColor3d(r, g, b);
    gl.glTranslatef(p.x, p.y, p.z);
    GLUquadric* quad = gl.gluNewQuadric();
    if (quad != nullptr) {
      gl.gluSphere(quad, double(p.Size) * 5 / 100 + 5.0 / 100, 32, 32);
      gl.gluDeleteQuadric(quad);
    }
  }
  gl.glPopMatrix();
}

}  // namespace curvanta
