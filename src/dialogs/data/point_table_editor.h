// Typing into a table dialog's point grid: the editor box that opens over the current cell,
// and the keys of the grid and of the box (arrows, Tab, Shift+Tab, Enter). The cell follows
// the box at every key release, and the box writes only into the cell it was opened on.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/data/point_table_grid.h"

namespace curvanta {

// The editor box: shown or not, its text (UTF-8), its caret (in characters) and the cell
// it writes into.
struct EditorBox {
  bool visible = false;
  std::string text;
  size_t caret = 0;
  int32_t row = 0;
  int32_t column = 0;
};

// Key codes of key-down events and their modifier bits.
namespace GridKey {
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Other = 0;
inline constexpr int ShiftBit = 1;
inline constexpr int CtrlBit = 2;
inline constexpr int AltBit = 4;
}  // namespace GridKey

// Character codes of key-press events that the rules single out.
inline constexpr char32_t kTabChar = 9;
inline constexpr char32_t kEnterChar = 13;

class PointTableEditor {
 public:
  explicit PointTableEditor(PointTableGrid grid = PointTableGrid()) : grid(std::move(grid)) {}

  PointTableGrid grid;
  EditorBox box;
  // Whether the latest key-down in the grid or the box had Shift alone held.
  bool shiftHeld = false;
  // Set when a rule hands the focus back to the grid; the widget clears it.
  bool focusToGrid = false;

  // The grid's keys: every key-down hides the box, arrows move the current cell; a
  // key-press of Tab moves the column, Enter opens the box with the cell's text, any other
  // printable character opens it holding that one character; other control characters
  // (codes below 32, and 127) do nothing.
  void gridKeyDown(int keyCode, int modifiers);
  void gridKeyPress(char32_t ch);

  // The box's keys. An arrow commits the text to the box's cell, closes the box and moves
  // the grid's current cell (true: handled here). Enter commits and closes; Tab does the
  // same and then moves the column (true: swallowed). Other characters are typed into the
  // box, Backspace deletes and other control characters type nothing (false: the box's own
  // editing goes on).
  bool boxKeyDown(int keyCode, int modifiers);
  bool boxKeyPress(char32_t ch);
  // Every key release in the box: its cell takes the box's text.
  void boxKeyUp();

  // The current cell changed by the mouse, the grid scrolled or the box lost the focus:
  // the box's cell takes its text and the box closes.
  void commitBox();
  // Opens the box over the current cell (the caller has set its text and caret).
  void boxShow();

 private:
  void moveColumnByTab();
};

}  // namespace curvanta
