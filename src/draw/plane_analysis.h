// The analysis of a 2D function curve (maxima, minima, arc length, tangents, normals,
// inflection points, curvature circles) as plain computation: it reads derivative samples
// and evaluates the curve's texts through an interface, writes the report lines and lists
// what is to be drawn, in drawing order. No OpenGL here.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "draw/report_builder.h"

namespace curvanta {

struct PlanePoint {
  float x = 0;
  float y = 0;
};

// The texts the analysis evaluates: the abscissa (x or a, or x(u)), the function (y, r or
// y(u)), their first derivatives, the second derivative of the function and, for
// parametric curves, the derivative of the slope with respect to u.
enum class PlaneFn { ExpressY, ExpressZ, D1y, D1z, D2z, Dq };

class PlaneAnalysisFunctions {
 public:
  virtual ~PlaneAnalysisFunctions() = default;
  // Forms and parses the first derivatives (and the curve's own texts); false stops the
  // analysis.
  virtual bool PrepareFirst() = 0;
  // Forms and parses the second derivative and the slope derivative; false stops it.
  virtual bool PrepareSecond() = 0;
  // The value at `position` (bound to X, A or U by form and coordinate system) with the
  // second variable (Y or V) at `second`; nothing when the evaluation failed, faulted or
  // gave no finite value.
  virtual std::optional<float> Evaluate(PlaneFn fn, float position, float second) = 0;
  // The arc length between two positions; nothing when any integrand value failed.
  virtual std::optional<float> ArcLength(float from, float to) = 0;
};

struct MarkerLook {
  int32_t color = 0;
  int32_t size = 1;
  int32_t symbol = 1;
};

struct LineLook {
  int32_t color = 0;
  int32_t width = 1;
};

struct PlaneAnalysisOptions {
  int32_t graphType = 0;
  int32_t coordType = 1;  // 1 Cartesian, 2 polar
  int32_t funForm = 2;    // 2 explicit, 3 parametric
  float boxMinX = 0;      // x range of the item's box: the axis the derivative samples cross
  float boxMaxX = 0;
  std::vector<PlanePoint> dev1;  // first-derivative samples, j = 0 .. StepV
  std::vector<PlanePoint> dev2;  // second-derivative samples
  bool showMax = false, showMin = false, showLen = false, showQie = false;
  bool showNml = false, showGuai = false, showCurv = false;
  MarkerLook maxLook, minLook, guaiLook;
  LineLook qieLook, nmlLook, curvLook;
  float lenFrom = 0, lenTo = 0;
  std::vector<float> qieX, nmlX, curvX;  // the positions (1 .. count of the item)
};

struct PlaneDrawOp {
  enum class Kind { Line, Marker };
  Kind kind = Kind::Line;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line from (x1, y1) to (x2, y2); a marker at (x1, y1)
  int32_t color = 0;
  int32_t widthOrSize = 1;
  int32_t symbol = 1;
};

// Which sections apply to an item of this kind, form and coordinate system.
struct AnalysisSections {
  bool extrema = false;  // maxima, minima and inflection points (sampled derivatives)
  bool arcLength = false;
  bool tangents = false;  // tangents and normals
  bool curvature = false;
};
AnalysisSections SectionsFor(int32_t graphType, int32_t funForm, int32_t coordType);

// Runs the sections the options ask for, appending the report lines to `report` and the
// overlays to `ops`.
void RunPlaneAnalysis(const PlaneAnalysisOptions& options, PlaneAnalysisFunctions& fns,
                      ReportBuilder& report, std::vector<PlaneDrawOp>& ops);

}  // namespace curvanta
