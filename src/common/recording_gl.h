// A GL call layer without a context, for tests: it logs every call with its arguments,
// keeps compiled display lists, and runs the calls the way the GL would (lists compiled with
// GL_COMPILE run when called) to track the state they leave: capabilities, current colour
// and normal, begin/end, open list, matrix stacks with their matrices, lights, materials.
// Misuse (glEnd without glBegin, a state call inside glBegin/glEnd, a matrix stack under- or
// overflow, an unended list, ...) is collected in Errors() and answered by glGetError.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/gl_api.h"

namespace curvanta {

// One call: the GL name and its arguments as numbers (enums and integers too). Pointer
// arguments are spread out as their values (glMultMatrixf: 16 values; glLightfv: light,
// pname, then 4 or fewer values; glCallLists: n, type, then the n codes; quadric calls:
// the quadric's number, counted from 1, in place of the pointer).
struct GlCall {
  std::string name;
  std::vector<double> args;
  bool operator==(const GlCall&) const = default;
};
std::string ToString(const GlCall& call);
void PrintTo(const GlCall& call, std::ostream* os);  // for test failure messages

// One glBegin/glEnd block of a call sequence, with the colour and normal current at each
// vertex (as set by the glColor and glNormal calls of that sequence).
struct GlVertex {
  std::array<double, 3> position{};
  std::array<double, 4> color{};
  std::array<double, 3> normal{};
};
struct GlPrimitive {
  GLenum mode = 0;
  std::vector<GlVertex> vertices;
};

using GlMatrix = std::array<double, 16>;  // column-major, as the GL stores it

class RecordingGl : public GlApi {
 public:
  RecordingGl();
  ~RecordingGl() override;
  RecordingGl(const RecordingGl&) = delete;
  RecordingGl& operator=(const RecordingGl&) = delete;

#define CURVANTA_GL_RECORD(ret, name, params, args) ret name params override;
  CURVANTA_GL_CALLS(CURVANTA_GL_RECORD)
#undef CURVANTA_GL_RECORD

  // ---- the log ----
  const std::vector<GlCall>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  std::vector<GlCall> Named(std::string_view name) const;
  int Count(std::string_view name) const;
  // The calls compiled into `list` (empty when it holds none or does not exist).
  const std::vector<GlCall>& ListContents(GLuint list) const;
  // Numbers of the lists that exist (reserved by glGenLists or compiled), ascending.
  std::vector<GLuint> Lists() const;
  // The begin/end blocks of a call sequence, in order (calls outside blocks ignored, except
  // that they set colour and normal). The first colour is (1, 1, 1, 1), the first normal
  // (0, 0, 1), as in a fresh context.
  static std::vector<GlPrimitive> PrimitivesOf(const std::vector<GlCall>& calls);
  std::vector<GlPrimitive> Primitives() const { return PrimitivesOf(calls_); }

  // ---- the state the executed calls left ----
  bool Enabled(GLenum cap) const { return enabled_.count(cap) != 0; }
  std::array<float, 4> Color() const { return color_; }
  std::array<float, 3> Normal() const { return normal_; }
  bool InsideBegin() const { return insideBegin_; }
  GLuint CompilingList() const { return compiling_; }
  GLenum CurrentMatrixMode() const { return matrixMode_; }
  int StackDepth(GLenum mode) const;
  GlMatrix Matrix(GLenum mode) const;  // top of that stack
  float LineWidth() const { return lineWidth_; }
  float PointSize() const { return pointSize_; }
  GLenum ShadeModel() const { return shadeModel_; }
  GLuint ListBase() const { return listBase_; }
  int AttribStackDepth() const { return int(attribStack_.size()); }
  std::array<int, 4> Viewport() const { return viewport_; }
  std::array<float, 4> ClearColor() const { return clearColor_; }
  std::array<GLenum, 2> BlendFunc() const { return blend_; }
  GLenum DepthFunc() const { return depthFunc_; }
  // Polygon mode of GL_FRONT or GL_BACK.
  GLenum PolygonMode(GLenum face) const { return face == GL_BACK ? polygonMode_[1] : polygonMode_[0]; }
  // A light parameter as the GL holds it: positions in eye coordinates (transformed by the
  // model-view matrix current when they were set). Unset parameters read as zeros.
  std::array<float, 4> Light(GLenum light, GLenum pname) const;
  // A material parameter of GL_FRONT or GL_BACK; unset ones read as zeros.
  std::array<float, 4> Material(GLenum face, GLenum pname) const;
  std::array<float, 4> LightModel(GLenum pname) const;
  std::array<GLenum, 2> ColorMaterial() const { return colorMaterial_; }
  int OpenQuadrics() const { return int(quadrics_.size()); }
  // Misuse found so far, in order; never cleared by glGetError.
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  struct QuadricState {
    int number = 0;
    GLenum drawStyle = GLU_FILL;
    GLenum normals = GLU_SMOOTH;
    GLenum orientation = GLU_OUTSIDE;
  };
  enum class Kind { Drawn, Immediate };

  void Submit(GlCall call, Kind kind);
  void Execute(const GlCall& call, int depth);
  void RunList(GLuint list, int depth);
  void Fail(GLenum code, std::string what);
  GlMatrix& Top() { return stacks_[StackIndex(matrixMode_)].back(); }
  static int StackIndex(GLenum mode);
  void MultiplyTop(const GlMatrix& m);
  QuadricState* FindQuadric(GLUquadric* quad, const char* call);
  double QuadricNumber(GLUquadric* quad) const;
  void GetValues(GLenum pname, double* out) const;

  std::vector<GlCall> calls_;
  std::map<GLuint, std::vector<GlCall>> lists_;
  std::set<GLuint> reserved_;
  GLuint compiling_ = 0;
  GLenum compileMode_ = 0;
  std::vector<GlCall> pending_;
  bool insideBegin_ = false;
  GLenum primitive_ = 0;

  std::set<GLenum> enabled_;
  std::array<float, 4> color_{1, 1, 1, 1};
  std::array<float, 3> normal_{0, 0, 1};
  GLenum matrixMode_ = GL_MODELVIEW;
  std::array<std::vector<GlMatrix>, 3> stacks_;
  float lineWidth_ = 1;
  float pointSize_ = 1;
  GLenum shadeModel_ = GL_SMOOTH;
  GLuint listBase_ = 0;
  std::array<int, 4> viewport_{0, 0, 0, 0};
  std::array<float, 4> clearColor_{0, 0, 0, 0};
  double clearDepth_ = 1;
  std::array<GLenum, 2> blend_{GL_ONE, GL_ZERO};
  GLenum depthFunc_ = GL_LESS;
  std::array<GLenum, 2> polygonMode_{GL_FILL, GL_FILL};
  GLenum frontFace_ = GL_CCW;
  GLenum cullFace_ = GL_BACK;
  std::array<GLenum, 2> colorMaterial_{GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE};
  // glPushAttrib: the mask and, for GL_POLYGON_BIT, the polygon state it restores.
  struct AttribEntry {
    GLbitfield mask = 0;
    std::array<GLenum, 2> polygonMode{};
    GLenum frontFace = 0, cullFace = 0;
    std::set<GLenum> polygonCaps;
  };
  std::vector<AttribEntry> attribStack_;
  std::map<std::pair<GLenum, GLenum>, std::array<float, 4>> lights_;
  std::map<std::pair<GLenum, GLenum>, std::array<float, 4>> materials_;
  std::map<GLenum, std::array<float, 4>> lightModel_;

  std::map<GLUquadric*, QuadricState> quadrics_;
  std::vector<std::unique_ptr<char>> quadricTokens_;
  int quadricCount_ = 0;

  GLenum error_ = GL_NO_ERROR;
  std::vector<std::string> errors_;
};

}  // namespace curvanta
