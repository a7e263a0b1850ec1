// The commands that add a point ("绘图" > "点") or an animated point ("动画" > "点动画").
#pragma once

#include "common/document_host.h"

namespace curvanta {

void mnuDrawPoint_Click(DocumentHost& host);
void mnuAniPoint_Click(DocumentHost& host);

}  // namespace curvanta
