// The system calls of one file's write, each asked of the fault hook first and each leaving
// errno at its own error when it fails, so that the failure a write reports is the first one.
#pragma once

#include <string_view>

#include "common/atomic_file.h"

namespace curvanta {

// The calls of each step made so far in one file's write.
class StepCounter {
 public:
  // Asks the hook for the fault of the next call of `step`; an injected error is put in
  // errno, so that a caller giving up on it reports it as the call's own.
  InjectedFault next(FileStep step);

 private:
  int counts_[int(FileStep::Truncate) + 1] = {};
};

// Writes every byte at the descriptor's offset, carried on after short and interrupted
// writes. A device or pipe opened not to block is waited for while its reader takes bytes,
// and given up on (ETIMEDOUT) once it took none for the stall timeout.
bool WriteAll(int fd, std::string_view bytes, StepCounter& steps);

// fsync, carried on after an interruption. `nothingToSync` is an errno that means the file
// keeps nothing to sync (a pipe answers EINVAL); 0 for none.
bool Sync(int fd, StepCounter& steps, int nothingToSync = 0);

// Closes `fd` (gone whatever it answers, so never retried).
bool Close(int fd, StepCounter& steps);

// Empties the file and puts the offset back at its start.
bool Truncate(int fd, StepCounter& steps);

// Keeps errno through a clean-up after a failure, so that the failure is what is reported.
class ErrnoKept {
 public:
  ErrnoKept() : error_(errno) {}
  ~ErrnoKept() { errno = error_; }
  ErrnoKept(const ErrnoKept&) = delete;
  ErrnoKept& operator=(const ErrnoKept&) = delete;

 private:
  int error_;
};

}  // namespace curvanta
