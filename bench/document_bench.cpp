// Saving and loading the largest document the format holds (65535 bytes of text, nearly all
// of it table records), and the CPU side of one redraw of it (document_screen_bench.cpp
// draws it on a real GL context).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <fstream>

#include "common/atomic_file.h"
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
#include "largest_document.h"

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

void BM_SaveLargestDocument(benchmark::State& state) {
  const std::string bytes = LargestDocumentBytes();
  QTemporaryDir dir;
  const std::string path = dir.filePath("largest.pgp").toStdString();
  for (auto _ : state) {
    auto encoded = EncodeDocument(DocumentText(GraphMode, DocScene, DocAxes()));
    if (!ReplaceOrWriteInPlace(path, std::get<std::string>(encoded))) state.SkipWithError("write failed");
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

// One redraw with a GL layer that only counts: the CPU side of compiling the scene lists
// (graphs and axes) and painting the frame.
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

}  // namespace

BENCHMARK_MAIN();
