// The field order of the graph, table and axes records, walked once by the writer and once
// by the reader so that the two cannot drift apart. A visitor gets every field in record
// order: the writer appends it as a token, the reader sets it from the next token.
#pragma once

#include <algorithm>
#include <cstdint>

#include "graph/graph_item.h"
#include "scene/axes_settings.h"

namespace curvanta {

// Format generations of the document text (the tens digit of the header code).
inline constexpr int kCurrentGeneration = 4;

// The program-wide animation settings an animated record carries.
struct RecordAnimation {
  int32_t frames = 0;
  int32_t speed = 0;
};

// A position list: its count, then entries 1..count.
template <class V, class Item, class Count, class Get, class Set>
void WalkPositions(V& v, Item& item, Count& count, Get get, Set set) {
  const int32_t n = v.Count(count, 0, kMaxPositions);
  for (int32_t j = 1; j <= n; ++j) v.Position(item, j, get, set);
}

// The graph record of the given generation (0 to 4). `animation` is what an animated
// record carries as frame count and speed.
template <class V, class Item>
void WalkGraphRecord(V& v, Item& item, int generation, RecordAnimation& animation) {
  v.Long(item.GraphType);
  v.Long(item.ID);
  v.Name(item.NameS);
  v.Long(item.CoordType);
  v.Text(item.ExpressX);
  v.Text(item.ExpressY);
  v.Text(item.ExpressZ);
  v.Long(item.StepU);
  v.Long(item.StepV);
  v.CleanSingle(item.MinU);
  v.CleanSingle(item.MaxU);
  v.CleanSingle(item.MinV);
  v.CleanSingle(item.MaxV);
  v.Long(item.FillStyle);
  v.Long(item.FirstColor);
  v.Long(item.SecondColor);
  v.Long(item.LineColor);
  v.Long(item.LineWidth);
  v.Long(item.Material);
  v.Long(item.Show);
  v.Long(item.Smoothness);
  if (generation == 0) return;
  v.Long(item.PointColor);
  v.PointSize(item.PointSize);
  v.Boolean(item.PointHollow);
  v.Boolean(item.Animation);
  if (item.Animation) {
    v.Single(item.MinT);
    v.Single(item.MaxT);
    v.Long(animation.frames);
    v.Long(animation.speed);
  }
  if (generation == 1) return;
  if (generation == 3) v.Long(item.FunForm);
  if (generation <= 3) {
    v.Boolean(item.ShowContour);
    v.Boolean(item.ShowVector);
    v.Boolean(item.ShowColormap);
    v.Long(item.contourlevel);
    return;
  }
  v.Long(item.FunForm);
  v.Boolean(item.Show2DCurve);
  v.Boolean(item.ShowInverse);
  v.Long(item.InvColor);
  v.Long(item.InvWidth);
  v.Boolean(item.ShowDev);
  v.Long(item.DevColor);
  v.Long(item.DevWidth);
  v.Boolean(item.ShowInt);
  v.Long(item.IntColor);
  v.Single(item.IntFrom);
  v.Single(item.IntTo);
  v.Boolean(item.ShowMax);
  v.Long(item.MaxColor);
  v.Long(item.MaxSize);
  v.Long(item.MaxSymbol);
  v.Boolean(item.ShowMin);
  v.Long(item.MinColor);
  v.Long(item.MinSize);
  v.Long(item.MinSymbol);
  v.Boolean(item.ShowGuai);
  v.Long(item.GuaiColor);
  v.Long(item.GuaiSize);
  v.Long(item.GuaiSymbol);
  v.Boolean(item.ShowJO);
  v.Long(item.JOColor);
  v.Long(item.JOWidth);
  v.Boolean(item.ShowRoot);
  v.Long(item.RootColor);
  v.Long(item.RootSize);
  v.Long(item.RootSymbol);
  v.Boolean(item.ShowCurv);
  v.Long(item.CurvColor);
  v.Long(item.CurvWidth);
  WalkPositions(v, item, item.CurvNum, &GraphItem::CurvX, &GraphItem::SetCurvX);
  v.Boolean(item.ShowLen);
  v.Single(item.LenFrom);
  v.Single(item.LenTo);
  v.Boolean(item.ShowQie);
  v.Long(item.QieColor);
  v.Long(item.QieWidth);
  WalkPositions(v, item, item.QieNum, &GraphItem::QieX, &GraphItem::SetQieX);
  v.Boolean(item.ShowNml);
  v.Long(item.NmlColor);
  v.Long(item.NmlWidth);
  WalkPositions(v, item, item.NmlNum, &GraphItem::NmlX, &GraphItem::SetNmlX);
  v.Boolean(item.ShowStep);
  v.Long(item.StepColor);
  v.Long(item.StepWidth);
  v.Boolean(item.ShowStem);
  v.Long(item.StemHeadColor);
  v.Long(item.StemHeadSize);
  v.Long(item.StemHeadSymbol);
  v.Long(item.StemBodyColor);
  v.Long(item.StemBodyWidth);
  v.Text(item.Exp2);
  v.Long(item.Color2);
  v.Long(item.Width2);
  v.Boolean(item.ShowInter);
  v.Long(item.InterColor);
  v.Long(item.InterSize);
  v.Long(item.InterSymbol);
  v.Boolean(item.ShowArea);
  v.Long(item.AreaColor);
  v.Boolean(item.ShowContour);
  v.Boolean(item.ShowVector);
  v.Boolean(item.ShowColormap);
  v.Long(item.contourlevel);
}

// The table record of generation 3 (no display fields) or 4. The item is not const:
// reaching a point the table lacks creates it.
template <class V>
void WalkTableRecord(V& v, GraphItem& item, int generation) {
  v.Long(item.GraphType);
  v.Long(item.ID);
  v.Name(item.NameS);
  v.StrictLong(item.LineColor);
  v.StrictLong(item.LineWidth);
  v.Long(item.FillStyle);
  v.Long(item.FirstColor);
  v.Long(item.SecondColor);
  v.Long(item.Material);
  v.Long(item.Show);
  v.Long(item.Smoothness);
  const int32_t rows = v.Count(item.StepU, 0, kTableUpper);
  const int32_t columns = v.Count(item.StepV, 0, kTableUpper);
  for (int32_t i = 0; i <= rows; ++i) {
    for (int32_t j = 0; j <= columns; ++j) {
      Point& p = *item.VertTab3D(i, j);
      v.CleanSingle(p.x);
      v.CleanSingle(p.y);
      v.CleanSingle(p.z);
    }
  }
  if (generation < 4) return;
  v.Boolean(item.Show2DLine);
  v.Boolean(item.Show2DScatter);
  v.Boolean(item.ShowSmoothCurve);
  v.Long(item.ScatterSize);
  v.Long(item.ScatterColor);
  v.Long(item.SmoothCurveColor);
  v.Long(item.SmoothCurveWidth);
  v.Long(item.Symbol);
}

// The 27 fields of a shown coordinate system after its Show token.
template <class V, class Axes>
void WalkAxesFields(V& v, Axes& a) {
  v.Boolean(a.ShowXYPanel);
  v.Boolean(a.ShowXZPanel);
  v.Boolean(a.ShowYZPanel);
  v.Boolean(a.ShowXYXGrid);
  v.Boolean(a.ShowXYYGrid);
  v.Boolean(a.ShowXZXGrid);
  v.Boolean(a.ShowXZZGrid);
  v.Boolean(a.ShowYZYGrid);
  v.Boolean(a.ShowYZZGrid);
  v.Long(a.LabelNumX);
  v.Long(a.LabelNumY);
  v.Long(a.LabelNumZ);
  v.Name(a.TitleX);
  v.Name(a.TitleY);
  v.Name(a.TitleZ);
  v.Long(a.XYPanelColor);
  v.Long(a.XZPanelColor);
  v.Long(a.YZPanelColor);
  v.Long(a.XYGridColor);
  v.Long(a.XZGridColor);
  v.Long(a.YZGridColor);
  v.Long(a.XYPanelMaterial);
  v.Long(a.XZPanelMaterial);
  v.Long(a.YZPanelMaterial);
  v.Long(a.AxisColor);
  v.Long(a.AxisWidth);
  v.Boolean(a.BetterFonts);
}

}  // namespace curvanta
