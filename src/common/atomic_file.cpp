// The writer of the user's files: the file found name by name from folders held open (links
// followed by hand), the write permission asked as a plain write would, a new file with a
// short random name beside the target that takes the old file's owner, mode, access list and
// extended attributes, then sync, close, rename and the folder's sync. Devices and pipes are
// written in place, giving up on one that takes nothing for a while.
#include "common/atomic_file.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "common/file_place.h"
#include "common/unique_fd.h"

namespace curvanta {

namespace {

// Names tried for the new file before the write gives up; with 62^6 names a clash is
// already rare, so only a folder under attack runs out.
constexpr int kNameAttempts = 100;
constexpr int kStepCount = int(FileStep::Attribute) + 1;

// The extended attribute that holds a file's access list.
constexpr char kAccessList[] = "system.posix_acl_access";
// The one a plain write takes away (the rights a program file runs with), so a save does too.
constexpr char kFileCapabilities[] = "security.capability";

FileFaultHook& Hook() {
  static FileFaultHook hook;
  return hook;
}

std::atomic<int64_t>& StalledWriteTimeoutMs() {
  static std::atomic<int64_t> timeout{kStalledWriteTimeout.count()};
  return timeout;
}

// The calls of each step made so far in one file's write, and the faults for the next.
class StepCounter {
 public:
  InjectedFault next(FileStep step) {
    const int count = ++counts_[static_cast<int>(step)];
    if (!Hook()) return {};
    return Hook()(step, count);
  }

 private:
  int counts_[kStepCount] = {};
};

// `count` characters out of [A-Za-z0-9], from the system's random source (or, where it
// has none, from the clock and a counter).
std::string RandomChars(size_t count) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  constexpr size_t kLetters = sizeof kAlphabet - 1;
  unsigned char raw[32];
  if (count > sizeof raw) count = sizeof raw;
  if (::getrandom(raw, count, GRND_NONBLOCK) != ssize_t(count)) {
    static std::atomic<uint64_t> serial{0};
    uint64_t x = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                 (uint64_t(::getpid()) << 40) ^ (serial++ * 0x9E3779B97F4A7C15ULL);
    for (size_t i = 0; i < count; ++i) {  // splitmix64
      uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
      raw[i] = (unsigned char)(z ^ (z >> 31));
    }
  }
  std::string chars(count, ' ');
  for (size_t i = 0; i < count; ++i) chars[i] = kAlphabet[raw[i] % kLetters];
  return chars;
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

bool WriteAll(int fd, std::string_view bytes, StepCounter& steps) {
  std::optional<Stall> stall;
  while (!bytes.empty()) {
    const InjectedFault fault = steps.next(FileStep::Write);
    ssize_t n;
    if (fault.error != 0) {
      errno = fault.error;
      n = -1;
    } else {
      n = ::write(fd, bytes.data(), bytes.size() < fault.maxBytes ? bytes.size() : fault.maxBytes);
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {  // a device or pipe that takes nothing now
      if (!stall) stall = Stall{std::chrono::steady_clock::now(), UnreadBytes(fd)};
      if (!WaitUntilWritable(fd, *stall)) return false;
      continue;
    }
    if (n <= 0) return false;  // an error, or a disk that takes nothing more
    stall.reset();
    bytes.remove_prefix(size_t(n));
  }
  return true;
}

// fsync, carried on after an interruption. `nothingToSync` is an errno that means the file
// keeps nothing to sync (a pipe answers EINVAL); 0 for none.
bool Sync(int fd, StepCounter& steps, int nothingToSync = 0) {
  for (;;) {
    const InjectedFault fault = steps.next(FileStep::Sync);
    if (fault.error != 0)
      errno = fault.error;
    else if (::fsync(fd) == 0)
      return true;
    if (errno == EINTR) continue;
    return nothingToSync != 0 && errno == nothingToSync;
  }
}

// The descriptor is gone after close() whatever it answers, so it is never retried.
bool Close(int fd, StepCounter& steps) {
  const InjectedFault fault = steps.next(FileStep::Close);
  const int closed = ::close(fd);
  return fault.error == 0 && closed == 0;
}

// Writing to a pipe whose reader has gone raises SIGPIPE, which ends the program by default.
// Held back in this thread for the life of the guard, the write fails with EPIPE instead; a
// SIGPIPE the write raised is then taken away, one that was waiting before is left.
class SigPipeHeldBack {
 public:
  SigPipeHeldBack() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    waiting_ = sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
    held_ = pthread_sigmask(SIG_BLOCK, &pipe_, &previous_) == 0;
  }
  ~SigPipeHeldBack() {
    if (!held_) return;
    const int error = errno;
    if (!waiting_) {
      const timespec now{0, 0};
      while (sigtimedwait(&pipe_, nullptr, &now) < 0 && errno == EINTR) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    errno = error;
  }
  SigPipeHeldBack(const SigPipeHeldBack&) = delete;
  SigPipeHeldBack& operator=(const SigPipeHeldBack&) = delete;

 private:
  sigset_t pipe_;
  sigset_t previous_;
  bool waiting_ = false;
  bool held_ = false;
};

// A device or a pipe keeps nothing that a new file could protect: its own bytes go to it.
// A pipe without a reader refuses at once rather than waiting for one; one whose reader
// leaves during the write fails it, and so does one that takes no byte for the stall timeout.
bool WriteInPlace(const FilePlace& place, std::string_view bytes, StepCounter& steps) {
  const SigPipeHeldBack sigPipe;
  const InjectedFault fault = steps.next(FileStep::Open);
  if (fault.error != 0) return false;
  const int fd =
      ::openat(place.folder.get(), place.name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
  if (fd < 0) return false;
  struct stat st;
  const bool inPlace = ::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode);  // not one put there meanwhile
  const bool written = inPlace && WriteAll(fd, bytes, steps) && Sync(fd, steps, EINVAL);
  return Close(fd, steps) && written;
}

// A file's extended attributes, each name with its value.
using Attributes = std::vector<std::pair<std::string, std::string>>;

// Calls `read(buffer, size)` (a listxattr or getxattr) with a buffer as large as it asks for,
// again while the value grows between asking and reading; the bytes, or nothing (errno set).
template <typename Read>
std::optional<std::string> ReadGrowing(Read read) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const ssize_t size = read(nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string bytes(size_t(size), '\0');
    const ssize_t n = size == 0 ? 0 : read(bytes.data(), bytes.size());
    if (n >= 0) {
      bytes.resize(size_t(n));
      return bytes;
    }
    if (errno != ERANGE) return std::nullopt;
  }
  return std::nullopt;
}

// Every extended attribute of the regular file `place` names that the saver can see (the
// system lists only those). False when one cannot be read: a save that cannot carry what
// is set on the file does not replace it. Read through a descriptor; a file the saver may
// write but not read is reached through the folder's descriptor in /proc.
bool ReadAttributes(const FilePlace& place, Attributes& attributes) {
  const UniqueFd file(
      ::openat(place.folder.get(), place.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!file.valid() && errno != EACCES) return false;
  const std::string path = "/proc/self/fd/" + std::to_string(place.folder.get()) + "/" + place.name;
  const auto list = [&](char* buffer, size_t size) {
    return file.valid() ? ::flistxattr(file.get(), buffer, size) : ::llistxattr(path.c_str(), buffer, size);
  };
  std::optional<std::string> names = ReadGrowing(list);
  if (!names) return errno == ENOTSUP;  // a file system without them
  for (size_t at = 0; at < names->size(); at = names->find('\0', at) + 1) {
    const std::string name = names->c_str() + at;
    if (name == kFileCapabilities) continue;
    const auto get = [&](char* buffer, size_t size) {
      return file.valid() ? ::fgetxattr(file.get(), name.c_str(), buffer, size)
                          : ::lgetxattr(path.c_str(), name.c_str(), buffer, size);
    };
    std::optional<std::string> value = ReadGrowing(get);
    if (!value) {
      if (errno == ENODATA) continue;  // taken away meanwhile
      return false;
    }
    attributes.emplace_back(name, std::move(*value));
  }
  return true;
}

// Sets one attribute on the new file. One the new file already holds as it is (as a
// security label the system gave it) counts as set.
bool SetAttribute(int fd, const std::string& name, const std::string& value, StepCounter& steps) {
  const InjectedFault fault = steps.next(FileStep::Attribute);
  if (fault.error == 0 && ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0) return true;
  if (fault.error != 0) errno = fault.error;
  const int error = errno;
  std::string held(value.size() + 1, '\0');
  const ssize_t n = ::fgetxattr(fd, name.c_str(), held.data(), held.size());
  if (n >= 0 && size_t(n) == value.size() && held.compare(0, size_t(n), value) == 0) return true;
  errno = error;
  return false;
}

// Gives the new file the old one's permission bits and what is set on it. The attributes
// come first, while the new file is still the saver's to change; the mode after the bytes,
// which clear set-id bits as they are written; the access list last, as setting the mode
// rewrites its mask. A new file whose folder gave it an access list the old one did not
// have loses it. False, with the new file to be thrown away, when anything could not be
// carried: the save would otherwise widen a right or drop what the user set.
bool CarryWhatIsSet(int fd, const struct stat& old, const Attributes& attributes, StepCounter& steps) {
  const std::string* accessList = nullptr;
  for (const auto& [name, value] : attributes) {
    if (name == kAccessList)
      accessList = &value;
    else if (!SetAttribute(fd, name, value, steps))
      return false;
  }
  // A set-id bit runs the file as its owner or group: it stays only where they were kept,
  // never turning into one that runs as the saver.
  mode_t mode = old.st_mode & 07777;
  struct stat now;
  if (::fstat(fd, &now) != 0) return false;
  if (now.st_uid != old.st_uid) mode &= ~mode_t(S_ISUID);
  if (now.st_gid != old.st_gid) mode &= ~mode_t(S_ISGID);
  if (::fchmod(fd, mode) != 0 && (::fstat(fd, &now) != 0 || (now.st_mode & 07777) != mode)) return false;
  if (accessList) return SetAttribute(fd, kAccessList, *accessList, steps);
  if (::fgetxattr(fd, kAccessList, nullptr, 0) <= 0) return true;  // none here either
  const InjectedFault fault = steps.next(FileStep::Attribute);
  if (fault.error != 0) return false;
  return ::fremovexattr(fd, kAccessList) == 0;
}

// Creates the new file in `folder` under a name of its own; -1 when none can be created.
int CreateNewFile(int folder, mode_t mode, std::string& name, StepCounter& steps) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = kNewFilePrefix + RandomChars(kNewFileRandomChars);
    const InjectedFault fault = steps.next(FileStep::Open);
    int fd = -1;
    if (fault.error != 0)
      errno = fault.error;
    else
      fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd >= 0) return fd;
    if (errno != EEXIST && errno != EINTR) break;  // EEXIST: a leftover's name, try another
  }
  name.clear();
  return -1;
}

// The bytes to a new file beside the target, then over it. `old` is the file replaced, or
// null when there is none yet.
bool Replace(const FilePlace& place, const struct stat* old, std::string_view bytes, StepCounter& steps) {
  const int folder = place.folder.get();
  Attributes attributes;
  if (old && !ReadAttributes(place, attributes)) return false;
  std::string temporary;
  // Unreadable to others until it has the old file's owner and mode.
  const int fd = CreateNewFile(folder, old ? 0600 : 0666, temporary, steps);
  if (fd < 0) return false;
  // Where the owner cannot be kept (only the superuser may give a file away), the group
  // still may be.
  if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0) (void)::fchown(fd, uid_t(-1), old->st_gid);
  bool ok = WriteAll(fd, bytes, steps) && (!old || CarryWhatIsSet(fd, *old, attributes, steps)) && Sync(fd, steps);
  ok = Close(fd, steps) && ok;
  if (ok) {
    const InjectedFault fault = steps.next(FileStep::Rename);
    ok = fault.error == 0 && ::renameat(folder, temporary.c_str(), folder, place.name.c_str()) == 0;
  }
  if (!ok) {
    ::unlinkat(folder, temporary.c_str(), 0);
    return false;
  }
  // The new name reaches the disk with the folder; a file system that cannot sync a folder
  // (or a folder the saver may not read) has still replaced the file, so this answers nothing.
  const UniqueFd synced(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (synced.valid()) (void)::fsync(synced.get());
  return true;
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

bool ReplaceOrWriteInPlace(const std::string& path, std::string_view bytes) {
  const std::optional<FilePlace> place = LocateForWriting(path);
  if (!place) return false;
  StepCounter steps;
  struct stat old;
  if (::fstatat(place->folder.get(), place->name.c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
    // A new file; a missing folder fails when the file is created in it.
    return errno == ENOENT && Replace(*place, nullptr, bytes, steps);
  }
  if (S_ISDIR(old.st_mode) || S_ISLNK(old.st_mode)) return false;  // a link: put there meanwhile
  if (!SharedFolderLetsUse(place->folder.get(), old)) {
    errno = EACCES;
    return false;
  }
  if (!S_ISREG(old.st_mode)) return WriteInPlace(*place, bytes, steps);
  // Renaming needs only the folder's permission: the file's own is asked as an open for
  // writing would ask it (effective ids, access lists, a read-only mount).
  if (::faccessat(place->folder.get(), place->name.c_str(), W_OK, AT_EACCESS) != 0) return false;
  return Replace(*place, &old, bytes, steps);
}

}  // namespace curvanta
