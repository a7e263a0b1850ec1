// Whether a point is as a new one: at the origin with every field at its default. Field by
// field: the bytes between its flags and its symbol are padding of any value.
#pragma once

#include "graph/point.h"

inline bool IsNewPoint(const curvanta::Point& p) {
  const curvanta::Point fresh;
  return p.x == fresh.x && p.y == fresh.y && p.z == fresh.z && p.Color == fresh.Color &&
         p.Size == fresh.Size && p.Hollow == fresh.Hollow && p.Show == fresh.Show &&
         p.Symbol == fresh.Symbol;
}
