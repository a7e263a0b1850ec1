// What the point and step dialogs' OK needs from the layer that opens them: the text of an
// edited graph's list line (the list texts live with the commands).
#pragma once

#include <functional>
#include <string>

#include "graph/graph_item.h"

namespace curvanta {

using EditLineText = std::function<std::string(const GraphItem&)>;

}  // namespace curvanta
