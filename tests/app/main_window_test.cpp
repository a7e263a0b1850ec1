// The main window's menus, toolbars, command sets, New commands and closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/command_sets.h"
#include "app/main_window.h"
#include "common/ui/file_chooser.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "scene/axes_settings.h"
#include "scene/scene_globals.h"
#include "scene/ui/draw_area.h"
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QMouseEvent>
#include <QTest>

#include "common/ui/qt_message_service.h"
#include "support/main_window_setup.h"
#include "support/message_box_gestures.h"

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

struct WindowFixture : ::testing::Test, MainWindowTestSetUp {
  // Save dialogs answer "cancelled" unless a test scripts a file.
  ScriptedFileChooser chooser;
  ScopedFileChooser scopedChooser{&chooser};
};

}  // namespace

TEST_F(WindowFixture, MenusHaveTheirCaptionsInOrder) {
  MainWindow w;
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
  MainWindow w;
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
    MainWindow w;
    w.Load(options);
    EXPECT_TRUE(w.associationWritten());
    EXPECT_EQ(GraphMode, 1);
  }
  {
    MainWindow w;
    w.Load(options);
    EXPECT_FALSE(w.associationWritten());
  }
  // A path that nothing loads starts a new 2D document too.
  GraphMode = 0;
  MainWindow w;
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

namespace {
void AddGraph(MainWindow& w, int id, bool checked) {
  auto item = std::make_shared<GraphItem>();
  item->ID = id;
  DocScene.FunSurfs.Add(item);
  if (checked) ViewScene.FunSurfs.Add(item);
  auto* line = new QListWidgetItem(QString("graph %1").arg(id), w.List1());
  line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
  line->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}
}  // namespace

TEST_F(WindowFixture, NewAsksOnceGraphsExistAndYesCancelsWhenNothingIsSaved) {
  ScopedMessageRecorder rec;
  MainWindow w;
  w.Load(options);
  w.mnuFileNew3D_Click();  // empty: no question
  EXPECT_TRUE(rec.recorder.messages.empty());
  AddGraph(w, 1, false);   // hidden graphs count too
  struct Case {
    MsgAnswer answer;
    bool cleared;
  } cases[] = {{MsgAnswer::Cancel, false}, {MsgAnswer::Yes, false}, {MsgAnswer::No, true}};
  for (const Case& c : cases) {
    rec.recorder.clear();
    rec.recorder.script(c.answer);
    DocLight.SetPosition(0, 7);
    w.mnuFileNew2D_Click();
    ASSERT_EQ(rec.recorder.messages.size(), 1u);
    EXPECT_EQ(rec.recorder.messages[0],
              (Message{"保存图形吗？", "注意", MsgIcon::Exclamation, MsgButtons::YesNoCancel}));
    EXPECT_EQ(DocScene.FunSurfs.Count(), c.cleared ? 0 : 1);
    EXPECT_EQ(w.List1()->count(), c.cleared ? 0 : 1);
    EXPECT_EQ(GraphMode, c.cleared ? 1 : 3);
    EXPECT_EQ(w.Action("mnuDraw3DCart")->isEnabled(), !c.cleared);
  }
  // New 2D keeps the light where the 3D document left it; 2.5D and 3D put x and y at 100.
  EXPECT_EQ(DocLight.Position(0), 7.0f);
  DocAxes().TitleX = "kept";
  w.mnuFileNew2D_Click();
  EXPECT_EQ(DocAxes().TitleX, "kept");
  DocLight.SetPosition(2, 55);
  w.mnuFileNew25D_Click();
  EXPECT_EQ(DocLight.Position(0), 100.0f);
  EXPECT_EQ(DocLight.Position(1), 100.0f);
  EXPECT_EQ(DocLight.Position(2), 55.0f);
  EXPECT_EQ(DocAxes().TitleX, "X");
  EXPECT_EQ(ViewScene.RotPitch, -15.0f);
  EXPECT_EQ(ViewScene.RotYaw, 45.0f);
}

TEST_F(WindowFixture, ClosingAsksWhenGraphsExistAndKeepsTheWindowWhenSaveIsCancelled) {
  ScopedMessageRecorder rec;
  MainWindow w;
  w.Load(options);
  w.show();
  QCloseEvent empty;
  QApplication::sendEvent(&w, &empty);
  EXPECT_TRUE(empty.isAccepted());
  EXPECT_TRUE(rec.recorder.messages.empty());

  MainWindow v;
  v.Load(options);
  v.show();
  AddGraph(v, 1, false);
  rec.recorder.script(MsgAnswer::Yes);
  QCloseEvent yes;
  QApplication::sendEvent(&v, &yes);
  EXPECT_FALSE(yes.isAccepted());  // the save dialog was cancelled: the window stays
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].buttons, MsgButtons::YesNoWithoutEscape);
  rec.recorder.script(MsgAnswer::No);
  QCloseEvent no;
  QApplication::sendEvent(&v, &no);
  EXPECT_TRUE(no.isAccepted());
  EXPECT_TRUE(v.picDraw()->nav().Closing);
}

// Through the real box: Esc and the close button leave the question, the window and the
// document as they were; only a click on 是 or 否 answers.
TEST_F(WindowFixture, EscapeAndTheCloseButtonDoNotAnswerTheExitQuestion) {
  struct Case {
    std::vector<BoxGesture> gestures;
    const char* click;
    bool saved;
  };
  const Case cases[] = {{{BoxGesture::Escape, BoxGesture::CloseButton}, "否", false},
                        {{BoxGesture::CloseButton, BoxGesture::Escape}, "是", true}};
  for (const Case& c : cases) {
    const QString path = tmp.filePath(c.click) + ".pgp";
    chooser.answers = {path.toStdString()};
    chooser.requests.clear();
    MainWindow w;
    w.Load(options);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();  // messages of the first paint go to the recorder
    AddGraph(w, 1, false);
    QtMessageService boxes(&w);
    ScopedMessageService use(&boxes);
    MessageBoxGestures user("保存图形吗？", c.gestures, QString::fromUtf8(c.click));
    bool keptWhileAsked = false;
    user.whileOpen = [&] {
      keptWhileAsked = w.isVisible() && DocScene.FunSurfs.Count() == 1 && !w.picDraw()->nav().Closing;
    };
    user.Arm();
    w.RunCommand("mnuFileExit");
    ASSERT_TRUE(user.seen) << c.click;
    EXPECT_EQ(user.openAfter, (std::vector<bool>{true, true})) << c.click;
    EXPECT_TRUE(keptWhileAsked) << c.click;
    EXPECT_FALSE(w.isVisible()) << c.click;  // the click answered and the window closed
    EXPECT_EQ(chooser.requests.size(), c.saved ? 1u : 0u) << c.click;
    EXPECT_EQ(QFile::exists(path), c.saved) << c.click;
    DocScene.FunSurfs.Clear();
  }
}

TEST_F(WindowFixture, StatusBarNamesTheButtonUnderThePointerEvenWhenDisabled) {
  MainWindow w;
  ASSERT_TRUE(LoadAndShow(w));
  EXPECT_EQ(w.StatusHint()->text(), "");
  auto moveOver = [&](Bar bar, int index) {
    QWidget* button = w.Toolbar(bar)->widgetForAction(w.ToolbarAction(bar, index));
    QPointF local(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, local, button->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(button, &e);
  };
  moveOver(Bar::Toolbar1, 7);  // Save: disabled
  EXPECT_FALSE(w.ToolbarAction(Bar::Toolbar1, 7)->isEnabled());
  EXPECT_EQ(w.StatusHint()->text(), "保存文件");
  moveOver(Bar::Toolbar1, 37);
  EXPECT_EQ(w.StatusHint()->text(), "设置坐标系属性");
  EXPECT_EQ(w.ToolbarAction(Bar::Toolbar1, 37)->toolTip(), "修改坐标系统");
  moveOver(Bar::Toolbar3, 19);
  EXPECT_EQ(w.StatusHint()->text(), "较平滑的模型");
  // A gap of the bar away from every button.
  QToolBar* t2 = w.Toolbar(Bar::Toolbar2);
  QPointF end(t2->width() - 3, t2->height() / 2.0);
  QMouseEvent e(QEvent::MouseMove, end, t2->mapToGlobal(end), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(t2, &e);
  EXPECT_EQ(w.StatusHint()->text(), "准备就绪");
}

TEST_F(WindowFixture, TheWindowShowsTheIconWrittenForTheDesktop) {
  MainWindow w;
  w.Load(options);
  const QString written = tmp.filePath("share/icons/hicolor/scalable/apps/curvanta.svg");
  QImageReader reader(written);
  reader.setScaledSize(QSize(32, 32));
  const QImage fromFile = reader.read();
  ASSERT_FALSE(fromFile.isNull()) << written.toStdString();
  ASSERT_FALSE(w.windowIcon().isNull());
  const QImage shown = w.windowIcon().pixmap(QSize(32, 32)).toImage();
  EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
            fromFile.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(WindowFixture, TheHintGoesBackToReadyOverASeparator) {
  MainWindow w;
  ASSERT_TRUE(LoadAndShow(w));
  auto moveOver = [&](QWidget* widget) {
    QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
  };
  for (Bar bar : {Bar::Toolbar1, Bar::Toolbar3}) {
    QToolBar* tb = w.Toolbar(bar);
    for (int i = 2;; ++i) {
      QAction* a = w.ToolbarAction(bar, i);
      ASSERT_NE(a, nullptr);
      if (!a->isSeparator()) continue;
      moveOver(tb->widgetForAction(w.ToolbarAction(bar, i - 1)));  // the button beside it
      EXPECT_NE(w.StatusHint()->text(), "准备就绪");
      moveOver(tb->widgetForAction(a));
      EXPECT_EQ(w.StatusHint()->text(), "准备就绪") << int(bar) << " " << i;
      break;
    }
  }
}

TEST_F(WindowFixture, FocusAloneGivesTheListNoCurrentLine) {
  ScopedMessageRecorder rec;
  MainWindow w;
  ASSERT_TRUE(LoadAndShow(w));
  AddGraph(w, 1, true);
  AddGraph(w, 2, true);
  // Tabbing into the list (or the window handing it the focus) picks no line.
  QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(w.List1(), &tabIn);
  EXPECT_EQ(w.List1()->currentRow(), -1);
  for (const char* command : {"mnuEditDelete", "mnuEditCut", "modelPoint", "shadeFlat"}) {
    rec.recorder.clear();
    w.RunCommand(command);
    ASSERT_EQ(rec.recorder.messages.size(), 1u) << command;
    EXPECT_EQ(rec.recorder.messages[0],
              (Message{"请先选择一个函数", "警告", MsgIcon::Exclamation, MsgButtons::Ok}))
        << command;
  }
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_EQ(w.List1()->count(), 2);
  // A line the user picks is deleted; after it, focus again picks no neighbour.
  w.List1()->setCurrentRow(1);
  w.RunCommand("mnuEditDelete");
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 1);
  QApplication::sendEvent(w.List1(), &tabIn);
  EXPECT_EQ(w.List1()->currentRow(), -1);
}

// A right press on a list line makes that line current before FunEdit shows, so its Delete
// removes the graph under the pointer; a right press on the drawing opens GraphEdit.
TEST_F(WindowFixture, RightPressesOpenThePopupsOnTheLineUnderThePointer) {
  MainWindow w;
  ASSERT_TRUE(LoadAndShow(w));
  AddGraph(w, 1, true);
  AddGraph(w, 2, true);
  w.List1()->setCurrentRow(0);
  QWidget* vp = w.List1()->viewport();
  QPoint onLine1 = w.List1()->visualItemRect(w.List1()->item(1)).center();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(onLine1), vp->mapToGlobal(QPointF(onLine1)),
                    Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(vp, &press);
  EXPECT_TRUE(w.FunEdit()->isVisible());
  EXPECT_EQ(w.List1()->currentRow(), 1);
  w.FunEdit()->close();
  w.RunCommand("mnuFunDelete");
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ID, 1);
  ASSERT_EQ(w.List1()->count(), 1);
  EXPECT_EQ(w.List1()->item(0)->text(), "graph 1");
  QPointF mid(w.picDraw()->width() / 2.0, w.picDraw()->height() / 2.0);
  QMouseEvent right(QEvent::MouseButtonPress, mid, w.picDraw()->mapToGlobal(mid), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(w.picDraw(), &right);
  EXPECT_TRUE(w.GraphEdit()->isVisible());
  w.GraphEdit()->close();
}

TEST_F(WindowFixture, SplitterBarsMoveOnReleaseWithinTheirLimits) {
  MainWindow w;
  ASSERT_TRUE(LoadAndShow(w, {1000, 700}));
  QWidget* bar = w.findChild<QWidget*>("Splitter");
  QWidget* list = w.List1();
  ASSERT_TRUE(bar);
  EXPECT_EQ(w.SplitterLeft(), 5220);
  EXPECT_EQ(list->width(), 5220 / 15);
  auto send = [&](QEvent::Type t, QPoint p, Qt::MouseButtons held) {
    QMouseEvent e(t, QPointF(p), bar->mapToGlobal(QPointF(p)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(bar, &e);
  };
  send(QEvent::MouseButtonPress, {2, 50}, Qt::LeftButton);
  EXPECT_TRUE(w.SplitterDragging());
  send(QEvent::MouseMove, {-300, 50}, Qt::LeftButton);
  EXPECT_EQ(list->width(), 5220 / 15);  // only the bar moves during the drag
  send(QEvent::MouseButtonRelease, {-300, 50}, Qt::NoButton);
  EXPECT_FALSE(w.SplitterDragging());
  EXPECT_EQ(w.SplitterLeft(), 1000);  // held at the lower limit
  EXPECT_EQ(list->width(), 1000 / 15);
  EXPECT_EQ(w.picDraw()->x(), (1000 + 60) / 15);
  // Dragged far right: the upper limit W - 1000.
  send(QEvent::MouseButtonPress, {2, 50}, Qt::LeftButton);
  send(QEvent::MouseMove, {5000, 50}, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {5000, 50}, Qt::NoButton);
  const int W = (w.centralWidget()->width() + w.Toolbar(Bar::Toolbar3)->width()) * 15;
  EXPECT_EQ(w.SplitterLeft(), W - 1000);
  // The result box starts right below the horizontal bar.
  QWidget* bar2 = w.findChild<QWidget*>("Splitter2");
  EXPECT_NEAR(bar2->y() + bar2->height(), w.Result()->y(), 1);
}

TEST_F(WindowFixture, ADocumentNamedOnTheCommandLineIsLoadedOnceInsteadOfNew2D) {
  for (QStringList args : {QStringList{"curvanta", "a b.pgp"}, QStringList{"curvanta", "a", "b.pgp"},
                           QStringList{"curvanta", "\"a b.pgp\""}}) {
    ResetGlobals();
    GraphMode = 0;
    QStringList asked;
    options.arguments = args;
    options.loadDocument = [&](const QString& p) {
      asked << p;
      return true;
    };
    MainWindow w;
    w.Load(options);
    EXPECT_EQ(asked, QStringList{"a b.pgp"}) << args.join("|").toStdString();
    EXPECT_EQ(GraphMode, 0);  // New 2D did not run: the loader sets the kind
  }
}

TEST_F(WindowFixture, ShrinkingToTheSmallestSizeBringsBothBarsBackInside) {
  MainWindow w;
  ASSERT_TRUE(LoadAndShow(w, {1400, 1000}));
  QWidget* bar = w.findChild<QWidget*>("Splitter");
  QWidget* bar2 = w.findChild<QWidget*>("Splitter2");
  DragSplitterBar(bar, {2000, 1});   // to the right-hand limit
  DragSplitterBar(bar2, {1, 2000});  // to the bottom limit H - 3T
  ASSERT_GT(w.SplitterLeft() / 15, 640);
  w.resize(300, 200);  // below the smallest size
  QTest::qWait(50);
  EXPECT_GE(w.width(), 640);
  EXPECT_GE(w.height(), 480);
  QWidget* c = w.centralWidget();
  EXPECT_LE(bar->x() + bar->width(), c->width());
  EXPECT_GE(bar->x(), 0);
  EXPECT_LE(bar2->y() + bar2->height(), c->height());
  EXPECT_GE(bar2->y(), 0);
}
