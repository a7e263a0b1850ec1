// The 2D create commands and the list's delete entries as the main window runs them from
// its menus and toolbar buttons.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>

#include "app/main_window.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/function_2d_ok.h"
#include "scene/scene_globals.h"
#include "support/main_window_setup.h"

using namespace curvanta;

namespace {

struct GraphCommands : ::testing::Test, MainWindowTestSetUp {
  void SetUp() override {
    previous = SetFunction2DDialogRunner([this](Function2DDialogState s, curvanta::DocumentHost& host) {
      presets.push_back(s);
      s.expression = expression;
      s.minX = "-5";
      s.maxX = "5";
      s.segmentsX = "100";
      Function2DCommandOk(s, host);
    });
  }
  void TearDown() override { SetFunction2DDialogRunner(previous); }
  curvanta::ScopedMessageRecorder rec;
  Function2DDialogRunner previous;
  std::vector<Function2DDialogState> presets;
  std::string expression = "sin(x)";
};

TEST_F(GraphCommands, MenuAndToolbarAddCheckedLinesAndDeleteRemovesThem) {
  MainWindow w;
  w.Load(options);
  w.Action("mnuDraw2DCart")->trigger();
  expression = "x^2";
  w.ToolbarAction(curvanta::Bar::Toolbar1, 24)->trigger();  // the 2D polar button
  ASSERT_EQ(presets.size(), 2u);
  EXPECT_EQ(presets[1].coordIndex, 1);
  QListWidget* list = w.List1();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("二维曲线  y=sin(x)"));
  EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("二维曲线  r=x^2"));
  EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 2);

  list->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 1);

  list->setCurrentRow(0);
  w.Action("mnuFunDelete")->trigger();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 1);

  w.Action("mnuEditDelAll")->trigger();
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 0);

  w.Action("mnuDraw2DCart")->trigger();  // a new graph gets a fresh ID
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 3);
}

}  // namespace
