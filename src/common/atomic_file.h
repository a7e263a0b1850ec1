// Writing a file so that it is either replaced whole or left as it was: the bytes go to a
// temporary file beside it that replaces it only after every write, the sync and the close
// succeeded. Also the fault hook through which tests make any of those steps fail.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace curvanta {

// The steps of a write that can fail. Write: one system write of a full block while the
// bytes are taken in; Flush: a system write of the last, partly filled block; Sync: the
// file's data and metadata to the disk; Close; Rename: the temporary file over the target.
enum class FileStep { Write, Flush, Sync, Close, Rename };

// A fault the hook injects into one system call. `error` != 0: the call fails with that
// errno (nothing is written). Otherwise a write writes at most `maxBytes` bytes, so that
// short writes can be made.
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

// A file written through a temporary file in the target's folder. The bytes are collected
// in blocks of kBlockSize; a full block is written when more bytes follow it, the last one
// by commit(). Destroying the writer before a successful commit() removes the temporary
// file and leaves the target as it was.
class AtomicFileWriter {
 public:
  static constexpr size_t kBlockSize = 8192;

  explicit AtomicFileWriter(std::string path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Creates the temporary file; false when it cannot be created.
  bool open();
  // Takes the bytes in; false once any write failed.
  bool write(std::string_view bytes);
  // Writes the last block, syncs and closes the temporary file, renames it over the target
  // (which keeps its permissions) and syncs the folder. False, with the temporary file
  // removed and the target untouched, when any of that fails.
  bool commit();

 private:
  bool writeAll(FileStep step, const char* data, size_t size);
  void discard();

  std::string path_;    // the target, symbolic links followed
  std::string temp_;    // the temporary file, while it exists
  std::string buffer_;  // bytes not yet written, at most one block
  int fd_ = -1;
  bool failed_ = false;
  int counts_[5] = {};
};

// Writes `bytes` to `path` through an AtomicFileWriter: true when the file now holds
// exactly them, false when the old file (or none) is still in place.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace curvanta
