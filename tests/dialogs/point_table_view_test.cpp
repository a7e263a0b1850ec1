// The point grid on screen: text that reaches the editor box without a key release, keys the
// box does not use, and control characters pressed on the grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>

#include "dialogs/data/point_table_view.h"

using namespace curvanta;

namespace {

// A grid of 60 points in a window too small to show them all, so that it scrolls.
class PointTableViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.grid.reset(1, 60);
    for (int32_t row = 1; row <= 60; ++row) editor.grid.setText(row, 1, "x" + std::to_string(row));
    view = std::make_unique<PointTableView>(editor, nullptr);
    view->resize(260, 200);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  QLineEdit* box() const { return view->editorBox(); }

  // A key press and release, sent to the box while it is open and to the grid otherwise.
  void Key(Qt::Key key, const QString& text = QString(), Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = box()->isVisible() ? static_cast<QWidget*>(box()) : view.get();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    target = box()->isVisible() ? static_cast<QWidget*>(box()) : view.get();
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
  }

  // Opens the box on the current cell with "1", then puts "2.5" in its place the way
  // `arrive` does (no key involved).
  void OpenWithArrivedText(const std::function<void(QLineEdit*)>& arrive) {
    Key(Qt::Key_1, "1");
    ASSERT_TRUE(box()->isVisible());
    box()->selectAll();
    arrive(box());
    ASSERT_EQ(box()->text(), "2.5");
    // The key release wrote "1"; the arrived text is not in the cell yet.
    ASSERT_EQ(editor.grid.text(editor.box.row, editor.box.column), "1");
  }

  PointTableEditor editor;
  std::unique_ptr<PointTableView> view;
};

void InputMethod(QLineEdit* box) {
  QInputMethodEvent event;
  event.setCommitString("2.5");
  QApplication::sendEvent(box, &event);
}

void Insert(QLineEdit* box) { box->insert("2.5"); }  // as a drop or a paste edits it

TEST_F(PointTableViewTest, AScrollCommitsWhatTheBoxShows) {
  const std::pair<const char*, void (*)(QLineEdit*)> ways[] = {{"input method", InputMethod},
                                                             {"insert", Insert}};
  for (const auto& [what, arrive] : ways) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(editor.grid.setCurrent(1, 1));
    editor.grid.setText(1, 1, "x1");
    view->relayout();
    view->verticalScrollBar()->setValue(0);
    OpenWithArrivedText(arrive);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    EXPECT_EQ(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(editor.grid.text(1, 1), "2.5");
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), "2.5");
  }
}

TEST_F(PointTableViewTest, KeysTheBoxDoesNotUseLeaveItOpenWithItsText) {
  const Qt::Key keys[] = {Qt::Key_F2, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_F5};
  for (Qt::Key key : keys) {
    SCOPED_TRACE(key);
    ASSERT_TRUE(editor.grid.setCurrent(2, 1));
    editor.grid.setText(2, 1, "x2");
    view->relayout();
    OpenWithArrivedText(InputMethod);
    Key(key);
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(box()->text(), "2.5");
    EXPECT_EQ(editor.grid.currentRow(), 2);
    Key(Qt::Key_Return, "\r");
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(editor.grid.text(2, 1), "2.5");
  }
}

TEST_F(PointTableViewTest, ControlCharactersOnTheGridOpenNoBox) {
  struct Press {
    const char* what;
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
  };
  const Press presses[] = {
      {"Escape", Qt::Key_Escape, QString(QChar(27)), {}},
      {"Backspace", Qt::Key_Backspace, QString(QChar(8)), {}},
      {"Ctrl+A", Qt::Key_A, QString(QChar(1)), Qt::ControlModifier},
      {"Ctrl+Z", Qt::Key_Z, QString(QChar(26)), Qt::ControlModifier},
  };
  for (const Press& p : presses) {
    SCOPED_TRACE(p.what);
    Key(p.key, p.text, p.modifiers);
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(editor.grid.text(1, 1), "x1");
  }
  // In the box they type nothing; Backspace deletes as the box's own editing does.
  Key(Qt::Key_1, "1");
  Key(Qt::Key_2, "2");
  Key(Qt::Key_B, QString(QChar(2)), Qt::ControlModifier);
  EXPECT_EQ(box()->text(), "12");
  Key(Qt::Key_Backspace, QString(QChar(8)));
  EXPECT_EQ(box()->text(), "1");
  EXPECT_EQ(editor.grid.text(1, 1), "1");
}

}  // namespace
