// The all-or-nothing file writer and its fault hook.
#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace curvanta {

namespace {

FileFaultHook& Hook() {
  static FileFaultHook hook;
  return hook;
}

// The fault for the next call of a step (none without a hook).
InjectedFault FaultFor(FileStep step, int* counts) {
  const int count = ++counts[static_cast<int>(step)];
  if (!Hook()) return {};
  return Hook()(step, count);
}

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

// A link is replaced at the file it points to, as saving through it is meant to.
std::string FollowLinks(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

}  // namespace

FileFaultHook SetFileFaultHook(FileFaultHook hook) {
  FileFaultHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(FollowLinks(path)) {}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

bool AtomicFileWriter::open() {
  const std::string name = NameOf(path_);
  if (name.empty() || fd_ >= 0 || failed_) return false;
  const std::string folder = FolderOf(path_);
  // A hidden name beside the target; created exclusively so that nothing else is reused.
  unsigned long long seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<unsigned long long>(getpid()) << 32);
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%08llx", (seed >> 24) & 0xFFFFFFFFULL);
    const std::string temp = folder + "/." + name + "." + suffix + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      fd_ = fd;
      temp_ = temp;
    } else if (errno != EEXIST) {
      break;
    }
  }
  if (fd_ < 0) {
    failed_ = true;
    return false;
  }
  // The replacement keeps the permissions of the file it replaces.
  struct stat st;
  if (stat(path_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd_, st.st_mode & 07777);
  return true;
}

bool AtomicFileWriter::writeAll(FileStep step, const char* data, size_t size) {
  while (size > 0) {
    const InjectedFault fault = FaultFor(step, counts_);
    ssize_t n;
    if (fault.error != 0) {
      errno = fault.error;
      n = -1;
    } else {
      n = ::write(fd_, data, size < fault.maxBytes ? size : fault.maxBytes);
    }
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;  // an error, or a disk that takes nothing more
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool AtomicFileWriter::write(std::string_view bytes) {
  if (fd_ < 0 || failed_) return false;
  while (!bytes.empty()) {
    if (buffer_.size() == kBlockSize) {
      if (!writeAll(FileStep::Write, buffer_.data(), buffer_.size())) {
        failed_ = true;
        return false;
      }
      buffer_.clear();
    }
    const size_t take = std::min(kBlockSize - buffer_.size(), bytes.size());
    buffer_.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
  }
  return true;
}

bool AtomicFileWriter::commit() {
  if (fd_ < 0 || failed_) {
    discard();
    return false;
  }
  bool ok = writeAll(FileStep::Flush, buffer_.data(), buffer_.size());
  buffer_.clear();
  if (ok) {
    for (;;) {
      const InjectedFault fault = FaultFor(FileStep::Sync, counts_);
      if (fault.error != 0) errno = fault.error;
      if ((fault.error == 0 && ::fsync(fd_) == 0)) break;
      if (errno != EINTR) {
        ok = false;
        break;
      }
    }
  }
  if (ok) {
    // The descriptor is gone after close() whatever it answers, so it is never retried.
    const InjectedFault fault = FaultFor(FileStep::Close, counts_);
    const int fd = std::exchange(fd_, -1);
    const int closed = ::close(fd);
    ok = fault.error == 0 && closed == 0;
  }
  if (ok) {
    const InjectedFault fault = FaultFor(FileStep::Rename, counts_);
    ok = fault.error == 0 && ::rename(temp_.c_str(), path_.c_str()) == 0;
  }
  if (!ok) {
    failed_ = true;
    discard();
    return false;
  }
  temp_.clear();
  // The new name reaches the disk with the folder; a file system that cannot sync a folder
  // has still replaced the file, so this answers nothing.
  const int folder = ::open(FolderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

void AtomicFileWriter::discard() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  if (!temp_.empty()) ::unlink(std::exchange(temp_, std::string()).c_str());
  buffer_.clear();
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter file(path);
  return file.open() && file.write(bytes) && file.commit();
}

}  // namespace curvanta
