// The point and animated point dialogs: relabelling, presets and OK.
#include "dialogs/data/point_dialog_state.h"

#include <cfloat>
#include <cmath>

#include "common/number_text.h"
#include "dialogs/data/dialog_common.h"

namespace curvanta {

namespace {

// The system colours the swatch starts with: window frames and menu text.
constexpr int32_t kWindowFrameColour = static_cast<int32_t>(0x80000006u);
constexpr int32_t kMenuTextColour = static_cast<int32_t>(0x80000007u);
constexpr int32_t kRed = 255;
constexpr int32_t kBlue = 0xFF0000;  // 0x00BBGGRR

const std::vector<std::string> kPlaneSystems = {"直角坐标系", "极坐标系"};
const std::vector<std::string> kSpaceSystems = {"直角坐标系", "柱面坐标系", "球面坐标系"};

bool PlaneDocument(int32_t graphMode) { return graphMode == 1 || graphMode == 2; }

Message Notice(const char* text) { return Message{text, "注意", MsgIcon::Exclamation}; }

// A field's leading number as a 32-bit float; nullopt when it does not fit one.
std::optional<float> LeadingFloat(const std::string& text) {
  const double v = LeadingNumber(text);
  if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(FLT_MAX)) return std::nullopt;
  return static_cast<float>(v);
}

}  // namespace

PointDialogState PointDialogLoad(bool animated) {
  PointDialogState s;
  s.animated = animated;
  s.caption = animated ? "点动画" : "点属性";
  s.name = animated ? "Untitled" : "";
  s.coordSystems = kPlaneSystems;
  s.xLabel = animated ? "X(t)" : "x";
  s.yLabel = animated ? "Y(t)" : "y";
  s.zLabel = animated ? "Z(t)" : "z";
  s.colour = animated ? kMenuTextColour : kWindowFrameColour;
  s.size = "2";
  return s;
}

void PointCoordChosen(PointDialogState& s, int index, int32_t graphMode) {
  s.coordIndex = index;
  const char* labels[3] = {nullptr, nullptr, nullptr};
  if (PlaneDocument(graphMode)) {
    if (index == 0) labels[0] = "x", labels[1] = "y";
    if (index == 1) labels[0] = "a", labels[1] = "r";
  } else {
    if (index == 0) labels[0] = "x", labels[1] = "y", labels[2] = "z";
    if (index == 1) labels[0] = "a", labels[1] = "r", labels[2] = "z";
    if (index == 2) labels[0] = "a", labels[1] = "b", labels[2] = "r";
  }
  std::string* fields[3] = {&s.xLabel, &s.yLabel, &s.zLabel};
  for (int i = 0; i < 3; ++i)
    if (labels[i]) *fields[i] = s.animated ? std::string(labels[i]) + "(t)" : labels[i];
}

PointDialogState PointPresetForCreate(bool animated, int32_t graphMode, int32_t animFrameCount) {
  PointDialogState s = PointDialogLoad(animated);
  // The third coordinate belongs to 3D documents (and to a 2.5D point, which does not use it);
  // the hollow choice to 2D documents.
  s.zShown = animated ? graphMode == 3 : graphMode != 1;
  s.hollowChoiceShown = graphMode == 1;
  if (graphMode != 1) s.colour = kRed;
  s.coordSystems = graphMode == 3 ? kSpaceSystems : kPlaneSystems;
  PointCoordChosen(s, 0, graphMode);
  if (animated) {
    s.tSegmentsEnabled = false;
    s.tSegments = std::to_string(animFrameCount);
  }
  return s;
}

PointDialogState PointFillForEdit(const GraphItem& g, int32_t graphMode, int32_t animFrameCount) {
  const bool animated = g.GraphType == GraphKind::PointAnim;
  PointDialogState s = PointDialogLoad(animated);
  const bool space = graphMode == 3;
  s.coordSystems = space ? kSpaceSystems : kPlaneSystems;
  const int index = g.CoordType - (space ? 3 : 1);
  PointCoordChosen(s, index >= 0 && index < static_cast<int>(s.coordSystems.size()) ? index : -1,
                   graphMode);
  s.name = g.NameS;
  s.x = space ? g.ExpressX : g.ExpressY;
  s.y = space ? g.ExpressY : g.ExpressZ;
  if (space) s.z = g.ExpressZ;
  s.zShown = space;
  // A 2.5D animated point is edited as a plane one, hollow-or-solid choice included.
  s.hollowChoiceShown = graphMode == 1 || (animated && graphMode == 2);
  s.hollow = g.PointHollow;
  s.colour = g.PointColor;
  s.size = FormatFieldSingle(g.PointSize);
  if (animated) {
    s.minT = FormatFieldSingle(g.MinT);
    s.maxT = FormatFieldSingle(g.MaxT);
    s.tSegments = std::to_string(animFrameCount);
    s.tSegmentsEnabled = false;
  }
  return s;
}

PointAcceptOutcome AcceptPointDialog(PointDialogState& s, int32_t graphMode,
                                     int32_t provisionalID) {
  PointAcceptOutcome out;
  auto refuse = [&](Message m) {
    out.refusal = std::move(m);
    return out;
  };
  const bool plane = PlaneDocument(graphMode);
  auto missing = [&] { return s.x.empty() || s.y.empty() || (!plane && s.z.empty()); };

  float minT = 0.0f, maxT = 0.0f;
  if (s.animated) {
    // Required fields on the typed texts, the frame count, then the filters.
    if (missing() || s.minT.empty() || s.maxT.empty()) return refuse(Notice("请输入所有必需的参数"));
    if (!(LeadingNumber(s.tSegments) > 0.0)) return refuse(Notice("段数 t 必须大于 0"));
    if (!FilterField(s.y, true) || (s.zShown && !FilterField(s.z, true)) || !FilterField(s.x, true) ||
        !FilterField(s.minT, true) || !FilterField(s.maxT, false) || !FilterField(s.tSegments, false))
      return refuse(InvalidInputMessage());
    out.playbackEnabled = true;
  } else {
    // The y box takes an expression, the x and z boxes a number; required after the filters.
    if (!FilterField(s.y, true) || (s.zShown && !FilterField(s.z, false)) || !FilterField(s.x, false))
      return refuse(InvalidInputMessage());
    if (missing()) return refuse(Notice("请输入所有必需的参数"));
  }

  int32_t coordType = 0;
  if (s.coordIndex >= 0 && s.coordIndex < (plane ? 2 : 3))
    coordType = s.coordIndex + (plane ? 1 : 3);

  if (s.animated) {
    const auto lo = LeadingFloat(s.minT), hi = LeadingFloat(s.maxT);
    if (!lo || !hi) return refuse(InvalidInputMessage());
    minT = *lo;
    maxT = *hi;
    if (minT > maxT) return refuse(Notice("最小 t 必须小于最大 t"));
  }
  const auto size = LeadingFloat(s.size);
  if (!size) return refuse(InvalidInputMessage());

  // The animated point takes three coordinates when its third row is shown; the point when
  // the document is 3D. Plane points keep theirs in the second and third expression.
  const bool three = s.animated ? s.zShown : graphMode == 3;
  const std::string ex = three ? s.x : "0";
  const std::string ey = three ? s.y : s.x;
  const std::string ez = three ? s.z : s.y;
  auto item = GraphItem::Init(provisionalID, s.name, s.animated ? GraphKind::PointAnim : GraphKind::Point,
                              coordType, ex, ey, ez, 1, 1, 0.0f, 1.0f, 0.0f, 0.0f, 4, kBlue, kBlue, 0,
                              1, 4, 2, 2, false, false, false, 0);
  if (s.animated) {
    item->MaxT = maxT;
    item->MinT = minT;
    item->Animation = true;
  }
  item->FunForm = 3;
  item->PointHollow = s.hollow;
  item->PointColor = s.colour;
  item->PointSize = *size;
  out.item = std::move(item);
  return out;
}

}  // namespace curvanta
