// Drawing a point as a marker: flat symbols in a 2D document, a sphere otherwise.
#pragma once

#include "graph/point.h"

namespace curvanta {

// The marker of p into the current GL state (in practice while a list compiles), by the
// document kind GraphMode: 1 draws p.Symbol (1 solid circle, 2 hollow circle, 3 square,
// 4 triangle, 5 diamond, 6 cross; others nothing) in the plane z = 0 with lighting off;
// 2 and 3 draw a sphere. Leaves the colour at p's, and the line width at p.Size for
// symbols 2 and 6; the matrix is restored.
void DrawPoint(const Point& p);

// The unit red, green and blue of a stored colour (red in the low byte), as drawn.
void ColorToUnitRGB(int32_t colour, double& red, double& green, double& blue);

}  // namespace curvanta
