// The 2D function branch of the drawing: the report heading, explicit and parametric
// curves with their inverse, step, stem and parity overlays and the analysis; implicit and
// inequality forms go to their point plots.
#pragma once

#include <cstdint>
#include <string>

namespace curvanta {

class ExpressionEngine;
class GraphItem;

// Draws a GraphType 0, 9, 20 or 23 item of frame lngAnimStep and appends its report
// (heading first) to `report`.
void DrawPlaneFunction(GraphItem& item, int32_t lngAnimStep, ExpressionEngine& evaluator, std::string& report);

}  // namespace curvanta
