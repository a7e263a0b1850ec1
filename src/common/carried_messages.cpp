// Messages carried into work that waits, kept to the open operation's record and one list of
// the distinct messages of ended operations.
#include "common/carried_messages.h"

#include <algorithm>
#include <memory>

namespace curvanta {

void CarriedMessages::Carry(const ShownMessages& openRecord) {
  if (!openRecord || openRecord == open_) return;
  // One operation is open at a time: the record held so far belongs to one that has ended.
  if (open_) {
    for (const Message& m : *open_) {
      const bool known = std::any_of(ended_.begin(), ended_.end(), [&](const Message& e) {
        return e.text == m.text && e.title == m.title && e.icon == m.icon;
      });
      if (!known) ended_.push_back(m);
    }
    if (ended_.size() > kMaxEndedMessages)
      ended_.erase(ended_.begin(), ended_.end() - static_cast<std::ptrdiff_t>(kMaxEndedMessages));
  }
  open_ = openRecord;
}

std::vector<ShownMessages> CarriedMessages::Take() {
  std::vector<ShownMessages> records;
  if (!ended_.empty()) records.push_back(std::make_shared<const std::vector<Message>>(std::move(ended_)));
  if (open_) records.push_back(std::move(open_));
  ended_.clear();
  open_.reset();
  return records;
}

}  // namespace curvanta
