// Message routing: collapsing within an operation and queueing while lists compile.
#include <gtest/gtest.h>

#include "common/message_service.h"

using namespace curvanta;

TEST(MessageService, OperationShowsRepeatsOnce) {
  ScopedMessageRecorder rec;
  {
    MessageOperation op;
    for (int i = 0; i < 5; ++i) ShowMessage("a", "出错", MsgIcon::Error);
    ShowMessage("a", "出错", MsgIcon::Exclamation);  // other icon: another box
    ShowMessage("b", "出错", MsgIcon::Error);
  }
  ShowMessage("a", "出错", MsgIcon::Error);  // new operation
  ASSERT_EQ(rec.recorder.messages.size(), 4u);
  EXPECT_EQ(rec.recorder.messages[2].text, "b");
}

TEST(MessageService, DeferralQueuesAndFlushesDistinctInOrder) {
  ScopedMessageRecorder rec;
  {
    MessageDeferral outer;
    {
      MessageDeferral inner;
      ShowMessage("x", "t", MsgIcon::Error);
      ShowMessage("y", "t", MsgIcon::Error);
      ShowMessage("x", "t", MsgIcon::Error);
      EXPECT_TRUE(inner.queuedAny());
    }
    EXPECT_TRUE(rec.recorder.messages.empty());
  }
  ASSERT_EQ(rec.recorder.messages.size(), 2u);
  EXPECT_EQ(rec.recorder.messages[0].text, "x");
  EXPECT_EQ(rec.recorder.messages[1].text, "y");
}

TEST(MessageService, ScriptedAnswers) {
  ScopedMessageRecorder rec;
  rec.recorder.script(MsgAnswer::No);
  EXPECT_EQ(ShowMessage("保存图形吗？", "注意", MsgIcon::Exclamation, MsgButtons::YesNoCancel),
            MsgAnswer::No);
  EXPECT_EQ(ShowMessage("q", "t", MsgIcon::None, MsgButtons::YesNo), MsgAnswer::Yes);
  {
    MessageDeferral d;
    EXPECT_EQ(ShowMessage("q", "t", MsgIcon::None, MsgButtons::YesNoCancel), MsgAnswer::Cancel);
  }
}
