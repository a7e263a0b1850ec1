// The drawing frame of graph items and its registration with the scene.
#include "draw/graph_draw.h"

#include <string>

#include "common/gl_api.h"
#include "draw/curves_points_3d.h"
#include "draw/plane_curves.h"
#include "draw/report_sink.h"
#include "draw/table_2d_draw.h"
#include "draw/strip_25d.h"
#include "draw/surface.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"
#include "scene/material.h"
#include "scene/scene.h"

namespace curvanta {

namespace {

constexpr int32_t kNeon = 5;

// The common end of every item, also when a branch leaves by an exception: colour material
// off, and polygon mode, shade model, line width and point size back at their defaults so
// that nothing an item set leaks into what the list compiles next.
class CommonEnd {
 public:
  CommonEnd() = default;
  ~CommonEnd() {
    GlApi& gl = Gl();
    gl.glDisable(GL_COLOR_MATERIAL);
    gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    gl.glShadeModel(GL_SMOOTH);
    gl.glLineWidth(1.0f);
    gl.glPointSize(1.0f);
  }
  CommonEnd(const CommonEnd&) = delete;
  CommonEnd& operator=(const CommonEnd&) = delete;
};

bool IsPlaneFunction(int32_t kind) {
  return kind == GraphKind::Function2D || kind == GraphKind::Function2DAnim ||
         kind == GraphKind::TwoCurves || kind == GraphKind::StepStem;
}

bool IsSurface(int32_t kind) {
  return kind == GraphKind::Surface3D || kind == GraphKind::Table3D ||
         kind == GraphKind::Surface3DAnim || kind == GraphKind::ColorMap ||
         kind == GraphKind::RevolutionX || kind == GraphKind::RevolutionY;
}

bool IsStrip(int32_t kind) {
  return kind == GraphKind::Strip25D || kind == GraphKind::Table25D ||
         kind == GraphKind::Strip25DAnim;
}

}  // namespace

void DrawGraphItem(GraphItem& item, int32_t lngAnimStep) {
  if (item.GraphType == GraphKind::RevolutionX || item.GraphType == GraphKind::RevolutionY) {
    item.StepU = 40;
  }
  ExpressionEngine evaluator;
  const int32_t frame = item.Animation ? lngAnimStep : 0;
  const Box box = item.GetBox(frame);
  ReportSink* sink = CurrentReportSink();
  if (sink) sink->clear();
  // The scene is boxed 3.0 below a surface with an overlay; the drawing uses the points' own extent.
  if (item.GraphType == GraphKind::Surface3D &&
      (item.ShowContour || item.ShowVector || item.ShowColormap)) {
    item.BoxMinY += 3.0f;
  }

  GlApi& gl = Gl();
  gl.glEnable(GL_COLOR_MATERIAL);
  gl.glColorMaterial(GL_FRONT_AND_BACK, item.Material == kNeon ? GL_EMISSION : GL_DIFFUSE);
  CommonEnd end;
  Material material;
  material.SetMaterial(item.Material);

  // An item whose samples do not cover what its kind shows has an empty box and draws nothing.
  if (box.MinX > box.MaxX) return;

  if (IsPlaneFunction(item.GraphType)) {
    std::string report;
    try {
      DrawPlaneFunction(item, lngAnimStep, evaluator, report);
    } catch (...) {
      if (sink) sink->append(report);
      throw;
    }
    if (sink) sink->append(report);
  } else if (item.GraphType == GraphKind::Table2D) {
    DrawTable2D(item);
  } else if (IsSurface(item.GraphType)) {
    DrawSurface(item, frame);
  } else if (IsStrip(item.GraphType)) {
    DrawStrip(item, frame);
  } else if (item.GraphType == GraphKind::Curve3D || item.GraphType == GraphKind::Curve3DAnim) {
    DrawCurve3D(item, frame);
  } else if (item.GraphType == GraphKind::Point || item.GraphType == GraphKind::PointAnim) {
    DrawGraphPoint(item, frame);
  }
  // Contour maps, vector fields and unassigned kinds draw nothing.
}

void InstallGraphDrawing() {
  SetItemDrawer([](GraphItem& item, std::optional<int32_t> lngAnimStep) {
    DrawGraphItem(item, lngAnimStep.value_or(0));
  });
  SetDrawEffectsRecorder(RecordReport);
}

}  // namespace curvanta
