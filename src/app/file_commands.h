// The main window's document commands: File > Open, Save and Save As with their dialogs and
// save questions, Copy All and Cut All through the clipboard, the repaint-only entries, and
// Help through the desktop. Also the main window as the document loader sees it.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>

#include "document/document_load.h"

namespace curvanta {

class MainWindow;

inline constexpr const char* kHomePageAddress = "https://curvanta.example.org/";
inline constexpr const char* kServicePageAddress = "https://curvanta.example.org/support/";

// Puts a text on the clipboard (QClipboard in the program; tests record it).
using ClipboardWriter = std::function<void(const QString& text)>;

class FileCommands : public DocumentWindow {
 public:
  explicit FileCommands(MainWindow& window);

  // Adds the commands of this file to the window's command map.
  void Register(std::map<QString, std::function<void()>>& commands);

  // File > Open: the save question, the open dialog, the loader.
  void mnuFileOpen_Click();
  // File > Save: to the document's file, or one chosen in "保存文件"; true after a complete
  // write (also what Yes at a save question runs).
  bool mnuFileSave_Click();
  // File > Save As: always asks for the file ("文件另存为").
  bool mnuFileSaveAs_Click();
  // Copy All: the document kind, a blank and every graph's record, on the clipboard.
  void mnuGraphCopyAll_Click();
  // Cut All: Copy All, then every graph deleted.
  void mnuGraphCutAll_Click();
  // Help contents: the program's help page, opened by the desktop (as are the two web pages).
  void mnuHelpCon_Click();
  // Opens a document named on the command line or by the file manager; true when it
  // replaced the open document.
  bool OpenDocument(const QString& path);
  // Save and Save As are offered while the document holds a graph.
  void UpdateSaveEntries();

  // The file the document was opened from or last saved to ("" for none); a new
  // document has none.
  const std::string& DocumentPath() const { return path_; }
  void ForgetDocumentPath() { path_.clear(); }
  ClipboardWriter clipboard;  // empty: the system clipboard
  QString programDir;         // where Help looks for its page; empty: the running program's folder

  // DocumentWindow
  void clearDocument() override;
  void endSpin() override;
  void endPlayback() override;
  void setUpKind(int32_t graphMode) override;
  void startNew2D() override;
  void showAllLines() override;
  void displayFrame(int32_t frame) override;

 private:
  bool SaveTo(const std::string& dialogTitle);
  void Repaint();
  MainWindow& window_;
  std::string path_;
};

}  // namespace curvanta
