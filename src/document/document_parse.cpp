// The document parser: container, header dispatch and the record loop of every generation.
#include "document/document_parse.h"

#include "common/gbk_codec.h"
#include "document/document_tokens.h"
#include "document/records.h"

namespace curvanta {

namespace {

// Function kinds each generation accepts; tables are accepted from generation 3 on.
bool AcceptsGraphKind(int generation, int32_t kind) {
  if ((kind >= 0 && kind <= 3) || (kind >= 7 && kind <= 12)) return true;
  if (kind >= 13 && kind <= 15) return generation >= 2;
  if (kind >= 20 && kind <= 23) return generation >= 4;
  return false;
}

// The record kind a token names, compared as a whole decimal text ("00" or "+1" is none).
std::optional<int32_t> KindOfToken(const std::string& token) {
  for (int32_t kind = 0; kind <= 23; ++kind)
    if (token == std::to_string(kind)) return kind;
  return std::nullopt;
}

void ReadRecords(const std::vector<std::string>& tokens, ParsedDocument& doc) {
  const int gen = doc.generation;
  TokenReader header(tokens, 1);
  const int32_t count = header.Long();
  size_t cursor = 2;
  int32_t read = 0;
  for (int32_t k = 1; k <= count; ++k) {
    // Past the end of the text the kind token is empty: that pass, like one meeting an
    // unaccepted kind, reads nothing and ends the records. Generation 0 is then complete;
    // the later generations still need their coordinate-system record there.
    const std::optional<int32_t> kind =
        cursor < tokens.size() ? KindOfToken(tokens[cursor]) : std::nullopt;
    auto item = std::make_shared<GraphItem>();
    if (gen <= 3) item->Show2DCurve = true;  // every item, tables included
    if (kind && AcceptsGraphKind(gen, *kind)) {
      if (gen <= 2) item->FunForm = FormKind::Parametric;
      RecordAnimation animation;
      cursor = ReadGraphRecord(tokens, cursor, *item, gen, animation);
      if (item->Animation && gen >= 1) doc.animation = animation;
      doc.anyGraphRecord = true;
    } else if (kind && IsTableRecordKind(*kind) && gen >= 3) {
      cursor = ReadTableRecord(tokens, cursor, *item, gen);
    } else {
      break;  // an unaccepted kind ends the records
    }
    doc.graphs.push_back(std::move(item));
    ++read;
  }
  // Generations 1 and 2 read the coordinate system only after a record; 3 and 4 always.
  if (gen >= 3 || (gen >= 1 && read > 0)) {
    ReadAxesRecord(tokens, cursor, doc.axes);
    doc.axesRead = true;
  }
}

}  // namespace

std::optional<HeaderCode> ReadHeaderCode(const std::string& token) {
  for (int gen = 0; gen <= 4; ++gen) {
    const int lastDigit = gen >= 2 ? 7 : 6;
    for (int digit = 1; digit <= lastDigit; ++digit)
      if (token == "S" + std::to_string(10 * gen + digit)) return HeaderCode{gen, digit};
  }
  return std::nullopt;
}

ParseResult ParseDocumentText(std::string_view text) {
  ParseResult result;
  if (text.empty()) {
    result.status = ParseStatus::Empty;
    return result;
  }
  const std::vector<std::string> tokens = SplitTokens(text);
  const std::optional<HeaderCode> code = tokens.empty() ? std::nullopt : ReadHeaderCode(tokens[0]);
  if (!code) return result;
  result.document.generation = code->generation;
  result.document.kindDigit = code->kindDigit;
  try {
    ReadRecords(tokens, result.document);
  } catch (const DocumentFormatError&) {
    result.document = ParsedDocument();
    return result;
  }
  result.status = ParseStatus::Parsed;
  return result;
}

ParseResult ParseDocumentBytes(std::string_view bytes) {
  if (bytes.size() < 4) return {};
  const auto byte = [&](size_t i) { return unsigned(static_cast<unsigned char>(bytes[i])); };
  if (byte(0) != 8 || byte(1) != 0) return {};
  const size_t n = byte(2) | (byte(3) << 8);
  if (bytes.size() - 4 < n) return {};
  return ParseDocumentText(GbkToUtf8(bytes.substr(4, n)));
}

}  // namespace curvanta
