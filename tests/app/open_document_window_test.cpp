// Opening a document into a shown window and at start from the command line: the spin is
// free to start again afterwards, and a load shows each of its messages once, also when
// the first compile has to wait for the GL context.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <algorithm>

#include "support/shown_window.h"
#include "app/file_commands.h"
#include "app/graph_list.h"
#include "common/message_service.h"
#include "document/document_writer.h"
#include "expr/engine_texts.h"

using namespace curvanta;

namespace {

class OpenDocumentWindow : public ShownWindowBase {
 protected:
  // Saves a document of `kind` holding one graph y = expression over x in [-1, 1], with a
  // tangent at x = -0.5 (which the drawing evaluates as it compiles).
  std::string SaveDocument(int kind, const std::string& expression, const char* name) {
    if (kind == 3)
      window->mnuFileNew3D_Click();
    else
      window->mnuFileNew2D_Click();
    auto g = std::make_shared<GraphItem>();
    g->GraphType = 0;
    g->CoordType = 1;
    g->FunForm = 2;
    g->ExpressX = "0";
    g->ExpressY = "x";
    g->ExpressZ = expression;
    g->StepV = 20;
    g->MinV = -1;
    g->MaxV = 1;
    g->Show2DCurve = true;
    g->ShowQie = true;
    g->QieNum = 1;
    g->SetQieX(1, -0.5f);
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g);
    const std::string path = tmp.filePath(name).toStdString();
    EXPECT_TRUE(SaveDocumentFile(path));
    window->mnuGraphDelAll_Click();
    return path;
  }
  std::string FileBytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
  }
  std::string WriteFile(const char* name, const std::string& bytes) {
    const QString path = tmp.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
    return path.toStdString();
  }
  // A new window that opens `path` from its command line, then shows.
  void RestartWith(const std::string& path) {
    window->picDraw()->StopSpinningForGood();
    window.reset();
    ResetSceneGlobals();
    ResetGlobals();
    window = std::make_unique<MainWindow>();
    window->Load(LoadOptionsWith({"curvanta", QString::fromStdString(path)}));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    area = window->picDraw();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !area->listsStale(); }, 5000));
  }
  // A turning drag released while moving: true when the model goes on turning after it.
  bool DragSpins() {
    window->RunCommand("mnuViewRotate");
    const QPoint c(area->width() / 2, area->height() / 2);
    Send(QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, c + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, c + QPoint(20, 0), Qt::LeftButton, Qt::NoButton);
    if (!area->spinTimer()->isActive()) return false;
    const Vec4 released = area->nav().RotationQuat;
    return QTest::qWaitFor([&] { return area->nav().RotationQuat != released; }, 5000);
  }
  int Count(const ScopedMessageRecorder& messages, const char* text) {
    return int(std::count_if(messages.recorder.messages.begin(), messages.recorder.messages.end(),
                             [&](const Message& m) { return m.text == text; }));
  }
};

}  // namespace

TEST_F(OpenDocumentWindow, OpeningEndsASpinAndTheNextDragSpinsAgain) {
  const std::string path = SaveDocument(3, "x", "turning.pgp");
  // The same document with the kind digit that keeps the kind in force.
  std::string bytes = FileBytes(path);
  ASSERT_EQ(bytes.substr(4, 3), "S46");
  bytes[6] = '7';
  const std::string keepingKind = WriteFile("keeping.pgp", bytes);
  const std::string bad = WriteFile("bad.pgp", std::string("\x08\x00\x03\x00S99", 7));
  window->mnuFileNew3D_Click();
  for (const std::string& p : {path, keepingKind}) {
    ASSERT_TRUE(DragSpins()) << p;
    ASSERT_TRUE(window->Files().OpenDocument(QString::fromStdString(p))) << p;
    EXPECT_EQ(GraphMode, 3) << p;
    EXPECT_FALSE(area->nav().Spinning) << p;
    EXPECT_FALSE(area->spinTimer()->isActive()) << p;
  }
  // A file that does not open changes nothing, the spin included.
  ASSERT_TRUE(DragSpins());
  EXPECT_FALSE(window->Files().OpenDocument(QString::fromStdString(bad)));
  EXPECT_TRUE(area->nav().Spinning);
  EXPECT_TRUE(area->spinTimer()->isActive());
  EXPECT_TRUE(DragSpins());

  RestartWith(path);
  EXPECT_EQ(GraphMode, 3);
  EXPECT_TRUE(DragSpins());
}

TEST_F(OpenDocumentWindow, ALoadShowsEachMessageOnce) {
  const std::string path = SaveDocument(1, "log(x)", "log.pgp");
  {
    ScopedMessageRecorder messages;
    ASSERT_TRUE(window->Files().OpenDocument(QString::fromStdString(path)));
    QTest::qWait(50);
    EXPECT_EQ(Count(messages, texts::kLogDomain), 1) << "window up";
  }
  {
    ScopedMessageRecorder messages;
    RestartWith(path);
    ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
    QTest::qWait(50);
    EXPECT_EQ(Count(messages, texts::kLogDomain), 1) << "command line";
    // A later compile is an operation of its own and shows the message again.
    window->BuildSceneLists();
    EXPECT_EQ(Count(messages, texts::kLogDomain), 2);
  }
}
