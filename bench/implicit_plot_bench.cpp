// Implicit and inequality plots at their limits: still grids at the point cap where every
// grid point fails, and animated relations of 1000 frames compiled into the display lists of
// a real GL context (run under Xvfb). Each reports the points drawn and the peak resident
// memory of the process; run one benchmark per process to read its own peak.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <string>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include "common/gl_api.h"
#include "gl_bench_target.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"
#include "scene/scene_frame.h"
#include "scene/scene_globals.h"

using namespace curvanta;
using curvanta::bench::GlTarget;

namespace {

double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// Counts the points and does nothing else.
class CountingGl : public NullGl {
 public:
  void glBegin(GLenum) override { ++points; }
  GLuint glGenLists(GLsizei range) override {
    GLuint first = nextList;
    nextList += GLuint(range);
    return first;
  }
  GLuint nextList = 1;
  long points = 0;
};

// Forwards every call to the context and counts the points.
class CountingForwardingGl : public ForwardingGl {
 public:
  void glBegin(GLenum mode) override {
    ++points;
    ForwardingGl::glBegin(mode);
  }
  long points = 0;
};

std::shared_ptr<GraphItem> Relation(const std::string& f, int32_t form, float lo, float hi,
                                    bool animated) {
  auto item = GraphItem::Init(1, "", animated ? GraphKind::Function2DAnim : GraphKind::Function2D,
                              CoordKind::Plane, "", "", f, 1, 1, lo, hi, lo, hi, 0, 0, 0, 255, 1,
                              1, 3, 1, false, false, false, 0);
  item->FunForm = form;
  item->Animation = animated;
  item->MinT = 0;
  item->MaxT = 1;
  return item;
}

// Still relations at the cap whose every grid point fails: 0 a float overflow of the value
// on ±3e38 (x^2+y^2-1), 1 an overflow inside the formula on 1961 x 1961 points, 2 a domain
// message at every one of those points.
std::shared_ptr<GraphItem> FailingGrid(int which) {
  switch (which) {
    case 0: return Relation("x^2+y^2-1", FormKind::Implicit, -3e38f, 3e38f, false);
    case 1: return Relation("exp(1000+x)+y", FormKind::Implicit, -24.5f, 24.5f, false);
    default: return Relation("sqr(-1-x^2)-y", FormKind::Implicit, -24.5f, 24.5f, false);
  }
}

void BM_AllFailingStillGrid(benchmark::State& state) {
  ResetGlobals();
  GraphMode = 1;
  auto item = FailingGrid(int(state.range(0)));
  CountingGl gl;
  ScopedGl guard(&gl);
  for (auto _ : state) DrawGraphItem(*item);
  state.counters["points"] = double(gl.points) / double(state.iterations());
  state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_AllFailingStillGrid)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// An animated relation alone in the scene, compiled with all its frames into display lists:
// 0 sin(x*y+t) < 0 on [-4, 4]², 1 exp(1000+x)+t = 0 on [-25, 25]² (every point fails).
// range(1) is the frame count.
void BM_AnimatedRelationCompileGL(benchmark::State& state) {
  ResetGlobals();
  ResetSceneGlobals();
  GraphMode = 1;
  InstallGraphDrawing();
  AnimFrameCount = int32_t(state.range(1));
  auto item = state.range(0) == 0
                  ? Relation("sin(x*y+t)", FormKind::Inequality, -4, 4, true)
                  : Relation("exp(1000+x)+t", FormKind::Implicit, -25, 25, true);
  if (!item->GetPoints()) {
    state.SkipWithError("sampling failed");
    return;
  }
  DocScene.FunSurfs.Add(item, "1");
  ViewScene.FunSurfs.Add(item, "1");
  {
    GlTarget target;
    if (!target.ok) {
      state.SkipWithError("no GL context");
      ResetSceneGlobals();
      return;
    }
    CountingForwardingGl gl;
    ScopedGl guard(&gl);
    bool trackballActive = true;
    Vec4 quat = kIdentityQuat;
    SceneFrame frame(ViewScene, DocView, DocLight, trackballActive, quat);
    frame.Initialize();
    for (auto _ : state) {
      frame.Compile(true);
      gl.glFinish();
    }
    state.counters["points"] = double(gl.points) / double(state.iterations());
  }
  state.counters["peak_rss_MB"] = PeakResidentMegabytes();
  ResetSceneGlobals();
}
BENCHMARK(BM_AnimatedRelationCompileGL)
    ->Args({0, 1000})
    ->Args({1, 1000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunGlBenchmarks(argc, argv); }
