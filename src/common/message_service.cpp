// Message routing: collapsing within an operation and queueing during compiles.
#include "common/message_service.h"

#include <algorithm>

#include "common/message_record.h"

namespace curvanta {

namespace {

MessageService* g_service = nullptr;
int g_operationDepth = 0;
// Shared, so that work the operation puts off can take its record along.
std::shared_ptr<std::vector<Message>> g_shownInOperation;
int g_deferralDepth = 0;
std::vector<Message> g_queue;
size_t g_raisedWhileDeferred = 0;
MessageCapture* g_capture = nullptr;

bool SameBox(const Message& a, const Message& b) {
  return a.text == b.text && a.title == b.title && a.icon == b.icon;
}

MsgAnswer Dismissed(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::OkCancel: return MsgAnswer::Cancel;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoWithoutEscape: return MsgAnswer::No;
    case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
  }
  return MsgAnswer::Ok;
}

MsgAnswer Deliver(const Message& m) {
  if (!g_service) return Dismissed(m.buttons);
  return g_service->show(m);
}

}  // namespace

void SetMessageService(MessageService* service) { g_service = service; }
MessageService* CurrentMessageService() { return g_service; }

MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons) {
  Message m{text, title, icon, buttons};
  if (g_capture) {
    g_capture->add(m);
    return Dismissed(buttons);
  }
  if (g_operationDepth > 0) {
    auto seen = std::find_if(g_shownInOperation->begin(), g_shownInOperation->end(),
                             [&](const Message& s) { return SameBox(s, m); });
    if (seen != g_shownInOperation->end()) return Dismissed(buttons);
    g_shownInOperation->push_back(m);
  }
  if (g_deferralDepth > 0) {
    ++g_raisedWhileDeferred;
    auto queued = std::find_if(g_queue.begin(), g_queue.end(),
                               [&](const Message& s) { return SameBox(s, m); });
    if (queued == g_queue.end()) g_queue.push_back(m);
    return Dismissed(buttons);
  }
  return Deliver(m);
}

MessageCapture::MessageCapture() : outer_(g_capture) { g_capture = this; }

MessageCapture::~MessageCapture() { g_capture = outer_; }

void MessageCapture::add(const Message& message) {
  auto seen = std::find_if(messages_.begin(), messages_.end(),
                           [&](const Message& s) { return SameBox(s, message); });
  if (seen == messages_.end()) messages_.push_back(message);
}

void ShowMessages(const std::vector<Message>& messages) {
  for (const Message& m : messages) ShowMessage(m.text, m.title, m.icon, m.buttons);
}

MessageOperation::MessageOperation() {
  if (g_operationDepth++ == 0) g_shownInOperation = std::make_shared<std::vector<Message>>();
}

MessageOperation::~MessageOperation() {
  if (--g_operationDepth == 0) g_shownInOperation.reset();
}

ShownMessages CurrentOperationRecord() { return g_shownInOperation; }

ContinuedOperation::ContinuedOperation(const std::vector<ShownMessages>& earlier) {
  for (const ShownMessages& record : earlier) {
    if (!record || record == g_shownInOperation) continue;
    for (const Message& m : *record) {
      auto seen = std::find_if(g_shownInOperation->begin(), g_shownInOperation->end(),
                               [&](const Message& s) { return SameBox(s, m); });
      if (seen == g_shownInOperation->end()) g_shownInOperation->push_back(m);
    }
  }
}

MessageDeferral::MessageDeferral()
    : queuedAtStart_(g_queue.size()), raisedAtStart_(g_raisedWhileDeferred) {
  ++g_deferralDepth;
}

MessageDeferral::~MessageDeferral() {
  if (--g_deferralDepth > 0) return;
  std::vector<Message> pending;
  pending.swap(g_queue);
  g_raisedWhileDeferred = 0;
  for (const Message& m : pending) Deliver(m);
}

bool MessageDeferral::queuedAny() const {
  return g_raisedWhileDeferred > raisedAtStart_ || g_queue.size() > queuedAtStart_;
}

MsgAnswer RecordingMessageService::show(const Message& message) {
  messages.push_back(message);
  if (!answers_.empty()) {
    MsgAnswer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  if (!defaultAffirmative) return Dismissed(message.buttons);
  switch (message.buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    default: return MsgAnswer::Yes;
  }
}

ScopedMessageRecorder::ScopedMessageRecorder() : previous_(CurrentMessageService()) {
  SetMessageService(&recorder);
}

ScopedMessageRecorder::~ScopedMessageRecorder() { SetMessageService(previous_); }

}  // namespace curvanta
