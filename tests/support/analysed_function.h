// A 2D function with every analysis option shown (extrema, inflections, tangents, normals,
// curvature circles, arc length, inverse, derivative and parity curves): the heaviest still
// 2D item, shared by the drawing tests and the benchmarks.
#pragma once

#include <cstdint>
#include <memory>

#include "graph/graph_item.h"

namespace curvanta {

// y = x*sin(x)+x^2/10 on [minX, maxX] in `segments` segments, with `positions` tangents,
// normals and curvature circles spread evenly over the range and the arc length measured over
// its middle half.
inline std::shared_ptr<GraphItem> AnalysedFunction(int32_t id, int32_t segments, float minX,
                                                   float maxX, int32_t positions) {
  auto item = GraphItem::Init(id, "", GraphKind::Function2D, CoordKind::Plane, "0", "x",
                              "x*sin(x)+x^2/10", 1, segments, 0, 1, minX, maxX, 4, 0, 0, 255, 2,
                              4, 2, 2, false, false, false, 0);
  GraphItem& g = *item;
  g.FunForm = FormKind::Explicit;
  g.Show2DCurve = g.ShowInverse = g.ShowDev = g.ShowJO = g.ShowRoot = true;
  g.ShowMax = g.ShowMin = g.ShowGuai = g.ShowLen = true;
  g.ShowQie = g.ShowNml = g.ShowCurv = true;
  g.MaxSize = g.MinSize = g.GuaiSize = 3;
  g.MaxSymbol = g.MinSymbol = g.GuaiSymbol = 1;
  g.QieWidth = g.NmlWidth = g.CurvWidth = g.InvWidth = g.JOWidth = 1;
  g.LenFrom = minX / 2;
  g.LenTo = maxX / 2;
  g.QieNum = g.NmlNum = g.CurvNum = positions;
  const float step = (maxX - minX) / float(positions + 1);
  for (int32_t k = 1; k <= positions; ++k) {
    const float x = minX + step * float(k);
    g.SetQieX(k, x);
    g.SetNmlX(k, x + step / 4);
    g.SetCurvX(k, x - step / 4);
  }
  return item;
}

}  // namespace curvanta
