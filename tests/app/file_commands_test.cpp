// The document commands through the main window: save questions, Open, Save and Save As
// with scripted dialogs, Copy All and Cut All, Help through the desktop, and a document
// named on the command line.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QListWidget>

#include "app/file_commands.h"
#include "app/graph_list.h"
#include "app/main_window.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/file_chooser.h"
#include "document/document_parse.h"
#include "document/document_writer.h"
#include "document/records.h"
#include "platform/help_page.h"
#include "platform/url_opener.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"
#include "support/main_window_setup.h"

using namespace curvanta;

namespace {

struct FileCommandsTest : ::testing::Test, MainWindowTestSetUp {
  void SetUp() override {
    previousOpener = SetUrlOpener([this](const QUrl& url) { opened << url; });
  }
  void TearDown() override { SetUrlOpener(previousOpener); }
  std::unique_ptr<MainWindow> NewWindow() {
    auto w = std::make_unique<MainWindow>();
    w->Load(options);
    w->Files().clipboard = [this](const QString& text) { clipboard = text; };
    return w;
  }
  // A 2D function graph added as the create commands add one: both scenes, a checked line.
  void AddFunction(MainWindow& w, const std::string& expression) {
    auto g = std::make_shared<GraphItem>();
    g->GraphType = 0;
    g->CoordType = 1;
    g->FunForm = 2;
    g->ExpressZ = expression;
    g->StepV = 10;
    g->MaxV = 1;
    g->Show2DCurve = true;
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g);
    ViewScene.FunSurfs.Add(g);
    GraphList& list = *w.GraphListHost();
    list.appendLine("二维曲线  y=" + expression);
    list.checkLine(list.lineCount() - 1);
  }
  std::string Path(const char* name) { return tmp.filePath(name).toStdString(); }
  int SavedGraphs(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    ParseResult r = ParseDocumentBytes(f.readAll().toStdString());
    return r.status == ParseStatus::Parsed ? int(r.document.graphs.size()) : -1;
  }

  ScriptedFileChooser chooser;
  ScopedFileChooser scopedChooser{&chooser};
  ScopedMessageRecorder messages;
  QList<QUrl> opened;
  UrlOpener previousOpener;
  QString clipboard;
};

TEST_F(FileCommandsTest, YesAtTheCloseQuestionWritesTheFileOrKeepsTheWindow) {
  auto w = NewWindow();
  AddFunction(*w, "x^2");
  // The save dialog cancelled, then a folder that cannot be written: the window stays.
  for (std::string answer : {std::string(), std::string("/sys/kernel/no.pgp")}) {
    chooser.answers = {answer};
    messages.recorder.script(MsgAnswer::Yes);
    QCloseEvent close;
    QApplication::sendEvent(w.get(), &close);
    EXPECT_FALSE(close.isAccepted()) << answer;
    EXPECT_FALSE(w->SavedFlag);
  }
  EXPECT_EQ(messages.recorder.messages.back().text, "无法写入文件：\n/sys/kernel/no.pgp");
  EXPECT_EQ(chooser.requests.back().title, "保存文件");
  EXPECT_EQ(chooser.requests.back().filter, "(*.pgp)");
  // A name without extension gets ".pgp"; the window closes after the write.
  chooser.answers = {Path("kept")};
  messages.recorder.script(MsgAnswer::Yes);
  QCloseEvent close;
  QApplication::sendEvent(w.get(), &close);
  EXPECT_TRUE(close.isAccepted());
  EXPECT_TRUE(w->SavedFlag);
  EXPECT_EQ(SavedGraphs(Path("kept.pgp")), 1);
}

TEST_F(FileCommandsTest, SaveAsksOnceThenWritesToTheSameFile) {
  auto w = NewWindow();
  EXPECT_FALSE(w->Action("mnuFileSave")->isEnabled());
  AddFunction(*w, "x");
  EXPECT_TRUE(w->Action("mnuFileSave")->isEnabled());
  EXPECT_TRUE(w->Action("mnuFileSaveAs")->isEnabled());
  chooser.answers = {Path("a.pgp")};
  w->RunCommand("mnuFileSave");
  AddFunction(*w, "x+1");
  w->RunCommand("mnuFileSave");  // no second dialog
  EXPECT_EQ(chooser.requests.size(), 1u);
  EXPECT_EQ(SavedGraphs(Path("a.pgp")), 2);
  chooser.answers = {Path("b.pgp")};
  w->RunCommand("mnuFileSaveAs");
  EXPECT_EQ(chooser.requests.back().title, "文件另存为");
  EXPECT_EQ(SavedGraphs(Path("b.pgp")), 2);
  EXPECT_EQ(w->Files().DocumentPath(), Path("b.pgp"));
  w->RunCommand("mnuEditDelAll");
  EXPECT_FALSE(w->Action("mnuFileSave")->isEnabled());
}

TEST_F(FileCommandsTest, OpenAsksFirstAndReplacesTheDocumentOnlyWhenOneLoads) {
  auto w = NewWindow();
  AddFunction(*w, "x");
  chooser.answers = {Path("one.pgp")};
  w->RunCommand("mnuFileSave");
  messages.recorder.script(MsgAnswer::No);
  w->mnuFileNew3D_Click();
  AddFunction(*w, "y");
  AddFunction(*w, "z");
  chooser.requests.clear();
  w->picDraw()->navigator().state.ZoomMode = true;

  // Cancel: the mouse tools are off, nothing else changes and no dialog opens.
  messages.recorder.script(MsgAnswer::Cancel);
  w->RunCommand("mnuFileOpen");
  // Yes with the save dialog cancelled: the open is cancelled too.
  messages.recorder.script(MsgAnswer::Yes);
  w->RunCommand("mnuFileOpen");
  EXPECT_FALSE(w->picDraw()->navigator().state.ZoomMode);
  ASSERT_EQ(chooser.requests.size(), 1u);
  EXPECT_TRUE(chooser.requests[0].save);
  // No, then the open dialog cancelled: the document stays and IDs go on.
  messages.recorder.script(MsgAnswer::No);
  w->RunCommand("mnuFileOpen");
  EXPECT_EQ(chooser.requests.back().title, "打开文件");
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_EQ(GraphMode, 3);
  EXPECT_EQ(LastGraphID, 3);
  // A bad file: its message, and the document stays.
  { QFile bad(tmp.filePath("bad.pgp")); ASSERT_TRUE(bad.open(QIODevice::WriteOnly)); bad.write("xyz"); }
  messages.recorder.script(MsgAnswer::No);
  chooser.answers = {Path("bad.pgp")};
  w->RunCommand("mnuFileOpen");
  EXPECT_EQ(messages.recorder.messages.back().text, "文件格式错误，无法打开文档");
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  // The saved file: the 2D document with its one graph, ID 1, its line checked.
  messages.recorder.script(MsgAnswer::No);
  chooser.answers = {Path("one.pgp")};
  w->RunCommand("mnuFileOpen");
  EXPECT_EQ(GraphMode, 1);
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 1);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 1);
  ASSERT_EQ(w->List1()->count(), 1);
  EXPECT_EQ(w->List1()->item(0)->text(), "二维曲线  y=x");
  EXPECT_EQ(w->List1()->item(0)->checkState(), Qt::Checked);
  EXPECT_TRUE(w->Action("mnuDraw2DCart")->isEnabled());
}

TEST_F(FileCommandsTest, CopyAllAndCutAllPutTheKindAndRecordsOnTheClipboard) {
  auto w = NewWindow();
  w->RunCommand("mnuGraphCopyAll");
  EXPECT_EQ(clipboard, "1 ");
  w->mnuFileNew3D_Click();
  AddFunction(*w, "x");
  AddFunction(*w, "y");
  const QString expected = QString::fromStdString("3 " + Save(*DocScene.FunSurfs.Item(1)) + " " +
                                                  Save(*DocScene.FunSurfs.Item(2)) + " ");
  w->RunCommand("mnuGraphCopyAll");
  EXPECT_EQ(clipboard, expected);
  clipboard.clear();
  const int32_t lastId = LastGraphID;
  w->RunCommand("mnuGraphCutAll");
  EXPECT_EQ(clipboard, expected);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);
  EXPECT_EQ(w->List1()->count(), 0);
  EXPECT_EQ(LastGraphID, lastId);
}

TEST_F(FileCommandsTest, HelpAndWebPagesOpenThroughTheDesktop) {
  auto w = NewWindow();
  w->Files().programDir = QStringLiteral(CURVANTA_PROGRAM_DIR);
  w->RunCommand("mnuHelpCon");
  w->RunCommand("mnuHelpHome");
  w->RunCommand("mnuHelpCus");
  ASSERT_EQ(opened.size(), 3);
  const QString page = FindHelpPage(QStringLiteral(CURVANTA_PROGRAM_DIR));
  ASSERT_FALSE(page.isEmpty());
  EXPECT_EQ(opened[0], QUrl::fromLocalFile(page));
  EXPECT_TRUE(QFile::exists(opened[0].toLocalFile()));
  EXPECT_EQ(opened[1], QUrl(kHomePageAddress));
  EXPECT_EQ(opened[2], QUrl(kServicePageAddress));
  // A program without its page still asks the desktop, for the page beside it, and says nothing.
  w->Files().programDir = tmp.path();
  w->RunCommand("mnuHelpCon");
  ASSERT_EQ(opened.size(), 4);
  EXPECT_EQ(opened[3], QUrl::fromLocalFile(tmp.filePath("help.html")));
  EXPECT_TRUE(messages.recorder.messages.empty());
}

TEST_F(FileCommandsTest, ADocumentOnTheCommandLineOpensAtStart) {
  {
    auto w = NewWindow();
    w->mnuFileNew25D_Click();
    AddFunction(*w, "x");
    ASSERT_TRUE(SaveDocumentFile(Path("start.pgp")));
  }
  ResetGlobals();
  ResetSceneGlobals();
  GraphMode = 0;
  options.arguments = {"curvanta", QString::fromStdString(Path("start.pgp"))};
  auto w = NewWindow();
  EXPECT_EQ(GraphMode, 2);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(w->Files().DocumentPath(), Path("start.pgp"));
  // A file that does not load starts a new 2D document after its message.
  ResetSceneGlobals();
  GraphMode = 0;
  options.arguments = {"curvanta", QString::fromStdString(Path("missing.pgp"))};
  auto v = NewWindow();
  EXPECT_EQ(GraphMode, 1);
  EXPECT_EQ(messages.recorder.messages.back().text, "无法打开文件：\n" + Path("missing.pgp"));
}

}  // namespace
