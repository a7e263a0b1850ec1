// One redraw on a real GL context of the largest document (and of an analysed 2D function
// for scale): the scene lists compiled and the frame painted and read back. Run under
// xvfb-run; see document_bench.cpp for loading and saving the same document.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include "common/gl_api.h"
#include "common/ui/forwarding_gl.h"
#include "common/ui/gl_format.h"
#include "document/document_parse.h"
#include "draw/graph_draw.h"
#include "largest_document.h"
#include "scene/text3d.h"
#include "scene/ui/draw_area.h"

using namespace curvanta;

namespace {

void RedrawOnScreen(benchmark::State& state) {
  curvanta::ForwardingGl gl;
  curvanta::ScopedGl guard(&gl);
  curvanta::InstallGraphDrawing();
  DrawArea area;
  area.frame().SetAxes([] { return DocAxes().Show; }, [](const Box& b) {
    DocAxes().Draw(2, b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ);
  });
  area.frame().SetFontBuilder([] {
    CreateOutlineFont(LabelFontBase, "Arial", -6, 400, 0, 0);
    CreateOutlineFont(TitleFontBase, "Arial", -8, 700, 0, 0);
  });
  area.resize(1024, 720);
  area.show();
  QElapsedTimer waited;
  waited.start();
  while (!area.isValid() && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  if (!area.isValid()) {
    state.SkipWithError("no GL context (run under xvfb-run)");
    return;
  }
  for (auto _ : state) {
    area.BuildSceneLists();
    area.Display(1);
    benchmark::DoNotOptimize(area.grabFramebuffer());
  }
}

void BM_ScreenRedrawLargestDocument(benchmark::State& state) {
  const std::string bytes = LargestDocumentBytes();
  QuietHost host;
  ApplyDocument(ParseDocumentBytes(bytes).document, host, host);
  GraphMode = 3;
  RedrawOnScreen(state);
}
BENCHMARK(BM_ScreenRedrawLargestDocument)->Unit(benchmark::kMillisecond);

void BM_ScreenRedrawAnalysedFunction(benchmark::State& state) {
  ResetGlobals();
  ResetSceneGlobals();
  GraphMode = 1;
  DocAxes().Show = true;
  auto g = GraphItem::Init(1, "", GraphKind::Function2D, CoordKind::Plane, "0", "x",
                           "x*sin(x)+x^2/10", 1, 400, 0, 1, -10, 10, 4, 0, 0, 255, 2, 4, 2, 2,
                           false, false, false, 0);
  g->FunForm = FormKind::Explicit;
  g->Show2DCurve = g->ShowMax = g->ShowMin = g->ShowGuai = g->ShowRoot = true;
  g->GetPoints();
  DocScene.FunSurfs.Add(g);
  ViewScene.FunSurfs.Add(g);
  RedrawOnScreen(state);
}
BENCHMARK(BM_ScreenRedrawAnalysedFunction)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  curvanta::SetDefaultGlFormat();
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
