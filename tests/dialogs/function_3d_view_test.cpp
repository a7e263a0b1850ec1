// The 3D function dialog's view state: the relabelling table by system, type, form and
// mode, the form lists, the overlay switch, and what the create commands leave.
#include <gtest/gtest.h>

#include "dialogs/function/function_3d_dialog_state.h"

using namespace curvanta;

namespace {

TEST(Function3DView, LabelsAndRowsBySystemTypeAndForm) {
  struct Case {
    int system, type, form;
    const char* first;
    const char* second;  // nullptr: the second and third rows are hidden
    const char* third;
    const char* uRange;  // the variable of the u row's captions
    const char* vRange;  // nullptr: the v row is hidden
  };
  const Case cases[] = {
      // explicit curves over either variable
      {0, 0, 0, "z(x,y)", nullptr, nullptr, "x[y]", nullptr},
      {1, 0, 0, "z(a,r)", nullptr, nullptr, "a[r]", nullptr},
      {2, 0, 0, "r(a,b)", nullptr, nullptr, "a[b]", nullptr},
      // explicit surfaces
      {0, 1, 0, "z(x,y)", nullptr, nullptr, "x", "y"},
      {1, 1, 0, "z(a,r)", nullptr, nullptr, "a", "r"},
      {2, 1, 0, "r(a,b)", nullptr, nullptr, "a", "b"},
      // parametric curves
      {0, 0, 1, "x(u)", "y(u)", "z(u)", "u", nullptr},
      {1, 0, 1, "a(u)", "r(u)", "z(u)", "u", nullptr},
      {2, 0, 1, "a(u)", "b(u)", "r(u)", "u", nullptr},
      // parametric surfaces
      {0, 1, 1, "x(u,v)", "y(u,v)", "z(u,v)", "u", "v"},
      {1, 1, 1, "a(u,v)", "r(u,v)", "z(u,v)", "u", "v"},
      {2, 1, 1, "a(u,v)", "b(u,v)", "r(u,v)", "u", "v"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.system << c.type << c.form);
    const auto view = Function3DDefinitionViewFor(c.system, c.type, c.form, false);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->expressionLabel, c.first);
    EXPECT_EQ(view->componentsShown, c.second != nullptr);
    if (c.second) {
      EXPECT_EQ(view->secondExpressionLabel, c.second);
      EXPECT_EQ(view->thirdExpressionLabel, c.third);
    }
    const std::string u = c.uRange;
    EXPECT_EQ(view->minULabel, "最小 " + u);
    EXPECT_EQ(view->maxULabel, "最大 " + u);
    EXPECT_EQ(view->segmentsULabel, "段数 " + u);
    EXPECT_EQ(view->vRowShown, c.vRange != nullptr);
    if (c.vRange) {
      const std::string v = c.vRange;
      EXPECT_EQ(view->minVLabel, "最小 " + v);
      EXPECT_EQ(view->maxVLabel, "最大 " + v);
      EXPECT_EQ(view->segmentsVLabel, "段数 " + v);
    }
  }
  // Animation mode puts ",t" into every expression caption, not into the ranges.
  const auto curve = Function3DDefinitionViewFor(2, 0, 1, true);
  EXPECT_EQ(curve->expressionLabel, "a(u,t)");
  EXPECT_EQ(curve->thirdExpressionLabel, "r(u,t)");
  EXPECT_EQ(curve->minULabel, "最小 u");
  EXPECT_EQ(Function3DDefinitionViewFor(0, 1, 0, true)->expressionLabel, "z(x,y,t)");
  EXPECT_EQ(Function3DDefinitionViewFor(1, 1, 1, true)->secondExpressionLabel, "r(u,v,t)");
  // Outside the entries nothing is relabelled.
  for (auto [system, type, form] : {std::tuple{-1, 1, 0}, {3, 1, 0}, {0, -1, 0}, {0, 1, -1}})
    EXPECT_FALSE(Function3DDefinitionViewFor(system, type, form, false));
}

TEST(Function3DView, FormLists) {
  struct Case {
    int system, type;
    bool animated;
    const char* explicitForm;
    const char* parametricForm;
  };
  const Case cases[] = {
      {0, 0, false, "z=f(x) or z=f(y)", "x=f1(u),y=f2(u),z=f3(u)"},
      {1, 0, false, "z=f(a) or z=f(r)", "a=f1(u),r=f2(u),z=f3(u)"},
      {2, 0, false, "r=f(a) or r=f(b)", "a=f1(u),b=f2(u),r=f3(u)"},
      {0, 1, false, "z=f(x,y)", "x=f1(u,v),y=f2(u,v),z=f3(u,v)"},
      {1, 1, false, "z=f(a,r)", "a=f1(u,v),r=f2(u,v),z=f3(u,v)"},
      {2, 1, false, "r=f(a,b)", "a=f1(u,v),b=f2(u,v),r=f3(u,v)"},
      {0, 0, true, "z=f(x,t) or z=f(y,t)", "x=f1(u,t),y=f2(u,t),z=f3(u,t)"},
      {1, 0, true, "z=f(a,t) or z=f(r,t)", "a=f1(u,t),r=f2(u,t),z=f3(u,t)"},
      {2, 0, true, "r=f(a,t) or r=f(b,t)", "a=f1(u,t),b=f2(u,t),r=f3(u,t)"},
      {0, 1, true, "z=f(x,y,t)", "x=f1(u,v,t),y=f2(u,v,t),z=f3(u,v,t)"},
      {1, 1, true, "z=f(a,r,t)", "a=f1(u,v,t),r=f2(u,v,t),z=f3(u,v,t)"},
      {2, 1, true, "r=f(a,b,t)", "a=f1(u,v,t),b=f2(u,v,t),r=f3(u,v,t)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Function3DFormItems(c.system, c.type, c.animated),
              (std::vector<std::string>{c.explicitForm, c.parametricForm}));
  EXPECT_TRUE(Function3DFormItems(0, -1, false).empty());
}

TEST(Function3DView, CreatePresets) {
  struct Case {
    int system;
    bool animated;
    const char* caption;
    const char* label;
    const char* firstForm;
    bool overlays;
  };
  const Case cases[] = {
      {0, false, "三维函数图形属性", "z(x,y)", "z=f(x,y)", true},
      {1, false, "三维函数图形属性", "z(a,r)", "z=f(a,r)", false},
      {2, false, "三维函数图形属性", "r(a,b)", "r=f(a,b)", false},
      {0, true, "三维函数图形动画属性", "z(x,y,t)", "z=f(x,y,t)", false},
      {1, true, "三维函数图形动画属性", "z(a,r,t)", "z=f(a,r,t)", false},
      {2, true, "三维函数图形动画属性", "r(a,b,t)", "r=f(a,b,t)", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const Function3DDialogState s = Function3DPresetForCreate(c.system, c.animated, 25);
    EXPECT_EQ(s.caption, c.caption);
    EXPECT_EQ(s.coordSystem, c.system);
    EXPECT_EQ(s.animated, c.animated);
    EXPECT_EQ(s.typeItems, c.animated ? (std::vector<std::string>{"曲线动画", "曲面动画"})
                                      : (std::vector<std::string>{"曲线", "曲面"}));
    EXPECT_EQ(s.type, 1);
    EXPECT_EQ(s.form, 0);
    EXPECT_EQ(s.formItems[0], c.firstForm);
    EXPECT_EQ(s.expressionLabel, c.label);
    EXPECT_FALSE(s.componentsShown);
    EXPECT_TRUE(s.vRowShown);
    EXPECT_EQ(s.overlaysEnabled, c.overlays);
    EXPECT_FALSE(s.colourMap || s.contours || s.vectors);
    EXPECT_EQ(s.stepsT, c.animated ? "25" : "");
    EXPECT_EQ(s.stepsTEnabled, !c.animated);
    EXPECT_EQ(s.look.material, 4);
  }
}

TEST(Function3DView, OverlaysFollowTheTypeHandlerOnly) {
  Function3DDialogState s = Function3DPresetForCreate(0, false, 10);
  ASSERT_TRUE(s.overlaysEnabled);
  s.contours = true;
  s.type = 0;  // a curve
  Function3DTypeChosen(s);
  EXPECT_FALSE(s.overlaysEnabled);
  EXPECT_TRUE(s.contours);  // the tick survives
  s.type = 1;
  Function3DTypeChosen(s);
  EXPECT_TRUE(s.overlaysEnabled);
  s.coordSystem = 1;  // a system alone leaves them as they are
  Function3DSystemChosen(s);
  EXPECT_TRUE(s.overlaysEnabled);

  Function3DDialogState cylindrical = Function3DPresetForCreate(1, false, 10);
  cylindrical.coordSystem = 0;
  Function3DSystemChosen(cylindrical);
  EXPECT_FALSE(cylindrical.overlaysEnabled);
  Function3DTypeChosen(cylindrical);
  EXPECT_TRUE(cylindrical.overlaysEnabled);
}

TEST(Function3DView, ChangesKeepTheFormAndHiddenTexts) {
  Function3DDialogState s = Function3DPresetForCreate(0, false, 10);
  s.form = 1;
  Function3DFormChosen(s);
  s.secondExpression = "sin(u)";
  s.minV = "-1";
  // Surface to curve: still parametric, the v row hides with its text kept.
  s.type = 0;
  Function3DTypeChosen(s);
  EXPECT_EQ(s.form, 1);
  EXPECT_EQ(s.formItems[1], "x=f1(u),y=f2(u),z=f3(u)");
  EXPECT_EQ(s.expressionLabel, "x(u)");
  EXPECT_FALSE(s.vRowShown);
  EXPECT_EQ(s.minV, "-1");
  // Another system: still parametric.
  s.coordSystem = 2;
  Function3DSystemChosen(s);
  EXPECT_EQ(s.form, 1);
  EXPECT_EQ(s.secondExpressionLabel, "b(u)");
  // Back to a surface: the v row shows its old text.
  s.type = 1;
  Function3DTypeChosen(s);
  EXPECT_TRUE(s.vRowShown);
  EXPECT_EQ(s.minV, "-1");
  EXPECT_EQ(s.minVLabel, "最小 v");
  // No form chosen: the next refill selects the explicit one.
  s.form = -1;
  Function3DSystemChosen(s);
  EXPECT_EQ(s.form, 0);
  EXPECT_EQ(s.expressionLabel, "r(a,b)");
}

}  // namespace
