// Point table files: the text a table dialog exports from its grid and imports into it.
// A header token ("D2", "D25" or "D3"), the counts, then the cell texts of every point in
// grid order; blanks, Tabs and line ends separate tokens and every separator ends one, so
// an empty cell keeps its place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_service.h"
#include "dialogs/data/point_table_grid.h"

namespace curvanta {

enum class PointTableKind { Table2D, Table25D, Table3D };

// "D2", "D25" or "D3".
const char* PointTableHeader(PointTableKind kind);
// 2 values (X, Y) per point, or 3 (X, Y, Z) in a 3D table.
int32_t ValuesPerPoint(PointTableKind kind);

// A table of rows x columns points; 2D and 2.5D tables have one row.
struct TableSize {
  int32_t rows = 1;
  int32_t columns = 0;
};

// The largest file an import reads.
inline constexpr uint64_t kPointTableFileLimit = 32u * 1024u * 1024u;

// The export text of the grid's first rows x columns points: the header line ("D2 n",
// "D25 n" or "D3<Tab>r<Tab>c"), one line per point with its cells separated by a blank (a
// Tab in 3D), CR LF after every line and one more CR LF at the end. Counts are taken into
// 0..201, rows missing from the grid are written as empty cells, and blanks, Tabs and
// line breaks inside a cell are left out so that each cell stays one token.
std::string PointTableText(PointTableKind kind, const PointTableGrid& grid, TableSize size);

// What an import found in a file's bytes.
struct PointTableImport {
  enum class Outcome {
    Ignored,  // first token is not the kind's header: nothing changes, silently
    Refused,  // `refusal` says why: nothing changes
    Loaded,   // `size` and `values` (one entry per point, in grid order) to put in the grid
  };
  Outcome outcome = Outcome::Ignored;
  std::optional<Message> refusal;
  TableSize size;
  std::vector<std::vector<std::string>> values;
};

// Reads the bytes of a point table file (UTF-8 with or without a BOM, or Latin-1 when not
// valid UTF-8; lines ending in CR LF, CR or LF). Counts are read by their leading number,
// rounded half to even; a count outside 0..201 is refused, as is a text over the size
// limit. A value past the last token is empty.
PointTableImport ReadPointTableText(PointTableKind kind, std::string_view bytes);

// The bytes of a file, or the message of why they could not be read (no regular file,
// unreadable, larger than the limit).
struct PointTableFileBytes {
  std::optional<Message> refusal;
  std::string bytes;
};
PointTableFileBytes ReadPointTableFile(const std::string& path);

// Writes `text` to `path` through a temporary file that replaces it; the message when that
// fails.
std::optional<Message> WritePointTableFile(const std::string& path, const std::string& text);

}  // namespace curvanta
