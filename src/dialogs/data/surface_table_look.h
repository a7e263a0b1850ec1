// The colour, material and appearance pages that the 2.5D and 3D table dialogs share: the
// fill option with its three swatches, the material list and the model and smoothness
// options, with what OK stores and what an edit fills back.
#pragma once

#include <cstdint>

#include "graph/graph_item.h"
#include "scene/material.h"

namespace curvanta {


struct SurfaceTableLook {
  // The fill option chosen, by its FillStyle code: 1 "从左到右渐变", 3 "从上到下渐变",
  // 2 "从前到后渐变", 4 "单色".
  int32_t fillStyle = FillKind::GradientY;
  int32_t firstColour = 255;        // swatch "第一种颜色"
  int32_t secondColour = 0xFF0000;  // swatch "第二种颜色"
  int32_t singleColour = 255;       // swatch of "单色"
  int32_t materialIndex = 3;        // position in the material list: "Metal"
  int32_t model = ShowKind::Surface;            // "顶点模型", "线框模型", "曲面模型": Show 1..3
  int32_t smoothness = SmoothKind::Smoothest;   // "刻面", "平滑", "最平滑": 1..3
};

// Stores the look in a table item: FillStyle, FirstColor (the first swatch's colour in every
// fill), SecondColor (the second swatch's, or the single colour's for "单色"), Material,
// Show and Smoothness.
void ApplySurfaceLook(const SurfaceTableLook& look, GraphItem& item);

// The look shown for an edit: the item's codes where an option or list entry shows them
// (others keep the defaults), the first swatch FirstColor, the other two SecondColor.
SurfaceTableLook SurfaceLookOf(const GraphItem& item);

}  // namespace curvanta
