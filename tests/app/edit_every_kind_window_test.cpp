// Through the main window: every kind of graph a dialog makes, in every kind of document
// its command works in, is opened by "编辑..." in its own dialog, and an unchanged OK keeps it.
#include <QAction>
#include <QListWidget>

#include "dialogs/data/point_dialog.h"
#include "dialogs/data/step_stem_dialog.h"
#include "dialogs/data/table_2d_dialog_state.h"
#include "dialogs/data/table_accept.h"
#include "dialogs/data/table_surface_dialog_state.h"
#include "dialogs/function/dialog_runner.h"
#include "dialogs/function/function_2d_ok.h"
#include "dialogs/function/function_3d_ok.h"
#include "dialogs/function/strip_ok.h"
#include "support/graph_settings.h"
#include "support/shown_window.h"

namespace {

enum class Dialog { Function2D, Strip, Function3D, Table2D, Table25D, Table3D, Point, StepStem };

struct KindCase {
  const char* newDocument;
  const char* create;
  int32_t graphType;
  Dialog dialog;
  int surfaceType = -1;  // the 3D dialog: 0 curve, 1 surface
};

std::ostream& operator<<(std::ostream& os, const KindCase& c) {
  return os << c.newDocument << " " << c.create << " kind " << c.graphType;
}

class EditEveryKind : public ShownWindowBase, public ::testing::WithParamInterface<KindCase> {
 protected:
  void SetUp() override {
    ShownWindowBase::SetUp();
    previous2D_ = SetFunction2DDialogRunner([this](Function2DDialogState s, DocumentHost& h) {
      Opened(Dialog::Function2D);
      if (!editing) s.expression = "1", s.minX = "0", s.maxX = "1", s.segmentsX = "4", s.minT = "0", s.maxT = "1";
      okResult = Function2DCommandOk(s, h);
    });
    previousStrip_ = InstallDialogRunner<StripDialogState>([this](StripDialogState s, DocumentHost& h) {
      Opened(Dialog::Strip);
      if (!editing) s.expression = "1", s.minimum = "0", s.maximum = "1", s.segments = "4", s.minT = "0", s.maxT = "1";
      okResult = StripCommandOk(s, h);
    });
    previous3D_ = InstallDialogRunner<Function3DDialogState>(
        [this](Function3DDialogState s, DocumentHost& h) {
          Opened(Dialog::Function3D);
          if (!editing) {
            s.type = GetParam().surfaceType;
            Function3DTypeChosen(s);
            s.form = 0;
            Function3DFormChosen(s);
            s.expression = "1", s.minU = "0", s.maxU = "1", s.segmentsU = "4";
            s.minV = "0", s.maxV = "1", s.segmentsV = "4", s.minT = "0", s.maxT = "1";
          }
          okResult = Function3DCommandOk(s, h);
        });
    previousPoint_ = SetPointDialogRunner(
        [this](PointDialogState s, const EditLineText& line, DocumentHost& h) {
          Opened(Dialog::Point);
          if (!editing) s.x = "1", s.y = "1", s.z = "1", s.minT = "0", s.maxT = "1";
          okResult = PointCommandOk(s, line, h);
        });
    previousStep_ = SetStepStemDialogRunner(
        [this](StepStemDialogState s, const EditLineText& line, DocumentHost& h) {
          Opened(Dialog::StepStem);
          if (!editing) s.function = "1", s.minX = "0", s.maxX = "1", s.segments = "4", s.showStep = true;
          okResult = StepStemCommandOk(s, line, h);
        });
  }
  void TearDown() override {
    SetFunction2DDialogRunner(previous2D_);
    InstallDialogRunner<StripDialogState>(previousStrip_);
    InstallDialogRunner<Function3DDialogState>(previous3D_);
    SetPointDialogRunner(previousPoint_);
    SetStepStemDialogRunner(previousStep_);
    ShownWindowBase::TearDown();
  }
  void Opened(Dialog d) { opened.push_back(d); }

  // The tables' untouched OK adds five points at the origin.
  ScopedTableDialogRunner<Table2DDialogState> table2D_{[this](Table2DDialogState s, DocumentHost& h) {
    Opened(Dialog::Table2D);
    okResult = Table2DCommandOk(s, h);
  }};
  ScopedTableDialogRunner<Table25DDialogState> table25D_{[this](Table25DDialogState s, DocumentHost& h) {
    Opened(Dialog::Table25D);
    okResult = Table25DCommandOk(s, h);
  }};
  ScopedTableDialogRunner<Table3DDialogState> table3D_{[this](Table3DDialogState s, DocumentHost& h) {
    Opened(Dialog::Table3D);
    okResult = Table3DCommandOk(s, h);
  }};

  bool editing = false;
  bool okResult = false;
  std::vector<Dialog> opened;
  Function2DDialogRunner previous2D_;
  DialogRunner<StripDialogState> previousStrip_;
  DialogRunner<Function3DDialogState> previous3D_;
  PointDialogRunner previousPoint_;
  StepStemDialogRunner previousStep_;
};

TEST_P(EditEveryKind, PopupEditOpensItsDialogAndAnUnchangedOkKeepsTheGraph) {
  const KindCase& c = GetParam();
  window->RunCommand(QString::fromLatin1(c.newDocument));
  window->RunCommand(QString::fromLatin1(c.create));
  ASSERT_TRUE(okResult);
  ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
  const auto graph = DocScene.FunSurfs.Item(1);
  ASSERT_EQ(graph->GraphType, c.graphType);
  const GraphItem before = *graph;
  QListWidget* list = window->List1();
  ASSERT_EQ(list->count(), 1);
  ASSERT_EQ(list->item(0)->checkState(), Qt::Checked);

  editing = true;
  opened.clear();
  okResult = false;
  list->setCurrentRow(0);
  window->Action("mnuFunEdit")->trigger();
  ASSERT_EQ(opened, std::vector<Dialog>{c.dialog});
  EXPECT_TRUE(okResult);
  EXPECT_FALSE(EditMode);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_EQ(DocScene.FunSurfs.Item(1), graph);
  EXPECT_EQ(SettingsDiff(before, *graph), std::vector<std::string>{});
  EXPECT_EQ(list->count(), 1);
}

const KindCase kKinds[] = {
    {"mnuFileNew2D", "mnuDraw2DCart", GraphKind::Function2D, Dialog::Function2D},
    {"mnuFileNew2D", "mnuAniCur2DPol", GraphKind::Function2DAnim, Dialog::Function2D},
    {"mnuFileNew2D", "mnuDrawTab2D", GraphKind::Table2D, Dialog::Table2D},
    {"mnuFileNew2D", "mnuDrawPoint", GraphKind::Point, Dialog::Point},
    {"mnuFileNew2D", "mnuAniPoint", GraphKind::PointAnim, Dialog::Point},
    {"mnuFileNew2D", "mnuDrawStep", GraphKind::StepStem, Dialog::StepStem},
    {"mnuFileNew3D", "mnuDrawHcg", GraphKind::StepStem, Dialog::StepStem},  // makes it 2D
    {"mnuFileNew25D", "mnuDraw25DCart", GraphKind::Strip25D, Dialog::Strip},
    {"mnuFileNew25D", "mnuAni25DCurPol", GraphKind::Strip25DAnim, Dialog::Strip},
    {"mnuFileNew25D", "mnuDrawTab25D", GraphKind::Table25D, Dialog::Table25D},
    {"mnuFileNew25D", "mnuDrawPoint", GraphKind::Point, Dialog::Point},
    {"mnuFileNew25D", "mnuAniPoint", GraphKind::PointAnim, Dialog::Point},
    {"mnuFileNew3D", "mnuDraw3DCart", GraphKind::Curve3D, Dialog::Function3D, 0},
    {"mnuFileNew3D", "mnuDraw3DCyl", GraphKind::Surface3D, Dialog::Function3D, 1},
    {"mnuFileNew3D", "mnuAniSurSph", GraphKind::Curve3DAnim, Dialog::Function3D, 0},
    {"mnuFileNew3D", "mnuAniSurCart", GraphKind::Surface3DAnim, Dialog::Function3D, 1},
    {"mnuFileNew3D", "mnuDrawTab3D", GraphKind::Table3D, Dialog::Table3D},
    {"mnuFileNew3D", "mnuDrawPoint", GraphKind::Point, Dialog::Point},
    {"mnuFileNew3D", "mnuAniPoint", GraphKind::PointAnim, Dialog::Point},
};

INSTANTIATE_TEST_SUITE_P(AllDialogKinds, EditEveryKind, ::testing::ValuesIn(kKinds));

}  // namespace
