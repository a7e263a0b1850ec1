// The commands that add a 2D function graph or a 2D animation through the 2D function
// dialog, and the curve-intersection entry of the special graphs.
#pragma once

#include "common/document_host.h"

namespace curvanta {

void mnuDraw2DCart_Click(curvanta::DocumentHost& host);
void mnuDraw2DPolar_Click(curvanta::DocumentHost& host);
void mnuAniCur2DCart_Click(curvanta::DocumentHost& host);
void mnuAniCur2DPol_Click(curvanta::DocumentHost& host);
// "二维曲线相交": opens nothing.
void mnuDrawIP_Click();

}  // namespace curvanta
