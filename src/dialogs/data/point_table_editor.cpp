// The keyboard rules of the point grid and its editor box.
#include "dialogs/data/point_table_editor.h"

namespace curvanta {

namespace {

bool IsArrow(int keyCode) {
  return keyCode == GridKey::Left || keyCode == GridKey::Up || keyCode == GridKey::Right ||
         keyCode == GridKey::Down;
}

PointTableGrid::Step StepOf(int keyCode) {
  switch (keyCode) {
    case GridKey::Left:
      return PointTableGrid::Step::Left;
    case GridKey::Up:
      return PointTableGrid::Step::Up;
    case GridKey::Right:
      return PointTableGrid::Step::Right;
    default:
      return PointTableGrid::Step::Down;
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Byte offset of character `index` in UTF-8 text (the end when beyond).
size_t ByteOffset(const std::string& text, size_t index) {
  size_t i = 0;
  for (size_t seen = 0; i < text.size() && seen < index; ++seen) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

bool IsControlCharacter(char32_t c) { return c < 32 || c == 127; }

size_t CharacterCount(const std::string& text) {
  size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

void PointTableEditor::gridKeyDown(int keyCode, int modifiers) {
  shiftHeld = modifiers == GridKey::ShiftBit;
  box.visible = false;
  if (IsArrow(keyCode)) grid.step(StepOf(keyCode));
}

void PointTableEditor::gridKeyPress(char32_t ch) {
  if (!grid.hasCurrentDataCell()) return;
  // Escape, Backspace, Ctrl+letters and Delete carry no text for a cell.
  if (IsControlCharacter(ch) && ch != kTabChar && ch != kEnterChar) return;
  if (ch == kTabChar) {
    moveColumnByTab();
    return;
  }
  if (ch == kEnterChar) {
    box.text = grid.text(grid.currentRow(), grid.currentColumn());
    box.caret = CharacterCount(box.text);
  } else {
    box.text.clear();
    AppendUtf8(box.text, ch);
    box.caret = 1;
  }
  boxShow();
}

bool PointTableEditor::boxKeyDown(int keyCode, int modifiers) {
  shiftHeld = modifiers == GridKey::ShiftBit;
  if (!IsArrow(keyCode)) return false;
  commitBox();
  grid.step(StepOf(keyCode));
  return true;
}

bool PointTableEditor::boxKeyPress(char32_t ch) {
  if (ch == kEnterChar || ch == kTabChar) {
    commitBox();
    if (ch == kTabChar) moveColumnByTab();
    return true;
  }
  // Typed into the box as usual: a character at the caret, Backspace removes the one before.
  const size_t at = ByteOffset(box.text, box.caret);
  if (ch == 8) {
    if (box.caret > 0) {
      const size_t from = ByteOffset(box.text, box.caret - 1);
      box.text.erase(from, at - from);
      --box.caret;
    }
  } else if (!IsControlCharacter(ch)) {
    std::string typed;
    AppendUtf8(typed, ch);
    box.text.insert(at, typed);
    ++box.caret;
  }
  return false;
}

void PointTableEditor::boxKeyUp() {
  if (box.visible) grid.setText(box.row, box.column, box.text);
}

void PointTableEditor::commitBox() {
  if (!box.visible) return;
  grid.setText(box.row, box.column, box.text);
  box.visible = false;
  focusToGrid = true;
}

void PointTableEditor::boxShow() {
  box.visible = false;
  if (!grid.hasCurrentDataCell()) return;
  box.row = grid.currentRow();
  box.column = grid.currentColumn();
  box.visible = true;
}

void PointTableEditor::moveColumnByTab() {
  if (!grid.hasCurrentDataCell()) return;
  const int32_t column = grid.currentColumn();
  if (!shiftHeld && column < grid.columnCount() - 1) grid.setCurrent(grid.currentRow(), column + 1);
  if (shiftHeld && column > 1) grid.setCurrent(grid.currentRow(), column - 1);
}

}  // namespace curvanta
