// Value counts of the GL calls that take or fill arrays.
#include "common/gl_counts.h"

namespace curvanta {

int GlGetValueCount(GLenum pname) {
  switch (pname) {
    case GL_MODELVIEW_MATRIX:
    case GL_PROJECTION_MATRIX:
    case GL_TEXTURE_MATRIX:
      return 16;
    case GL_VIEWPORT:
    case GL_CURRENT_COLOR:
    case GL_COLOR_CLEAR_VALUE:
    case GL_LIGHT_MODEL_AMBIENT:
    case GL_SCISSOR_BOX:
    case GL_COLOR_WRITEMASK:
    case GL_CURRENT_RASTER_POSITION:
      return 4;
    case GL_CURRENT_NORMAL:
      return 3;
    case GL_POLYGON_MODE:
    case GL_DEPTH_RANGE:
    case GL_MAX_VIEWPORT_DIMS:
    case GL_LINE_WIDTH_RANGE:
    case GL_POINT_SIZE_RANGE:
      return 2;
    default:
      return 1;
  }
}

int GlLightValueCount(GLenum pname) {
  switch (pname) {
    case GL_AMBIENT:
    case GL_DIFFUSE:
    case GL_SPECULAR:
    case GL_POSITION:
      return 4;
    case GL_SPOT_DIRECTION:
      return 3;
    default:
      return 1;
  }
}

int GlMaterialValueCount(GLenum pname) {
  switch (pname) {
    case GL_AMBIENT:
    case GL_DIFFUSE:
    case GL_SPECULAR:
    case GL_EMISSION:
    case GL_AMBIENT_AND_DIFFUSE:
      return 4;
    case GL_COLOR_INDEXES:
      return 3;
    default:
      return 1;
  }
}

int GlLightModelValueCount(GLenum pname) { return pname == GL_LIGHT_MODEL_AMBIENT ? 4 : 1; }

}  // namespace curvanta
