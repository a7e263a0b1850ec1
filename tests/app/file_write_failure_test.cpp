// Writing a user's file under failure: Save As and the point-table export with each write,
// the flush, the sync, the close or the rename failing in turn, and with a disk that fills
// part way; the old file stays byte for byte, no temporary file is left, one message is
// shown, and a save question's pending command is cancelled.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <map>

#include "app/file_commands.h"
#include "app/graph_list.h"
#include "app/main_window.h"
#include "common/atomic_file.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/file_chooser.h"
#include "dialogs/data/table_2d_dialog.h"
#include "dialogs/data/table_2d_dialog_state.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct WriteFailureTest : ::testing::Test {
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    ASSERT_TRUE(tmp.isValid());
    options.association = {tmp.filePath("share"), tmp.path(), tmp.filePath("curvanta")};
    options.processRunner = [](const QString&, const QStringList&) {};
    options.arguments = {"curvanta"};
  }
  void TearDown() override {
    ResetSceneGlobals();
    ResetGlobals();
  }
  std::unique_ptr<MainWindow> NewWindow() {
    auto w = std::make_unique<MainWindow>();
    w->Load(options);
    return w;
  }
  // A 2D function graph named `name`, added as the create commands add one.
  void AddFunction(MainWindow& w, const std::string& name) {
    auto g = std::make_shared<GraphItem>();
    g->GraphType = 0;
    g->CoordType = 1;
    g->FunForm = 2;
    g->ExpressZ = "x";
    g->NameS = name;
    g->StepV = 10;
    g->MaxV = 1;
    g->Show2DCurve = true;
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g);
    ViewScene.FunSurfs.Add(g);
    GraphList& list = *w.GraphListHost();
    list.appendLine("二维曲线  y=x");
    list.checkLine(list.lineCount() - 1);
  }
  // The files in `folder`, hidden ones included.
  static QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  QTemporaryDir tmp;
  MainWindow::LoadOptions options;
  ScriptedFileChooser chooser;
  ScopedFileChooser scopedChooser{&chooser};
  ScopedMessageRecorder messages;
};

// One of the two writers: `save(path)` runs the user's command that writes the prepared
// content to `path` through the scripted chooser and says whether SavedFlag is set (true
// for the export, which has none).
struct WriterUnderTest {
  std::string name;
  std::function<bool(const std::string& path)> save;
};

TEST_F(WriteFailureTest, EveryFailingStepLeavesTheOldFileAndShowsOneMessage) {
  auto window = NewWindow();
  std::unique_ptr<Table2DDialog> table;
  // The content of each writer, small and large (the large ones take several blocks).
  auto prepareDocument = [&](bool large) {
    window->RunCommand("mnuEditDelAll");
    AddFunction(*window, large ? std::string(60000, 'n') : "p");
  };
  auto prepareTable = [&](bool large) {
    Table2DDialogState s = Table2DLoad();
    s.data.pointCount = large ? "201" : "3";
    ResetPointTable(s.data);
    for (int32_t row = 1; row <= (large ? 201 : 3); ++row)
      for (int32_t col = 1; col <= 2; ++col)
        s.data.editor.grid.setText(row, col, large ? std::string(200, char('0' + row % 10)) : "7");
    table = std::make_unique<Table2DDialog>(std::move(s), [](Table2DDialogState&) { return true; });
  };
  const WriterUnderTest writers[] = {
      {"document",
       [&](const std::string& path) {
         chooser.answers = {path};
         window->RunCommand("mnuFileSaveAs");
         return window->SavedFlag;
       }},
      {"table",
       [&](const std::string& path) {
         chooser.answers = {path};
         table->findChild<QPushButton*>("Command2")->click();
         return true;
       }},
  };
  const std::string oldBytes = "old bytes\r\n\x08\x00 kept as they were";
  const std::string target = tmp.filePath("target.out").toStdString();
  const std::string probe = tmp.filePath("probe.out").toStdString();
  for (const WriterUnderTest& writer : writers) {
    for (bool large : {false, true}) {
      SCOPED_TRACE(writer.name + (large ? " large" : " small"));
      if (writer.name == "document")
        prepareDocument(large);
      else
        prepareTable(large);
      // A write without faults, counting the calls of each step.
      std::map<FileStep, int> calls;
      {
        ScopedFileFaultHook count([&](FileStep step, int n) {
          calls[step] = n;
          return InjectedFault{};
        });
        messages.recorder.clear();
        EXPECT_TRUE(writer.save(probe));
      }
      ASSERT_TRUE(messages.recorder.messages.empty());
      const std::string newBytes = ReadAll(probe);
      ASSERT_NE(newBytes, "<missing>");
      EXPECT_EQ(calls[FileStep::Write], int(newBytes.size() - 1) / int(AtomicFileWriter::kBlockSize));
      EXPECT_EQ(calls[FileStep::Flush], 1);
      if (large) {
        EXPECT_GE(calls[FileStep::Write], 7);
      }

      // Every failing step in turn.
      std::vector<std::pair<FileStep, int>> faults;
      for (int n = 1; n <= calls[FileStep::Write]; ++n) faults.push_back({FileStep::Write, n});
      for (FileStep step : {FileStep::Flush, FileStep::Sync, FileStep::Close, FileStep::Rename})
        faults.push_back({step, 1});
      for (const auto& [step, at] : faults) {
        SCOPED_TRACE("step " + std::to_string(int(step)) + " call " + std::to_string(at));
        WriteAll(target, oldBytes);
        messages.recorder.clear();
        {
          ScopedFileFaultHook fail([step = step, at = at](FileStep s, int n) {
            InjectedFault f;
            if (s == step && n == at) f.error = s == FileStep::Write ? ENOSPC : EIO;
            return f;
          });
          const bool saved = writer.save(target);
          if (writer.name == "document") {
            EXPECT_FALSE(saved);
          }
        }
        EXPECT_EQ(ReadAll(target), oldBytes);
        EXPECT_EQ(Files(tmp.path()), (QStringList{"probe.out", "target.out"}));
        ASSERT_EQ(messages.recorder.messages.size(), 1u);
        const Message& m = messages.recorder.messages[0];
        EXPECT_EQ(m.text, "无法写入文件：\n" + target);
        EXPECT_EQ(m.title, "出错");
        EXPECT_EQ(m.icon, MsgIcon::Error);
      }
      // Without a fault the target gets the new content whole.
      messages.recorder.clear();
      EXPECT_TRUE(writer.save(target));
      EXPECT_EQ(ReadAll(target), newBytes);
      EXPECT_TRUE(messages.recorder.messages.empty());
      QFile::remove(QString::fromStdString(target));
      QFile::remove(QString::fromStdString(probe));
    }
  }
}

// A real disk that fills part way through the write: a small memory file system, mounted
// where the test may mount one.
TEST_F(WriteFailureTest, ADiskThatFillsDuringTheWriteKeepsTheOldFile) {
  QTemporaryDir mountPoint;
  ASSERT_TRUE(mountPoint.isValid());
  const std::string folder = mountPoint.path().toStdString();
  if (geteuid() != 0 || mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no small file system can be mounted here";
  struct Unmount {
    std::string at;
    ~Unmount() { umount2(at.c_str(), MNT_DETACH); }
  } unmount{folder};

  auto window = NewWindow();
  AddFunction(*window, std::string(40000, 'n'));
  Table2DDialogState s = Table2DLoad();
  s.data.pointCount = "100";
  ResetPointTable(s.data);
  for (int32_t row = 1; row <= 100; ++row) s.data.editor.grid.setText(row, 1, std::string(400, '5'));
  Table2DDialog table(std::move(s), [](Table2DDialogState&) { return true; });

  const std::string document = folder + "/old.pgp";
  const std::string exported = folder + "/old.txt";
  const std::string oldBytes(323, 'o');
  WriteAll(document, oldBytes);
  WriteAll(exported, oldBytes);
  // Fill all but two pages, so that each write runs out of room part way.
  struct statvfs fs;
  ASSERT_EQ(statvfs(folder.c_str(), &fs), 0);
  const size_t room = size_t(fs.f_bavail) * fs.f_bsize;
  ASSERT_GT(room, 2 * 4096u);
  WriteAll(folder + "/filler", std::string(room - 2 * 4096, 'f'));

  chooser.answers = {document};
  window->RunCommand("mnuFileSaveAs");
  EXPECT_FALSE(window->SavedFlag);
  chooser.answers = {exported};
  table.findChild<QPushButton*>("Command2")->click();

  EXPECT_EQ(ReadAll(document), oldBytes);
  EXPECT_EQ(ReadAll(exported), oldBytes);
  EXPECT_EQ(Files(QString::fromStdString(folder)), (QStringList{"filler", "old.pgp", "old.txt"}));
  ASSERT_EQ(messages.recorder.messages.size(), 2u);
  EXPECT_EQ(messages.recorder.messages[0].text, "无法写入文件：\n" + document);
  EXPECT_EQ(messages.recorder.messages[1].text, "无法写入文件：\n" + exported);
}

// Yes at the save question of New, Open or Close runs Save; when the write fails, the
// pending command is cancelled and the document stays.
TEST_F(WriteFailureTest, AFailedSaveAtTheQuestionCancelsThePendingCommand) {
  const std::string path = tmp.filePath("doc.pgp").toStdString();
  struct Pending {
    const char* name;
    std::function<bool(MainWindow&)> run;  // true when the command went ahead
  };
  const Pending pending[] = {
      {"new", [](MainWindow& w) { w.mnuFileNew3D_Click(); return GraphMode == 3; }},
      {"open",
       [this](MainWindow& w) {
         const size_t asked = chooser.requests.size();
         w.RunCommand("mnuFileOpen");
         return chooser.requests.size() > asked;
       }},
      {"close",
       [](MainWindow& w) {
         QCloseEvent close;
         QApplication::sendEvent(&w, &close);
         return close.isAccepted();
       }},
  };
  for (const Pending& p : pending) {
    SCOPED_TRACE(p.name);
    ResetGlobals();
    ResetSceneGlobals();
    auto w = NewWindow();
    AddFunction(*w, "kept");
    chooser.answers = {path};
    w->RunCommand("mnuFileSave");
    ASSERT_TRUE(w->SavedFlag);
    const std::string saved = ReadAll(path);
    AddFunction(*w, "more");
    messages.recorder.clear();
    messages.recorder.script(MsgAnswer::Yes);
    {
      ScopedFileFaultHook fail([](FileStep s, int) {
        InjectedFault f;
        if (s == FileStep::Flush) f.error = ENOSPC;
        return f;
      });
      EXPECT_FALSE(p.run(*w));
    }
    EXPECT_FALSE(w->SavedFlag);
    EXPECT_EQ(GraphMode, 1);
    EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
    EXPECT_EQ(ReadAll(path), saved);
    ASSERT_EQ(messages.recorder.messages.size(), 2u);  // the question, then the failure
    EXPECT_EQ(messages.recorder.messages[1].text, "无法写入文件：\n" + path);
  }
}

}  // namespace
