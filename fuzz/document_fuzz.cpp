// Fuzz target: opening a ".pgp" document from raw file bytes over an open document. A file
// that is not loaded must leave the open document exactly as it was: its graphs and axes
// (as the document writer would save them), kind, list lines, animation settings and view.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/gbk_codec.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "document/document_load.h"
#include "document/document_writer.h"
#include "scene/axes_settings.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

// The main window's list and option fields, as the loader sees them.
struct ListHost : DocumentHost {
  struct Line {
    std::string text;
    bool checked = false;
  };
  std::vector<Line> lines;
  std::pair<std::string, std::string> optionFields{"10", "10"};
  int timerInterval = 100;
  int playbackEnabled = 0;

  int currentLine() const override { return lines.empty() ? -1 : 0; }
  int lineCount() const override { return static_cast<int>(lines.size()); }
  bool isLineChecked(int line) const override { return lines.at(line).checked; }
  void appendLine(const std::string& text) override { lines.push_back({text, false}); }
  std::string lineText(int line) const override { return lines.at(line).text; }
  void setLineText(int line, const std::string& text) override { lines.at(line).text = text; }
  void checkLine(int line) override { lines.at(line).checked = true; }
  void rebuildAndDisplay() override {}
  void refresh() override {}
  void enablePlayback() override { ++playbackEnabled; }
  std::pair<std::string, std::string> animOptionFields() override { return optionFields; }
  void setAnimOptionFields(const std::string& frames, const std::string& speed) override {
    optionFields = {frames, speed};
  }
  void setTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
};

// The window around the list: clearing and showing work on the real scenes; every shown
// graph is sampled once, as the window does.
struct SceneWindow : DocumentWindow {
  explicit SceneWindow(ListHost& h) : host(h) {}
  ListHost& host;
  int frameShown = 0;
  void clearDocument() override {
    ViewScene.FunSurfs.Clear();
    DocScene.FunSurfs.Clear();
    host.lines.clear();
  }
  void endSpin() override {}
  void endPlayback() override {}
  void setUpKind(int32_t) override {}
  void startNew2D() override { GraphMode = 1; }
  void showAllLines() override {
    for (auto& line : host.lines) line.checked = true;
    for (int32_t i = 1; i <= DocScene.FunSurfs.Count(); ++i) DocScene.FunSurfs.Item(i)->GetPoints();
  }
  void displayFrame(int32_t frame) override { frameShown = frame; }
};

std::string ScratchPath(const char* what) {
  const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(dir) + "/curvanta-fuzz-" + std::to_string(getpid()) + "-" + what;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Everything a load could change, as one text.
std::string Snapshot(const ListHost& host, const SceneWindow& window) {
  std::ostringstream s;
  s << "mode " << GraphMode << "\n" << DocumentText(GraphMode, DocScene, DocAxes()) << "\n";
  s << "view " << ViewScene.FunSurfs.Count() << " " << ViewScene.RotRoll << " "
    << ViewScene.RotPitch << " " << ViewScene.RotYaw << "\n";
  s << "ids " << LastGraphID << " anim " << AnimFrameCount << " " << AnimSpeed << " "
    << AnimFrame << " " << window.frameShown << "\n";
  s << "options " << host.optionFields.first << " " << host.optionFields.second << " "
    << host.timerInterval << " " << host.playbackEnabled << "\n";
  for (const auto& line : host.lines) s << (line.checked ? "[x] " : "[ ] ") << line.text << "\n";
  return s.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RecordingMessageService messages;
  static const bool installed = (SetMessageService(&messages), true);
  (void)installed;
  static const std::string input = ScratchPath("in.pgp");
  static const std::string baseline = ScratchPath("baseline.pgp");
  static const bool baselineWritten = [] {
    // The open document: a 3D document with a point and a surface.
    std::ifstream in(CURVANTA_FUZZ_BASELINE_DOCUMENT, std::ios::binary);
    const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::optional<std::string> gbk = Utf8ToGbk(utf8);
    if (!gbk || gbk->size() > 0xFFFF) return false;
    std::string bytes{char(8), char(0), char(gbk->size() & 0xFF), char(gbk->size() >> 8)};
    bytes += *gbk;
    WriteFile(baseline, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return true;
  }();
  if (!baselineWritten) std::abort();

  // The baseline is opened again only after a file was loaded over it: a refused file is
  // checked below to have left it as it was.
  static ListHost host;
  static SceneWindow window(host);
  static bool baselineOpen = false;
  if (!baselineOpen) {
    host = ListHost();
    window.frameShown = 0;
    ResetGlobals();
    ResetSceneGlobals();
    if (LoadDocument(baseline, host, window) != LoadOutcome::Loaded) {
      std::fprintf(stderr, "the baseline document does not load\n");
      std::abort();
    }
    baselineOpen = true;
  }
  messages.clear();
  const std::string before = Snapshot(host, window);

  WriteFile(input, data, size);
  const LoadOutcome outcome = LoadDocument(input, host, window);
  if (outcome == LoadOutcome::Loaded) {
    baselineOpen = false;
  } else {
    const std::string after = Snapshot(host, window);
    if (after != before) {
      std::fprintf(stderr, "a refused document changed the open one:\n--- before\n%s--- after\n%s",
                   before.c_str(), after.c_str());
      std::abort();
    }
  }
  messages.clear();
  return 0;
}
