// The 2D function dialog's widgets: OK pressed while another page is current reads the
// definition fields all the same; handlers keep widgets and state in step.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/function/function_2d_accept.h"
#include "dialogs/function/function_2d_dialog.h"
#include "dialogs/function/two_row_tabs.h"

using namespace curvanta;

namespace {

template <typename T>
T* Find(QWidget& w, const char* name) {
  T* found = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

TEST(Function2DDialog, OkOnAnotherPageBuildsFromTheDefinition) {
  Function2DDialogState seen;
  int calls = 0;
  Function2DDialog dialog(Function2DPresetForCreate(false, true, 10), [&](Function2DDialogState& s) {
    seen = s;
    ++calls;
    return false;  // stays open
  });
  Find<QLineEdit>(dialog, "Text2")->setText("sin(x+t)");
  Find<QLineEdit>(dialog, "Text4")->setText("-5");
  Find<TwoRowTabs>(dialog, "SSTab1")->setCurrentIndex(11);
  Find<QPushButton>(dialog, "Command1")->click();
  ASSERT_EQ(calls, 1);
  EXPECT_EQ(seen.expression, "sin(x+t)");
  EXPECT_EQ(seen.minX, "-5");
  EXPECT_TRUE(seen.animated);
  EXPECT_EQ(seen.segmentsT, "10");
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("二维函数图形动画属性"));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(Function2DDialog, OkOnAnyPageBuildsTheSameGraph) {
  std::vector<std::shared_ptr<GraphItem>> built;
  for (int page : {0, 5, 11}) {
    Function2DDialog dialog(Function2DPresetForCreate(true, true, 10), [&](Function2DDialogState& s) {
      auto out = Function2DAccept(s, 1);
      built.push_back(out.item);
      return true;
    });
    for (auto [name, text] : {std::pair{"Text2", "1+cos(a+t)"}, {"Text4", "0"}, {"Text5", "6,28"},
                              {"Text6", "90"}, {"Text7", "0"}, {"Text8", "3"}})
      Find<QLineEdit>(dialog, name)->setText(QString::fromLatin1(text));
    Find<TwoRowTabs>(dialog, "SSTab1")->setCurrentIndex(page);
    Find<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << page;
  }
  ASSERT_EQ(built.size(), 3u);
  for (const auto& g : built) {
    ASSERT_TRUE(g);
    EXPECT_EQ(g->ExpressZ, "1+cos(a+t)");
    EXPECT_EQ(g->CoordType, 2);
    EXPECT_EQ(g->MaxV, 6.28f);
    EXPECT_EQ(g->StepV, 90);
    EXPECT_TRUE(g->Animation);
    EXPECT_EQ(g->MaxT, 3.0f);
  }
}

TEST(Function2DDialog, HandlersMirrorTheState) {
  Function2DDialog dialog(Function2DPresetForCreate(false, false, 10), [](Function2DDialogState&) { return true; });
  auto* combo1 = Find<QComboBox>(dialog, "Combo1");
  auto* combo3 = Find<QComboBox>(dialog, "Combo3");
  combo3->setCurrentIndex(1);
  emit combo3->activated(1);
  EXPECT_EQ(Find<QLabel>(dialog, "Label3")->text(), QString::fromUtf8("x(u)"));
  EXPECT_FALSE(Find<QLineEdit>(dialog, "Text3")->isHidden());
  combo1->setCurrentIndex(1);
  emit combo1->activated(1);
  EXPECT_EQ(combo3->itemText(1), QString::fromUtf8("a=f1(u),r=f2(u)"));
  EXPECT_EQ(combo3->currentIndex(), 1);
  EXPECT_EQ(Find<QLabel>(dialog, "Label4")->text(), QString::fromUtf8("r(u)"));
  EXPECT_FALSE(Find<QLineEdit>(dialog, "Text13")->isEnabled());

  combo3->setCurrentIndex(0);
  emit combo3->activated(0);
  EXPECT_TRUE(Find<QLineEdit>(dialog, "Text13")->isEnabled());
  EXPECT_FALSE(Find<QLineEdit>(dialog, "Text12")->isEnabled());  // polar: no curvature

  Find<QLineEdit>(dialog, "Text15")->setText("0,25");
  Find<QPushButton>(dialog, "Command6")->click();
  auto* list2 = Find<QListWidget>(dialog, "List2");
  ASSERT_EQ(list2->count(), 1);
  EXPECT_EQ(list2->item(0)->text(), QString::fromLatin1("0.25"));
  EXPECT_TRUE(Find<QLineEdit>(dialog, "Text15")->text().isEmpty());

  // A current row without a selection (as keyboard focus entering the list leaves it) is
  // no selected entry: Delete removes nothing. A selected entry is removed.
  list2->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  Find<QPushButton>(dialog, "Command7")->click();
  ASSERT_EQ(list2->count(), 1);
  list2->setCurrentRow(0);
  Find<QPushButton>(dialog, "Command7")->click();
  EXPECT_EQ(list2->count(), 0);

  Find<QPushButton>(dialog, "Command1")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
