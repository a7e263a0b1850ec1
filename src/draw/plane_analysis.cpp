// Maxima, minima, arc length, tangents, normals, inflection points and curvature circles of
// a 2D function curve.
#include "draw/plane_analysis.h"

#include <cmath>

#include "draw/plane_geometry.h"

namespace curvanta {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool Finite(double v) { return std::isfinite(v); }

PlaneDrawOp LineOp(double x1, double y1, double x2, double y2, const LineLook& look) {
  PlaneDrawOp op;
  op.kind = PlaneDrawOp::Kind::Line;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.color = look.color;
  op.widthOrSize = look.width;
  return op;
}

PlaneDrawOp MarkerOp(float x, float y, const MarkerLook& look) {
  PlaneDrawOp op;
  op.kind = PlaneDrawOp::Kind::Marker;
  op.x1 = x;
  op.y1 = y;
  op.color = look.color;
  op.widthOrSize = look.size;
  op.symbol = look.symbol;
  return op;
}

// The crossings of a run of derivative samples with the x axis of the box: one per
// segment that meets the axis (the start of an overlap for a segment lying on it), a
// crossing within a millionth of the box width of the one found in the segment before
// dropped as the same point.
struct Crossing {
  float x;
  float y;
};

std::vector<Crossing> AxisCrossings(const std::vector<PlanePoint>& samples, float minX,
                                    float maxX) {
  std::vector<Crossing> found;
  const double tolerance = 1e-6 * (double(maxX) - double(minX));
  bool havePrevious = false;
  float previous = 0;
  for (size_t j = 0; j + 1 < samples.size(); ++j) {
    float x1 = samples[j].x, y1 = samples[j].y, x2 = samples[j + 1].x, y2 = samples[j + 1].y;
    float ax0 = minX, ay0 = 0, ax1 = maxX, ay1 = 0;
    float ix = 0, iy = 0, jx = 0, jy = 0;
    const int16_t kind = IntersectSegments(x1, y1, x2, y2, ax0, ay0, ax1, ay1, ix, iy, jx, jy);
    if (kind == 0 || !Finite(ix) || !Finite(iy)) {
      havePrevious = false;
      continue;
    }
    const bool same = havePrevious && std::fabs(double(ix) - double(previous)) <= tolerance;
    havePrevious = true;
    previous = ix;
    if (!same) found.push_back({ix, iy});
  }
  return found;
}

struct TangentData {
  float x0 = 0, y0 = 0;  // the curve point
  float a = 0, r = 0;    // polar: angle and radius
  double dx = 0, dy = 0;  // direction of the tangent
};

class Analysis {
 public:
  Analysis(const PlaneAnalysisOptions& o, PlaneAnalysisFunctions& f, ReportBuilder& r,
           std::vector<PlaneDrawOp>& ops)
      : o_(o), f_(f), r_(r), ops_(ops), polar_(o.coordType == 2), parametric_(o.funForm == 3) {}

  void Run() {
    const AnalysisSections s = SectionsFor(o_.graphType, o_.funForm, o_.coordType);
    if (!f_.PrepareFirst()) return;
    if (s.extrema && (o_.showMax || o_.showMin)) Extrema();
    if (s.arcLength && o_.showLen) ArcLength();
    if (s.tangents && o_.showQie) Tangents();
    if (s.tangents && o_.showNml) Normals();
    const bool inflections = s.extrema && o_.showGuai;
    const bool curvature = s.curvature && o_.showCurv;
    if (!inflections && !curvature) return;
    if (!f_.PrepareSecond()) return;
    if (inflections) Inflections();
    if (curvature) Curvature();
  }

 private:
  void Extrema() {
    for (const Crossing& c : AxisCrossings(o_.dev1, o_.boxMinX, o_.boxMaxX)) {
      const auto f0 = f_.Evaluate(PlaneFn::ExpressZ, c.x, c.y);
      const auto fl = f_.Evaluate(PlaneFn::ExpressZ, Shifted(c.x, -0.05), c.y);
      const auto fr = f_.Evaluate(PlaneFn::ExpressZ, Shifted(c.x, 0.05), c.y);
      if (!f0 || !fl || !fr) continue;
      if (o_.showMax && *f0 > *fl && *f0 > *fr) {
        ops_.push_back(MarkerOp(c.x, *f0, o_.maxLook));
        r_.Maximum(c.x, *f0);
      }
      if (o_.showMin && *f0 < *fl && *f0 < *fr) {
        ops_.push_back(MarkerOp(c.x, *f0, o_.minLook));
        r_.Minimum(c.x, *f0);
      }
    }
    r_.EmptyLine();
  }

  void ArcLength() {
    const auto length = f_.ArcLength(o_.lenFrom, o_.lenTo);
    if (length) {
      r_.ArcLength(o_.lenFrom, o_.lenTo, *length);
    } else {
      r_.ArcLengthFailed(o_.lenFrom, o_.lenTo);
    }
    r_.EmptyLine();
  }

  std::optional<TangentData> TangentAt(float p) {
    TangentData t;
    if (polar_) {
      const auto dr = f_.Evaluate(PlaneFn::D1z, p, 0);
      const auto a = f_.Evaluate(PlaneFn::ExpressY, p, 0);
      const auto r = f_.Evaluate(PlaneFn::ExpressZ, p, 0);
      if (!dr || !a || !r) return std::nullopt;
      t.a = *a;
      t.r = *r;
      const double ca = std::cos(double(*a)), sa = std::sin(double(*a));
      t.x0 = static_cast<float>(double(*r) * ca);
      t.y0 = static_cast<float>(double(*r) * sa);
      t.dx = double(*dr) * ca - double(*r) * sa;
      t.dy = double(*dr) * sa + double(*r) * ca;
    } else {
      const auto dx = f_.Evaluate(PlaneFn::D1y, p, 0);
      const auto dy = f_.Evaluate(PlaneFn::D1z, p, 0);
      const auto x0 = f_.Evaluate(PlaneFn::ExpressY, p, 0);
      const auto y0 = f_.Evaluate(PlaneFn::ExpressZ, p, 0);
      if (!dx || !dy || !x0 || !y0) return std::nullopt;
      t.x0 = *x0;
      t.y0 = *y0;
      t.dx = *dx;
      t.dy = *dy;
    }
    if (!Finite(t.x0) || !Finite(t.y0) || !Finite(t.dx) || !Finite(t.dy)) return std::nullopt;
    if (t.dx == 0 && t.dy == 0) return std::nullopt;  // no direction: no tangent
    return t;
  }

  // The slope dy/dx as the report keeps it; nothing for a vertical tangent.
  static std::optional<float> SlopeOf(const TangentData& t) {
    if (t.dx == 0) return std::nullopt;
    const float m = static_cast<float>(t.dy / t.dx);
    if (!Finite(m)) return std::nullopt;
    return m;
  }

  void PointLine(const TangentData& t, bool normal) {
    if (parametric_) return;
    if (polar_) {
      normal ? r_.NormalPointA(t.a, t.r) : r_.TangentPointA(t.a, t.r);
    } else {
      normal ? r_.NormalPointX(t.x0, t.y0) : r_.TangentPointX(t.x0, t.y0);
    }
  }

  void Tangents() {
    r_.TangentHeading();
    for (float p : o_.qieX) {
      const auto t = TangentAt(p);
      if (!t) continue;
      PointLine(*t, false);
      const auto m = SlopeOf(*t);
      double angle = kPi / 2;
      if (m) {
        r_.Slope(*m);
        angle = std::atan(double(*m));
      } else {
        r_.SlopeInfinite();
      }
      const double c = 0.8 * std::cos(angle), s = 0.8 * std::sin(angle);
      ops_.push_back(LineOp(t->x0 - c, t->y0 - s, t->x0 + c, t->y0 + s, o_.qieLook));
    }
    r_.EmptyLine();
  }

  void Normals() {
    r_.NormalHeading();
    for (float p : o_.nmlX) {
      const auto t = TangentAt(p);
      if (!t) continue;
      PointLine(*t, true);
      auto m = SlopeOf(*t);
      double angle = 0;
      if (m) {
        if (*m == 0) m = 0.0000001f;
        const float n = static_cast<float>(-1.0 / double(*m));
        r_.Slope(n);
        angle = std::atan(double(n));
      } else {
        r_.Slope(0.0f);  // a vertical tangent has a horizontal normal
      }
      const double c = 0.5 * std::cos(angle), s = 0.5 * std::sin(angle);
      ops_.push_back(LineOp(t->x0 + c, t->y0 + s, t->x0 - c, t->y0 - s, o_.nmlLook));
    }
    r_.EmptyLine();
  }

  void Inflections() {
    for (const Crossing& c : AxisCrossings(o_.dev2, o_.boxMinX, o_.boxMaxX)) {
      const auto sl = f_.Evaluate(PlaneFn::D2z, Shifted(c.x, -0.1), c.y);
      const auto sr = f_.Evaluate(PlaneFn::D2z, Shifted(c.x, 0.1), c.y);
      if (!sl || !sr) continue;
      if (!((*sl > 0 && *sr < 0) || (*sl < 0 && *sr > 0))) continue;
      const auto y0 = f_.Evaluate(PlaneFn::ExpressZ, c.x, 0);
      if (!y0) continue;
      ops_.push_back(MarkerOp(c.x, *y0, o_.guaiLook));
      r_.Inflection(c.x, *y0);
    }
    r_.EmptyLine();
  }

  void Curvature() {
    r_.CurvatureHeading();
    for (float p : o_.curvX) {
      const auto d1 = f_.Evaluate(PlaneFn::D1z, p, 0);
      const auto d2 = f_.Evaluate(parametric_ ? PlaneFn::Dq : PlaneFn::D2z, p, 0);
      const auto dx = f_.Evaluate(PlaneFn::D1y, p, 0);
      const auto x0 = f_.Evaluate(PlaneFn::ExpressY, p, 0);
      const auto y0 = f_.Evaluate(PlaneFn::ExpressZ, p, 0);
      if (!d1 || !d2 || !dx || !x0 || !y0) continue;
      const float s = static_cast<float>(double(*d1) / double(*dx));
      float c = static_cast<float>(double(*d2) / double(*dx));
      if (c == 0) c = 0.0001f;
      const double q = double(s) * double(s) + 1.0;
      const float cx = static_cast<float>(double(*x0) - double(s) * q / double(c));
      const float cy = static_cast<float>(double(*y0) + q / double(c));
      const float k = static_cast<float>(std::fabs(double(c)) / std::pow(q, 1.5));
      const float radius = static_cast<float>(1.0 / double(k));
      if (!Finite(s) || !Finite(c) || !Finite(cx) || !Finite(cy) || !Finite(k) ||
          !Finite(radius)) {
        continue;
      }
      r_.CurvaturePosition(*x0, *y0);
      r_.Curvature(k);
      r_.CurvatureRadius(radius);
      r_.CurvatureCentre(cx, cy);
      float px[41], py[41];
      for (int i = 0; i <= 40; ++i) {
        const double angle = i * 15708.0 / 100000.0;
        px[i] = static_cast<float>(double(radius) * std::cos(angle) + double(cx));
        py[i] = static_cast<float>(double(radius) * std::sin(angle) + double(cy));
      }
      for (int i = 0; i < 40; ++i) {
        ops_.push_back(LineOp(px[i], py[i], px[i + 1], py[i + 1], o_.curvLook));
      }
      ops_.push_back(LineOp(*x0, *y0, cx, cy, o_.curvLook));
    }
  }

  static float Shifted(float x, double by) { return static_cast<float>(double(x) + by); }

  const PlaneAnalysisOptions& o_;
  PlaneAnalysisFunctions& f_;
  ReportBuilder& r_;
  std::vector<PlaneDrawOp>& ops_;
  bool polar_;
  bool parametric_;
};

}  // namespace

AnalysisSections SectionsFor(int32_t graphType, int32_t funForm, int32_t coordType) {
  AnalysisSections s;
  const bool explicitForm = funForm == 2, parametric = funForm == 3;
  const bool cartesian = coordType == 1, polar = coordType == 2;
  if (explicitForm && cartesian) {
    s.extrema = graphType == 0;
    s.arcLength = s.tangents = s.curvature = true;
  } else if (explicitForm && polar) {
    s.arcLength = s.tangents = true;
  } else if (parametric && cartesian) {
    s.arcLength = s.tangents = s.curvature = true;
  }
  return s;
}

void RunPlaneAnalysis(const PlaneAnalysisOptions& options, PlaneAnalysisFunctions& fns,
                      ReportBuilder& report, std::vector<PlaneDrawOp>& ops) {
  Analysis(options, fns, report, ops).Run();
}

}  // namespace curvanta
