// The graph list: check boxes in step with the shown scene, deletion, the popup, and the
// host services the dialogs and commands use.
#include "app/graph_list.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "common/globals.h"
#include "common/message_service.h"
#include "scene/scene_globals.h"

namespace curvanta {

bool IsGraphShown(int32_t id) {
  for (const auto& [key, item] : ViewScene.FunSurfs)
    if (item->ID == id) return true;
  return false;
}

void BringViewInLine(const std::vector<bool>& checked) {
  const int32_t n = DocScene.FunSurfs.Count();
  for (int32_t i = 1; i <= n; ++i) {
    const std::shared_ptr<GraphItem> graph = DocScene.FunSurfs.Item(i);
    const bool on = static_cast<size_t>(i - 1) < checked.size() && checked[i - 1];
    const bool shown = IsGraphShown(graph->ID);
    const std::string key = std::to_string(graph->ID);
    if (!on && shown) {
      if (ViewScene.FunSurfs.Contains(key)) ViewScene.FunSurfs.Remove(key);
    } else if (on && !shown) {
      ViewScene.FunSurfs.Add(graph, key);
      try {
        graph->GetPoints();  // sampled afresh; the drawing shows what it left
      } catch (...) {
      }
    }
  }
}

GraphList::GraphList(QListWidget* list, QMenu* popup, QObject* parent)
    : QObject(parent), list_(list), popup_(popup) {
  connect(list_, &QListWidget::itemChanged, this, &GraphList::OnItemChanged);
  viewport_ = list_->viewport();
  viewport_->installEventFilter(this);
  list_->setContextMenuPolicy(Qt::NoContextMenu);
  ClearCurrentLine();
}

void GraphList::ClearCurrentLine() {
  // Through the view, not the list: the view then counts "no current line" as chosen and
  // no longer makes the first line current when it gets the focus.
  list_->QAbstractItemView::setCurrentIndex(QModelIndex());
}

std::vector<bool> GraphList::CheckStates() const {
  std::vector<bool> states;
  for (int i = 0; i < list_->count(); ++i)
    states.push_back(list_->item(i)->checkState() != Qt::Unchecked);
  return states;
}

void GraphList::OnItemChanged(QListWidgetItem*) {
  // itemChanged also fires for a new text: only a changed check box counts.
  if (CheckStates() == known_) return;
  List1_ItemCheck();
}

void GraphList::List1_ItemCheck() {
  known_ = CheckStates();
  BringViewInLine(known_);
  rebuildAndDisplay();
}

void GraphList::DeleteGraphAt(int position) {
  if (DocScene.FunSurfs.Count() == 0) return;
  if (position < 1 || position > DocScene.FunSurfs.Count()) return;
  const std::string key = std::to_string(DocScene.FunSurfs.Item(position)->ID);
  if (ViewScene.FunSurfs.Contains(key)) ViewScene.FunSurfs.Remove(key);
  DocScene.FunSurfs.Remove(key);
  if (position - 1 < list_->count()) {
    QSignalBlocker block(list_);
    delete list_->takeItem(position - 1);
    ClearCurrentLine();  // no neighbour becomes current
  }
  known_ = CheckStates();
  rebuildAndDisplay();
}

void GraphList::DeleteAllGraphs() {
  ViewScene.FunSurfs.Clear();
  DocScene.FunSurfs.Clear();
  {
    QSignalBlocker block(list_);
    list_->clear();
    ClearCurrentLine();
  }
  known_.clear();
  rebuildAndDisplay();
}

void GraphList::mnuEditDelete_Click() {
  const int line = list_->currentRow();
  if (line < 0 || line >= list_->count()) {
    ShowMessage("请先选择一个函数", "警告", MsgIcon::Exclamation);
    return;
  }
  DeleteGraphAt(line + 1);
}

void GraphList::mnuEditCut_Click() { mnuEditDelete_Click(); }

bool GraphList::eventFilter(QObject* watched, QEvent* event) {
  if (viewport_ && watched == viewport_.data() && event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      // The popup acts on the current line: a right press on a line makes it current
      // first; below the last line the current line (or none) stays.
      if (QListWidgetItem* line = list_->itemAt(mouse->position().toPoint()))
        list_->setCurrentItem(line);
      if (popup_) popup_->popup(mouse->globalPosition().toPoint());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

int GraphList::currentLine() const { return list_->currentRow(); }
int GraphList::lineCount() const { return list_->count(); }

bool GraphList::isLineChecked(int line) const {
  QListWidgetItem* item = list_->item(line);
  return item != nullptr && item->checkState() != Qt::Unchecked;
}

void GraphList::appendLine(const std::string& text) {
  QSignalBlocker block(list_);
  auto* item = new QListWidgetItem(QString::fromStdString(text));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Unchecked);
  list_->addItem(item);
  known_.push_back(false);
}

std::string GraphList::lineText(int line) const {
  const QListWidgetItem* item = list_ ? list_->item(line) : nullptr;
  return item ? item->text().toStdString() : std::string();
}

void GraphList::setLineText(int line, const std::string& text) {
  QListWidgetItem* item = list_->item(line);
  if (item == nullptr) return;
  QSignalBlocker block(list_);
  item->setText(QString::fromStdString(text));
}

void GraphList::checkLine(int line) {
  QListWidgetItem* item = list_->item(line);
  if (item == nullptr) return;
  {
    QSignalBlocker block(list_);
    item->setCheckState(Qt::Checked);
  }
  List1_ItemCheck();
}

void GraphList::rebuildAndDisplay() {
  if (onRebuildAndDisplay) onRebuildAndDisplay();
}

void GraphList::refresh() {
  if (onRefresh) onRefresh();
}

void GraphList::enablePlayback() {
  if (onEnablePlayback) onEnablePlayback();
}

std::pair<std::string, std::string> GraphList::animOptionFields() {
  if (onReadOptionFields) return onReadOptionFields();
  // Without the options dialog: the fields as its load fills them.
  if (!optionFieldsSet_) return {std::to_string(AnimFrameCount), std::to_string(AnimSpeed)};
  return optionFields_;
}

void GraphList::setAnimOptionFields(const std::string& frames, const std::string& speed) {
  if (onWriteOptionFields) {
    onWriteOptionFields(frames, speed);
    return;
  }
  optionFields_ = {frames, speed};
  optionFieldsSet_ = true;
}

void GraphList::setTimerInterval(int milliseconds) {
  if (onSetTimerInterval) onSetTimerInterval(milliseconds);
}

}  // namespace curvanta
