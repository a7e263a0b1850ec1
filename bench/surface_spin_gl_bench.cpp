// The lit 200 x 200 surface on a real GL context (run under Xvfb): compiling the scene's
// content lists against one spin step (the rotation lists compiled anew, the frame painted
// into an 800 x 600 framebuffer and finished), and a 198 x 198 surface animated over 100
// frames from sampling to its first painted frame.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include "gl_bench_target.h"
#include "common/gl_api.h"
#include "common/globals.h"
#include "common/ui/forwarding_gl.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"
#include "scene/camera.h"
#include "scene/scene_frame.h"
#include "scene/scene_globals.h"
#include "scene/trackball.h"

using namespace curvanta;
using curvanta::bench::GlTarget;
using curvanta::bench::FreshGlobals;
using curvanta::bench::ResidentMiB;

namespace {

constexpr int kWidth = bench::kTargetWidth;
constexpr int kHeight = bench::kTargetHeight;

std::shared_ptr<GraphItem> LitSurface(int32_t kind, const char* z, int32_t steps) {
  auto item = GraphItem::Init(1, "", kind, CoordKind::Cartesian3D, "x", "y", z, steps, steps, -3,
                              3, -3, 3, FillKind::GradientY, 255, 16711680, 0, 1, 3,
                              ShowKind::Surface, SmoothKind::Smoothest, false, false, false, 0);
  item->FunForm = FormKind::Explicit;
  if (kind == GraphKind::Surface3DAnim) {
    item->Animation = true;
    item->MinT = 0;
    item->MaxT = 1;
  }
  return item;
}

// The context, one item in the scene (not sampled yet) and the scene's frame, with the GL
// layer installed before the frame and the viewport are set, as the drawing area does.
struct Rig {
  explicit Rig(std::shared_ptr<GraphItem> shown, int32_t frames = 0)
      : item(std::move(shown)), frame(ViewScene, DocView, DocLight, trackballActive, quat) {
    GraphMode = 3;
    AnimFrameCount = frames;
    InstallGraphDrawing();
    DocScene.FunSurfs.Add(item, "1");
    ViewScene.FunSurfs.Add(item, "1");
    if (!target.ok) return;
    frame.Initialize();
    int32_t h = kHeight;
    DocView.SetScreen(kWidth, h);
  }

  // The view a user has after sampling: the 3D document's start rotation, then "fit to
  // window" on the item's box.
  void FitToWindow() {
    quat = PresetRotation(0, -15, 45);
    FitView(DocView, ViewScene.GetBox(0));
  }

  // How much of the painted frame is not background (the clear colour is white): its share
  // of the pixels, and the width of its bounding box as a share of the frame's width.
  void Inked(double& share, double& width) {
    gl.glFinish();
    const QImage img = target.fbo->toImage();
    long inked = 0;
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if ((img.pixel(x, y) & 0xffffff) != 0xffffff) {
          ++inked;
          left = std::min(left, x);
          right = std::max(right, x);
        }
    share = double(inked) / double(img.width() * img.height());
    width = right < left ? 0.0 : double(right - left + 1) / double(img.width());
  }

  FreshGlobals globals;
  GlTarget target;
  std::shared_ptr<GraphItem> item;
  bool trackballActive = true;
  Vec4 quat = kIdentityQuat;
  ForwardingGl gl;
  ScopedGl guard{&gl};
  SceneFrame frame;
};

// Fitted to the window, the surface spans well over a third of the view and covers a good
// part of it; a picture that does not is not the frame the program paints (no viewport,
// nothing drawn).
bool CheckPicture(benchmark::State& state, Rig& rig) {
  double share = 0, width = 0;
  rig.Inked(share, width);
  state.counters["inked_share"] = share;
  state.counters["inked_width"] = width;
  if (share < 0.02 || width < 0.4) {
    state.SkipWithError("the painted frame does not show the surface");
    return false;
  }
  return true;
}

// Bytes the heap holds in use.
double HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return double(m.uordblks) + double(m.hblkhd);
}

void BM_SurfaceContentCompileGL(benchmark::State& state) {
  Rig rig(LitSurface(GraphKind::Surface3D, "sin(x)*cos(y)+x*y/8", 200));
  if (!rig.target.ok || !rig.item->GetPoints()) {
    state.SkipWithError("no GL context or sampling failed");
    return;
  }
  rig.FitToWindow();
  rig.frame.Compile(true);
  rig.frame.Paint(1);
  if (!CheckPicture(state, rig)) return;
  // The item's own display list: what the heap holds while it exists.
  {
    const GLuint list = rig.gl.glGenLists(1);
    const double before = HeapInUse();
    rig.gl.glNewList(list, GL_COMPILE);
    DrawGraphItem(*rig.item);
    rig.gl.glEndList();
    rig.gl.glFinish();
    state.counters["list_MiB"] = (HeapInUse() - before) / (1024.0 * 1024.0);
    rig.gl.glDeleteLists(list, 1);
  }
  for (auto _ : state) {
    rig.frame.Compile(true);
    rig.gl.glFinish();
  }
}
BENCHMARK(BM_SurfaceContentCompileGL)->Unit(benchmark::kMillisecond);

void BM_SurfaceSpinStepGL(benchmark::State& state) {
  Rig rig(LitSurface(GraphKind::Surface3D, "sin(x)*cos(y)+x*y/8", 200));
  if (!rig.target.ok || !rig.item->GetPoints()) {
    state.SkipWithError("no GL context or sampling failed");
    return;
  }
  rig.FitToWindow();
  rig.frame.Compile(true);
  rig.frame.Paint(1);
  if (!CheckPicture(state, rig)) return;
  // Each step turns the model a little further about the vertical axis.
  Vec4 axis = {0, 1, 0, 0}, step{};
  QuatFromAxisAngle(axis, 0.02f, step);
  for (auto _ : state) {
    Vec4 turned{};
    QuatCompose(step, rig.quat, turned);
    rig.quat = turned;
    rig.frame.Compile(false);
    rig.frame.Paint(1);
    rig.gl.glFinish();
  }
}
BENCHMARK(BM_SurfaceSpinStepGL)->Unit(benchmark::kMillisecond);

// A 198 x 198 surface animated over 100 frames, from sampling every frame to the first frame
// painted: what a user waits for after pressing OK. Resident memory after the first frame.
void BM_AnimatedSurfaceFirstFrameGL(benchmark::State& state) {
  Rig rig(LitSurface(GraphKind::Surface3DAnim, "sin(x+t)*cos(y)", 198), 100);
  if (!rig.target.ok) {
    state.SkipWithError("no GL context");
    return;
  }
  double rss = 0, peak = 0;
  for (auto _ : state) {
    if (!rig.item->GetPoints()) {
      state.SkipWithError("sampling failed");
      return;
    }
    rig.FitToWindow();
    rig.frame.Compile(true);
    rig.frame.Paint(1);
    rig.gl.glFinish();
    double now = 0;
    ResidentMiB(now, peak);
    if (now > rss) rss = now;
  }
  if (!CheckPicture(state, rig)) return;
  state.counters["rss_MiB"] = rss;
  state.counters["peak_rss_MiB"] = peak;
}
BENCHMARK(BM_AnimatedSurfaceFirstFrameGL)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunGlBenchmarks(argc, argv); }
