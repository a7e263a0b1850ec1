// Filling the 2D function dialog from a graph.
#include "dialogs/function/function_2d_edit_fill.h"

#include <algorithm>
#include <string>

#include "common/number_text.h"

namespace curvanta {

std::string ListNumberText(int32_t value) { return value == 0 ? "" : std::to_string(value); }

namespace {

// A symbol list shows symbol n at position n - 1; 0 (none chosen) and values outside the
// list select nothing.
int SymbolPosition(int32_t symbol) {
  const auto count = static_cast<int32_t>(kFunction2DSymbolItems.size());
  return symbol >= 1 && symbol <= count ? symbol - 1 : -1;
}

void FillLine(Function2DLineOption& option, bool show, int32_t colour, int32_t width) {
  option = {show, colour, ListNumberText(width)};
}

void FillMarker(Function2DMarkerOption& option, bool show, int32_t colour, int32_t size,
                int32_t symbol) {
  option = {show, colour, SymbolPosition(symbol), ListNumberText(size)};
}

void FillPositions(Function2DPositionList& list, int32_t count, float (GraphItem::*at)(int32_t) const,
                   const GraphItem& g) {
  list = Function2DPositionList{};
  const int32_t shown = std::clamp<int32_t>(count, 0, kMaxPositions);
  for (int32_t i = 1; i <= shown; ++i) list.entries.push_back(FormatFieldSingle((g.*at)(i)));
}

}  // namespace

std::optional<Function2DDialogState> Function2DEditFill(const GraphItem& g,
                                                        int32_t animFrameCount) {
  // The form list's position of each stored form: explicit, parametric, implicit, inequality.
  int formIndex = -1;
  switch (g.FunForm) {
    case 2: formIndex = 0; break;
    case 3: formIndex = 1; break;
    case 1: formIndex = 2; break;
    case 4: formIndex = 3; break;
    default: return std::nullopt;
  }
  Function2DDialogState s = NewFunction2DDialogState();
  s.caption = "二维函数图形属性";  // also for an animated graph
  s.animated = g.GraphType == GraphKind::Function2DAnim;
  s.formIndex = formIndex;
  // Captions by form; a system outside the list takes the polar ones.
  if (auto view = Function2DDefinitionViewFor(g.CoordType == 1 ? 0 : 1, formIndex, s.animated)) {
    s.captions = view->captions;
    s.rows = view->rows;
  }
  if (s.animated) {
    s.segmentsTEditable = false;
    s.minT = FormatFieldSingle(g.MinT);
    s.maxT = FormatFieldSingle(g.MaxT);
    s.segmentsT = std::to_string(animFrameCount);
  }
  s.name = g.NameS;
  s.coordIndex = g.CoordType - 1;
  ApplyCoordinateSystem(s);

  const bool curve = g.FunForm == 2 || g.FunForm == 3;
  if (g.FunForm == 3) {
    s.expression = g.ExpressY;
    s.secondExpression = g.ExpressZ;
  } else {
    s.expression = g.ExpressZ;
  }
  if (curve) {
    s.minX = FormatFieldSingle(g.MinV);
    s.maxX = FormatFieldSingle(g.MaxV);
    s.segmentsX = std::to_string(g.StepV);
  } else {
    s.minX = FormatFieldSingle(g.MinU);
    s.maxX = FormatFieldSingle(g.MaxU);
    s.minY = FormatFieldSingle(g.MinV);
    s.maxY = FormatFieldSingle(g.MaxV);
  }

  // The curve and every analysis option, in every form and mode, so that nothing the graph
  // holds is lost by an unchanged OK.
  FillLine(s.curve, g.Show2DCurve, g.LineColor, g.LineWidth);
  FillLine(s.inverse, g.ShowInverse, g.InvColor, g.InvWidth);
  FillLine(s.derivative, g.ShowDev, g.DevColor, g.DevWidth);
  s.integral = {g.ShowInt, g.IntColor, FormatFieldSingle(g.IntFrom), FormatFieldSingle(g.IntTo)};
  FillMarker(s.maxima, g.ShowMax, g.MaxColor, g.MaxSize, g.MaxSymbol);
  FillMarker(s.minima, g.ShowMin, g.MinColor, g.MinSize, g.MinSymbol);
  FillMarker(s.inflections, g.ShowGuai, g.GuaiColor, g.GuaiSize, g.GuaiSymbol);
  FillLine(s.parity, g.ShowJO, g.JOColor, g.JOWidth);
  FillMarker(s.roots, g.ShowRoot, g.RootColor, g.RootSize, g.RootSymbol);
  FillLine(s.curvature, g.ShowCurv, g.CurvColor, g.CurvWidth);
  FillPositions(s.curvaturePositions, g.CurvNum, &GraphItem::CurvX, g);
  s.arcLength = {g.ShowLen, 0, FormatFieldSingle(g.LenFrom), FormatFieldSingle(g.LenTo)};
  FillLine(s.tangent, g.ShowQie, g.QieColor, g.QieWidth);
  FillPositions(s.tangentPositions, g.QieNum, &GraphItem::QieX, g);
  FillLine(s.normal, g.ShowNml, g.NmlColor, g.NmlWidth);
  FillPositions(s.normalPositions, g.NmlNum, &GraphItem::NmlX, g);
  return s;
}

}  // namespace curvanta
