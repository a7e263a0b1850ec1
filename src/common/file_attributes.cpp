// Reading a file's extended attributes and carrying them, with its mode, to a new file.
#include "common/file_attributes.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "common/unique_fd.h"

namespace curvanta {

namespace {

// The one a plain write takes away (the rights a program file runs with), so a save does too.
constexpr char kFileCapabilities[] = "security.capability";

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

// Sets one attribute on the new file. One the new file already holds as it is (as a
// security label the system gave it) counts as set.
bool SetAttribute(int fd, const std::string& name, const std::string& value, StepCounter& steps) {
  const InjectedFault fault = steps.next(FileStep::Attribute);
  if (fault.error == 0 && ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0) return true;
  const ErrnoKept failure;
  std::string held(value.size() + 1, '\0');
  const ssize_t n = ::fgetxattr(fd, name.c_str(), held.data(), held.size());
  return n >= 0 && size_t(n) == value.size() && held.compare(0, size_t(n), value) == 0;
}

}  // namespace

AttributesRead ReadAttributes(const FilePlace& place, Attributes& attributes) {
  const UniqueFd file(
      ::openat(place.folder.get(), place.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!file.valid() && errno != EACCES) return AttributesRead::Unreadable;
  const std::string path = "/proc/self/fd/" + std::to_string(place.folder.get()) + "/" + place.name;
  const auto list = [&](char* buffer, size_t size) {
    return file.valid() ? ::flistxattr(file.get(), buffer, size) : ::llistxattr(path.c_str(), buffer, size);
  };
  std::optional<std::string> names = ReadGrowing(list);
  if (!names) return errno == ENOTSUP ? AttributesRead::NotKept : AttributesRead::Unreadable;
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
      return AttributesRead::Unreadable;
    }
    attributes.emplace_back(name, std::move(*value));
  }
  return AttributesRead::Read;
}

bool CarryWhatIsSet(int fd, const struct stat& old, const Attributes& attributes, StepCounter& steps) {
  const std::string* accessList = nullptr;
  for (const auto& [name, value] : attributes) {
    if (name == kAccessListAttribute)
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
  if (::fchmod(fd, mode) != 0) {
    const ErrnoKept failure;
    if (::fstat(fd, &now) != 0 || (now.st_mode & 07777) != mode) return false;
  }
  if (accessList) return SetAttribute(fd, kAccessListAttribute, *accessList, steps);
  if (::fgetxattr(fd, kAccessListAttribute, nullptr, 0) <= 0) return true;  // none here either
  const InjectedFault fault = steps.next(FileStep::Attribute);
  if (fault.error != 0) return false;
  return ::fremovexattr(fd, kAccessListAttribute) == 0;
}

}  // namespace curvanta
