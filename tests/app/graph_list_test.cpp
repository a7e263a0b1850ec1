// The graph list: check boxes and the shown scene in step, deletion, the popup.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "app/graph_list.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

class GraphListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    popup.addAction(QStringLiteral("x"));
    host.onRebuildAndDisplay = [this] { ++rebuilds; };
    for (const char* f : {"x", "x^2", "x^3"}) Add(f);
  }
  void TearDown() override {
    popup.hide();
    ResetSceneGlobals();
    ResetGlobals();
  }
  void Add(const char* f) {
    auto g = GraphItem::Init(0, "", 0, 1, "0", "x", f, 1, 10, 0, 1, -1, 1, 4, 0, 0, 0, 1, 4, 2, 2,
                        false, false, false, 0);
    g->FunForm = 2;
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g);
    host.appendLine(std::string("二维曲线  y=") + f);
  }
  std::vector<int32_t> Shown() const {
    std::vector<int32_t> ids;
    for (const auto& [key, item] : ViewScene.FunSurfs) ids.push_back(item->ID);
    return ids;
  }
  curvanta::ScopedMessageRecorder rec;
  QListWidget list;
  QMenu popup;
  curvanta::GraphList host{&list, &popup};
  int rebuilds = 0;
};

TEST_F(GraphListTest, CheckBoxesDecideTheShownScene) {
  host.checkLine(0);
  host.checkLine(2);
  EXPECT_EQ(Shown(), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(rebuilds, 2);
  EXPECT_EQ(ViewScene.FunSurfs.Item(1), DocScene.FunSurfs.Item(1));  // the same object
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->Vert3D(0, 10).x, 1.0f);     // sampled when shown

  list.item(0)->setCheckState(Qt::Unchecked);  // as a user's click does
  EXPECT_EQ(Shown(), std::vector<int32_t>{3});
  EXPECT_EQ(DocScene.FunSurfs.Count(), 3);
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(rebuilds, 3);

  list.item(0)->setCheckState(Qt::Checked);  // drawn after the others now
  EXPECT_EQ(Shown(), (std::vector<int32_t>{3, 1}));
  EXPECT_TRUE(IsGraphShown(1));
  EXPECT_FALSE(IsGraphShown(2));

  host.setLineText(1, "二维曲线  y=renamed");  // a new text is no check change
  EXPECT_EQ(rebuilds, 4);
  EXPECT_EQ(list.item(1)->text(), QStringLiteral("二维曲线  y=renamed"));
}

TEST_F(GraphListTest, DeletingOneGraph) {
  host.checkLine(0);
  host.checkLine(1);
  // An unchecked line's graph leaves the document; the shown scene stays.
  host.DeleteGraphAt(3);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_EQ(Shown(), (std::vector<int32_t>{1, 2}));
  // Line 0's graph: the others move up, the line-to-item rule still holds.
  list.setCurrentRow(0);
  host.mnuEditDelete_Click();
  EXPECT_EQ(Shown(), std::vector<int32_t>{2});
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.item(0)->text(), QString::fromUtf8("二维曲线  y=x^2"));
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 2);
  EXPECT_EQ(list.currentRow(), -1);
  // No current line: a warning and nothing removed.
  host.mnuEditDelete_Click();
  host.mnuEditCut_Click();
  ASSERT_EQ(rec.recorder.messages.size(), 2u);
  EXPECT_EQ(rec.recorder.messages[0].text, "请先选择一个函数");
  EXPECT_EQ(rec.recorder.messages[0].title, "警告");
  EXPECT_EQ(rec.recorder.messages[0].icon, curvanta::MsgIcon::Exclamation);
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(LastGraphID, 3);
}

TEST_F(GraphListTest, DeletingAllGraphs) {
  host.checkLine(1);
  const int before = rebuilds;
  host.DeleteAllGraphs();
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);
  EXPECT_EQ(list.count(), 0);
  host.DeleteAllGraphs();  // an empty document still redraws
  EXPECT_EQ(rebuilds, before + 2);
  EXPECT_EQ(LastGraphID, 3);
}

// A right press picks the line under the pointer before the popup shows, so the popup's
// Delete removes that line; below the last line the current line (or none) stays.
TEST_F(GraphListTest, RightPressMakesItsLineCurrentBeforeThePopup) {
  list.resize(300, 200);
  list.show();
  const QPoint below = list.visualItemRect(list.item(2)).bottomLeft() + QPoint(10, 20);
  ASSERT_EQ(list.itemAt(below), nullptr);

  QTest::mouseClick(list.viewport(), Qt::RightButton, {}, below);  // no current line: none
  EXPECT_EQ(list.currentRow(), -1);
  EXPECT_TRUE(popup.isVisible());
  popup.hide();

  list.setCurrentRow(0);
  QTest::mouseClick(list.viewport(), Qt::RightButton, {}, below);
  EXPECT_EQ(list.currentRow(), 0);
  popup.hide();

  QTest::mouseClick(list.viewport(), Qt::RightButton, {},
                    list.visualItemRect(list.item(1)).center());
  EXPECT_EQ(list.currentRow(), 1);
  EXPECT_TRUE(popup.isVisible());
  popup.hide();
  host.mnuEditDelete_Click();
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(2)->ID, 3);
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(1)->text(), "二维曲线  y=x^3");
  EXPECT_TRUE(rec.recorder.messages.empty());
}

}  // namespace
