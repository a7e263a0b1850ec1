// How many values the GL reads or writes through the pointer of a call, by its enum.
#pragma once

#include <GL/gl.h>

namespace curvanta {

// Values glGet*v writes for `pname` (1 for capabilities and single values).
int GlGetValueCount(GLenum pname);
// Values glLightfv reads for `pname`.
int GlLightValueCount(GLenum pname);
// Values glMaterialfv reads for `pname`.
int GlMaterialValueCount(GLenum pname);
// Values glLightModelfv reads for `pname`.
int GlLightModelValueCount(GLenum pname);

}  // namespace curvanta
