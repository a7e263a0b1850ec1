// Message routing: collapsing within an operation and queueing while lists compile.
#include <gtest/gtest.h>

#include "common/carried_messages.h"
#include "common/message_record.h"
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

// Work an operation puts off (a compile that waits for the GL context) continues it: what
// the operation showed, also after the work was put off, is not shown again; other messages
// are, once; and the continued record ends with the work.
TEST(MessageService, PutOffWorkContinuesItsOperation) {
  ScopedMessageRecorder rec;
  EXPECT_EQ(CurrentOperationRecord(), nullptr);
  ShownMessages load;
  {
    MessageOperation op;
    ShowMessage("a", "t", MsgIcon::Error);
    load = CurrentOperationRecord();
    ShowMessage("b", "t", MsgIcon::Error);  // after the work was put off
  }
  ShownMessages other;
  {
    MessageOperation op;
    ShowMessage("c", "t", MsgIcon::Error);
    other = CurrentOperationRecord();
  }
  {
    MessageOperation open;  // the continued records join an open operation
    ShowMessage("d", "t", MsgIcon::Error);
    ContinuedOperation work({load, other, nullptr, CurrentOperationRecord()});
    for (const char* text : {"a", "b", "c", "d", "e", "e"}) ShowMessage(text, "t", MsgIcon::Error);
  }
  {
    ContinuedOperation work({load});
    ShowMessage("b", "t", MsgIcon::Error);
    ShowMessage("c", "t", MsgIcon::Error);
  }
  ShowMessage("a", "t", MsgIcon::Error);  // no operation any more
  std::vector<std::string> shown;
  for (const Message& m : rec.recorder.messages) shown.push_back(m.text);
  EXPECT_EQ(shown, (std::vector<std::string>{"a", "b", "c", "d", "e", "c", "a"}));
}

// Many operations waiting on one piece of work (every compile while there is no GL context)
// are held as two records at most, and the work still shows none of their messages.
TEST(MessageService, CarriedMessagesStayBoundedAndKeepWhatWasShown) {
  ScopedMessageRecorder rec;
  CarriedMessages carried;
  carried.Carry(nullptr);  // no operation open: nothing to carry
  EXPECT_TRUE(carried.Empty());
  for (int i = 0; i < 1000; ++i) {
    MessageOperation op;
    ShowMessage(i % 2 ? "odd" : "even", "t", MsgIcon::Error);
    carried.Carry(CurrentOperationRecord());
    carried.Carry(CurrentOperationRecord());  // a second compile of the same operation
  }
  EXPECT_EQ(carried.EndedMessageCount(), 2u);
  {
    MessageOperation op;
    carried.Carry(CurrentOperationRecord());
    ShowMessage("late", "t", MsgIcon::Error);  // shown after its work was put off
  }
  std::vector<ShownMessages> records = carried.Take();
  EXPECT_LE(records.size(), 2u);
  EXPECT_TRUE(carried.Empty());
  rec.recorder.messages.clear();
  {
    ContinuedOperation work(records);
    for (const char* text : {"even", "odd", "late", "new", "new"}) ShowMessage(text, "t", MsgIcon::Error);
  }
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "new");

  // Distinct messages of ended operations: the latest ones are kept.
  const size_t many = CarriedMessages::kMaxEndedMessages + 10;
  for (size_t i = 0; i <= many; ++i) {
    MessageOperation op;
    ShowMessage("m" + std::to_string(i), "t", MsgIcon::Error);
    carried.Carry(CurrentOperationRecord());
  }
  EXPECT_EQ(carried.EndedMessageCount(), CarriedMessages::kMaxEndedMessages);
  records = carried.Take();
  rec.recorder.messages.clear();
  {
    ContinuedOperation work(records);
    ShowMessage("m" + std::to_string(many), "t", MsgIcon::Error);      // the open one's
    ShowMessage("m" + std::to_string(many - 1), "t", MsgIcon::Error);  // the latest ended one
  }
  EXPECT_TRUE(rec.recorder.messages.empty());
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
