// The commands that add a step plot ("阶梯图") or a stem plot ("火柴杆图").
#pragma once

#include "common/document_host.h"

namespace curvanta {

void mnuDrawStep_Click(DocumentHost& host);
void mnuDrawHcg_Click(DocumentHost& host);

}  // namespace curvanta
