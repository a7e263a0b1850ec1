// The one door through which the drawing code reaches OpenGL 1.1 and GLU: an interface with
// one method per call, the implementation in force (Gl()), and a do-nothing default.
// Call sites read `Gl().glBegin(GL_LINES)`; the program installs the forwarding layer of
// common/ui/forwarding_gl.h, tests install the RecordingGl of common/recording_gl.h.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

namespace curvanta {

// Every call of the interface once: X(result, name, (parameters), (arguments)).
// Pointer arguments carry as many values as the GL reads for the given enum.
#define CURVANTA_GL_CALLS(X)                                                                   \
  /* immediate mode */                                                                         \
  X(void, glBegin, (GLenum mode), (mode))                                                      \
  X(void, glEnd, (), ())                                                                       \
  X(void, glVertex2f, (GLfloat x, GLfloat y), (x, y))                                          \
  X(void, glVertex2d, (GLdouble x, GLdouble y), (x, y))                                        \
  X(void, glVertex3f, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))                            \
  X(void, glVertex3d, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                         \
  X(void, glVertex3fv, (const GLfloat* v), (v))                                                \
  X(void, glVertex3dv, (const GLdouble* v), (v))                                               \
  X(void, glNormal3f, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))                            \
  X(void, glNormal3d, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                         \
  X(void, glNormal3fv, (const GLfloat* v), (v))                                                \
  X(void, glNormal3dv, (const GLdouble* v), (v))                                               \
  X(void, glColor3f, (GLfloat r, GLfloat g, GLfloat b), (r, g, b))                             \
  X(void, glColor3d, (GLdouble r, GLdouble g, GLdouble b), (r, g, b))                          \
  X(void, glColor4f, (GLfloat r, GLfloat g, GLfloat b, GLfloat a), (r, g, b, a))               \
  X(void, glColor4d, (GLdouble r, GLdouble g, GLdouble b, GLdouble a), (r, g, b, a))           \
  X(void, glColor3ub, (GLubyte r, GLubyte g, GLubyte b), (r, g, b))                            \
  X(void, glColor3fv, (const GLfloat* v), (v))                                                 \
  X(void, glColor4fv, (const GLfloat* v), (v))                                                 \
  /* materials and lights */                                                                   \
  X(void, glMaterialf, (GLenum face, GLenum pname, GLfloat param), (face, pname, param))       \
  X(void, glMaterialfv, (GLenum face, GLenum pname, const GLfloat* params),                    \
    (face, pname, params))                                                                     \
  X(void, glColorMaterial, (GLenum face, GLenum mode), (face, mode))                           \
  X(void, glLightf, (GLenum light, GLenum pname, GLfloat param), (light, pname, param))        \
  X(void, glLightfv, (GLenum light, GLenum pname, const GLfloat* params),                      \
    (light, pname, params))                                                                    \
  X(void, glLightModelf, (GLenum pname, GLfloat param), (pname, param))                        \
  X(void, glLightModeli, (GLenum pname, GLint param), (pname, param))                          \
  X(void, glLightModelfv, (GLenum pname, const GLfloat* params), (pname, params))              \
  /* capabilities */                                                                           \
  X(void, glEnable, (GLenum cap), (cap))                                                       \
  X(void, glDisable, (GLenum cap), (cap))                                                      \
  X(GLboolean, glIsEnabled, (GLenum cap), (cap))                                               \
  /* display lists */                                                                          \
  X(GLuint, glGenLists, (GLsizei range), (range))                                              \
  X(void, glNewList, (GLuint list, GLenum mode), (list, mode))                                 \
  X(void, glEndList, (), ())                                                                   \
  X(void, glCallList, (GLuint list), (list))                                                   \
  X(void, glCallLists, (GLsizei n, GLenum type, const GLvoid* lists), (n, type, lists))        \
  X(void, glDeleteLists, (GLuint list, GLsizei range), (list, range))                          \
  X(GLboolean, glIsList, (GLuint list), (list))                                                \
  X(void, glListBase, (GLuint base), (base))                                                   \
  /* matrices */                                                                               \
  X(void, glMatrixMode, (GLenum mode), (mode))                                                 \
  X(void, glLoadIdentity, (), ())                                                              \
  X(void, glLoadMatrixf, (const GLfloat* m), (m))                                              \
  X(void, glLoadMatrixd, (const GLdouble* m), (m))                                             \
  X(void, glMultMatrixf, (const GLfloat* m), (m))                                              \
  X(void, glMultMatrixd, (const GLdouble* m), (m))                                             \
  X(void, glPushMatrix, (), ())                                                                \
  X(void, glPopMatrix, (), ())                                                                 \
  X(void, glTranslatef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))                          \
  X(void, glTranslated, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                       \
  X(void, glRotatef, (GLfloat angle, GLfloat x, GLfloat y, GLfloat z), (angle, x, y, z))       \
  X(void, glRotated, (GLdouble angle, GLdouble x, GLdouble y, GLdouble z), (angle, x, y, z))   \
  X(void, glScalef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))                              \
  X(void, glScaled, (GLdouble x, GLdouble y, GLdouble z), (x, y, z))                           \
  /* viewport, projection and camera */                                                        \
  X(void, glViewport, (GLint x, GLint y, GLsizei width, GLsizei height), (x, y, width, height)) \
  X(void, glOrtho, (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,              \
                    GLdouble zNear, GLdouble zFar),                                            \
    (left, right, bottom, top, zNear, zFar))                                                   \
  X(void, glFrustum, (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,            \
                      GLdouble zNear, GLdouble zFar),                                          \
    (left, right, bottom, top, zNear, zFar))                                                   \
  X(void, gluOrtho2D, (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top),          \
    (left, right, bottom, top))                                                                \
  X(void, gluPerspective, (GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar),     \
    (fovy, aspect, zNear, zFar))                                                               \
  X(void, gluLookAt, (GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX,           \
                      GLdouble centerY, GLdouble centerZ, GLdouble upX, GLdouble upY,          \
                      GLdouble upZ),                                                           \
    (eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ))                              \
  /* frame state */                                                                            \
  X(void, glClear, (GLbitfield mask), (mask))                                                  \
  X(void, glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), (r, g, b, a))        \
  X(void, glClearDepth, (GLclampd depth), (depth))                                             \
  X(void, glShadeModel, (GLenum mode), (mode))                                                 \
  X(void, glPolygonMode, (GLenum face, GLenum mode), (face, mode))                             \
  X(void, glPolygonOffset, (GLfloat factor, GLfloat units), (factor, units))                   \
  X(void, glLineWidth, (GLfloat width), (width))                                               \
  X(void, glLineStipple, (GLint factor, GLushort pattern), (factor, pattern))                  \
  X(void, glPointSize, (GLfloat size), (size))                                                 \
  X(void, glBlendFunc, (GLenum sfactor, GLenum dfactor), (sfactor, dfactor))                   \
  X(void, glHint, (GLenum target, GLenum mode), (target, mode))                                \
  X(void, glPushAttrib, (GLbitfield mask), (mask))                                             \
  X(void, glPopAttrib, (), ())                                                                 \
  X(void, glDepthFunc, (GLenum func), (func))                                                  \
  X(void, glDepthMask, (GLboolean flag), (flag))                                               \
  X(void, glFrontFace, (GLenum mode), (mode))                                                  \
  X(void, glCullFace, (GLenum mode), (mode))                                                   \
  X(GLint, glRenderMode, (GLenum mode), (mode))                                                \
  X(void, glFinish, (), ())                                                                    \
  X(void, glFlush, (), ())                                                                     \
  X(GLenum, glGetError, (), ())                                                                \
  X(void, glGetFloatv, (GLenum pname, GLfloat* params), (pname, params))                       \
  X(void, glGetIntegerv, (GLenum pname, GLint* params), (pname, params))                       \
  X(void, glGetDoublev, (GLenum pname, GLdouble* params), (pname, params))                     \
  /* GLU quadrics */                                                                           \
  X(GLUquadric*, gluNewQuadric, (), ())                                                        \
  X(void, gluDeleteQuadric, (GLUquadric * quad), (quad))                                       \
  X(void, gluQuadricDrawStyle, (GLUquadric * quad, GLenum draw), (quad, draw))                 \
  X(void, gluQuadricNormals, (GLUquadric * quad, GLenum normal), (quad, normal))               \
  X(void, gluQuadricOrientation, (GLUquadric * quad, GLenum orientation), (quad, orientation)) \
  X(void, gluSphere, (GLUquadric * quad, GLdouble radius, GLint slices, GLint stacks),         \
    (quad, radius, slices, stacks))                                                            \
  X(void, gluCylinder, (GLUquadric * quad, GLdouble base, GLdouble top, GLdouble height,       \
                        GLint slices, GLint stacks),                                           \
    (quad, base, top, height, slices, stacks))                                                 \
  X(void, gluDisk, (GLUquadric * quad, GLdouble inner, GLdouble outer, GLint slices,           \
                    GLint loops),                                                              \
    (quad, inner, outer, slices, loops))

// The GL and GLU calls of the drawing code. Method names are the GL names.
class GlApi {
 public:
  virtual ~GlApi() = default;
#define CURVANTA_GL_DECLARE(ret, name, params, args) virtual ret name params = 0;
  CURVANTA_GL_CALLS(CURVANTA_GL_DECLARE)
#undef CURVANTA_GL_DECLARE
};

// Does nothing and answers zero: what the drawing sees while no context exists.
class NullGl : public GlApi {
 public:
#define CURVANTA_GL_NULL(ret, name, params, args) ret name params override;
  CURVANTA_GL_CALLS(CURVANTA_GL_NULL)
#undef CURVANTA_GL_NULL
};

// The implementation in force; a NullGl until one is installed.
GlApi& Gl();
// Installs `gl` (nullptr goes back to the NullGl) and returns the one it replaces.
GlApi* SetGl(GlApi* gl);

// Installs an implementation for the life of the guard, then puts the previous one back.
class ScopedGl {
 public:
  explicit ScopedGl(GlApi* gl) : previous_(SetGl(gl)) {}
  ~ScopedGl() { SetGl(previous_); }
  ScopedGl(const ScopedGl&) = delete;
  ScopedGl& operator=(const ScopedGl&) = delete;

 private:
  GlApi* previous_;
};

}  // namespace curvanta
