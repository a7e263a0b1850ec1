// The calculator dialog's wiring: captions and list, typing and computing, the keypad and
// the function list at the caret, "B", Enter, "取消" and the modal opener.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/ui/calculator_dialog.h"

using namespace curvanta;

namespace {

class CalculatorDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    (void)QTest::qWaitForWindowActive(&dlg);
    text1 = dlg.findChild<QLineEdit*>("Text1");
    text2 = dlg.findChild<QLineEdit*>("Text2");
    list1 = dlg.findChild<QListWidget*>("List1");
    ASSERT_TRUE(text1 && text2 && list1);
  }
  QPushButton* Button(const char* name) {
    auto* b = dlg.findChild<QPushButton*>(name);
    EXPECT_TRUE(b) << name;
    return b;
  }
  void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

  ScopedMessageRecorder rec;
  CalculatorDialog dlg;
  QLineEdit* text1 = nullptr;
  QLineEdit* text2 = nullptr;
  QListWidget* list1 = nullptr;
};

}  // namespace

TEST_F(CalculatorDialogTest, CaptionsAndList) {
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("数学计算器"));
  EXPECT_EQ(dlg.findChild<QLabel*>("Label1")->text(), QStringLiteral("表达式"));
  EXPECT_EQ(dlg.findChild<QLabel*>("Label2")->text(), QStringLiteral("函数"));
  EXPECT_EQ(dlg.findChild<QLabel*>("Label3")->text(), QStringLiteral("结果"));
  const std::pair<const char*, const char*> captions[] = {
      {"Command1", "1"},  {"Command9", "9"},  {"Command10", "0"},  {"Command11", "."},  {"Command12", "^"},
      {"Command13", "+"}, {"Command14", "-"}, {"Command15", "*"},  {"Command16", "/"},  {"Command17", "插入"},
      {"Command18", "计算"}, {"Command19", "清除"}, {"Command20", "取消"}, {"Command21", "B"},
      {"Command23", ")"}, {"Command24", "("},
  };
  for (const auto& [name, caption] : captions) EXPECT_EQ(Button(name)->text(), QString::fromUtf8(caption)) << name;
  EXPECT_EQ(Button("Command21")->toolTip(), QStringLiteral("回退"));
  EXPECT_EQ(dlg.findChild<QPushButton*>("Command22"), nullptr);
  for (QPushButton* b : dlg.findChildren<QPushButton*>()) EXPECT_FALSE(b->isDefault() || b->autoDefault());
  ASSERT_EQ(list1->count(), 28);
  EXPECT_EQ(list1->item(0)->text(), QStringLiteral("abs()"));
  EXPECT_EQ(list1->item(27)->text(), QStringLiteral("actanh()"));
  EXPECT_TRUE(text1->text().isEmpty());
  EXPECT_TRUE(text2->text().isEmpty());
}

TEST_F(CalculatorDialogTest, TypeAndCompute) {
  QTest::keyClicks(text1, "sin(30)");
  Click("Command18");
  EXPECT_NEAR(LeadingNumber(text2->text().toStdString()), 0.5, 1e-5);  // 3.1416 / 180 per degree
  EXPECT_TRUE(rec.recorder.messages.empty());

  // A comma number is cleaned in the expression box.
  text1->setText("1,5*2");
  Click("Command18");
  EXPECT_EQ(text1->text(), QStringLiteral("1.5*2"));
  EXPECT_EQ(text2->text(), QStringLiteral("3"));
}

TEST_F(CalculatorDialogTest, DivisionByZeroShowsOnceAndClearsTheFlag) {
  text2->setText("99");
  QTest::keyClicks(text1, "1/0");
  Click("Command18");
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0], (Message{"Devision by zero.", "出错", MsgIcon::Error}));
  EXPECT_TRUE(text2->text().isEmpty());
  EXPECT_FALSE(DivZeroIsError);
}

TEST_F(CalculatorDialogTest, KeypadAndListInsertAtTheCaret) {
  text1->setText("12");
  text1->setFocus();
  text1->setCursorPosition(1);
  Click("Command5");
  EXPECT_EQ(text1->text(), QStringLiteral("152"));
  EXPECT_EQ(text1->cursorPosition(), 2);

  // A selection is not replaced: the text goes in at its start.
  text1->setSelection(1, 2);
  Click("Command24");
  EXPECT_EQ(text1->text(), QStringLiteral("1(52"));
  EXPECT_EQ(text1->cursorPosition(), 2);

  Click("Command19");
  EXPECT_TRUE(text1->text().isEmpty());
  list1->setCurrentRow(7);  // "sin()"
  list1->item(7)->setSelected(true);
  Click("Command17");
  EXPECT_EQ(text1->text(), QStringLiteral("sin()"));
  EXPECT_EQ(text1->cursorPosition(), 5);
  Click("Command18");
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "字符 4：  缺少操作参数");
}

TEST_F(CalculatorDialogTest, BackspaceAndEnter) {
  text1->setText("12+3");
  text1->setFocus();
  text1->setCursorPosition(4);
  Click("Command21");
  EXPECT_EQ(text1->text(), QStringLiteral("12+"));
  EXPECT_EQ(text1->cursorPosition(), 3);
  text1->setCursorPosition(0);
  Click("Command21");
  EXPECT_EQ(text1->text(), QStringLiteral("12+"));

  // Enter belongs to the expression: no button is pressed.
  QTest::keyClick(text1, Qt::Key_Return);
  EXPECT_EQ(text1->text(), QStringLiteral("12+"));
  EXPECT_TRUE(text2->text().isEmpty());
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(rec.recorder.messages.empty());

  Click("Command20");
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(CalculatorOpener, ShowsModallyUntilClosed) {
  ScopedMessageRecorder rec;
  QString result;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dlg = qobject_cast<CalculatorDialog*>(QApplication::activeModalWidget());
    if (!dlg) return;
    seen = true;
    dlg->findChild<QLineEdit*>("Text1")->setText("u+v");
    dlg->findChild<QPushButton*>("Command18")->click();
    result = dlg->findChild<QLineEdit*>("Text2")->text();
    dlg->findChild<QPushButton*>("Command20")->click();
  });
  ShowCalculator(nullptr);
  EXPECT_TRUE(seen);
  EXPECT_EQ(result, QStringLiteral("2"));
}
