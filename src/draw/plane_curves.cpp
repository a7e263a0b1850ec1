// 2D function curves: curve, inverse, step plot, stems, parity curve and the analysis.
#include "draw/plane_curves.h"

#include <algorithm>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "draw/gl_states.h"
#include "draw/implicit_plot.h"
#include "draw/item_plane_functions.h"
#include "draw/plane_analysis.h"
#include "draw/report_builder.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"
#include "scene/point_draw.h"

namespace curvanta {

namespace {

// At most 50 positions of a list, a negative count counting as none.
std::vector<float> Positions(const GraphItem& item, int32_t count, float (GraphItem::*at)(int32_t) const) {
  std::vector<float> out;
  const int32_t n = std::clamp(count, 0, kMaxPositions);
  for (int32_t k = 1; k <= n; ++k) out.push_back((item.*at)(k));
  return out;
}

std::vector<PlanePoint> Samples(const PointGrid& grid, int32_t stepV) {
  std::vector<PlanePoint> out;
  if (stepV < 0 || !grid.Covers(2, 0, stepV)) return out;
  for (int32_t j = 0; j <= stepV; ++j) out.push_back({grid.Get(0, j).x, grid.Get(0, j).y});
  return out;
}

bool AnyAnalysis(const GraphItem& i) {
  return i.ShowDev || i.ShowQie || i.ShowNml || i.ShowMax || i.ShowLen || i.ShowMin ||
         i.ShowCurv || i.ShowGuai;
}

float FrameT(const GraphItem& item, int32_t frame) {
  const int32_t steps = item.StepT() > 0 ? item.StepT() : 1;
  return static_cast<float>(double(item.MinT) +
                            double(frame) * (double(item.MaxT) - double(item.MinT)) / steps);
}

void Analyse(GraphItem& item, int32_t frame, ExpressionEngine& evaluator, ReportBuilder& report) {
  PlaneAnalysisOptions o;
  o.graphType = item.GraphType;
  o.coordType = item.CoordType;
  o.funForm = item.FunForm;
  o.boxMinX = item.BoxMinX;
  o.boxMaxX = item.BoxMaxX;
  if (SectionsFor(item.GraphType, item.FunForm, item.CoordType).extrema) {
    o.dev1 = Samples(item.VertDevGrid(), item.StepV);
    o.dev2 = Samples(item.VertDev2Grid(), item.StepV);
  }
  o.showMax = item.ShowMax;
  o.showMin = item.ShowMin;
  o.showLen = item.ShowLen;
  o.showQie = item.ShowQie;
  o.showNml = item.ShowNml;
  o.showGuai = item.ShowGuai;
  o.showCurv = item.ShowCurv;
  o.maxLook = {item.MaxColor, item.MaxSize, item.MaxSymbol};
  o.minLook = {item.MinColor, item.MinSize, item.MinSymbol};
  o.guaiLook = {item.GuaiColor, item.GuaiSize, item.GuaiSymbol};
  o.qieLook = {item.QieColor, item.QieWidth};
  o.nmlLook = {item.NmlColor, item.NmlWidth};
  o.curvLook = {item.CurvColor, item.CurvWidth};
  o.lenFrom = item.LenFrom;
  o.lenTo = item.LenTo;
  o.qieX = Positions(item, item.QieNum, &GraphItem::QieX);
  o.nmlX = Positions(item, item.NmlNum, &GraphItem::NmlX);
  o.curvX = Positions(item, item.CurvNum, &GraphItem::CurvX);

  ItemPlaneFunctions functions(item, evaluator, FrameT(item, frame));
  std::vector<PlaneDrawOp> ops;
  {
    MessageOperation once;
    RunPlaneAnalysis(o, functions, report, ops);
  }
  Point marker;
  for (const PlaneDrawOp& op : ops) {
    if (op.kind == PlaneDrawOp::Kind::Line) {
      SetGlColour(op.color);
      SetGlLineWidth(op.widthOrSize);
      DrawLinePiece(op.x1, op.y1, 0, op.x2, op.y2, 0);
    } else {
      marker.x = static_cast<float>(op.x1);
      marker.y = static_cast<float>(op.y1);
      marker.z = 0;
      marker.Color = op.color;
      marker.Symbol = op.symbol;
      marker.Size = static_cast<float>(op.widthOrSize);
      DrawPoint(marker);
    }
  }
}

}  // namespace

void DrawPlaneFunction(GraphItem& item, int32_t lngAnimStep, ExpressionEngine& evaluator, std::string& text) {
  ReportBuilder report(text);
  report.Heading(item.ExpressZ);
  if (item.FunForm == FormKind::Implicit || item.FunForm == FormKind::Inequality) {
    DrawImplicitPlot(item, lngAnimStep, evaluator);
    return;
  }
  if (item.FunForm != FormKind::Explicit && item.FunForm != FormKind::Parametric) return;

  const bool animated = item.GraphType == GraphKind::Function2DAnim;
  const bool stepStem = item.GraphType == GraphKind::StepStem;
  const int32_t n = item.StepV;
  auto sample = [&](int32_t j) -> const Point& {
    return animated ? item.Anim2D(j, lngAnimStep) : item.Vert3DGrid().Get(0, j);
  };

  LineState lines;
  SetGlLineWidth(item.LineWidth);
  for (int32_t j = 0; j < n; ++j) {
    const Point& p = sample(j);
    const Point& q = sample(j + 1);
    if (item.Show2DCurve) {
      SetGlColour(item.LineColor);
      SetGlLineWidth(item.LineWidth);
      DrawLinePiece(p.x, p.y, p.z, q.x, q.y, q.z);
    }
    if (item.ShowInverse) {
      SetGlColour(item.InvColor);
      SetGlLineWidth(item.InvWidth);
      DrawLinePiece(p.y, p.x, p.z, q.y, q.x, q.z);
    }
    if (stepStem && item.ShowStep) {
      SetGlColour(item.StepColor);
      SetGlLineWidth(item.StepWidth);
      DrawLinePiece(p.x, p.y, 0, p.x, q.y, 0);
      DrawLinePiece(p.x, q.y, 0, q.x, q.y, 0);
    }
  }
  if (item.ShowRoot) report.EmptyLine();
  if (stepStem && item.ShowStem) {
    Point head;
    for (int32_t j = 0; j <= n; ++j) {
      const Point& p = sample(j);
      SetGlColour(item.StemBodyColor);
      SetGlLineWidth(item.StemBodyWidth);
      DrawLinePiece(p.x, p.y, 0, p.x, 0, 0);
      head.x = p.x;
      head.y = p.y;
      head.z = 0;
      head.Color = item.StemHeadColor;
      head.Symbol = item.StemHeadSymbol;
      head.Size = static_cast<float>(item.StemHeadSize);
      DrawPoint(head);
    }
  }
  // The parity curve exists for plain 2D functions only.
  if (item.ShowJO && item.GraphType == GraphKind::Function2D) {
    SetGlColour(item.JOColor);
    SetGlLineWidth(item.JOWidth);
    for (int32_t j = 0; j < n; ++j) {
      const Point& p = item.VertJO(0, j);
      const Point& q = item.VertJO(0, j + 1);
      DrawLinePiece(p.x, p.y, p.z, q.x, q.y, q.z);
    }
  }
  if (AnyAnalysis(item)) Analyse(item, lngAnimStep, evaluator, report);
}

}  // namespace curvanta
