// The commands that add a 3D curve or surface, still or animated, through the 3D function
// dialog, in Cartesian, cylindrical or spherical coordinates.
#pragma once

#include "common/document_host.h"

namespace curvanta {

void mnuDraw3DCart_Click(DocumentHost& host);
void mnuDraw3DCyl_Click(DocumentHost& host);
void mnuDraw3DSph_Click(DocumentHost& host);
void mnuAniSurCart_Click(DocumentHost& host);
void mnuAniSurCyl_Click(DocumentHost& host);
void mnuAniSurSph_Click(DocumentHost& host);

}  // namespace curvanta
