// The GL call layer of the program: every call goes straight to the OpenGL and GLU
// libraries, into whatever context is current.
#pragma once

#include "common/gl_api.h"

namespace curvanta {

class ForwardingGl : public GlApi {
 public:
#define CURVANTA_GL_FORWARD_DECLARE(ret, name, params, args) ret name params override;
  CURVANTA_GL_CALLS(CURVANTA_GL_FORWARD_DECLARE)
#undef CURVANTA_GL_FORWARD_DECLARE
};

}  // namespace curvanta
