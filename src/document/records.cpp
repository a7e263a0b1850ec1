// Writing and reading the records through the one field walk of record_walk.h.
#include "document/records.h"

#include <algorithm>

#include "common/globals.h"
#include "common/number_text.h"
#include "document/document_tokens.h"
#include "expr/input_filters.h"

namespace curvanta {

namespace {

// Appends every field as a token followed by one blank (the last blank is cut off).
class RecordWriter {
 public:
  void Long(int32_t v) { Put(std::to_string(v)); }
  void StrictLong(int32_t v) { Long(v); }
  void Single(float v) { Put(FormatSingle(v)); }
  void CleanSingle(float v) { Put(CleanExpressionText(FormatSingle(v))); }
  void PointSize(float v) { Single(v); }
  void Boolean(bool v) { Put(v ? "1" : "0"); }
  void Text(const std::string& v) { Put(v); }
  void Name(const std::string& v) { Put(BlanksToIdeographic(v)); }
  int32_t Count(int32_t count, int32_t low, int32_t high) {
    const int32_t n = std::clamp(count, low, high);
    Long(n);
    return n;
  }
  template <class Item, class Get, class Set>
  void Position(const Item& item, int32_t j, Get get, Set) {
    Single((item.*get)(j));
  }
  std::string Result() {
    if (!out_.empty()) out_.pop_back();
    return std::move(out_);
  }

 private:
  void Put(const std::string& token) {
    out_ += token;
    out_ += ' ';
  }
  std::string out_;
};

// Sets every field from the next token.
class RecordReader {
 public:
  RecordReader(const std::vector<std::string>& tokens, size_t at) : in_(tokens, at) {}
  void Long(int32_t& v) { v = in_.Long(); }
  void StrictLong(int32_t& v) { v = in_.StrictLong(); }
  void Single(float& v) { v = in_.Single(); }
  void CleanSingle(float& v) { v = in_.Single(); }
  // Only the tokens "1" to "9" set a point size; any other keeps what the item holds.
  void PointSize(float& v) {
    const std::string& t = in_.Take();
    if (t.size() == 1 && t[0] >= '1' && t[0] <= '9') v = float(t[0] - '0');
  }
  void Boolean(bool& v) { v = in_.Boolean(); }
  void Text(std::string& v) { v = in_.Text(); }
  void Name(std::string& v) { v = IdeographicToBlanks(in_.Text()); }
  int32_t Count(int32_t& count, int32_t low, int32_t high) {
    const int32_t n = in_.Long();
    if (n < low || n > high) throw DocumentFormatError("count out of range");
    count = n;
    return n;
  }
  template <class Item, class Get, class Set>
  void Position(Item& item, int32_t j, Get, Set set) {
    (item.*set)(j, in_.Single());
  }
  size_t position() const { return in_.position(); }
  TokenReader& tokens() { return in_; }

 private:
  TokenReader in_;
};

}  // namespace

bool IsGraphRecordKind(int32_t t) { return (t >= 0 && t <= 3) || (t >= 7 && t <= 15) || (t >= 20 && t <= 23); }
bool IsTableRecordKind(int32_t t) { return t >= 4 && t <= 6; }

std::string Save(const GraphItem& item) {
  RecordWriter w;
  RecordAnimation animation{AnimFrameCount, AnimSpeed};
  WalkGraphRecord(w, item, kCurrentGeneration, animation);
  return w.Result();
}

std::string SaveTable(GraphItem& item) {
  RecordWriter w;
  WalkTableRecord(w, item, kCurrentGeneration);
  return w.Result();
}

std::string Save(const AxesSettings& axes) {
  if (!axes.Show) return "0";
  RecordWriter w;
  w.Boolean(true);
  WalkAxesFields(w, axes);
  return w.Result();
}

std::string Save(const Scene& scene) {
  std::string out;
  for (const auto& [key, item] : scene.FunSurfs) {
    if (IsGraphRecordKind(item->GraphType))
      out += Save(*item) + ' ';
    else if (IsTableRecordKind(item->GraphType))
      out += SaveTable(*item) + ' ';
  }
  return out;
}

int32_t RecordCount(const Scene& scene) {
  return static_cast<int32_t>(std::count_if(scene.FunSurfs.begin(), scene.FunSurfs.end(), [](const auto& e) {
    return IsGraphRecordKind(e.second->GraphType) || IsTableRecordKind(e.second->GraphType);
  }));
}

size_t ReadGraphRecord(const std::vector<std::string>& tokens, size_t at, GraphItem& item,
                       int generation, RecordAnimation& animation) {
  RecordReader r(tokens, at);
  WalkGraphRecord(r, item, generation, animation);
  return r.position();
}

size_t ReadTableRecord(const std::vector<std::string>& tokens, size_t at, GraphItem& item,
                       int generation) {
  RecordReader r(tokens, at);
  WalkTableRecord(r, item, generation);
  if (generation < 4) item.Show2DLine = true;
  return r.position();
}

size_t ReadAxesRecord(const std::vector<std::string>& tokens, size_t at, AxesSettings& axes) {
  RecordReader r(tokens, at);
  r.Boolean(axes.Show);
  if (axes.Show) WalkAxesFields(r, axes);
  return r.position();
}

}  // namespace curvanta
