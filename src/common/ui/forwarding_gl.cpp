// Forwards every call of the GL call layer to the OpenGL and GLU libraries.
#include "common/ui/forwarding_gl.h"

namespace curvanta {

#define CURVANTA_GL_FORWARD_DEFINE(ret, name, params, args) \
  ret ForwardingGl::name params { return ::name args; }
CURVANTA_GL_CALLS(CURVANTA_GL_FORWARD_DEFINE)
#undef CURVANTA_GL_FORWARD_DEFINE

}  // namespace curvanta
