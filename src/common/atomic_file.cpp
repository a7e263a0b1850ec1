// The writer of the user's files: the file found name by name from folders held open (links
// followed by hand), the write permission asked as a plain write would; a new file with a
// short random name beside the target where it can come out as the old one (owner, mode,
// access list, extended attributes), then sync, close, rename and the folder's sync; the old
// file written in place where it cannot, its old bytes kept to put back. Devices and pipes
// are written in place, giving up on one that takes nothing for a while.
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
#include <cstdint>
#include <optional>

#include "common/file_attributes.h"
#include "common/file_place.h"
#include "common/file_steps.h"
#include "common/replacement_check.h"
#include "common/unique_fd.h"

namespace curvanta {

namespace {

// Names tried for the new file before the write gives up; with 62^6 names a clash is
// already rare, so only a folder under attack runs out.
constexpr int kNameAttempts = 100;

// The largest old file whose bytes are kept in memory to put back should a write in place
// fail; a larger one is written without them, as one the saver may not read.
constexpr off_t kLargestOldBytesKept = off_t(256) << 20;

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
    const ErrnoKept failure;
    if (!waiting_) {
      const timespec now{0, 0};
      while (sigtimedwait(&pipe_, nullptr, &now) < 0 && errno == EINTR) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
  }
  SigPipeHeldBack(const SigPipeHeldBack&) = delete;
  SigPipeHeldBack& operator=(const SigPipeHeldBack&) = delete;

 private:
  sigset_t pipe_;
  sigset_t previous_;
  bool waiting_ = false;
  bool held_ = false;
};

// Opens the file `place` names for writing, not following a link and not waiting for a
// pipe's reader; -1 when it cannot be opened (errno set).
int OpenToWrite(const FilePlace& place, StepCounter& steps) {
  if (steps.next(FileStep::Open).error != 0) return -1;
  return ::openat(place.folder.get(), place.name.c_str(),
                  O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
}

// A device or a pipe keeps nothing that a new file could protect: its own bytes go to it.
// A pipe without a reader refuses at once rather than waiting for one; one whose reader
// leaves during the write fails it, and so does one that takes no byte for the stall timeout.
// Writes every byte to `fd`, syncs and closes it; closed also when writing or syncing fails,
// errno then telling that failure. `nothingToSync` as for Sync.
bool WriteSyncAndClose(int fd, std::string_view bytes, StepCounter& steps, int nothingToSync = 0) {
  if (!WriteAll(fd, bytes, steps) || !Sync(fd, steps, nothingToSync)) {
    const ErrnoKept failure;
    Close(fd, steps);
    return false;
  }
  return Close(fd, steps);
}

bool WriteDeviceOrPipe(const FilePlace& place, std::string_view bytes, StepCounter& steps) {
  const SigPipeHeldBack sigPipe;
  const int fd = OpenToWrite(place, steps);
  if (fd < 0) return false;
  struct stat st;
  const bool statted = ::fstat(fd, &st) == 0;
  if (!statted || S_ISREG(st.st_mode)) {  // not one put there meanwhile
    if (statted) errno = EAGAIN;
    const ErrnoKept failure;
    Close(fd, steps);
    return false;
  }
  return WriteSyncAndClose(fd, bytes, steps, EINVAL);
}

// Creates the new file in `folder` under a name of its own; -1 when none can be created.
int CreateNewFile(int folder, mode_t mode, std::string& name, StepCounter& steps) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = kNewFilePrefix + RandomChars(kNewFileRandomChars);
    int fd = -1;
    if (steps.next(FileStep::Open).error == 0)
      fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd >= 0) return fd;
    if (errno != EEXIST && errno != EINTR) break;  // EEXIST: a leftover's name, try another
  }
  name.clear();
  return -1;
}

enum class Replaced { Yes, Failed, OwnerNotKept };

// The bytes to a new file beside the target, then over it. `old` is the file replaced, with
// its `attributes`, or null when there is none yet. Should the system not give the new file
// the old one's owner and group after all (as a network file system may refuse even the
// superuser), nothing is written and the file is to be written in place.
Replaced Replace(const FilePlace& place, const struct stat* old, const Attributes& attributes,
                 std::string_view bytes, StepCounter& steps) {
  const int folder = place.folder.get();
  std::string temporary;
  // Unreadable to others until it has the old file's owner and mode.
  const int fd = CreateNewFile(folder, old ? 0600 : 0666, temporary, steps);
  if (fd < 0) return Replaced::Failed;
  if (old) {
    struct stat made;
    if (::fchown(fd, old->st_uid, old->st_gid) != 0 || ::fstat(fd, &made) != 0 || made.st_uid != old->st_uid ||
        made.st_gid != old->st_gid) {
      ::close(fd);
      ::unlinkat(folder, temporary.c_str(), 0);
      return Replaced::OwnerNotKept;
    }
  }
  bool ok = WriteAll(fd, bytes, steps) && (!old || CarryWhatIsSet(fd, *old, attributes, steps)) && Sync(fd, steps);
  if (ok) {
    ok = Close(fd, steps);
  } else {
    const ErrnoKept failure;
    Close(fd, steps);
  }
  ok = ok && steps.next(FileStep::Rename).error == 0 &&
       ::renameat(folder, temporary.c_str(), folder, place.name.c_str()) == 0;
  if (!ok) {
    const ErrnoKept failure;
    ::unlinkat(folder, temporary.c_str(), 0);
    return Replaced::Failed;
  }
  // The new name reaches the disk with the folder; a file system that cannot sync a folder
  // (or a folder the saver may not read) has still replaced the file, so this answers nothing.
  const UniqueFd synced(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (synced.valid()) (void)::fsync(synced.get());
  return Replaced::Yes;
}

// A new file in a folder whose names cannot be replaced or taken away is made under its own
// name, as a plain write would make it: a failure leaves what was written, as no new file
// beside it could be removed again.
bool CreateUnderItsOwnName(const FilePlace& place, std::string_view bytes, StepCounter& steps) {
  if (steps.next(FileStep::Open).error != 0) return false;
  const int fd =
      ::openat(place.folder.get(), place.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return false;
  return WriteSyncAndClose(fd, bytes, steps);
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The bytes of the regular file `file` (as `place` names it), where the saver may read them;
// nothing where it may not, or where they are too many to keep.
std::optional<std::string> ReadOldBytes(const FilePlace& place, const struct stat& file, StepCounter& steps) {
  const ErrnoKept unchanged;
  if (steps.next(FileStep::Read).error != 0 || file.st_size > kLargestOldBytesKept) return std::nullopt;
  const UniqueFd in(
      ::openat(place.folder.get(), place.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  struct stat st;
  if (!in.valid() || ::fstat(in.get(), &st) != 0 || !SameFile(st, file)) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    if (off_t(bytes.size()) + n > kLargestOldBytesKept) return std::nullopt;
    bytes.append(buffer, size_t(n));
  }
}

// Sets again the set-id bits the system took from the saver's own file `fd` as it was
// written (it keeps them only for the privileged); another user's file stays as the system
// left it, as after a plain write. The rest of the mode is the file's as it is now, so that
// a mode the owner narrowed while the save ran stays: the system takes the set-user-id bit
// on any write, the set-group-id bit only from a file its group may run.
bool KeepOwnFilesMode(int fd, const struct stat& old) {
  struct stat now;
  if (old.st_uid != ::geteuid()) return true;
  if (::fstat(fd, &now) != 0) return false;
  mode_t taken = old.st_mode & S_ISUID & ~now.st_mode;
  if (now.st_mode & S_IXGRP) taken |= old.st_mode & S_ISGID & ~now.st_mode;
  return taken == 0 || ::fchmod(fd, (now.st_mode & 07777) | taken) == 0;
}

// Writes the old bytes back into the file `fd`, after a write in place failed; false when
// that fails too.
bool PutBack(int fd, const struct stat& old, const std::string& oldBytes, StepCounter& steps) {
  return Truncate(fd, steps) && WriteAll(fd, oldBytes, steps) && KeepOwnFilesMode(fd, old) && Sync(fd, steps);
}

// The old file itself takes the bytes, as a plain write would give them: opened through the
// held folder (the system asks the right to write it), emptied, written and synced, so that
// everything set on it stays. A set-id bit the system took away from the saver's own file as
// it was written is set again. Where anything fails once the file was emptied, its old bytes
// go back in; the outcome says where they could not.
WriteOutcome WriteRegularFileInPlace(const FilePlace& place, const struct stat& old, std::string_view bytes,
                                     StepCounter& steps) {
  UniqueFd file(OpenToWrite(place, steps));
  if (!file.valid()) return {};
  struct stat opened;
  if (::fstat(file.get(), &opened) != 0) return {};
  if (!S_ISREG(opened.st_mode) || !SameFile(opened, old)) {  // another file put there meanwhile
    errno = EAGAIN;
    return {};
  }
  const std::optional<std::string> oldBytes = ReadOldBytes(place, opened, steps);
  if (!Truncate(file.get(), steps)) return {};  // the file is as it was
  bool written = WriteAll(file.get(), bytes, steps) && KeepOwnFilesMode(file.get(), old) && Sync(file.get(), steps);
  if (written) {
    written = Close(file.get(), steps);
    (void)file.release();
    if (written) return {true, false};
    // Closed all the same: opened again to put the old bytes back.
    const ErrnoKept failure;
    file.reset(
        ::openat(place.folder.get(), place.name.c_str(), O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    struct stat again;
    if (file.valid() && (::fstat(file.get(), &again) != 0 || !SameFile(again, old))) file.reset();
  }
  const ErrnoKept failure;
  const bool putBack = oldBytes && file.valid() && PutBack(file.get(), old, *oldBytes, steps);
  return {false, !putBack};
}

}  // namespace

std::string WriteFailureText(const std::string& path, const WriteOutcome& outcome) {
  std::string text = "无法写入文件：\n" + path;
  if (outcome.oldFileMayBeIncomplete) text += "\n原文件可能已不完整";
  return text;
}

WriteOutcome ReplaceOrWriteInPlace(const std::string& path, std::string_view bytes) {
  const std::optional<FilePlace> place = LocateForWriting(path);
  if (!place) return {};
  StepCounter steps;
  struct stat old;
  if (::fstatat(place->folder.get(), place->name.c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
    // A new file; a missing folder fails when the file is created in it.
    if (errno != ENOENT) return {};
    if (FolderKeepsItsNames(place->folder.get())) return {CreateUnderItsOwnName(*place, bytes, steps), false};
    return {Replace(*place, nullptr, {}, bytes, steps) == Replaced::Yes, false};
  }
  if (S_ISDIR(old.st_mode) || S_ISLNK(old.st_mode)) {  // put there meanwhile
    errno = S_ISDIR(old.st_mode) ? EISDIR : ELOOP;
    return {};
  }
  if (!SharedFolderLetsUse(place->folder.get(), old)) {
    errno = EACCES;
    return {};
  }
  if (!S_ISREG(old.st_mode)) return {WriteDeviceOrPipe(*place, bytes, steps), false};
  // The file's own right to be written is asked as an open for writing would ask it
  // (effective ids, access lists, a read-only mount): renaming needs only the folder's.
  if (::faccessat(place->folder.get(), place->name.c_str(), W_OK, AT_EACCESS) != 0) return {};
  Attributes attributes;
  const AttributesRead read = ReadAttributes(*place, attributes);
  if (ReplacementKeepsEverything(*place, old, read)) {
    const Replaced replaced = Replace(*place, &old, attributes, bytes, steps);
    if (replaced != Replaced::OwnerNotKept) return {replaced == Replaced::Yes, false};
  }
  return WriteRegularFileInPlace(*place, old, bytes, steps);
}

}  // namespace curvanta
