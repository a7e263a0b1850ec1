// The data page shared by the three table dialogs: the name, the count boxes, the point
// grid with its editor, and Reset, export and import.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/message_service.h"
#include "dialogs/data/point_table_editor.h"
#include "dialogs/data/point_table_file.h"

class QWidget;

namespace curvanta {

class FileChooser;

struct PointTableData {
  explicit PointTableData(PointTableKind kind);

  PointTableKind kind;
  std::string name = "Untitled";
  std::string pointCount = "5";   // 2D and 2.5D tables ("点数")
  std::string rowCount = "5";     // 3D tables ("行")
  std::string columnCount = "5";  // 3D tables ("列")
  PointTableEditor editor;

  // The table's size as the count boxes give it (leading number, halves to even; a count
  // outside the int range as -1): 1 x points, or rows x columns in 3D.
  TableSize size() const;
};

// Reset ("重置"): the grid laid out for the counts in the boxes.
void ResetPointTable(PointTableData& data);

// Export ("导出..."): asks for a file (title "导出") and writes the grid's points there. A
// cancelled chooser writes nothing; the message when the file cannot be written.
std::optional<Message> ExportPointTable(const PointTableData& data, FileChooser& chooser,
                                        QWidget* parent = nullptr);

// Import ("导入..."): asks for a file (title "打开") and, when it holds a table of this
// kind, puts its counts into the boxes, resets the grid and fills its cells. A cancelled
// chooser, a file of another kind and a refused file leave everything as it was; the
// message of a refused or unreadable file.
std::optional<Message> ImportPointTable(PointTableData& data, FileChooser& chooser,
                                        QWidget* parent = nullptr);

// The value of a cell that passed the number filter, or nullopt when it does not fit a
// 32-bit float.
std::optional<float> CellValue(const std::string& cleaned);

// A count or width text: its leading number rounded half to even, or nullopt when that does
// not fit a 32-bit integer.
std::optional<int32_t> WholeNumber(const std::string& text);

}  // namespace curvanta
