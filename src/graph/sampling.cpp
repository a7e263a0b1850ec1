// Sampling of a graph item: its expressions evaluated over the item's grid (and the
// animation frames), turned into the scene's axes and kept in the item's point arrays,
// followed by the revolution band and the derived curves of 2D functions and strips.
#include <algorithm>
#include <cmath>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "expr/expression_parser.h"
#include "graph/coordinate_mapping.h"
#include "graph/graph_item.h"
#include "graph/sampling_run.h"

namespace curvanta {

namespace {

const char* const kFaultText = "计算函数值时出现数值错误";
const char* const kFaultTitle = "出错";
const char* const kTooManyText = "采样点太多，请减少段数";
const char* const kTooManyTitle = "注意";

constexpr int32_t kRevolutionSteps = 40;

bool IsAnimatedKind(int32_t kind) {
  return kind >= GraphKind::PointAnim && kind <= GraphKind::Surface3DAnim;
}

bool IsTableKind(int32_t kind) {
  return kind == GraphKind::Table2D || kind == GraphKind::Table25D || kind == GraphKind::Table3D;
}

bool IsPlaneCurveKind(int32_t kind) {
  return kind == GraphKind::Function2D || kind == GraphKind::Strip25D ||
         kind == GraphKind::TwoCurves || kind == GraphKind::RevolutionX ||
         kind == GraphKind::RevolutionY || kind == GraphKind::StepStem;
}

bool IsSurfaceKind(int32_t kind) {
  return kind == GraphKind::Surface3D || kind == GraphKind::ColorMap ||
         kind == GraphKind::ContourMap || kind == GraphKind::VectorField;
}

}  // namespace

void GraphItem::ClearSamples() {
  MarkChanged();
  Vert3D_.Clear();
  VertCurve_.Clear();
  VertExp2_.Clear();
  VertDev_.Clear();
  VertDev2_.Clear();
  VertJO_.Clear();
  VertRev_.Clear();
  Anim1D_.Clear();
  Anim2D_.Clear();
  Anim3D_.Clear();
  AnimCurve_.Clear();
  AnimStrip_.Clear();
}

void SamplingRun::Allocate(int32_t frames) {
  const int32_t kind = g_.GraphType;
  const int32_t su = g_.StepU, sv = g_.StepV, n = frames;
  // The arrays this kind fills, with their bounds; the others are emptied first (reading them
  // gives the origin), and these are dimensioned in the memory they already hold where it
  // fits. The points of a surface are all written by the walk, so they are not set here.
  struct Use {
    PointGrid* grid;
    int32_t upper0, upper1, upper2;
    bool unset;
  };
  std::vector<Use> uses;
  uses.push_back({&g_.Vert3D_, su, sv, -1, IsSurfaceKind(kind)});
  switch (kind) {
    case GraphKind::Curve3D:
      uses.push_back({&g_.VertCurve_, su, -1, -1, false});
      break;
    case GraphKind::TwoCurves:
      uses.push_back({&g_.VertExp2_, su, sv, -1, false});
      break;
    case GraphKind::RevolutionX:
    case GraphKind::RevolutionY:
      uses.push_back({&g_.VertRev_, kRevolutionSteps, sv, -1, false});
      break;
    case GraphKind::PointAnim:
      uses.push_back({&g_.Anim1D_, n, -1, -1, false});
      break;
    case GraphKind::Function2DAnim:
      uses.push_back({&g_.Anim2D_, sv, n, -1, false});
      break;
    case GraphKind::Strip25DAnim:
      uses.push_back({&g_.AnimStrip_, 1, sv, n, false});
      break;
    case GraphKind::Curve3DAnim:
      uses.push_back({&g_.AnimCurve_, su, n, -1, false});
      break;
    case GraphKind::Surface3DAnim:
      uses.push_back({&g_.Anim3D_, su, sv, n, true});
      break;
    default:
      break;
  }
  if (kind == GraphKind::Function2D || kind == GraphKind::Strip25D) {
    if (g_.ShowDev || g_.ShowQie || g_.ShowNml || g_.ShowMax || g_.ShowMin || g_.ShowCurv ||
        g_.ShowGuai)
      uses.push_back({&g_.VertDev_, su, sv, -1, false});
    if (g_.ShowGuai || g_.ShowCurv) uses.push_back({&g_.VertDev2_, su, sv, -1, false});
    if (g_.ShowJO) uses.push_back({&g_.VertJO_, su, sv, -1, false});
  }
  for (PointGrid* grid : {&g_.Vert3D_, &g_.VertCurve_, &g_.VertExp2_, &g_.VertDev_,
                          &g_.VertDev2_, &g_.VertJO_, &g_.VertRev_, &g_.Anim1D_, &g_.Anim2D_,
                          &g_.Anim3D_, &g_.AnimCurve_, &g_.AnimStrip_}) {
    const bool used = std::any_of(uses.begin(), uses.end(),
                                  [grid](const Use& u) { return u.grid == grid; });
    if (!used) grid->Clear();
  }
  for (const Use& u : uses) {
    if (!u.unset) {
      u.grid->Allocate(u.upper0, u.upper1, u.upper2);
      continue;
    }
    // Until the walk writes them, the points of this array are unset: the run sets whatever
    // is left unwritten when it ends, however it ends.
    writing_ = nullptr;
    cursor_ = u.grid->AllocateUnset(u.upper0, u.upper1, u.upper2);
    writing_ = u.grid;
  }
}

SamplingRun::~SamplingRun() {
  if (writing_) writing_->ResetFrom(static_cast<size_t>(cursor_ - writing_->Data()));
}

// One point of a plane curve at parameter v (x, a or u by form and system); `second`
// receives the point of Exp2 for two curves.
bool SamplingRun::SamplePlane(const VarValues& base, float v, Point& out, Point* second) {
  const int32_t coord = g_.CoordType;
  VarValues vars = base;
  float e1 = 0, e2 = 0, e3 = 0;
  if (g_.FunForm == FormKind::Explicit) {
    if (coord == CoordKind::Plane) {
      vars.X = v;
      if (!Eval(pz_, vars, e3)) return false;
      MapToScene(out, coord, 0, v, e3);
      if (second) {
        float f2 = 0;
        if (!Eval(p2_, vars, f2)) return false;
        MapToScene(*second, coord, 0, v, f2);
      }
    } else if (coord == CoordKind::Polar) {
      vars.A = v;
      if (!Eval(pz_, vars, e3)) return false;
      MapToScene(out, coord, 0, v, e3);
    }
  } else if (g_.FunForm == FormKind::Parametric) {
    vars.U = v;
    if (coord == CoordKind::Plane) {
      if (!Eval(px_, vars, e1) || !Eval(py_, vars, e2) || !Eval(pz_, vars, e3)) return false;
      MapToScene(out, coord, e1, e2, e3);
    } else if (coord == CoordKind::Polar) {
      if (!Eval(py_, vars, e2) || !Eval(pz_, vars, e3)) return false;
      MapToScene(out, coord, 0, e2, e3);
      if (!Eval(px_, vars, e1)) return false;
      out.z = e1;
    }
  }
  return true;
}

// A whole plane curve (one row of v values) in every frame of `frames` (one for a still
// curve), each expression evaluated over the row at once. Point j of frame k goes to
// out[j * frames.size() + k], as the point path places it. False, with nothing written, when
// the curve has to be sampled point by point: a v that does not fit, a form or system without
// row evaluation, or a point that faults or fails.
bool SamplingRun::SamplePlaneRows(const std::vector<VarValues>& frames, Point* out,
                                  bool twoCurves) {
  const int32_t coord = g_.CoordType;
  if (coord != CoordKind::Plane && coord != CoordKind::Polar) return false;
  const bool explicitForm = g_.FunForm == FormKind::Explicit;
  if (!explicitForm && g_.FunForm != FormKind::Parametric) return false;
  const std::vector<float> vs = RowValues();
  if (vs.empty()) return false;
  const size_t n = vs.size(), count = frames.size();
  row1_.resize(n * count);
  row2_.resize(n * count);
  row3_.resize(n * count);
  const char variable = !explicitForm ? 'U' : coord == CoordKind::Plane ? 'X' : 'A';
  for (size_t k = 0; k < count; ++k) {
    auto row = [&](const ParsedExpression& p, std::vector<float>& values, RowReuse& reuse) {
      return p.program.EvaluateRow(false, frames[k], variable, vs.data(), n, &values[k * n],
                                   &reuse);
    };
    if (explicitForm) {
      if (!row(pz_, row3_, reuse3_)) return false;
      if (twoCurves && !row(p2_, row2_, reuse2_)) return false;
    } else if (!row(px_, row1_, reuse1_) || !row(py_, row2_, reuse2_) ||
               !row(pz_, row3_, reuse3_)) {
      return false;
    }
  }
  for (size_t j = 0; j < n; ++j)
    for (size_t k = 0; k < count; ++k) {
      Point& p = out[j * count + k];
      const size_t at = k * n + j;
      if (explicitForm) {
        MapToScene(p, coord, 0, vs[j], row3_[at]);
        if (twoCurves) MapToScene(g_.VertExp2_.Ref(0, int32_t(j)), coord, 0, vs[j], row2_[at]);
      } else if (coord == CoordKind::Plane) {
        MapToScene(p, coord, row1_[at], row2_[at], row3_[at]);
      } else {
        MapToScene(p, coord, 0, row2_[at], row3_[at]);
        p.z = row1_[at];
      }
    }
  return true;
}

// A whole parametric 3D curve (one row of u values) in every frame of `frames`, as
// SamplePlaneRows does for plane curves: point i of frame k goes to out[i * frames.size() + k].
bool SamplingRun::SampleCurveRows(const std::vector<VarValues>& frames, Point* out) {
  const int32_t coord = g_.CoordType;
  if (g_.FunForm != FormKind::Parametric ||
      (coord != CoordKind::Cartesian3D && coord != CoordKind::Cylindrical &&
       coord != CoordKind::Spherical))
    return false;
  const std::vector<float> us = Samples(du_, g_.StepU, g_.MinU);
  if (us.empty()) return false;
  const size_t n = us.size(), count = frames.size();
  row1_.resize(n * count);
  row2_.resize(n * count);
  row3_.resize(n * count);
  for (size_t k = 0; k < count; ++k) {
    auto row = [&](const ParsedExpression& p, std::vector<float>& values, RowReuse& reuse) {
      return p.program.EvaluateRow(false, frames[k], 'U', us.data(), n, &values[k * n], &reuse);
    };
    if (!row(px_, row1_, reuse1_) || !row(py_, row2_, reuse2_) || !row(pz_, row3_, reuse3_))
      return false;
  }
  for (size_t i = 0; i < n; ++i)
    for (size_t k = 0; k < count; ++k) {
      const size_t at = k * n + i;
      MapToScene(out[i * count + k], coord, row1_[at], row2_[at], row3_[at]);
    }
  return true;
}

// One point of a 3D curve at parameter u.
bool SamplingRun::SampleCurve3D(const VarValues& base, float u, Point& out) {
  const int32_t coord = g_.CoordType;
  if (coord != CoordKind::Cartesian3D && coord != CoordKind::Cylindrical &&
      coord != CoordKind::Spherical)
    return true;
  if (g_.FunForm == FormKind::Parametric) {
    VarValues vars = base;
    vars.U = u;
    float e1 = 0, e2 = 0, e3 = 0;
    if (!Eval(px_, vars, e1) || !Eval(py_, vars, e2) || !Eval(pz_, vars, e3)) return false;
    MapToScene(out, coord, e1, e2, e3);
  } else if (g_.FunForm == FormKind::Explicit) {
    // The single variable goes into whichever variable ExpressZ names; each naming token
    // computes the point again, so the last one decides.
    for (char t : curveTokens_) {
      VarValues vars = base;
      float e1 = 0, e2 = 0, e3 = 0;
      switch (t) {
        case 'X': vars.X = u; e1 = u; break;
        case 'Y': vars.Y = u; e2 = u; break;
        case 'R': vars.R = u; e2 = u; break;
        case 'A': vars.A = u; e1 = u; break;
        case 'B': vars.B = u; e2 = u; break;
        default: continue;
      }
      if (!Eval(pz_, vars, e3)) return false;
      MapToScene(out, coord, e1, e2, e3);
    }
  }
  return true;
}

// One point of a surface at (u, v); `animated` takes u and v as the first two components
// of an explicit surface without evaluating ExpressX and ExpressY.
bool SamplingRun::SampleSurface(const VarValues& base, float u, float v, bool animated,
                                Point& out) {
  const int32_t coord = g_.CoordType;
  VarValues vars = base;
  if (g_.FunForm == FormKind::Explicit) {
    switch (coord) {
      case CoordKind::Cartesian3D: vars.X = u; vars.Y = v; break;
      case CoordKind::Cylindrical: vars.A = u; vars.R = v; break;
      case CoordKind::Spherical: vars.A = u; vars.B = v; break;
      default: return true;
    }
    float e1 = u, e2 = v, e3 = 0;
    if (!animated && (!Eval(px_, vars, e1) || !Eval(py_, vars, e2))) return false;
    if (!Eval(pz_, vars, e3)) return false;
    MapToScene(out, coord, e1, e2, e3);
  } else if (g_.FunForm == FormKind::Parametric) {
    if (coord != CoordKind::Cartesian3D && coord != CoordKind::Cylindrical &&
        coord != CoordKind::Spherical)
      return true;
    vars.U = u;
    vars.V = v;
    float e1 = 0, e2 = 0, e3 = 0;
    if (!Eval(px_, vars, e1) || !Eval(py_, vars, e2) || !Eval(pz_, vars, e3)) return false;
    MapToScene(out, coord, e1, e2, e3);
  }
  return true;
}

// A whole row of a still surface at u, each expression evaluated over the row at once.
// False when the row has to be sampled point by point (nothing is written then): a form or
// system without row evaluation, or a point that faults or fails.
// Puts u into the variable of `base` that takes it and names the variable that runs along a
// surface's row, by form and system; false for a form or system without row evaluation.
bool SamplingRun::SurfaceRowBase(float u, VarValues& base, char& rowVariable) const {
  const int32_t coord = g_.CoordType;
  if (g_.FunForm == FormKind::Explicit) {
    switch (coord) {
      case CoordKind::Cartesian3D: base.X = u; rowVariable = 'Y'; return true;
      case CoordKind::Cylindrical: base.A = u; rowVariable = 'R'; return true;
      case CoordKind::Spherical: base.A = u; rowVariable = 'B'; return true;
      default: return false;
    }
  }
  if (g_.FunForm != FormKind::Parametric ||
      (coord != CoordKind::Cartesian3D && coord != CoordKind::Cylindrical &&
       coord != CoordKind::Spherical))
    return false;
  base.U = u;
  rowVariable = 'V';
  return true;
}

bool SamplingRun::SampleSurfaceRow(float u, const std::vector<float>& v, Point* out) {
  const int32_t coord = g_.CoordType;
  VarValues base;
  char rowVariable = 0;
  if (!SurfaceRowBase(u, base, rowVariable)) return false;
  const size_t n = v.size();
  row1_.resize(n);
  row2_.resize(n);
  row3_.resize(n);
  if (!px_.program.EvaluateRow(false, base, rowVariable, v.data(), n, row1_.data(), &reuse1_) ||
      !py_.program.EvaluateRow(false, base, rowVariable, v.data(), n, row2_.data(), &reuse2_) ||
      !pz_.program.EvaluateRow(false, base, rowVariable, v.data(), n, row3_.data(), &reuse3_))
    return false;
  const float *e1 = row1_.data(), *e2 = row2_.data(), *e3 = row3_.data();
  if (coord == CoordKind::Cartesian3D) {
    // MapToScene's Cartesian case, without asking the system at every point.
    for (size_t j = 0; j < n; ++j) out[j] = Point::Init(e2[j], e3[j], e1[j]);
  } else {
    for (size_t j = 0; j < n; ++j) {
      Point p;
      MapToScene(p, coord, e1[j], e2[j], e3[j]);
      out[j] = p;
    }
  }
  return true;
}

// The v values of a row, the same in every row; empty when a v does not fit, which leaves
// the rows to the point path (it stops at that v in the same place as ever).
std::vector<float> SamplingRun::RowValues() const { return Samples(dv_, g_.StepV, g_.MinV); }

// start + i * step for i = 0..steps, or nothing when one does not fit.
std::vector<float> SamplingRun::Samples(float step, int32_t steps, float start) {
  std::vector<float> values;
  try {
    values.reserve(static_cast<size_t>(steps) + 1);
    for (int32_t i = 0; i <= steps; ++i) values.push_back(CheckedSample(SampleValue(step, i, start)));
  } catch (const ArithmeticError&) {
    values.clear();
  }
  return values;
}

// Row u of an animated surface, every frame: for each frame, each expression over the row
// of v values at once; the points go to out[j * frames + k] as the point path places them.
// False, with nothing written, when the row has to be sampled point by point.
bool SamplingRun::SampleAnimatedSurfaceRow(float u, const std::vector<float>& v,
                                           const std::vector<VarValues>& perFrame, Point* out) {
  const int32_t coord = g_.CoordType;
  const bool explicitForm = g_.FunForm == FormKind::Explicit;
  const size_t n = v.size(), frames = perFrame.size();
  row1_.resize(n * frames);
  row2_.resize(n * frames);
  row3_.resize(n * frames);
  for (size_t k = 0; k < frames; ++k) {
    VarValues base = perFrame[k];
    char rowVariable = 0;
    if (!SurfaceRowBase(u, base, rowVariable)) return false;
    if (explicitForm) {
      // The first two components are u and v themselves; ExpressZ is evaluated.
      if (!pz_.program.EvaluateRow(false, base, rowVariable, v.data(), n, &row3_[k * n],
                                   &reuse3_))
        return false;
    } else {
      if (!px_.program.EvaluateRow(false, base, rowVariable, v.data(), n, &row1_[k * n],
                                   &reuse1_) ||
          !py_.program.EvaluateRow(false, base, rowVariable, v.data(), n, &row2_[k * n],
                                   &reuse2_) ||
          !pz_.program.EvaluateRow(false, base, rowVariable, v.data(), n, &row3_[k * n],
                                   &reuse3_))
        return false;
    }
  }
  for (size_t j = 0; j < n; ++j)
    for (size_t k = 0; k < frames; ++k) {
      const size_t at = k * n + j;
      Point p;
      if (explicitForm)
        MapToScene(p, coord, u, v[j], row3_[at]);
      else
        MapToScene(p, coord, row1_[at], row2_[at], row3_[at]);
      out[j * frames + k] = p;
    }
  return true;
}

// A single point, whatever the form, in any of the five systems.
bool SamplingRun::SamplePoint(const VarValues& vars, Point& out) {
  const int32_t coord = g_.CoordType;
  if (coord < CoordKind::Plane || coord > CoordKind::Spherical) return true;
  float e1 = 0, e2 = 0, e3 = 0;
  if (coord == CoordKind::Polar) {
    if (!Eval(py_, vars, e2) || !Eval(pz_, vars, e3)) return false;
    MapToScene(out, coord, 0, e2, e3);
    if (!Eval(px_, vars, e1)) return false;
    out.z = e1;
    return true;
  }
  if (!Eval(px_, vars, e1) || !Eval(py_, vars, e2) || !Eval(pz_, vars, e3)) return false;
  MapToScene(out, coord, e1, e2, e3);
  return true;
}

bool SamplingRun::Walk(int32_t frames) {
  const int32_t kind = g_.GraphType;
  const int32_t su = g_.StepU, sv = g_.StepV;
  const VarValues zero;
  auto frameVars = [&](int32_t k) {
    VarValues vars;
    vars.T = CheckedSample(SampleValue(dt_, k, g_.MinT));
    return vars;
  };

  if (IsPlaneCurveKind(kind)) {
    const bool twoCurves = kind == GraphKind::TwoCurves && g_.FunForm == FormKind::Explicit &&
                           g_.CoordType == CoordKind::Plane;
    Point* row = g_.Vert3D_.Data();  // row 0 of Vert3D
    if (SamplePlaneRows({zero}, row, twoCurves)) return true;
    for (int32_t j = 0; j <= sv; ++j) {
      const float v = CheckedSample(SampleValue(dv_, j, g_.MinV));
      Point* second = twoCurves ? &g_.VertExp2_.Ref(0, j) : nullptr;
      if (!SamplePlane(zero, v, row[j], second)) return false;
    }
    return true;
  }
  switch (kind) {
    case GraphKind::Function2DAnim:
    case GraphKind::Strip25DAnim: {
      PointGrid& dst = kind == GraphKind::Function2DAnim ? g_.Anim2D_ : g_.AnimStrip_;
      // By rows when every frame's t fits (a t that does not is met where the point path
      // meets it).
      std::vector<VarValues> perFrame;
      try {
        for (int32_t k = 0; k <= frames; ++k) perFrame.push_back(frameVars(k));
      } catch (const ArithmeticError&) {
        perFrame.clear();
      }
      if (!perFrame.empty() && SamplePlaneRows(perFrame, dst.Data(), false)) return true;
      for (int32_t j = 0; j <= sv; ++j) {
        const float v = CheckedSample(SampleValue(dv_, j, g_.MinV));
        for (int32_t k = 0; k <= frames; ++k) {
          Point& out = kind == GraphKind::Function2DAnim ? dst.Ref(j, k) : dst.Ref(0, j, k);
          if (!SamplePlane(frameVars(k), v, out, nullptr)) return false;
        }
      }
      return true;
    }
    case GraphKind::Curve3D:
    case GraphKind::Curve3DAnim: {
      if (kind == GraphKind::Curve3D) {
        if (SampleCurveRows({zero}, g_.VertCurve_.Data())) return true;
      } else {
        std::vector<VarValues> perFrame;
        try {
          for (int32_t k = 0; k <= frames; ++k) perFrame.push_back(frameVars(k));
        } catch (const ArithmeticError&) {
          perFrame.clear();
        }
        if (!perFrame.empty() && SampleCurveRows(perFrame, g_.AnimCurve_.Data())) return true;
      }
      for (int32_t i = 0; i <= su; ++i) {
        const float u = CheckedSample(SampleValue(du_, i, g_.MinU));
        if (kind == GraphKind::Curve3D) {
          if (!SampleCurve3D(zero, u, g_.VertCurve_.Ref(i))) return false;
        } else {
          for (int32_t k = 0; k <= frames; ++k)
            if (!SampleCurve3D(frameVars(k), u, g_.AnimCurve_.Ref(i, k))) return false;
        }
      }
      return true;
    }
    case GraphKind::Surface3DAnim: {
      std::vector<VarValues> perFrame;
      perFrame.reserve(static_cast<size_t>(frames) + 1);
      for (int32_t k = 0; k <= frames; ++k) perFrame.push_back(frameVars(k));
      // The points are written in order through cursor_ (see Allocate).
      Point*& out = cursor_;
      std::vector<float> vs = RowValues();
      const size_t perRow = static_cast<size_t>(sv + 1) * static_cast<size_t>(frames + 1);
      for (int32_t i = 0; i <= su; ++i) {
        const float u = CheckedSample(SampleValue(du_, i, g_.MinU));
        if (!vs.empty() && SampleAnimatedSurfaceRow(u, vs, perFrame, out)) {
          out += perRow;
          continue;
        }
        for (int32_t j = 0; j <= sv; ++j) {
          const float v = CheckedSample(SampleValue(dv_, j, g_.MinV));
          for (int32_t k = 0; k <= frames; ++k) {
            *out = Point();
            if (!SampleSurface(perFrame[static_cast<size_t>(k)], u, v, true, *out)) return false;
            ++out;
          }
        }
      }
      return true;
    }
    case GraphKind::PointAnim:
      for (int32_t k = 0; k <= frames; ++k)
        if (!SamplePoint(frameVars(k), g_.Anim1D_.Ref(k))) return false;
      return true;
    case GraphKind::Point:
      return SamplePoint(zero, g_.Vert3D_.Ref(0, 0));
    default:
      break;
  }
  if (IsSurfaceKind(kind)) {
    const std::vector<float> vs = RowValues();
    Point*& out = cursor_;  // written in order (see Allocate)
    for (int32_t i = 0; i <= su; ++i) {
      const float u = CheckedSample(SampleValue(du_, i, g_.MinU));
      if (!vs.empty() && SampleSurfaceRow(u, vs, out)) {
        out += vs.size();
        continue;
      }
      for (int32_t j = 0; j <= sv; ++j) {
        const float v = CheckedSample(SampleValue(dv_, j, g_.MinV));
        *out = Point();
        if (!SampleSurface(zero, u, v, false, *out)) return false;
        ++out;
      }
    }
  }
  return true;  // tables, unassigned codes: nothing to sample
}

// The profile in Vert3D's row 0 turned about the x axis (21) or the vertical axis (22) in
// 41 steps of 1.5708 rad.
void SamplingRun::Revolution() {
  const bool aboutX = g_.GraphType == GraphKind::RevolutionX;
  for (int32_t j = 0; j <= g_.StepV; ++j) {
    const Point p = g_.Vert3D_.Get(0, j);
    const double x0 = p.x, y0 = p.y;
    for (int32_t k = 0; k <= kRevolutionSteps; ++k) {
      const double theta = static_cast<double>(k * 15708) / 100000.0;
      Point& q = g_.VertRev_.Ref(k, j);
      if (aboutX) {
        q.x = p.x;
        q.y = static_cast<float>(std::fabs(y0) * std::sin(theta));
        q.z = static_cast<float>(std::fabs(y0) * std::cos(theta));
      } else {
        q.x = static_cast<float>(std::fabs(x0) * std::cos(theta));
        q.y = p.y;
        q.z = static_cast<float>(std::fabs(x0) * std::sin(theta));
      }
    }
  }
}

bool SamplingRun::Run(int32_t frames) {
  const int32_t kind = g_.GraphType;
  const bool tableKind = IsTableKind(kind);
  if (tableKind)
    g_.ClearSamples();  // a table keeps its points in its cells
  else
    Allocate(frames);

  du_ = CheckedSample(StepSize(g_.MinU, g_.MaxU, g_.StepU > 0 ? g_.StepU : 1));
  dv_ = CheckedSample(StepSize(g_.MinV, g_.MaxV, g_.StepV > 0 ? g_.StepV : 1));
  const bool animated = g_.Animation;
  dt_ = animated ? CheckedSample(StepSize(g_.MinT, g_.MaxT, frames)) : 0.0f;

  if (!Parse(g_.ExpressX, px_) || !Parse(g_.ExpressY, py_) || !Parse(g_.ExpressZ, pz_))
    return false;
  if (kind == GraphKind::TwoCurves && !Parse(g_.Exp2, p2_)) return false;
  if (tableKind) return true;

  if ((kind == GraphKind::Curve3D || kind == GraphKind::Curve3DAnim) &&
      g_.FunForm == FormKind::Explicit) {
    // Variable tokens are written doubled in postfix text ("XX"); compared exactly.
    const char* wanted = g_.CoordType == CoordKind::Cartesian3D   ? "XY"
                         : g_.CoordType == CoordKind::Cylindrical ? "RA"
                         : g_.CoordType == CoordKind::Spherical   ? "BA"
                                                                  : "";
    const std::string& text = pz_.postfix;
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find(' ', pos);
      if (end == std::string::npos) end = text.size();
      if (end - pos == 2 && text[pos] == text[pos + 1]) {
        for (const char* w = wanted; *w; ++w)
          if (text[pos] == *w) curveTokens_.push_back(*w);
      }
      pos = end + 1;
    }
  }

  if (!Walk(frames)) return false;
  if (kind == GraphKind::RevolutionX || kind == GraphKind::RevolutionY) Revolution();
  return DerivedCurves();
}

bool GraphItem::GetPoints() {
  curvanta::MessageOperation operation;  // a repeated message of this sampling shows once
  MarkChanged();  // whatever the outcome, the arrays are new

  // Counts below 1 become 1; a table's counts are its number of points and stay.
  const bool tableKind = IsTableKind(GraphType);
  if (!tableKind) {
    if (StepU < 1) StepU = 1;
    if (StepV < 1) StepV = 1;
  }
  if (AnimFrameCount < 1) AnimFrameCount = 1;
  const int32_t frames = AnimFrameCount;

  // Refuse before allocating what the memory cannot hold.
  const bool animatedItem = Animation || IsAnimatedKind(GraphType);
  bool tooMany = false;
  if (!tableKind) {
    const int64_t samples = (static_cast<int64_t>(StepU) + 1) * (static_cast<int64_t>(StepV) + 1) *
                            (animatedItem ? static_cast<int64_t>(frames) + 1 : 1);
    tooMany = StepU > kMaxSegments || StepV > kMaxSegments || samples > kMaxSamples;
  }
  if (tooMany) {
    ClearSamples();
    curvanta::ShowMessage(kTooManyText, kTooManyTitle, curvanta::MsgIcon::Exclamation);
    return false;
  }

  try {
    SamplingRun run(*this);
    return run.Run(frames);
  } catch (const std::bad_alloc&) {
    ClearSamples();
    curvanta::ShowMessage(kTooManyText, kTooManyTitle, curvanta::MsgIcon::Exclamation);
    return false;
  } catch (const curvanta::ArithmeticError&) {
    curvanta::ShowMessage(kFaultText, kFaultTitle, curvanta::MsgIcon::Error);
    return false;
  } catch (const curvanta::EngineError&) {
    curvanta::ShowMessage(kFaultText, kFaultTitle, curvanta::MsgIcon::Error);
    return false;
  } catch (const std::exception&) {  // nothing may escape to the caller's event handler
    curvanta::ShowMessage(kFaultText, kFaultTitle, curvanta::MsgIcon::Error);
    return false;
  }
}

}  // namespace curvanta
