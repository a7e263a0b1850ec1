// The records of a document text: the graph record of function, point and special graphs,
// the table record, the coordinate-system record and the records part of a scene, each
// written as blank-separated tokens and read back from a token list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/record_walk.h"
#include "graph/graph_item.h"
#include "scene/axes_settings.h"
#include "scene/scene.h"

namespace curvanta {

// Kinds written as graph records (0..3, 7..15, 20..23) and as table records (4, 5, 6).
bool IsGraphRecordKind(int32_t graphType);
bool IsTableRecordKind(int32_t graphType);

// The item's graph record of the current generation; an animated item carries the
// program-wide AnimFrameCount and AnimSpeed. No blank at either end.
std::string Save(const GraphItem& item);
// The table record: every point of rows 0..StepU and columns 0..StepV (missing points are
// created at the origin).
std::string SaveTable(GraphItem& item);
// The coordinate-system record: "0" when hidden, else "1" and 27 more tokens.
std::string Save(const AxesSettings& axes);
// The records part: every graph's record followed by one blank, in collection order; items
// of other kinds add nothing.
std::string Save(const Scene& scene);
// How many records Save(scene) writes.
int32_t RecordCount(const Scene& scene);

// Readers: set the item or settings from the record at `at` and return the position after
// it. A DocumentFormatError for a record the program cannot take.
size_t ReadGraphRecord(const std::vector<std::string>& tokens, size_t at, GraphItem& item,
                       int generation, RecordAnimation& animation);
size_t ReadTableRecord(const std::vector<std::string>& tokens, size_t at, GraphItem& item,
                       int generation);
// Show first; only a shown coordinate system reads the other 27 fields.
size_t ReadAxesRecord(const std::vector<std::string>& tokens, size_t at, AxesSettings& axes);

}  // namespace curvanta
