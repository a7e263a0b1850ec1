// The About box: its texts, the link that asks the desktop to open the product's page (the
// call recorded, not made), OK, and Help > About and the toolbar button showing it modally.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/about_dialog.h"
#include "platform/url_opener.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

struct RecordedUrls {
  RecordedUrls() { previous = SetUrlOpener([this](const QUrl& u) { urls.push_back(u); }); }
  ~RecordedUrls() { SetUrlOpener(previous); }
  std::vector<QUrl> urls;
  UrlOpener previous;
};

TEST(AboutDialog, ShowsTheProductAndOpensItsPageThroughTheDesktop) {
  RecordedUrls opened;
  AboutDialog box;
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_EQ(box.objectName(), "AboutBox");
  EXPECT_EQ(box.windowTitle(), "关于Curvanta");
  auto* title = box.findChild<QLabel*>("lblTitle");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(), "Curvanta 2.4");
  EXPECT_TRUE(title->font().bold());
  auto* link = box.findChild<QLabel*>("Label1");
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->text(), QString::fromLatin1(kProductWebAddress));
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_NE(box.findChild<QWidget*>("Line1"), nullptr);
  auto* ok = box.findChild<QPushButton*>("cmdOK");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "确定");
  // Drawn in the face of the rest of the interface, not a serif one.
  EXPECT_EQ(QFontInfo(title->font()).family(), QFontInfo(ok->font()).family());
  EXPECT_NE(title->font().styleHint(), QFont::Serif);

  QTest::mouseClick(title, Qt::LeftButton);
  EXPECT_TRUE(opened.urls.empty());
  QTest::mouseClick(link, Qt::LeftButton);
  ASSERT_EQ(opened.urls.size(), 1u);
  EXPECT_EQ(opened.urls[0], QUrl(QString::fromLatin1(kProductWebAddress)));
  EXPECT_TRUE(box.isVisible());

  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(opened.urls.size(), 1u);
}

class AboutFromWindow : public ShownWindowBase {};

TEST_F(AboutFromWindow, HelpAboutAndItsButtonShowTheBoxModally) {
  RecordedUrls opened;
  for (QAction* trigger : {window->Action("mnuHelpAbout"), window->ToolbarAction(Bar::Toolbar1, 19)}) {
    ASSERT_TRUE(trigger->isEnabled());
    QString seen;
    bool modal = false;
    // Look at the box from inside its own event loop, follow the link, then press OK.
    QTimer::singleShot(0, [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) {
        QTimer::singleShot(50, [] {
          if (QWidget* late = QApplication::activeModalWidget()) late->close();
        });
        return;
      }
      seen = w->objectName();
      modal = w->isModal();
      if (auto* link = w->findChild<QLabel*>("Label1")) QTest::mouseClick(link, Qt::LeftButton);
      if (auto* ok = w->findChild<QPushButton*>("cmdOK")) QTest::mouseClick(ok, Qt::LeftButton);
    });
    trigger->trigger();
    EXPECT_EQ(seen, "AboutBox");
    EXPECT_TRUE(modal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
  EXPECT_EQ(opened.urls.size(), 2u);
}

}  // namespace
