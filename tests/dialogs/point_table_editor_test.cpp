// The point grid: Reset's layout and the keyboard rules of the grid and its editor box.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/data/point_table_editor.h"

using namespace curvanta;

namespace {

PointTableGrid Filled2D(int32_t points) {
  PointTableGrid grid;
  grid.reset(1, points);
  for (int32_t row = 1; row <= points; ++row) {
    grid.setText(row, 1, "x" + std::to_string(row));
    grid.setText(row, 2, "y" + std::to_string(row));
  }
  return grid;
}

TEST(PointTableGridTest, ResetKeepsRowsAndRelabels) {
  PointTableGrid grid = Filled2D(5);
  grid.reset(1, 3);
  ASSERT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(grid.text(3, 1), "x3");
  EXPECT_EQ(grid.text(3, 0), "0,2");
  grid.reset(1, 8);
  ASSERT_EQ(grid.rowCount(), 9);
  EXPECT_EQ(grid.text(3, 2), "y3");
  for (int32_t row = 4; row <= 8; ++row) {
    EXPECT_EQ(grid.text(row, 0), "0," + std::to_string(row - 1));
    EXPECT_EQ(grid.text(row, 1), "");  // dropped rows come back empty
  }
  EXPECT_EQ(grid.currentRow(), 1);
  EXPECT_EQ(grid.currentColumn(), 1);

  // 3D 5 x 5 to 5 x 4: texts stay in their grid rows, labels move.
  PointTableGrid solid({"编号", "X", "Y", "Z"});
  solid.reset(5, 5);
  EXPECT_EQ(solid.text(25, 0), "4,4");
  EXPECT_EQ(solid.text(0, 3), "Z");
  solid.setText(6, 1, "under 1,0");
  solid.reset(5, 4);
  EXPECT_EQ(solid.rowCount(), 21);
  EXPECT_EQ(solid.text(6, 0), "1,1");
  EXPECT_EQ(solid.text(6, 1), "under 1,0");
  EXPECT_EQ(solid.text(20, 0), "4,3");

  // Counts are taken into 0..201; none leaves the header row with nothing current.
  solid.reset(-3, 1000);
  EXPECT_EQ(solid.rowCount(), 1);
  EXPECT_FALSE(solid.hasCurrentDataCell());
  grid.reset(1, 100000);
  EXPECT_EQ(grid.rowCount(), 202);
}

TEST(PointTableEditorTest, GridKeysOpenTheBox) {
  PointTableEditor e(Filled2D(3));
  // A digit opens the box holding it; the release writes it into the cell.
  e.gridKeyDown(GridKey::Other, 0);
  e.gridKeyPress(U'7');
  EXPECT_TRUE(e.box.visible);
  EXPECT_EQ(e.box.text, "7");
  EXPECT_EQ(e.box.caret, 1u);
  e.boxKeyUp();
  EXPECT_EQ(e.grid.text(1, 1), "7");
  // Enter on a cell opens it with the cell's text, caret at the end; Enter in the box closes it.
  e.gridKeyDown(GridKey::Down, 0);
  EXPECT_FALSE(e.box.visible);
  e.gridKeyPress(kEnterChar);
  EXPECT_EQ(e.box.text, "x2");
  EXPECT_EQ(e.box.caret, 2u);
  EXPECT_TRUE(e.boxKeyPress(kEnterChar));
  EXPECT_FALSE(e.box.visible);
  EXPECT_EQ(e.grid.currentRow(), 2);
  // Escape in the box neither closes it nor restores the text.
  e.gridKeyPress(U'4');
  EXPECT_FALSE(e.boxKeyPress(27));
  EXPECT_TRUE(e.box.visible);
  EXPECT_EQ(e.box.text, "4");
}

// Control characters (Backspace, Escape, Ctrl+letters, Delete) never reach a cell: on the
// grid they open no box, in the box Backspace deletes and the others type nothing.
TEST(PointTableEditorTest, ControlCharactersTypeNothing) {
  const char32_t codes[] = {1, 2, 8, 10, 26, 27, 31, 127};
  for (char32_t code : codes) {
    SCOPED_TRACE(static_cast<int>(code));
    PointTableEditor e(Filled2D(3));
    e.gridKeyDown(GridKey::Other, 0);
    e.gridKeyPress(code);
    EXPECT_FALSE(e.box.visible);
    e.boxKeyUp();
    EXPECT_EQ(e.grid.text(1, 1), "x1");

    e.gridKeyPress(U'5');
    e.boxKeyPress(U'6');
    EXPECT_FALSE(e.boxKeyPress(code));
    e.boxKeyUp();
    EXPECT_TRUE(e.box.visible);
    EXPECT_EQ(e.grid.text(1, 1), code == 8 ? "5" : "56");
    EXPECT_EQ(e.box.caret, code == 8 ? 1u : 2u);
  }
}

TEST(PointTableEditorTest, TabAndArrowsStayAmongTheDataCells) {
  struct Case {
    const char* what;
    bool inBox;
    int key;        // key-down code
    int modifiers;  // key-down modifiers
    char32_t ch;    // key-press character, 0 for none
    int32_t startColumn, startRow, column, row;
  };
  const Case cases[] = {
      {"Tab on the last column, grid", false, GridKey::Other, 0, kTabChar, 2, 2, 2, 2},
      {"Shift+Tab on column 1, grid", false, GridKey::Other, GridKey::ShiftBit, kTabChar, 1, 2, 1, 2},
      {"Tab on column 1, grid", false, GridKey::Other, 0, kTabChar, 1, 2, 2, 2},
      {"Tab on the last column, box", true, GridKey::Other, 0, kTabChar, 2, 2, 2, 2},
      {"Shift+Tab on column 1, box", true, GridKey::Other, GridKey::ShiftBit, kTabChar, 1, 2, 1, 2},
      {"Shift+Tab on column 2, box", true, GridKey::Other, GridKey::ShiftBit, kTabChar, 2, 2, 1, 2},
      {"Ctrl+Shift+Tab is no Shift+Tab", true, GridKey::Other, 3, kTabChar, 1, 2, 2, 2},
      {"Up on the first row, box", true, GridKey::Up, 0, 0, 1, 1, 1, 1},
      {"Down on the last row, box", true, GridKey::Down, 0, 0, 2, 3, 2, 3},
      {"Left on column 1, grid", false, GridKey::Left, 0, 0, 1, 2, 1, 2},
      {"Right in the box", true, GridKey::Right, 0, 0, 1, 2, 2, 2},
  };
  for (const Case& c : cases) {
    PointTableEditor e(Filled2D(3));
    ASSERT_TRUE(e.grid.setCurrent(c.startRow, c.startColumn));
    if (c.inBox) {
      e.gridKeyPress(U'5');
      e.boxKeyPress(U'6');
      e.boxKeyUp();
      if (c.key != GridKey::Other) {
        EXPECT_TRUE(e.boxKeyDown(c.key, c.modifiers)) << c.what;
      } else {
        EXPECT_FALSE(e.boxKeyDown(c.key, c.modifiers)) << c.what;
        EXPECT_TRUE(e.boxKeyPress(c.ch)) << c.what;
      }
      EXPECT_FALSE(e.box.visible) << c.what;
      EXPECT_EQ(e.grid.text(c.startRow, c.startColumn), "56") << c.what;  // committed
    } else {
      e.gridKeyDown(c.key, c.modifiers);
      if (c.ch) e.gridKeyPress(c.ch);
      EXPECT_FALSE(e.box.visible) << c.what;
    }
    EXPECT_EQ(e.grid.currentColumn(), c.column) << c.what;
    EXPECT_EQ(e.grid.currentRow(), c.row) << c.what;
  }
}

TEST(PointTableEditorTest, TheBoxWritesOnlyIntoItsOwnCell) {
  PointTableEditor e(Filled2D(3));
  e.gridKeyPress(U'1');
  e.boxKeyUp();
  // The mouse makes another cell current: the box commits into its own cell and closes.
  e.commitBox();
  ASSERT_TRUE(e.grid.setCurrent(3, 2));
  e.boxKeyUp();
  EXPECT_EQ(e.grid.text(1, 1), "1");
  EXPECT_EQ(e.grid.text(3, 2), "y3");
  // Without point rows no key opens anything.
  PointTableEditor none(PointTableGrid{});
  none.grid.reset(1, 0);
  none.gridKeyPress(U'7');
  EXPECT_FALSE(none.box.visible);
  EXPECT_EQ(none.grid.rowCount(), 1);
}

}  // namespace
