// The 2D table dialog: OK's checks and the item it builds, the edit filling, the add and
// edit against the document, import and export through the data page, and a keyboard walk
// through the real widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>

#include "commands/create_tables.h"
#include "commands/edit_command.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/file_chooser.h"
#include "dialogs/data/point_table_view.h"
#include "dialogs/data/table_2d_dialog.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"

using namespace curvanta;

namespace {

class Table2DDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    GraphMode = 1;
  }
  ScopedMessageRecorder messages;
  FakeHost host;
};

void SetCells(Table2DDialogState& s, const std::vector<std::pair<std::string, std::string>>& cells) {
  for (size_t k = 0; k < cells.size(); ++k) {
    s.data.editor.grid.setText(int32_t(k) + 1, 1, cells[k].first);
    s.data.editor.grid.setText(int32_t(k) + 1, 2, cells[k].second);
  }
}

TEST_F(Table2DDialogTest, UntouchedOkAddsFivePointsAtTheOrigin) {
  Table2DDialogState s = Table2DLoad();
  ASSERT_TRUE(Table2DCommandOk(s, host));
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  const auto item = DocScene.FunSurfs.Item(1);
  EXPECT_EQ(ViewScene.FunSurfs.Item(1), item);
  EXPECT_EQ(item->ID, 1);
  EXPECT_EQ(item->NameS, "Untitled");
  EXPECT_EQ(item->GraphType, GraphKind::Table2D);
  EXPECT_EQ(item->CoordType, CoordKind::Plane);
  EXPECT_EQ(item->StepU, 1);
  EXPECT_EQ(item->StepV, 4);
  for (int32_t j = 0; j <= 4; ++j) {
    EXPECT_EQ(item->VertTab3D(0, j)->x, 0.0f);
    EXPECT_EQ(item->VertTab3D(0, j)->y, 0.0f);
  }
  EXPECT_TRUE(item->Show2DLine);
  EXPECT_FALSE(item->Show2DScatter);
  EXPECT_FALSE(item->ShowSmoothCurve);
  EXPECT_EQ(item->LineColor, 0x008000);
  EXPECT_EQ(item->LineWidth, 1);
  EXPECT_EQ(item->ScatterSize, 2);
  EXPECT_EQ(item->ScatterColor, 0x400000);
  EXPECT_EQ(item->SmoothCurveColor, 0x0000FF);
  EXPECT_EQ(item->SmoothCurveWidth, 1);
  EXPECT_EQ(item->Symbol, 1);
  EXPECT_EQ(item->FillStyle, FillKind::Single);
  EXPECT_EQ(item->FirstColor, 0xFF0000);
  EXPECT_EQ(item->Material, 4);
  EXPECT_EQ(item->Show, ShowKind::Wireframe);
  EXPECT_EQ(item->Smoothness, SmoothKind::Faceted);
  EXPECT_EQ(item->FunForm, FormKind::Explicit);
  EXPECT_FALSE(EditMode);
  EXPECT_EQ(host.refreshes, 1);
  EXPECT_TRUE(messages.recorder.messages.empty());
}

TEST_F(Table2DDialogTest, CellsAreCleanedAndRefusalsLeaveTheDocumentAlone) {
  Table2DDialogState s = Table2DLoad();
  SetCells(s, {{"1,5", "1 000"}, {"1.2.3", "3-4"}, {"-", "."}});
  TableAcceptOutcome out = Table2DAccept(s);
  ASSERT_TRUE(out.item);
  EXPECT_EQ(s.data.editor.grid.text(1, 1), "1.5");
  EXPECT_EQ(s.data.editor.grid.text(1, 2), "1000");
  EXPECT_EQ(out.item->VertTab3D(0, 0)->x, 1.5f);
  EXPECT_EQ(out.item->VertTab3D(0, 0)->y, 1000.0f);
  EXPECT_EQ(out.item->VertTab3D(0, 1)->x, 1.2f);
  EXPECT_EQ(out.item->VertTab3D(0, 1)->y, 3.0f);
  EXPECT_EQ(out.item->VertTab3D(0, 2)->x, 0.0f);

  const Message invalid{"存在不合法的表达式或数值", "出错", MsgIcon::Error, MsgButtons::Ok};
  const Message notice{"", "注意", MsgIcon::Exclamation, MsgButtons::Ok};
  struct Case {
    const char* what;
    std::function<void(Table2DDialogState&)> change;
    Message message;
  };
  auto with = [](Message m, const char* text) {
    m.text = text;
    return m;
  };
  const Case cases[] = {
      {"empty count", [](auto& t) { t.data.pointCount = ""; },
       {"请输入所有必需的参数", "", MsgIcon::Exclamation, MsgButtons::Ok}},
      {"count 0", [](auto& t) { t.data.pointCount = "0"; }, with(notice, "点数必须在 1 到 201 之间")},
      {"count abc", [](auto& t) { t.data.pointCount = "abc"; }, with(notice, "点数必须在 1 到 201 之间")},
      {"count 202", [](auto& t) { t.data.pointCount = "202"; }, with(notice, "点数必须在 1 到 201 之间")},
      {"count beyond the grid", [](auto& t) { t.data.pointCount = "6"; },
       with(notice, "表格的行数少于点数，请先单击“重置”")},
      {"a letter in row 3", [](auto& t) { t.data.editor.grid.setText(3, 2, "1a"); }, invalid},
      {"beyond a float", [](auto& t) { t.data.editor.grid.setText(2, 1, "1" + std::string(40, '0')); }, invalid},
      {"width beyond an int", [](auto& t) { t.lineWidth = "99999999999"; }, invalid},
  };
  for (const Case& c : cases) {
    Table2DDialogState t = Table2DLoad();
    SetCells(t, {{"1,5", "2"}, {"3", "4"}, {"5", "6"}});
    c.change(t);
    messages.recorder.clear();
    EXPECT_FALSE(Table2DCommandOk(t, host)) << c.what;
    ASSERT_EQ(messages.recorder.messages.size(), 1u) << c.what;
    EXPECT_EQ(messages.recorder.messages[0], c.message) << c.what;
    EXPECT_EQ(DocScene.FunSurfs.Count(), 0) << c.what;
  }
  // The rows above the refused cell keep their cleaned texts.
  Table2DDialogState t = Table2DLoad();
  SetCells(t, {{"1,5", "2 "}, {"3", "4"}, {"x", "6"}});
  EXPECT_TRUE(Table2DAccept(t).refusal);
  EXPECT_EQ(t.data.editor.grid.text(1, 1), "1.5");
  EXPECT_EQ(t.data.editor.grid.text(1, 2), "2");
  EXPECT_EQ(t.data.editor.grid.text(3, 1), "x");
  EXPECT_EQ(LastGraphID, 0);
}

TEST_F(Table2DDialogTest, EditFillsEveryControlAndOkReplacesTheLine) {
  Table2DDialogState s = Table2DLoad();
  s.data.pointCount = "7";
  ResetPointTable(s.data);
  for (int32_t k = 0; k < 7; ++k) {
    s.data.editor.grid.setText(k + 1, 1, std::to_string(k));
    s.data.editor.grid.setText(k + 1, 2, "0.5");
  }
  s.data.editor.grid.setText(7, 2, "12345678");
  s.showScatter = true;
  s.showSmoothCurve = true;
  s.lineColour = 0x123456;
  s.lineWidth = "12";
  s.scatterSize = "4";
  s.markerIndex = 5;
  s.smoothCurveWidthIndex = 2;
  ASSERT_TRUE(Table2DCommandOk(s, host));
  host.appendLine("二维表数据图形  Untitled");
  host.current = 0;
  GraphItem& table = *DocScene.FunSurfs.Item(1);

  EditMode = true;
  Table2DDialogState fill = Table2DFillForEdit(table);
  EXPECT_EQ(fill.data.name, "Untitled");
  EXPECT_EQ(fill.data.pointCount, "7");
  EXPECT_EQ(fill.data.editor.grid.rowCount(), 8);
  EXPECT_EQ(fill.data.editor.grid.text(7, 0), "0,6");
  EXPECT_EQ(fill.data.editor.grid.text(7, 1), "6");
  EXPECT_EQ(fill.data.editor.grid.text(7, 2), "12345680");
  EXPECT_EQ(fill.data.editor.grid.text(1, 2), "0.5");
  EXPECT_EQ(fill.lineWidth, "12");
  EXPECT_EQ(fill.lineColour, 0x123456);
  EXPECT_EQ(fill.scatterSize, "4");
  EXPECT_EQ(fill.markerIndex, 5);
  EXPECT_EQ(fill.smoothCurveWidthIndex, 2);
  EXPECT_TRUE(fill.showScatter && fill.showSmoothCurve && fill.showLine);

  // An unchanged OK keeps the table as it was; a new name rewrites the line in place.
  fill.data.name = "measured";
  ASSERT_TRUE(Table2DCommandOk(fill, host));
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(LastGraphID, 1);
  EXPECT_EQ(host.lines[0].text, "二维表数据图形  measured");
  EXPECT_EQ(table.NameS, "measured");
  EXPECT_EQ(table.LineWidth, 12);
  EXPECT_EQ(table.Symbol, 6);
  EXPECT_EQ(table.VertTab3D(0, 6)->y, 12345680.0f);
  EXPECT_EQ(host.rebuilds, 1);
  EXPECT_FALSE(EditMode);
}

TEST_F(Table2DDialogTest, CreateCommandListsTheTableAndCancelAddsNothing) {
  {
    ScopedTableDialogRunner<Table2DDialogState> cancel([](Table2DDialogState, DocumentHost&) {});
    mnuDrawTab2D_Click(host);
  }
  EXPECT_TRUE(host.lines.empty());
  ViewScene.RotYaw = 30;
  ScopedTableDialogRunner<Table2DDialogState> ok([](Table2DDialogState s, DocumentHost& h) {
    s.data.name = "";
    EXPECT_TRUE(Table2DCommandOk(s, h));
  });
  mnuDrawTab2D_Click(host);
  ASSERT_EQ(host.lines.size(), 1u);
  EXPECT_EQ(host.lines[0].text, "二维表数据图形  ");
  EXPECT_TRUE(host.lines[0].checked);
  EXPECT_EQ(ViewScene.RotYaw, 0.0f);
}

TEST_F(Table2DDialogTest, EditCommandOpensTheFilledDialog) {
  ScopedTableDialogRunner<Table2DDialogState> add([](Table2DDialogState s, DocumentHost& h) {
    s.data.editor.grid.setText(2, 2, "9");
    EXPECT_TRUE(Table2DCommandOk(s, h));
  });
  mnuDrawTab2D_Click(host);
  ASSERT_EQ(host.lines.size(), 1u);
  host.current = 0;
  std::vector<Table2DDialogState> shown;
  ScopedTableDialogRunner<Table2DDialogState> edit([&](Table2DDialogState s, DocumentHost& h) {
    shown.push_back(s);
    s.data.name = "edited";
    EXPECT_TRUE(Table2DCommandOk(s, h));
  });
  mnuFunEdit_Click(host);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].data.editor.grid.text(2, 2), "9");
  EXPECT_EQ(host.lines[0].text, "二维表数据图形  edited");
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->VertTab3D(0, 1)->y, 9.0f);
  EXPECT_NE(EditOpenerFor(2, GraphKind::Table25D), nullptr);
  EXPECT_NE(EditOpenerFor(3, GraphKind::Table3D), nullptr);
  EXPECT_EQ(EditOpenerFor(3, GraphKind::Table2D), nullptr);
}

// Import and export through the data page with a scripted file chooser.
TEST_F(Table2DDialogTest, ImportAndExportThroughTheChooser) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto file = [&](const std::string& name, const std::string& bytes) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  };
  ScriptedFileChooser chooser;
  Table2DDialogState s = Table2DLoad();
  SetCells(s, {{"1", "2"}, {"3", "4"}});

  // Cancelled export writes nothing; an export asks with title "导出" and the txt filter.
  EXPECT_FALSE(ExportPointTable(s.data, chooser));
  ASSERT_EQ(chooser.requests.size(), 1u);
  EXPECT_TRUE(chooser.requests[0].save);
  EXPECT_EQ(chooser.requests[0].title, "导出");
  EXPECT_EQ(chooser.requests[0].filter, "(*.txt)");
  EXPECT_EQ(chooser.requests[0].suffix, "txt");  // the dialog adds ".txt" to a bare name
  const std::string exported = dir.filePath("out.txt").toStdString();
  chooser.answers = {exported};
  EXPECT_FALSE(ExportPointTable(s.data, chooser));
  std::ifstream in(exported, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "D2 5\r\n1 2\r\n3 4\r\n \r\n \r\n \r\n\r\n");

  // Hostile files leave the count box and the grid as they were, with their message.
  const std::string big = dir.filePath("big.txt").toStdString();
  {
    std::ofstream out(big, std::ios::binary);
    out << "D2 3\r\n";
    for (int mb = 0; mb < 50; ++mb) out << std::string(1 << 20, '7');
  }
  struct Case {
    std::string path;
    const char* message;
  };
  const Case hostile[] = {
      {"", ""},  // cancelled
      {file("empty.txt", ""), ""},
      {file("other.txt", "D25 2\r\n5 6\r\n7 8\r\n"), ""},
      {file("minus.txt", "D2 -1\r\n5 6\r\n"), "文件中的点数超出范围"},
      {file("202.txt", "D2 202\r\n5 6\r\n"), "文件中的点数超出范围"},
      {file("huge.txt", "D2 2147483648\r\n5 6\r\n"), "文件中的点数超出范围"},
      {big, "文件太大，无法导入"},
      {dir.filePath("missing.txt").toStdString(), "无法打开文件："},
  };
  for (const Case& c : hostile) {
    messages.recorder.clear();
    chooser.answers = {c.path};
    const std::optional<Message> refusal = ImportPointTable(s.data, chooser);
    EXPECT_EQ(refusal ? refusal->text.substr(0, std::string(c.message).size()) : "", c.message) << c.path;
    EXPECT_EQ(s.data.pointCount, "5") << c.path;
    EXPECT_EQ(s.data.editor.grid.rowCount(), 6) << c.path;
    EXPECT_EQ(s.data.editor.grid.text(2, 2), "4") << c.path;
  }
  EXPECT_EQ(chooser.requests.back().title, "打开");
  EXPECT_FALSE(chooser.requests.back().save);

  // Short files and non-numbers load as texts; OK then refuses the non-number.
  chooser.answers = {file("short.txt", "D2 3\r\n1 abc\r\n2 2\r\n")};
  EXPECT_FALSE(ImportPointTable(s.data, chooser));
  EXPECT_EQ(s.data.pointCount, "3");
  EXPECT_EQ(s.data.editor.grid.rowCount(), 4);
  EXPECT_EQ(s.data.editor.grid.text(1, 2), "abc");
  EXPECT_EQ(s.data.editor.grid.text(3, 1), "");
  EXPECT_TRUE(Table2DAccept(s).refusal);
  // The exported file comes back as it was.
  chooser.answers = {exported};
  EXPECT_FALSE(ImportPointTable(s.data, chooser));
  EXPECT_EQ(s.data.pointCount, "5");
  EXPECT_EQ(s.data.editor.grid.text(2, 1), "3");
  EXPECT_EQ(s.data.editor.grid.text(5, 2), "");
  // Only a header, or a count of 0: the grid keeps its header row only.
  chooser.answers = {file("header.txt", "D2\r\n")};
  EXPECT_FALSE(ImportPointTable(s.data, chooser));
  EXPECT_EQ(s.data.pointCount, "0");
  EXPECT_EQ(s.data.editor.grid.rowCount(), 1);
}

// Sends a key press and release to the editor box when it is open, else to the grid.
void Key(PointTableView* grid, Qt::Key key, const QString& text = QString(),
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = grid->editorBox()->isVisible() ? static_cast<QWidget*>(grid->editorBox()) : grid;
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  target = grid->editorBox()->isVisible() ? static_cast<QWidget*>(grid->editorBox()) : grid;
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

void Type(PointTableView* grid, const QString& text) {
  for (QChar c : text) {
    const Qt::Key key = c.isDigit() ? Qt::Key(Qt::Key_0 + c.digitValue())
                        : c == '.'  ? Qt::Key_Period
                        : c == '-'  ? Qt::Key_Minus
                                    : Qt::Key_Comma;
    Key(grid, key, QString(c));
  }
}

// Destroying a shown dialog must not let its widgets read the state it owns after that
// state is gone (the sanitizer build reports such a read).
TEST_F(Table2DDialogTest, DestroyedWhileShown) {
  auto dialog = std::make_unique<Table2DDialog>(Table2DLoad(), nullptr);
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  auto* grid = dialog->findChild<PointTableView*>("fgdGrid");
  ASSERT_TRUE(grid);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_7, Qt::NoModifier);
  EXPECT_TRUE(grid->editorBox()->isVisible());
  dialog.reset();
}

TEST_F(Table2DDialogTest, KeyboardWalkThroughTheWidgets) {
  std::shared_ptr<GraphItem> built;
  Table2DDialog dialog(Table2DLoad(), [&](Table2DDialogState& s) {
    TableAcceptOutcome out = Table2DAccept(s);
    built = out.item;
    return bool(out.item);
  });
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* grid = dialog.findChild<PointTableView*>("fgdGrid");
  auto* count = dialog.findChild<QLineEdit*>("Text2");
  ASSERT_TRUE(grid && count);
  ASSERT_EQ(dialog.findChild<QLineEdit*>("txtRep"), grid->editorBox());

  // Three points: first lower the count and Reset.
  count->setText("3");
  dialog.findChild<QPushButton*>("Command5")->click();
  ASSERT_EQ(grid->model()->rowCount(), 3);
  // (1.5, -2): typing opens the box, Tab commits and moves right, Enter commits.
  Type(grid, "1,5");
  EXPECT_TRUE(grid->editorBox()->isVisible());
  Key(grid, Qt::Key_Tab, "\t");
  EXPECT_FALSE(grid->editorBox()->isVisible());
  Type(grid, "-2");
  Key(grid, Qt::Key_Return, "\r");
  // Down to row 2 column 2, type 4; Left in the box commits and moves to column 1.
  Key(grid, Qt::Key_Down);
  Type(grid, "4");
  Key(grid, Qt::Key_Left);
  Type(grid, "3");
  Key(grid, Qt::Key_Down);  // commits 3, moves to row 3
  Type(grid, "5");
  Key(grid, Qt::Key_Right);
  Type(grid, "6");
  // Escape in the box changes nothing and does not close the dialog.
  Key(grid, Qt::Key_Escape, QString(QChar(27)));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(grid->editorBox()->isVisible());
  // Enter on a filled cell reopens it; Backspace edits; Enter commits.
  Key(grid, Qt::Key_Return, "\r");
  Key(grid, Qt::Key_Up);
  Key(grid, Qt::Key_Return, "\r");
  EXPECT_EQ(grid->editorBox()->text(), "4");
  Key(grid, Qt::Key_Backspace, "\b");
  Type(grid, "7");
  Key(grid, Qt::Key_Return, "\r");

  // A mouse-free Reset to the same count keeps every text.
  dialog.findChild<QPushButton*>("Command5")->click();
  dialog.findChild<QPushButton*>("Command3")->click();
  ASSERT_TRUE(built);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(built->StepV, 2);
  const float want[3][2] = {{1.5f, -2}, {3, 7}, {5, 6}};
  for (int32_t j = 0; j < 3; ++j) {
    EXPECT_EQ(built->VertTab3D(0, j)->x, want[j][0]) << j;
    EXPECT_EQ(built->VertTab3D(0, j)->y, want[j][1]) << j;
  }
}

}  // namespace
