// A file's extended attributes (its access list among them): reading them where the saver
// may, and carrying them with the permission bits to the new file that replaces it.
#pragma once

#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "common/file_place.h"
#include "common/file_steps.h"

namespace curvanta {

// The extended attribute that holds a file's access list.
inline constexpr char kAccessListAttribute[] = "system.posix_acl_access";

// A file's extended attributes, each name with its value.
using Attributes = std::vector<std::pair<std::string, std::string>>;

enum class AttributesRead {
  Read,         // every attribute the saver can see is in the list
  NotKept,      // the file system keeps none at all
  Unreadable,   // one could not be read
};

// Every extended attribute of the regular file `place` names that the saver can see (the
// system lists only those), but for the rights a program file runs with, which a plain write
// takes away too. Read through a descriptor; a file the saver may write but not read is
// reached through the folder's descriptor in /proc.
AttributesRead ReadAttributes(const FilePlace& place, Attributes& attributes);

// Gives the new file `fd` the old one's permission bits and its attributes. The attributes
// come first, while the new file is still the saver's to change; the mode after the bytes,
// which clear set-id bits as they are written; the access list last, as setting the mode
// rewrites its mask. A new file whose folder gave it an access list the old one did not
// have loses it. False, with the new file to be thrown away, when anything could not be
// carried: the save would otherwise widen a right or drop what the user set.
bool CarryWhatIsSet(int fd, const struct stat& old, const Attributes& attributes, StepCounter& steps);

}  // namespace curvanta
