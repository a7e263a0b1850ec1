// The graph item's factory, copies and table cells.
#include "graph/graph_item.h"

#include <algorithm>

#include "common/globals.h"

namespace curvanta {

int32_t GraphItem::StepT() const { return AnimFrameCount; }

uint64_t GraphItem::Revision() const {
  const GraphItemSettings& now = *this;
  if (!(now == revisedSettings_)) {
    revisedSettings_ = now;
    revision_.Renew();
  }
  return revision_.value();
}

std::shared_ptr<Point> GraphItem::VertTab3D(int32_t intU, int32_t intV) {
  if (intU < 0 || intU > kTableUpper || intV < 0 || intV > kTableUpper)
    return std::make_shared<Point>();
  if (tab_.empty()) tab_.resize(static_cast<size_t>(kTableUpper + 1) * (kTableUpper + 1));
  auto& cell = tab_[static_cast<size_t>(intU) * (kTableUpper + 1) + static_cast<size_t>(intV)];
  if (!cell) cell = std::make_shared<Point>();
  return cell;
}

void GraphItem::SetVertTab3D(int32_t intU, int32_t intV, std::shared_ptr<Point> p) {
  if (intU < 0 || intU > kTableUpper || intV < 0 || intV > kTableUpper) return;
  if (tab_.empty()) tab_.resize(static_cast<size_t>(kTableUpper + 1) * (kTableUpper + 1));
  tab_[static_cast<size_t>(intU) * (kTableUpper + 1) + static_cast<size_t>(intV)] = std::move(p);
  MarkChanged();
}

std::shared_ptr<GraphItem> GraphItem::Init(int32_t lngID, const std::string& strName, int32_t gtpGraphType,
                                 int32_t dtpCoordType, const std::string& strExpX,
                                 const std::string& strExpY, const std::string& strExpZ,
                                 int32_t lngStepU, int32_t lngStepV, float sngMinU, float sngMaxU,
                                 float sngMinV, float sngMaxV, int32_t fstFillStyle,
                                 int32_t lngFirstColor, int32_t lngSecondColor,
                                 int32_t lngLineColor, int32_t lngLineWidth, int32_t MatType,
                                 int32_t shwShow, int32_t smtSmooth, bool bolShowCon,
                                 bool bolShowVec, bool bolShowColormap, int32_t lngConLevel) {
  auto item = std::make_shared<GraphItem>();
  item->ID = lngID;
  item->NameS = strName;
  item->GraphType = gtpGraphType;
  item->CoordType = dtpCoordType;
  item->ExpressX = strExpX;
  item->ExpressY = strExpY;
  item->ExpressZ = strExpZ;
  item->StepU = lngStepU;
  item->StepV = lngStepV;
  item->MinU = sngMinU;
  item->MaxU = sngMaxU;
  item->MinV = sngMinV;
  item->MaxV = sngMaxV;
  item->FillStyle = fstFillStyle;
  item->FirstColor = lngFirstColor;
  item->SecondColor = lngSecondColor;
  item->LineColor = lngLineColor;
  item->LineWidth = lngLineWidth;
  item->Material = MatType;
  item->Show = shwShow;
  item->Smoothness = smtSmooth;
  item->ShowContour = bolShowCon;
  item->ShowVector = bolShowVec;
  item->ShowColormap = bolShowColormap;
  item->contourlevel = lngConLevel;
  return item;
}

void GraphItem::Equal(const std::string& strName, int32_t gtpGraphType, int32_t ctpCoordType,
                 const std::string& strExpX, const std::string& strExpY,
                 const std::string& strExpZ, int32_t lngStepU, int32_t lngStepV, float sngMinU,
                 float sngMaxU, float sngMinV, float sngMaxV, int32_t fstFillStyle,
                 int32_t lngFirstColor, int32_t lngSecondColor, int32_t lngLineColor,
                 int32_t lngLineWidth, int32_t MatType, int32_t shwShow, int32_t smtSmooth,
                 bool bolShowCon, bool bolShowVec, bool bolShowColormap, int32_t lngConLevel,
                 int32_t ffFunForm) {
  NameS = strName;
  GraphType = gtpGraphType;
  CoordType = ctpCoordType;
  ExpressX = strExpX;
  ExpressY = strExpY;
  ExpressZ = strExpZ;
  StepU = lngStepU;
  StepV = lngStepV;
  MinU = sngMinU;
  MaxU = sngMaxU;
  MinV = sngMinV;
  MaxV = sngMaxV;
  FillStyle = fstFillStyle;
  FirstColor = lngFirstColor;
  SecondColor = lngSecondColor;
  LineColor = lngLineColor;
  LineWidth = lngLineWidth;
  Material = MatType;
  Show = shwShow;
  Smoothness = smtSmooth;
  ShowContour = bolShowCon;
  ShowVector = bolShowVec;
  ShowColormap = bolShowColormap;
  contourlevel = lngConLevel;
  FunForm = ffFunForm;
}

void GraphItem::EqualTo(const GraphItem& fsfNew) {
  if (&fsfNew == this) return;
  NameS = fsfNew.NameS;
  GraphType = fsfNew.GraphType;
  CoordType = fsfNew.CoordType;
  ExpressX = fsfNew.ExpressX;
  ExpressY = fsfNew.ExpressY;
  ExpressZ = fsfNew.ExpressZ;
  StepU = fsfNew.StepU;
  StepV = fsfNew.StepV;
  MinU = fsfNew.MinU;
  MaxU = fsfNew.MaxU;
  MinV = fsfNew.MinV;
  MaxV = fsfNew.MaxV;
  FillStyle = fsfNew.FillStyle;
  FirstColor = fsfNew.FirstColor;
  SecondColor = fsfNew.SecondColor;
  LineColor = fsfNew.LineColor;
  LineWidth = fsfNew.LineWidth;
  Material = fsfNew.Material;
  Show = fsfNew.Show;
  Smoothness = fsfNew.Smoothness;
  PointColor = fsfNew.PointColor;
  PointSize = fsfNew.PointSize;
  PointHollow = fsfNew.PointHollow;
  Animation = fsfNew.Animation;
  if (Animation) {
    MinT = fsfNew.MinT;
    MaxT = fsfNew.MaxT;
  }
  ShowContour = fsfNew.ShowContour;
  ShowVector = fsfNew.ShowVector;
  ShowColormap = fsfNew.ShowColormap;
  contourlevel = fsfNew.contourlevel;
  FunForm = fsfNew.FunForm;

  Show2DCurve = fsfNew.Show2DCurve;
  ShowInverse = fsfNew.ShowInverse;
  InvColor = fsfNew.InvColor;
  InvWidth = fsfNew.InvWidth;
  ShowDev = fsfNew.ShowDev;
  DevColor = fsfNew.DevColor;
  DevWidth = fsfNew.DevWidth;
  ShowInt = fsfNew.ShowInt;
  IntColor = fsfNew.IntColor;
  IntFrom = fsfNew.IntFrom;
  IntTo = fsfNew.IntTo;
  ShowMax = fsfNew.ShowMax;
  MaxColor = fsfNew.MaxColor;
  MaxSize = fsfNew.MaxSize;
  MaxSymbol = fsfNew.MaxSymbol;
  ShowMin = fsfNew.ShowMin;
  MinColor = fsfNew.MinColor;
  MinSize = fsfNew.MinSize;
  MinSymbol = fsfNew.MinSymbol;
  ShowGuai = fsfNew.ShowGuai;
  GuaiColor = fsfNew.GuaiColor;
  GuaiSize = fsfNew.GuaiSize;
  GuaiSymbol = fsfNew.GuaiSymbol;
  ShowJO = fsfNew.ShowJO;
  JOColor = fsfNew.JOColor;
  JOWidth = fsfNew.JOWidth;
  ShowRoot = fsfNew.ShowRoot;
  RootColor = fsfNew.RootColor;
  RootSize = fsfNew.RootSize;
  RootSymbol = fsfNew.RootSymbol;
  // A position list holds at most 50 entries (indices 1..50): a larger count from a
  // document is taken down to 50, a negative one to 0.
  auto copyList = [](int32_t count, const Positions& from, Positions& to) {
    int32_t n = std::clamp(count, 0, kMaxPositions);
    for (int32_t i = 1; i <= n; ++i) to[static_cast<size_t>(i)] = from[static_cast<size_t>(i)];
    return n;
  };
  ShowCurv = fsfNew.ShowCurv;
  CurvColor = fsfNew.CurvColor;
  CurvWidth = fsfNew.CurvWidth;
  CurvNum = copyList(fsfNew.CurvNum, fsfNew.CurvX_, CurvX_);
  ShowLen = fsfNew.ShowLen;
  LenFrom = fsfNew.LenFrom;
  LenTo = fsfNew.LenTo;
  ShowQie = fsfNew.ShowQie;
  QieColor = fsfNew.QieColor;
  QieWidth = fsfNew.QieWidth;
  QieNum = copyList(fsfNew.QieNum, fsfNew.QieX_, QieX_);
  ShowNml = fsfNew.ShowNml;
  NmlColor = fsfNew.NmlColor;
  NmlWidth = fsfNew.NmlWidth;
  NmlNum = copyList(fsfNew.NmlNum, fsfNew.NmlX_, NmlX_);

  ShowStep = fsfNew.ShowStep;
  StepColor = fsfNew.StepColor;
  StepWidth = fsfNew.StepWidth;
  ShowStem = fsfNew.ShowStem;
  StemHeadColor = fsfNew.StemHeadColor;
  StemHeadSize = fsfNew.StemHeadSize;
  StemHeadSymbol = fsfNew.StemHeadSymbol;
  StemBodyColor = fsfNew.StemBodyColor;
  StemBodyWidth = fsfNew.StemBodyWidth;

  Exp2 = fsfNew.Exp2;
  Color2 = fsfNew.Color2;
  Width2 = fsfNew.Width2;
  ShowInter = fsfNew.ShowInter;
  InterColor = fsfNew.InterColor;
  InterSize = fsfNew.InterSize;
  InterSymbol = fsfNew.InterSymbol;
  ShowArea = fsfNew.ShowArea;
  AreaColor = fsfNew.AreaColor;
}

void GraphItem::TabEqualTo(GraphItem& fsfNew) {
  if (&fsfNew == this) return;
  NameS = fsfNew.NameS;
  LineColor = fsfNew.LineColor;
  LineWidth = fsfNew.LineWidth;
  GraphType = fsfNew.GraphType;
  CoordType = fsfNew.CoordType;
  StepU = fsfNew.StepU;
  StepV = fsfNew.StepV;
  FillStyle = fsfNew.FillStyle;
  FirstColor = fsfNew.FirstColor;
  SecondColor = fsfNew.SecondColor;
  Material = fsfNew.Material;
  Show = fsfNew.Show;
  Smoothness = fsfNew.Smoothness;

  // Last row: 2D and 2.5D tables keep their points in row 0 (StepU 1); a 3D table has
  // rows 0..StepU. Nothing beyond the table's 201 rows and columns is copied.
  int64_t lastRow = 0;
  if (fsfNew.GraphType == GraphKind::Table2D || fsfNew.GraphType == GraphKind::Table25D)
    lastRow = static_cast<int64_t>(StepU) - 1;
  else if (fsfNew.GraphType == GraphKind::Table3D)
    lastRow = StepU;
  lastRow = std::min<int64_t>(lastRow, kTableUpper);
  int32_t lastColumn = std::min(StepV, kTableUpper);
  for (int32_t i = 0; i <= lastRow; ++i)
    for (int32_t j = 0; j <= lastColumn; ++j) SetVertTab3D(i, j, fsfNew.VertTab3D(i, j));

  Show2DLine = fsfNew.Show2DLine;
  Show2DScatter = fsfNew.Show2DScatter;
  ShowSmoothCurve = fsfNew.ShowSmoothCurve;
  ScatterSize = fsfNew.ScatterSize;
  ScatterColor = fsfNew.ScatterColor;
  SmoothCurveColor = fsfNew.SmoothCurveColor;
  SmoothCurveWidth = fsfNew.SmoothCurveWidth;
  Symbol = fsfNew.Symbol;
}

}  // namespace curvanta
