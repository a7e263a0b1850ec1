// Editing a graph through the main window: "编辑..." of the list's popup opens the graph's
// dialog filled from it; OK changes the graph, its line and the picture, Cancel nothing.
#include <QAction>
#include <QListWidget>

#include "dialogs/data/point_dialog.h"
#include "dialogs/function/function_2d_ok.h"
#include "support/shown_window.h"

namespace {

class EditThroughWindow : public ShownWindowBase {
 protected:
  void SetUp() override {
    ShownWindowBase::SetUp();
    previous_ = SetFunction2DDialogRunner([this](Function2DDialogState s, DocumentHost& host) {
      if (!onDialog || !onDialog(s)) return;  // Cancel
      Function2DCommandOk(s, host);
    });
  }
  void TearDown() override {
    SetFunction2DDialogRunner(previous_);
    ShownWindowBase::TearDown();
  }
  // Pixels of the picture that are mostly red, mostly green.
  std::pair<int, int> RedAndGreen() {
    QApplication::processEvents();
    const QImage img = area->grabFramebuffer();
    int red = 0, green = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
        if (c.green() > 200 && c.red() < 80 && c.blue() < 80) ++green;
      }
    return {red, green};
  }

  std::function<bool(Function2DDialogState&)> onDialog;
  Function2DDialogRunner previous_;
};

TEST_F(EditThroughWindow, PopupEditChangesGraphLineAndPicture) {
  onDialog = [](Function2DDialogState& s) {
    s.expression = "sin(x)";
    s.minX = "-5";
    s.maxX = "5";
    s.segmentsX = "200";
    s.curve.colour = 0x0000FF;  // red
    s.curve.width = "3";
    return true;
  };
  window->RunCommand("mnuDraw2DCart");
  QListWidget* list = window->List1();
  ASSERT_EQ(list->count(), 1);
  const auto before = RedAndGreen();
  EXPECT_GT(before.first, 50);
  EXPECT_LT(before.second, 10);

  // Cancel: graph, line and picture as they were.
  std::vector<Function2DDialogState> shown;
  onDialog = [&](Function2DDialogState& s) {
    shown.push_back(s);
    return false;
  };
  list->setCurrentRow(0);
  window->Action("mnuFunEdit")->trigger();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].expression, "sin(x)");
  EXPECT_EQ(shown[0].curve.colour, 0x0000FF);
  EXPECT_EQ(RedAndGreen(), before);

  onDialog = [](Function2DDialogState& s) {
    s.expression = "cos(x)";
    s.curve.colour = 0x00FF00;  // green
    return true;
  };
  window->Action("mnuFunEdit")->trigger();
  EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("二维曲线  y=cos(x)"));
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->ExpressZ, "cos(x)");
  const auto after = RedAndGreen();
  EXPECT_LT(after.first, before.first);
  EXPECT_GT(after.second, 50);
}

// A point: its colour edited through the popup changes the picture; Cancel does not.
class EditPointThroughWindow : public EditThroughWindow {
 protected:
  void SetUp() override {
    EditThroughWindow::SetUp();
    previousPoint_ = SetPointDialogRunner(
        [this](PointDialogState s, const EditLineText& line, DocumentHost& host) {
          shownPoints.push_back(s);
          if (!onPoint || !onPoint(s)) return;  // Cancel
          PointCommandOk(s, line, host);
        });
  }
  void TearDown() override {
    SetPointDialogRunner(previousPoint_);
    EditThroughWindow::TearDown();
  }
  std::function<bool(PointDialogState&)> onPoint;
  std::vector<PointDialogState> shownPoints;
  PointDialogRunner previousPoint_;
};

TEST_F(EditPointThroughWindow, PopupEditRecoloursThePoint) {
  onPoint = [](PointDialogState& s) {
    s.x = "0", s.y = "0", s.size = "9";
    s.colour = 0x0000FF;  // red
    return true;
  };
  window->RunCommand("mnuFileNew2D");
  window->RunCommand("mnuDrawPoint");
  QListWidget* list = window->List1();
  ASSERT_EQ(list->count(), 1);
  const auto before = RedAndGreen();
  EXPECT_GT(before.first, 10);
  EXPECT_EQ(before.second, 0);

  onPoint = nullptr;
  list->setCurrentRow(0);
  window->Action("mnuFunEdit")->trigger();
  ASSERT_EQ(shownPoints.size(), 2u);
  EXPECT_EQ(shownPoints[1].colour, 0x0000FF);
  EXPECT_EQ(RedAndGreen(), before);

  onPoint = [](PointDialogState& s) {
    s.colour = 0x00FF00;  // green
    return true;
  };
  window->Action("mnuFunEdit")->trigger();
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->PointColor, 0x00FF00);
  EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("点  x=0, y=0"));
  const auto after = RedAndGreen();
  EXPECT_EQ(after.first, 0);
  EXPECT_EQ(after.second, before.first);
}

}  // namespace
