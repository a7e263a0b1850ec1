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
    const char* label4;  // nullptr: Text3 hidden
    const char* label5;
    bool segments;           // Label7/Text6 shown
    const char* label14;     // nullptr: second row hidden
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
    Function2DDialogState s = Function2DLoad();
    s.animMode = c.anim;
    s.coordIndex = c.coord;
    s.formIndex = c.form;
    Function2DCombo3Click(s);
    EXPECT_EQ(s.labels["Label3"], c.label3);
    EXPECT_EQ(s.shown("Text3"), c.label4 != nullptr);
    EXPECT_EQ(s.shown("Label4"), c.label4 != nullptr);
    if (c.label4) {
      EXPECT_EQ(s.labels["Label4"], c.label4);
    }
    EXPECT_EQ(s.labels["Label5"], c.label5);
    EXPECT_EQ(s.shown("Text6"), c.segments);
    EXPECT_EQ(s.shown("Label7"), c.segments);
    EXPECT_EQ(s.shown("Text10"), c.label14 != nullptr);
    EXPECT_EQ(s.shown("Label15"), c.label14 != nullptr);
    if (c.label14) {
      EXPECT_EQ(s.labels["Label14"], c.label14);
    }
  }
}

TEST(Function2DView, AnalysisControlsBySystemAndForm) {
  Function2DDialogState s = Function2DLoad();
  s.animMode = false;
  s.coordIndex = 0;
  s.formIndex = 1;
  Function2DCombo3Click(s);
  for (const auto& name : kFunction2DAnalysisControls) EXPECT_FALSE(s.enabled(name)) << name;
  EXPECT_FALSE(s.enabled("Text17"));
  EXPECT_TRUE(s.enabled("Check3"));
  EXPECT_TRUE(s.enabled("Picture1"));
  EXPECT_TRUE(s.enabled("Combo2"));

  s.formIndex = 0;
  Function2DCombo3Click(s);
  for (const auto& name : kFunction2DAnalysisControls) EXPECT_TRUE(s.enabled(name)) << name;

  s.coordIndex = 1;
  Function2DCombo1Click(s);  // polar explicit
  const std::set<std::string> off(kFunction2DPolarDisabled.begin(), kFunction2DPolarDisabled.end());
  EXPECT_EQ(off.size(), 24u);
  for (const auto& name : kFunction2DAnalysisControls) EXPECT_EQ(s.enabled(name), off.count(name) == 0) << name;
  EXPECT_TRUE(s.enabled("Check13"));
  EXPECT_TRUE(s.enabled("List2"));
  EXPECT_FALSE(s.enabled("List1"));

  // A disabled box keeps its tick.
  s.checks["Check5"] = true;
  s.formIndex = 2;
  Function2DCombo3Click(s);
  EXPECT_TRUE(s.checked("Check5"));
}

TEST(Function2DView, SwitchingTheSystemKeepsTheForm) {
  Function2DDialogState s = Function2DPresetForCreate(false, false, 10);
  s.formIndex = 1;
  Function2DCombo3Click(s);
  s.coordIndex = 1;
  Function2DCombo1Click(s);
  EXPECT_EQ(s.formItems, (std::vector<std::string>{"r=f(a)", "a=f1(u),r=f2(u)", "f(a,r)=0", "f(a,r)<0"}));
  EXPECT_EQ(s.formIndex, 1);
  EXPECT_EQ(s.labels["Label3"], "a(u)");
  EXPECT_EQ(s.labels["Label4"], "r(u)");
  EXPECT_TRUE(s.shown("Text3"));
}

TEST(Function2DView, CreatePresets) {
  Function2DDialogState cart = Function2DPresetForCreate(false, false, 10);
  EXPECT_EQ(cart.caption, "二维函数图形属性");
  EXPECT_EQ(cart.coordIndex, 0);
  EXPECT_EQ(cart.formIndex, 0);
  EXPECT_EQ(cart.formItems[0], "y=f(x)");
  EXPECT_EQ(cart.labels["Label3"], "y(x)");
  EXPECT_FALSE(cart.animMode);
  for (const char* name : {"Label10", "Text7", "Text9", "Text3", "Label14", "Text11"})
    EXPECT_FALSE(cart.shown(name)) << name;
  EXPECT_EQ(cart.text("Text1"), "Untitled");
  EXPECT_TRUE(cart.checked("Check3"));
  EXPECT_EQ(cart.text("Combo2"), "1");
  EXPECT_EQ(cart.text("Combo7"), "2");
  EXPECT_EQ(cart.colors["Picture1"], 0xFF0000);

  Function2DDialogState anim = Function2DPresetForCreate(true, true, 20);
  EXPECT_EQ(anim.caption, "二维函数图形动画属性");
  EXPECT_TRUE(anim.animMode);
  EXPECT_EQ(anim.coordIndex, 1);
  EXPECT_EQ(anim.formItems[1], "a=f1(u,t),r=f2(u,t)");
  EXPECT_EQ(anim.labels["Label3"], "r(a,t)");
  EXPECT_TRUE(anim.shown("Text7"));
  EXPECT_TRUE(anim.shown("Label12"));
  EXPECT_FALSE(anim.enabled("Text9"));
  EXPECT_EQ(anim.text("Text9"), "20");
}

TEST(Function2DView, PositionLists) {
  curvanta::ScopedMessageRecorder rec;
  Function2DDialogState s = Function2DLoad();
  // An empty input appends an empty line; a comma becomes a point; the input is emptied.
  EXPECT_FALSE(Function2DAddPosition(s, 0));
  s.texts["Text12"] = "1,5";
  EXPECT_FALSE(Function2DAddPosition(s, 0));
  EXPECT_EQ(s.positions["List1"].entries, (std::vector<std::string>{"", "1.5"}));
  EXPECT_EQ(s.text("Text12"), "");
  // A refused input stays and appends nothing.
  s.texts["Text15"] = "1e3";
  auto refusal = Function2DAddPosition(s, 1);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "存在不合法的表达式或数值");
  EXPECT_EQ(s.text("Text15"), "1e3");
  EXPECT_TRUE(s.positions["List2"].entries.empty());
  // At most 50 entries.
  for (int i = 0; i < 50; ++i) {
    s.texts["Text16"] = std::to_string(i);
    ASSERT_FALSE(Function2DAddPosition(s, 2));
  }
  s.texts["Text16"] = "7";
  refusal = Function2DAddPosition(s, 2);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "最多只能添加 50 个位置");
  EXPECT_EQ(refusal->title, "注意");
  EXPECT_EQ(s.text("Text16"), "7");
  EXPECT_EQ(s.positions["List3"].entries.size(), 50u);
  // Delete with nothing selected does nothing; with a selection removes that entry.
  Function2DDeletePosition(s, 2);
  EXPECT_EQ(s.positions["List3"].entries.size(), 50u);
  s.positions["List3"].selected = 0;
  Function2DDeletePosition(s, 2);
  EXPECT_EQ(s.positions["List3"].entries.front(), "1");
  EXPECT_EQ(s.positions["List3"].selected, -1);
  Function2DResetPositions(s, 2);
  EXPECT_TRUE(s.positions["List3"].entries.empty());
  EXPECT_EQ(s.text("Text16"), "");
}

}  // namespace
