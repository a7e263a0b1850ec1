// The installed GL call layer and the do-nothing layer used while none is installed.
#include "common/gl_api.h"

#include "common/gl_counts.h"

namespace curvanta {

namespace {
NullGl& DefaultGl() {
  static NullGl gl;
  return gl;
}
GlApi* installed = nullptr;

template <typename T>
void ZeroOut(GLenum pname, T* params) {
  if (params == nullptr) return;
  const int n = GlGetValueCount(pname);
  for (int i = 0; i < n; ++i) params[i] = T(0);
}
}  // namespace

GlApi& Gl() { return installed != nullptr ? *installed : DefaultGl(); }

GlApi* SetGl(GlApi* gl) {
  GlApi* previous = installed;
  installed = gl;
  return previous;
}

// NullGl: every call is ignored; queries answer zero.
#define CURVANTA_NULL_VOID(name, params) \
  void NullGl::name params {}
CURVANTA_NULL_VOID(glBegin, (GLenum))
CURVANTA_NULL_VOID(glEnd, ())
CURVANTA_NULL_VOID(glVertex2f, (GLfloat, GLfloat))
CURVANTA_NULL_VOID(glVertex2d, (GLdouble, GLdouble))
CURVANTA_NULL_VOID(glVertex3f, (GLfloat, GLfloat, GLfloat))
CURVANTA_NULL_VOID(glVertex3d, (GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glVertex3fv, (const GLfloat*))
CURVANTA_NULL_VOID(glVertex3dv, (const GLdouble*))
CURVANTA_NULL_VOID(glNormal3f, (GLfloat, GLfloat, GLfloat))
CURVANTA_NULL_VOID(glNormal3d, (GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glNormal3fv, (const GLfloat*))
CURVANTA_NULL_VOID(glNormal3dv, (const GLdouble*))
CURVANTA_NULL_VOID(glColor3f, (GLfloat, GLfloat, GLfloat))
CURVANTA_NULL_VOID(glColor3d, (GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glColor4f, (GLfloat, GLfloat, GLfloat, GLfloat))
CURVANTA_NULL_VOID(glColor4d, (GLdouble, GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glColor3ub, (GLubyte, GLubyte, GLubyte))
CURVANTA_NULL_VOID(glColor3fv, (const GLfloat*))
CURVANTA_NULL_VOID(glColor4fv, (const GLfloat*))
CURVANTA_NULL_VOID(glMaterialf, (GLenum, GLenum, GLfloat))
CURVANTA_NULL_VOID(glMaterialfv, (GLenum, GLenum, const GLfloat*))
CURVANTA_NULL_VOID(glColorMaterial, (GLenum, GLenum))
CURVANTA_NULL_VOID(glLightf, (GLenum, GLenum, GLfloat))
CURVANTA_NULL_VOID(glLightfv, (GLenum, GLenum, const GLfloat*))
CURVANTA_NULL_VOID(glLightModelf, (GLenum, GLfloat))
CURVANTA_NULL_VOID(glLightModeli, (GLenum, GLint))
CURVANTA_NULL_VOID(glLightModelfv, (GLenum, const GLfloat*))
CURVANTA_NULL_VOID(glEnable, (GLenum))
CURVANTA_NULL_VOID(glDisable, (GLenum))
GLboolean NullGl::glIsEnabled(GLenum) { return GL_FALSE; }
GLuint NullGl::glGenLists(GLsizei) { return 0; }
CURVANTA_NULL_VOID(glNewList, (GLuint, GLenum))
CURVANTA_NULL_VOID(glEndList, ())
CURVANTA_NULL_VOID(glCallList, (GLuint))
CURVANTA_NULL_VOID(glCallLists, (GLsizei, GLenum, const GLvoid*))
CURVANTA_NULL_VOID(glDeleteLists, (GLuint, GLsizei))
GLboolean NullGl::glIsList(GLuint) { return GL_FALSE; }
CURVANTA_NULL_VOID(glListBase, (GLuint))
CURVANTA_NULL_VOID(glMatrixMode, (GLenum))
CURVANTA_NULL_VOID(glLoadIdentity, ())
CURVANTA_NULL_VOID(glLoadMatrixf, (const GLfloat*))
CURVANTA_NULL_VOID(glLoadMatrixd, (const GLdouble*))
CURVANTA_NULL_VOID(glMultMatrixf, (const GLfloat*))
CURVANTA_NULL_VOID(glMultMatrixd, (const GLdouble*))
CURVANTA_NULL_VOID(glPushMatrix, ())
CURVANTA_NULL_VOID(glPopMatrix, ())
CURVANTA_NULL_VOID(glTranslatef, (GLfloat, GLfloat, GLfloat))
CURVANTA_NULL_VOID(glTranslated, (GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glRotatef, (GLfloat, GLfloat, GLfloat, GLfloat))
CURVANTA_NULL_VOID(glRotated, (GLdouble, GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glScalef, (GLfloat, GLfloat, GLfloat))
CURVANTA_NULL_VOID(glScaled, (GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glViewport, (GLint, GLint, GLsizei, GLsizei))
CURVANTA_NULL_VOID(glOrtho, (GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glFrustum, (GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(gluOrtho2D, (GLdouble, GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(gluPerspective, (GLdouble, GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(gluLookAt, (GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble,
                               GLdouble, GLdouble, GLdouble))
CURVANTA_NULL_VOID(glClear, (GLbitfield))
CURVANTA_NULL_VOID(glClearColor, (GLclampf, GLclampf, GLclampf, GLclampf))
CURVANTA_NULL_VOID(glClearDepth, (GLclampd))
CURVANTA_NULL_VOID(glShadeModel, (GLenum))
CURVANTA_NULL_VOID(glPolygonMode, (GLenum, GLenum))
CURVANTA_NULL_VOID(glPolygonOffset, (GLfloat, GLfloat))
CURVANTA_NULL_VOID(glLineWidth, (GLfloat))
CURVANTA_NULL_VOID(glLineStipple, (GLint, GLushort))
CURVANTA_NULL_VOID(glPointSize, (GLfloat))
CURVANTA_NULL_VOID(glBlendFunc, (GLenum, GLenum))
CURVANTA_NULL_VOID(glHint, (GLenum, GLenum))
CURVANTA_NULL_VOID(glPushAttrib, (GLbitfield))
CURVANTA_NULL_VOID(glPopAttrib, ())
CURVANTA_NULL_VOID(glDepthFunc, (GLenum))
CURVANTA_NULL_VOID(glDepthMask, (GLboolean))
CURVANTA_NULL_VOID(glFrontFace, (GLenum))
CURVANTA_NULL_VOID(glCullFace, (GLenum))
GLint NullGl::glRenderMode(GLenum) { return 0; }
CURVANTA_NULL_VOID(glFinish, ())
CURVANTA_NULL_VOID(glFlush, ())
GLenum NullGl::glGetError() { return GL_NO_ERROR; }
void NullGl::glGetFloatv(GLenum pname, GLfloat* params) { ZeroOut(pname, params); }
void NullGl::glGetIntegerv(GLenum pname, GLint* params) { ZeroOut(pname, params); }
void NullGl::glGetDoublev(GLenum pname, GLdouble* params) { ZeroOut(pname, params); }
GLUquadric* NullGl::gluNewQuadric() { return nullptr; }
CURVANTA_NULL_VOID(gluDeleteQuadric, (GLUquadric*))
CURVANTA_NULL_VOID(gluQuadricDrawStyle, (GLUquadric*, GLenum))
CURVANTA_NULL_VOID(gluQuadricNormals, (GLUquadric*, GLenum))
CURVANTA_NULL_VOID(gluQuadricOrientation, (GLUquadric*, GLenum))
CURVANTA_NULL_VOID(gluSphere, (GLUquadric*, GLdouble, GLint, GLint))
CURVANTA_NULL_VOID(gluCylinder, (GLUquadric*, GLdouble, GLdouble, GLdouble, GLint, GLint))
CURVANTA_NULL_VOID(gluDisk, (GLUquadric*, GLdouble, GLdouble, GLint, GLint))
#undef CURVANTA_NULL_VOID

}  // namespace curvanta
