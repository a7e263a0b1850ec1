// Writing and reading point table files.
#include "dialogs/data/point_table_file.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "common/atomic_file.h"
#include "common/number_text.h"

namespace curvanta {

namespace {

const char* const kCrLf = "\r\n";

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The cell text as one token: without blanks, Tabs and line breaks.
std::string AsToken(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!IsSeparator(c)) out.push_back(c);
  return out;
}

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view bytes) {
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t extra = 0;
    uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= n) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const unsigned char d = static_cast<unsigned char>(bytes[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    i += extra + 1;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

// The tokens of a text, at most `limit` of them. Every blank, Tab or line end (CR LF, CR or
// LF) ends one token, and the last line ends as if it had a line end.
class Tokens {
 public:
  Tokens(std::string_view text, size_t limit) {
    size_t pos = 0;
    const size_t n = text.size();
    while (pos < n && tokens_.size() < limit) {
      const size_t start = pos;
      while (pos < n && !IsSeparator(text[pos])) ++pos;
      tokens_.push_back(text.substr(start, pos - start));
      if (pos == n) break;  // the missing line end ends this token
      const char sep = text[pos];
      pos += (sep == '\r' && pos + 1 < n && text[pos + 1] == '\n') ? 2 : 1;
      // A text ending in a blank or Tab still has its last line's end to come.
      if (pos == n && (sep == ' ' || sep == '\t') && tokens_.size() < limit) tokens_.push_back({});
    }
  }
  // Token `i`, or "" past the last one.
  std::string_view operator[](size_t i) const { return i < tokens_.size() ? tokens_[i] : std::string_view(); }

 private:
  std::vector<std::string_view> tokens_;
};

// A count token: its leading number rounded half to even, or -1 when outside 0..201.
int32_t CountOf(std::string_view token) {
  const double v = RoundHalfEven(LeadingNumber(token));
  if (!(v >= 0.0 && v <= kTableCountLimit)) return -1;
  return static_cast<int32_t>(v);
}

Message Error(std::string text) { return Message{std::move(text), "出错", MsgIcon::Error, MsgButtons::Ok}; }

}  // namespace

const char* PointTableHeader(PointTableKind kind) {
  switch (kind) {
    case PointTableKind::Table2D:
      return "D2";
    case PointTableKind::Table25D:
      return "D25";
    case PointTableKind::Table3D:
      return "D3";
  }
  return "";
}

int32_t ValuesPerPoint(PointTableKind kind) { return kind == PointTableKind::Table3D ? 3 : 2; }

std::string PointTableText(PointTableKind kind, const PointTableGrid& grid, TableSize size) {
  const bool solid = kind == PointTableKind::Table3D;
  const int32_t columns = std::clamp(size.columns, 0, kTableCountLimit);
  const int32_t rows = solid ? std::clamp(size.rows, 0, kTableCountLimit) : 1;
  const char* sep = solid ? "\t" : " ";
  std::string out = PointTableHeader(kind);
  if (solid) out += sep + std::to_string(rows);
  out += sep + std::to_string(columns) + kCrLf;
  const int32_t points = rows * columns;
  const int32_t values = ValuesPerPoint(kind);
  for (int32_t p = 0; p < points; ++p) {
    for (int32_t v = 1; v <= values; ++v) {
      if (v > 1) out += sep;
      out += AsToken(grid.text(p + 1, v));
    }
    out += kCrLf;
  }
  out += kCrLf;
  return out;
}

PointTableImport ReadPointTableText(PointTableKind kind, std::string_view bytes) {
  PointTableImport result;
  if (bytes.size() > kPointTableFileLimit) {
    result.outcome = PointTableImport::Outcome::Refused;
    result.refusal = Error("文件太大，无法导入");
    return result;
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::string converted;
  if (!IsUtf8(bytes)) {
    converted = Latin1ToUtf8(bytes);
    bytes = converted;
  }
  const bool solid = kind == PointTableKind::Table3D;
  const size_t firstValue = solid ? 3 : 2;
  const Tokens head(bytes, firstValue);
  if (head[0] != PointTableHeader(kind)) return result;

  TableSize size;
  if (solid) {
    size.rows = CountOf(head[1]);
    size.columns = CountOf(head[2]);
  } else {
    size.rows = 1;
    size.columns = CountOf(head[1]);
  }
  if (size.rows < 0 || size.columns < 0) {
    result.outcome = PointTableImport::Outcome::Refused;
    result.refusal = Error("文件中的点数超出范围");
    return result;
  }
  const size_t points = size_t(size.rows) * size_t(size.columns);
  const size_t values = size_t(ValuesPerPoint(kind));
  const Tokens tokens(bytes, firstValue + points * values);
  result.outcome = PointTableImport::Outcome::Loaded;
  result.size = size;
  result.values.resize(points);
  for (size_t p = 0; p < points; ++p)
    for (size_t v = 0; v < values; ++v)
      result.values[p].emplace_back(tokens[firstValue + p * values + v]);
  return result;
}

PointTableFileBytes ReadPointTableFile(const std::string& path) {
  PointTableFileBytes result;
  const Message unreadable = Error("无法打开文件：\n" + path);
  std::error_code error;
  const std::filesystem::path file(path);
  if (path.empty() || !std::filesystem::is_regular_file(file, error)) {
    result.refusal = unreadable;
    return result;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.refusal = unreadable;
    return result;
  }
  // Read at most one byte past the limit, whatever size the file reports.
  const uintmax_t reported = std::filesystem::file_size(file, error);
  if (!error && reported > kPointTableFileLimit) {
    result.refusal = Error("文件太大，无法导入");
    return result;
  }
  const uintmax_t expected = error ? kPointTableFileLimit : std::min<uintmax_t>(reported, kPointTableFileLimit);
  result.bytes.resize(size_t(expected) + 1);
  in.read(result.bytes.data(), std::streamsize(result.bytes.size()));
  if (in.bad()) {
    result.bytes.clear();
    result.refusal = unreadable;
    return result;
  }
  result.bytes.resize(size_t(in.gcount()));
  if (result.bytes.size() > kPointTableFileLimit) {
    result.bytes.clear();
    result.refusal = Error("文件太大，无法导入");
  }
  return result;
}

std::optional<Message> WritePointTableFile(const std::string& path, const std::string& text) {
  const WriteOutcome outcome = ReplaceOrWriteInPlace(path, text);
  if (outcome) return std::nullopt;
  return Error(WriteFailureText(path, outcome));
}

}  // namespace curvanta
