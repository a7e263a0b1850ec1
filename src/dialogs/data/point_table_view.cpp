// The point grid's view, its model and the editor box's key handling.
#include "dialogs/data/point_table_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>

namespace curvanta {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

int KeyCode(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Left:
      return GridKey::Left;
    case Qt::Key_Up:
      return GridKey::Up;
    case Qt::Key_Right:
      return GridKey::Right;
    case Qt::Key_Down:
      return GridKey::Down;
    default:
      return GridKey::Other;
  }
}

int Modifiers(const QKeyEvent* e) {
  int bits = 0;
  const Qt::KeyboardModifiers m = e->modifiers();
  if (m & Qt::ShiftModifier) bits |= GridKey::ShiftBit;
  if (m & Qt::ControlModifier) bits |= GridKey::CtrlBit;
  if (m & Qt::AltModifier) bits |= GridKey::AltBit;
  return bits;
}

// The character a key press carries (0 for none): Tab and Enter by their keys, otherwise
// the first character of the text (Delete, which no typed character stands for, gives none).
char32_t CharacterOf(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return kTabChar;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kEnterChar;
    default:
      break;
  }
  const QList<uint> code = e->text().toUcs4();
  if (code.isEmpty() || code.front() == 127) return 0;
  return char32_t(code.front());
}

// The editor box. Every key it is sent stays with it: a key it has no use for (F2, Page Up,
// Page Down) would otherwise reach the grid, whose key-down closes the box.
class EditorBoxLine : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QLineEdit::keyPressEvent(event);
    event->accept();
  }
};

}  // namespace

int PointTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.pointRows();
}

int PointTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.columnCount();
}

QVariant PointTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return Q(grid_.text(index.row() + 1, index.column()));
  if (index.column() == 0 && role == Qt::BackgroundRole)
    return QApplication::palette().color(QPalette::Button);
  if (index.column() == 0 && role == Qt::ForegroundRole)
    return QApplication::palette().color(QPalette::ButtonText);
  return {};
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return Q(grid_.text(0, section));
  return {};
}

Qt::ItemFlags PointTableModel::flags(const QModelIndex& index) const {
  // Label cells are never current: the mouse cannot pick them.
  if (!index.isValid() || index.column() == 0) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void PointTableModel::relayout() {
  beginResetModel();
  endResetModel();
}

void PointTableModel::textsChanged() {
  if (rowCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

PointTableView::PointTableView(PointTableEditor& editor, QWidget* parent)
    : QTableView(parent), editor_(editor), model_(new PointTableModel(editor.grid, this)) {
  box_ = new EditorBoxLine(viewport());
  box_->setFrame(false);
  box_->hide();
  box_->installEventFilter(this);
  syncing_ = true;
  setModel(model_);
  syncing_ = false;
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  // Twips at 96 dpi: 15 to the pixel (label column 800, data columns 1500, header row 500).
  horizontalHeader()->setMinimumHeight(500 / 15);
  horizontalHeader()->setDefaultSectionSize(1500 / 15);
  setColumnWidth(0, 800 / 15);
  applyEditor();
}

void PointTableView::relayout() {
  syncing_ = true;
  model_->relayout();
  setColumnWidth(0, 800 / 15);
  syncing_ = false;
  applyEditor();
}

void PointTableView::applyEditor() {
  syncing_ = true;
  model_->textsChanged();
  const PointTableGrid& grid = editor_.grid;
  if (grid.hasCurrentDataCell()) {
    const QModelIndex index = model_->index(grid.currentRow() - 1, grid.currentColumn());
    if (currentIndex() != index) setCurrentIndex(index);
    scrollTo(index);
  }
  syncing_ = false;
  const EditorBox& box = editor_.box;
  if (box.visible) {
    const QRect cell = visualRect(model_->index(box.row - 1, box.column));
    box_->setGeometry(cell.adjusted(1, 1, -1, -1));
    const QString text = Q(box.text);
    if (box_->text() != text) box_->setText(text);
    box_->setCursorPosition(int(box.caret));
    box_->show();
    box_->raise();
    box_->setFocus(Qt::OtherFocusReason);
  } else if (box_->isVisible()) {
    const bool hadFocus = box_->hasFocus();
    box_->hide();
    if (hadFocus) editor_.focusToGrid = true;
  }
  if (editor_.focusToGrid) {
    editor_.focusToGrid = false;
    setFocus(Qt::OtherFocusReason);
  }
}

bool PointTableView::event(QEvent* event) {
  // Tab and Shift+Tab belong to the grid's rules, not to the focus chain.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QTableView::event(event);
}

void PointTableView::keyPressEvent(QKeyEvent* event) {
  const int modifiers = event->key() == Qt::Key_Backtab ? GridKey::ShiftBit : Modifiers(event);
  editor_.gridKeyDown(KeyCode(event), modifiers);
  if (const char32_t ch = CharacterOf(event)) editor_.gridKeyPress(ch);
  switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      QTableView::keyPressEvent(event);  // the grid's own paging; currentChanged follows
      break;
    default:
      break;
  }
  applyEditor();
  event->accept();
}

void PointTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (syncing_) return;
  // A current cell chosen with the mouse: the box's text goes into its own cell first.
  takeBoxText();
  editor_.commitBox();
  if (current.isValid()) editor_.grid.setCurrent(current.row() + 1, current.column());
  applyEditor();
}

void PointTableView::scrollContentsBy(int dx, int dy) {
  if (editor_.box.visible && !syncing_) {
    takeBoxText();
    editor_.commitBox();
    applyEditor();
  }
  QTableView::scrollContentsBy(dx, dy);
}

bool PointTableView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return QTableView::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
      return boxKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
      boxKeyRelease();
      return false;
    case QEvent::FocusOut:
      if (editor_.box.visible && box_->isVisible()) {
        takeBoxText();
        editor_.commitBox();
        editor_.focusToGrid = false;  // the focus went where the user sent it
        applyEditor();
      }
      return false;
    default:
      return false;
  }
}

bool PointTableView::boxKeyPress(QKeyEvent* event) {
  editor_.box.text = box_->text().toStdString();
  editor_.box.caret = size_t(box_->text().left(box_->cursorPosition()).toUcs4().size());
  const bool backtab = event->key() == Qt::Key_Backtab;
  if (editor_.boxKeyDown(KeyCode(event), backtab ? GridKey::ShiftBit : Modifiers(event))) {
    applyEditor();
    return true;
  }
  // Escape neither closes the box nor restores its text (nor cancels the dialog).
  if (event->key() == Qt::Key_Escape) return true;
  const char32_t ch = CharacterOf(event);
  if (ch == kTabChar || ch == kEnterChar) {
    editor_.boxKeyPress(ch);
    applyEditor();
    return true;
  }
  return false;  // typed by the box itself
}

void PointTableView::takeBoxText() {
  if (editor_.box.visible && box_->isVisible()) editor_.box.text = box_->text().toStdString();
}

void PointTableView::boxKeyRelease() {
  if (!editor_.box.visible) return;
  editor_.box.text = box_->text().toStdString();
  editor_.boxKeyUp();
  model_->textsChanged();
}

}  // namespace curvanta
