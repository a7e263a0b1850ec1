// The one message service of the program: every modal message box goes through here, so
// that the engine needs no Qt, repeated messages of one operation are shown once, boxes
// are held back while display lists compile, and tests script the answers.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace curvanta {

enum class MsgIcon { None, Error, Exclamation, Information, Question };
// Esc and a box's close button answer with the cancelling choice: Ok, Cancel, No, Cancel.
// YesNoWithoutEscape has no such answer: the box stays until 是 or 否 is clicked, for a
// question whose 否 throws work away.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoWithoutEscape };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string title;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  bool operator==(const Message&) const = default;
};

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual MsgAnswer show(const Message& message) = 0;
};

// Installs the service used by ShowMessage (nullptr: messages are dropped, answer Ok).
void SetMessageService(MessageService* service);
MessageService* CurrentMessageService();

// Shows a message through the installed service, honouring the open operation scopes and
// deferrals below. A message that is not shown now answers with the first button's
// "cancelling" choice: Ok for Ok, Cancel for OkCancel and YesNoCancel, No for YesNo and
// YesNoWithoutEscape.
MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok);

// While one of these lives (they nest; the outermost decides), a message equal in text,
// title and icon to one already shown in it is not shown again.
class MessageOperation {
 public:
  MessageOperation();
  ~MessageOperation();
  MessageOperation(const MessageOperation&) = delete;
  MessageOperation& operator=(const MessageOperation&) = delete;
};

// While one of these lives (they nest), no box opens: messages are queued. When the
// outermost ends, each distinct queued message is shown once, in the order raised.
class MessageDeferral {
 public:
  MessageDeferral();
  ~MessageDeferral();
  MessageDeferral(const MessageDeferral&) = delete;
  MessageDeferral& operator=(const MessageDeferral&) = delete;
  // True when a message was queued while this deferral lived.
  bool queuedAny() const;

 private:
  size_t queuedAtStart_;
  size_t raisedAtStart_;
};

// While one of these lives (the innermost one counts), messages are neither shown nor
// queued: each distinct one (text, title, icon) is kept here once, in the order raised, for
// work that is done once and stands in for itself later (a still item's own display list)
// to raise them again with ShowMessages where that work belongs.
class MessageCapture {
 public:
  MessageCapture();
  ~MessageCapture();
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;
  std::vector<Message> take() { return std::move(messages_); }
  void add(const Message& message);

 private:
  MessageCapture* outer_;
  std::vector<Message> messages_;
};

// Raises each message with ShowMessage, in order.
void ShowMessages(const std::vector<Message>& messages);

// Test service: records every message shown and answers from a script.
class RecordingMessageService : public MessageService {
 public:
  MsgAnswer show(const Message& message) override;
  void script(MsgAnswer answer) { answers_.push_back(answer); }
  void clear() {
    messages.clear();
    answers_.clear();
  }
  std::vector<Message> messages;
  // Answer when the script is empty; nullopt-like default: Ok/Yes for the first button.
  bool defaultAffirmative = true;

 private:
  std::deque<MsgAnswer> answers_;
};

// Installs a fresh recorder for the lifetime of a test and restores the previous service.
class ScopedMessageRecorder {
 public:
  ScopedMessageRecorder();
  ~ScopedMessageRecorder();
  RecordingMessageService recorder;

 private:
  MessageService* previous_;
};

}  // namespace curvanta
