// What the benchmarks on a real GL context share: an offscreen context with an 800 x 600
// framebuffer to draw into (run under Xvfb), and the process's resident memory.
#pragma once

#include <cstdio>
#include <memory>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

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

}  // namespace curvanta::bench
