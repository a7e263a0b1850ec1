// Reading a document file and putting it in place of the open document.
#include "document/document_load.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "graph/list_lines.h"
#include "scene/scene_globals.h"

namespace curvanta {

namespace {

// The container holds at most 4 + 65535 bytes; whatever follows is never read.
constexpr size_t kMaxContainerBytes = 4 + 0xFFFF;

int32_t GraphModeOfDigit(int digit) {
  switch (digit) {
    case 1: case 4: return 1;
    case 3: case 5: return 2;
    case 2: case 6: return 3;
    default: return 0;  // 7: the kind in force stays
  }
}

// The next graph ID; an ID still held by either scene is passed over.
int32_t NextGraphId() {
  do {
    ++LastGraphID;
  } while (DocScene.FunSurfs.Contains(std::to_string(LastGraphID)) ||
           ViewScene.FunSurfs.Contains(std::to_string(LastGraphID)));
  return LastGraphID;
}

std::optional<std::string> ReadContainer(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(kMaxContainerBytes, '\0');
  in.read(bytes.data(), std::streamsize(bytes.size()));
  if (in.bad()) return std::nullopt;
  bytes.resize(size_t(in.gcount()));
  return bytes;
}

}  // namespace

void ApplyDocument(const ParsedDocument& doc, DocumentHost& host, DocumentWindow& window) {
  MessageOperation operation;  // one load: each distinct message once
  window.endSpin();  // every document that opens, also one that keeps the kind in force
  window.endPlayback();  // the animation played ends with its document
  window.clearDocument();
  LastGraphID = 0;

  const int32_t mode = GraphModeOfDigit(doc.kindDigit);
  if (mode != 0) {
    GraphMode = mode;
    ViewScene.RotRoll = 0;
    ViewScene.RotPitch = mode == 1 ? 0.0f : -15.0f;
    ViewScene.RotYaw = mode == 1 ? 0.0f : 45.0f;
    window.setUpKind(mode);
  } else if (GraphMode < 1 || GraphMode > 3) {
    window.startNew2D();
  }

  // The animation settings of the last animated record hold for every animated graph, so
  // they are in force before anything is sampled. At least two frames: the edit dialogs
  // refuse an animation of one.
  if (doc.animation) {
    AnimFrameCount = std::clamp(doc.animation->frames, 2, 1000);
    AnimSpeed = std::clamp(doc.animation->speed, 1, 1000);
    host.setTimerInterval(std::max(1, int(RoundHalfEven(1000.0 / AnimSpeed))));
  }
  if (doc.generation >= 1 && doc.anyGraphRecord)
    host.setAnimOptionFields(std::to_string(AnimFrameCount), std::to_string(AnimSpeed));

  for (const std::shared_ptr<GraphItem>& item : doc.graphs) {
    item->ID = NextGraphId();
    DocScene.FunSurfs.Add(item, std::to_string(item->ID));
    host.appendLine(LoaderLineTextOrFallback(ListLineFieldsOf(*item), GraphMode));
  }

  if (doc.axesRead) {
    AxesSettings& axes = DocAxes();
    if (doc.axes.Show)
      axes = doc.axes;
    else
      axes.Show = false;
  }

  window.showAllLines();

  if (ViewScene.Animation()) {
    host.enablePlayback();
    AnimFrame = 1;
    window.displayFrame(1);
  }
}

LoadOutcome LoadDocument(const std::string& path, DocumentHost& host, DocumentWindow& window) {
  if (path.empty()) return LoadOutcome::Unchanged;
  std::optional<std::string> bytes = ReadContainer(path);
  if (!bytes) {
    ShowMessage("无法打开文件：\n" + path, "出错", MsgIcon::Error);
    return LoadOutcome::Failed;
  }
  ParseResult parsed = ParseDocumentBytes(*bytes);
  if (parsed.status == ParseStatus::Empty) return LoadOutcome::Unchanged;
  if (parsed.status == ParseStatus::FormatError) {
    ShowMessage("文件格式错误，无法打开文档", "出错", MsgIcon::Error);
    return LoadOutcome::Failed;
  }
  ApplyDocument(parsed.document, host, window);
  return LoadOutcome::Loaded;
}

}  // namespace curvanta
