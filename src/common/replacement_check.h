// Whether a new file renamed over an existing one would come out as that file is: the
// saver's rights over its owner, group, attributes and folder, asked before anything is written.
#pragma once

#include <sys/stat.h>

#include "common/file_attributes.h"
#include "common/file_place.h"

namespace curvanta {

// True where the saver can give a new file `old`'s owner and group, sees every attribute the
// file may carry and can set them (`read`, as ReadAttributes answered for the file), and the
// folder lets the saver replace the file. Only the privileged (the superuser
// of the system, not of a user namespace) see trusted attributes, so for anyone else a file
// on a file system that keeps attributes may carry some they cannot know of.
bool ReplacementKeepsEverything(const FilePlace& place, const struct stat& old, AttributesRead read);

// Whether the folder lets no name in it be replaced or taken away (append-only or
// immutable): a new file made there could neither stand in for another nor be removed.
bool FolderKeepsItsNames(int folder);

}  // namespace curvanta
