// Fuzz target: importing a point table file into each of the three table kinds. A refused
// or foreign file must leave the table as it was; an imported table must fill the grid to
// its counts and read back the same from its own export text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "common/ui/file_chooser.h"
#include "dialogs/data/point_table_data.h"
#include "dialogs/data/point_table_file.h"

using namespace curvanta;

namespace {

std::string ScratchPath(const char* what) {
  const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(dir) + "/curvanta-fuzz-" + std::to_string(getpid()) + "-" + what;
}

std::string Snapshot(const PointTableData& data) {
  std::ostringstream s;
  s << data.name << "|" << data.pointCount << "|" << data.rowCount << "|" << data.columnCount
    << "|" << data.editor.grid.currentRow() << "," << data.editor.grid.currentColumn() << "\n";
  const PointTableGrid& grid = data.editor.grid;
  for (int32_t r = 0; r < grid.rowCount(); ++r) {
    for (int32_t c = 0; c < grid.columnCount(); ++c) s << grid.text(r, c) << "\t";
    s << "\n";
  }
  return s.str();
}

[[noreturn]] void Finding(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
  std::abort();
}

void ImportInto(PointTableKind kind, const std::string& path) {
  PointTableData data(kind);
  ResetPointTable(data);
  for (int32_t r = 1; r <= data.editor.grid.pointRows(); ++r)
    for (int32_t c = 1; c < data.editor.grid.columnCount(); ++c)
      data.editor.grid.setText(r, c, std::to_string(r * 10 + c));
  const std::string before = Snapshot(data);

  ScriptedFileChooser chooser;
  chooser.answers.push_back(path);
  const std::optional<Message> refusal = ImportPointTable(data, chooser);
  const std::string after = Snapshot(data);
  if (refusal || after == before) {
    if (after != before) Finding("a refused import changed the table", before + "---\n" + after);
    return;
  }

  // Imported: the grid holds exactly the counted points, and its export reads back the same.
  const TableSize size = data.size();
  const PointTableGrid& grid = data.editor.grid;
  if (size.rows < 0 || size.columns < 0 || grid.pointRows() != size.rows * size.columns)
    Finding("the grid does not match the imported counts", after);
  const PointTableImport again = ReadPointTableText(kind, PointTableText(kind, grid, size));
  if (again.outcome != PointTableImport::Outcome::Loaded || again.size.rows != size.rows ||
      again.size.columns != size.columns)
    Finding("the export of an imported table does not read back", after);
  for (size_t p = 0; p < again.values.size(); ++p)
    for (size_t v = 0; v < again.values[p].size(); ++v)
      if (again.values[p][v] != grid.text(int32_t(p) + 1, int32_t(v) + 1))
        Finding("a cell changed through export and import", after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchPath("table.txt");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  for (PointTableKind kind : {PointTableKind::Table2D, PointTableKind::Table25D, PointTableKind::Table3D})
    ImportInto(kind, path);
  return 0;
}
