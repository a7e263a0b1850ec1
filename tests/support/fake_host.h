// A main window stand-in for the dialogs' and commands' tests: records what the lower
// layers ask of it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/document_host.h"

using namespace curvanta;

struct FakeHost : curvanta::DocumentHost {
  struct Line {
    std::string text;
    bool checked = false;
  };
  std::vector<Line> lines;
  int current = -1;
  int rebuilds = 0;
  int refreshes = 0;
  int playbackEnabled = 0;
  int timerInterval = -1;
  std::vector<int> checkedLines;
  std::pair<std::string, std::string> optionFields{"10", "10"};

  int currentLine() const override { return current; }
  int lineCount() const override { return static_cast<int>(lines.size()); }
  bool isLineChecked(int line) const override { return lines.at(line).checked; }
  void appendLine(const std::string& text) override { lines.push_back({text, false}); }
  std::string lineText(int line) const override { return lines.at(line).text; }
  void setLineText(int line, const std::string& text) override { lines.at(line).text = text; }
  void checkLine(int line) override {
    lines.at(line).checked = true;
    checkedLines.push_back(line);
  }
  void rebuildAndDisplay() override { ++rebuilds; }
  void refresh() override { ++refreshes; }
  void enablePlayback() override { ++playbackEnabled; }
  std::pair<std::string, std::string> animOptionFields() override { return optionFields; }
  void setAnimOptionFields(const std::string& frames, const std::string& speed) override {
    optionFields = {frames, speed};
  }
  void setTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
};
