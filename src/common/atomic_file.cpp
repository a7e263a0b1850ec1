// The writer of the user's files: links followed by hand, the write permission asked as a
// plain write would, a new file with a short random name beside the target, the old
// file's owner and mode carried over, then sync, close, rename and the folder's sync.
#include "common/atomic_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <utility>

namespace curvanta {

namespace {

// As many links in a row as the system itself follows before it gives up.
constexpr int kMaxLinkHops = 40;
// Names tried for the new file before the write gives up; with 62^6 names a clash is
// already rare, so only a folder under attack runs out.
constexpr int kNameAttempts = 100;

FileFaultHook& Hook() {
  static FileFaultHook hook;
  return hook;
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
  int counts_[5] = {};
};

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// Makes `path` the file it names once every symbolic link at its end is followed (a relative
// link from the link's own folder); that file need not exist. False for a link that cannot
// be read or a chain of links too long to be anything but a loop.
bool FollowLinks(std::string& path) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::string target(size_t(st.st_size > 0 ? st.st_size : PATH_MAX), '\0');
    for (;;) {
      const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
      if (n < 0) return false;
      if (size_t(n) < target.size()) {
        target.resize(size_t(n));
        break;
      }
      target.resize(target.size() * 2);  // perhaps cut short: the link changed meanwhile
    }
    if (target.empty()) return false;
    path = target.front() == '/' ? target : Join(FolderOf(path), target);
  }
  errno = ELOOP;
  return false;
}

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

bool WriteAll(int fd, std::string_view bytes, StepCounter& steps) {
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
    if (n <= 0) return false;  // an error, or a disk that takes nothing more
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
// leaves during the write fails it.
bool WriteInPlace(const std::string& target, std::string_view bytes, StepCounter& steps) {
  const SigPipeHeldBack sigPipe;
  const InjectedFault fault = steps.next(FileStep::Open);
  if (fault.error != 0) return false;
  const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  const int flags = ::fcntl(fd, F_GETFL);
  const bool blocking = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
  const bool written = blocking && WriteAll(fd, bytes, steps) && Sync(fd, steps, EINVAL);
  return Close(fd, steps) && written;
}

// Creates the new file in `folder` under a name of its own; -1 when none can be created.
int CreateNewFile(const std::string& folder, mode_t mode, std::string& name, StepCounter& steps) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = Join(folder, kNewFilePrefix + RandomChars(kNewFileRandomChars));
    const InjectedFault fault = steps.next(FileStep::Open);
    int fd = -1;
    if (fault.error != 0)
      errno = fault.error;
    else
      fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd >= 0) return fd;
    if (errno != EEXIST && errno != EINTR) break;  // EEXIST: a leftover's name, try another
  }
  name.clear();
  return -1;
}

// The bytes to a new file beside `target`, then over it. `old` is the file replaced, or
// null when there is none yet.
bool Replace(const std::string& target, const struct stat* old, std::string_view bytes,
             StepCounter& steps) {
  const std::string folder = FolderOf(target);
  std::string temporary;
  // Unreadable to others until it has the old file's owner and mode.
  const int fd = CreateNewFile(folder, old ? 0600 : 0666, temporary, steps);
  if (fd < 0) return false;
  if (old) {
    // Where the owner cannot be kept (only the superuser may give a file away), the group
    // still may be; the mode comes last, as a change of owner clears its set-id bits.
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) (void)::fchown(fd, uid_t(-1), old->st_gid);
    // A set-id bit runs the file as its owner or group: it stays only where they were kept,
    // never turning into one that runs as the saver.
    mode_t mode = old->st_mode & 07777;
    struct stat now;
    const bool known = ::fstat(fd, &now) == 0;
    if (!known || now.st_uid != old->st_uid) mode &= ~mode_t(S_ISUID);
    if (!known || now.st_gid != old->st_gid) mode &= ~mode_t(S_ISGID);
    (void)::fchmod(fd, mode);
  }
  bool ok = WriteAll(fd, bytes, steps) && Sync(fd, steps);
  ok = Close(fd, steps) && ok;
  if (ok) {
    const InjectedFault fault = steps.next(FileStep::Rename);
    ok = fault.error == 0 && ::rename(temporary.c_str(), target.c_str()) == 0;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The new name reaches the disk with the folder; a file system that cannot sync a folder
  // has still replaced the file, so this answers nothing.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    (void)::fsync(folderFd);
    ::close(folderFd);
  }
  return true;
}

}  // namespace

FileFaultHook SetFileFaultHook(FileFaultHook hook) {
  FileFaultHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target = path;
  if (target.empty() || !FollowLinks(target) || NameOf(target).empty()) return false;
  StepCounter steps;
  struct stat old;
  if (::stat(target.c_str(), &old) != 0) {
    // A new file; a missing folder fails when the file is created in it.
    return errno == ENOENT && Replace(target, nullptr, bytes, steps);
  }
  if (!S_ISREG(old.st_mode)) return WriteInPlace(target, bytes, steps);
  // Renaming needs only the folder's permission: the file's own is asked as an open for
  // writing would ask it (effective ids, access lists, a read-only mount).
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
  return Replace(target, &old, bytes, steps);
}

}  // namespace curvanta
