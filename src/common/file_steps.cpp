// The fault hook, the stall timeout, and the write, sync, close and truncate calls of one
// file's write.
#include "common/file_steps.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>

namespace curvanta {

namespace {

FileFaultHook& Hook() {
  static FileFaultHook hook;
  return hook;
}

std::atomic<int64_t>& StalledWriteTimeoutMs() {
  static std::atomic<int64_t> timeout{kStalledWriteTimeout.count()};
  return timeout;
}

// Bytes written to the pipe `fd` that its reader has not taken yet; -1 for a device (or
// where the system does not tell).
int UnreadBytes(int fd) {
  struct stat st;
  int unread = -1;
  if (::fstat(fd, &st) != 0 || !S_ISFIFO(st.st_mode) || ::ioctl(fd, FIONREAD, &unread) != 0) return -1;
  return unread;
}

// Since when a device or pipe has taken no byte, and what was left unread in the pipe then.
struct Stall {
  std::chrono::steady_clock::time_point since;
  int unread;
};

// Waits until `fd` (opened not to block) takes bytes again, for what is left of the stall
// timeout; false when it took none for all that time. A full pipe takes no byte until its
// reader has taken a whole page, which a slow one may take longer than the timeout to do:
// every byte it takes starts the timeout again, as it is still reading.
bool WaitUntilWritable(int fd, Stall& stall) {
  using namespace std::chrono;
  const milliseconds timeout(StalledWriteTimeoutMs().load());
  // Looked at ten times within the timeout, to see whether the reader takes bytes.
  const milliseconds glance = std::max(timeout / 10, milliseconds(1));
  for (;;) {
    const auto left = timeout - (steady_clock::now() - stall.since);
    if (left <= steady_clock::duration::zero()) {
      errno = ETIMEDOUT;
      return false;
    }
    pollfd waiting{fd, POLLOUT, 0};
    const auto wait = ceil<milliseconds>(std::min<steady_clock::duration>(left, glance));
    const int ready = ::poll(&waiting, 1, int(wait.count()));
    if (ready > 0) return true;  // takes bytes, or fails: the next write tells which
    if (ready < 0 && errno != EINTR) return false;
    const int unread = UnreadBytes(fd);
    if (unread >= 0 && unread < stall.unread) stall = Stall{steady_clock::now(), unread};
  }
}

}  // namespace

std::chrono::milliseconds SetStalledWriteTimeout(std::chrono::milliseconds timeout) {
  return std::chrono::milliseconds(StalledWriteTimeoutMs().exchange(timeout.count()));
}

FileFaultHook SetFileFaultHook(FileFaultHook hook) {
  FileFaultHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

InjectedFault StepCounter::next(FileStep step) {
  const int count = ++counts_[static_cast<int>(step)];
  if (!Hook()) return {};
  const InjectedFault fault = Hook()(step, count);
  if (fault.error != 0) errno = fault.error;
  return fault;
}

bool WriteAll(int fd, std::string_view bytes, StepCounter& steps) {
  std::optional<Stall> stall;
  while (!bytes.empty()) {
    const InjectedFault fault = steps.next(FileStep::Write);
    ssize_t n = -1;
    if (fault.error == 0)
      n = ::write(fd, bytes.data(), bytes.size() < fault.maxBytes ? bytes.size() : fault.maxBytes);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {  // a device or pipe that takes nothing now
      if (!stall) stall = Stall{std::chrono::steady_clock::now(), UnreadBytes(fd)};
      if (!WaitUntilWritable(fd, *stall)) return false;
      continue;
    }
    if (n == 0) errno = ENOSPC;  // a disk that takes nothing more
    if (n <= 0) return false;
    stall.reset();
    bytes.remove_prefix(size_t(n));
  }
  return true;
}

bool Sync(int fd, StepCounter& steps, int nothingToSync) {
  for (;;) {
    const InjectedFault fault = steps.next(FileStep::Sync);
    if (fault.error == 0 && ::fsync(fd) == 0) return true;
    if (errno == EINTR) continue;
    return nothingToSync != 0 && errno == nothingToSync;
  }
}

bool Close(int fd, StepCounter& steps) {
  const InjectedFault fault = steps.next(FileStep::Close);
  const bool closed = ::close(fd) == 0;
  if (fault.error != 0) errno = fault.error;
  return fault.error == 0 && closed;
}

bool Truncate(int fd, StepCounter& steps) {
  for (;;) {
    const InjectedFault fault = steps.next(FileStep::Truncate);
    if (fault.error == 0 && ::ftruncate(fd, 0) == 0) return ::lseek(fd, 0, SEEK_SET) == 0;
    if (errno != EINTR) return false;
  }
}

}  // namespace curvanta
