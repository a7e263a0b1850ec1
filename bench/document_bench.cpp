// Saving and loading the largest document the format holds (65535 bytes of text, nearly all
// of it table records) against one redraw of that document and of an analysed 2D function.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <fstream>

#include "common/gl_api.h"
#include "common/globals.h"
#include "document/document_load.h"
#include "document/document_parse.h"
#include "document/document_writer.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"
#include "scene/axes_settings.h"
#include "scene/scene_frame.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

class CountingGl : public curvanta::NullGl {
 public:
  GLuint glGenLists(GLsizei range) override {
    GLuint first = nextList;
    nextList += GLuint(range);
    return first;
  }
  GLuint nextList = 1;
};

// The loader's window and host with nothing behind them.
struct QuietHost : DocumentHost, DocumentWindow {
  int currentLine() const override { return -1; }
  int lineCount() const override { return lines; }
  bool isLineChecked(int) const override { return true; }
  void appendLine(const std::string&) override { ++lines; }
  void setLineText(int, const std::string&) override {}
  void checkLine(int) override {}
  void rebuildAndDisplay() override {}
  void refresh() override {}
  void enablePlayback() override {}
  std::pair<std::string, std::string> animOptionFields() override { return {}; }
  void setAnimOptionFields(const std::string&, const std::string&) override {}
  void setTimerInterval(int) override {}
  void clearDocument() override {
    DocScene.FunSurfs.Clear();
    ViewScene.FunSurfs.Clear();
    lines = 0;
  }
  void setUpKind(int32_t) override {}
  void startNew2D() override {}
  void showAllLines() override {
    for (const auto& [key, item] : DocScene.FunSurfs) {
      ViewScene.FunSurfs.Add(item, key);
      item->GetPoints();
    }
  }
  void displayFrame(int32_t) override {}
  int lines = 0;
};

// A 3D document of three 3D tables whose coordinates take seven digits, filled up to the
// container's 65535 bytes of text.
std::string LargestDocumentBytes() {
  ResetGlobals();
  ResetSceneGlobals();
  GraphMode = 3;
  DocAxes().SetDefault();
  int id = 0;
  auto addTable = [&](int rows, int columns) {
    auto t = std::make_shared<GraphItem>();
    t->GraphType = GraphKind::Table3D;
    t->ID = ++id;
    t->NameS = "table" + std::to_string(id);
    t->StepU = rows;
    t->StepV = columns;
    for (int i = 0; i <= rows; ++i)
      for (int j = 0; j <= columns; ++j) {
        Point& p = *t->VertTab3D(i, j);
        p.x = 0.1234567f * float(i + 1);
        p.y = 0.7654321f * float(j + 1) / float(i + 2);
        p.z = -1.234567f * float(i - j);
      }
    DocScene.FunSurfs.Add(t);
  };
  addTable(20, 20);
  addTable(20, 20);
  for (int columns = 0;; ++columns) {
    addTable(5, columns);
    const std::string text = DocumentText(GraphMode, DocScene, DocAxes());
    if (text.size() > 0xFFFF) {
      DocScene.FunSurfs.Remove(DocScene.FunSurfs.Count());
      --id;
      addTable(5, columns - 1);
      break;
    }
    DocScene.FunSurfs.Remove(DocScene.FunSurfs.Count());
    --id;
  }
  auto encoded = EncodeDocument(DocumentText(GraphMode, DocScene, DocAxes()));
  return std::get<std::string>(encoded);
}

void BM_SaveLargestDocument(benchmark::State& state) {
  const std::string bytes = LargestDocumentBytes();
  QTemporaryDir dir;
  const std::string path = dir.filePath("largest.pgp").toStdString();
  for (auto _ : state) {
    auto encoded = EncodeDocument(DocumentText(GraphMode, DocScene, DocAxes()));
    if (!WriteFileAtomically(path, std::get<std::string>(encoded))) state.SkipWithError("write failed");
  }
  state.counters["text bytes"] = double(bytes.size() - 4);
}
BENCHMARK(BM_SaveLargestDocument)->Unit(benchmark::kMillisecond);

void BM_LoadLargestDocument(benchmark::State& state) {
  const std::string bytes = LargestDocumentBytes();
  QTemporaryDir dir;
  const std::string path = dir.filePath("largest.pgp").toStdString();
  std::ofstream(path, std::ios::binary) << bytes;
  QuietHost host;
  for (auto _ : state) {
    if (LoadDocument(path, host, host) != LoadOutcome::Loaded) state.SkipWithError("load failed");
  }
  state.counters["graphs"] = double(DocScene.FunSurfs.Count());
}
BENCHMARK(BM_LoadLargestDocument)->Unit(benchmark::kMillisecond);

// One redraw: the scene lists compiled (graphs and axes) and the frame painted.
void Redraw(benchmark::State& state) {
  curvanta::InstallGraphDrawing();
  CountingGl gl;
  curvanta::ScopedGl guard(&gl);
  bool trackball = false;
  curvanta::Vec4 quat = curvanta::kIdentityQuat;
  curvanta::SceneFrame frame(ViewScene, DocView, DocLight, trackball, quat);
  frame.SetAxes([] { return DocAxes().Show; },
                [](const Box& b) { DocAxes().Draw(2, b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ); });
  frame.Initialize();
  for (auto _ : state) {
    frame.Compile(true);
    frame.Paint(1);
  }
}

void BM_RedrawLargestDocument(benchmark::State& state) {
  const std::string bytes = LargestDocumentBytes();
  QuietHost host;
  ApplyDocument(ParseDocumentBytes(bytes).document, host, host);
  Redraw(state);
}
BENCHMARK(BM_RedrawLargestDocument)->Unit(benchmark::kMillisecond);

void BM_RedrawAnalysedFunction(benchmark::State& state) {
  ResetGlobals();
  ResetSceneGlobals();
  GraphMode = 1;
  DocAxes().Show = true;
  auto g = GraphItem::Init(1, "", GraphKind::Function2D, CoordKind::Plane, "0", "x",
                           "x*sin(x)+x^2/10", 1, 400, 0, 1, -10, 10, 4, 0, 0, 255, 2, 4, 2, 2,
                           false, false, false, 0);
  g->FunForm = FormKind::Explicit;
  g->Show2DCurve = g->ShowMax = g->ShowMin = g->ShowGuai = g->ShowRoot = g->ShowLen = true;
  g->LenFrom = -5;
  g->LenTo = 5;
  g->GetPoints();
  DocScene.FunSurfs.Add(g);
  ViewScene.FunSurfs.Add(g);
  Redraw(state);
}
BENCHMARK(BM_RedrawAnalysedFunction)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
