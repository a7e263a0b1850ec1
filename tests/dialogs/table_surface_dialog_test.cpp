// The 2.5D and 3D table dialogs: defaults, OK's build with the axis mapping of 3D tables,
// the count refusals, the look codes, the edit filling and the create commands.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>

#include "commands/create_tables.h"
#include "common/globals.h"
#include "dialogs/data/table_surface_dialog.h"
#include "scene/scene_globals.h"
#include "scene/ui/swatch.h"
#include "support/fake_host.h"

using namespace curvanta;

namespace {

class TableSurfaceDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    GraphMode = 3;
  }
  ScopedMessageRecorder messages;
  FakeHost host;
};

TEST_F(TableSurfaceDialogTest, StripTableDefaultsAndBuild) {
  Table25DDialogState s = Table25DLoad();
  EXPECT_EQ(s.data.name, "Untitled");
  EXPECT_EQ(s.data.pointCount, "5");
  EXPECT_EQ(s.data.editor.grid.rowCount(), 6);
  EXPECT_EQ(s.data.editor.grid.text(5, 0), "0,4");
  PointTableGrid& grid = s.data.editor.grid;
  grid.setText(1, 1, "1");
  grid.setText(1, 2, "2");
  grid.setText(2, 1, " 3,5 ");
  grid.setText(2, 2, "4");
  const TableAcceptOutcome out = Table25DAccept(s);
  ASSERT_TRUE(out.item);
  GraphItem& t = *out.item;
  EXPECT_EQ(grid.text(2, 1), "3.5");
  EXPECT_EQ(t.GraphType, GraphKind::Table25D);
  EXPECT_EQ(t.CoordType, CoordKind::Plane);
  EXPECT_EQ(t.StepU, 1);
  EXPECT_EQ(t.StepV, 4);
  const float want[5][2] = {{1, 2}, {3.5f, 4}, {0, 0}, {0, 0}, {0, 0}};
  for (int32_t j = 0; j < 5; ++j) {
    EXPECT_EQ(t.VertTab3D(0, j)->x, want[j][0]);
    EXPECT_EQ(t.VertTab3D(0, j)->y, want[j][1]);
    EXPECT_EQ(t.VertTab3D(0, j)->z, 0.0f);
  }
  EXPECT_EQ(t.FillStyle, FillKind::GradientY);
  EXPECT_EQ(t.FirstColor, 255);
  EXPECT_EQ(t.SecondColor, 0xFF0000);
  EXPECT_EQ(t.Material, 4);
  EXPECT_EQ(t.Show, ShowKind::Surface);
  EXPECT_EQ(t.Smoothness, SmoothKind::Smoothest);

  // Counts by their leading number, halves to even; an exponent is no number character.
  for (auto [count, n] : {std::pair{"2.5", 2}, {"3.5", 4}}) {
    Table25DDialogState c = Table25DLoad();
    c.data.pointCount = count;
    const TableAcceptOutcome o = Table25DAccept(c);
    ASSERT_TRUE(o.item) << count;
    EXPECT_EQ(o.item->StepV, n - 1) << count;
  }
  Table25DDialogState bad = Table25DLoad();
  bad.data.editor.grid.setText(3, 2, "1e3");
  ASSERT_TRUE(Table25DAccept(bad).refusal);
  EXPECT_EQ(Table25DAccept(bad).refusal->text, "存在不合法的表达式或数值");
}

TEST_F(TableSurfaceDialogTest, LookCodes) {
  struct Case {
    int32_t fill;
    int32_t first, second;
  };
  // The single colour replaces the second colour; the first is the first swatch's always.
  for (const Case& c : {Case{FillKind::GradientX, 0x11, 0x22}, Case{FillKind::GradientZ, 0x11, 0x22},
                        Case{FillKind::GradientY, 0x11, 0x22}, Case{FillKind::Single, 0x11, 0x33}}) {
    Table25DDialogState s = Table25DLoad();
    s.look = {c.fill, 0x11, 0x22, 0x33, 12, ShowKind::Vertices, SmoothKind::Smooth};
    const TableAcceptOutcome out = Table25DAccept(s);
    ASSERT_TRUE(out.item);
    EXPECT_EQ(out.item->FillStyle, c.fill);
    EXPECT_EQ(out.item->FirstColor, c.first);
    EXPECT_EQ(out.item->SecondColor, c.second);
    EXPECT_EQ(out.item->Material, 13);
    EXPECT_EQ(out.item->Show, 1);
    EXPECT_EQ(out.item->Smoothness, 2);
    // Filled back for an edit, an unchanged OK stores the same look.
    Table25DDialogState again = Table25DFillForEdit(*out.item);
    const TableAcceptOutcome same = Table25DAccept(again);
    EXPECT_EQ(same.item->FillStyle, c.fill);
    EXPECT_EQ(same.item->FirstColor, c.first);
    EXPECT_EQ(same.item->SecondColor, c.second);
    EXPECT_EQ(same.item->Material, 13);
  }
}

TEST_F(TableSurfaceDialogTest, SolidTableMapsItsColumnsToTheSceneAxes) {
  Table3DDialogState s = Table3DLoad();
  EXPECT_EQ(s.data.editor.grid.rowCount(), 26);
  EXPECT_EQ(s.data.editor.grid.text(25, 0), "4,4");
  EXPECT_EQ(s.data.editor.grid.text(0, 3), "Z");
  s.data.rowCount = "2";
  s.data.columnCount = "3";
  ResetPointTable(s.data);
  s.data.editor.grid.setText(5, 1, "1");
  s.data.editor.grid.setText(5, 2, "2");
  s.data.editor.grid.setText(5, 3, "3");
  s.data.name = "heights";
  ASSERT_TRUE(Table3DCommandOk(s, host));
  const auto table = DocScene.FunSurfs.Item(1);
  EXPECT_EQ(table->GraphType, GraphKind::Table3D);
  EXPECT_EQ(table->CoordType, 0);
  EXPECT_EQ(table->StepU, 1);
  EXPECT_EQ(table->StepV, 2);
  EXPECT_EQ(table->VertTab3D(1, 1)->x, 2.0f);
  EXPECT_EQ(table->VertTab3D(1, 1)->y, 3.0f);
  EXPECT_EQ(table->VertTab3D(1, 1)->z, 1.0f);

  // Edit: the boxes, the labels and z, x, y under X, Y, Z; a new name rewrites the line.
  host.appendLine("三维表数据图形  heights");
  host.current = 0;
  EditMode = true;
  Table3DDialogState fill = Table3DFillForEdit(*table);
  EXPECT_EQ(fill.data.rowCount, "2");
  EXPECT_EQ(fill.data.columnCount, "3");
  EXPECT_EQ(fill.data.editor.grid.rowCount(), 7);
  EXPECT_EQ(fill.data.editor.grid.text(6, 0), "1,2");
  EXPECT_EQ(fill.data.editor.grid.text(5, 1), "1");
  EXPECT_EQ(fill.data.editor.grid.text(5, 2), "2");
  EXPECT_EQ(fill.data.editor.grid.text(5, 3), "3");
  fill.data.name = "renamed";
  fill.data.editor.grid.setText(1, 3, "-4");
  ASSERT_TRUE(Table3DCommandOk(fill, host));
  EXPECT_EQ(host.lines[0].text, "三维表数据图形  renamed");
  EXPECT_EQ(LastGraphID, 1);
  EXPECT_EQ(table->VertTab3D(0, 0)->y, -4.0f);
  EXPECT_EQ(table->VertTab3D(1, 1)->z, 1.0f);

  // Counts outside 1..201 and tables larger than the grid are refused.
  struct Case {
    const char* rows;
    const char* columns;
    const char* message;
  };
  for (const Case& c : {Case{"0", "5", "行数和列数必须在 1 到 201 之间"},
                        Case{"5", "202", "行数和列数必须在 1 到 201 之间"},
                        Case{"6", "5", "表格的行数少于点数，请先单击“重置”"},
                        Case{"5", "", "请输入所有必需的参数"}}) {
    Table3DDialogState t = Table3DLoad();
    t.data.rowCount = c.rows;
    t.data.columnCount = c.columns;
    const TableAcceptOutcome out = Table3DAccept(t);
    ASSERT_TRUE(out.refusal) << c.rows << " x " << c.columns;
    EXPECT_EQ(out.refusal->text, c.message);
  }
}

TEST_F(TableSurfaceDialogTest, CreateCommandsTurnTheViewAndListTheTable) {
  ScopedTableDialogRunner<Table25DDialogState> strip([](Table25DDialogState s, DocumentHost& h) {
    EXPECT_TRUE(Table25DCommandOk(s, h));
  });
  ScopedTableDialogRunner<Table3DDialogState> solid([](Table3DDialogState s, DocumentHost& h) {
    s.data.name = "z";
    EXPECT_TRUE(Table3DCommandOk(s, h));
  });
  mnuDrawTab25D_Click(host);
  EXPECT_EQ(ViewScene.RotPitch, -15.0f);
  EXPECT_EQ(ViewScene.RotYaw, 45.0f);
  ViewScene.RotYaw = 0;
  mnuDrawTab3D_Click(host);
  EXPECT_EQ(ViewScene.RotYaw, 45.0f);
  ASSERT_EQ(host.lines.size(), 2u);
  EXPECT_EQ(host.lines[0].text, "二维半表数据图形  Untitled");
  EXPECT_EQ(host.lines[1].text, "三维表数据图形  z");
  EXPECT_TRUE(host.lines[1].checked);
  EXPECT_EQ(DocScene.FunSurfs.Item(2)->ID, 2);
}

TEST_F(TableSurfaceDialogTest, WidgetsShowAndReadTheLook) {
  Table3DDialogState seen;
  Table3DDialog dialog(Table3DLoad(), [&](Table3DDialogState& s) {
    seen = s;
    return true;
  });
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("三维表数据图形属性"));
  EXPECT_TRUE(dialog.findChild<QAbstractButton*>("Option2")->isChecked());
  EXPECT_TRUE(dialog.findChild<QAbstractButton*>("Option7")->isChecked());
  EXPECT_TRUE(dialog.findChild<QAbstractButton*>("Option10")->isChecked());
  auto* materials = dialog.findChild<QListWidget*>("List1");
  ASSERT_EQ(materials->count(), 13);
  EXPECT_EQ(materials->currentItem()->text(), "Metal");
  dialog.findChild<QAbstractButton*>("Option4")->setChecked(true);
  dialog.findChild<Swatch*>("Picture4")->setColour(0x00FF00);
  dialog.findChild<QAbstractButton*>("Option5")->setChecked(true);
  dialog.findChild<QAbstractButton*>("Option8")->setChecked(true);
  materials->setCurrentRow(0);
  dialog.findChild<QPushButton*>("Command3")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(seen.look.fillStyle, FillKind::Single);
  EXPECT_EQ(seen.look.singleColour, 0x00FF00);
  EXPECT_EQ(seen.look.model, ShowKind::Vertices);
  EXPECT_EQ(seen.look.smoothness, SmoothKind::Faceted);
  EXPECT_EQ(seen.look.materialIndex, 0);
  EXPECT_EQ(seen.data.editor.grid.rowCount(), 26);
}

}  // namespace
