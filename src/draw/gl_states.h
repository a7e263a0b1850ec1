// The two OpenGL states in which plane lines and points are drawn, as scopes that leave
// the state on every way out, and the colour and width helpers of the drawing.
#pragma once

#include <cstdint>

#include "common/gl_api.h"

namespace curvanta {

// glColor3d of a stored colour.
void SetGlColour(int32_t color);
// glLineWidth / glPointSize of an item's width or size, never below 1.
void SetGlLineWidth(double width);
void SetGlPointSize(double size);

// Unlit, smoothed, blended lines.
class LineState {
 public:
  LineState();
  ~LineState();
  LineState(const LineState&) = delete;
  LineState& operator=(const LineState&) = delete;
};

// Unlit, smoothed, blended points.
class PointState {
 public:
  PointState();
  ~PointState();
  PointState(const PointState&) = delete;
  PointState& operator=(const PointState&) = delete;
};

// One GL_LINES piece from (x1, y1, z1) to (x2, y2, z2).
void DrawLinePiece(double x1, double y1, double z1, double x2, double y2, double z2);

}  // namespace curvanta
