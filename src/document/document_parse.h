// Reading a ".pgp" file's bytes into a separate document: the container, the GBK text, the
// header code and every record of generations 0 to 4. Nothing of the open document is
// touched here; see document_load.h for putting a parsed document in its place.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/record_walk.h"
#include "graph/graph_item.h"
#include "scene/axes_settings.h"

namespace curvanta {

struct ParsedDocument {
  int generation = kCurrentGeneration;  // 0 to 4
  int kindDigit = 4;                    // 1..7 of the header code
  // The graphs in record order, with the IDs their records hold.
  std::vector<std::shared_ptr<GraphItem>> graphs;
  // Frame count and speed of the last animated record, if any.
  std::optional<RecordAnimation> animation;
  // The coordinate-system record, when the document has one: Show always, the other
  // fields only when Show is True.
  bool axesRead = false;
  AxesSettings axes;
  // Whether any graph record (not a table) was read: these refresh the animation fields.
  bool anyGraphRecord = false;
};

enum class ParseStatus { Parsed, Empty, FormatError };

struct ParseResult {
  ParseStatus status = ParseStatus::FormatError;
  ParsedDocument document;
};

// Header code -> generation and kind digit; nullopt for a token that is no header code.
struct HeaderCode {
  int generation;
  int kindDigit;
};
std::optional<HeaderCode> ReadHeaderCode(const std::string& token);

// Parses the document text (already decoded).
ParseResult ParseDocumentText(std::string_view text);
// Parses the whole file: container, GBK, text. An empty text is Empty.
ParseResult ParseDocumentBytes(std::string_view bytes);

}  // namespace curvanta
