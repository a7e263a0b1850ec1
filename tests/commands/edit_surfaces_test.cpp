// Editing strips and 3D curves and surfaces: the dialogs filled from the graph give it back
// unchanged on an unchanged OK, in every system, form, kind and mode.
#include <gtest/gtest.h>

#include <functional>

#include "commands/edit_command.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/function_3d_accept.h"
#include "dialogs/function/function_3d_edit_fill.h"
#include "dialogs/function/function_3d_ok.h"
#include "dialogs/function/strip_accept.h"
#include "dialogs/function/strip_edit_fill.h"
#include "dialogs/function/strip_ok.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"
#include "support/graph_settings.h"

using namespace curvanta;

namespace {

// The appearance every test graph has: nothing at its start value.
void Look(SurfaceLook& look, int32_t fillStyle) {
  look.fillStyle = fillStyle;
  look.firstColour = 0x102030;
  look.secondColour = 0x405060;
  look.singleColour = 0x405060;
  look.material = 11;
  look.model = 2;
  look.smoothness = 1;
}

class EditSurfaces : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    previousStrip_ = InstallDialogRunner<StripDialogState>(
        [this](StripDialogState s, DocumentHost& h) {
          ++opened;
          stripShown = s;
          okResult = StripCommandOk(s, h);
        });
    previous3D_ = InstallDialogRunner<Function3DDialogState>(
        [this](Function3DDialogState s, DocumentHost& h) {
          ++opened;
          shown3D = s;
          okResult = Function3DCommandOk(s, h);
        });
  }
  void TearDown() override {
    InstallDialogRunner<StripDialogState>(previousStrip_);
    InstallDialogRunner<Function3DDialogState>(previous3D_);
    ResetGlobals();
    ResetSceneGlobals();
  }
  // Edits the one graph of the document unchanged and returns the settings that differ.
  std::vector<std::string> EditUnchanged(std::string line) {
    auto graph = DocScene.FunSurfs.Item(1);
    const GraphItem before = *graph;
    host.lines = {{line, true}};
    host.current = 0;
    opened = 0;
    mnuFunEdit_Click(host);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(okResult);
    EXPECT_EQ(host.lines[0].text, line);
    EXPECT_EQ(graph->ID, before.ID);
    return SettingsDiff(before, *graph);
  }

  ScopedMessageRecorder rec;
  FakeHost host;
  int opened = 0;
  bool okResult = false;
  StripDialogState stripShown;
  Function3DDialogState shown3D;
  DialogRunner<StripDialogState> previousStrip_;
  DialogRunner<Function3DDialogState> previous3D_;
};

TEST_F(EditSurfaces, StripsComeBackUnchanged) {
  for (bool animated : {false, true}) {
    for (bool polar : {false, true}) {
      for (int form : {0, 1}) {
        for (int32_t fillStyle : {1, 2, 3, 4}) {
          SCOPED_TRACE(std::to_string(animated) + std::to_string(polar) + std::to_string(form) +
                       " style " + std::to_string(fillStyle));
          ResetSceneGlobals();
          GraphMode = 2;
          StripDialogState s = StripPresetForCreate(polar, animated, 12);
          s.form = form;
          StripFormChosen(s);
          s.name = "带 B";
          s.expression = form == 0 ? "sin(x)+2" : "cos(u)";
          if (form == 1) s.secondExpression = "sin(u)";
          s.minimum = "-1.5";
          s.maximum = "2.25";
          s.segments = "33";
          if (animated) {
            s.minT = "0.5";
            s.maxT = "1.75";
          }
          Look(s.look, fillStyle);
          EditMode = false;
          ASSERT_TRUE(StripCommandOk(s, host));
          const std::string line = StripEditLineText(*DocScene.FunSurfs.Item(1));
          EXPECT_EQ(EditUnchanged(line), std::vector<std::string>{});
          EXPECT_EQ(stripShown.caption, "二维半函数图形属性");
          EXPECT_EQ(stripShown.stepsTEnabled, !animated);
        }
      }
    }
  }
}

TEST_F(EditSurfaces, CurvesAndSurfacesComeBackUnchangedWithTheirOverlays) {
  for (bool animated : {false, true}) {
    for (int system : {0, 1, 2}) {
      for (int type : {0, 1}) {
        for (int form : {0, 1}) {
          SCOPED_TRACE(std::to_string(animated) + std::to_string(system) + std::to_string(type) +
                       std::to_string(form));
          ResetSceneGlobals();
          GraphMode = 3;
          Function3DDialogState s = Function3DPresetForCreate(system, animated, 12);
          s.type = type;
          Function3DTypeChosen(s);
          s.form = form;
          Function3DFormChosen(s);
          s.name = "面 C";
          const std::string p = system == 0 ? "x" : "a";
          const std::string q = system == 0 ? "y" : system == 1 ? "r" : "b";
          if (form == 0) {
            s.expression = type == 1 ? "sin(" + p + ")*cos(" + q + ")" : "sin(" + p + ")";
          } else {
            s.expression = "cos(u)";
            s.secondExpression = "sin(u)";
            s.thirdExpression = type == 1 ? "u*v" : "u";
          }
          s.minU = "-1.5";
          s.maxU = "2.25";
          s.segmentsU = "17";
          s.minV = "-0.5";
          s.maxV = "1.25";
          s.segmentsV = "13";
          if (animated) {
            s.minT = "0.5";
            s.maxT = "1.75";
          }
          Look(s.look, 2);
          const bool overlays = !animated && system == 0 && type == 1;
          s.colourMap = overlays;
          s.contours = overlays;
          s.vectors = overlays;
          EditMode = false;
          ASSERT_TRUE(Function3DCommandOk(s, host));
          if (overlays) DocScene.FunSurfs.Item(1)->contourlevel = 7;  // a document's own level
          const std::string line = Function3DEditLineText(*DocScene.FunSurfs.Item(1));
          EXPECT_EQ(EditUnchanged(line), std::vector<std::string>{});
          EXPECT_EQ(shown3D.caption, animated ? "三维函数图形动画属性" : "三维函数图形属性");
          EXPECT_EQ(shown3D.overlaysEnabled, overlays);
        }
      }
    }
  }
}

TEST_F(EditSurfaces, FillsFollowTheGraph) {
  GraphMode = 2;
  StripDialogState strip = StripPresetForCreate(true, true, 12);
  strip.expression = "1+cos(a)";
  strip.minimum = "0";
  strip.maximum = "6.28";
  strip.segments = "40";
  strip.minT = "0";
  strip.maxT = "1";
  ASSERT_TRUE(StripCommandOk(strip, host));
  auto graph = DocScene.FunSurfs.Item(1);
  graph->Smoothness = 0;  // none chosen: the dialog's own choice stays
  auto filled = StripEditFill(*graph, 25);
  ASSERT_TRUE(filled);
  EXPECT_EQ(filled->expressionLabel, "r(a)");  // the still caption, also when animated
  EXPECT_EQ(filled->formItems[0], "r=f(a,t)");
  EXPECT_EQ(filled->stepsT, "25");
  EXPECT_EQ(filled->look.smoothness, 3);
  graph->FunForm = 1;
  EXPECT_FALSE(StripEditFill(*graph, 25));

  Function3DDialogState curve = Function3DPresetForCreate(2, true, 12);
  curve.type = 0;
  Function3DTypeChosen(curve);
  curve.form = 1;
  Function3DFormChosen(curve);
  curve.expression = "u";
  curve.secondExpression = "u";
  curve.thirdExpression = "1";
  curve.minU = "0";
  curve.maxU = "1";
  curve.segmentsU = "10";
  curve.minT = "0";
  curve.maxT = "1";
  GraphMode = 3;
  ASSERT_TRUE(Function3DCommandOk(curve, host));
  auto filled3D = Function3DEditFill(*DocScene.FunSurfs.Item(2), 12);
  EXPECT_EQ(filled3D.typeItems, (std::vector<std::string>{"曲线动画", "曲面动画"}));
  EXPECT_EQ(filled3D.type, 0);
  EXPECT_EQ(filled3D.expressionLabel, "a(u,t)");
  EXPECT_FALSE(filled3D.overlaysEnabled);
}

}  // namespace
