// Implicit and inequality point plots.
#include "draw/implicit_plot.h"

#include <string>

#include "common/message_service.h"
#include "draw/gl_states.h"
#include "draw/implicit_grid.h"
#include "draw/safe_evaluate.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"
#include "scene/point_draw.h"

namespace curvanta {

void DrawImplicitPlot(GraphItem& item, int32_t lngAnimStep, ExpressionEngine& evaluator) {
  const bool polar = item.CoordType == CoordKind::Polar;
  if (!polar && item.CoordType != CoordKind::Plane) return;
  const int32_t steps = item.StepT() > 0 ? item.StepT() : 1;
  const float t = static_cast<float>(double(item.MinT) +
                                     double(lngAnimStep) * (double(item.MaxT) - double(item.MinT)) /
                                         steps);
  std::string postfix;
  if (evaluator.InfixToPostfix(item.ExpressZ, postfix) != 0) return;
  const PostfixProgram program = PostfixProgram::Compile(postfix);

  ImplicitGridSpec spec;
  spec.funForm = item.FunForm;
  spec.coordType = item.CoordType;
  spec.minU = item.MinU;
  spec.maxU = item.MaxU;
  spec.minV = item.MinV;
  spec.maxV = item.MaxV;
  // An animated item is drawn once for each of its frames 0 .. StepT: they share the cap.
  if (item.GraphType == GraphKind::Function2DAnim)
    spec.maxPoints = ImplicitFramePointCap(int64_t(steps) + 1);

  VarValues vars;
  if (item.GraphType == GraphKind::Function2DAnim) vars.T = t;
  ImplicitPlot plot;
  RowReuse reuse;  // the grid's rows share their values of the second coordinate
  {
    MessageOperation once;  // a domain error over a region shows its message once
    plot = PlotImplicitGrid(spec, [&](float c1, float c2) {
      if (polar) {
        vars.A = c1;
        vars.R = c2;
      } else {
        vars.X = c1;
        vars.Y = c2;
      }
      return SafeEvaluate(program, vars);
    }, [&](float c1, const float* c2, size_t n, float* out) {
      VarValues base = vars;
      if (polar)
        base.A = c1;
      else
        base.X = c1;
      return program.EvaluateRow(false, base, polar ? 'R' : 'Y', c2, n, out, &reuse);
    });
  }

  const double size = item.FunForm == FormKind::Implicit ? 2.0 : 3.0;
  double r = 0, g = 0, b = 0;
  ColorToUnitRGB(item.LineColor, r, g, b);
  {
    PointState state;
    GlApi& gl = Gl();
    // Every point takes the same size, set once: a size call between the points would end
    // the display list's run of vertices at each point, which costs several times the
    // memory and time of the points themselves. The picture is the same.
    if (!plot.points.empty()) SetGlPointSize(size);
    for (const ImplicitGridPoint& p : plot.points) {
      gl.glBegin(GL_POINTS);
      gl.glColor3d(r, g, b);
      gl.glVertex3d(p.x, p.y, 0);
      gl.glEnd();
    }
  }
  if (polar) {
    item.PolarPlotBox.MinX = plot.minX;
    item.PolarPlotBox.MaxX = plot.maxX;
    item.PolarPlotBox.MinY = plot.minY;
    item.PolarPlotBox.MaxY = plot.maxY;
  }
}

}  // namespace curvanta
