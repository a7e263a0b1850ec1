// Drawing of the coordinate system: 2D axes, or the 2.5D/3D panels, grids and labels.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "common/gl_api.h"
#include "common/globals.h"
#include "common/number_text.h"
#include "scene/axes_settings.h"
#include "scene/material.h"
#include "scene/text3d.h"

namespace curvanta {

std::string TickLabelText(double value) {
  if (!std::isfinite(value)) return "0.00";
  std::string digits;  // unsigned, two decimals
  bool negative = false;
  const double eighths = value * 8;  // exact: an exact tie is an odd number of eighths
  if (std::fabs(value) < 1e15 && eighths == std::floor(eighths) && std::fmod(eighths, 2) != 0) {
    const double cents = std::round(value * 100);  // exact here; halves away from zero
    negative = cents < 0;
    const auto whole = int64_t(std::fabs(cents));
    const int64_t fraction = whole % 100;
    digits = std::to_string(whole / 100) + "." + char('0' + fraction / 10) + char('0' + fraction % 10);
  } else {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    digits.assign(buffer, result.ptr);
    if (!digits.empty() && digits[0] == '-') {
      negative = true;
      digits.erase(0, 1);
    }
  }
  if (digits == "0.00") negative = false;
  const size_t point = digits.find('.');
  std::string whole = digits.substr(0, point);
  std::string grouped;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ',';
    grouped += whole[i];
  }
  return (negative ? "-" : "") + grouped + digits.substr(point);
}

double TextWidth(std::string_view text) {
  size_t characters = 0;
  for (char c : text)
    if ((uint8_t(c) & 0xC0) != 0x80) ++characters;  // UTF-8 lead bytes
  return double(characters) / 3.9;
}

namespace {

constexpr std::array<float, 4> kNoTurn{0, 0, 1, 0};
constexpr int kMaxIntervals = 500;
constexpr int32_t kBlue = 0xFF0000;  // RGB(0, 0, 255)

// Tick values of one 2D axis: the step is the smallest of 1, 2, 5, 10, 20, 50, ... that
// keeps the axis within 500 steps; ticks run from the step below Min to the one above Max.
struct TickRun {
  double step = 1;
  double first = 0;  // in steps
  int64_t count = -1;  // ticks i = 0 .. count
  double Value(int64_t i) const { return step * (first + double(i)) + 0.0; }
};

TickRun TicksOf(float minimum, float maximum) {
  TickRun run;
  const double mantissas[3] = {1, 2, 5};
  for (double decade = 1;; decade *= 10) {
    for (double m : mantissas) {
      const double s = m * decade;
      const double lo = std::floor(double(minimum) / s), hi = std::floor(double(maximum) / s);
      const double n = hi - lo + 1;
      if (n <= kMaxIntervals || !std::isfinite(s * 10)) {
        run.step = s;
        run.first = lo;
        run.count = n < 0 ? -1 : int64_t(n);
        return run;
      }
    }
  }
}

std::string IntegerLabel(double value) {
  if (value == 0) return "0";
  return curvanta::FormatPlainDecimal(value, 15);
}

// Intervals of one axis as the drawing uses them: none for a count of 0 or less, at most 500.
int Intervals(int32_t count) { return count <= 0 ? 0 : std::min<int32_t>(count, kMaxIntervals); }

}  // namespace

void AxesSettings::Draw(int32_t /*gtpGraphType*/, float sngMinX, float sngMaxX, float sngMinY,
                float sngMaxY, float sngMinZ, float sngMaxZ) const {
  if (GraphMode == 1)
    Draw2D(sngMinX, sngMaxX, sngMinY, sngMaxY);
  else
    Draw3D(GraphMode != 2, sngMinX, sngMaxX, sngMinY, sngMaxY, sngMinZ, sngMaxZ);
}

void AxesSettings::Draw2D(float minX, float maxX, float minY, float maxY) const {
  GlApi& gl = Gl();
  gl.glDisable(GL_LIGHTING);
  const bool showX = std::isfinite(minX) && std::isfinite(maxX);
  const bool showY = std::isfinite(minY) && std::isfinite(maxY);
  TickRun ticksX, ticksY;
  if (showX) ticksX = TicksOf(minX, maxX);
  if (showY) ticksY = TicksOf(minY, maxY);

  // Tick marks: black, one pixel, whatever the axis colour and width.
  gl.glLineWidth(1);
  gl.glColor3f(0, 0, 0);
  gl.glBegin(GL_LINES);
  for (int64_t i = 0; i <= ticksX.count; ++i) {
    const float t = float(ticksX.Value(i));
    gl.glVertex3f(t, 0, 0);
    gl.glVertex3f(t, 0.4f, 0);
  }
  for (int64_t i = 0; i <= ticksY.count; ++i) {
    const float t = float(ticksY.Value(i));
    gl.glVertex3f(0, t, 0);
    gl.glVertex3f(0.4f, t, 0);
  }
  gl.glEnd();

  // Arrowheads, smoothed, in the axis colour; a width below 1 draws as 1.
  float red, green, blue;
  ColorToUnitRGB(AxisColor, red, green, blue);
  gl.glLineWidth(GLfloat(std::max<int32_t>(AxisWidth, 1)));
  gl.glEnable(GL_LINE_SMOOTH);
  gl.glEnable(GL_BLEND);
  gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  gl.glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  gl.glColor3f(red, green, blue);
  const double e = (double(AxisWidth) - 1) * 0.01;
  const auto arrowhead = [&gl](const double (&v)[3][3]) {
    gl.glBegin(GL_TRIANGLES);
    for (const auto& p : v) gl.glVertex3d(p[0], p[1], p[2]);
    gl.glEnd();
    gl.glBegin(GL_LINE_LOOP);
    for (const auto& p : v) gl.glVertex3d(p[0], p[1], p[2]);
    gl.glEnd();
  };
  if (showX) {
    const double x = maxX;
    const double v[3][3] = {{x + 2.6, -e, 0}, {x + 2.0, 0.2 - e, 0}, {x + 2.0, -0.2 - e, 0}};
    arrowhead(v);
  }
  if (showY) {
    const double y = maxY;
    const double v[3][3] = {{-e, y + 2.6, 0}, {0.2 - e, y + 2.0, 0}, {-0.2 - e, y + 2.0, 0}};
    arrowhead(v);
  }
  gl.glDisable(GL_LINE_SMOOTH);
  gl.glDisable(GL_BLEND);
  gl.glBegin(GL_LINES);
  if (showX) {
    gl.glVertex3f(float(double(minX) - 2.1), 0, 0);
    gl.glVertex3f(float(double(maxX) + 2.1), 0, 0);
  }
  if (showY) {
    gl.glVertex3f(0, float(double(minY) - 2.1), 0);
    gl.glVertex3f(0, float(double(maxY) + 2.1), 0);
  }
  gl.glEnd();

  if (BetterFonts) {
    gl.glEnable(GL_POLYGON_SMOOTH);
    gl.glEnable(GL_BLEND);
    gl.glBlendFunc(GL_SRC_ALPHA_SATURATE, GL_ONE_MINUS_SRC_ALPHA);
    gl.glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  }
  for (int64_t i = 0; i <= ticksX.count; ++i) {
    const double t = ticksX.Value(i);
    const std::string s = IntegerLabel(t);
    if (s == "0") continue;
    const double k = s.size() > 2 ? 0.45 : s.size() == 2 ? 0.3 : 0.15;
    DrawText3D(LabelFontBase, s, float(t - k), -0.8f, 0, kNoTurn, 0);
  }
  for (int64_t i = 0; i <= ticksY.count; ++i) {
    const double t = ticksY.Value(i);
    const std::string s = IntegerLabel(t);
    if (s == "0") continue;
    DrawText3D(LabelFontBase, s, float(-(curvanta::TextWidth(s) + 0.35)), float(t - 0.2), 0,
               kNoTurn, 0);
  }
  if (showX) DrawText3D(TitleFontBase, "X", float(double(maxX) + 2.0), -1.2f, 0, kNoTurn, 0);
  if (showY) DrawText3D(TitleFontBase, "Y", -1.0f, float(double(maxY) + 2.0), 0, kNoTurn, 0);
  if (BetterFonts) {
    gl.glDisable(GL_POLYGON_SMOOTH);
    gl.glDisable(GL_BLEND);
  }
  gl.glEnable(GL_LIGHTING);
}

void AxesSettings::Draw3D(bool depthAxis, float minX, float maxX, float minY, float maxY, float minZ,
                  float maxZ) const {
  using curvanta::TextWidth;
  using curvanta::TickLabelText;
  if (!depthAxis) {  // 2.5D: the strips' depth runs from 0 to 3
    minZ = 0;
    maxZ = 3;
  }
  // A box that is not finite has no coordinate system to draw.
  for (float v : {minX, maxX, minY, maxY, minZ, maxZ})
    if (!std::isfinite(v)) return;
  GlApi& gl = Gl();
  const int nX = Intervals(LabelNumY), nY = Intervals(LabelNumZ), nZ = Intervals(LabelNumX);
  const float dX = nX > 0 ? float((double(maxX) - double(minX)) / nX) : 0;
  const float dY = nY > 0 ? float((double(maxY) - double(minY)) / nY) : 0;
  const float dZ = nZ > 0 ? float((double(maxZ) - double(minZ)) / nZ) : 0;
  const auto at = [](float minimum, float step, int i) { return float(double(minimum) + i * double(step)); };
  // Division counts: none for an axis without intervals.
  const int lastX = nX > 0 ? nX : -1, lastY = nY > 0 ? nY : -1, lastZ = nZ > 0 ? nZ : -1;

  gl.glEnable(GL_COLOR_MATERIAL);
  gl.glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
  Material material;
  gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

  struct Panel {
    bool show;
    int32_t colour, material;
    float normal[3];
    double corners[4][3];
  };
  const Panel panels[3] = {
      {ShowYZPanel, YZPanelColor, YZPanelMaterial, {0, 0, 1},
       {{minX, minY, minZ}, {maxX, minY, minZ}, {maxX, maxY, minZ}, {minX, maxY, minZ}}},
      {ShowXZPanel, XZPanelColor, XZPanelMaterial, {1, 0, 0},
       {{minX, minY, minZ}, {minX, maxY, minZ}, {minX, maxY, maxZ}, {minX, minY, maxZ}}},
      {ShowXYPanel, XYPanelColor, XYPanelMaterial, {0, 1, 0},
       {{minX, minY, minZ}, {minX, minY, maxZ}, {maxX, minY, maxZ}, {maxX, minY, minZ}}},
  };
  for (const Panel& p : panels) {
    material.SetMaterial(p.material);
    if (!p.show) continue;
    float red, green, blue;
    ColorToUnitRGB(p.colour, red, green, blue);
    gl.glColor3f(red, green, blue);
    gl.glBegin(GL_QUADS);
    gl.glNormal3f(p.normal[0], p.normal[1], p.normal[2]);
    for (const auto& c : p.corners) gl.glVertex3d(c[0], c[1], c[2]);
    gl.glEnd();
  }

  gl.glDisable(GL_COLOR_MATERIAL);
  gl.glDisable(GL_LIGHTING);
  gl.glEnable(GL_LINE_SMOOTH);
  gl.glEnable(GL_BLEND);
  gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  gl.glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  gl.glLineWidth(1);

  // Grids: (flag, colour, divisions, segment of division i).
  struct Grid {
    bool show;
    int32_t colour;
    int last;
    int axis;  // 0: x_i, 1: y_i, 2: z_i
    int kind;
  };
  const Grid grids[6] = {{ShowYZYGrid, YZGridColor, lastX, 0, 0}, {ShowYZZGrid, YZGridColor, lastY, 1, 1},
                         {ShowXZXGrid, XZGridColor, lastZ, 2, 2}, {ShowXZZGrid, XZGridColor, lastY, 1, 3},
                         {ShowXYXGrid, XYGridColor, lastZ, 2, 4}, {ShowXYYGrid, XYGridColor, lastX, 0, 5}};
  for (const Grid& g : grids) {
    if (!g.show || g.last < 0) continue;
    float red, green, blue;
    ColorToUnitRGB(g.colour, red, green, blue);
    gl.glColor3f(red, green, blue);
    gl.glBegin(GL_LINES);
    for (int i = 0; i <= g.last; ++i) {
      const float x = at(minX, dX, i), y = at(minY, dY, i), z = at(minZ, dZ, i);
      switch (g.kind) {
        case 0: gl.glVertex3f(x, minY, minZ); gl.glVertex3f(x, maxY, minZ); break;
        case 1: gl.glVertex3f(minX, y, minZ); gl.glVertex3f(maxX, y, minZ); break;
        case 2: gl.glVertex3f(minX, minY, z); gl.glVertex3f(minX, maxY, z); break;
        case 3: gl.glVertex3f(minX, y, minZ); gl.glVertex3f(minX, y, maxZ); break;
        case 4: gl.glVertex3f(minX, minY, z); gl.glVertex3f(maxX, minY, z); break;
        case 5: gl.glVertex3f(x, minY, minZ); gl.glVertex3f(x, minY, maxZ); break;
      }
    }
    gl.glEnd();
  }

  // Tick-label texts: values from the float steps, in double.
  std::vector<std::string> labelsX, labelsY, labelsZ;
  for (int i = 0; i <= lastX; ++i) labelsX.push_back(TickLabelText(double(minX) + i * double(dX)));
  for (int i = 0; i <= lastY; ++i) labelsY.push_back(TickLabelText(double(minY) + i * double(dY)));
  if (depthAxis)
    for (int i = 0; i <= lastZ; ++i) labelsZ.push_back(TickLabelText(double(minZ) + i * double(dZ)));

  gl.glDisable(GL_LINE_SMOOTH);
  gl.glDisable(GL_BLEND);
  gl.glColor3f(0, 0, 0);
  gl.glBegin(GL_LINES);
  const float below = float(double(minY) - 0.3), left = float(double(minX) - 0.3);
  if (depthAxis) {
    for (int i = 0; i <= lastZ; ++i) {
      gl.glVertex3f(maxX, minY, at(minZ, dZ, i));
      gl.glVertex3f(maxX, below, at(minZ, dZ, i));
    }
  }
  for (int i = 0; i <= lastX; ++i) {
    gl.glVertex3f(at(minX, dX, i), minY, maxZ);
    gl.glVertex3f(at(minX, dX, i), below, maxZ);
  }
  for (int i = 0; i <= lastY; ++i) {
    gl.glVertex3f(minX, at(minY, dY, i), maxZ);
    gl.glVertex3f(left, at(minY, dY, i), maxZ);
  }
  gl.glEnd();

  const float labelRow = float(double(minY) - 1.3), titleRow = float(double(minY) - 2.3);
  for (int i = 0; i <= lastX; ++i) {
    DrawText3D(LabelFontBase, labelsX[size_t(i)], float(double(at(minX, dX, i)) - 1.0), labelRow,
               maxZ, kNoTurn, kBlue);
  }
  {
    const double w = TextWidth(TitleY);
    DrawText3D(TitleFontBase, TitleY, float(minX + (double(maxX) - minX - w) / 2 - 1.0), titleRow,
               maxZ, kNoTurn, kBlue);
  }
  float lastLabelX = 0;
  for (int i = 0; i <= lastY; ++i) {
    const std::string& s = labelsY[size_t(i)];
    lastLabelX = float(double(minX) - (TextWidth(s) + 0.7));
    DrawText3D(LabelFontBase, s, lastLabelX, at(minY, dY, i), maxZ, kNoTurn, kBlue);
  }
  {
    const double w = TextWidth(TitleZ);
    DrawText3D(TitleFontBase, TitleZ, float(double(lastLabelX) - 1.0),
               float(minY + (double(maxY) - minY - w) / 2 + w), maxZ, {-90, 0, 0, 1}, kBlue);
  }
  if (depthAxis) {
    for (int i = 0; i <= lastZ - 1; ++i) {
      DrawText3D(LabelFontBase, labelsZ[size_t(i)], maxX, labelRow, at(minZ, dZ, i), {90, 0, 1, 0},
                 kBlue);
    }
    const double w = TextWidth(TitleX);
    DrawText3D(TitleFontBase, TitleX, maxX, titleRow,
               float(minZ + (double(maxZ) - minZ - w) / 2 + w - 0.5), {90, 0, 1, 0}, kBlue);
  }
  gl.glEnable(GL_LIGHTING);
}

}  // namespace curvanta
