// The recording GL call layer: log, display lists and the state the calls leave.
#include "common/recording_gl.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <ostream>
#include <utility>

#include "common/gl_counts.h"
#include "common/number_text.h"

namespace curvanta {

namespace {

constexpr int kMaxStackDepth = 32;
// The enables that GL_POLYGON_BIT saves and restores.
constexpr GLenum kPolygonCaps[] = {GL_CULL_FACE, GL_POLYGON_SMOOTH, GL_POLYGON_STIPPLE,
                                   GL_POLYGON_OFFSET_FILL, GL_POLYGON_OFFSET_LINE,
                                   GL_POLYGON_OFFSET_POINT};
constexpr int kMaxListNesting = 64;

GlMatrix Identity() {
  GlMatrix m{};
  m[0] = m[5] = m[10] = m[15] = 1;
  return m;
}

GlMatrix Multiply(const GlMatrix& a, const GlMatrix& b) {
  GlMatrix r{};
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row) {
      double s = 0;
      for (int k = 0; k < 4; ++k) s += a[k * 4 + row] * b[col * 4 + k];
      r[col * 4 + row] = s;
    }
  return r;
}

GlMatrix FromArgs(const std::vector<double>& a, size_t first) {
  GlMatrix m{};
  for (size_t i = 0; i < 16; ++i) m[i] = a[first + i];
  return m;
}

GlMatrix Translation(double x, double y, double z) {
  GlMatrix m = Identity();
  m[12] = x;
  m[13] = y;
  m[14] = z;
  return m;
}

GlMatrix Scaling(double x, double y, double z) {
  GlMatrix m = Identity();
  m[0] = x;
  m[5] = y;
  m[10] = z;
  return m;
}

GlMatrix Rotation(double degrees, double x, double y, double z) {
  const double len = std::sqrt(x * x + y * y + z * z);
  if (len == 0) return Identity();
  x /= len;
  y /= len;
  z /= len;
  const double a = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a), t = 1 - c;
  GlMatrix m = Identity();
  m[0] = x * x * t + c;
  m[1] = y * x * t + z * s;
  m[2] = x * z * t - y * s;
  m[4] = x * y * t - z * s;
  m[5] = y * y * t + c;
  m[6] = y * z * t + x * s;
  m[8] = x * z * t + y * s;
  m[9] = y * z * t - x * s;
  m[10] = z * z * t + c;
  return m;
}

GlMatrix Ortho(double l, double r, double b, double t, double n, double f) {
  GlMatrix m = Identity();
  m[0] = 2 / (r - l);
  m[5] = 2 / (t - b);
  m[10] = -2 / (f - n);
  m[12] = -(r + l) / (r - l);
  m[13] = -(t + b) / (t - b);
  m[14] = -(f + n) / (f - n);
  return m;
}

GlMatrix Frustum(double l, double r, double b, double t, double n, double f) {
  GlMatrix m{};
  m[0] = 2 * n / (r - l);
  m[5] = 2 * n / (t - b);
  m[8] = (r + l) / (r - l);
  m[9] = (t + b) / (t - b);
  m[10] = -(f + n) / (f - n);
  m[11] = -1;
  m[14] = -2 * f * n / (f - n);
  return m;
}

void Normalize3(double* v) {
  const double len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (len == 0) return;
  for (int i = 0; i < 3; ++i) v[i] /= len;
}

GlMatrix LookAt(const std::vector<double>& a) {
  double f[3] = {a[3] - a[0], a[4] - a[1], a[5] - a[2]};
  Normalize3(f);
  const double up[3] = {a[6], a[7], a[8]};
  double s[3] = {f[1] * up[2] - f[2] * up[1], f[2] * up[0] - f[0] * up[2],
                 f[0] * up[1] - f[1] * up[0]};
  Normalize3(s);
  const double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2],
                       s[0] * f[1] - s[1] * f[0]};
  GlMatrix m = Identity();
  for (int i = 0; i < 3; ++i) {
    m[i * 4 + 0] = s[i];
    m[i * 4 + 1] = u[i];
    m[i * 4 + 2] = -f[i];
  }
  return Multiply(m, Translation(-a[0], -a[1], -a[2]));
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool AllowedInsideBegin(std::string_view name) {
  return StartsWith(name, "glVertex") || StartsWith(name, "glNormal") ||
         StartsWith(name, "glColor3") || StartsWith(name, "glColor4") ||
         StartsWith(name, "glMaterial") || name == "glCallList" || name == "glCallLists" ||
         name == "glEnd";
}

std::array<float, 4> Four(const std::vector<double>& a, size_t first) {
  std::array<float, 4> v{0, 0, 0, 0};
  for (size_t i = 0; i < 4 && first + i < a.size(); ++i) v[i] = float(a[first + i]);
  return v;
}

GlCall Make(const char* name, std::initializer_list<double> args) {
  return GlCall{name, std::vector<double>(args)};
}

template <typename T>
std::vector<double> Spread(std::initializer_list<double> head, const T* values, int n) {
  std::vector<double> v(head);
  for (int i = 0; i < n; ++i) v.push_back(values != nullptr ? double(values[i]) : 0.0);
  return v;
}

}  // namespace

std::string ToString(const GlCall& call) {
  std::string text = call.name + "(";
  for (size_t i = 0; i < call.args.size(); ++i) {
    if (i > 0) text += ", ";
    text += FormatDouble(call.args[i]);
  }
  return text + ")";
}

void PrintTo(const GlCall& call, std::ostream* os) { *os << ToString(call); }

RecordingGl::RecordingGl() {
  for (auto& stack : stacks_) stack.assign(1, Identity());
  enabled_.insert(GL_DITHER);  // the only capability on in a fresh context
}

RecordingGl::~RecordingGl() = default;

int RecordingGl::StackIndex(GLenum mode) {
  switch (mode) {
    case GL_PROJECTION:
      return 1;
    case GL_TEXTURE:
      return 2;
    default:
      return 0;
  }
}

int RecordingGl::StackDepth(GLenum mode) const { return int(stacks_[StackIndex(mode)].size()); }
GlMatrix RecordingGl::Matrix(GLenum mode) const { return stacks_[StackIndex(mode)].back(); }

std::array<float, 4> RecordingGl::Light(GLenum light, GLenum pname) const {
  auto it = lights_.find({light, pname});
  return it == lights_.end() ? std::array<float, 4>{0, 0, 0, 0} : it->second;
}

std::array<float, 4> RecordingGl::Material(GLenum face, GLenum pname) const {
  auto it = materials_.find({face, pname});
  return it == materials_.end() ? std::array<float, 4>{0, 0, 0, 0} : it->second;
}

std::array<float, 4> RecordingGl::LightModel(GLenum pname) const {
  auto it = lightModel_.find(pname);
  return it == lightModel_.end() ? std::array<float, 4>{0, 0, 0, 0} : it->second;
}

std::vector<GlCall> RecordingGl::Named(std::string_view name) const {
  std::vector<GlCall> out;
  for (const GlCall& c : calls_)
    if (c.name == name) out.push_back(c);
  return out;
}

int RecordingGl::Count(std::string_view name) const {
  int n = 0;
  for (const GlCall& c : calls_)
    if (c.name == name) ++n;
  return n;
}

const std::vector<GlCall>& RecordingGl::ListContents(GLuint list) const {
  static const std::vector<GlCall> none;
  auto it = lists_.find(list);
  return it == lists_.end() ? none : it->second;
}

std::vector<GLuint> RecordingGl::Lists() const { return {reserved_.begin(), reserved_.end()}; }

std::vector<GlPrimitive> RecordingGl::PrimitivesOf(const std::vector<GlCall>& calls) {
  std::vector<GlPrimitive> out;
  std::array<double, 4> color{1, 1, 1, 1};
  std::array<double, 3> normal{0, 0, 1};
  bool inside = false;
  for (const GlCall& c : calls) {
    const std::string& n = c.name;
    const auto& a = c.args;
    if (n == "glBegin") {
      out.push_back(GlPrimitive{GLenum(a[0]), {}});
      inside = true;
    } else if (n == "glEnd") {
      inside = false;
    } else if (StartsWith(n, "glColor") && n != "glColorMaterial") {
      color = {a[0], a[1], a[2], a.size() > 3 ? a[3] : 1.0};
      if (n == "glColor3ub") color = {a[0] / 255.0, a[1] / 255.0, a[2] / 255.0, 1.0};
    } else if (StartsWith(n, "glNormal")) {
      normal = {a[0], a[1], a[2]};
    } else if (StartsWith(n, "glVertex") && inside) {
      GlVertex v;
      v.position = {a[0], a[1], a.size() > 2 ? a[2] : 0.0};
      v.color = color;
      v.normal = normal;
      out.back().vertices.push_back(v);
    }
  }
  return out;
}

void RecordingGl::Fail(GLenum code, std::string what) {
  if (error_ == GL_NO_ERROR) error_ = code;
  errors_.push_back(std::move(what));
}

void RecordingGl::Submit(GlCall call, Kind kind) {
  calls_.push_back(call);
  if (insideBegin_ && !AllowedInsideBegin(call.name)) {
    Fail(GL_INVALID_OPERATION, call.name + " inside glBegin/glEnd");
    return;
  }
  if (call.name == "glBegin") {
    insideBegin_ = true;
    primitive_ = GLenum(call.args[0]);
  } else if (call.name == "glEnd") {
    if (!insideBegin_) {
      Fail(GL_INVALID_OPERATION, "glEnd without glBegin");
      return;
    }
    insideBegin_ = false;
  }
  if (kind == Kind::Immediate) {
    Execute(call, 0);
    return;
  }
  if (compiling_ != 0) {
    pending_.push_back(call);
    if (compileMode_ != GL_COMPILE_AND_EXECUTE) return;
  }
  Execute(call, 0);
}

void RecordingGl::MultiplyTop(const GlMatrix& m) { Top() = Multiply(Top(), m); }

void RecordingGl::RunList(GLuint list, int depth) {
  if (depth >= kMaxListNesting) return;
  auto it = lists_.find(list);
  if (it == lists_.end()) return;
  const std::vector<GlCall> contents = it->second;  // a list may replace itself when run
  for (const GlCall& c : contents) Execute(c, depth + 1);
}

void RecordingGl::Execute(const GlCall& c, int depth) {
  const std::string& n = c.name;
  const auto& a = c.args;
  if (StartsWith(n, "glVertex") || n == "glBegin" || n == "glEnd") return;
  if (StartsWith(n, "glNormal")) {
    normal_ = {float(a[0]), float(a[1]), float(a[2])};
  } else if (StartsWith(n, "glColor") && n != "glColorMaterial") {
    if (n == "glColor3ub")
      color_ = {float(a[0] / 255.0), float(a[1] / 255.0), float(a[2] / 255.0), 1.0f};
    else
      color_ = {float(a[0]), float(a[1]), float(a[2]), a.size() > 3 ? float(a[3]) : 1.0f};
  } else if (n == "glMaterialf" || n == "glMaterialfv") {
    const GLenum face = GLenum(a[0]);
    const GLenum pname = GLenum(a[1]);
    const auto v = Four(a, 2);
    auto set = [&](GLenum f) {
      if (pname == GL_AMBIENT_AND_DIFFUSE) {
        materials_[{f, GL_AMBIENT}] = v;
        materials_[{f, GL_DIFFUSE}] = v;
      } else {
        materials_[{f, pname}] = v;
      }
    };
    if (face == GL_FRONT || face == GL_FRONT_AND_BACK) set(GL_FRONT);
    if (face == GL_BACK || face == GL_FRONT_AND_BACK) set(GL_BACK);
  } else if (n == "glColorMaterial") {
    colorMaterial_ = {GLenum(a[0]), GLenum(a[1])};
  } else if (n == "glLightf" || n == "glLightfv") {
    const GLenum light = GLenum(a[0]);
    const GLenum pname = GLenum(a[1]);
    auto v = Four(a, 2);
    if (pname == GL_POSITION) {
      const GlMatrix& m = stacks_[0].back();
      std::array<float, 4> e{};
      for (int row = 0; row < 4; ++row) {
        double s = 0;
        for (int k = 0; k < 4; ++k) s += m[k * 4 + row] * v[k];
        e[row] = float(s);
      }
      v = e;
    }
    lights_[{light, pname}] = v;
  } else if (n == "glLightModelf" || n == "glLightModeli" || n == "glLightModelfv") {
    lightModel_[GLenum(a[0])] = Four(a, 1);
  } else if (n == "glEnable") {
    enabled_.insert(GLenum(a[0]));
  } else if (n == "glDisable") {
    enabled_.erase(GLenum(a[0]));
  } else if (n == "glGenLists") {
    // handled by the method itself
  } else if (n == "glNewList") {
    const GLuint list = GLuint(a[0]);
    const GLenum mode = GLenum(a[1]);
    if (list == 0) {
      Fail(GL_INVALID_VALUE, "glNewList with list 0");
    } else if (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE) {
      Fail(GL_INVALID_ENUM, "glNewList with a bad mode");
    } else if (compiling_ != 0) {
      Fail(GL_INVALID_OPERATION, "glNewList while list " + std::to_string(compiling_) +
                                     " is open");
    } else {
      compiling_ = list;
      compileMode_ = mode;
      pending_.clear();
    }
  } else if (n == "glEndList") {
    if (compiling_ == 0) {
      Fail(GL_INVALID_OPERATION, "glEndList without glNewList");
    } else {
      lists_[compiling_] = std::move(pending_);
      reserved_.insert(compiling_);
      pending_.clear();
      compiling_ = 0;
      compileMode_ = 0;
    }
  } else if (n == "glCallList") {
    RunList(GLuint(a[0]), depth);
  } else if (n == "glCallLists") {
    const int count = int(a[0]);
    // The list number is base + code in unsigned arithmetic, as the GL forms it: a base below
    // the first code (glListBase(first - 32) with a small first) wraps around.
    for (int i = 0; i < count; ++i)
      RunList(GLuint(uint32_t(listBase_) + uint32_t(int32_t(a[2 + i]))), depth);
  } else if (n == "glDeleteLists") {
    if (a[1] < 0) {
      Fail(GL_INVALID_VALUE, "glDeleteLists with a negative range");
    } else {
      for (double i = 0; i < a[1]; ++i) {
        lists_.erase(GLuint(a[0] + i));
        reserved_.erase(GLuint(a[0] + i));
      }
    }
  } else if (n == "glListBase") {
    listBase_ = GLuint(a[0]);
  } else if (n == "glMatrixMode") {
    matrixMode_ = GLenum(a[0]);
  } else if (n == "glLoadIdentity") {
    Top() = Identity();
  } else if (n == "glLoadMatrixf" || n == "glLoadMatrixd") {
    Top() = FromArgs(a, 0);
  } else if (n == "glMultMatrixf" || n == "glMultMatrixd") {
    MultiplyTop(FromArgs(a, 0));
  } else if (n == "glPushMatrix") {
    auto& stack = stacks_[StackIndex(matrixMode_)];
    if (int(stack.size()) >= kMaxStackDepth)
      Fail(GL_STACK_OVERFLOW, "glPushMatrix: stack overflow");
    else
      stack.push_back(stack.back());
  } else if (n == "glPopMatrix") {
    auto& stack = stacks_[StackIndex(matrixMode_)];
    if (stack.size() <= 1)
      Fail(GL_STACK_UNDERFLOW, "glPopMatrix: stack underflow");
    else
      stack.pop_back();
  } else if (n == "glTranslatef" || n == "glTranslated") {
    MultiplyTop(Translation(a[0], a[1], a[2]));
  } else if (n == "glRotatef" || n == "glRotated") {
    MultiplyTop(Rotation(a[0], a[1], a[2], a[3]));
  } else if (n == "glScalef" || n == "glScaled") {
    MultiplyTop(Scaling(a[0], a[1], a[2]));
  } else if (n == "glViewport") {
    if (a[2] < 0 || a[3] < 0)
      Fail(GL_INVALID_VALUE, "glViewport with a negative size");
    else
      viewport_ = {int(a[0]), int(a[1]), int(a[2]), int(a[3])};
  } else if (n == "glOrtho" || n == "gluOrtho2D") {
    const double nearZ = n == "glOrtho" ? a[4] : -1, farZ = n == "glOrtho" ? a[5] : 1;
    if (a[0] == a[1] || a[2] == a[3] || nearZ == farZ)
      Fail(GL_INVALID_VALUE, n + " with an empty volume");
    else
      MultiplyTop(Ortho(a[0], a[1], a[2], a[3], nearZ, farZ));
  } else if (n == "glFrustum") {
    if (a[4] <= 0 || a[5] <= 0 || a[0] == a[1] || a[2] == a[3] || a[4] == a[5])
      Fail(GL_INVALID_VALUE, "glFrustum with a bad volume");
    else
      MultiplyTop(Frustum(a[0], a[1], a[2], a[3], a[4], a[5]));
  } else if (n == "gluPerspective") {
    const double top = a[2] * std::tan(a[0] * std::numbers::pi / 360.0);
    const double right = top * a[1];
    if (a[2] <= 0 || a[3] <= 0 || a[2] == a[3] || top == 0 || right == 0)
      return;  // GLU ignores a degenerate perspective
    MultiplyTop(Frustum(-right, right, -top, top, a[2], a[3]));
  } else if (n == "gluLookAt") {
    MultiplyTop(LookAt(a));
  } else if (n == "glClearColor") {
    clearColor_ = Four(a, 0);
  } else if (n == "glClearDepth") {
    clearDepth_ = a[0];
  } else if (n == "glShadeModel") {
    shadeModel_ = GLenum(a[0]);
  } else if (n == "glPolygonMode") {
    const GLenum face = GLenum(a[0]);
    if (face == GL_FRONT || face == GL_FRONT_AND_BACK) polygonMode_[0] = GLenum(a[1]);
    if (face == GL_BACK || face == GL_FRONT_AND_BACK) polygonMode_[1] = GLenum(a[1]);
  } else if (n == "glLineWidth") {
    if (a[0] <= 0)
      Fail(GL_INVALID_VALUE, "glLineWidth of 0 or less");
    else
      lineWidth_ = float(a[0]);
  } else if (n == "glPointSize") {
    if (a[0] <= 0)
      Fail(GL_INVALID_VALUE, "glPointSize of 0 or less");
    else
      pointSize_ = float(a[0]);
  } else if (n == "glBlendFunc") {
    blend_ = {GLenum(a[0]), GLenum(a[1])};
  } else if (n == "glDepthFunc") {
    depthFunc_ = GLenum(a[0]);
  } else if (n == "glFrontFace") {
    frontFace_ = GLenum(a[0]);
  } else if (n == "glCullFace") {
    cullFace_ = GLenum(a[0]);
  } else if (n == "glPushAttrib") {
    if (int(attribStack_.size()) >= 16) {
      Fail(GL_STACK_OVERFLOW, "glPushAttrib: stack overflow");
    } else {
      AttribEntry e;
      e.mask = GLbitfield(a[0]);
      e.polygonMode = polygonMode_;
      e.frontFace = frontFace_;
      e.cullFace = cullFace_;
      for (GLenum cap : kPolygonCaps)
        if (enabled_.count(cap)) e.polygonCaps.insert(cap);
      attribStack_.push_back(std::move(e));
    }
  } else if (n == "glPopAttrib") {
    if (attribStack_.empty()) {
      Fail(GL_STACK_UNDERFLOW, "glPopAttrib: stack underflow");
    } else {
      const AttribEntry& e = attribStack_.back();
      if (e.mask & GL_POLYGON_BIT) {
        polygonMode_ = e.polygonMode;
        frontFace_ = e.frontFace;
        cullFace_ = e.cullFace;
        for (GLenum cap : kPolygonCaps) {
          if (e.polygonCaps.count(cap))
            enabled_.insert(cap);
          else
            enabled_.erase(cap);
        }
      }
      attribStack_.pop_back();
    }
  }
  // Other attribute groups are not restored here (the drawing pushes only GL_POLYGON_BIT).
  // glClear, glHint, glDepthMask, glLineStipple, glPolygonOffset, glFinish, glFlush, the
  // queries and the GLU drawing calls leave no state that is tracked here.
}

// ---- the calls ----

void RecordingGl::glBegin(GLenum mode) { Submit(Make("glBegin", {double(mode)}), Kind::Drawn); }
void RecordingGl::glEnd() { Submit(Make("glEnd", {}), Kind::Drawn); }
void RecordingGl::glVertex2f(GLfloat x, GLfloat y) { Submit(Make("glVertex2f", {x, y}), Kind::Drawn); }
void RecordingGl::glVertex2d(GLdouble x, GLdouble y) { Submit(Make("glVertex2d", {x, y}), Kind::Drawn); }
void RecordingGl::glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
  Submit(Make("glVertex3f", {x, y, z}), Kind::Drawn);
}
void RecordingGl::glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
  Submit(Make("glVertex3d", {x, y, z}), Kind::Drawn);
}
void RecordingGl::glVertex3fv(const GLfloat* v) {
  Submit(GlCall{"glVertex3fv", Spread({}, v, 3)}, Kind::Drawn);
}
void RecordingGl::glVertex3dv(const GLdouble* v) {
  Submit(GlCall{"glVertex3dv", Spread({}, v, 3)}, Kind::Drawn);
}
void RecordingGl::glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
  Submit(Make("glNormal3f", {x, y, z}), Kind::Drawn);
}
void RecordingGl::glNormal3d(GLdouble x, GLdouble y, GLdouble z) {
  Submit(Make("glNormal3d", {x, y, z}), Kind::Drawn);
}
void RecordingGl::glNormal3fv(const GLfloat* v) {
  Submit(GlCall{"glNormal3fv", Spread({}, v, 3)}, Kind::Drawn);
}
void RecordingGl::glNormal3dv(const GLdouble* v) {
  Submit(GlCall{"glNormal3dv", Spread({}, v, 3)}, Kind::Drawn);
}
void RecordingGl::glColor3f(GLfloat r, GLfloat g, GLfloat b) {
  Submit(Make("glColor3f", {r, g, b}), Kind::Drawn);
}
void RecordingGl::glColor3d(GLdouble r, GLdouble g, GLdouble b) {
  Submit(Make("glColor3d", {r, g, b}), Kind::Drawn);
}
void RecordingGl::glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  Submit(Make("glColor4f", {r, g, b, a}), Kind::Drawn);
}
void RecordingGl::glColor4d(GLdouble r, GLdouble g, GLdouble b, GLdouble a) {
  Submit(Make("glColor4d", {r, g, b, a}), Kind::Drawn);
}
void RecordingGl::glColor3ub(GLubyte r, GLubyte g, GLubyte b) {
  Submit(Make("glColor3ub", {double(r), double(g), double(b)}), Kind::Drawn);
}
void RecordingGl::glColor3fv(const GLfloat* v) {
  Submit(GlCall{"glColor3fv", Spread({}, v, 3)}, Kind::Drawn);
}
void RecordingGl::glColor4fv(const GLfloat* v) {
  Submit(GlCall{"glColor4fv", Spread({}, v, 4)}, Kind::Drawn);
}

void RecordingGl::glMaterialf(GLenum face, GLenum pname, GLfloat param) {
  Submit(Make("glMaterialf", {double(face), double(pname), param}), Kind::Drawn);
}
void RecordingGl::glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
  Submit(GlCall{"glMaterialfv", Spread({double(face), double(pname)}, params,
                                       GlMaterialValueCount(pname))},
         Kind::Drawn);
}
void RecordingGl::glColorMaterial(GLenum face, GLenum mode) {
  Submit(Make("glColorMaterial", {double(face), double(mode)}), Kind::Drawn);
}
void RecordingGl::glLightf(GLenum light, GLenum pname, GLfloat param) {
  Submit(Make("glLightf", {double(light), double(pname), param}), Kind::Drawn);
}
void RecordingGl::glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
  Submit(GlCall{"glLightfv",
                Spread({double(light), double(pname)}, params, GlLightValueCount(pname))},
         Kind::Drawn);
}
void RecordingGl::glLightModelf(GLenum pname, GLfloat param) {
  Submit(Make("glLightModelf", {double(pname), param}), Kind::Drawn);
}
void RecordingGl::glLightModeli(GLenum pname, GLint param) {
  Submit(Make("glLightModeli", {double(pname), double(param)}), Kind::Drawn);
}
void RecordingGl::glLightModelfv(GLenum pname, const GLfloat* params) {
  Submit(GlCall{"glLightModelfv",
                Spread({double(pname)}, params, GlLightModelValueCount(pname))},
         Kind::Drawn);
}

void RecordingGl::glEnable(GLenum cap) { Submit(Make("glEnable", {double(cap)}), Kind::Drawn); }
void RecordingGl::glDisable(GLenum cap) { Submit(Make("glDisable", {double(cap)}), Kind::Drawn); }
GLboolean RecordingGl::glIsEnabled(GLenum cap) {
  Submit(Make("glIsEnabled", {double(cap)}), Kind::Immediate);
  return insideBegin_ ? GL_FALSE : (Enabled(cap) ? GL_TRUE : GL_FALSE);
}

GLuint RecordingGl::glGenLists(GLsizei range) {
  const size_t errorsBefore = errors_.size();
  Submit(Make("glGenLists", {double(range)}), Kind::Immediate);
  if (errors_.size() != errorsBefore) return 0;
  if (range < 0) {
    Fail(GL_INVALID_VALUE, "glGenLists with a negative range");
    return 0;
  }
  if (range == 0) return 0;
  GLuint first = 1;
  for (;;) {
    GLuint k = 0;
    while (k < GLuint(range) && reserved_.count(first + k) == 0) ++k;
    if (k == GLuint(range)) break;
    first = first + k + 1;
  }
  for (GLuint k = 0; k < GLuint(range); ++k) {
    reserved_.insert(first + k);
    lists_[first + k];  // an empty list
  }
  return first;
}
void RecordingGl::glNewList(GLuint list, GLenum mode) {
  Submit(Make("glNewList", {double(list), double(mode)}), Kind::Immediate);
}
void RecordingGl::glEndList() { Submit(Make("glEndList", {}), Kind::Immediate); }
void RecordingGl::glCallList(GLuint list) {
  Submit(Make("glCallList", {double(list)}), Kind::Drawn);
}
void RecordingGl::glCallLists(GLsizei n, GLenum type, const GLvoid* lists) {
  std::vector<double> args{double(n), double(type)};
  for (GLsizei i = 0; i < n && lists != nullptr; ++i) {
    switch (type) {
      case GL_BYTE:
        args.push_back(static_cast<const GLbyte*>(lists)[i]);
        break;
      case GL_UNSIGNED_BYTE:
        args.push_back(static_cast<const GLubyte*>(lists)[i]);
        break;
      case GL_SHORT:
        args.push_back(static_cast<const GLshort*>(lists)[i]);
        break;
      case GL_UNSIGNED_SHORT:
        args.push_back(static_cast<const GLushort*>(lists)[i]);
        break;
      case GL_INT:
        args.push_back(static_cast<const GLint*>(lists)[i]);
        break;
      case GL_UNSIGNED_INT:
        args.push_back(static_cast<const GLuint*>(lists)[i]);
        break;
      case GL_FLOAT:
        args.push_back(static_cast<const GLfloat*>(lists)[i]);
        break;
      default:
        break;
    }
  }
  if (n < 0) {
    calls_.push_back(GlCall{"glCallLists", args});
    Fail(GL_INVALID_VALUE, "glCallLists with a negative count");
    return;
  }
  if (args.size() != size_t(n) + 2) {
    calls_.push_back(GlCall{"glCallLists", args});
    Fail(GL_INVALID_ENUM, "glCallLists with an unknown type or without codes");
    return;
  }
  Submit(GlCall{"glCallLists", std::move(args)}, Kind::Drawn);
}
void RecordingGl::glDeleteLists(GLuint list, GLsizei range) {
  Submit(Make("glDeleteLists", {double(list), double(range)}), Kind::Immediate);
}
GLboolean RecordingGl::glIsList(GLuint list) {
  Submit(Make("glIsList", {double(list)}), Kind::Immediate);
  return reserved_.count(list) != 0 ? GL_TRUE : GL_FALSE;
}
void RecordingGl::glListBase(GLuint base) { Submit(Make("glListBase", {double(base)}), Kind::Drawn); }

void RecordingGl::glMatrixMode(GLenum mode) {
  Submit(Make("glMatrixMode", {double(mode)}), Kind::Drawn);
}
void RecordingGl::glLoadIdentity() { Submit(Make("glLoadIdentity", {}), Kind::Drawn); }
void RecordingGl::glLoadMatrixf(const GLfloat* m) {
  Submit(GlCall{"glLoadMatrixf", Spread({}, m, 16)}, Kind::Drawn);
}
void RecordingGl::glLoadMatrixd(const GLdouble* m) {
  Submit(GlCall{"glLoadMatrixd", Spread({}, m, 16)}, Kind::Drawn);
}
void RecordingGl::glMultMatrixf(const GLfloat* m) {
  Submit(GlCall{"glMultMatrixf", Spread({}, m, 16)}, Kind::Drawn);
}
void RecordingGl::glMultMatrixd(const GLdouble* m) {
  Submit(GlCall{"glMultMatrixd", Spread({}, m, 16)}, Kind::Drawn);
}
void RecordingGl::glPushMatrix() { Submit(Make("glPushMatrix", {}), Kind::Drawn); }
void RecordingGl::glPopMatrix() { Submit(Make("glPopMatrix", {}), Kind::Drawn); }
void RecordingGl::glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  Submit(Make("glTranslatef", {x, y, z}), Kind::Drawn);
}
void RecordingGl::glTranslated(GLdouble x, GLdouble y, GLdouble z) {
  Submit(Make("glTranslated", {x, y, z}), Kind::Drawn);
}
void RecordingGl::glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  Submit(Make("glRotatef", {angle, x, y, z}), Kind::Drawn);
}
void RecordingGl::glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
  Submit(Make("glRotated", {angle, x, y, z}), Kind::Drawn);
}
void RecordingGl::glScalef(GLfloat x, GLfloat y, GLfloat z) {
  Submit(Make("glScalef", {x, y, z}), Kind::Drawn);
}
void RecordingGl::glScaled(GLdouble x, GLdouble y, GLdouble z) {
  Submit(Make("glScaled", {x, y, z}), Kind::Drawn);
}

void RecordingGl::glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  Submit(Make("glViewport", {double(x), double(y), double(width), double(height)}), Kind::Drawn);
}
void RecordingGl::glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
  Submit(Make("glOrtho", {l, r, b, t, n, f}), Kind::Drawn);
}
void RecordingGl::glFrustum(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n,
                            GLdouble f) {
  Submit(Make("glFrustum", {l, r, b, t, n, f}), Kind::Drawn);
}
void RecordingGl::gluOrtho2D(GLdouble l, GLdouble r, GLdouble b, GLdouble t) {
  Submit(Make("gluOrtho2D", {l, r, b, t}), Kind::Drawn);
}
void RecordingGl::gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
  Submit(Make("gluPerspective", {fovy, aspect, zNear, zFar}), Kind::Drawn);
}
void RecordingGl::gluLookAt(GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx, GLdouble cy,
                            GLdouble cz, GLdouble ux, GLdouble uy, GLdouble uz) {
  Submit(Make("gluLookAt", {ex, ey, ez, cx, cy, cz, ux, uy, uz}), Kind::Drawn);
}

void RecordingGl::glClear(GLbitfield mask) { Submit(Make("glClear", {double(mask)}), Kind::Drawn); }
void RecordingGl::glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
  Submit(Make("glClearColor", {r, g, b, a}), Kind::Drawn);
}
void RecordingGl::glClearDepth(GLclampd depth) { Submit(Make("glClearDepth", {depth}), Kind::Drawn); }
void RecordingGl::glShadeModel(GLenum mode) {
  Submit(Make("glShadeModel", {double(mode)}), Kind::Drawn);
}
void RecordingGl::glPolygonMode(GLenum face, GLenum mode) {
  Submit(Make("glPolygonMode", {double(face), double(mode)}), Kind::Drawn);
}
void RecordingGl::glPolygonOffset(GLfloat factor, GLfloat units) {
  Submit(Make("glPolygonOffset", {factor, units}), Kind::Drawn);
}
void RecordingGl::glLineWidth(GLfloat width) { Submit(Make("glLineWidth", {width}), Kind::Drawn); }
void RecordingGl::glLineStipple(GLint factor, GLushort pattern) {
  Submit(Make("glLineStipple", {double(factor), double(pattern)}), Kind::Drawn);
}
void RecordingGl::glPointSize(GLfloat size) { Submit(Make("glPointSize", {size}), Kind::Drawn); }
void RecordingGl::glBlendFunc(GLenum s, GLenum d) {
  Submit(Make("glBlendFunc", {double(s), double(d)}), Kind::Drawn);
}
void RecordingGl::glPushAttrib(GLbitfield mask) {
  Submit(Make("glPushAttrib", {double(mask)}), Kind::Drawn);
}
void RecordingGl::glPopAttrib() { Submit(Make("glPopAttrib", {}), Kind::Drawn); }
void RecordingGl::glHint(GLenum target, GLenum mode) {
  Submit(Make("glHint", {double(target), double(mode)}), Kind::Drawn);
}
void RecordingGl::glDepthFunc(GLenum func) { Submit(Make("glDepthFunc", {double(func)}), Kind::Drawn); }
void RecordingGl::glDepthMask(GLboolean flag) {
  Submit(Make("glDepthMask", {double(flag)}), Kind::Drawn);
}
void RecordingGl::glFrontFace(GLenum mode) { Submit(Make("glFrontFace", {double(mode)}), Kind::Drawn); }
void RecordingGl::glCullFace(GLenum mode) { Submit(Make("glCullFace", {double(mode)}), Kind::Drawn); }
GLint RecordingGl::glRenderMode(GLenum mode) {
  Submit(Make("glRenderMode", {double(mode)}), Kind::Immediate);
  return 0;
}
void RecordingGl::glFinish() { Submit(Make("glFinish", {}), Kind::Immediate); }
void RecordingGl::glFlush() { Submit(Make("glFlush", {}), Kind::Immediate); }
GLenum RecordingGl::glGetError() {
  Submit(Make("glGetError", {}), Kind::Immediate);
  const GLenum e = error_;
  error_ = GL_NO_ERROR;
  return e;
}

void RecordingGl::GetValues(GLenum pname, double* out) const {
  const int count = GlGetValueCount(pname);
  for (int i = 0; i < count; ++i) out[i] = 0;
  switch (pname) {
    case GL_MODELVIEW_MATRIX:
    case GL_PROJECTION_MATRIX:
    case GL_TEXTURE_MATRIX: {
      const GLenum mode = pname == GL_MODELVIEW_MATRIX    ? GL_MODELVIEW
                          : pname == GL_PROJECTION_MATRIX ? GL_PROJECTION
                                                          : GL_TEXTURE;
      const GlMatrix m = Matrix(mode);
      for (int i = 0; i < 16; ++i) out[i] = m[i];
      return;
    }
    case GL_VIEWPORT:
      for (int i = 0; i < 4; ++i) out[i] = viewport_[i];
      return;
    case GL_CURRENT_COLOR:
      for (int i = 0; i < 4; ++i) out[i] = color_[i];
      return;
    case GL_CURRENT_NORMAL:
      for (int i = 0; i < 3; ++i) out[i] = normal_[i];
      return;
    case GL_COLOR_CLEAR_VALUE:
      for (int i = 0; i < 4; ++i) out[i] = clearColor_[i];
      return;
    case GL_LIGHT_MODEL_AMBIENT: {
      const auto v = LightModel(pname);
      for (int i = 0; i < 4; ++i) out[i] = v[i];
      return;
    }
    case GL_POLYGON_MODE:
      out[0] = polygonMode_[0];
      out[1] = polygonMode_[1];
      return;
    case GL_DEPTH_CLEAR_VALUE:
      out[0] = clearDepth_;
      return;
    case GL_LINE_WIDTH:
      out[0] = lineWidth_;
      return;
    case GL_POINT_SIZE:
      out[0] = pointSize_;
      return;
    case GL_MATRIX_MODE:
      out[0] = matrixMode_;
      return;
    case GL_MODELVIEW_STACK_DEPTH:
      out[0] = StackDepth(GL_MODELVIEW);
      return;
    case GL_PROJECTION_STACK_DEPTH:
      out[0] = StackDepth(GL_PROJECTION);
      return;
    case GL_MAX_MODELVIEW_STACK_DEPTH:
    case GL_MAX_PROJECTION_STACK_DEPTH:
      out[0] = kMaxStackDepth;
      return;
    case GL_MAX_LIST_NESTING:
      out[0] = kMaxListNesting;
      return;
    case GL_LIST_INDEX:
      out[0] = compiling_;
      return;
    case GL_LIST_MODE:
      out[0] = compileMode_;
      return;
    case GL_LIST_BASE:
      out[0] = listBase_;
      return;
    case GL_SHADE_MODEL:
      out[0] = shadeModel_;
      return;
    case GL_DEPTH_FUNC:
      out[0] = depthFunc_;
      return;
    case GL_BLEND_SRC:
      out[0] = blend_[0];
      return;
    case GL_BLEND_DST:
      out[0] = blend_[1];
      return;
    case GL_FRONT_FACE:
      out[0] = frontFace_;
      return;
    case GL_CULL_FACE_MODE:
      out[0] = cullFace_;
      return;
    case GL_COLOR_MATERIAL_FACE:
      out[0] = colorMaterial_[0];
      return;
    case GL_COLOR_MATERIAL_PARAMETER:
      out[0] = colorMaterial_[1];
      return;
    case GL_LIGHT_MODEL_TWO_SIDE:
      out[0] = LightModel(pname)[0];
      return;
    default:
      out[0] = Enabled(pname) ? 1 : 0;  // capabilities; unknown names read as 0
      return;
  }
}

void RecordingGl::glGetFloatv(GLenum pname, GLfloat* params) {
  Submit(Make("glGetFloatv", {double(pname)}), Kind::Immediate);
  double v[16];
  GetValues(pname, v);
  if (params == nullptr) return;
  for (int i = 0; i < GlGetValueCount(pname); ++i) params[i] = GLfloat(v[i]);
}
void RecordingGl::glGetIntegerv(GLenum pname, GLint* params) {
  Submit(Make("glGetIntegerv", {double(pname)}), Kind::Immediate);
  double v[16];
  GetValues(pname, v);
  if (params == nullptr) return;
  for (int i = 0; i < GlGetValueCount(pname); ++i) params[i] = GLint(std::nearbyint(v[i]));
}
void RecordingGl::glGetDoublev(GLenum pname, GLdouble* params) {
  Submit(Make("glGetDoublev", {double(pname)}), Kind::Immediate);
  double v[16];
  GetValues(pname, v);
  if (params == nullptr) return;
  for (int i = 0; i < GlGetValueCount(pname); ++i) params[i] = v[i];
}

// ---- GLU quadrics ----

RecordingGl::QuadricState* RecordingGl::FindQuadric(GLUquadric* quad, const char* call) {
  auto it = quadrics_.find(quad);
  if (it == quadrics_.end()) {
    Fail(GL_INVALID_OPERATION, std::string(call) + " with an unknown quadric");
    return nullptr;
  }
  return &it->second;
}

double RecordingGl::QuadricNumber(GLUquadric* quad) const {
  auto it = quadrics_.find(quad);
  return it == quadrics_.end() ? 0.0 : double(it->second.number);
}

GLUquadric* RecordingGl::gluNewQuadric() {
  calls_.push_back(Make("gluNewQuadric", {}));
  quadricTokens_.push_back(std::make_unique<char>(0));
  // The token is never read: it only gives each quadric its own address.
  auto* quad = reinterpret_cast<GLUquadric*>(quadricTokens_.back().get());
  quadrics_[quad] = QuadricState{++quadricCount_};
  return quad;
}
void RecordingGl::gluDeleteQuadric(GLUquadric* quad) {
  calls_.push_back(Make("gluDeleteQuadric", {QuadricNumber(quad)}));
  if (quad == nullptr) return;  // GLU accepts a null quadric here
  if (FindQuadric(quad, "gluDeleteQuadric") != nullptr) quadrics_.erase(quad);
}
void RecordingGl::gluQuadricDrawStyle(GLUquadric* quad, GLenum draw) {
  calls_.push_back(Make("gluQuadricDrawStyle", {QuadricNumber(quad), double(draw)}));
  if (QuadricState* q = FindQuadric(quad, "gluQuadricDrawStyle")) q->drawStyle = draw;
}
void RecordingGl::gluQuadricNormals(GLUquadric* quad, GLenum normal) {
  calls_.push_back(Make("gluQuadricNormals", {QuadricNumber(quad), double(normal)}));
  if (QuadricState* q = FindQuadric(quad, "gluQuadricNormals")) q->normals = normal;
}
void RecordingGl::gluQuadricOrientation(GLUquadric* quad, GLenum orientation) {
  calls_.push_back(Make("gluQuadricOrientation", {QuadricNumber(quad), double(orientation)}));
  if (QuadricState* q = FindQuadric(quad, "gluQuadricOrientation")) q->orientation = orientation;
}
void RecordingGl::gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks) {
  const double number = QuadricNumber(quad);
  if (FindQuadric(quad, "gluSphere") == nullptr) {
    calls_.push_back(Make("gluSphere", {number, radius, double(slices), double(stacks)}));
    return;
  }
  Submit(Make("gluSphere", {number, radius, double(slices), double(stacks)}), Kind::Drawn);
}
void RecordingGl::gluCylinder(GLUquadric* quad, GLdouble base, GLdouble top, GLdouble height,
                              GLint slices, GLint stacks) {
  const double number = QuadricNumber(quad);
  GlCall call = Make("gluCylinder", {number, base, top, height, double(slices), double(stacks)});
  if (FindQuadric(quad, "gluCylinder") == nullptr) {
    calls_.push_back(call);
    return;
  }
  Submit(std::move(call), Kind::Drawn);
}
void RecordingGl::gluDisk(GLUquadric* quad, GLdouble inner, GLdouble outer, GLint slices,
                          GLint loops) {
  const double number = QuadricNumber(quad);
  GlCall call = Make("gluDisk", {number, inner, outer, double(slices), double(loops)});
  if (FindQuadric(quad, "gluDisk") == nullptr) {
    calls_.push_back(call);
    return;
  }
  Submit(std::move(call), Kind::Drawn);
}

}  // namespace curvanta
