// File, Edit and Help commands of the main window that deal with documents.
#include "app/file_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalBlocker>
#include <QUrl>

#include "app/animation_playback.h"
#include "app/graph_list.h"
#include "app/main_window.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/file_chooser.h"
#include "document/document_writer.h"
#include "document/records.h"
#include "platform/help_page.h"
#include "platform/url_opener.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"

namespace curvanta {

namespace {
const char kDocumentFilter[] = "(*.pgp)";
}

FileCommands::FileCommands(MainWindow& window) : window_(window) {}

void FileCommands::Register(std::map<QString, std::function<void()>>& commands) {
  commands[QStringLiteral("mnuFileOpen")] = [this] { mnuFileOpen_Click(); };
  commands[QStringLiteral("mnuFileSave")] = [this] { mnuFileSave_Click(); };
  commands[QStringLiteral("mnuFileSaveAs")] = [this] { mnuFileSaveAs_Click(); };
  commands[QStringLiteral("mnuGraphCopyAll")] = [this] { mnuGraphCopyAll_Click(); };
  commands[QStringLiteral("mnuGraphCutAll")] = [this] { mnuGraphCutAll_Click(); };
  commands[QStringLiteral("mnuHelpCon")] = [this] { mnuHelpCon_Click(); };
  commands[QStringLiteral("mnuHelpHome")] = [] { OpenUrl(QUrl(QString::fromLatin1(kHomePageAddress))); };
  commands[QStringLiteral("mnuHelpCus")] = [] { OpenUrl(QUrl(QString::fromLatin1(kServicePageAddress))); };
  // Print and Copy As only redraw (Copy As when something is shown).
  commands[QStringLiteral("mnuFilePrint")] = [this] { Repaint(); };
  auto copyAs = [this] {
    if (ViewScene.FunSurfs.Count() > 0) Repaint();
  };
  commands[QStringLiteral("mnuEditCopyAs")] = copyAs;
  commands[QStringLiteral("mnuGraphCopyAs")] = copyAs;
}

void FileCommands::mnuFileOpen_Click() {
  window_.picDraw()->navigator().ToolsOff();
  if (DocScene.FunSurfs.Count() > 0) {
    const MsgAnswer a =
        ShowMessage("保存图形吗？", "注意", MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (a == MsgAnswer::Yes && !mnuFileSave_Click()) return;
    if (a != MsgAnswer::Yes && a != MsgAnswer::No) return;
  }
  const std::string path = CurrentFileChooser().open("打开文件", kDocumentFilter, &window_);
  OpenDocument(QString::fromStdString(path));
}

bool FileCommands::OpenDocument(const QString& path) {
  const std::string p = path.toStdString();
  if (LoadDocument(p, *window_.GraphListHost(), *this) != LoadOutcome::Loaded) return false;
  path_ = QFileInfo(path).absoluteFilePath().toStdString();
  return true;
}

bool FileCommands::mnuFileSave_Click() {
  if (path_.empty()) return SaveTo("保存文件");
  window_.SavedFlag = false;
  if (!SaveDocumentFile(path_)) return false;
  window_.SavedFlag = true;
  return true;
}

bool FileCommands::mnuFileSaveAs_Click() { return SaveTo("文件另存为"); }

bool FileCommands::SaveTo(const std::string& dialogTitle) {
  window_.SavedFlag = false;
  // The dialog adds ".pgp" to a name without extension before it asks about replacing.
  const std::string path = CurrentFileChooser().save(dialogTitle, kDocumentFilter, "pgp", &window_);
  if (path.empty()) return false;
  if (!SaveDocumentFile(path)) return false;
  path_ = path;
  window_.SavedFlag = true;
  return true;
}

void FileCommands::mnuGraphCopyAll_Click() {
  const QString text = QString::fromStdString(std::to_string(GraphMode) + " " + Save(DocScene));
  if (clipboard)
    clipboard(text);
  else
    QApplication::clipboard()->setText(text);
}

void FileCommands::mnuGraphCutAll_Click() {
  mnuGraphCopyAll_Click();
  window_.mnuGraphDelAll_Click();
}

void FileCommands::mnuHelpCon_Click() {
  const QString dir = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
  QString page = FindHelpPage(dir);
  // Without a page the desktop is still asked for the one beside the program; whatever it
  // makes of that, nothing is shown here.
  if (page.isEmpty()) page = dir + QLatin1Char('/') + QString::fromLatin1(kHelpPageName);
  OpenUrl(QUrl::fromLocalFile(page));
}

void FileCommands::UpdateSaveEntries() {
  const bool any = DocScene.FunSurfs.Count() > 0;
  for (const char* name : {"mnuFileSave", "mnuFileSaveAs", "barSave", "barSaveAs"})
    for (QAction* a : window_.findChildren<QAction*>(QString::fromLatin1(name))) a->setEnabled(any);
}

void FileCommands::Repaint() { window_.Display(AnimFrame); }

void FileCommands::clearDocument() { window_.mnuGraphDelAll_Click(); }

void FileCommands::endSpin() {
  window_.picDraw()->StopSpin();  // not for good: the next turning drag spins again
}

void FileCommands::endPlayback() { window_.Player()->Pause(); }

void FileCommands::setUpKind(int32_t graphMode) {
  window_.picDraw()->navigator().state.TrackballActive = false;
  if (graphMode == 1) window_.EnableCommands2D();
  if (graphMode == 2) window_.EnableCommands25D();
  if (graphMode == 3) window_.EnableCommands3D();
}

void FileCommands::startNew2D() { window_.mnuFileNew2D_Click(); }

void FileCommands::showAllLines() {
  QListWidget* list = window_.List1();
  {
    QSignalBlocker block(list);
    for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(Qt::Checked);
  }
  window_.GraphListHost()->List1_ItemCheck();
}

void FileCommands::displayFrame(int32_t frame) { window_.Display(frame); }

}  // namespace curvanta
