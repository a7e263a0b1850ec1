// The parts of a graph item that its list line is made of.
#pragma once

#include "commands/list_lines.h"
#include "graph/graph_item.h"

namespace curvanta {

inline ListLineFields ListLineFieldsOf(const GraphItem& g) {
  ListLineFields f;
  f.GraphType = g.GraphType;
  f.CoordType = g.CoordType;
  f.FunForm = g.FunForm;
  f.ExpressX = g.ExpressX;
  f.ExpressY = g.ExpressY;
  f.ExpressZ = g.ExpressZ;
  f.Exp2 = g.Exp2;
  f.NameS = g.NameS;
  f.ShowStep = g.ShowStep;
  f.ShowStem = g.ShowStem;
  return f;
}

}  // namespace curvanta
