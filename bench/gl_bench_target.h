// What the benchmarks on a real GL context share: an offscreen context with an 800 x 600
// framebuffer to draw into (run under Xvfb), the process's resident memory, fresh globals
// and a main that sets the process up as the program does.
#pragma once

#include <cstdio>
#include <memory>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <benchmark/benchmark.h>

#include "common/globals.h"
#include "common/heap_tuning.h"
#include "common/ui/gl_format.h"
#include "scene/scene_globals.h"

namespace curvanta::bench {

inline constexpr int kTargetWidth = 800;
inline constexpr int kTargetHeight = 600;

// A current context with the default format, drawing into its own framebuffer; `ok` false
// when there is none.
struct GlTarget {
  GlTarget() {
    surface.setFormat(QSurfaceFormat::defaultFormat());
    surface.create();
    context.setFormat(QSurfaceFormat::defaultFormat());
    ok = context.create() && context.makeCurrent(&surface);
    if (ok) {
      fbo = std::make_unique<QOpenGLFramebufferObject>(
          kTargetWidth, kTargetHeight, QOpenGLFramebufferObject::CombinedDepthStencil);
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

// Resident memory of the process now and at its peak, in MiB.
inline void ResidentMiB(double& now, double& peak) {
  now = peak = 0;
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return;
  char line[256];
  while (std::fgets(line, sizeof line, f)) {
    long kb = 0;
    if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1) now = double(kb) / 1024.0;
    if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) peak = double(kb) / 1024.0;
  }
  std::fclose(f);
}

// The program's globals reset for one benchmark run and the scene's again after it.
struct FreshGlobals {
  FreshGlobals() {
    ResetGlobals();
    ResetSceneGlobals();
  }
  ~FreshGlobals() { ResetSceneGlobals(); }
};

// A benchmark program's main: the heap and the GL format as the program sets them at
// start-up, a GUI application for the contexts, then the benchmarks asked for.
inline int RunGlBenchmarks(int argc, char** argv) {
  KeepFreedMemoryForRedraws();
  SetDefaultGlFormat();
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace curvanta::bench
