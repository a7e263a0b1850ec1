// Opening a document: the file is read and parsed into a separate document first; only a
// document that parsed completely replaces the open one (graphs, list lines, kind, axes
// and animation settings). A bad file shows its message and changes nothing.
#pragma once

#include <cstdint>
#include <string>

#include "common/document_host.h"
#include "document/document_parse.h"

namespace curvanta {

// What the loader needs of the main window beyond the document host.
class DocumentWindow {
 public:
  virtual ~DocumentWindow() = default;
  // Removes every graph from both scenes and the list.
  virtual void clearDocument() = 0;
  // Ends a spin of the view; the next turning drag may start one again.
  virtual void endSpin() = 0;
  // Stops a playing animation as 暂停 does: the frame and the play mode stay.
  virtual void endPlayback() = 0;
  // The view and commands of a document kind: the trackball rotation off and the kind's
  // command set (GraphMode and the model rotation are already set).
  virtual void setUpKind(int32_t graphMode) = 0;
  // File > New 2D on the (already empty) document: a document that keeps "the kind in
  // force" when there is none yet.
  virtual void startNew2D() = 0;
  // Checks every list line; the shown scene takes every graph in list order, each
  // sampled once, then one rebuild and redraw.
  virtual void showAllLines() = 0;
  // Draws an animation frame.
  virtual void displayFrame(int32_t frame) = 0;
};

enum class LoadOutcome { Loaded, Unchanged, Failed };

// Puts a parsed document in place of the open one.
void ApplyDocument(const ParsedDocument& doc, DocumentHost& host, DocumentWindow& window);

// LoadDocument: reads and parses `path` and applies it. An empty path or a file with an
// empty text changes nothing, silently; an unreadable or malformed file shows
// "无法打开文件：" or "文件格式错误，无法打开文档" and changes nothing.
LoadOutcome LoadDocument(const std::string& path, DocumentHost& host, DocumentWindow& window);

}  // namespace curvanta
