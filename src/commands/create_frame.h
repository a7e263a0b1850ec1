// The frame shared by the commands that add a graph: the animated prelude before the
// dialog, and after it the view rotation, the new list line and its check.
#pragma once

#include <cstdint>

#include "common/document_host.h"
#include "graph/list_lines.h"

namespace curvanta {

// Before an animated graph's dialog: one-sided light (2.5D and 3D only), EditMode False,
// simple axis fonts, frame count and speed from the animation option fields (taken into
// 1..1000) and the timer interval from the speed.
void AnimatedPrelude(curvanta::DocumentHost& host, bool oneSidedLight);

// After the dialog: when DocScene grew past `countBefore`, sets the view rotation, appends
// the new graph's line and checks it (which shows the graph). The line follows `kind`; a
// graph it has no text for gets the loader's, so every graph has a line.
void FinishCreate(curvanta::CreateKind kind, int32_t countBefore, float roll, float pitch,
                  float yaw, curvanta::DocumentHost& host);

}  // namespace curvanta
