// The messages of operations whose work waits (a compile before the GL context exists), held
// so that the work, when it runs, shows none of them again: at most two records, however many
// operations wait.
#pragma once

#include <cstddef>
#include <vector>

#include "common/message_record.h"

namespace curvanta {

class CarriedMessages {
 public:
  // Distinct messages kept from the operations that have ended (the latest ones).
  static constexpr size_t kMaxEndedMessages = 64;

  // Takes along the record of the open operation (null: none is open). It may go on growing
  // until the operation ends; the record taken along before it has ended, and its messages
  // join those of the other ended operations.
  void Carry(const ShownMessages& openRecord);
  // The records for the waiting work to continue (ContinuedOperation); nothing is held after.
  std::vector<ShownMessages> Take();

  size_t EndedMessageCount() const { return ended_.size(); }
  bool Empty() const { return !open_ && ended_.empty(); }

 private:
  ShownMessages open_;
  std::vector<Message> ended_;
};

}  // namespace curvanta
