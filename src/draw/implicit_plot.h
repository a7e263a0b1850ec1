// The implicit "F = 0" and inequality "F < 0" plots of 2D function items: the relation is
// evaluated on the grid of the item's domain and a point is plotted where it holds.
#pragma once

#include <cstdint>

namespace curvanta {

class ExpressionEngine;
class GraphItem;

// Parses ExpressZ with the drawing's evaluator and plots the grid points in LineColor.
// A polar item keeps the extent of the plotted points in its PolarPlotBox. Messages of
// the evaluations are shown once each per plot.
void DrawImplicitPlot(GraphItem& item, int32_t lngAnimStep, ExpressionEngine& evaluator);

}  // namespace curvanta
