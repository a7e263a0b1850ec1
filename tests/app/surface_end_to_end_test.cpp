// A 2.5D strip and a 3D surface from their menu entries through the real dialogs: filled
// and confirmed as a user would, then the list line, the graph in both scenes, its kind and
// the view turned to the 2.5D/3D start rotation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/message_service.h"
#include "dialogs/function/function_3d_dialog.h"
#include "dialogs/function/strip_dialog.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

class SurfaceEndToEnd : public ShownWindowBase {
 protected:
  // Runs a menu command whose modal dialog of type D `act` works once it is open.
  template <class D>
  void RunWithDialog(const char* command, std::function<void(D&)> act) {
    bool done = false;
    auto* poll = new QTimer(window.get());
    int tries = 0;
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
      auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        if (++tries > 500) poll->stop();
        return;
      }
      poll->stop();
      act(*dialog);
      done = true;
    });
    poll->start(10);
    window->RunCommand(QString::fromLatin1(command));
    poll->deleteLater();
    ASSERT_TRUE(done) << "the dialog did not open";
  }
  static void Fill(QDialog& d, std::initializer_list<std::pair<const char*, const char*>> fields) {
    for (auto [name, text] : fields)
      d.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
  }
  static void Press(QDialog& d, const char* button) {
    d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
  }
  void ExpectOneShownGraph(const char* line, int32_t graphType) {
    QListWidget* list = window->List1();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QString::fromUtf8(line));
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
    ASSERT_EQ(ViewScene.FunSurfs.Count(), 1);
    EXPECT_EQ(DocScene.FunSurfs.Item(1), ViewScene.FunSurfs.Item(1));
    EXPECT_EQ(DocScene.FunSurfs.Item(1)->GraphType, graphType);
    EXPECT_EQ(ViewScene.RotPitch, -15.0f);
    EXPECT_EQ(ViewScene.RotYaw, 45.0f);
    EXPECT_TRUE(rec.recorder.messages.empty());
  }

  ScopedMessageRecorder rec;
};

TEST_F(SurfaceEndToEnd, StripFromTheMenu) {
  window->RunCommand(QStringLiteral("mnuFileNew25D"));
  RunWithDialog<StripDialog>("mnuDraw25DCart", [](StripDialog& d) {
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("二维半函数图形属性"));
    EXPECT_TRUE(d.findChild<QLineEdit*>(QStringLiteral("Text4"))->isHidden());
    Fill(d, {{"Text2", "sin(x)"}, {"Text5", "-3"}, {"Text6", "3"}, {"Text7", "60"}});
    Press(d, "Command1");
  });
  ExpectOneShownGraph("二维半条带  y=sin(x)", 3);
  QTest::qWait(30);
}

TEST_F(SurfaceEndToEnd, SphericalSurfaceFromTheMenu) {
  window->RunCommand(QStringLiteral("mnuFileNew3D"));
  RunWithDialog<Function3DDialog>("mnuDraw3DSph", [](Function3DDialog& d) {
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("三维函数图形属性"));
    EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("Combo3"))->currentText(),
              QString::fromUtf8("r=f(a,b)"));
    Fill(d, {{"Text2", "1"}, {"Text5", "0"}, {"Text6", "6.2832"}, {"Text7", "24"},
             {"Text8", "0"}, {"Text9", "3.1416"}, {"Text10", "12"}});
    Press(d, "Command1");
  });
  ExpectOneShownGraph("三维曲面  r=1", 2);
  EXPECT_EQ(DocScene.FunSurfs.Item(1)->CoordType, 5);
  QTest::qWait(30);
}

TEST_F(SurfaceEndToEnd, RefusedSurfaceStaysOpenAndCancelAddsNothing) {
  window->RunCommand(QStringLiteral("mnuFileNew3D"));
  bool stayedOpen = false;
  RunWithDialog<Function3DDialog>("mnuDraw3DCart", [&](Function3DDialog& d) {
    Fill(d, {{"Text2", "x*y"}, {"Text5", "1"}, {"Text6", "1"}, {"Text7", "8"}, {"Text8", "0"},
             {"Text9", "1"}, {"Text10", "8"}});
    Press(d, "Command1");
    stayedOpen = d.isVisible();
    Press(d, "Command2");
  });
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "最小值必须小于最大值");
  EXPECT_EQ(window->List1()->count(), 0);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
}

}  // namespace
