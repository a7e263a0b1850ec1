// Where the file a path names lies, for writing it: the folder it lies in, held open, and its
// name there, with every symbolic link on the way followed as the system would follow it.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "common/unique_fd.h"

namespace curvanta {

struct FilePlace {
  UniqueFd folder;   // opened only to name files in it (O_PATH)
  std::string name;  // no link: a file of any other kind, or none yet
};

// Walks `path` one name at a time from the root or the working folder, so that no path
// longer than a name is ever handed to the system. Every symbolic link met (in the folders
// on the way and at the end, a relative one from its own folder) is followed, also when the
// file it names does not exist yet; a link in a shared folder (sticky, and others may write
// into it, as /tmp) only when the saver (effective user) or the folder's owner owns the
// link, whatever the system's own switch for that says. Nothing when the path names a
// folder or nothing that can be reached, a link is refused (EACCES) or a chain of links is
// too long to be anything but a loop (ELOOP); errno tells which.
std::optional<FilePlace> LocateForWriting(const std::string& path);

// Whether the saver may follow or write `entry`, a link or file in `folder`: in a shared
// folder (sticky, and others may write into it) only one the saver or the folder's owner
// owns, as otherwise anyone could put a name there where the saver's bytes go (a link to a
// file the saver may write, or a file or pipe its maker reads).
bool SharedFolderLetsUse(int folder, const struct stat& entry);

}  // namespace curvanta
