// Axes dialog widgets: control names, the 2.5D title rows, swatches through the chooser,
// OK and Cancel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/globals.h"
#include "common/ui/colour_chooser.h"
#include "scene/ui/axes_dialogs.h"
#include "scene/ui/swatch.h"

using namespace curvanta;

namespace curvanta {
namespace {

template <class T>
T* Find(QWidget& dialog, const char* name) {
  T* w = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

struct AxesDialogWidgets : ::testing::Test {
  void SetUp() override {
    ResetGlobals();
    ResetDocAxes();
    DocAxes().SetDefault();
  }
  void TearDown() override {
    ResetGlobals();
    ResetDocAxes();
  }
  ScriptedColourChooser chooser;
  ScopedColourChooser useChooser{&chooser};
};

TEST_F(AxesDialogWidgets, TitleRowsBy25DOr3D) {
  DocAxes().TitleX = "tx";
  DocAxes().TitleY = "ty";
  for (int mode : {2, 3}) {
    GraphMode = mode;
    Axes3DDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("坐标系属性"));
    auto* label12 = Find<QLabel>(dialog, "Label12");
    auto* label13 = Find<QLabel>(dialog, "Label13");
    auto* label14 = Find<QLabel>(dialog, "Label14");
    EXPECT_EQ(label12->isHidden(), mode == 2);
    EXPECT_EQ(Find<QLineEdit>(dialog, "Text4")->isHidden(), mode == 2);
    EXPECT_EQ(label13->text(), mode == 2 ? QStringLiteral("X Axes Title") : QStringLiteral("Y 轴标题"));
    EXPECT_EQ(label14->text(), mode == 2 ? QStringLiteral("Y Axes Title") : QStringLiteral("Z 轴标题"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "Text5")->text(), QStringLiteral("ty"));
    Find<QLineEdit>(dialog, "Text5")->setText(QStringLiteral("new"));
    Find<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(DocAxes().TitleX, "tx");
    EXPECT_EQ(DocAxes().TitleY, "new");
    EXPECT_TRUE(AxisChanged);
    DocAxes().TitleY = "ty";
  }
}

TEST_F(AxesDialogWidgets, PanelControlsFollowTheirBoxAndCancelRestores) {
  GraphMode = 3;
  const AxesSettings before = DocAxes();
  Axes3DDialog dialog;
  dialog.show();
  auto* check2 = Find<QCheckBox>(dialog, "Check2");
  auto* picture1 = Find<Swatch>(dialog, "Picture1");
  auto* combo1 = Find<QComboBox>(dialog, "Combo1");
  EXPECT_FALSE(check2->isChecked());
  EXPECT_FALSE(picture1->isEnabled());
  EXPECT_FALSE(combo1->isEnabled());
  EXPECT_EQ(combo1->count(), 13);
  EXPECT_EQ(combo1->currentText(), QStringLiteral("Metal"));
  check2->click();
  EXPECT_TRUE(picture1->isEnabled());
  chooser.answers = {0x0000FF};
  picture1->click();
  EXPECT_EQ(chooser.initials.back(), 0xCCCCCC);  // starts from the swatch's colour
  EXPECT_EQ(DocAxes().XYPanelColor, 0x0000FF);   // written at once
  Find<QCheckBox>(dialog, "Check1")->click();
  EXPECT_FALSE(DocAxes().Show);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(AxisChanged);
  EXPECT_EQ(DocAxes(), before);
}

TEST_F(AxesDialogWidgets, Dialog2DWritesOnOkOnly) {
  GraphMode = 1;
  {
    Axes2DDialog dialog;
    dialog.show();
    auto* combo = Find<QComboBox>(dialog, "Combo1");
    EXPECT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->currentText(), QStringLiteral("1"));
    chooser.answers = {0x00FF00};
    Find<Swatch>(dialog, "Picture1")->click();
    EXPECT_EQ(DocAxes().AxisColor, 0);
    combo->setCurrentIndex(2);
    Find<QPushButton>(dialog, "Command2")->click();
    EXPECT_EQ(DocAxes().AxisColor, 0);
    EXPECT_EQ(DocAxes().AxisWidth, 1);
  }
  {
    Axes2DDialog dialog;
    dialog.show();
    chooser.answers = {0x00FF00};
    Find<Swatch>(dialog, "Picture1")->click();
    Find<QComboBox>(dialog, "Combo1")->setCurrentIndex(2);
    Find<QCheckBox>(dialog, "Check2")->click();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(AxisChanged);
    EXPECT_EQ(DocAxes().AxisColor, 0x00FF00);
    EXPECT_EQ(DocAxes().AxisWidth, 3);
    EXPECT_FALSE(DocAxes().BetterFonts);
  }
}

}  // namespace
}  // namespace curvanta
