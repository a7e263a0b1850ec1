// The 2D function dialog's view state: labels, shown and enabled controls by system,
// form and animation mode; the position lists; the create presets.
#include <gtest/gtest.h>

#include "dialogs/function/function_2d_dialog_state.h"

using namespace curvanta;

namespace {

TEST(Function2DView, LabelsAndRowsBySystemFormAndMode) {
  struct Case {
    int coord, form;
    bool anim;
    const char* label3;
    const char* label4;  // nullptr: second expression hidden
    const char* label5;
    bool segments;           // segment count row shown
    const char* label14;     // nullptr: second range row hidden
  };
  const Case cases[] = {
      {0, 0, false, "y(x)", nullptr, "最小 x", true, nullptr},
      {0, 0, true, "y(x,t)", nullptr, "最小 x", true, nullptr},
      {0, 1, false, "x(u)", "y(u)", "最小 u", true, nullptr},
      {0, 1, true, "x(u,t)", "y(u,t)", "最小 u", true, nullptr},
      {0, 2, false, "f(x,y)", nullptr, "最小 x", false, "最小 y"},
      {0, 3, true, "f(x,y,t)", nullptr, "最小 x", false, "最小 y"},
      {1, 0, false, "r(a)", nullptr, "最小 a", true, nullptr},
      {1, 1, false, "a(u)", "r(u)", "最小 u", true, nullptr},
      {1, 2, false, "f(a,r)", nullptr, "最小 a", false, "最小 r"},
      {1, 3, true, "f(a,r,t)", nullptr, "最小 a", false, "最小 r"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.coord) + "/" + std::to_string(c.form));
    Function2DDialogState s = NewFunction2DDialogState();
    s.animated = c.anim;
    s.coordIndex = c.coord;
    s.formIndex = c.form;
    ApplyForm(s);
    EXPECT_EQ(s.captions.expression, c.label3);
    EXPECT_EQ(s.rows.secondExpression, c.label4 != nullptr);
    if (c.label4) {
      EXPECT_EQ(s.captions.secondExpression, c.label4);
    }
    EXPECT_EQ(s.captions.minX, c.label5);
    EXPECT_EQ(s.rows.segmentsX, c.segments);
    EXPECT_EQ(s.rows.rangeY, c.label14 != nullptr);
    if (c.label14) {
      EXPECT_EQ(s.captions.minY, c.label14);
    }
  }
}

TEST(Function2DView, AnalysisOptionsBySystemAndForm) {
  using A = Function2DAnalysis;
  Function2DDialogState s = NewFunction2DDialogState();
  s.animated = false;
  s.coordIndex = 0;
  s.formIndex = 1;
  ApplyForm(s);
  EXPECT_EQ(kFunction2DAnalyses.size(), 12u);
  for (A option : kFunction2DAnalyses) EXPECT_FALSE(s.enabled(option));

  s.formIndex = 0;
  ApplyForm(s);
  for (A option : kFunction2DAnalyses) EXPECT_TRUE(s.enabled(option));

  s.coordIndex = 1;
  ApplyCoordinateSystem(s);  // polar explicit
  const std::set<A> off = {A::Maxima, A::Minima, A::Inflections, A::Roots, A::Curvature};
  for (A option : kFunction2DAnalyses)
    EXPECT_EQ(s.enabled(option), off.count(option) == 0) << static_cast<int>(option);

  // A disabled box keeps its tick.
  s.maxima.show = true;
  s.formIndex = 2;
  ApplyForm(s);
  EXPECT_TRUE(s.maxima.show);
}

TEST(Function2DView, SwitchingTheSystemKeepsTheForm) {
  Function2DDialogState s = Function2DPresetForCreate(false, false, 10);
  s.formIndex = 1;
  ApplyForm(s);
  s.coordIndex = 1;
  ApplyCoordinateSystem(s);
  EXPECT_EQ(s.formItems, (std::vector<std::string>{"r=f(a)", "a=f1(u),r=f2(u)", "f(a,r)=0", "f(a,r)<0"}));
  EXPECT_EQ(s.formIndex, 1);
  EXPECT_EQ(s.captions.expression, "a(u)");
  EXPECT_EQ(s.captions.secondExpression, "r(u)");
  EXPECT_TRUE(s.rows.secondExpression);
}

TEST(Function2DView, CreatePresets) {
  Function2DDialogState cart = Function2DPresetForCreate(false, false, 10);
  EXPECT_EQ(cart.caption, "二维函数图形属性");
  EXPECT_EQ(cart.coordIndex, 0);
  EXPECT_EQ(cart.formIndex, 0);
  EXPECT_EQ(cart.formItems[0], "y=f(x)");
  EXPECT_EQ(cart.captions.expression, "y(x)");
  EXPECT_FALSE(cart.animated);  // the t row is hidden
  EXPECT_FALSE(cart.rows.secondExpression);
  EXPECT_FALSE(cart.rows.rangeY);
  EXPECT_TRUE(cart.rows.segmentsX);
  EXPECT_EQ(cart.name, "Untitled");
  EXPECT_TRUE(cart.curve.show);
  EXPECT_EQ(cart.curve.width, "1");
  EXPECT_EQ(cart.maxima.size, "2");
  EXPECT_EQ(cart.curve.colour, 0xFF0000);

  Function2DDialogState anim = Function2DPresetForCreate(true, true, 20);
  EXPECT_EQ(anim.caption, "二维函数图形动画属性");
  EXPECT_TRUE(anim.animated);
  EXPECT_EQ(anim.coordIndex, 1);
  EXPECT_EQ(anim.formItems[1], "a=f1(u,t),r=f2(u,t)");
  EXPECT_EQ(anim.captions.expression, "r(a,t)");
  EXPECT_FALSE(anim.segmentsTEditable);
  EXPECT_EQ(anim.segmentsT, "20");
}

TEST(Function2DView, PositionLists) {
  using G = Function2DPositionGroup;
  curvanta::ScopedMessageRecorder rec;
  Function2DDialogState s = NewFunction2DDialogState();
  // An empty input appends an empty line; a comma becomes a point; the input is emptied.
  EXPECT_FALSE(AddPosition(s, G::Curvature));
  s.curvaturePositions.input = "1,5";
  EXPECT_FALSE(AddPosition(s, G::Curvature));
  EXPECT_EQ(s.curvaturePositions.entries, (std::vector<std::string>{"", "1.5"}));
  EXPECT_EQ(s.curvaturePositions.input, "");
  // A refused input stays and appends nothing.
  s.tangentPositions.input = "1e3";
  auto refusal = AddPosition(s, G::Tangent);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "存在不合法的表达式或数值");
  EXPECT_EQ(s.tangentPositions.input, "1e3");
  EXPECT_TRUE(s.tangentPositions.entries.empty());
  // At most 50 entries.
  for (int i = 0; i < 50; ++i) {
    s.normalPositions.input = std::to_string(i);
    ASSERT_FALSE(AddPosition(s, G::Normal));
  }
  s.normalPositions.input = "7";
  refusal = AddPosition(s, G::Normal);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "最多只能添加 50 个位置");
  EXPECT_EQ(refusal->title, "注意");
  EXPECT_EQ(s.normalPositions.input, "7");
  EXPECT_EQ(s.normalPositions.entries.size(), 50u);
  // Delete with nothing selected does nothing; with a selection removes that entry.
  DeletePosition(s, G::Normal);
  EXPECT_EQ(s.normalPositions.entries.size(), 50u);
  s.normalPositions.selected = 0;
  DeletePosition(s, G::Normal);
  EXPECT_EQ(s.normalPositions.entries.front(), "1");
  EXPECT_EQ(s.normalPositions.selected, -1);
  ResetPositions(s, G::Normal);
  EXPECT_TRUE(s.normalPositions.entries.empty());
  EXPECT_EQ(s.normalPositions.input, "");
}

}  // namespace
