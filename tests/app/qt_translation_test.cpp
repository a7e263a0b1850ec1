// Qt's own dialogs speak Chinese once the program's start has loaded Qt's translation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QCoreApplication>
#include <QLabel>
#include <QTranslator>

#include "app/qt_translation.h"

using namespace curvanta;

TEST(QtTranslation, TheColourChooserShowsChineseTexts) {
  QTranslator* translator = InstallQtChineseTranslation(QCoreApplication::instance());
  ASSERT_NE(translator, nullptr) << "Qt's zh_CN translation is missing (scripts/setup installs it)";
  {
    QColorDialog chooser;
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    chooser.show();
    EXPECT_EQ(chooser.windowTitle(), QString::fromUtf8("选择颜色"));
    QStringList texts;
    for (QLabel* label : chooser.findChildren<QLabel*>()) texts << label->text();
    for (QAbstractButton* button : chooser.findChildren<QAbstractButton*>()) texts << button->text();
    const QString all = texts.join(QLatin1Char('|'));
    for (const char* expected : {"基本颜色", "确定", "取消"})
      EXPECT_TRUE(all.contains(QString::fromUtf8(expected))) << expected << " in " << all.toStdString();
    EXPECT_FALSE(all.contains(QStringLiteral("Basic colors")));
    EXPECT_FALSE(all.contains(QStringLiteral("Cancel")));
    chooser.hide();
  }
  QCoreApplication::removeTranslator(translator);
  delete translator;
}
