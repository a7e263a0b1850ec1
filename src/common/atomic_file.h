// The one writer of every file the program writes for the user: the bytes go whole to a new
// file beside the target that replaces it only after every write, the sync and the close
// succeeded, where that new file comes out as the old one was; otherwise the old file takes
// the bytes in place, as a plain write would. Also the fault hook through which tests make
// any system call of a write fail, and the stall timeout they may shorten.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace curvanta {

// The system calls of a write that can fail. Open: creating the new file (each name tried
// counts) or opening the file written in place; Write: one system write; Sync: the file's
// data and metadata to the disk; Close; Rename: the new file over the target; Attribute:
// setting one of the old file's extended attributes (its access list among them) on the new
// file, or taking away an access list the new file got from its folder; Read: reading the
// old bytes of a file written in place, kept to put back should the write fail (once);
// Truncate: emptying a file written in place, before its new bytes or its old ones.
enum class FileStep { Open, Write, Sync, Close, Rename, Attribute, Read, Truncate };

// A fault the hook injects into one system call. `error` != 0: the call fails with that
// errno (nothing is written; an Open failing with EEXIST makes the writer try another name).
// Otherwise a write writes at most `maxBytes` bytes, so that a test can make one file take
// many writes, or short ones.
struct InjectedFault {
  int error = 0;
  size_t maxBytes = static_cast<size_t>(-1);
};

// Consulted before every system call of a step; `count` numbers the calls of that step,
// from 1, within one file's write (retries after a short write or EINTR count too).
using FileFaultHook = std::function<InjectedFault(FileStep step, int count)>;

// Installs the hook (an empty one: no faults) and returns the one it replaces.
FileFaultHook SetFileFaultHook(FileFaultHook hook);

// Installs a hook for the life of the guard.
class ScopedFileFaultHook {
 public:
  explicit ScopedFileFaultHook(FileFaultHook hook) : previous_(SetFileFaultHook(std::move(hook))) {}
  ~ScopedFileFaultHook() { SetFileFaultHook(std::move(previous_)); }
  ScopedFileFaultHook(const ScopedFileFaultHook&) = delete;
  ScopedFileFaultHook& operator=(const ScopedFileFaultHook&) = delete;

 private:
  FileFaultHook previous_;
};

// How long a device or pipe written in place may take no byte before the write fails.
inline constexpr std::chrono::milliseconds kStalledWriteTimeout{10000};

// Sets that time (for tests, which cannot wait so long) and returns the one it replaces.
std::chrono::milliseconds SetStalledWriteTimeout(std::chrono::milliseconds timeout);

// The fixed start of the new file's name; a few random characters follow it, so that the
// name is hidden and short (every name the file system takes for the target can be saved)
// and a leftover of an earlier crash never stands in the way.
inline constexpr char kNewFilePrefix[] = ".cvt";
inline constexpr size_t kNewFileRandomChars = 6;

// What became of a write. `written`: the file now holds exactly the bytes. Otherwise errno
// tells why (the error of the system call that failed, or the one the hook injected), and
// `oldFileMayBeIncomplete` that the failure came part-way through a write in place whose old
// bytes could not be put back (they could not be read, or writing them back failed too).
struct WriteOutcome {
  bool written = false;
  bool oldFileMayBeIncomplete = false;
  explicit operator bool() const { return written; }
};

// The message of a failed write of `path`: "无法写入文件：" and the path on the next line,
// then "原文件可能已不完整" where the old file may have been left incomplete.
std::string WriteFailureText(const std::string& path, const WriteOutcome& outcome);

// Writes `bytes` as the whole content of the file at `path`. Without success nothing is left
// behind and the old file is as it was, except where the outcome says it may be incomplete;
// a target the user may not write (as a plain write would find) is refused.
// - A symbolic link stays a link: the file it names (followed link by link, also when that
//   file does not exist yet) is written. A link in a shared folder (sticky, and others may
//   write into it) is followed only when the saver or the folder's owner owns it; so is a
//   file, pipe or device there written.
// - An existing regular file is refused when a plain write to it would be (its permission
//   bits, owner, a read-only mount). It is replaced by a new file only where that one comes
//   out exactly as the old one: the saver can give it the old owner and group, sees and can
//   set every extended attribute (only the privileged see the trusted ones, so anyone else
//   cannot know a file carries none), and the folder lets the saver replace the file. The new
//   file then takes the old one's mode, access list and attributes; what cannot be carried
//   after all fails the write, and other hard links keep the old content.
// - Otherwise the file is written in place through its held folder: its old bytes are read
//   where the saver may, then it is emptied, written and synced, so that its owner, group,
//   mode, access list, attributes and other hard links stay (a set-id bit of the saver's own
//   file is set again after the system took it away for the write). A failure part-way
//   writes the old bytes back.
// - An existing file of another kind (a device, a pipe) is written in place; one that takes
//   no byte for the stall timeout fails the write.
// - A file that does not exist yet is made as a new file renamed to its name, except in a
//   folder whose names cannot be replaced or removed (append-only, immutable): there it is
//   made under its own name, as no new file beside it could be taken away again.
// - Every path the system takes can be written: the new file is made relative to its folder.
WriteOutcome ReplaceOrWriteInPlace(const std::string& path, std::string_view bytes);

}  // namespace curvanta
