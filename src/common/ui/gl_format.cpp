// Default OpenGL surface format of the program.
#include "common/ui/gl_format.h"

#include <QSurfaceFormat>

namespace curvanta {

void SetDefaultGlFormat() {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setDepthBufferSize(16);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  f.setAlphaBufferSize(0);
  f.setRedBufferSize(8);
  f.setGreenBufferSize(8);
  f.setBlueBufferSize(8);
  QSurfaceFormat::setDefaultFormat(f);
}

}  // namespace curvanta
