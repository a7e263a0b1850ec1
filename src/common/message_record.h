// The messages one operation has shown, kept for work the operation had to put off (a
// compile that waits for the GL context), so that the later work shows none of them again.
#pragma once

#include <memory>
#include <vector>

#include "common/message_service.h"

namespace curvanta {

using ShownMessages = std::shared_ptr<const std::vector<Message>>;

// The record of the open operation, which goes on growing while the operation lasts; null
// when no operation is open.
ShownMessages CurrentOperationRecord();

// An operation that continues earlier ones: a message equal in text, title and icon to one
// in `earlier` is not shown, as if this were still the operation that showed it. Nested in
// an open operation it adds those messages to that operation.
class ContinuedOperation {
 public:
  explicit ContinuedOperation(const std::vector<ShownMessages>& earlier);
  ContinuedOperation(const ContinuedOperation&) = delete;
  ContinuedOperation& operator=(const ContinuedOperation&) = delete;

 private:
  MessageOperation operation_;
};

}  // namespace curvanta
