// The three layers of a 2D data table.
#include "draw/table_2d_draw.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "draw/gl_states.h"
#include "draw/spline_curve.h"
#include "graph/graph_item.h"
#include "scene/point_draw.h"

namespace curvanta {

namespace {

void DrawPolyline(const std::vector<std::shared_ptr<Point>>& points, int32_t colour) {
  SetGlColour(colour);
  for (size_t j = 0; j + 1 < points.size(); ++j) {
    const Point& a = *points[j];
    const Point& b = *points[j + 1];
    DrawLinePiece(a.x, a.y, a.z, b.x, b.y, b.z);
  }
}

// The smooth curve through the table's points; a point at the same place as the one
// before it is left out, and fewer than two distinct points draw nothing.
void DrawSmoothCurve(const std::vector<std::shared_ptr<Point>>& points, int32_t colour,
                     int32_t width) {
  SetGlColour(colour);
  SetGlLineWidth(width);
  std::vector<float> xs, ys;
  xs.reserve(points.size());
  ys.reserve(points.size());
  for (const auto& p : points) {
    if (!xs.empty() && xs.back() == p->x && ys.back() == p->y) continue;
    xs.push_back(p->x);
    ys.push_back(p->y);
  }
  if (xs.size() < 2) return;
  std::vector<float> outX, outY;
  int32_t count = 0;
  SplineCurve(static_cast<int32_t>(xs.size()) - 1, 1, 0.0f, 0.0f, 0.0f, 0.0f, xs, ys, outX,
              outY, count);
  for (int32_t i = 0; i + 1 < count; ++i)
    DrawLinePiece(outX[size_t(i)], outY[size_t(i)], 0.0, outX[size_t(i) + 1],
                  outY[size_t(i) + 1], 0.0);
}

}  // namespace

void DrawTable2D(GraphItem& item) {
  // The table's points 0..StepV of row 0 (at most the table's 201).
  std::vector<std::shared_ptr<Point>> points;
  const int32_t last = std::min(item.StepV, kTableUpper);
  for (int32_t j = 0; j <= last; ++j) points.push_back(item.VertTab3D(0, j));

  LineState lines;
  SetGlLineWidth(item.LineWidth);
  if (item.Show2DLine) DrawPolyline(points, item.LineColor);
  if (item.ShowSmoothCurve) DrawSmoothCurve(points, item.SmoothCurveColor, item.SmoothCurveWidth);
  if (item.Show2DScatter) {
    for (const auto& p : points) {
      p->Size = static_cast<float>(item.ScatterSize);
      p->Symbol = item.Symbol;
      p->Color = item.ScatterColor;
      DrawPoint(*p);
    }
  }
}

}  // namespace curvanta
