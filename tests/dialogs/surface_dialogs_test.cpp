// The strip and 3D function dialogs' widgets: OK pressed on another page reads the
// function page all the same, choosing an entry relabels and shows or hides rows, and the
// fill, model and smoothness options stand for their codes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include "dialogs/function/two_row_tabs.h"

#include "dialogs/function/function_3d_dialog.h"
#include "dialogs/function/strip_dialog.h"

using namespace curvanta;

namespace {

template <typename T>
T* Find(QWidget& w, const char* name) {
  T* found = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

QString Caption(QWidget& w, const char* label) { return Find<QLabel>(w, label)->text(); }

TEST(StripDialogWidgets, OkOnTheLastPageReadsEveryPage) {
  StripDialogState seen;
  StripDialog dialog(StripPresetForCreate(true, true, 12), [&](StripDialogState& s) {
    seen = s;
    return false;  // stays open
  });
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("二维半函数图形动画属性"));
  EXPECT_FALSE(Find<QLineEdit>(dialog, "Text9")->isEnabled());
  Find<QLineEdit>(dialog, "Text2")->setText("1+t");
  Find<QLineEdit>(dialog, "Text5")->setText("0");
  Find<QRadioButton>(dialog, "Option3")->setChecked(true);  // front to back
  Find<QRadioButton>(dialog, "Option6")->setChecked(true);  // wireframe
  Find<QRadioButton>(dialog, "Option8")->setChecked(true);  // faceted
  Find<QListWidget>(dialog, "List1")->setCurrentRow(12);    // Winter
  Find<TwoRowTabs>(dialog, "SSTab1")->setCurrentIndex(3);
  Find<QPushButton>(dialog, "Command1")->click();
  EXPECT_EQ(seen.expression, "1+t");
  EXPECT_EQ(seen.minimum, "0");
  EXPECT_EQ(seen.stepsT, "12");
  EXPECT_EQ(seen.coordSystem, 1);
  EXPECT_EQ(seen.look.fillStyle, 2);
  EXPECT_EQ(seen.look.model, 2);
  EXPECT_EQ(seen.look.smoothness, 1);
  EXPECT_EQ(seen.look.material, 13);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(StripDialogWidgets, ChoosingAFormRelabels) {
  StripDialog dialog(StripPresetForCreate(false, false, 10), nullptr);
  EXPECT_TRUE(Find<QLineEdit>(dialog, "Text4")->isHidden());  // the t row
  EXPECT_TRUE(Find<QLineEdit>(dialog, "Text3")->isHidden());
  EXPECT_EQ(Caption(dialog, "Label2"), QStringLiteral("y(x)"));
  auto* forms = Find<QComboBox>(dialog, "Combo2");
  forms->setCurrentIndex(1);
  emit forms->activated(1);
  EXPECT_FALSE(Find<QLineEdit>(dialog, "Text3")->isHidden());
  EXPECT_EQ(Caption(dialog, "Label3"), QStringLiteral("y(u)"));
  EXPECT_EQ(Caption(dialog, "Label17"), QString::fromUtf8("最小 u"));
  auto* systems = Find<QComboBox>(dialog, "Combo1");
  systems->setCurrentIndex(1);
  emit systems->activated(1);
  EXPECT_EQ(forms->currentText(), QStringLiteral("a=f1(u),r=f2(u)"));
  EXPECT_EQ(Caption(dialog, "Label2"), QStringLiteral("a(u)"));
}

TEST(Function3DDialogWidgets, TypeAndFormChangeRowsAndOverlays) {
  Function3DDialogState seen;
  Function3DDialog dialog(Function3DPresetForCreate(0, false, 10), [&](Function3DDialogState& s) {
    seen = s;
    return true;
  });
  auto* contour = Find<QCheckBox>(dialog, "Check2");
  EXPECT_TRUE(contour->isEnabled());
  EXPECT_FALSE(Find<QLineEdit>(dialog, "Text8")->isHidden());  // v row of a surface
  EXPECT_TRUE(Find<QLineEdit>(dialog, "Text11")->isHidden());  // t row
  EXPECT_TRUE(Find<QLineEdit>(dialog, "Text3")->isHidden());
  contour->setChecked(true);
  auto* types = Find<QComboBox>(dialog, "Combo2");
  types->setCurrentIndex(0);
  emit types->activated(0);  // a curve
  EXPECT_FALSE(contour->isEnabled());
  EXPECT_TRUE(contour->isChecked());
  EXPECT_TRUE(Find<QLineEdit>(dialog, "Text8")->isHidden());
  EXPECT_EQ(Caption(dialog, "Label17"), QString::fromUtf8("最小 x[y]"));
  auto* forms = Find<QComboBox>(dialog, "Combo3");
  forms->setCurrentIndex(1);
  emit forms->activated(1);
  EXPECT_FALSE(Find<QLineEdit>(dialog, "Text4")->isHidden());
  EXPECT_EQ(Caption(dialog, "Label4"), QStringLiteral("z(u)"));
  Find<QLineEdit>(dialog, "Text4")->setText("u*u");
  Find<TwoRowTabs>(dialog, "SSTab1")->setCurrentIndex(4);
  Find<QPushButton>(dialog, "Command1")->click();
  EXPECT_EQ(seen.thirdExpression, "u*u");
  EXPECT_EQ(seen.type, 0);
  EXPECT_EQ(seen.form, 1);
  EXPECT_TRUE(seen.contours);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
