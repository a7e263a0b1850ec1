// The graph list beside the drawing: one check-box line per graph of the document, the
// checked ones shown. Keeps the shown scene in step with the check boxes, deletes graphs
// one at a time or all at once, opens the list's popup, and serves the dialogs and
// commands as their document host.
#pragma once

#include <QObject>
#include <QPointer>
#include <QListWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/document_host.h"

class QListWidget;
class QListWidgetItem;
class QMenu;

namespace curvanta {

// True when ViewScene holds a graph with this ID.
bool IsGraphShown(int32_t id);

// Brings ViewScene in line with the check boxes, line i standing for DocScene item i + 1:
// unchecked graphs leave it, newly checked ones join it at its end and are sampled afresh.
void BringViewInLine(const std::vector<bool>& checked);

class GraphList : public QObject, public DocumentHost {
  Q_OBJECT

 public:
  GraphList(QListWidget* list, QMenu* popup, QObject* parent = nullptr);

  // What the main window does for the host (each may stay empty).
  std::function<void()> onRebuildAndDisplay;
  std::function<void()> onRefresh;
  std::function<void()> onEnablePlayback;
  std::function<void(int)> onSetTimerInterval;
  std::function<std::pair<std::string, std::string>()> onReadOptionFields;
  std::function<void(const std::string&, const std::string&)> onWriteOptionFields;

  // List1_ItemCheck: the shown scene follows the check boxes, then rebuild and redraw.
  void List1_ItemCheck();
  // DeleteGraphAt with a position from 1; DeleteAllGraphs.
  void DeleteGraphAt(int position);
  void DeleteAllGraphs();
  // Edit > Delete and the popup's Delete: the current line's graph, or a warning when
  // there is no current line. Cut: Copy (which does nothing) then Delete.
  void mnuEditDelete_Click();
  void mnuEditCut_Click();

  // DocumentHost
  int currentLine() const override;
  int lineCount() const override;
  bool isLineChecked(int line) const override;
  void appendLine(const std::string& text) override;
  std::string lineText(int line) const override;
  void setLineText(int line, const std::string& text) override;
  void checkLine(int line) override;
  void rebuildAndDisplay() override;
  void refresh() override;
  void enablePlayback() override;
  std::pair<std::string, std::string> animOptionFields() override;
  void setAnimOptionFields(const std::string& frames, const std::string& speed) override;
  void setTimerInterval(int milliseconds) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnItemChanged(QListWidgetItem* item);
  // Leaves the list with no current line until the user picks one.
  void ClearCurrentLine();
  std::vector<bool> CheckStates() const;

  QPointer<QListWidget> list_;
  QPointer<QWidget> viewport_;
  QPointer<QMenu> popup_;
  std::vector<bool> known_;  // the check states the scenes follow
  std::pair<std::string, std::string> optionFields_;
  bool optionFieldsSet_ = false;
};

}  // namespace curvanta
