// Point table files: the exported bytes, import of files from either platform, the refusals
// of hostile files, and export followed by import for the three kinds.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/data/point_table_file.h"

using namespace curvanta;

namespace {

PointTableGrid Grid2D(const std::vector<std::pair<std::string, std::string>>& cells) {
  PointTableGrid grid;
  grid.reset(1, static_cast<int32_t>(cells.size()));
  for (size_t k = 0; k < cells.size(); ++k) {
    grid.setText(int32_t(k) + 1, 1, cells[k].first);
    grid.setText(int32_t(k) + 1, 2, cells[k].second);
  }
  return grid;
}

std::vector<std::vector<std::string>> Values(const PointTableImport& in) { return in.values; }

TEST(PointTableFileTest, ExportedBytes) {
  PointTableGrid empty;
  empty.reset(1, 5);
  EXPECT_EQ(PointTableText(PointTableKind::Table2D, empty, {1, 5}),
            "D2 5\r\n \r\n \r\n \r\n \r\n \r\n\r\n");
  EXPECT_EQ(PointTableText(PointTableKind::Table25D, Grid2D({{"1", "2"}, {"3.5", "-1"}}), {1, 2}),
            "D25 2\r\n1 2\r\n3.5 -1\r\n\r\n");
  // Blanks, Tabs and line breaks inside a cell would split it: they are left out.
  EXPECT_EQ(PointTableText(PointTableKind::Table2D, Grid2D({{"1 000", "2\t5\r\n"}}), {1, 1}),
            "D2 1\r\n1000 25\r\n\r\n");
  // A count beyond the grid's rows writes empty cells; counts are taken into 0..201.
  EXPECT_EQ(PointTableText(PointTableKind::Table2D, Grid2D({{"1", "2"}}), {1, 2}),
            "D2 2\r\n1 2\r\n \r\n\r\n");
  EXPECT_EQ(PointTableText(PointTableKind::Table2D, Grid2D({{"1", "2"}}), {1, -4}), "D2 0\r\n\r\n");

  PointTableGrid solid({"编号", "X", "Y", "Z"});
  solid.reset(2, 3);
  for (int32_t row = 1; row <= 6; ++row)
    for (int32_t col = 1; col <= 3; ++col) solid.setText(row, col, std::to_string(row * 10 + col));
  EXPECT_EQ(PointTableText(PointTableKind::Table3D, solid, {2, 3}),
            "D3\t2\t3\r\n11\t12\t13\r\n21\t22\t23\r\n31\t32\t33\r\n41\t42\t43\r\n51\t52\t53\r\n"
            "61\t62\t63\r\n\r\n");
}

TEST(PointTableFileTest, LineEndsAndSeparatorsOfEitherPlatform) {
  const std::vector<std::vector<std::string>> want = {{"1", "2"}, {"3.5", "-1"}, {"0", "7"}};
  for (const char* text : {
           "D2 3\r\n1 2\r\n3.5 -1\r\n0 7\r\n\r\n",  // as exported
           "D2 3\n1 2\n3.5 -1\n0 7\n",              // LF only
           "D2 3\r1 2\r3.5 -1\r0 7\r",              // CR only
           "D2\t3\r\n1\t2\r\n3.5\t-1\r\n0\t7\r\n",  // Tabs
           "D2 3\r\n1 2\r\n3.5 -1\r\n0 7",          // no final line end
           "\xEF\xBB\xBF" "D2 3\n1 2\n3.5 -1\n0 7\n",  // with a byte order mark
           "D2 3 1 2 3.5 -1 0 7",                   // one line
       }) {
    const PointTableImport in = ReadPointTableText(PointTableKind::Table2D, text);
    ASSERT_EQ(in.outcome, PointTableImport::Outcome::Loaded) << text;
    EXPECT_EQ(in.size.columns, 3);
    EXPECT_EQ(Values(in), want) << text;
  }
  // Every separator ends a token, so a doubled blank is an empty value that keeps its place
  // and moves every later value one cell on, whatever the line ends are.
  const std::vector<std::vector<std::string>> shifted = {{"1", ""}, {"2", "3.5"}, {"-1", "0"}};
  for (const char* text : {"D2 3\r\n1  2\r\n3.5 -1\r\n0 7\r\n", "D2 3\n1  2\n3.5 -1\n0 7"}) {
    EXPECT_EQ(Values(ReadPointTableText(PointTableKind::Table2D, text)), shifted) << text;
  }
  // A short file leaves empty cells; Latin-1 text arrives as UTF-8.
  EXPECT_EQ(Values(ReadPointTableText(PointTableKind::Table2D, "D2 3\r\n1 2\r\n3 4\r\n")),
            (std::vector<std::vector<std::string>>{{"1", "2"}, {"3", "4"}, {"", ""}}));
  EXPECT_EQ(Values(ReadPointTableText(PointTableKind::Table2D, "D2 1\r\n\xB5 2\r\n")),
            (std::vector<std::vector<std::string>>{{"\xC2\xB5", "2"}}));
  // Counts by their leading number, halves to even.
  EXPECT_EQ(ReadPointTableText(PointTableKind::Table2D, "D2 4.5\r\n").size.columns, 4);
  EXPECT_EQ(ReadPointTableText(PointTableKind::Table2D, "D2 5.5\r\n").size.columns, 6);
  // 3D: rows and columns, point (i, j) at 3 (i c + j) + 3.
  const PointTableImport solid =
      ReadPointTableText(PointTableKind::Table3D, "D3\t1\t2\r\n1\t2\t3\r\n4\t5\t6\r\n\r\n");
  EXPECT_EQ(solid.size.rows, 1);
  EXPECT_EQ(solid.size.columns, 2);
  EXPECT_EQ(Values(solid), (std::vector<std::vector<std::string>>{{"1", "2", "3"}, {"4", "5", "6"}}));
}

TEST(PointTableFileTest, WrongHeadersAreIgnoredAndBadCountsRefused) {
  using O = PointTableImport::Outcome;
  struct Case {
    PointTableKind kind;
    const char* text;
    O outcome;
    const char* message;
    int32_t columns;
  };
  const Case cases[] = {
      {PointTableKind::Table2D, "", O::Ignored, "", 0},
      {PointTableKind::Table2D, " D2 1\r\n1 2\r\n", O::Ignored, "", 0},  // first token empty
      {PointTableKind::Table2D, "d2 1\r\n1 2\r\n", O::Ignored, "", 0},
      {PointTableKind::Table25D, "D2 1\r\n1 2\r\n", O::Ignored, "", 0},
      {PointTableKind::Table2D, "D25 1\r\n1 2\r\n", O::Ignored, "", 0},
      {PointTableKind::Table2D, "D3\t1\t1\r\n1\t2\t3\r\n", O::Ignored, "", 0},
      {PointTableKind::Table2D, "D2", O::Loaded, "", 0},       // only a header: count 0
      {PointTableKind::Table2D, "D2 abc\r\n", O::Loaded, "", 0},  // no number: count 0
      {PointTableKind::Table2D, "D2 0\r\n", O::Loaded, "", 0},
      {PointTableKind::Table2D, "D2 201\r\n", O::Loaded, "", 201},
      {PointTableKind::Table2D, "D2 -1\r\n", O::Refused, "文件中的点数超出范围", 0},
      {PointTableKind::Table2D, "D2 202\r\n1 2\r\n", O::Refused, "文件中的点数超出范围", 0},
      {PointTableKind::Table2D, "D2 2147483648\r\n", O::Refused, "文件中的点数超出范围", 0},
      {PointTableKind::Table2D, "D2 1e400\r\n", O::Refused, "文件中的点数超出范围", 0},
      {PointTableKind::Table3D, "D3\t2\t202\r\n", O::Refused, "文件中的点数超出范围", 0},
      {PointTableKind::Table3D, "D3\t-1\t2\r\n", O::Refused, "文件中的点数超出范围", 0},
  };
  for (const Case& c : cases) {
    const PointTableImport in = ReadPointTableText(c.kind, c.text);
    EXPECT_EQ(in.outcome, c.outcome) << c.text;
    EXPECT_EQ(in.refusal ? in.refusal->text : "", c.message) << c.text;
    if (in.refusal) {
      EXPECT_EQ(in.refusal->title, "出错");
    }
    if (c.outcome == O::Loaded) {
      EXPECT_EQ(in.size.columns, c.columns) << c.text;
    }
  }
}

TEST(PointTableFileTest, FilesOnDisk) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string base = dir.path().toStdString();
  // Export then import gives every value back, for all three kinds.
  PointTableGrid flat = Grid2D({{"1.5", "-2"}, {"", "3"}, {"1E+07", ""}, {"0.0001", "-0"}});
  for (PointTableKind kind : {PointTableKind::Table2D, PointTableKind::Table25D}) {
    const std::string path = base + "/flat.txt";
    ASSERT_FALSE(WritePointTableFile(path, PointTableText(kind, flat, {1, 4})));
    const PointTableFileBytes bytes = ReadPointTableFile(path);
    ASSERT_FALSE(bytes.refusal);
    const PointTableImport in = ReadPointTableText(kind, bytes.bytes);
    ASSERT_EQ(in.outcome, PointTableImport::Outcome::Loaded);
    ASSERT_EQ(in.values.size(), 4u);
    for (int32_t k = 0; k < 4; ++k) {
      EXPECT_EQ(in.values[size_t(k)][0], flat.text(k + 1, 1));
      EXPECT_EQ(in.values[size_t(k)][1], flat.text(k + 1, 2));
    }
  }
  PointTableGrid solid({"编号", "X", "Y", "Z"});
  solid.reset(3, 2);
  for (int32_t row = 1; row <= 6; ++row)
    for (int32_t col = 1; col <= 3; ++col)
      if ((row + col) % 4) solid.setText(row, col, std::to_string(row) + "." + std::to_string(col));
  const std::string solidPath = base + "/solid.txt";
  ASSERT_FALSE(WritePointTableFile(solidPath, PointTableText(PointTableKind::Table3D, solid, {3, 2})));
  const PointTableImport back =
      ReadPointTableText(PointTableKind::Table3D, ReadPointTableFile(solidPath).bytes);
  ASSERT_EQ(back.values.size(), 6u);
  for (int32_t p = 0; p < 6; ++p)
    for (int32_t v = 0; v < 3; ++v) EXPECT_EQ(back.values[size_t(p)][size_t(v)], solid.text(p + 1, v + 1));

  // A file over the limit is refused before it is read; a folder or a missing file cannot
  // be opened; a folder cannot be written.
  const std::string large = base + "/large.txt";
  {
    std::ofstream out(large, std::ios::binary);
    out << "D2 2\r\n";
    const std::string block(1 << 20, '1');
    for (int mb = 0; mb < 50; ++mb) out << block;
  }
  PointTableFileBytes refused = ReadPointTableFile(large);
  ASSERT_TRUE(refused.refusal);
  EXPECT_EQ(refused.refusal->text, "文件太大，无法导入");
  EXPECT_TRUE(refused.bytes.empty());
  EXPECT_EQ(ReadPointTableText(PointTableKind::Table2D, std::string(kPointTableFileLimit + 1, ' ')).refusal->text,
            "文件太大，无法导入");
  for (const std::string& path : {base, base + "/missing.txt"}) {
    refused = ReadPointTableFile(path);
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(refused.refusal->text, "无法打开文件：\n" + path);
  }
  const auto failed = WritePointTableFile(base, "D2 0\r\n\r\n");
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->text, "无法写入文件：\n" + base);
}

}  // namespace
