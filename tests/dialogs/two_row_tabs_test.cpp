// Tabs in two rows: every tab of the 2D function dialog shows at once, and a tab picked in
// either row shows its page.
#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>

#include "dialogs/function/function_2d_dialog.h"
#include "dialogs/function/two_row_tabs.h"

using namespace curvanta;

namespace {

TEST(TwoRowTabs, TwelvePagesInTwoRowsOfSix) {
  TwoRowTabs tabs(6);
  for (int i = 0; i < 12; ++i) tabs.addTab(new QLabel(QString::number(i)), QString("页 %1").arg(i));
  tabs.resize(tabs.sizeHint());
  tabs.show();
  ASSERT_EQ(tabs.count(), 12);
  EXPECT_EQ(tabs.currentIndex(), 0);
  for (int i = 0; i < 12; ++i) {
    const QRect r(tabs.tab(i)->mapTo(&tabs, QPoint(0, 0)), tabs.tab(i)->size());
    EXPECT_TRUE(tabs.rect().contains(r)) << i;  // inside the widget: nothing scrolled away
    EXPECT_EQ(r.top(), tabs.tab(i < 6 ? 0 : 6)->mapTo(&tabs, QPoint(0, 0)).y()) << i;
  }
  EXPECT_LT(tabs.tab(0)->mapTo(&tabs, QPoint(0, 0)).y(), tabs.tab(6)->mapTo(&tabs, QPoint(0, 0)).y());

  int changes = 0;
  QObject::connect(&tabs, &TwoRowTabs::currentChanged, [&](int) { ++changes; });
  for (int i : {9, 2, 11}) {
    tabs.tab(i)->click();
    EXPECT_EQ(tabs.currentIndex(), i);
    EXPECT_EQ(static_cast<QLabel*>(tabs.currentWidget())->text(), QString::number(i));
    for (int k = 0; k < 12; ++k) EXPECT_EQ(tabs.tab(k)->isChecked(), k == i) << k;
  }
  EXPECT_EQ(changes, 3);
  tabs.setCurrentIndex(12);  // no such page: nothing changes
  EXPECT_EQ(tabs.currentIndex(), 11);
}

TEST(TwoRowTabs, TheFunctionDialogShowsEveryPageTab) {
  Function2DDialog dialog(Function2DPresetForCreate(false, false, 10),
                          [](Function2DDialogState&) { return false; });
  dialog.show();
  auto* tabs = dialog.findChild<TwoRowTabs*>(QStringLiteral("SSTab1"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 12);
  const QStringList titles = {"函数", "属性", "反函数", "导函数",   "积分", "极值点和拐点",
                              "奇偶性", "根", "曲率",   "弧长",     "切线", "法线"};
  for (int i = 0; i < 12; ++i) {
    QToolButton* tab = tabs->tab(i);
    EXPECT_EQ(tab->text(), titles[i]);
    EXPECT_TRUE(tab->isVisible()) << i;
    const QRect r(tab->mapTo(&dialog, QPoint(0, 0)), tab->size());
    EXPECT_TRUE(dialog.rect().contains(r)) << i;
    // The whole caption fits on its tab.
    EXPECT_GE(tab->width(), tab->fontMetrics().horizontalAdvance(tab->text())) << i;
  }
  tabs->tab(10)->click();  // 切线, second row
  EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("Check14"))->isVisible());
  tabs->tab(1)->click();  // 属性, first row
  EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("Check3"))->isVisible());
  EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("Check14"))->isVisible());
}

}  // namespace
