// Compares every setting a dialog can give a graph: the names of the properties in which
// two graphs differ (empty when they are equal). Identity, samples and table cells are not
// compared.
#pragma once

#include <string>
#include <vector>

#include "graph/graph_item.h"

inline std::vector<std::string> SettingsDiff(const curvanta::GraphItem& a,
                                             const curvanta::GraphItem& b) {
  std::vector<std::string> diff;
#define CURVANTA_SAME(p) \
  if (!(a.p == b.p)) diff.push_back(#p)
  CURVANTA_SAME(NameS); CURVANTA_SAME(GraphType); CURVANTA_SAME(CoordType);
  CURVANTA_SAME(ExpressX); CURVANTA_SAME(ExpressY); CURVANTA_SAME(ExpressZ);
  CURVANTA_SAME(StepU); CURVANTA_SAME(StepV); CURVANTA_SAME(MinU); CURVANTA_SAME(MaxU);
  CURVANTA_SAME(MinV); CURVANTA_SAME(MaxV); CURVANTA_SAME(FillStyle); CURVANTA_SAME(FirstColor);
  CURVANTA_SAME(SecondColor); CURVANTA_SAME(LineColor); CURVANTA_SAME(LineWidth);
  CURVANTA_SAME(Material); CURVANTA_SAME(Show); CURVANTA_SAME(Smoothness);
  CURVANTA_SAME(PointColor); CURVANTA_SAME(PointSize); CURVANTA_SAME(PointHollow);
  CURVANTA_SAME(Animation); CURVANTA_SAME(MinT); CURVANTA_SAME(MaxT);
  CURVANTA_SAME(ShowContour); CURVANTA_SAME(ShowVector); CURVANTA_SAME(ShowColormap);
  CURVANTA_SAME(contourlevel); CURVANTA_SAME(FunForm);
  CURVANTA_SAME(Show2DCurve); CURVANTA_SAME(ShowInverse); CURVANTA_SAME(InvColor);
  CURVANTA_SAME(InvWidth); CURVANTA_SAME(ShowDev); CURVANTA_SAME(DevColor);
  CURVANTA_SAME(DevWidth); CURVANTA_SAME(ShowInt); CURVANTA_SAME(IntColor);
  CURVANTA_SAME(IntFrom); CURVANTA_SAME(IntTo); CURVANTA_SAME(ShowMax); CURVANTA_SAME(MaxColor);
  CURVANTA_SAME(MaxSize); CURVANTA_SAME(MaxSymbol); CURVANTA_SAME(ShowMin);
  CURVANTA_SAME(MinColor); CURVANTA_SAME(MinSize); CURVANTA_SAME(MinSymbol);
  CURVANTA_SAME(ShowGuai); CURVANTA_SAME(GuaiColor); CURVANTA_SAME(GuaiSize);
  CURVANTA_SAME(GuaiSymbol); CURVANTA_SAME(ShowJO); CURVANTA_SAME(JOColor);
  CURVANTA_SAME(JOWidth); CURVANTA_SAME(ShowRoot); CURVANTA_SAME(RootColor);
  CURVANTA_SAME(RootSize); CURVANTA_SAME(RootSymbol); CURVANTA_SAME(ShowCurv);
  CURVANTA_SAME(CurvColor); CURVANTA_SAME(CurvWidth); CURVANTA_SAME(CurvNum);
  CURVANTA_SAME(ShowLen); CURVANTA_SAME(LenFrom); CURVANTA_SAME(LenTo); CURVANTA_SAME(ShowQie);
  CURVANTA_SAME(QieColor); CURVANTA_SAME(QieWidth); CURVANTA_SAME(QieNum);
  CURVANTA_SAME(ShowNml); CURVANTA_SAME(NmlColor); CURVANTA_SAME(NmlWidth);
  CURVANTA_SAME(NmlNum); CURVANTA_SAME(ShowStep); CURVANTA_SAME(StepColor);
  CURVANTA_SAME(StepWidth); CURVANTA_SAME(ShowStem); CURVANTA_SAME(StemHeadColor);
  CURVANTA_SAME(StemHeadSize); CURVANTA_SAME(StemHeadSymbol); CURVANTA_SAME(StemBodyColor);
  CURVANTA_SAME(StemBodyWidth); CURVANTA_SAME(Exp2); CURVANTA_SAME(Color2);
  CURVANTA_SAME(Show2DLine); CURVANTA_SAME(Show2DScatter); CURVANTA_SAME(ShowSmoothCurve);
  CURVANTA_SAME(ScatterSize); CURVANTA_SAME(ScatterColor); CURVANTA_SAME(SmoothCurveColor);
  CURVANTA_SAME(SmoothCurveWidth); CURVANTA_SAME(Symbol);
#undef CURVANTA_SAME
  // Positions in use (beyond its count a list's values are never read).
  for (int32_t i = 1; i <= a.CurvNum && i <= curvanta::kMaxPositions; ++i)
    if (a.CurvX(i) != b.CurvX(i)) diff.push_back("CurvX(" + std::to_string(i) + ")");
  for (int32_t i = 1; i <= a.QieNum && i <= curvanta::kMaxPositions; ++i)
    if (a.QieX(i) != b.QieX(i)) diff.push_back("QieX(" + std::to_string(i) + ")");
  for (int32_t i = 1; i <= a.NmlNum && i <= curvanta::kMaxPositions; ++i)
    if (a.NmlX(i) != b.NmlX(i)) diff.push_back("NmlX(" + std::to_string(i) + ")");
  return diff;
}
