// Shared pieces of the document tests: a field-by-field comparison of graph items, a main
// window stand-in for the loader, and byte helpers for hand-made files.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/graph_list.h"
#include "common/globals.h"
#include "common/number_text.h"
#include "document/document_load.h"
#include "graph/graph_item.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

// Floats are equal when their seven-digit texts are: documents keep seven digits.
template <class T>
bool Same(const T& a, const T& b) {
  return a == b;
}
inline bool Same(float a, float b) { return FormatSingle(a) == FormatSingle(b); }

// Every stored setting of an item that a document carries (IDs, MinT and MaxT of still
// graphs and the PointSize rule aside, which the tests check on their own).
inline std::string ItemDifferences(const GraphItem& a, const GraphItem& b) {
  std::ostringstream out;
#define CMP(f) \
  if (!Same(a.f, b.f)) out << #f << ": " << a.f << " vs " << b.f << "\n";
  CMP(GraphType) CMP(NameS) CMP(CoordType) CMP(ExpressX) CMP(ExpressY) CMP(ExpressZ)
  CMP(StepU) CMP(StepV) CMP(MinU) CMP(MaxU) CMP(MinV) CMP(MaxV) CMP(FillStyle)
  CMP(FirstColor) CMP(SecondColor) CMP(LineColor) CMP(LineWidth) CMP(Material) CMP(Show)
  CMP(Smoothness) CMP(PointColor) CMP(PointHollow) CMP(Animation) CMP(FunForm)
  CMP(Show2DCurve) CMP(ShowInverse) CMP(InvColor) CMP(InvWidth) CMP(ShowDev) CMP(DevColor)
  CMP(DevWidth) CMP(ShowInt) CMP(IntColor) CMP(IntFrom) CMP(IntTo) CMP(ShowMax) CMP(MaxColor)
  CMP(MaxSize) CMP(MaxSymbol) CMP(ShowMin) CMP(MinColor) CMP(MinSize) CMP(MinSymbol)
  CMP(ShowGuai) CMP(GuaiColor) CMP(GuaiSize) CMP(GuaiSymbol) CMP(ShowJO) CMP(JOColor)
  CMP(JOWidth) CMP(ShowRoot) CMP(RootColor) CMP(RootSize) CMP(RootSymbol) CMP(ShowCurv)
  CMP(CurvColor) CMP(CurvWidth) CMP(CurvNum) CMP(ShowLen) CMP(LenFrom) CMP(LenTo)
  CMP(ShowQie) CMP(QieColor) CMP(QieWidth) CMP(QieNum) CMP(ShowNml) CMP(NmlColor)
  CMP(NmlWidth) CMP(NmlNum) CMP(ShowStep) CMP(StepColor) CMP(StepWidth) CMP(ShowStem)
  CMP(StemHeadColor) CMP(StemHeadSize) CMP(StemHeadSymbol) CMP(StemBodyColor)
  CMP(StemBodyWidth) CMP(Exp2) CMP(Color2) CMP(Width2) CMP(ShowInter) CMP(InterColor)
  CMP(InterSize) CMP(InterSymbol) CMP(ShowArea) CMP(AreaColor) CMP(ShowContour)
  CMP(ShowVector) CMP(ShowColormap) CMP(contourlevel) CMP(Show2DLine) CMP(Show2DScatter)
  CMP(ShowSmoothCurve) CMP(ScatterSize) CMP(ScatterColor) CMP(SmoothCurveColor)
  CMP(SmoothCurveWidth) CMP(Symbol)
#undef CMP
  if (a.Animation && (!Same(a.MinT, b.MinT) || !Same(a.MaxT, b.MaxT))) out << "MinT/MaxT\n";
  for (int j = 1; j <= 50; ++j) {
    if (j <= a.CurvNum && !Same(a.CurvX(j), b.CurvX(j))) out << "CurvX(" << j << ")\n";
    if (j <= a.QieNum && !Same(a.QieX(j), b.QieX(j))) out << "QieX(" << j << ")\n";
    if (j <= a.NmlNum && !Same(a.NmlX(j), b.NmlX(j))) out << "NmlX(" << j << ")\n";
  }
  if (a.GraphType >= 4 && a.GraphType <= 6) {
    auto& ma = const_cast<GraphItem&>(a);
    auto& mb = const_cast<GraphItem&>(b);
    for (int i = 0; i <= a.StepU; ++i)
      for (int j = 0; j <= a.StepV; ++j) {
        const Point& p = *ma.VertTab3D(i, j);
        const Point& q = *mb.VertTab3D(i, j);
        if (!Same(p.x, q.x) || !Same(p.y, q.y) || !Same(p.z, q.z)) out << "point " << i << "," << j << "\n";
      }
  }
  return out.str();
}

// The main window as the loader sees it, over a FakeHost's lines and the real scenes.
struct FakeWindow : DocumentWindow {
  explicit FakeWindow(FakeHost& h) : host(h) {}
  FakeHost& host;
  std::vector<std::string> calls;
  void clearDocument() override {
    calls.push_back("clear");
    ViewScene.FunSurfs.Clear();
    DocScene.FunSurfs.Clear();
    host.lines.clear();
  }
  void endSpin() override { calls.push_back("end spin"); }
  void endPlayback() override { calls.push_back("end playback"); }
  void setUpKind(int32_t mode) override { calls.push_back("kind " + std::to_string(mode)); }
  void startNew2D() override {
    calls.push_back("new2D");
    GraphMode = 1;
  }
  void showAllLines() override {
    calls.push_back("showAll");
    for (auto& line : host.lines) line.checked = true;
    BringViewInLine(std::vector<bool>(host.lines.size(), true));
  }
  void displayFrame(int32_t frame) override { calls.push_back("frame " + std::to_string(frame)); }
};

// A ".pgp" container around a text given in UTF-8 (converted to GBK by the caller when
// needed; the fixtures are ASCII).
inline std::string Container(const std::string& gbkText) {
  std::string bytes{char(8), char(0), char(gbkText.size() & 0xFF), char(gbkText.size() >> 8)};
  return bytes + gbkText;
}
