// The layer order of the sources: every file of src/ includes headers of its own library
// and of the libraries it stands on, never of one above it or beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Each library, named by its folder under src/ ("x/ui" is the Qt side of "x"), with the
// libraries it stands on directly: the DEPS and UI_DEPS that CMakeLists.txt gives it.
// The program itself (src/main.cpp) stands on every library.
const std::map<std::string, std::vector<std::string>>& StandsOn() {
  static const std::map<std::string, std::vector<std::string>> map = {
      {"common", {}},
      {"common/ui", {"common"}},
      {"expr", {"common"}},
      {"expr/ui", {"expr", "common/ui"}},
      {"graph", {"expr"}},
      {"scene", {"graph", "common", "common/ui"}},
      {"scene/ui", {"scene"}},
      {"draw", {"scene", "scene/ui"}},
      {"draw/ui", {"draw"}},
      {"dialogs/function", {"draw", "draw/ui", "expr", "expr/ui"}},
      {"dialogs/data", {"dialogs/function", "draw", "draw/ui", "expr", "expr/ui"}},
      {"platform", {"common", "common/ui"}},
      {"commands", {"dialogs/function", "dialogs/data"}},
      {"document", {"draw", "draw/ui"}},
      {"app", {"commands", "document", "platform"}},
  };
  return map;
}

constexpr const char* kProgram = "";  // the folder of main.cpp

// The library itself and everything below it.
std::set<std::string> Reachable(const std::string& library) {
  std::set<std::string> seen;
  if (library == kProgram) {
    for (const auto& [name, deps] : StandsOn()) seen.insert(name);
    seen.insert(kProgram);
    return seen;
  }
  std::vector<std::string> todo{library};
  while (!todo.empty()) {
    const std::string next = todo.back();
    todo.pop_back();
    if (!seen.insert(next).second) continue;
    for (const std::string& dep : StandsOn().at(next)) todo.push_back(dep);
  }
  return seen;
}

// The header named by an `#include "..."` line, or the empty text.
std::string QuotedInclude(const std::string& line) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos || line[i] != '#') return "";
  i = line.find_first_not_of(" \t", i + 1);
  if (i == std::string::npos || line.compare(i, 7, "include") != 0) return "";
  i = line.find_first_not_of(" \t", i + 7);
  if (i == std::string::npos || line[i] != '"') return "";
  const size_t end = line.find('"', i + 1);
  return end == std::string::npos ? "" : line.substr(i + 1, end - i - 1);
}

bool IsSource(const fs::path& p) {
  return p.extension() == ".h" || p.extension() == ".cpp";
}

TEST(LayerOrder, NoFileOfSrcIncludesAHeaderFromALayerAboveIt) {
  const fs::path src = fs::path(CURVANTA_SOURCE_DIR) / "src";
  ASSERT_TRUE(fs::is_directory(src)) << src;
  std::map<std::string, int> filesPerLibrary;
  std::vector<std::string> faults;

  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file() || !IsSource(entry.path())) continue;
    const fs::path relative = entry.path().lexically_relative(src);
    const std::string file = relative.generic_string();
    const std::string library = relative.parent_path().generic_string();
    if (library != kProgram && !StandsOn().count(library)) {
      faults.push_back(file + ": its folder is no library of the layer order");
      continue;
    }
    ++filesPerLibrary[library];
    const std::set<std::string> allowed = Reachable(library);
    std::ifstream in(entry.path());
    std::string line;
    while (std::getline(in, line)) {
      const std::string named = QuotedInclude(line);
      if (named.empty()) continue;
      const fs::path header = named;
      const std::string headerLibrary = header.parent_path().generic_string();
      if (!fs::is_regular_file(src / header)) {
        faults.push_back(file + " includes " + header.generic_string() + ", which is not in src/");
      } else if (!StandsOn().count(headerLibrary)) {
        faults.push_back(file + " includes " + header.generic_string() + " from outside every library");
      } else if (!allowed.count(headerLibrary)) {
        faults.push_back(file + " includes " + header.generic_string() + ": " + headerLibrary +
                         " is not below " + (library.empty() ? "the program" : library));
      }
    }
  }

  // Every library of the order has sources, so the scan saw the whole tree.
  for (const auto& [name, deps] : StandsOn())
    EXPECT_GT(filesPerLibrary[name], 0) << name << " holds no source file";
  EXPECT_EQ(filesPerLibrary[kProgram], 1);

  std::string report;
  for (const std::string& fault : faults) report += fault + "\n";
  EXPECT_TRUE(faults.empty()) << report;
}

}  // namespace
