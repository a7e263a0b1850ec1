// The widgets of the point, animated point and step and stem dialogs: every named control is
// there once with its kind and caption, the widgets show the state they were given and give
// it back, and what the user does with them reaches the state.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "dialogs/data/point_dialog.h"
#include "dialogs/data/step_stem_dialog.h"
#include "scene/ui/swatch.h"

using namespace curvanta;

namespace {

enum class Kind { Label, Text, Combo, Frame, Option, Check, Swatch, Button, Tabs };

struct Named {
  const char* name;
  Kind kind;
  const char* caption;  // nullptr: not checked (set from the state)
};

QString CaptionOf(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  return {};
}

bool IsKind(QWidget* w, Kind kind) {
  switch (kind) {
    case Kind::Label: return qobject_cast<QLabel*>(w);
    case Kind::Text: return qobject_cast<QLineEdit*>(w);
    case Kind::Combo: return qobject_cast<QComboBox*>(w);
    case Kind::Frame: return qobject_cast<QGroupBox*>(w);
    case Kind::Option: return qobject_cast<QRadioButton*>(w);
    case Kind::Check: return qobject_cast<QCheckBox*>(w);
    case Kind::Swatch: return qobject_cast<Swatch*>(w);
    case Kind::Button: return qobject_cast<QPushButton*>(w);
    case Kind::Tabs: return qobject_cast<QTabWidget*>(w);
  }
  return false;
}

// Every control of the table exists exactly once, of its kind, with its caption.
void ExpectControls(QWidget& dialog, const std::vector<Named>& table) {
  for (const Named& c : table) {
    const auto found = dialog.findChildren<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_EQ(found.size(), 1) << c.name;
    EXPECT_TRUE(IsKind(found[0], c.kind)) << c.name;
    if (c.caption) {
      EXPECT_EQ(CaptionOf(found[0]), QString::fromUtf8(c.caption)) << c.name;
    }
  }
}

template <typename T>
T* Find(QWidget& w, const char* name) {
  T* found = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

const std::vector<Named> kPointControls = {
    {"SSTab1", Kind::Tabs, nullptr},
    {"Label1", Kind::Label, "名称"},        {"Text1", Kind::Text, nullptr},
    {"Label2", Kind::Label, "坐标类型"},    {"Combo1", Kind::Combo, nullptr},
    {"Frame1", Kind::Frame, "坐标"},
    {"Label3", Kind::Label, nullptr},       {"Text2", Kind::Text, nullptr},
    {"Label4", Kind::Label, nullptr},       {"Text3", Kind::Text, nullptr},
    {"Label5", Kind::Label, nullptr},       {"Text4", Kind::Text, nullptr},
    {"Frame2", Kind::Frame, "空心或实心"},
    {"Option1", Kind::Option, "实心"},      {"Option2", Kind::Option, "空心"},
    {"Label6", Kind::Label, "颜色"},        {"Picture1", Kind::Swatch, nullptr},
    {"Label7", Kind::Label, "大小"},        {"Combo2", Kind::Combo, nullptr},
    {"Command1", Kind::Button, "确定"},     {"Command2", Kind::Button, "取消"},
};

const std::vector<Named> kAnimatedPointControls = {
    {"SSTab1", Kind::Tabs, nullptr},
    {"Label1", Kind::Label, "名称"},          {"Text1", Kind::Text, nullptr},
    {"Label2", Kind::Label, "坐标类型"},      {"Combo1", Kind::Combo, nullptr},
    {"Frame1", Kind::Frame, "坐标表达式"},
    {"Label3", Kind::Label, nullptr},         {"Text2", Kind::Text, nullptr},
    {"Label4", Kind::Label, nullptr},         {"Text3", Kind::Text, nullptr},
    {"Label5", Kind::Label, nullptr},         {"Text4", Kind::Text, nullptr},
    {"Frame2", Kind::Frame, "t 的取值范围"},
    {"Label6", Kind::Label, "最小 t"},        {"Text5", Kind::Text, nullptr},
    {"Label7", Kind::Label, "最大 t"},        {"Text6", Kind::Text, nullptr},
    {"Label8", Kind::Label, "段数 t"},        {"Text7", Kind::Text, nullptr},
    {"Frame3", Kind::Frame, "空心或实心"},
    {"Option1", Kind::Option, "实心"},        {"Option2", Kind::Option, "空心"},
    {"Label9", Kind::Label, "颜色"},          {"Picture1", Kind::Swatch, nullptr},
    {"Label10", Kind::Label, "大小"},         {"Combo2", Kind::Combo, nullptr},
    {"Command1", Kind::Button, "确定"},       {"Command2", Kind::Button, "取消"},
};

const std::vector<Named> kStepStemControls = {
    {"SSTab1", Kind::Tabs, nullptr},
    {"Text1", Kind::Text, nullptr},   {"Text2", Kind::Text, nullptr},
    {"Text4", Kind::Text, nullptr},   {"Text5", Kind::Text, nullptr},
    {"Text6", Kind::Text, nullptr},
    {"Check2", Kind::Check, "显示阶梯图"},
    {"Picture1", Kind::Swatch, nullptr}, {"Combo2", Kind::Combo, nullptr},
    {"Check1", Kind::Check, "显示火柴杆图"},
    {"Picture2", Kind::Swatch, nullptr}, {"Combo1", Kind::Combo, nullptr},
    {"Combo3", Kind::Combo, nullptr},
    {"Picture3", Kind::Swatch, nullptr}, {"Combo4", Kind::Combo, nullptr},
    {"Command1", Kind::Button, "确定"}, {"Command2", Kind::Button, "取消"},
};

QStringList TabTitles(QWidget& dialog) {
  QStringList titles;
  auto* tabs = Find<QTabWidget>(dialog, "SSTab1");
  for (int i = 0; tabs && i < tabs->count(); ++i) titles << tabs->tabText(i);
  return titles;
}

QStringList Items(QComboBox* combo) {
  QStringList items;
  for (int i = 0; combo && i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// A point state with nothing at its designed value.
PointDialogState UnusualPoint(bool animated, int32_t mode) {
  PointDialogState s = PointPresetForCreate(animated, mode, 12);
  PointCoordChosen(s, mode == 3 ? 2 : 1, mode);
  s.name = "p 1";
  s.x = "1.25", s.y = animated ? "t*2" : "-3", s.z = "0.5";
  if (animated) s.minT = "-0.5", s.maxT = "2.5";
  s.hollow = true;
  s.colour = 0x123456;
  s.size = "2.5";  // no list entry
  return s;
}

}  // namespace

TEST(PointDialogWidgets, EveryControlOnceWithItsCaption) {
  PointDialog point(PointPresetForCreate(false, 1, 10), 1, nullptr);
  ExpectControls(point, kPointControls);
  EXPECT_EQ(TabTitles(point), (QStringList{"点", "属性"}));
  EXPECT_EQ(point.findChild<QLineEdit*>("Text5"), nullptr);  // no t range
  EXPECT_EQ(Items(Find<QComboBox>(point, "Combo2")),
            (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
  EXPECT_TRUE(Find<QComboBox>(point, "Combo2")->isEditable());
  EXPECT_FALSE(Find<QComboBox>(point, "Combo1")->isEditable());  // read by position

  AnimatedPointDialog animated(PointPresetForCreate(true, 3, 10), 3, nullptr);
  ExpectControls(animated, kAnimatedPointControls);
  EXPECT_EQ(TabTitles(animated), (QStringList{"点", "属性"}));
  EXPECT_EQ(Items(Find<QComboBox>(animated, "Combo1")),
            (QStringList{"直角坐标系", "柱面坐标系", "球面坐标系"}));
  EXPECT_EQ(animated.windowTitle(), QString::fromUtf8("点动画"));
  EXPECT_EQ(Find<QLineEdit>(animated, "Text7")->text(), "10");
  EXPECT_FALSE(Find<QLineEdit>(animated, "Text7")->isEnabled());
}

TEST(PointDialogWidgets, StateShownAndGivenBackInEveryDocument) {
  for (bool animated : {false, true}) {
    for (int32_t mode : {1, 2, 3}) {
      SCOPED_TRACE(std::string(animated ? "animated " : "") + std::to_string(mode));
      const PointDialogState given = UnusualPoint(animated, mode);
      std::unique_ptr<PointDialog> dialog;
      if (animated)
        dialog = std::make_unique<AnimatedPointDialog>(given, mode, nullptr);
      else
        dialog = std::make_unique<PointDialog>(given, mode, nullptr);
      EXPECT_EQ(dialog->state(), given);
      EXPECT_EQ(Find<QLineEdit>(*dialog, "Text2")->text(), "1.25");
      EXPECT_EQ(Find<QLabel>(*dialog, "Label3")->text(), QString::fromStdString(given.xLabel));
      EXPECT_EQ(Find<QLabel>(*dialog, "Label5")->isHidden(), !given.zShown);
      EXPECT_EQ(Find<QLineEdit>(*dialog, "Text4")->isHidden(), !given.zShown);
      EXPECT_EQ(Find<QGroupBox>(*dialog, animated ? "Frame3" : "Frame2")->isHidden(), mode != 1);
      EXPECT_TRUE(Find<QRadioButton>(*dialog, "Option2")->isChecked());
      EXPECT_EQ(Find<Swatch>(*dialog, "Picture1")->colour(), 0x123456);
      auto* size = Find<QComboBox>(*dialog, "Combo2");
      EXPECT_EQ(size->currentText(), "2.5");
      EXPECT_EQ(size->currentIndex(), -1);
      EXPECT_EQ(Find<QComboBox>(*dialog, "Combo1")->currentIndex(), given.coordIndex);
    }
  }
}

TEST(PointDialogWidgets, WhatTheUserDoesReachesTheState) {
  PointDialogState seen;
  int calls = 0;
  AnimatedPointDialog dialog(PointPresetForCreate(true, 3, 10), 3, [&](PointDialogState& s) {
    seen = s;
    ++calls;
    return false;  // stays open
  });
  auto* systems = Find<QComboBox>(dialog, "Combo1");
  systems->setCurrentIndex(2);
  emit systems->activated(2);
  EXPECT_EQ(Find<QLabel>(dialog, "Label3")->text(), "a(t)");
  EXPECT_EQ(Find<QLabel>(dialog, "Label4")->text(), "b(t)");
  EXPECT_EQ(Find<QLabel>(dialog, "Label5")->text(), "r(t)");
  Find<QLineEdit>(dialog, "Text1")->setText("moving");
  Find<QLineEdit>(dialog, "Text2")->setText("t");
  Find<QLineEdit>(dialog, "Text3")->setText("1,5");
  Find<QLineEdit>(dialog, "Text4")->setText("2");
  Find<QLineEdit>(dialog, "Text5")->setText("0");
  Find<QLineEdit>(dialog, "Text6")->setText("3");
  Find<QRadioButton>(dialog, "Option2")->setChecked(true);
  Find<QComboBox>(dialog, "Combo2")->setEditText("7");
  Find<QPushButton>(dialog, "Command1")->click();
  ASSERT_EQ(calls, 1);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(seen.coordIndex, 2);
  EXPECT_EQ(seen.name, "moving");
  EXPECT_EQ(seen.x, "t");
  EXPECT_EQ(seen.y, "1,5");
  EXPECT_EQ(seen.z, "2");
  EXPECT_EQ(seen.minT, "0");
  EXPECT_EQ(seen.maxT, "3");
  EXPECT_EQ(seen.tSegments, "10");
  EXPECT_TRUE(seen.hollow);
  EXPECT_EQ(seen.size, "7");
}

TEST(PointDialogWidgets, RefusedOkShowsTheCleanedTextsAndStaysOpen) {
  PointDialog dialog(PointPresetForCreate(false, 1, 10), 1,
                     [](PointDialogState& s) { return AcceptPointDialog(s, 1, 1).item != nullptr; });
  Find<QLineEdit>(dialog, "Text2")->setText("  ");  // emptied by the filter: required
  Find<QLineEdit>(dialog, "Text3")->setText("2,5");
  Find<QPushButton>(dialog, "Command1")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Find<QLineEdit>(dialog, "Text2")->text(), "");
  EXPECT_EQ(Find<QLineEdit>(dialog, "Text3")->text(), "2.5");
}

TEST(StepStemDialogWidgets, EveryControlOnceWithItsCaption) {
  StepStemDialog dialog(StepStemPresetForCreate(false), nullptr);
  ExpectControls(dialog, kStepStemControls);
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("阶梯图"));
  EXPECT_EQ(TabTitles(dialog), (QStringList{"函数", "阶梯图", "火柴杆图"}));
  const QStringList eight = {"1", "2", "3", "4", "5", "6", "7", "8"};
  EXPECT_EQ(Items(Find<QComboBox>(dialog, "Combo2")), eight);
  EXPECT_EQ(Items(Find<QComboBox>(dialog, "Combo4")), eight);
  EXPECT_EQ(Items(Find<QComboBox>(dialog, "Combo1")), QStringList(eight) << "9");
  EXPECT_EQ(Items(Find<QComboBox>(dialog, "Combo3")),
            (QStringList{"实心圆", "空心圆", "实心矩形", "实心三角形", "实心菱形", "十字丝形"}));
  for (const char* name : {"Combo1", "Combo2", "Combo4"})
    EXPECT_TRUE(Find<QComboBox>(dialog, name)->isEditable()) << name;
  EXPECT_FALSE(Find<QComboBox>(dialog, "Combo3")->isEditable());  // read by position
  EXPECT_EQ(Find<Swatch>(dialog, "Picture1")->colour(), static_cast<int32_t>(0x80000002u));
  EXPECT_EQ(Find<Swatch>(dialog, "Picture2")->colour(), 0xC0);
  EXPECT_EQ(Find<Swatch>(dialog, "Picture3")->colour(), 0xC00000);
}

TEST(StepStemDialogWidgets, StateShownGivenBackAndChangedByTheUser) {
  StepStemDialogState given = StepStemPresetForCreate(true);
  given.name = "s t";
  given.function = "sin(x)/2", given.minX = "-0.5", given.maxX = "3", given.segments = "7";
  given.showStep = true, given.showStem = true;
  given.stepColour = 0x010203, given.stemHeadColour = 0x040506, given.stemBodyColour = 0x070809;
  given.stepWidth = "12";  // no list entry
  given.stemHeadSize = "5", given.stemBodyWidth = "3";
  given.stemHeadSymbolIndex = 4;
  StepStemDialogState seen;
  StepStemDialog dialog(given, [&](StepStemDialogState& s) {
    seen = s;
    return true;
  });
  EXPECT_EQ(dialog.state(), given);
  EXPECT_EQ(Find<QLineEdit>(dialog, "Text2")->text(), "sin(x)/2");
  EXPECT_TRUE(Find<QCheckBox>(dialog, "Check1")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(dialog, "Check2")->isChecked());
  EXPECT_EQ(Find<QComboBox>(dialog, "Combo2")->currentIndex(), -1);
  EXPECT_EQ(Find<QComboBox>(dialog, "Combo2")->currentText(), "12");
  EXPECT_EQ(Find<QComboBox>(dialog, "Combo1")->currentIndex(), 4);
  EXPECT_EQ(Find<QComboBox>(dialog, "Combo3")->currentIndex(), 4);
  EXPECT_EQ(Find<Swatch>(dialog, "Picture3")->colour(), 0x070809);

  Find<QLineEdit>(dialog, "Text6")->setText("9");
  Find<QCheckBox>(dialog, "Check2")->setChecked(false);
  Find<QComboBox>(dialog, "Combo4")->setCurrentIndex(7);
  Find<QComboBox>(dialog, "Combo3")->setCurrentIndex(1);
  Find<QPushButton>(dialog, "Command1")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  StepStemDialogState expected = given;
  expected.segments = "9";
  expected.showStep = false;
  expected.stemBodyWidth = "8";
  expected.stemHeadSymbolIndex = 1;
  EXPECT_EQ(seen, expected);
}
