// The working state of one sampling of a graph item, shared by the main walk and the
// derived curves.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "common/errors.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"

namespace curvanta {

// A parsed expression: its postfix text (scanned for variable tokens) and its compiled form.
struct ParsedExpression {
  std::string postfix;
  PostfixProgram program;
};

inline float CheckedSample(float value) {
  if (!std::isfinite(value))
    throw curvanta::ArithmeticError(curvanta::ArithmeticFault::Overflow, "sample out of range");
  return value;
}

// One GetPoints call: the item, the parser of the call and the parsed texts.
class SamplingRun {
 public:
  explicit SamplingRun(GraphItem& item) : g_(item) {}
  // Sets the points of the array being written that the run did not reach.
  ~SamplingRun();
  SamplingRun(const SamplingRun&) = delete;
  SamplingRun& operator=(const SamplingRun&) = delete;

  // Everything after the step corrections and the cap. Returns false after a syntax error
  // or a failed evaluation; arithmetic faults and allocation failures are thrown.
  bool Run(int32_t frames);

 private:
  bool Parse(const std::string& text, ParsedExpression& out,
             const ConversionLimits& limits = kTypedTextLimits) {
    out.postfix.clear();
    if (parser_.InfixToPostfix(text, out.postfix, limits) != 0) return false;
    out.program = PostfixProgram::Compile(out.postfix);
    return true;
  }
  static bool Eval(const ParsedExpression& p, const VarValues& vars, float& result) {
    return p.program.Evaluate(false, result, vars);
  }

  void Allocate(int32_t frames);
  bool SamplePlane(const VarValues& base, float v, Point& out, Point* second);
  bool SampleCurve3D(const VarValues& base, float u, Point& out);
  bool SampleSurface(const VarValues& base, float u, float v, bool animated, Point& out);
  bool SamplePoint(const VarValues& vars, Point& out);
  bool SurfaceRowBase(float u, VarValues& base, char& rowVariable) const;
  bool SampleSurfaceRow(float u, const std::vector<float>& v, Point* out);
  bool SamplePlaneRows(const std::vector<VarValues>& frames, Point* out, bool twoCurves);
  bool SampleAnimatedSurfaceRow(float u, const std::vector<float>& v,
                                const std::vector<VarValues>& perFrame, Point* out);
  bool SampleCurveRows(const std::vector<VarValues>& frames, Point* out);
  std::vector<float> RowValues() const;
  static std::vector<float> Samples(float step, int32_t steps, float start);
  bool Walk(int32_t frames);
  void Revolution();
  bool DerivedCurves();
  bool DerivedRow(int order, const ParsedExpression& px, const ParsedExpression& py, const ParsedExpression& pz, PointGrid& dst);
  bool ParityRow(const ParsedExpression& py, const ParsedExpression& pn);

  GraphItem& g_;
  ExpressionEngine parser_;
  ParsedExpression px_, py_, pz_, p2_;
  float du_ = 0, dv_ = 0, dt_ = 0;
  // Explicit 3D curves: the variable tokens of ExpressZ's postfix text, in order.
  std::vector<char> curveTokens_;
  // Row evaluation's component values, one per point of a row.
  std::vector<float> row1_, row2_, row3_;
  // What the rows of a surface share (they have the same v values), one store per expression.
  RowReuse reuse1_, reuse2_, reuse3_;
  // The array whose points the walk writes in order, unset until then, and the first point
  // not yet written.
  PointGrid* writing_ = nullptr;
  Point* cursor_ = nullptr;
};

}  // namespace curvanta
