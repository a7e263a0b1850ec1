// The largest document the format holds, for the document benchmarks: three 3D tables whose
// coordinates take seven digits, filling the container's 65535 bytes of text; and a
// loader host with nothing behind it.
#pragma once

#include <string>
#include <utility>

#include "common/document_host.h"
#include "common/globals.h"
#include "document/document_load.h"
#include "document/document_writer.h"
#include "graph/graph_item.h"
#include "scene/axes_settings.h"
#include "scene/scene_globals.h"

namespace curvanta {

// The loader's window and host with nothing behind them.
struct QuietHost : DocumentHost, DocumentWindow {
  int currentLine() const override { return -1; }
  int lineCount() const override { return lines; }
  bool isLineChecked(int) const override { return true; }
  void appendLine(const std::string&) override { ++lines; }
  void setLineText(int, const std::string&) override {}
  void checkLine(int) override {}
  void rebuildAndDisplay() override {}
  void refresh() override {}
  void enablePlayback() override {}
  std::pair<std::string, std::string> animOptionFields() override { return {}; }
  void setAnimOptionFields(const std::string&, const std::string&) override {}
  void setTimerInterval(int) override {}
  void clearDocument() override {
    DocScene.FunSurfs.Clear();
    ViewScene.FunSurfs.Clear();
    lines = 0;
  }
  void endSpin() override {}
  void endPlayback() override {}
  void setUpKind(int32_t) override {}
  void startNew2D() override {}
  void showAllLines() override {
    for (const auto& [key, item] : DocScene.FunSurfs) {
      ViewScene.FunSurfs.Add(item, key);
      item->GetPoints();
    }
  }
  void displayFrame(int32_t) override {}
  int lines = 0;
};

// Fills DocScene with the largest document and returns its file bytes.
inline std::string LargestDocumentBytes() {
  ResetGlobals();
  ResetSceneGlobals();
  GraphMode = 3;
  DocAxes().SetDefault();
  int id = 0;
  auto addTable = [&](int rows, int columns) {
    auto t = std::make_shared<GraphItem>();
    t->GraphType = GraphKind::Table3D;
    t->ID = ++id;
    t->NameS = "table" + std::to_string(id);
    t->StepU = rows;
    t->StepV = columns;
    for (int i = 0; i <= rows; ++i)
      for (int j = 0; j <= columns; ++j) {
        Point& p = *t->VertTab3D(i, j);
        p.x = 0.1234567f * float(i + 1);
        p.y = 0.7654321f * float(j + 1) / float(i + 2);
        p.z = -1.234567f * float(i - j);
      }
    DocScene.FunSurfs.Add(t);
  };
  addTable(20, 20);
  addTable(20, 20);
  for (int columns = 0; columns <= kTableUpper; ++columns) {
    addTable(20, columns);
    const std::string text = DocumentText(GraphMode, DocScene, DocAxes());
    if (text.size() > 0xFFFF) {
      DocScene.FunSurfs.Remove(DocScene.FunSurfs.Count());
      --id;
      addTable(20, columns - 1);
      break;
    }
    DocScene.FunSurfs.Remove(DocScene.FunSurfs.Count());
    --id;
  }
  auto encoded = EncodeDocument(DocumentText(GraphMode, DocScene, DocAxes()));
  return std::get<std::string>(encoded);
}

}  // namespace curvanta
