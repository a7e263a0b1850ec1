// The real message box: what Esc and the close button answer for each button set, and the
// question they do not answer at all.
#include <gtest/gtest.h>

#include "common/ui/qt_message_service.h"
#include "support/message_box_gestures.h"

using namespace curvanta;

namespace {

using G = BoxGesture;

TEST(QtMessageService, EscapeAndTheCloseButtonAnswerWithTheCancellingChoice) {
  struct Case {
    MsgButtons buttons;
    BoxGesture gesture;
    MsgAnswer answer;
  };
  const Case cases[] = {
      {MsgButtons::Ok, G::Escape, MsgAnswer::Ok},
      {MsgButtons::OkCancel, G::CloseButton, MsgAnswer::Cancel},
      {MsgButtons::YesNo, G::Escape, MsgAnswer::No},
      {MsgButtons::YesNo, G::CloseButton, MsgAnswer::No},
      {MsgButtons::YesNoCancel, G::Escape, MsgAnswer::Cancel},
  };
  QtMessageService service;
  for (const Case& c : cases) {
    MessageBoxGestures user("q", {c.gesture}, QString());
    user.Arm();
    const MsgAnswer a = service.show(Message{"q", "t", MsgIcon::Question, c.buttons});
    EXPECT_EQ(a, c.answer) << int(c.buttons) << " " << int(c.gesture);
    EXPECT_EQ(user.openAfter, std::vector<bool>{false}) << int(c.buttons);
  }
}

TEST(QtMessageService, AQuestionWithoutEscapeStaysUntilAButtonIsClicked) {
  QtMessageService service;
  for (auto [click, answer] : {std::pair{"否", MsgAnswer::No}, {"是", MsgAnswer::Yes}}) {
    MessageBoxGestures user("保存图形吗？", {G::Escape, G::CloseButton, G::Escape},
                            QString::fromUtf8(click));
    QStringList buttons;
    user.whileOpen = [&] {
      for (QAbstractButton* b : qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->buttons())
        buttons << b->text();
    };
    user.Arm();
    const MsgAnswer a =
        service.show(Message{"保存图形吗？", "注意", MsgIcon::Exclamation, MsgButtons::YesNoWithoutEscape});
    EXPECT_EQ(a, answer) << click;
    EXPECT_EQ(user.openAfter, (std::vector<bool>{true, true, true})) << click;
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"否", "是"})) << click;
  }
}

}  // namespace
