// Fuzz target: sampling a graph item whose kind, coordinates, form, ranges, step counts and
// texts come from the fuzzer (step counts kept small), then taking its box.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/globals.h"
#include "fuzz_input.h"
#include "graph/graph_item.h"

using namespace curvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4000) return 0;
  FuzzInput in(data, size);
  static const int32_t kKinds[] = {
      GraphKind::Function2D,    GraphKind::Curve3D,     GraphKind::Surface3D,
      GraphKind::Strip25D,      GraphKind::Point,       GraphKind::PointAnim,
      GraphKind::Function2DAnim, GraphKind::Strip25DAnim, GraphKind::Curve3DAnim,
      GraphKind::Surface3DAnim, GraphKind::ColorMap,    GraphKind::ContourMap,
      GraphKind::VectorField,   GraphKind::TwoCurves,   GraphKind::RevolutionX,
      GraphKind::RevolutionY,   GraphKind::StepStem};
  ResetGlobals();
  GraphItem g;
  g.GraphType = kKinds[in.Below(sizeof kKinds / sizeof kKinds[0])];
  g.CoordType = int32_t(in.Below(7));        // 0..6: the five systems and two unknown codes
  g.FunForm = int32_t(in.Below(6));          // 0..5
  g.StepU = int32_t(in.Below(40)) - 2;       // a few out-of-range counts too
  g.StepV = int32_t(in.Below(40)) - 2;
  AnimFrameCount = int32_t(in.Below(6)) + 1;
  g.Animation = in.Byte() & 1;
  g.MinU = in.Float();
  g.MaxU = in.Float();
  g.MinV = in.Float();
  g.MaxV = in.Float();
  g.MinT = in.Float();
  g.MaxT = in.Float();
  g.ExpressX = in.Line();
  g.ExpressY = in.Line();
  g.ExpressZ = in.Line();
  g.Exp2 = in.Line();
  if (g.GetPoints()) (void)g.GetBox();
  return 0;
}
