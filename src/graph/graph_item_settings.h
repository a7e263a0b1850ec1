// The settings of a graph item that its drawing reads: every one the user or a document can
// give it. They compare as a whole, so a change of any of them is seen without a word from
// the code that made it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace curvanta {

// Positions of curvature circles, tangents and normals: indices 0..50, used from 1 to the
// count.
inline constexpr int32_t kMaxPositions = 50;

class GraphItemSettings {
 public:
  // ---- Step and stem plot
  bool ShowStep = false;
  int32_t StepColor = 0;
  int32_t StepWidth = 0;
  bool ShowStem = false;
  int32_t StemHeadColor = 0;
  int32_t StemHeadSize = 0;
  int32_t StemHeadSymbol = 0;
  int32_t StemBodyColor = 0;
  int32_t StemBodyWidth = 0;

  // ---- Two curves
  std::string Exp2;
  int32_t Color2 = 0;
  int32_t Width2 = 0;
  bool ShowInter = false;
  int32_t InterColor = 0;
  int32_t InterSize = 0;
  int32_t InterSymbol = 0;
  bool ShowArea = false;
  int32_t AreaColor = 0;

  // ---- 2D analysis options
  bool Show2DCurve = false;
  bool ShowInverse = false;
  int32_t InvColor = 0;
  int32_t InvWidth = 0;
  bool ShowDev = false;
  int32_t DevColor = 0;
  int32_t DevWidth = 0;
  bool ShowInt = false;
  int32_t IntColor = 0;
  float IntFrom = 0;
  float IntTo = 0;
  int32_t Symbol = 1;  // scatter marker of a 2D table
  bool ShowMax = false;
  int32_t MaxColor = 0;
  int32_t MaxSize = 0;
  int32_t MaxSymbol = 0;
  bool ShowMin = false;
  int32_t MinColor = 0;
  int32_t MinSize = 0;
  int32_t MinSymbol = 0;
  bool ShowGuai = false;
  int32_t GuaiColor = 0;
  int32_t GuaiSize = 0;
  int32_t GuaiSymbol = 0;
  bool ShowJO = false;
  int32_t JOColor = 0;
  int32_t JOWidth = 0;
  bool ShowRoot = false;
  int32_t RootColor = 0;
  int32_t RootSize = 0;
  int32_t RootSymbol = 0;
  bool ShowCurv = false;
  int32_t CurvColor = 0;
  int32_t CurvWidth = 0;
  int32_t CurvNum = 0;
  bool ShowLen = false;
  float LenFrom = 0;
  float LenTo = 0;
  bool ShowQie = false;
  int32_t QieColor = 0;
  int32_t QieWidth = 0;
  int32_t QieNum = 0;
  bool ShowNml = false;
  int32_t NmlColor = 0;
  int32_t NmlWidth = 0;
  int32_t NmlNum = 0;

  // ---- Display of a 2D data table
  bool Show2DLine = true;
  bool Show2DScatter = true;
  bool ShowSmoothCurve = true;
  int32_t ScatterSize = 2;
  int32_t ScatterColor = 0;
  int32_t SmoothCurveColor = 65280;
  int32_t SmoothCurveWidth = 1;

  // ---- Kind, form, animation
  int32_t FunForm = 0;
  float MaxT = 0;
  float MinT = 0;
  bool Animation = false;

  // ---- Appearance and identity
  int32_t Smoothness = 0;
  int32_t Show = 3;
  int32_t Material = 0;
  int32_t ID = 0;
  std::string NameS;

  // ---- Expressions and grid
  float MaxV = 0;
  float MinV = 0;
  float MaxU = 0;
  float MinU = 0;
  int32_t StepV = 1;
  int32_t StepU = 1;
  std::string ExpressZ;
  std::string ExpressY;
  std::string ExpressX;
  int32_t GraphType = 0;
  int32_t CoordType = 0;
  int32_t FillStyle = 0;
  int32_t SecondColor = 0;
  int32_t FirstColor = 0;
  int32_t LineColor = 0;
  int32_t LineWidth = 0;
  int32_t PointColor = 255;
  float PointSize = 1.0f;
  bool PointHollow = false;

  // ---- Field overlays of a surface
  bool ShowContour = false;
  bool ShowVector = false;
  bool ShowColormap = false;
  int32_t contourlevel = 0;

  // Equal when every setting is; a float that is not a number differs even from itself, so
  // such a setting counts as changed every time it is compared.
  bool operator==(const GraphItemSettings&) const = default;

 protected:
  using Positions = std::array<float, kMaxPositions + 1>;
  Positions CurvX_{};
  Positions QieX_{};
  Positions NmlX_{};
};

}  // namespace curvanta
