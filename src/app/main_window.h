// The main window: menus, toolbars, status bar, graph list, result box, the two
// splitter bars and the drawing area; its life cycle and the document kinds.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/command_sets.h"
#include "app/file_commands.h"
#include "app/layout.h"
#include "app/toolbar_tables.h"
#include "draw/ui/text_edit_report_sink.h"
#include "platform/file_association.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;

namespace curvanta {

class AnimationPlayer;
class DrawArea;
class GraphList;
class SplitterBar;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // What the load step takes from outside: the command line and where the association goes.
  struct LoadOptions {
    QStringList arguments;             // as QCoreApplication::arguments()
    bool writeAssociation = true;
    curvanta::FileAssociationPaths association;  // empty dataHome: the user's XDG directory
    curvanta::ProcessRunner processRunner;       // empty: start update-mime-database detached
    // Opens a document; true when it replaced the current one. Empty: the document loader.
    std::function<bool(const QString& path)> loadDocument;
  };

  // Form_Initialize: the shared objects, then the window's controls.
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Form_Load.
  void Load(const LoadOptions& options);

  // Commands, named after their menu entries.
  void mnuFileNew2D_Click();
  void mnuFileNew25D_Click();
  void mnuFileNew3D_Click();
  void mnuFileExit_Click();
  void mnuEditDelAll_Click();
  void mnuGraphDelAll_Click();
  void EnableCommands2D();
  void EnableCommands25D();
  void EnableCommands3D();
  // Enables the eleven playback entries and Toolbar2 buttons 13..23.
  void EnablePlayback();
  // Recompiles the display lists of the shown scene / draws a frame (MainWindow.Display).
  void BuildSceneLists();
  void Display(int32_t animFrame);
  // The coordinate-system and light commands of the Draw menu and the drawing area's popup.
  void mnuDrawAxis_Click();
  void mnuDrawLight_Click();
  // The animation options ("选项..."): frame count and speed; a new count resamples.
  void mnuAniOpt_Click();
  // The animation player behind the playback entries and Timer1.
  curvanta::AnimationPlayer* Player() const { return player_; }

  // Runs the command of a menu entry or toolbar action by its object name.
  void RunCommand(const QString& name);
  // True when a command is registered under that name.
  bool HasCommand(const QString& name) const { return commands_.count(name) > 0; }
  // Tests see every command name before it runs; a watcher that returns true swallows it.
  void SetCommandWatcher(std::function<bool(const QString&)> watcher) {
    commandWatcher_ = std::move(watcher);
  }

  // Controls, for the other parts of the program and for tests.
  QAction* Action(const QString& objectName) const;
  QAction* ToolbarAction(curvanta::Bar bar, int index) const;  // 1-based, separators counted
  QToolBar* Toolbar(curvanta::Bar bar) const;
  QListWidget* List1() const { return list1_; }
  // The graph list's services for the dialogs and commands.
  curvanta::GraphList* GraphListHost() const { return graphList_; }
  QPlainTextEdit* Result() const { return result_; }
  curvanta::DrawArea* picDraw() const { return picDraw_; }
  QLabel* StatusHint() const { return statusHint_; }
  QMenu* FunEdit() const { return funEdit_; }
  QMenu* GraphEdit() const { return graphEdit_; }
  QTimer* Timer1() const { return timer1_; }
  curvanta::FileCommands& Files() const { return *files_; }

  // Window fields of the life cycle.
  bool SavedFlag = false;
  // Where the user left the bars (twips); a small window may show them moved (Form_Resize).
  int SplitterLeft() const { return splitterLeft_; }
  int Splitter2Top() const { return splitter2Top_; }
  bool SplitterDragging() const { return splitterDragging_; }
  // Lays the panes out again (Form_Resize).
  void Form_Resize();

  // Counts of the file association writes of the last load (for tests).
  bool associationWritten() const { return associationWritten_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<curvanta::TextEditReportSink> report_;
  std::unique_ptr<curvanta::FileCommands> files_;
  void BuildMenus();
  void BuildToolbars();
  void BuildCentralArea();
  void RegisterGraphCommands();
  void RegisterPlaybackCommands();
  QMenu* AddMenu(QMenu* parent, const char* name, const char* caption);
  QAction* AddEntry(QMenu* menu, const char* name, const char* caption, bool enabled = true,
                    const char* shortcut = nullptr);
  void EnableCommands(int graphMode);
  void NewDocument(int kind);
  void ApplyKindSettings(int kind);
  void DeleteAllGraphs();
  bool SaveDocument();
  int TwipsPerPixel() const { return 15; }
  int ToolbarThicknessTwips() const;
  int StatusHeightTwips() const;
  // The least height (and width) a pane keeps: two lines of the list's and the result box's
  // text with their frames.
  int LeastPaneTwips() const;
  void OnSplitterPressed(bool vertical);
  void OnSplitterMoved(bool vertical, int deltaPixels);
  void OnSplitterReleased(bool vertical);
  void UpdateHint(QToolBar* bar, const QPoint& globalPos);
  void SetProjection(int32_t type);
  void SetSelectedGraphLook(bool show, int32_t value);

  std::map<QString, std::function<void()>> commands_;
  std::function<bool(const QString&)> commandWatcher_;
  std::map<QString, QAction*> actions_;
  std::vector<QAction*> toolbarActions_[3];
  QToolBar* toolbars_[3] = {nullptr, nullptr, nullptr};
  QListWidget* list1_ = nullptr;
  curvanta::GraphList* graphList_ = nullptr;
  QPlainTextEdit* result_ = nullptr;
  QWidget* central_ = nullptr;
  curvanta::DrawArea* picDraw_ = nullptr;
  curvanta::SplitterBar* splitter_ = nullptr;
  curvanta::SplitterBar* splitter2_ = nullptr;
  QLabel* statusHint_ = nullptr;
  QMenu* funEdit_ = nullptr;
  QMenu* graphEdit_ = nullptr;
  QTimer* timer1_ = nullptr;
  curvanta::AnimationPlayer* player_ = nullptr;

  int splitterLeft_ = curvanta::kSplitterStartLeft;
  int splitter2Top_ = 0;
  // Where the last layout put the bars (twips): a drag starts from there.
  int shownSplitterLeft_ = curvanta::kSplitterStartLeft;
  int shownSplitter2Top_ = 0;
  bool splitter2Placed_ = false;
  bool splitterDragging_ = false;
  bool loaded_ = false;
  bool closing_ = false;
  bool associationWritten_ = false;
};

}  // namespace curvanta
