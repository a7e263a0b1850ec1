// The commands that add a 2.5D strip or a 2.5D animation through the strip dialog.
#pragma once

#include "common/document_host.h"

namespace curvanta {

void mnuDraw25DCart_Click(DocumentHost& host);
void mnuDraw25DPolar_Click(DocumentHost& host);
void mnuAni25DCurCart_Click(DocumentHost& host);
void mnuAni25DCurPol_Click(DocumentHost& host);

}  // namespace curvanta
