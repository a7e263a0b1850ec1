// Finding the file a path names one name at a time from folders held open, following links
// by hand under the rule of shared folders.
#include "common/file_place.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string_view>
#include <vector>

namespace curvanta {

namespace {

// As many links in a row as the system itself follows before it gives up.
constexpr int kMaxLinkHops = 40;

// Puts the names of `path` on the stack `left` so that its first name is taken first. An
// empty name stands for a slash at the end (or two in a row).
void PushNames(std::string_view path, std::vector<std::string>& left) {
  std::vector<std::string> names;
  size_t start = !path.empty() && path.front() == '/' ? 1 : 0;
  for (;;) {
    const size_t slash = path.find('/', start);
    names.emplace_back(path.substr(start, slash == std::string_view::npos ? slash : slash - start));
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  left.insert(left.end(), names.rbegin(), names.rend());
}

UniqueFd OpenRoot(bool absolute) {
  return UniqueFd(::open(absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// The text of the link `name` in `folder`, read once: a buffer longer than any link the
// system keeps shows a whole text by not filling up.
bool ReadLink(int folder, const std::string& name, std::string& text) {
  char buffer[PATH_MAX + 1];
  const ssize_t n = ::readlinkat(folder, name.c_str(), buffer, sizeof buffer);
  if (n < 0) return false;
  if (n == 0 || size_t(n) == sizeof buffer) {
    errno = n == 0 ? ENOENT : ENAMETOOLONG;
    return false;
  }
  text.assign(buffer, size_t(n));
  return true;
}

}  // namespace

bool SharedFolderLetsUse(int folder, const struct stat& entry) {
  struct stat st;
  if (::fstat(folder, &st) != 0) return false;
  const bool shared = (st.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
  return !shared || entry.st_uid == ::geteuid() || entry.st_uid == st.st_uid;
}

std::optional<FilePlace> LocateForWriting(const std::string& path) {
  if (path.empty()) {
    errno = ENOENT;
    return std::nullopt;
  }
  UniqueFd folder = OpenRoot(path.front() == '/');
  if (!folder.valid()) return std::nullopt;
  std::vector<std::string> left;
  PushNames(path, left);
  int hops = 0;
  while (!left.empty()) {
    const std::string name = std::move(left.back());
    left.pop_back();
    const bool last = left.empty();
    if (last && (name.empty() || name == "." || name == "..")) {  // a folder, not a file in it
      errno = EISDIR;
      return std::nullopt;
    }
    if (name.empty() || name == ".") continue;
    struct stat st;
    if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (last && errno == ENOENT) return FilePlace{std::move(folder), name};
      return std::nullopt;
    }
    if (S_ISLNK(st.st_mode)) {
      std::string target;
      if (++hops > kMaxLinkHops) {
        errno = ELOOP;
        return std::nullopt;
      }
      if (!SharedFolderLetsUse(folder.get(), st)) {
        errno = EACCES;
        return std::nullopt;
      }
      if (!ReadLink(folder.get(), name, target)) return std::nullopt;
      if (target.front() == '/') {
        folder = OpenRoot(true);
        if (!folder.valid()) return std::nullopt;
      }
      PushNames(target, left);
      continue;
    }
    if (last && S_ISDIR(st.st_mode)) {
      errno = EISDIR;
      return std::nullopt;
    }
    if (last) return FilePlace{std::move(folder), name};
    // Not followed should it have become a link meanwhile: that one is checked above.
    UniqueFd inner(::openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!inner.valid()) return std::nullopt;
    folder = std::move(inner);
  }
  errno = ENOENT;
  return std::nullopt;
}

}  // namespace curvanta
