// CPU cost of compiling the drawing of graph items, measured with a GL layer that only
// counts the calls: a 2D function with every analysis option on, and an implicit plot on a
// 201 x 201 grid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "common/gl_api.h"
#include "common/globals.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"
#include "scene/scene_frame.h"
#include "scene/scene_globals.h"
#include "support/analysed_function.h"

using namespace curvanta;

namespace {

// Counts the calls and does nothing else.
class CountingGl : public curvanta::NullGl {
 public:
  void glBegin(GLenum) override { ++primitives; }
  void glVertex3d(GLdouble, GLdouble, GLdouble) override { ++vertices; }
  // Hands out list numbers so that compiles go ahead as in a real context.
  GLuint glGenLists(GLsizei range) override {
    GLuint first = nextList;
    nextList += GLuint(range);
    return first;
  }
  GLuint nextList = 1;
  long primitives = 0;
  long vertices = 0;
};

// Pitch 1/40 over [-2.5, 2.5] in x and y: 201 x 201 grid points.
std::shared_ptr<GraphItem> ImplicitPlot() {
  auto item = GraphItem::Init(1, "", GraphKind::Function2D, CoordKind::Plane, "0", "x",
                         "x^2+y^2-4+sin(3*x)*0.3", 0, 0, -2.5f, 2.5f, -2.5f, 2.5f, 4, 0, 0, 255,
                         2, 4, 2, 2, false, false, false, 0);
  item->FunForm = FormKind::Implicit;
  return item;
}

// Draws one sampled item over and over; `counter` names the primitives per drawing.
void DrawItem(benchmark::State& state, std::shared_ptr<GraphItem> item, const char* counter) {
  ResetGlobals();
  GraphMode = 1;
  if (!item->GetPoints()) {
    state.SkipWithError("sampling failed");
    return;
  }
  CountingGl gl;
  curvanta::ScopedGl guard(&gl);
  for (auto _ : state) curvanta::DrawGraphItem(*item);
  state.counters[counter] = double(gl.primitives) / double(state.iterations());
}

void BM_AnalysedFunction2D(benchmark::State& state) {
  DrawItem(state, AnalysedFunction(1, 400, -10, 10, 10), "primitives");
}
BENCHMARK(BM_AnalysedFunction2D)->Unit(benchmark::kMillisecond);

void BM_ImplicitPlot201x201(benchmark::State& state) { DrawItem(state, ImplicitPlot(), "points"); }
BENCHMARK(BM_ImplicitPlot201x201)->Unit(benchmark::kMillisecond);

// The scene lists of the drawing area: a full compile (what is drawn changed) against one
// spin step (only the rotation changed: the small rotation lists compile anew and the
// frame is painted). Argument 0: the analysed 2D function; 1: the implicit plot.
std::shared_ptr<GraphItem> SceneItem(int which) {
  return which == 0 ? AnalysedFunction(1, 400, -10, 10, 10) : ImplicitPlot();
}

struct SceneFixture {
  explicit SceneFixture(int which) {
    ResetGlobals();
    ResetSceneGlobals();
    GraphMode = 1;
    curvanta::InstallGraphDrawing();
    item = SceneItem(which);
    ok = item->GetPoints();
    DocScene.FunSurfs.Add(item, "1");
    ViewScene.FunSurfs.Add(item, "1");
  }
  ~SceneFixture() { ResetSceneGlobals(); }
  std::shared_ptr<GraphItem> item;
  bool ok = false;
  bool trackballActive = true;
  curvanta::Vec4 quat = curvanta::kIdentityQuat;
};

void BM_SceneContentCompile(benchmark::State& state) {
  SceneFixture f(int(state.range(0)));
  if (!f.ok) {
    state.SkipWithError("sampling failed");
    return;
  }
  CountingGl gl;
  curvanta::ScopedGl guard(&gl);
  curvanta::SceneFrame frame(ViewScene, DocView, DocLight, f.trackballActive, f.quat);
  frame.Initialize();
  for (auto _ : state) frame.Compile(true);
}
BENCHMARK(BM_SceneContentCompile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SceneSpinStep(benchmark::State& state) {
  SceneFixture f(int(state.range(0)));
  if (!f.ok) {
    state.SkipWithError("sampling failed");
    return;
  }
  CountingGl gl;
  curvanta::ScopedGl guard(&gl);
  curvanta::SceneFrame frame(ViewScene, DocView, DocLight, f.trackballActive, f.quat);
  frame.Initialize();
  frame.Compile(true);
  float angle = 0;
  for (auto _ : state) {
    angle += 0.01f;
    f.quat = {0, std::sin(angle), 0, std::cos(angle)};
    frame.Compile(false);
    frame.Paint(1);
  }
}
BENCHMARK(BM_SceneSpinStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
