// The main window: its controls, life cycle, layout and document kinds.
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "app/about_dialog.h"
#include "app/command_line.h"
#include "app/animation_playback.h"
#include "app/graph_list.h"
#include "app/splitter_bar.h"
#include "app/toolbar_icons.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/qt_message_service.h"
#include "draw/report_sink.h"
#include "expr/ui/calculator_dialog.h"
#include "scene/axes_settings.h"
#include "scene/scene_globals.h"
#include "scene/text3d.h"
#include "scene/ui/draw_area.h"
#include "scene/ui/settings_dialogs.h"
#include "commands/create_2d.h"
#include "commands/special_commands.h"
#include "commands/create_tables.h"
#include "commands/edit_command.h"
#include "commands/surface_commands.h"
#include "dialogs/function/function_2d_ok.h"
#include "platform/program_icon.h"

using namespace curvanta;

namespace {

const char kSaveQuestion[] = "保存图形吗？";
const char kNoteTitle[] = "注意";

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  // Window creation: the evaluator's flag and the shared model objects.
  DivZeroIsError = false;
  DocScene = Scene();
  ViewScene = Scene();
  DocView = Camera();
  DocLight = Light();
  GraphMode = 0;

  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QStringLiteral("Curvanta"));
  setWindowIcon(ProgramIcon());
  setMinimumSize(640, 480);
  BuildMenus();
  BuildToolbars();
  BuildCentralArea();
  files_ = std::make_unique<curvanta::FileCommands>(*this);
  files_->Register(commands_);
  // The drawing writes the analysis report of 2D function graphs into the result box.
  report_ = std::make_unique<curvanta::TextEditReportSink>(result_);
  curvanta::SetReportSink(report_.get());
  statusHint_ = new QLabel(this);
  statusHint_->setObjectName(QStringLiteral("StatusBar1Panel1"));
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->addWidget(statusHint_, 1);
  statusBar()->setSizeGripEnabled(true);
  resize(1024, 720);
}

MainWindow::~MainWindow() {
  if (curvanta::CurrentReportSink() == report_.get()) curvanta::SetReportSink(nullptr);
}

QMenu* MainWindow::AddMenu(QMenu* parent, const char* name, const char* caption) {
  QMenu* m = parent ? parent->addMenu(QString::fromUtf8(caption))
                    : menuBar()->addMenu(QString::fromUtf8(caption));
  m->setObjectName(QString::fromLatin1(name));
  m->menuAction()->setObjectName(QString::fromLatin1(name));
  actions_[QString::fromLatin1(name)] = m->menuAction();
  return m;
}

QAction* MainWindow::AddEntry(QMenu* menu, const char* name, const char* caption, bool enabled,
                         const char* shortcut) {
  QAction* a = menu->addAction(QString::fromUtf8(caption));
  QString n = QString::fromLatin1(name);
  a->setObjectName(n);
  a->setEnabled(enabled);
  if (shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  actions_[n] = a;
  connect(a, &QAction::triggered, this, [this, n] { RunCommand(n); });
  return a;
}

void MainWindow::BuildMenus() {
  QMenu* file = AddMenu(nullptr, "mnuFile", "文件");
  QMenu* fileNew = AddMenu(file, "mnuFileNew", "新建");
  AddEntry(fileNew, "mnuFileNew2D", "二维图形");
  AddEntry(fileNew, "mnuFileNew25D", "二维半图形");
  AddEntry(fileNew, "mnuFileNew3D", "三维图形");
  AddEntry(file, "mnuFileOpen", "打开...", true, "Ctrl+O");
  AddEntry(file, "mnuFileSave", "保存", false, "Ctrl+S");
  AddEntry(file, "mnuFileSaveAs", "另存为...", false);
  file->addSeparator();
  AddEntry(file, "mnuFileSaveAVI", "动画另存为AVI文件", false);
  file->addSeparator();
  AddEntry(file, "mnuFilePrint", "打印...", false, "Ctrl+P");
  file->addSeparator();
  AddEntry(file, "mnuFileExit", "退出", true, "Ctrl+X");

  QMenu* edit = AddMenu(nullptr, "mnuEdit", "编辑");
  AddEntry(edit, "mnuEditCut", "剪切", false);
  AddEntry(edit, "mnuEditCopy", "复制", false, "Ctrl+C");
  AddEntry(edit, "mnuEditCopyAs", "按位图复制", false);
  AddEntry(edit, "mnuEditPaste", "粘帖", false);
  edit->addSeparator();
  AddEntry(edit, "mnuEditDelete", "删除");
  AddEntry(edit, "mnuEditDelAll", "删除所有");

  QMenu* view = AddMenu(nullptr, "mnuView", "视图");
  AddEntry(view, "mnuViewMove", "平移");
  AddEntry(view, "mnuViewZoom", "缩小或放大");
  AddEntry(view, "mnuViewFit", "合适大小");
  AddEntry(view, "mnuViewRotate", "旋转");
  view->addSeparator();
  AddEntry(view, "mnuViewFront", "前视图");
  AddEntry(view, "mnuViewRight", "右视图");
  AddEntry(view, "mnuViewTop", "上视图");
  AddEntry(view, "mnuViewISO", "ISO视图");
  view->addSeparator();
  AddEntry(view, "mnuViewSet", "设置...");

  QMenu* draw = AddMenu(nullptr, "mnuDraw", "绘图");
  AddEntry(draw, "mnuDrawPoint", "点");
  QMenu* d2 = AddMenu(draw, "mnuDrawFun2D", "二维函数图形");
  AddEntry(d2, "mnuDraw2DCart", "直角坐标");
  AddEntry(d2, "mnuDraw2DPolar", "极坐标");
  QMenu* d25 = AddMenu(draw, "mnuDraw25d", "二维半函数图形");
  AddEntry(d25, "mnuDraw25DCart", "直角坐标");
  AddEntry(d25, "mnuDraw25DPolar", "极坐标");
  QMenu* d3 = AddMenu(draw, "mnuDrawFun3D", "三维函数图形");
  AddEntry(d3, "mnuDraw3DCart", "直角坐标");
  AddEntry(d3, "mnuDraw3DCyl", "柱面坐标");
  AddEntry(d3, "mnuDraw3DSph", "球面坐标");
  QMenu* tab = AddMenu(draw, "mnuDrawTab", "表数据图形");
  AddEntry(tab, "mnuDrawTab2D", "二维表数据图形");
  AddEntry(tab, "mnuDrawTab25D", "二维半表数据图形");
  AddEntry(tab, "mnuDrawTab3D", "三维表数据图形");
  QMenu* spe = AddMenu(draw, "mnuDrawSpe", "特殊图形");
  AddEntry(spe, "mnuDrawStep", "阶梯图");
  AddEntry(spe, "mnuDrawHcg", "火柴杆图");
  AddEntry(spe, "mnuDrawIP", "二维曲线相交", false);
  draw->addSeparator();
  AddEntry(draw, "mnuDrawAxis", "坐标系...");
  AddEntry(draw, "mnuDrawLight", "光照...");

  QMenu* ani = AddMenu(nullptr, "mnuAni", "动画");
  AddEntry(ani, "mnuAniPoint", "点动画");
  QMenu* a2 = AddMenu(ani, "mnuAni2DCur", "二维动画");
  AddEntry(a2, "mnuAniCur2DCart", "直角坐标");
  AddEntry(a2, "mnuAniCur2DPol", "极坐标");
  QMenu* a25 = AddMenu(ani, "mnuAniCur25D", "二维半动画");
  AddEntry(a25, "mnuAni25DCurCart", "直角坐标");
  AddEntry(a25, "mnuAni25DCurPol", "极坐标");
  QMenu* a3 = AddMenu(ani, "mnuAniSur", "三维动画");
  AddEntry(a3, "mnuAniSurCart", "直角坐标");
  AddEntry(a3, "mnuAniSurCyl", "柱面坐标");
  AddEntry(a3, "mnuAniSurSph", "球面坐标");
  ani->addSeparator();
  AddEntry(ani, "mnuAniStartb", "开始", false);
  AddEntry(ani, "mnuAniPause", "暂停", false);
  AddEntry(ani, "mnuAniStop", "停止", false);
  AddEntry(ani, "mnuAniFirst", "第一帧", false);
  AddEntry(ani, "mnuAniPre", "前一帧", false);
  AddEntry(ani, "mnuAniNext", "后一帧", false);
  AddEntry(ani, "mnuAniLast", "最后一帧", false);
  ani->addSeparator()->setObjectName(QStringLiteral("mnuAniSep2"));
  AddEntry(ani, "mnuAniNormal", "正向模式", false);
  AddEntry(ani, "mnuAniRev", "逆向模式", false);
  AddEntry(ani, "mnuAniRepeat", "正向循环", false);
  AddEntry(ani, "mnuAniRevRepeat", "逆向循环", false);
  ani->addSeparator();
  AddEntry(ani, "mnuAniOpt", "选项...");

  QMenu* tool = AddMenu(nullptr, "mnuTool", "工具");
  AddEntry(tool, "mnuToolCal", "数学计算器");

  QMenu* help = AddMenu(nullptr, "mnuHelp", "帮助");
  AddEntry(help, "mnuHelpCon", "内容...");
  help->addSeparator();
  AddEntry(help, "mnuHelpHome", "主页");
  AddEntry(help, "mnuHelpCus", "客户服务");
  help->addSeparator();
  AddEntry(help, "mnuHelpAbout", "关于...");

  // The two popups never show in the menu bar.
  funEdit_ = new QMenu(this);
  funEdit_->setObjectName(QStringLiteral("FunEdit"));
  AddEntry(funEdit_, "mnuFunEdit", "编辑...");
  AddEntry(funEdit_, "mnuFunCut", "剪切", false);
  AddEntry(funEdit_, "mnuFunCopy", "复制", false);
  AddEntry(funEdit_, "mnuFunDelete", "删除");

  graphEdit_ = new QMenu(this);
  graphEdit_->setObjectName(QStringLiteral("GraphEdit"));
  AddEntry(graphEdit_, "mnuGraphPaste", "粘帖", false);
  AddEntry(graphEdit_, "mnuGraphCutAll", "剪切所有");
  AddEntry(graphEdit_, "mnuGraphCopyAll", "复制所有");
  AddEntry(graphEdit_, "mnuGraphCopyAs", "按位图复制", false);
  AddEntry(graphEdit_, "mnuGraphDelAll", "删除所有");
  graphEdit_->addSeparator();
  AddEntry(graphEdit_, "mnuGraphAxis", "坐标系...");
  AddEntry(graphEdit_, "mnuGraphLight", "光照...");

  // Commands this window carries out; entries of later parts have none yet.
  commands_[QStringLiteral("mnuFileNew2D")] = [this] { mnuFileNew2D_Click(); };
  commands_[QStringLiteral("mnuFileNew25D")] = [this] { mnuFileNew25D_Click(); };
  commands_[QStringLiteral("mnuFileNew3D")] = [this] { mnuFileNew3D_Click(); };
  commands_[QStringLiteral("mnuFileExit")] = [this] { mnuFileExit_Click(); };
  commands_[QStringLiteral("mnuEditDelAll")] = [this] { mnuEditDelAll_Click(); };
  commands_[QStringLiteral("mnuGraphDelAll")] = [this] { mnuGraphDelAll_Click(); };
  commands_[QStringLiteral("mnuToolCal")] = [this] { ShowCalculator(this); };
  commands_[QStringLiteral("mnuHelpAbout")] = [this] { ShowAboutBox(this); };
  commands_[QStringLiteral("mnuDrawAxis")] = [this] { mnuDrawAxis_Click(); };
  commands_[QStringLiteral("mnuGraphAxis")] = [this] { mnuDrawAxis_Click(); };
  commands_[QStringLiteral("mnuDrawLight")] = [this] { mnuDrawLight_Click(); };
  commands_[QStringLiteral("mnuGraphLight")] = [this] { mnuDrawLight_Click(); };
  commands_[QStringLiteral("viewOrtho")] = [this] { SetProjection(1); };
  commands_[QStringLiteral("viewPerspective")] = [this] { SetProjection(2); };
  commands_[QStringLiteral("modelPoint")] = [this] { SetSelectedGraphLook(true, 1); };
  commands_[QStringLiteral("modelGrid")] = [this] { SetSelectedGraphLook(true, 2); };
  commands_[QStringLiteral("modelSurface")] = [this] { SetSelectedGraphLook(true, 3); };
  commands_[QStringLiteral("shadeFlat")] = [this] { SetSelectedGraphLook(false, 1); };
  commands_[QStringLiteral("shadeSmooth")] = [this] { SetSelectedGraphLook(false, 2); };
  commands_[QStringLiteral("shadeSmoothest")] = [this] { SetSelectedGraphLook(false, 3); };
  RegisterGraphCommands();
  RegisterPlaybackCommands();
}

void MainWindow::RegisterGraphCommands() {
  auto host = [this]() -> DocumentHost& { return *graphList_; };
  commands_[QStringLiteral("mnuEditDelete")] = [this] { graphList_->mnuEditDelete_Click(); };
  commands_[QStringLiteral("mnuFunDelete")] = [this] { graphList_->mnuEditDelete_Click(); };
  commands_[QStringLiteral("mnuEditCut")] = [this] { graphList_->mnuEditCut_Click(); };
  commands_[QStringLiteral("mnuFunCut")] = [this] { graphList_->mnuEditCut_Click(); };
  commands_[QStringLiteral("mnuDraw2DCart")] = [host] { mnuDraw2DCart_Click(host()); };
  commands_[QStringLiteral("mnuDraw2DPolar")] = [host] { mnuDraw2DPolar_Click(host()); };
  commands_[QStringLiteral("mnuAniCur2DCart")] = [host] { mnuAniCur2DCart_Click(host()); };
  commands_[QStringLiteral("mnuAniCur2DPol")] = [host] { mnuAniCur2DPol_Click(host()); };
  commands_[QStringLiteral("mnuDrawIP")] = [] { mnuDrawIP_Click(); };
  RegisterPointAndStepCommands(commands_, host);
  for (const auto& [name, run] : TableCommands()) commands_[QString::fromLatin1(name)] = [host, run = run] { run(host()); };
  commands_[QStringLiteral("mnuFunEdit")] = [host] { mnuFunEdit_Click(host()); };
  RegisterSurfaceCommands(commands_, host);
}

void MainWindow::BuildToolbars() {
  const std::vector<ToolbarButton>* tables[3] = {&Toolbar1Buttons(), &Toolbar2Buttons(),
                                                 &Toolbar3Buttons()};
  // Buttons whose menu entries start disabled start disabled too.
  for (int bar = 0; bar < 3; ++bar) {
    QToolBar* tb = new QToolBar(this);
    tb->setObjectName(QStringLiteral("Toolbar%1").arg(bar + 1));
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->setIconSize(QSize(24, 24));
    tb->setMouseTracking(true);
    tb->installEventFilter(this);
    toolbars_[bar] = tb;
    if (bar == 2) {
      tb->setOrientation(Qt::Vertical);
      addToolBar(Qt::RightToolBarArea, tb);
    } else {
      if (bar == 1) addToolBarBreak(Qt::TopToolBarArea);
      addToolBar(Qt::TopToolBarArea, tb);
    }
    for (const ToolbarButton& b : *tables[bar]) {
      if (b.separator()) {
        QAction* separator = tb->addSeparator();
        toolbarActions_[bar].push_back(separator);
        if (QWidget* w = tb->widgetForAction(separator)) {  // the hint goes back to ready there
          w->setMouseTracking(true);
          w->installEventFilter(this);
        }
        continue;
      }
      QAction* a = tb->addAction(ToolbarIcon(b.key), QString::fromUtf8(b.tooltip));
      a->setObjectName(QString::fromLatin1(b.key));
      a->setToolTip(QString::fromUtf8(b.tooltip));
      QString command = QString::fromLatin1(b.command);
      auto menu = actions_.find(command);
      if (menu != actions_.end()) a->setEnabled(menu->second->isEnabled());
      connect(a, &QAction::triggered, this, [this, command] { RunCommand(command); });
      toolbarActions_[bar].push_back(a);
      if (QWidget* w = tb->widgetForAction(a)) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
      }
    }
  }
}

void MainWindow::BuildCentralArea() {
  central_ = new QWidget(this);
  central_->setObjectName(QStringLiteral("CentralArea"));
  setCentralWidget(central_);
  list1_ = new QListWidget(central_);
  list1_->setObjectName(QStringLiteral("List1"));
  graphList_ = new GraphList(list1_, funEdit_, this);
  graphList_->onRebuildAndDisplay = [this] {
    BuildSceneLists();
    Display(AnimFrame);
  };
  graphList_->onRefresh = [this] {
    update();
    picDraw_->update();
  };
  graphList_->onEnablePlayback = [this] { EnablePlayback(); };
  graphList_->onSetTimerInterval = [this](int ms) { player_->SetInterval(ms); };
  SetDialogParent(this);
  result_ = new QPlainTextEdit(central_);
  result_->setObjectName(QStringLiteral("Result"));
  result_->setReadOnly(true);
  splitter_ = new SplitterBar(Qt::Vertical, central_);
  splitter_->setObjectName(QStringLiteral("Splitter"));
  splitter2_ = new SplitterBar(Qt::Horizontal, central_);
  splitter2_->setObjectName(QStringLiteral("Splitter2"));
  picDraw_ = new DrawArea(central_);
  picDraw_->frame().SetAxes([] { return DocAxes().Show; },
                            [](const Box& b) {
                              DocAxes().Draw(2, b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ);
                            });
  picDraw_->frame().SetFontBuilder([] {
    CreateOutlineFont(LabelFontBase, "Arial", -6, 400, 0, 0);
    CreateOutlineFont(TitleFontBase, "Arial", -8, 700, 0, 0);
  });
  picDraw_->SetPopupHandler([this](const QPoint& global) { graphEdit_->popup(global); });
  picDraw_->SetViewDialogHandler([this] {
    if (ShowViewDialog(this)) Display(AnimFrame);
  });
  Navigator& nav = picDraw_->navigator();
  commands_[QStringLiteral("mnuViewMove")] = [&nav] { nav.mnuViewMove_Click(); };
  commands_[QStringLiteral("mnuViewZoom")] = [&nav] { nav.mnuViewZoom_Click(); };
  commands_[QStringLiteral("mnuViewFit")] = [&nav] { nav.mnuViewFit_Click(); };
  commands_[QStringLiteral("mnuViewRotate")] = [&nav] { nav.mnuViewRotate_Click(); };
  commands_[QStringLiteral("mnuViewFront")] = [&nav] { nav.mnuViewFront_Click(); };
  commands_[QStringLiteral("mnuViewRight")] = [&nav] { nav.mnuViewRight_Click(); };
  commands_[QStringLiteral("mnuViewTop")] = [&nav] { nav.mnuViewTop_Click(); };
  commands_[QStringLiteral("mnuViewISO")] = [&nav] { nav.mnuViewISO_Click(); };
  commands_[QStringLiteral("mnuViewSet")] = [&nav] { nav.mnuViewSet_Click(); };
  splitter_->raise();
  splitter2_->raise();
  connect(splitter_, &SplitterBar::pressed, this, [this] { OnSplitterPressed(true); });
  connect(splitter_, &SplitterBar::moved, this, [this](int d) { OnSplitterMoved(true, d); });
  connect(splitter_, &SplitterBar::released, this, [this] { OnSplitterReleased(true); });
  connect(splitter2_, &SplitterBar::pressed, this, [this] { OnSplitterPressed(false); });
  connect(splitter2_, &SplitterBar::moved, this, [this](int d) { OnSplitterMoved(false, d); });
  connect(splitter2_, &SplitterBar::released, this, [this] { OnSplitterReleased(false); });
}

QAction* MainWindow::Action(const QString& objectName) const {
  auto it = actions_.find(objectName);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::ToolbarAction(Bar bar, int index) const {
  const auto& v = toolbarActions_[int(bar) - 1];
  if (index < 1 || index > int(v.size())) return nullptr;
  return v[size_t(index - 1)];
}

QToolBar* MainWindow::Toolbar(Bar bar) const { return toolbars_[int(bar) - 1]; }

void MainWindow::RunCommand(const QString& name) {
  if (commandWatcher_ && commandWatcher_(name)) return;
  auto it = commands_.find(name);
  if (it == commands_.end() || !it->second) return;
  it->second();
}

// ---------------------------------------------------------------------------------------
// Load and close

void MainWindow::Load(const LoadOptions& options) {
  player_->Reset();
  AnimFrame = 1;
  AnimFrameCount = 10;
  AnimSpeed = 10;
  DocAxes().Show = true;
  AxisChanged = false;
  EditMode = false;
  CrLfText = "\r\n";
  TabText = "\t";
  picDraw_->navigator().Reset();
  loaded_ = true;

  if (options.writeAssociation) {
    FileAssociationPaths paths = options.association;
    if (paths.dataHome.isEmpty()) paths.dataHome = DefaultXdgDataHome();
    if (paths.programPath.isEmpty()) paths.programPath = QCoreApplication::applicationFilePath();
    if (paths.programDir.isEmpty()) paths.programDir = QCoreApplication::applicationDirPath();
    ProcessRunner runner = options.processRunner;
    if (!runner)
      runner = [](const QString& program, const QStringList& args) {
        QProcess::startDetached(program, args);
      };
    associationWritten_ = WriteFileAssociation(paths, runner);
  }

  QString path = DocumentPathFromArguments(options.arguments);
  bool loaded = false;
  if (!path.isEmpty())
    loaded = options.loadDocument ? options.loadDocument(path) : files_->OpenDocument(path);
  if (!loaded) mnuFileNew2D_Click();
}

void MainWindow::mnuFileExit_Click() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  // Ask before anything is torn down; a save that does not complete keeps the window. "否"
  // throws the document away, so only a click answers: Esc and the close button do not.
  if (DocScene.FunSurfs.Count() > 0) {
    MsgAnswer a = ShowMessage(kSaveQuestion, kNoteTitle, MsgIcon::Exclamation,
                              MsgButtons::YesNoWithoutEscape);
    if (a == MsgAnswer::Yes && !SaveDocument()) {
      event->ignore();
      return;
    }
  }
  closing_ = true;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible() && w->isWindow() && !qobject_cast<QMenu*>(w)) w->close();
  picDraw_->StopSpinningForGood();
  timer1_->stop();
  event->accept();
}

bool MainWindow::SaveDocument() { return files_->mnuFileSave_Click(); }

// ---------------------------------------------------------------------------------------
// Document kinds

void MainWindow::mnuFileNew2D_Click() { NewDocument(1); }
void MainWindow::mnuFileNew25D_Click() { NewDocument(2); }
void MainWindow::mnuFileNew3D_Click() { NewDocument(3); }

void MainWindow::NewDocument(int kind) {
  const bool anyGraph = DocScene.FunSurfs.Count() >= 1;
  MsgAnswer a = MsgAnswer::No;
  if (anyGraph) {
    a = ShowMessage(kSaveQuestion, kNoteTitle, MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (a == MsgAnswer::Yes && !SaveDocument()) return;
    if (a != MsgAnswer::Yes && a != MsgAnswer::No) return;
  }
  player_->Pause();  // the animation played ends with its document
  if (anyGraph) mnuEditDelAll_Click();
  ApplyKindSettings(kind);
  if (a == MsgAnswer::Yes) SavedFlag = false;
}

void MainWindow::ApplyKindSettings(int kind) {
  if (files_) files_->ForgetDocumentPath();
  if (kind != 1) {
    DocLight.SetPosition(0, 100);
    DocLight.SetPosition(1, 100);
  }
  ViewScene.RotRoll = 0;
  ViewScene.RotPitch = kind == 1 ? 0.0f : -15.0f;
  ViewScene.RotYaw = kind == 1 ? 0.0f : 45.0f;
  picDraw_->navigator().ToolsOff();
  if (kind == 1) picDraw_->StopSpinAndShowSceneAngles();  // the presets are off in 2D: start level
  GraphMode = kind;
  DocAxes().BetterFonts = true;
  if (kind != 1) DocAxes().SetDefault();
  EnableCommands(kind);
}

void MainWindow::EnableCommands2D() { EnableCommands(1); }
void MainWindow::EnableCommands25D() { EnableCommands(2); }
void MainWindow::EnableCommands3D() { EnableCommands(3); }

void MainWindow::EnableCommands(int graphMode) {
  for (const CommandSetRow& row : CommandSetTable()) {
    bool on = row.OnFor(graphMode);
    for (const char* name : row.menuEntries)
      if (QAction* a = Action(QString::fromLatin1(name))) a->setEnabled(on);
    for (int i : row.buttons)
      if (QAction* a = ToolbarAction(row.bar, i)) a->setEnabled(on);
  }
}

void MainWindow::EnablePlayback() {
  for (int i = 13; i <= 23; ++i)
    if (QAction* a = ToolbarAction(Bar::Toolbar2, i)) a->setEnabled(true);
  for (const char* name : PlaybackMenuEntries())
    if (QAction* a = Action(QString::fromLatin1(name))) a->setEnabled(true);
}

void MainWindow::mnuEditDelAll_Click() { DeleteAllGraphs(); }
void MainWindow::mnuGraphDelAll_Click() { DeleteAllGraphs(); }

void MainWindow::DeleteAllGraphs() { graphList_->DeleteAllGraphs(); }

void MainWindow::BuildSceneLists() {
  picDraw_->BuildSceneLists();
  if (files_) files_->UpdateSaveEntries();
}

void MainWindow::Display(int32_t animFrame) { picDraw_->Display(animFrame); }

void MainWindow::mnuDrawAxis_Click() {
  ShowAxesDialog(this);
  if (AxisChanged) {
    BuildSceneLists();
    Display(AnimFrame);
    AxisChanged = false;
  }
}

void MainWindow::mnuDrawLight_Click() {
  if (ShowLightDialog(this)) Display(AnimFrame);
}

void MainWindow::SetProjection(int32_t type) {
  DocView.ProjectType = type;
  Display(AnimFrame);
}

void MainWindow::SetSelectedGraphLook(bool show, int32_t value) {
  if (ViewScene.FunSurfs.Count() < 1) return;
  int line = list1_->currentRow();
  QListWidgetItem* item = line >= 0 ? list1_->item(line) : nullptr;
  if (!item || item->checkState() != Qt::Checked || line >= DocScene.FunSurfs.Count()) {
    ShowMessage("请先选择一个函数", "警告", MsgIcon::Exclamation);
    return;
  }
  const int32_t id = DocScene.FunSurfs.Item(line + 1)->ID;
  for (const auto& entry : ViewScene.FunSurfs) {
    if (entry.second->ID == id) {
      if (show)
        entry.second->Show = value;
      else
        entry.second->Smoothness = value;
      break;
    }
  }
  BuildSceneLists();
  Display(AnimFrame);
}

// ---------------------------------------------------------------------------------------
// Layout and splitters

int MainWindow::ToolbarThicknessTwips() const { return toolbars_[0]->height() * TwipsPerPixel(); }

int MainWindow::StatusHeightTwips() const {
  return statusBar()->isVisible() ? statusBar()->height() * TwipsPerPixel() : 0;
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  Form_Resize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

void MainWindow::Form_Resize() {
  if (!central_) return;
  const int k = TwipsPerPixel();
  const int T = ToolbarThicknessTwips();
  const int S = StatusHeightTwips();
  // The right-hand toolbar can be a pixel wider than the top one is high: the drawing area
  // ends at the client area's own right edge.
  const int W = central_->width() * k + T;
  const int H = central_->height() * k + 2 * T + S;
  if (!splitter2Placed_ && isVisible()) {
    splitter2Top_ = InitialSplitter2Top(H, T);
    splitter2Placed_ = true;
  }
  // In a small window the bars give way as far as the list, the result box and the drawing
  // area need to stay in sight; the positions the user chose are kept for a larger window.
  LayoutInput in{W, H, T, S, splitterLeft_, splitter2Top_, result_->height() * k};
  in = BarsKeepingPanesInSight(in, LeastPaneTwips());
  shownSplitterLeft_ = in.splitterLeft;
  shownSplitter2Top_ = in.splitter2Top;
  LayoutResult r = ComputeLayout(in);
  auto place = [&](QWidget* w, const std::optional<TwipRect>& rect) {
    if (!rect) return;
    w->setGeometry(rect->left / k, (rect->top - 2 * T) / k, rect->width / k, rect->height / k);
  };
  place(splitter_, r.splitter);
  place(splitter2_, r.splitter2);
  place(picDraw_, r.picDraw);
  place(result_, r.result);
  place(list1_, r.list1);
  picDraw_->update();
}

int MainWindow::LeastPaneTwips() const {
  auto twoLines = [](const QAbstractScrollArea* pane, int rowHeight, int margins) {
    return 2 * rowHeight + 2 * pane->frameWidth() + margins;
  };
  // A list row is as high as its check box when that is taller than the text.
  const int listRow = std::max(list1_->fontMetrics().lineSpacing(),
                               list1_->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, list1_));
  const int resultMargins = 2 * static_cast<int>(std::ceil(result_->document()->documentMargin()));
  const int pixels = std::max(twoLines(list1_, listRow, 0),
                              twoLines(result_, result_->fontMetrics().lineSpacing(), resultMargins));
  return (pixels + 1) * TwipsPerPixel();  // a pixel more for the rounding down to pixels
}

void MainWindow::OnSplitterPressed(bool vertical) {
  // A drag starts from where the bar is seen, which a small window may have moved; the
  // other bar keeps the place the user left it at.
  if (vertical)
    splitterLeft_ = shownSplitterLeft_;
  else
    splitter2Top_ = shownSplitter2Top_;
  splitterDragging_ = true;
  (vertical ? splitter_ : splitter2_)->SetPressedLook(true);
}

void MainWindow::OnSplitterMoved(bool vertical, int deltaPixels) {
  if (!splitterDragging_) return;
  const int k = TwipsPerPixel();
  const int T = ToolbarThicknessTwips();
  if (vertical) {
    splitterLeft_ += deltaPixels * k;
    splitter_->move(splitterLeft_ / k, splitter_->y());
  } else {
    splitter2Top_ += deltaPixels * k;
    splitter2_->move(splitter2_->x(), (splitter2Top_ - 2 * T) / k);
  }
}

void MainWindow::OnSplitterReleased(bool vertical) {
  const int k = TwipsPerPixel();
  const int T = ToolbarThicknessTwips();
  const int S = StatusHeightTwips();
  const int W = (central_->width() + toolbars_[2]->width()) * k;
  const int H = central_->height() * k + 2 * T + S;
  splitterDragging_ = false;
  if (vertical) {
    splitter_->SetPressedLook(false);
    splitterLeft_ = ReleasedSplitterLeft(splitterLeft_, W);
  } else {
    splitter2_->SetPressedLook(false);
    splitter2Top_ = ReleasedSplitter2Top(splitter2Top_, H, T);
  }
  Form_Resize();
}

// ---------------------------------------------------------------------------------------
// Status hints

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    QWidget* w = qobject_cast<QWidget*>(watched);
    for (QToolBar* bar : toolbars_) {
      if (w && (w == bar || bar->isAncestorOf(w))) {
        UpdateHint(bar, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::UpdateHint(QToolBar* bar, const QPoint& globalPos) {
  int index = bar == toolbars_[0] ? 0 : bar == toolbars_[1] ? 1 : 2;
  const std::vector<ToolbarButton>& table =
      index == 0 ? Toolbar1Buttons() : index == 1 ? Toolbar2Buttons() : Toolbar3Buttons();
  const bool vertical = index == 2;
  QPoint inBar = bar->mapFromGlobal(globalPos);
  QPoint inWindow = mapFromGlobal(globalPos);
  std::vector<ButtonExtent> extents;
  for (QAction* a : toolbarActions_[index]) {
    QWidget* bw = bar->widgetForAction(a);
    QRect g = bw ? bw->geometry() : QRect();
    extents.push_back(vertical ? ButtonExtent{g.top(), g.height()} : ButtonExtent{g.left(), g.width()});
  }
  QRect band = bar->geometry();
  std::optional<std::string> hint =
      vertical ? HintAt(table, extents, inBar.y(), inWindow.x(), band.left(), band.width())
               : HintAt(table, extents, inBar.x(), inWindow.y(), band.top(), band.height());
  if (hint) statusHint_->setText(ToQ(*hint));
}
