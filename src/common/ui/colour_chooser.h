// The colour chooser behind every colour swatch: a QColorDialog in the program, a scripted
// chooser in tests. Colours are the program's 0x00BBGGRR integers.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

class QColor;
class QWidget;

namespace curvanta {

class ColourChooser {
 public:
  virtual ~ColourChooser() = default;
  // Opens the chooser on `initial`; the chosen colour, or nullopt when cancelled.
  virtual std::optional<int32_t> choose(int32_t initial, QWidget* parent) = 0;
};

// The chooser in force (a QColorDialog until another is installed).
ColourChooser& CurrentColourChooser();
// Installs `chooser` (nullptr: back to the QColorDialog) and returns the one it replaces.
ColourChooser* SetColourChooser(ColourChooser* chooser);

// Test chooser: answers from a script (nullopt = cancelled) and records the initial colours.
class ScriptedColourChooser : public ColourChooser {
 public:
  std::optional<int32_t> choose(int32_t initial, QWidget*) override {
    initials.push_back(initial);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<int32_t>> answers;
  std::deque<int32_t> initials;
};

// Installs a chooser for the life of the guard.
class ScopedColourChooser {
 public:
  explicit ScopedColourChooser(ColourChooser* chooser) : previous_(SetColourChooser(chooser)) {}
  ~ScopedColourChooser() { SetColourChooser(previous_); }
  ScopedColourChooser(const ScopedColourChooser&) = delete;
  ScopedColourChooser& operator=(const ScopedColourChooser&) = delete;

 private:
  ColourChooser* previous_;
};

// 0x00BBGGRR <-> QColor (QColor::rgb() is 0xAARRGGBB).
QColor ToQColor(int32_t colour);
int32_t FromQColor(const QColor& colour);

}  // namespace curvanta
