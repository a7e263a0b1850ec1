// Tables of points at their largest: importing a 201-point 2D file and a 201 x 201 3D file
// into the dialog's grid, OK's build of the item, the export text, and compiling the
// drawing of the tables (counted GL calls only).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>

#include "common/gl_api.h"
#include "common/globals.h"
#include "common/ui/file_chooser.h"
#include "dialogs/data/table_2d_dialog_state.h"
#include "dialogs/data/table_surface_dialog_state.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

class CountingGl : public NullGl {
 public:
  void glBegin(GLenum) override { ++primitives; }
  long primitives = 0;
};

// A point-table file of the given kind and size with varied values.
std::string TableText(PointTableKind kind, int32_t rows, int32_t columns) {
  const bool solid = kind == PointTableKind::Table3D;
  std::string text = PointTableHeader(kind);
  text += solid ? "\t" + std::to_string(rows) + "\t" + std::to_string(columns) : " " + std::to_string(columns);
  text += "\r\n";
  for (int32_t i = 0; i < rows; ++i)
    for (int32_t j = 0; j < columns; ++j) {
      const double x = j * 0.05 - 5, y = i * 0.05 - 5;
      text += std::to_string(x) + (solid ? "\t" : " ") + std::to_string(y);
      if (solid) text += "\t" + std::to_string(x * x - y * y);
      text += "\r\n";
    }
  return text + "\r\n";
}

// Import of a file into the data page: read, tokenise, Reset and fill the grid.
template <class State>
void Import(benchmark::State& bench, State (*load)(), PointTableKind kind, int32_t rows) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("table.txt").toStdString();
  std::ofstream(path, std::ios::binary) << TableText(kind, rows, 201);
  ScriptedFileChooser chooser;
  for (auto _ : bench) {
    State state = load();
    chooser.answers = {path};
    benchmark::DoNotOptimize(ImportPointTable(state.data, chooser));
    if (state.data.editor.grid.pointRows() != rows * 201) bench.SkipWithError("import failed");
  }
}

void BM_Import2D(benchmark::State& bench) { Import(bench, Table2DLoad, PointTableKind::Table2D, 1); }
void BM_Import3D(benchmark::State& bench) { Import(bench, Table3DLoad, PointTableKind::Table3D, 201); }

Table3DDialogState Imported3D() {
  Table3DDialogState state = Table3DLoad();
  const PointTableImport in = ReadPointTableText(PointTableKind::Table3D, TableText(PointTableKind::Table3D, 201, 201));
  state.data.rowCount = state.data.columnCount = "201";
  ResetPointTable(state.data);
  for (size_t p = 0; p < in.values.size(); ++p)
    for (size_t v = 0; v < 3; ++v) state.data.editor.grid.setText(int32_t(p) + 1, int32_t(v) + 1, in.values[p][v]);
  return state;
}

void BM_Accept3D(benchmark::State& bench) {
  const Table3DDialogState imported = Imported3D();
  for (auto _ : bench) {
    Table3DDialogState state = imported;
    benchmark::DoNotOptimize(Table3DAccept(state).item);
  }
}

void BM_Export3D(benchmark::State& bench) {
  const Table3DDialogState state = Imported3D();
  for (auto _ : bench)
    benchmark::DoNotOptimize(PointTableText(PointTableKind::Table3D, state.data.editor.grid, {201, 201}));
}

// Compiling the drawing of a 201-point 2D table with all three layers (the smooth curve
// samples every chord of 0.05..0.3 units), and of a 201 x 201 3D table.
void BM_Draw2D(benchmark::State& bench) {
  GraphMode = 1;
  Table2DDialogState state = Table2DLoad();
  const PointTableImport in = ReadPointTableText(PointTableKind::Table2D, TableText(PointTableKind::Table2D, 1, 201));
  state.data.pointCount = "201";
  ResetPointTable(state.data);
  for (size_t p = 0; p < in.values.size(); ++p) {
    state.data.editor.grid.setText(int32_t(p) + 1, 1, in.values[p][0]);
    state.data.editor.grid.setText(int32_t(p) + 1, 2, std::to_string(std::sin(double(p) / 10)));
  }
  state.showScatter = state.showSmoothCurve = true;
  const std::shared_ptr<GraphItem> item = Table2DAccept(state).item;
  CountingGl gl;
  ScopedGl scoped(&gl);
  for (auto _ : bench) DrawGraphItem(*item);
  bench.counters["primitives"] = benchmark::Counter(double(gl.primitives), benchmark::Counter::kAvgIterations);
}

void BM_Draw3D(benchmark::State& bench) {
  GraphMode = 3;
  Table3DDialogState state = Imported3D();
  const std::shared_ptr<GraphItem> item = Table3DAccept(state).item;
  CountingGl gl;
  ScopedGl scoped(&gl);
  for (auto _ : bench) DrawGraphItem(*item);
  bench.counters["primitives"] = benchmark::Counter(double(gl.primitives), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(BM_Import2D)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import3D)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Accept3D)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export3D)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Draw2D)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Draw3D)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
