// The saver's rights, from the system's capability sets and ids, held against what a
// replacement of a file would have to keep.
#include "common/replacement_check.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

namespace curvanta {

namespace {

bool HasCapability(int capability) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
  if (::syscall(SYS_capget, &header, data) != 0) return false;
  return (data[capability / 32].effective & (1u << (capability % 32))) != 0;
}

// Whether the process runs in the system's own user namespace, where its capabilities are
// the system's: there every id maps to itself.
bool InSystemUserNamespace() {
  std::ifstream map("/proc/self/uid_map");
  unsigned long inside = 1, outside = 1, count = 0;
  return map >> inside >> outside >> count && inside == 0 && outside == 0 && count == 4294967295UL;
}

bool IsOneOfSaversGroups(gid_t group) {
  if (group == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<size_t>(count));
  const int n = ::getgroups(count, groups.data());
  for (int i = 0; i < n; ++i)
    if (groups[size_t(i)] == group) return true;
  return false;
}

}  // namespace

bool ReplacementKeepsEverything(const FilePlace& place, const struct stat& old, AttributesRead read) {
  if (read == AttributesRead::Unreadable) return false;
  const bool systemWide = InSystemUserNamespace();
  const bool seesAndSetsEveryAttribute = systemWide && HasCapability(CAP_SYS_ADMIN);
  // Trusted attributes are listed only to the privileged, so anyone else cannot know the file
  // carries none; nor may they set a security one it carries.
  if (read == AttributesRead::Read && !seesAndSetsEveryAttribute) return false;
  const uid_t saver = ::geteuid();
  const bool mayChown = systemWide && HasCapability(CAP_CHOWN);
  if (old.st_uid != saver && !mayChown) return false;
  if (!mayChown && !IsOneOfSaversGroups(old.st_gid)) return false;
  // Replacing a name needs the right to write into the folder and to pass through it; in a
  // sticky folder, also to own the file or the folder.
  if (::faccessat(place.folder.get(), ".", W_OK | X_OK, AT_EACCESS) != 0) return false;
  struct stat folder;
  if (::fstat(place.folder.get(), &folder) != 0) return false;
  if (FolderKeepsItsNames(place.folder.get())) return false;
  if ((folder.st_mode & S_ISVTX) && old.st_uid != saver && folder.st_uid != saver &&
      !(systemWide && HasCapability(CAP_FOWNER)))
    return false;
  return true;
}

bool FolderKeepsItsNames(int folder) {
  const UniqueFd readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  int flags = 0;
  if (!readable.valid() || ::ioctl(readable.get(), FS_IOC_GETFLAGS, &flags) != 0) return false;
  return (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0;
}

}  // namespace curvanta
