// The three toolbars as a user meets them: every button has an icon of its own that is not
// blank at 16 and 24 pixels, runs the command of its menu entry, and names itself in the
// status bar whether enabled or not. A picture of the window is left as toolbars.png.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSet>
#include <QToolBar>

#include "app/toolbar_icons.h"
#include "app/toolbar_tables.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

struct BarTable {
  Bar bar;
  const std::vector<ToolbarButton>& buttons;
};

std::vector<BarTable> Bars() {
  return {{Bar::Toolbar1, Toolbar1Buttons()},
          {Bar::Toolbar2, Toolbar2Buttons()},
          {Bar::Toolbar3, Toolbar3Buttons()}};
}

// Pixels that differ clearly between two pictures of the same size.
int DifferentPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
              std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q)) > 60)
        ++n;
    }
  return n;
}

// Pixels that are neither transparent nor the colour of the picture's corner.
int DrawnPixels(const QImage& img) {
  const QRgb corner = img.pixel(0, 0);
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (qAlpha(p) > 40 && p != corner) ++n;
    }
  return n;
}

struct Rendered {
  QString key;
  QImage image;
};

// Every pair of pictures differs in a visible number of pixels, and none is blank.
void ExpectAllDistinctAndDrawn(const std::vector<Rendered>& pictures, int minDrawn, int minDiff,
                               const char* what) {
  for (size_t i = 0; i < pictures.size(); ++i) {
    EXPECT_GE(DrawnPixels(pictures[i].image), minDrawn) << what << " blank: " << pictures[i].key.toStdString();
    for (size_t j = i + 1; j < pictures.size(); ++j)
      EXPECT_GE(DifferentPixels(pictures[i].image, pictures[j].image), minDiff)
          << what << ": " << pictures[i].key.toStdString() << " looks like "
          << pictures[j].key.toStdString();
  }
}

class ToolbarButtons : public ShownWindowBase {
 protected:
  void MoveOver(Bar bar, int index) {
    QWidget* button = window->Toolbar(bar)->widgetForAction(window->ToolbarAction(bar, index));
    QPointF local(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, local, button->mapToGlobal(local), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &e);
  }
};

TEST_F(ToolbarButtons, EveryIconIsItsOwnAndDrawnAtBothSizesWithOrWithoutTheTheme) {
  EXPECT_EQ(ToolbarThemeIconName("barOpen"), "document-open");
  EXPECT_EQ(ToolbarThemeIconName("barFun2DPolar"), "");
  // As shown (the theme's icon where it has one) and as drawn by us, the fallback on a
  // desktop without the theme.
  for (bool themed : {true, false})
    for (int size : {16, 24}) {
      std::vector<Rendered> pictures;
      for (const BarTable& t : Bars())
        for (const ToolbarButton& b : t.buttons) {
          if (b.separator()) continue;
          const QString drawn = ToolbarDrawnIconPath(b.key);
          ASSERT_FALSE(drawn.isEmpty()) << b.key;
          const QIcon icon = themed ? ToolbarIcon(b.key) : QIcon(drawn);
          ASSERT_FALSE(icon.isNull()) << b.key;
          pictures.push_back({QString::fromLatin1(b.key),
                              icon.pixmap(QSize(size, size)).toImage().convertToFormat(
                                  QImage::Format_ARGB32)});
          EXPECT_EQ(pictures.back().image.size(), QSize(size, size)) << b.key;
        }
      EXPECT_EQ(pictures.size(), 62u);
      ExpectAllDistinctAndDrawn(pictures, size * size / 10, size / 2,
                                themed ? "as shown" : "as drawn");
    }
}

TEST_F(ToolbarButtons, TheWindowShowsThreeBarsOfDistinctButtons) {
  window->mnuFileNew3D_Click();
  window->EnablePlayback();
  window->resize(1200, 900);
  QTest::qWait(100);
  const QImage shot = window->grab().toImage();
  shot.save(QStringLiteral("toolbars.png"));
  std::vector<Rendered> buttons;
  for (const BarTable& t : Bars()) {
    QToolBar* bar = window->Toolbar(t.bar);
    ASSERT_TRUE(bar->isVisible());
    for (size_t i = 0; i < t.buttons.size(); ++i) {
      if (t.buttons[i].separator()) continue;
      QAction* a = window->ToolbarAction(t.bar, int(i) + 1);
      QWidget* w = bar->widgetForAction(a);
      ASSERT_NE(w, nullptr) << t.buttons[i].key;
      ASSERT_TRUE(w->isVisible()) << t.buttons[i].key << " is off the window";
      a->setEnabled(true);  // every icon in its own colours
      const QRect r(w->mapTo(window.get(), QPoint(0, 0)), w->size());
      ASSERT_TRUE(shot.rect().contains(r)) << t.buttons[i].key;
      buttons.push_back({QString::fromLatin1(t.buttons[i].key),
                         w->grab().toImage().convertToFormat(QImage::Format_ARGB32)});
    }
  }
  ASSERT_EQ(buttons.size(), 62u);
  // Buttons share a size; compare them as the user sees them on the bar.
  for (const Rendered& b : buttons) ASSERT_EQ(b.image.size(), buttons[0].image.size()) << b.key.toStdString();
  ExpectAllDistinctAndDrawn(buttons, 60, 12, "on the bar");
}

TEST_F(ToolbarButtons, EachButtonRunsItsMenuEntrysCommandAndNamesItselfEnabledOrNot) {
  QStringList ran;
  window->SetCommandWatcher([&ran](const QString& name) {
    ran << name;
    return true;
  });
  for (const BarTable& t : Bars()) {
    for (size_t i = 0; i < t.buttons.size(); ++i) {
      const ToolbarButton& b = t.buttons[i];
      const int index = int(i) + 1;
      QAction* button = window->ToolbarAction(t.bar, index);
      ASSERT_NE(button, nullptr);
      if (b.separator()) {
        EXPECT_TRUE(button->isSeparator()) << index;
        continue;
      }
      const QString command = QString::fromLatin1(b.command);
      EXPECT_EQ(button->objectName(), QString::fromLatin1(b.key));
      EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.tooltip)) << b.key;

      // The button, pressed, runs the command of its menu entry (or its own action).
      button->setEnabled(true);
      ran.clear();
      button->trigger();
      EXPECT_EQ(ran, QStringList{command}) << b.key;
      if (QAction* entry = window->Action(command)) {
        entry->setEnabled(true);
        ran.clear();
        entry->trigger();
        EXPECT_EQ(ran, QStringList{command}) << b.key << " menu entry";
      } else {
        // Only the view bar's own actions have no menu entry; they are always carried out.
        EXPECT_EQ(t.bar, Bar::Toolbar3) << b.key << " has no menu entry " << b.command;
        EXPECT_TRUE(window->HasCommand(command)) << b.key;
      }

      // The status bar names the button under the pointer, enabled or disabled.
      for (bool enabled : {true, false}) {
        button->setEnabled(enabled);
        window->StatusHint()->clear();
        MoveOver(t.bar, index);
        EXPECT_EQ(window->StatusHint()->text(), QString::fromUtf8(b.hint))
            << b.key << (enabled ? " enabled" : " disabled");
      }
    }
  }
  window->SetCommandWatcher({});
}

}  // namespace
