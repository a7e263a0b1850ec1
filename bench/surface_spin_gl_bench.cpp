// The lit 200 x 200 surface on a real GL context (run under Xvfb): compiling the scene's
// content lists against one spin step (the rotation lists compiled anew, the frame painted
// into an 800 x 600 framebuffer and finished).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include "common/gl_api.h"
#include "common/globals.h"
#include "common/heap_tuning.h"
#include "common/ui/forwarding_gl.h"
#include "common/ui/gl_format.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"
#include "scene/scene_frame.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

struct GlTarget {
  GlTarget() {
    surface.setFormat(QSurfaceFormat::defaultFormat());
    surface.create();
    context.setFormat(QSurfaceFormat::defaultFormat());
    ok = context.create() && context.makeCurrent(&surface);
    if (ok) {
      fbo = std::make_unique<QOpenGLFramebufferObject>(
          800, 600, QOpenGLFramebufferObject::CombinedDepthStencil);
      ok = fbo->bind();
    }
  }
  ~GlTarget() {
    fbo.reset();
    context.doneCurrent();
  }
  QOffscreenSurface surface;
  QOpenGLContext context;
  std::unique_ptr<QOpenGLFramebufferObject> fbo;
  bool ok = false;
};

struct SurfaceScene {
  SurfaceScene() {
    ResetGlobals();
    ResetSceneGlobals();
    GraphMode = 3;
    InstallGraphDrawing();
    item = GraphItem::Init(1, "", GraphKind::Surface3D, CoordKind::Cartesian3D, "x", "y",
                           "sin(x)*cos(y)+x*y/8", 200, 200, -3, 3, -3, 3, FillKind::GradientY, 255,
                           16711680, 0, 1, 3, ShowKind::Surface, SmoothKind::Smoothest, false,
                           false, false, 0);
    item->FunForm = FormKind::Explicit;
    ok = item->GetPoints();
    DocScene.FunSurfs.Add(item, "1");
    ViewScene.FunSurfs.Add(item, "1");
    int32_t h = 600;
    DocView.SetScreen(800, h);
  }
  ~SurfaceScene() { ResetSceneGlobals(); }
  std::shared_ptr<GraphItem> item;
  bool ok = false;
  bool trackballActive = true;
  Vec4 quat = kIdentityQuat;
};

// The context, the scene and its frame, initialised and compiled once.
struct SpinRig {
  SpinRig() : frame(ViewScene, DocView, DocLight, scene.trackballActive, scene.quat) {
    if (!ready()) return;
    frame.Initialize();
    frame.Compile(true);
  }
  bool ready() const { return target.ok && scene.ok; }
  GlTarget target;
  SurfaceScene scene;
  ForwardingGl gl;
  ScopedGl guard{&gl};
  SceneFrame frame;
};

void BM_SurfaceContentCompileGL(benchmark::State& state) {
  SpinRig rig;
  if (!rig.ready()) {
    state.SkipWithError("no GL context or sampling failed");
    return;
  }
  for (auto _ : state) {
    rig.frame.Compile(true);
    rig.gl.glFinish();
  }
}
BENCHMARK(BM_SurfaceContentCompileGL)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_SurfaceSpinStepGL(benchmark::State& state) {
  SpinRig rig;
  if (!rig.ready()) {
    state.SkipWithError("no GL context or sampling failed");
    return;
  }
  float angle = 0;
  for (auto _ : state) {
    angle += 0.01f;
    rig.scene.quat = {0, std::sin(angle), 0, std::cos(angle)};
    rig.frame.Compile(false);
    rig.frame.Paint(1);
    rig.gl.glFinish();
  }
}
BENCHMARK(BM_SurfaceSpinStepGL)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
  KeepFreedMemoryForRedraws();  // as the program does at start-up
  SetDefaultGlFormat();
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
