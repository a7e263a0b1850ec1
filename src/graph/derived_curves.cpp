// The derived curves of a sampled 2D function or strip: first and second derivative
// samples and the parity curve (the function with its variable negated).
#include <string>

#include "expr/derivative_text.h"
#include "graph/coordinate_mapping.h"
#include "graph/sampling_run.h"

namespace curvanta {

namespace {

// The derivative text of one coordinate: the bare parameter u stands for itself.
bool DerivedText(const std::string& e, std::string& out) {
  if (e == "U" || e == "u") {
    out = e;
    return true;
  }
  out = DerivativeText(e);
  if (out.empty()) {  // too long to form: treated as a text that does not parse
    ReportDerivativeTooLong();
    return false;
  }
  return true;
}

}  // namespace

// One derivative row (order 1 or 2) into dst(0, j).
bool SamplingRun::DerivedRow(int order, const ParsedExpression& px, const ParsedExpression& py, const ParsedExpression& pz,
                             PointGrid& dst) {
  const int32_t coord = g_.CoordType;
  const bool isExplicit = g_.FunForm == FormKind::Explicit;
  for (int32_t j = 0; j <= g_.StepV; ++j) {
    const float v = CheckedSample(SampleValue(dv_, j, g_.MinV));
    Point& out = dst.Ref(0, j);
    VarValues vars;
    float e1 = 0, e2 = 0, e3 = 0;
    if (isExplicit) {
      if (coord == CoordKind::Plane) vars.X = v;
      else vars.A = v;
      if (!Eval(pz, vars, e3)) return false;
      MapToScene(out, coord, 0, v, e3);
    } else {
      vars.U = v;
      if (coord == CoordKind::Plane) {
        if (order == 1 && !Eval(px, vars, e1)) return false;
        if (!Eval(py, vars, e2) || !Eval(pz, vars, e3)) return false;
        MapToScene(out, coord, e1, e2, e3);
      } else {
        if (!Eval(py, vars, e2) || !Eval(pz, vars, e3)) return false;
        MapToScene(out, coord, 0, e2, e3);
        if (!Eval(px, vars, e1)) return false;
        out.z = e1;
      }
    }
  }
  return true;
}

// The parity curve: the negated-argument text over the mirrored range -MaxV .. -MinV.
bool SamplingRun::ParityRow(const ParsedExpression& py, const ParsedExpression& pn) {
  const int32_t coord = g_.CoordType;
  const bool isExplicit = g_.FunForm == FormKind::Explicit;
  const float start = -g_.MaxV;
  for (int32_t j = 0; j <= g_.StepV; ++j) {
    const float w = CheckedSample(SampleValue(dv_, j, start));
    Point& out = g_.VertJO_.Ref(0, j);
    VarValues vars;
    float e2 = w, e3 = 0;
    if (isExplicit) {
      if (coord == CoordKind::Plane) vars.X = w;
      else vars.A = w;
    } else {
      vars.U = w;
      if (!Eval(py, vars, e2)) return false;
    }
    if (!Eval(pn, vars, e3)) return false;
    MapToScene(out, coord, 0, e2, e3);
  }
  return true;
}

bool SamplingRun::DerivedCurves() {
  // Only 2D functions and strips in the explicit or parametric form use derived curves;
  // their texts are formed for nothing else.
  const int32_t kind = g_.GraphType;
  if (kind != GraphKind::Function2D && kind != GraphKind::Strip25D) return true;
  if (g_.FunForm != FormKind::Explicit && g_.FunForm != FormKind::Parametric) return true;
  if (g_.CoordType != CoordKind::Plane && g_.CoordType != CoordKind::Polar) return true;

  const bool first = g_.ShowDev || g_.ShowQie || g_.ShowNml || g_.ShowMax || g_.ShowMin ||
                     g_.ShowCurv || g_.ShowGuai;
  const bool second = g_.ShowGuai || g_.ShowCurv;
  if (first) {
    std::string dx, dy, dz;
    if (!DerivedText(g_.ExpressX, dx) || !DerivedText(g_.ExpressY, dy) ||
        !DerivedText(g_.ExpressZ, dz))
      return false;
    ParsedExpression p1x, p1y, p1z;
    if (!Parse(dx, p1x, kDerivedTextLimits) || !Parse(dy, p1y, kDerivedTextLimits) ||
        !Parse(dz, p1z, kDerivedTextLimits))
      return false;
    if (!DerivedRow(1, p1x, p1y, p1z, g_.VertDev_)) return false;
    if (second) {
      std::string ddx, ddy, ddz;
      if (!DerivedText(dx, ddx) || !DerivedText(dy, ddy) || !DerivedText(dz, ddz)) return false;
      ParsedExpression p2x, p2y, p2z;
      if (!Parse(ddx, p2x, kDerivedTextLimits) || !Parse(ddy, p2y, kDerivedTextLimits) ||
          !Parse(ddz, p2z, kDerivedTextLimits))
        return false;
      if (!DerivedRow(2, p2x, p2y, p2z, g_.VertDev2_)) return false;
    }
  }
  if (g_.ShowJO) {
    // The mirrored text is formed here from an accepted expression: longer than it (each
    // variable becomes "(-x)") and one level deeper, so it has the bounds of formed texts.
    ParsedExpression py, pn;
    if (!Parse(g_.ExpressY, py) ||
        !Parse(g_.NegateArgument(g_.ExpressZ), pn, kDerivedTextLimits))
      return false;
    if (!ParityRow(py, pn)) return false;
  }
  return true;
}

}  // namespace curvanta
