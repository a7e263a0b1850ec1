// CPU cost of a lit smooth 200 x 200 surface: its sampling against its drawing (normals,
// colours and every GL call, into a layer that only counts the calls).
#include <benchmark/benchmark.h>

#include <memory>

#include "common/gl_api.h"
#include "common/globals.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

// Counts the calls of the cells and does nothing else.
class CountingGl : public curvanta::NullGl {
 public:
  void glBegin(GLenum) override { ++calls; }
  void glEnd() override { ++calls; }
  void glVertex3d(GLdouble, GLdouble, GLdouble) override { ++calls; }
  void glNormal3d(GLdouble, GLdouble, GLdouble) override { ++calls; }
  void glColor3d(GLdouble, GLdouble, GLdouble) override { ++calls; }
  long calls = 0;
};

std::shared_ptr<GraphItem> LitSurface() {
  auto item = GraphItem::Init(1, "", GraphKind::Surface3D, CoordKind::Cartesian3D, "x", "y",
                              "sin(x)*cos(y)+x*y/8", 200, 200, -3, 3, -3, 3,
                              FillKind::GradientY, 255, 16711680, 0, 1, 3, ShowKind::Surface,
                              SmoothKind::Smoothest, false, false, false, 0);
  item->FunForm = FormKind::Explicit;
  return item;
}

void BM_Surface200Sampling(benchmark::State& state) {
  ResetGlobals();
  GraphMode = 3;
  auto item = LitSurface();
  for (auto _ : state) {
    if (!item->GetPoints()) {
      state.SkipWithError("sampling failed");
      return;
    }
  }
}
BENCHMARK(BM_Surface200Sampling)->Unit(benchmark::kMillisecond);

void BM_Surface200Drawing(benchmark::State& state) {
  ResetGlobals();
  GraphMode = 3;
  auto item = LitSurface();
  if (!item->GetPoints()) {
    state.SkipWithError("sampling failed");
    return;
  }
  CountingGl gl;
  curvanta::ScopedGl guard(&gl);
  for (auto _ : state) curvanta::DrawGraphItem(*item);
  state.counters["gl_calls"] = double(gl.calls) / double(state.iterations());
}
BENCHMARK(BM_Surface200Drawing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
