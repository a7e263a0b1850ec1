// The program's own file dialog when a file is written: a name typed without extension gets
// the writer's extension before the dialog asks about replacing an existing file, so the
// question is about the file that is written.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>
#include <functional>

#include "app/file_commands.h"
#include "app/graph_list.h"
#include "app/main_window.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/file_chooser.h"
#include "dialogs/data/table_2d_dialog.h"
#include "dialogs/data/table_2d_dialog_state.h"
#include "scene/scene_globals.h"
#include "support/main_window_setup.h"

using namespace curvanta;

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Works the file dialog that `run` opens: types `typed` and presses the accept button; when
// the replace question comes, keeps its text and answers `answer`; a dialog still open after
// No is cancelled. Returns the question's text ("" when none was asked).
QString DriveSaveDialog(const QString& typed, QMessageBox::StandardButton answer,
                        const std::function<void()>& run) {
  QString question;
  bool typedIn = false;
  QElapsedTimer clock;
  clock.start();
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (clock.elapsed() > 20000) {  // something else is open: give up rather than hang
      if (modal) modal->close();
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      question = box->text();
      box->button(answer)->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      if (typedIn) {
        dialog->reject();  // still open after No at the question
        return;
      }
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(name, nullptr);
      name->setText(typed);
      typedIn = true;
      // Queued: the replace question runs its own loop, in which this timer must fire again.
      QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }
  });
  driver.start(20);
  run();
  driver.stop();
  return question;
}

struct SaveDialogTest : ::testing::Test, MainWindowTestSetUp {
  ScopedFileChooser realDialogs{nullptr};
  ScopedMessageRecorder messages;
};

TEST_F(SaveDialogTest, TheQuestionIsAboutTheNameWithItsExtension) {
  auto window = std::make_unique<MainWindow>();
  window->Load(options);
  auto g = std::make_shared<GraphItem>();
  g->GraphType = 0;
  g->CoordType = 1;
  g->FunForm = 2;
  g->ExpressZ = "x";
  g->StepV = 10;
  g->MaxV = 1;
  g->ID = ++LastGraphID;
  DocScene.FunSurfs.Add(g);
  ViewScene.FunSurfs.Add(g);
  window->GraphListHost()->appendLine("二维曲线  y=x");
  Table2DDialog table(Table2DLoad(), [](Table2DDialogState&) { return true; });

  struct Case {
    const char* command;
    const char* written;  // the file the typed name "doc" stands for
    std::function<void()> run;
  };
  const Case cases[] = {
      {"save", "doc.pgp", [&] { window->RunCommand("mnuFileSave"); }},
      {"save as", "doc.pgp", [&] { window->RunCommand("mnuFileSaveAs"); }},
      {"export", "doc.txt", [&] { table.findChild<QPushButton*>("Command2")->click(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    window->Files().ForgetDocumentPath();
    const std::string written = tmp.filePath(c.written).toStdString();
    std::ofstream(written, std::ios::binary) << "old";
    const QString typed = tmp.filePath("doc");
    // No at the question: nothing is written.
    QString question = DriveSaveDialog(typed, QMessageBox::No, c.run);
    EXPECT_TRUE(question.contains(QLatin1String(c.written))) << question.toStdString();
    EXPECT_EQ(ReadAll(written), "old");
    EXPECT_FALSE(QFile::exists(typed));
    // Yes: that file is replaced.
    question = DriveSaveDialog(typed, QMessageBox::Yes, c.run);
    EXPECT_TRUE(question.contains(QLatin1String(c.written))) << question.toStdString();
    EXPECT_NE(ReadAll(written), "old");
    EXPECT_FALSE(QFile::exists(typed));
    EXPECT_TRUE(messages.recorder.messages.empty()) << (messages.recorder.messages.empty() ? "" : messages.recorder.messages[0].text);
    if (c.written == std::string("doc.pgp")) {
      EXPECT_EQ(window->Files().DocumentPath(), written);
    }
  }
}

}  // namespace
