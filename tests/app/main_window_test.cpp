// The main window's menus, toolbars, command sets, New commands and closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>

#include "app/command_sets.h"
#include "app/main_window.h"
#include "common/globals.h"
#include "common/message_service.h"

using namespace curvanta;

namespace {

QStringList Entries(QMenu* m) {
  QStringList out;
  for (QAction* a : m->actions()) {
    if (a->isSeparator()) {
      out << "-";
    } else if (a->menu()) {
      out << a->text() + ">" + Entries(a->menu()).join("|") + "<";
    } else {
      out << a->text();
    }
  }
  return out;
}

struct WindowFixture : ::testing::Test {
  void SetUp() override {
    ResetGlobals();
    ASSERT_TRUE(tmp.isValid());
    options.association = {tmp.filePath("share"), tmp.path(), tmp.filePath("curvanta")};
    options.processRunner = [](const QString&, const QStringList&) {};
    options.arguments = {"curvanta"};
  }
  QTemporaryDir tmp;
  frmF1::LoadOptions options;
};

}  // namespace

TEST_F(WindowFixture, MenusHaveTheirCaptionsInOrder) {
  frmF1 w;
  EXPECT_EQ(w.windowTitle(), "Curvanta");
  QStringList bar;
  for (QAction* a : w.menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"文件", "编辑", "视图", "绘图", "动画", "工具", "帮助"}));
  auto menu = [&](const char* n) { return w.findChild<QMenu*>(n); };
  EXPECT_EQ(Entries(menu("mnuFile")).join("|"),
            "新建>二维图形|二维半图形|三维图形<|打开...|保存|另存为...|-|动画另存为AVI文件|-|打印...|-|退出");
  EXPECT_EQ(Entries(menu("mnuEdit")).join("|"), "剪切|复制|按位图复制|粘帖|-|删除|删除所有");
  EXPECT_EQ(Entries(menu("mnuView")).join("|"),
            "平移|缩小或放大|合适大小|旋转|-|前视图|右视图|上视图|ISO视图|-|设置...");
  EXPECT_EQ(Entries(menu("mnuAni")).join("|"),
            "点动画|二维动画>直角坐标|极坐标<|二维半动画>直角坐标|极坐标<|三维动画>直角坐标|柱面坐标|"
            "球面坐标<|-|开始|暂停|停止|第一帧|前一帧|后一帧|最后一帧|-|正向模式|逆向模式|正向循环|"
            "逆向循环|-|选项...");
  EXPECT_EQ(Entries(menu("mnuTool")).join("|"), "数学计算器");
  EXPECT_EQ(Entries(menu("mnuHelp")).join("|"), "内容...|-|主页|客户服务|-|关于...");
  EXPECT_EQ(Entries(w.FunEdit()).join("|"), "编辑...|剪切|复制|删除");
  EXPECT_EQ(Entries(w.GraphEdit()).join("|"),
            "粘帖|剪切所有|复制所有|按位图复制|删除所有|-|坐标系...|光照...");
  EXPECT_TRUE(Entries(menu("mnuDraw")).join("|").contains("表数据图形>二维表数据图形|二维半表数据图形|三维表数据图形<"));
  EXPECT_TRUE(Entries(menu("mnuDraw")).join("|").contains("特殊图形>阶梯图|火柴杆图|二维曲线相交<"));
  EXPECT_EQ(w.Action("mnuFileExit")->shortcut(), QKeySequence("Ctrl+X"));
  EXPECT_EQ(w.Action("mnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
}

TEST_F(WindowFixture, CommandSetsOfTheThreeKinds) {
  frmF1 w;
  w.Load(options);
  EXPECT_EQ(GraphMode, 1);
  for (int kind : {1, 2, 3}) {
    if (kind == 1) w.mnuFileNew2D_Click();
    if (kind == 2) w.mnuFileNew25D_Click();
    if (kind == 3) w.mnuFileNew3D_Click();
    EXPECT_EQ(GraphMode, kind);
    for (const CommandSetRow& row : CommandSetTable()) {
      for (const char* n : row.menuEntries)
        EXPECT_EQ(w.Action(n)->isEnabled(), row.OnFor(kind)) << n << " kind " << kind;
      for (int i : row.buttons)
        EXPECT_EQ(w.ToolbarAction(row.bar, i)->isEnabled(), row.OnFor(kind))
            << "bar " << int(row.bar) << " button " << i << " kind " << kind;
    }
    // Entries no kind touches.
    for (const char* n : {"mnuFileOpen", "mnuFileExit", "mnuEditDelete", "mnuViewMove", "mnuViewFit",
                          "mnuAniOpt", "mnuToolCal", "mnuHelpAbout", "mnuFunEdit", "mnuGraphDelAll"})
      EXPECT_TRUE(w.Action(n)->isEnabled()) << n;
    for (const char* n : {"mnuFileSave", "mnuFileSaveAs", "mnuFileSaveAVI", "mnuFilePrint", "mnuEditCut",
                          "mnuEditCopy", "mnuEditPaste", "mnuDrawIP", "mnuFunCut", "mnuGraphPaste"})
      EXPECT_FALSE(w.Action(n)->isEnabled()) << n;
    for (int i : {7, 8, 10, 12, 13, 14, 15}) EXPECT_FALSE(w.ToolbarAction(Bar::Toolbar1, i)->isEnabled());
  }
  // In 2D the popup offers neither axes nor light while the Draw menu offers the axes.
  w.mnuFileNew2D_Click();
  EXPECT_TRUE(w.Action("mnuDrawAxis")->isEnabled());
  EXPECT_FALSE(w.Action("mnuGraphAxis")->isEnabled());
  EXPECT_FALSE(w.Action("mnuGraphLight")->isEnabled());
  // The playback entries go off with every New, even after they were on.
  w.EnablePlayback();
  EXPECT_TRUE(w.ToolbarAction(Bar::Toolbar2, 17)->isEnabled());
  w.mnuFileNew3D_Click();
  for (int i = 13; i <= 23; ++i) EXPECT_FALSE(w.ToolbarAction(Bar::Toolbar2, i)->isEnabled());
  for (const char* n : PlaybackMenuEntries()) EXPECT_FALSE(w.Action(n)->isEnabled());
}

TEST_F(WindowFixture, StartWritesTheAssociationOnceAndStartsA2DDocument) {
  {
    frmF1 w;
    w.Load(options);
    EXPECT_TRUE(w.associationWritten());
    EXPECT_EQ(GraphMode, 1);
  }
  {
    frmF1 w;
    w.Load(options);
    EXPECT_FALSE(w.associationWritten());
  }
  // A path that nothing loads starts a new 2D document too.
  GraphMode = 0;
  frmF1 w;
  options.arguments = {"curvanta", "/nowhere/x.pgp"};
  QString asked;
  options.loadDocument = [&](const QString& p) {
    asked = p;
    return false;
  };
  w.Load(options);
  EXPECT_EQ(asked, "/nowhere/x.pgp");
  EXPECT_EQ(GraphMode, 1);
}
