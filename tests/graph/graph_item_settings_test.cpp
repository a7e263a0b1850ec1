// Every setting of a graph item, one row each: the rows cover the settings object the revision
// compares, byte for byte, and each setting changed alone renews the item's revision.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graph/graph_item.h"

using namespace curvanta;

namespace {

// An item whose position lists the rows can name.
struct ProbeItem : GraphItem {
  using GraphItem::CurvX_;
  using GraphItem::NmlX_;
  using GraphItem::QieX_;
};

// Bytes [begin, end) of a member, counted from the start of the compared settings; outside
// 0..sizeof(GraphItemSettings) when the member is not one of them.
struct ByteSpan {
  intptr_t begin = 0;
  intptr_t end = 0;
};

template <class Field>
ByteSpan SpanOf(const GraphItem& item, const Field& field) {
  const auto settings = reinterpret_cast<intptr_t>(static_cast<const GraphItemSettings*>(&item));
  const intptr_t begin = reinterpret_cast<intptr_t>(&field) - settings;
  return {begin, begin + intptr_t(sizeof(Field))};
}

// A value other than the one held; a new kind of setting needs its own overload here.
void ChangeAlone(bool& v) { v = !v; }
void ChangeAlone(int32_t& v) { v += 1; }
void ChangeAlone(float& v) { v += 0.5f; }
void ChangeAlone(std::string& v) { v += "x"; }
void ChangeAlone(std::array<float, kMaxPositions + 1>& v) { v.back() += 0.5f; }

struct Setting {
  const char* name;
  ByteSpan (*span)(ProbeItem&);
  void (*change)(ProbeItem&);
};

#define SETTING(field)                                                    \
  Setting {                                                               \
    #field, [](ProbeItem& g) { return SpanOf(g, g.field); },              \
        [](ProbeItem& g) { ChangeAlone(g.field); }                        \
  }

// Every setting a drawing may read, in the order of graph_item_settings.h.
const std::vector<Setting>& AllSettings() {
  static const std::vector<Setting> settings = {
      // Step and stem plot
      SETTING(ShowStep), SETTING(StepColor), SETTING(StepWidth), SETTING(ShowStem),
      SETTING(StemHeadColor), SETTING(StemHeadSize), SETTING(StemHeadSymbol),
      SETTING(StemBodyColor), SETTING(StemBodyWidth),
      // Two curves
      SETTING(Exp2), SETTING(Color2), SETTING(Width2), SETTING(ShowInter), SETTING(InterColor),
      SETTING(InterSize), SETTING(InterSymbol), SETTING(ShowArea), SETTING(AreaColor),
      // 2D analysis options
      SETTING(Show2DCurve), SETTING(ShowInverse), SETTING(InvColor), SETTING(InvWidth),
      SETTING(ShowDev), SETTING(DevColor), SETTING(DevWidth), SETTING(ShowInt), SETTING(IntColor),
      SETTING(IntFrom), SETTING(IntTo), SETTING(Symbol), SETTING(ShowMax), SETTING(MaxColor),
      SETTING(MaxSize), SETTING(MaxSymbol), SETTING(ShowMin), SETTING(MinColor), SETTING(MinSize),
      SETTING(MinSymbol), SETTING(ShowGuai), SETTING(GuaiColor), SETTING(GuaiSize),
      SETTING(GuaiSymbol), SETTING(ShowJO), SETTING(JOColor), SETTING(JOWidth), SETTING(ShowRoot),
      SETTING(RootColor), SETTING(RootSize), SETTING(RootSymbol), SETTING(ShowCurv),
      SETTING(CurvColor), SETTING(CurvWidth), SETTING(CurvNum), SETTING(ShowLen), SETTING(LenFrom),
      SETTING(LenTo), SETTING(ShowQie), SETTING(QieColor), SETTING(QieWidth), SETTING(QieNum),
      SETTING(ShowNml), SETTING(NmlColor), SETTING(NmlWidth), SETTING(NmlNum),
      // Display of a 2D data table
      SETTING(Show2DLine), SETTING(Show2DScatter), SETTING(ShowSmoothCurve), SETTING(ScatterSize),
      SETTING(ScatterColor), SETTING(SmoothCurveColor), SETTING(SmoothCurveWidth),
      // Kind, form, animation
      SETTING(FunForm), SETTING(MaxT), SETTING(MinT), SETTING(Animation),
      // Appearance and identity
      SETTING(Smoothness), SETTING(Show), SETTING(Material), SETTING(ID), SETTING(NameS),
      // Expressions and grid
      SETTING(MaxV), SETTING(MinV), SETTING(MaxU), SETTING(MinU), SETTING(StepV), SETTING(StepU),
      SETTING(ExpressZ), SETTING(ExpressY), SETTING(ExpressX), SETTING(GraphType),
      SETTING(CoordType), SETTING(FillStyle), SETTING(SecondColor), SETTING(FirstColor),
      SETTING(LineColor), SETTING(LineWidth), SETTING(PointColor), SETTING(PointSize),
      SETTING(PointHollow),
      // Field overlays of a surface
      SETTING(ShowContour), SETTING(ShowVector), SETTING(ShowColormap), SETTING(contourlevel),
      // Positions of curvature circles, tangents and normals
      SETTING(CurvX_), SETTING(QieX_), SETTING(NmlX_),
  };
  return settings;
}

#undef SETTING

// The rows lie inside the compared settings, none twice, and every byte of the settings that
// holds a value belongs to a row: a setting moved out of them, or added without a row, fails
// here by name or by byte.
TEST(GraphItemSettingsRows, CoverTheComparedSettingsExactly) {
  constexpr size_t kSize = sizeof(GraphItemSettings);
  ProbeItem g;
  std::vector<const char*> owner(kSize, nullptr);
  for (const Setting& s : AllSettings()) {
    const ByteSpan span = s.span(g);
    if (span.begin < 0 || span.end > intptr_t(kSize)) {
      ADD_FAILURE() << s.name << " lies outside the settings the revision compares";
      continue;
    }
    for (intptr_t b = span.begin; b < span.end; ++b) {
      EXPECT_EQ(owner[size_t(b)], nullptr) << s.name << " overlaps " << owner[size_t(b)];
      owner[size_t(b)] = s.name;
    }
  }
  // Every byte outside the rows is padding: a run of them as long as the alignment of the
  // whole would hold a member, and a shorter one must be left unread by the comparison.
  size_t run = 0;
  for (size_t b = 0; b < kSize; ++b) {
    run = owner[b] ? 0 : run + 1;
    ASSERT_LT(run, alignof(GraphItemSettings)) << "byte " << b << " holds a setting without a row";
  }
  const GraphItemSettings settings;
  for (size_t b = 0; b < kSize; ++b) {
    if (owner[b]) continue;
    GraphItemSettings flipped = settings;
    reinterpret_cast<unsigned char*>(&flipped)[b] ^= 1;
    EXPECT_TRUE(flipped == settings) << "byte " << b << " holds a setting without a row";
  }
}

// Each setting written alone, straight into the item, renews the revision the scene compiles
// by.
TEST(GraphItemSettingsRows, EachChangedAloneRenewsTheRevision) {
  for (const Setting& s : AllSettings()) {
    ProbeItem g;
    const uint64_t before = g.Revision();
    s.change(g);
    EXPECT_GT(g.Revision(), before) << s.name;
  }
}

}  // namespace
