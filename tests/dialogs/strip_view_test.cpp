// The strip dialog's view state: the relabelling table by mode, system and form, the form
// lists, the handlers' order of effects, and what the create commands leave before showing.
#include <gtest/gtest.h>

#include "dialogs/function/strip_dialog_state.h"

using namespace curvanta;

namespace {

TEST(StripView, LabelsBySystemFormAndMode) {
  struct Case {
    bool animated;
    int system, form;
    const char* first;
    const char* second;  // nullptr: the second expression is hidden
    const char* variable;
  };
  const Case cases[] = {
      {false, 0, 0, "y(x)", nullptr, "x"},     {false, 0, 1, "x(u)", "y(u)", "u"},
      {false, 1, 0, "r(a)", nullptr, "a"},     {false, 1, 1, "a(u)", "r(u)", "u"},
      {true, 0, 0, "y(x,t)", nullptr, "x"},    {true, 0, 1, "x(u,t)", "y(u,t)", "u"},
      {true, 1, 0, "r(a,t)", nullptr, "a"},    {true, 1, 1, "a(u,t)", "r(u,t)", "u"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.animated << c.system << c.form);
    const auto view = StripDefinitionViewFor(c.system, c.form, c.animated);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->expressionLabel, c.first);
    EXPECT_EQ(view->secondExpressionShown, c.second != nullptr);
    if (c.second) {
      EXPECT_EQ(view->secondExpressionLabel, c.second);
    }
    const std::string v = c.variable;
    EXPECT_EQ(view->minimumLabel, "最小 " + v);
    EXPECT_EQ(view->maximumLabel, "最大 " + v);
    EXPECT_EQ(view->segmentsLabel, "段数 " + v);
  }
  // Outside the two systems and forms nothing is relabelled.
  for (auto [system, form] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {1, 2}})
    EXPECT_FALSE(StripDefinitionViewFor(system, form, false));
}

TEST(StripView, FormListsBySystemAndMode) {
  using V = std::vector<std::string>;
  EXPECT_EQ(StripFormItems(0, false), (V{"y=f(x)", "x=f1(u),y=f2(u)"}));
  EXPECT_EQ(StripFormItems(1, false), (V{"r=f(a)", "a=f1(u),r=f2(u)"}));
  EXPECT_EQ(StripFormItems(0, true), (V{"y=f(x,t)", "x=f1(u,t),y=f2(u,t)"}));
  EXPECT_EQ(StripFormItems(1, true), (V{"r=f(a,t)", "a=f1(u,t),r=f2(u,t)"}));
}

TEST(StripView, SwitchingTheSystemKeepsTheForm) {
  StripDialogState s = StripPresetForCreate(false, false, 10);
  s.form = 1;
  StripFormChosen(s);
  s.expression = "cos(u)";
  s.secondExpression = "sin(u)";
  s.coordSystem = 1;
  StripSystemChosen(s);
  EXPECT_EQ(s.form, 1);
  EXPECT_EQ(s.formItems, StripFormItems(1, false));
  EXPECT_EQ(s.expressionLabel, "a(u)");
  EXPECT_EQ(s.secondExpressionLabel, "r(u)");
  EXPECT_TRUE(s.secondExpressionShown);
  // Back to explicit: the second row hides and keeps its text.
  s.form = 0;
  StripFormChosen(s);
  EXPECT_FALSE(s.secondExpressionShown);
  EXPECT_EQ(s.secondExpression, "sin(u)");
  EXPECT_EQ(s.minimumLabel, "最小 a");
  // No form chosen: a change of system picks the explicit one.
  s.form = -1;
  s.coordSystem = 0;
  StripSystemChosen(s);
  EXPECT_EQ(s.form, 0);
  EXPECT_EQ(s.expressionLabel, "y(x)");
}

TEST(StripView, CreatePresets) {
  struct Case {
    bool polar, animated;
    const char* caption;
    const char* label;
    const char* firstForm;
    const char* minimum;
  };
  const Case cases[] = {
      {false, false, "二维半函数图形属性", "y(x)", "y=f(x)", "最小 x"},
      {true, false, "二维半函数图形属性", "r(a)", "r=f(a)", "最小 a"},
      {false, true, "二维半函数图形动画属性", "y(x,t)", "y=f(x,t)", "最小 x"},
      {true, true, "二维半函数图形动画属性", "r(a,t)", "r=f(a,t)", "最小 a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const StripDialogState s = StripPresetForCreate(c.polar, c.animated, 20);
    EXPECT_EQ(s.caption, c.caption);
    EXPECT_EQ(s.coordSystem, c.polar ? 1 : 0);
    EXPECT_EQ(s.animated, c.animated);
    EXPECT_EQ(s.expressionLabel, c.label);
    ASSERT_EQ(s.formItems.size(), 2u);
    EXPECT_EQ(s.formItems[0], c.firstForm);
    EXPECT_EQ(s.form, 0);
    EXPECT_FALSE(s.secondExpressionShown);
    EXPECT_EQ(s.minimumLabel, c.minimum);
    EXPECT_EQ(s.name, "Untitled");
    // The t steps show the frame count and cannot be typed into.
    EXPECT_EQ(s.stepsT, c.animated ? "20" : "");
    EXPECT_EQ(s.stepsTEnabled, !c.animated);
    // Colour, material and appearance as designed.
    EXPECT_EQ(s.look.fillStyle, 3);
    EXPECT_EQ(s.look.firstColour, 0x0000FF);
    EXPECT_EQ(s.look.secondColour, 0xFF0000);
    EXPECT_EQ(s.look.singleColour, 0x0000FF);
    EXPECT_EQ(s.look.material, 4);
    EXPECT_EQ(s.look.model, 3);
    EXPECT_EQ(s.look.smoothness, 3);
  }
}

}  // namespace
