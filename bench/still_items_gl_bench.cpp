// Still items beside an animation, on a real GL context (run under Xvfb): a lit 200 x 200
// surface, and a 2D function with every analysis option at 10,000 segments, each alone and
// beside an animated point over the frame count given as the argument. Measured: compiling
// the scene lists and painting the first frame (the items sampled before), then the same
// again after the point was sampled anew (its line ticked again). Resident memory at the
// end and at the peak of the process: run one benchmark per process for the peak.
#include <benchmark/benchmark.h>

#include <memory>


#include "common/gl_api.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "draw/graph_draw.h"
#include "draw/report_sink.h"
#include "gl_bench_target.h"
#include "graph/graph_item.h"
#include "scene/camera.h"
#include "scene/scene_frame.h"
#include "scene/scene_globals.h"
#include "scene/trackball.h"
#include "support/analysed_function.h"

using namespace curvanta;
using curvanta::bench::GlTarget;
using curvanta::bench::FreshGlobals;
using curvanta::bench::ResidentMiB;

namespace {

std::shared_ptr<GraphItem> StillSurface() {
  auto item = GraphItem::Init(1, "", GraphKind::Surface3D, CoordKind::Cartesian3D, "x", "y",
                              "sin(x)*cos(y)+x*y/8", 200, 200, -3, 3, -3, 3, FillKind::GradientY,
                              255, 16711680, 0, 1, 3, ShowKind::Surface, SmoothKind::Smoothest,
                              false, false, false, 0);
  item->FunForm = FormKind::Explicit;
  return item;
}


std::shared_ptr<GraphItem> AnimatedPoint(int32_t coord) {
  auto item = GraphItem::Init(2, "", GraphKind::PointAnim, coord, "t", "t/2", "0", 1, 1, 0, 0, 0,
                              0, 0, 0, 0, 0, 1, 3, 3, 3, false, false, false, 0);
  item->Animation = true;
  item->MinT = -1;
  item->MaxT = 1;
  return item;
}

// The context, the shown scene (the still item, then the point when `frames` > 0), sampled,
// and the drawing area's frame.
struct Rig {
  Rig(bool surface, int32_t frames)
      : frame(ViewScene, DocView, DocLight, trackballActive, quat) {
    GraphMode = surface ? 3 : 1;
    AnimFrameCount = frames > 0 ? frames : 10;
    InstallGraphDrawing();
    if (!target.ok) return;
    frame.Initialize();
    int32_t h = bench::kTargetHeight;
    DocView.SetScreen(bench::kTargetWidth, h);
    still = surface ? StillSurface() : AnalysedFunction(1, 10000, -10, 10, 50);
    if (frames > 0) point = AnimatedPoint(surface ? CoordKind::Cartesian3D : CoordKind::Plane);
    sampled = still->GetPoints() && (!point || point->GetPoints());
    ViewScene.FunSurfs.Add(still, "1");
    if (point) ViewScene.FunSurfs.Add(point, "2");
  }
  bool Ready(benchmark::State& state) {
    if (!target.ok) state.SkipWithError("no GL context");
    else if (!sampled) state.SkipWithError("sampling failed");
    return target.ok && sampled;
  }
  void CompileAndPaint() {
    frame.Compile(true);
    frame.Paint(1);
    gl.glFinish();
  }
  void CountMemory(benchmark::State& state) {
    double now = 0, peak = 0;
    ResidentMiB(now, peak);
    state.counters["rss_MiB"] = now;
    state.counters["peak_rss_MiB"] = peak;
  }

  FreshGlobals globals;
  GlTarget target;
  ForwardingGl gl;
  ScopedGl guard{&gl};
  ScopedStringReport report;  // the result box
  bool trackballActive = false;
  Vec4 quat = kIdentityQuat;
  SceneFrame frame;
  std::shared_ptr<GraphItem> still;
  std::shared_ptr<GraphItem> point;
  bool sampled = false;
};

// One still item, alone or beside an animated point over `frames` frames.
void RunScene(benchmark::State& state, bool surface) {
  Rig rig(surface, int32_t(state.range(0)));
  if (!rig.Ready(state)) return;
  for (auto _ : state) rig.CompileAndPaint();
  rig.CountMemory(state);
  state.counters["report_chars"] = double(rig.report.text().size());
}

void BM_StillSurface200(benchmark::State& state) { RunScene(state, true); }
void BM_StillAnalysedFunction10000(benchmark::State& state) { RunScene(state, false); }

// After the first compile the point is sampled again and the lists compiled anew: what
// ticking its line again costs.
void RunPointRetick(benchmark::State& state, bool surface) {
  Rig rig(surface, int32_t(state.range(0)));
  if (!rig.Ready(state)) return;
  rig.CompileAndPaint();
  for (auto _ : state) {
    if (!rig.point->GetPoints()) {
      state.SkipWithError("sampling failed");
      return;
    }
    rig.CompileAndPaint();
  }
  rig.CountMemory(state);
}

void BM_PointRetickBesideSurface200(benchmark::State& state) { RunPointRetick(state, true); }
void BM_PointRetickBesideAnalysedFunction(benchmark::State& state) {
  RunPointRetick(state, false);
}

// Argument: the point's frame count, 0 for the still item alone.
BENCHMARK(BM_StillSurface200)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StillAnalysedFunction10000)
    ->Arg(0)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_PointRetickBesideSurface200)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PointRetickBesideAnalysedFunction)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunGlBenchmarks(argc, argv); }
