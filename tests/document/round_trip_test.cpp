// A document of every graph kind written and read back: the same items, axes and
// animation settings, and the same bytes when written again.
#include <gtest/gtest.h>

#include "common/gbk_codec.h"
#include "common/message_service.h"
#include "document/document_parse.h"
#include "document/document_writer.h"
#include "document/records.h"
#include "document_test_support.h"

namespace {

std::shared_ptr<GraphItem> Make(int32_t kind, int32_t coord, int32_t form, std::string x,
                                std::string y, std::string z) {
  auto g = std::make_shared<GraphItem>();
  g->GraphType = kind;
  g->CoordType = coord;
  g->FunForm = form;
  g->ExpressX = std::move(x);
  g->ExpressY = std::move(y);
  g->ExpressZ = std::move(z);
  g->NameS = "图形 " + std::to_string(kind);  // a blank inside the name
  g->StepU = 4;
  g->StepV = 5;
  g->MinU = -1.5f;
  g->MaxU = 2.25f;
  g->MinV = -3.0f;
  g->MaxV = 1e7f;
  g->FillStyle = 2;
  g->FirstColor = 255;
  g->SecondColor = 0xFF0000;
  g->LineColor = 0x80000002;  // a system colour value travels unchanged
  g->LineWidth = 3;
  g->Material = 13;
  g->Show = 2;
  g->Smoothness = 3;
  g->PointColor = 0x123456;
  g->PointSize = 7;
  g->PointHollow = true;
  return g;
}

std::shared_ptr<GraphItem> Table(int32_t kind, int32_t rows, int32_t columns) {
  auto t = std::make_shared<GraphItem>();
  t->GraphType = kind;
  t->NameS = "表 " + std::to_string(kind);
  t->LineColor = 0x00FF00;
  t->LineWidth = 2;
  t->FillStyle = 4;
  t->Material = 5;
  t->StepU = rows;
  t->StepV = columns;
  for (int i = 0; i <= rows; ++i)
    for (int j = 0; j <= columns; ++j) {
      Point& p = *t->VertTab3D(i, j);
      p.x = float(i) - 0.5f;
      p.y = 1.0f / 3.0f * float(j + 1);
      p.z = -1e-5f * float(i + j);
    }
  t->Show2DScatter = false;
  t->ScatterSize = 5;
  t->ScatterColor = 77;
  t->SmoothCurveColor = 88;
  t->SmoothCurveWidth = 4;
  t->Symbol = 6;
  return t;
}

// One item of every kind the model holds, with the settings its dialogs give it.
std::vector<std::shared_ptr<GraphItem>> EveryKind() {
  std::vector<std::shared_ptr<GraphItem>> v;
  auto f = Make(0, 1, 2, "", "", "x^2-1");
  f->Show2DCurve = true;
  f->ShowInverse = true;
  f->InvColor = 1;
  f->InvWidth = 2;
  f->ShowDev = true;
  f->ShowInt = true;
  f->IntFrom = -0.5f;
  f->IntTo = 1.0f / 3.0f;
  f->ShowMax = f->ShowMin = f->ShowGuai = f->ShowJO = f->ShowRoot = true;
  f->MaxSymbol = 3;
  f->RootSize = 9;
  f->ShowCurv = true;
  f->CurvNum = 2;
  f->SetCurvX(1, 0.25f);
  f->SetCurvX(2, -2);
  f->ShowLen = true;
  f->LenFrom = -1;
  f->LenTo = 1;
  f->ShowNml = true;
  f->NmlNum = 1;
  f->SetNmlX(1, 0.5f);
  v.push_back(f);
  auto a = Make(9, 2, 3, "", "u", "sin(u+t)");
  a->Animation = true;
  a->MinT = -1;
  a->MaxT = 2.25f;
  v.push_back(a);
  v.push_back(Make(3, 1, 2, "", "", "cos(x)"));
  auto sa = Make(10, 1, 3, "", "u", "u*t");
  sa->Animation = true;
  sa->MaxT = 1;
  v.push_back(sa);
  v.push_back(Make(1, 4, 3, "u", "1", "u/3"));
  auto s = Make(2, 3, 2, "", "", "x*y");
  s->ShowContour = s->ShowVector = s->ShowColormap = true;
  s->contourlevel = 10;
  v.push_back(s);
  auto ca = Make(11, 5, 3, "u", "1", "t");
  ca->Animation = true;
  ca->MaxT = 3;
  v.push_back(ca);
  auto sfa = Make(12, 3, 2, "", "", "x+y+t");
  sfa->Animation = true;
  sfa->MaxT = 1;
  v.push_back(sfa);
  v.push_back(Make(7, 1, 0, "", "1", "2"));
  auto pa = Make(8, 2, 0, "", "t", "1");
  pa->Animation = true;
  pa->MaxT = 6.283185f;
  v.push_back(pa);
  v.push_back(Make(13, 3, 2, "", "", "x-y"));
  v.push_back(Make(14, 3, 2, "", "", "x*x+y*y"));
  v.push_back(Make(15, 3, 2, "", "", "x"));
  auto two = Make(20, 1, 2, "", "", "x");
  two->Exp2 = "x^2";
  two->Color2 = 9;
  two->Width2 = 2;
  two->ShowInter = two->ShowArea = true;
  two->InterSymbol = 4;
  two->AreaColor = 0xABCDEF;
  v.push_back(two);
  v.push_back(Make(21, 1, 2, "", "", "sqr(x+2)"));
  v.push_back(Make(22, 1, 2, "", "", "x/2"));
  auto step = Make(23, 1, 2, "", "", "x^3");
  step->ShowStep = step->ShowStem = true;
  step->StepColor = 0x80000002;
  step->StemHeadSize = 4;
  step->StemBodyWidth = 2;
  v.push_back(step);
  v.push_back(Table(4, 0, 5));
  v.push_back(Table(5, 0, 3));
  v.push_back(Table(6, 2, 3));
  return v;
}

class DocumentRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
  }
  void TearDown() override {
    ResetSceneGlobals();
    ResetGlobals();
  }
  ScopedMessageRecorder messages;
};

std::string Encoded(int32_t mode) {
  auto e = EncodeDocument(DocumentText(mode, DocScene, DocAxes()));
  EXPECT_TRUE(std::holds_alternative<std::string>(e));
  return std::holds_alternative<std::string>(e) ? std::get<std::string>(e) : std::string();
}

TEST_F(DocumentRoundTrip, EveryKindComesBackEqualAndWritesTheSameBytesAgain) {
  std::vector<std::shared_ptr<GraphItem>> originals = EveryKind();
  for (auto& g : originals) {
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g);
  }
  // Kinds 16..19 are no graph of a document: neither written nor counted.
  auto stray = std::make_shared<GraphItem>();
  stray->GraphType = 17;
  stray->ID = 99;
  DocScene.FunSurfs.Add(stray);
  AnimFrameCount = 12;
  AnimSpeed = 25;
  DocAxes().SetDefault();
  DocAxes().TitleX = "时间 t";
  DocAxes().LabelNumY = 7;
  DocAxes().ShowXZZGrid = false;
  const AxesSettings axes = DocAxes();

  const std::string first = Encoded(3);
  ParseResult parsed = ParseDocumentBytes(first);
  ASSERT_EQ(parsed.status, ParseStatus::Parsed);
  const ParsedDocument& doc = parsed.document;
  EXPECT_EQ(doc.generation, 4);
  EXPECT_EQ(doc.kindDigit, 6);
  ASSERT_EQ(doc.graphs.size(), originals.size());
  for (size_t i = 0; i < originals.size(); ++i)
    EXPECT_EQ(ItemDifferences(*originals[i], *doc.graphs[i]), "") << "kind " << originals[i]->GraphType;
  EXPECT_FLOAT_EQ(doc.graphs[0]->PointSize, 7.0f);
  ASSERT_TRUE(doc.animation);
  EXPECT_EQ(doc.animation->frames, 12);
  EXPECT_EQ(doc.animation->speed, 25);
  ASSERT_TRUE(doc.axesRead);
  EXPECT_TRUE(doc.axes == axes);

  // Loaded in place of a fresh document, it writes the same bytes.
  DocScene = Scene();
  ViewScene = Scene();
  ResetDocAxes();
  AnimFrameCount = 10;
  AnimSpeed = 10;
  FakeHost host;
  FakeWindow window(host);
  ApplyDocument(doc, host, window);
  EXPECT_EQ(DocScene.FunSurfs.Count(), int(originals.size()));
  EXPECT_EQ(Encoded(GraphMode), first);
}

TEST_F(DocumentRoundTrip, WhatDoesNotComeBack) {
  auto g = Make(7, 1, 0, "", "1", "2");
  g->PointSize = 2.5f;  // only whole sizes 1..9 are read
  g->MinT = 4;          // t range of a still graph
  g->MaxT = 5;
  g->NameS = "a\xE3\x80\x80" "b c";  // a typed U+3000 comes back as a blank
  g->MinU = 1.23456789f;             // seven digits
  g->ID = 1;
  DocScene.FunSurfs.Add(g);
  DocAxes().Show = false;
  DocAxes().TitleY = "hidden";
  ParseResult parsed = ParseDocumentBytes(Encoded(1));
  ASSERT_EQ(parsed.status, ParseStatus::Parsed);
  const GraphItem& back = *parsed.document.graphs.at(0);
  EXPECT_FLOAT_EQ(back.PointSize, 1.0f);
  EXPECT_EQ(back.MinT, 0);
  EXPECT_EQ(back.MaxT, 0);
  EXPECT_EQ(back.NameS, "a b c");
  EXPECT_FLOAT_EQ(back.MinU, 1.234568f);
  EXPECT_FALSE(parsed.document.axes.Show);
  EXPECT_EQ(parsed.document.axes.TitleY, "Y");  // hidden axes carry nothing but Show
}

}  // namespace
