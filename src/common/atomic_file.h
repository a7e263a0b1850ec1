// The one writer of every file the program writes for the user: the bytes go whole to a new
// file beside the target that replaces it only after every write, the sync and the close
// succeeded, keeping what the user set on the old file. Also the fault hook through which
// tests make any system call of a write fail, and the stall timeout they may shorten.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace curvanta {

// The system calls of a write that can fail. Open: creating the new file (each name tried
// counts) or opening a device or pipe written in place; Write: one system write; Sync: the
// file's data and metadata to the disk; Close; Rename: the new file over the target;
// Attribute: setting one of the old file's extended attributes (its access list among them)
// on the new file, or taking away an access list the new file got from its folder.
enum class FileStep { Open, Write, Sync, Close, Rename, Attribute };

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

// Writes `bytes` as the whole content of the file at `path`: a regular file is replaced by a
// new one, a device or pipe is written in place. True when the file now holds exactly them;
// false, with nothing left behind and the old file as it was, when any step failed or the
// user may not write the file.
// - A symbolic link stays a link: the file it names (followed link by link, also when that
//   file does not exist yet) is written. A link in a shared folder (sticky, and others may
//   write into it) is followed only when the saver or the folder's owner owns it; so is a
//   file, pipe or device there written.
// - An existing regular file is refused when a plain write to it would be (its permission
//   bits, owner, a read-only mount); otherwise it is replaced by a new file that takes its
//   permission bits, its access list and extended attributes and, where the system allows,
//   its owner and group (a set-id bit only with the owner or group it names). What cannot
//   be carried fails the write. Other hard links of it keep the old content.
// - An existing file of another kind (a device, a pipe) is written in place; one that takes
//   no byte for the stall timeout fails the write.
// - Every path the system takes can be written: the new file is made relative to its folder.
bool ReplaceOrWriteInPlace(const std::string& path, std::string_view bytes);

}  // namespace curvanta
