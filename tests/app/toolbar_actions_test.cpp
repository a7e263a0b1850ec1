// The view toolbar's own actions on the selected graph: the model buttons set Show, the
// shading buttons set Smoothness, on the graph of the current checked line only, then the
// scene is compiled again; without a shown graph they do nothing, on an unchecked line or
// with no current line they warn and change nothing.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <map>
#include <memory>

#include "support/shown_window.h"
#include "common/message_service.h"
#include "scene/scene.h"

using namespace curvanta;

namespace {

class ToolbarActions : public ShownWindowBase {
 protected:
  void SetUp() override {
    ShownWindowBase::SetUp();
    if (HasFatalFailure()) return;
    oldDrawer = SetItemDrawer([](GraphItem&, std::optional<int32_t>) {});
    oldBoxer = SetItemBoxer([](GraphItem&, std::optional<int32_t>) {
      Box b;
      b.MinX = b.MinY = b.MinZ = -1;
      b.MaxX = b.MaxY = b.MaxZ = 1;
      return b;
    });
    window->mnuFileNew3D_Click();  // the model and shading buttons are on in 3D
    for (int id : {1, 2}) {
      auto item = std::make_shared<GraphItem>();
      item->ID = id;
      item->Show = 3;
      item->Smoothness = 1;
      graphs.push_back(item);
      DocScene.FunSurfs.Add(item);
      auto* line = new QListWidgetItem(QString("graph %1").arg(id), window->List1());
      line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
      line->setCheckState(Qt::Unchecked);
    }
  }
  void TearDown() override {
    SetItemDrawer(oldDrawer);
    SetItemBoxer(oldBoxer);
    ShownWindowBase::TearDown();
  }
  void Show(int line) {
    ViewScene.FunSurfs.Add(graphs[size_t(line)]);
    window->List1()->item(line)->setCheckState(Qt::Checked);
  }
  int Press(int button) {
    QTest::qWait(20);
    const int before = area->frame().contentCompiles();
    window->ToolbarAction(Bar::Toolbar3, button)->trigger();
    QTest::qWait(20);
    return area->frame().contentCompiles() - before;
  }

  ScopedMessageRecorder rec;
  ItemDrawer oldDrawer;
  ItemBoxer oldBoxer;
  std::vector<std::shared_ptr<GraphItem>> graphs;
};

TEST_F(ToolbarActions, NothingShownDoesNothingNotEvenTheWarning) {
  window->List1()->setCurrentRow(0);
  for (int button : {14, 15, 16, 18, 19, 20}) EXPECT_EQ(Press(button), 0) << button;
  EXPECT_TRUE(rec.recorder.messages.empty());
  EXPECT_EQ(graphs[0]->Show, 3);
  EXPECT_EQ(graphs[0]->Smoothness, 1);
}

TEST_F(ToolbarActions, UncheckedOrNoCurrentLineWarnsAndChangesNothing) {
  Show(1);
  for (int current : {0, -1}) {
    window->List1()->setCurrentRow(current);
    rec.recorder.clear();
    EXPECT_EQ(Press(14), 0);
    EXPECT_EQ(Press(20), 0);
    ASSERT_EQ(rec.recorder.messages.size(), 2u) << current;
    EXPECT_EQ(rec.recorder.messages[0].text, "请先选择一个函数");
    EXPECT_EQ(rec.recorder.messages[0].title, "警告");
    EXPECT_EQ(rec.recorder.messages[0].icon, MsgIcon::Exclamation);
  }
  for (const auto& g : graphs) {
    EXPECT_EQ(g->Show, 3);
    EXPECT_EQ(g->Smoothness, 1);
  }
}

TEST_F(ToolbarActions, CheckedLineChangesOnlyItsGraphAndCompilesTheScene) {
  Show(0);
  Show(1);
  window->List1()->setCurrentRow(1);
  struct Case {
    int button, show, smoothness;
  } cases[] = {{14, 1, 1}, {15, 2, 1}, {16, 3, 1}, {18, 3, 1}, {19, 3, 2}, {20, 3, 3}, {14, 1, 3}};
  for (const Case& c : cases) {
    EXPECT_GE(Press(c.button), 1) << c.button;
    EXPECT_EQ(graphs[1]->Show, c.show) << c.button;
    EXPECT_EQ(graphs[1]->Smoothness, c.smoothness) << c.button;
    EXPECT_EQ(graphs[0]->Show, 3);
    EXPECT_EQ(graphs[0]->Smoothness, 1);
  }
  EXPECT_TRUE(rec.recorder.messages.empty());
}

// Beside an animated graph the changed still graph alone is drawn again, into its own list;
// the animation's steps and the other still graph are left as they were.
TEST_F(ToolbarActions, InAnAnimationOnlyTheChangedStillGraphIsDrawnAgain) {
  auto animated = std::make_shared<GraphItem>();
  animated->ID = 3;
  animated->Animation = true;
  graphs.push_back(animated);
  DocScene.FunSurfs.Add(animated);
  auto* line = new QListWidgetItem(QStringLiteral("graph 3"), window->List1());
  line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
  line->setCheckState(Qt::Unchecked);
  Show(0);
  Show(1);
  Show(2);
  window->List1()->setCurrentRow(1);
  std::map<int32_t, int> draws;
  SetItemDrawer([&draws](GraphItem& g, std::optional<int32_t>) { ++draws[g.ID]; });
  EXPECT_GE(Press(14), 1);
  ASSERT_TRUE(area->frame().compiledAnimated());
  draws.clear();
  const int steps = area->frame().stepCompiles();
  EXPECT_GE(Press(19), 1);
  EXPECT_EQ(graphs[1]->Smoothness, 2);
  EXPECT_EQ(draws[2], 1);
  EXPECT_EQ(draws[1] + draws[3], 0);
  EXPECT_EQ(area->frame().stepCompiles(), steps);
  SetItemDrawer([](GraphItem&, std::optional<int32_t>) {});
}

}  // namespace
