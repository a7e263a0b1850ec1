// Allocator thresholds for repeated redraws (see heap_tuning.h).
#include "common/heap_tuning.h"

#include <cstdlib>  // defines __GLIBC__ on glibc systems
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace curvanta {

void KeepFreedMemoryForRedraws() {
#if defined(__GLIBC__)
  // Blocks up to 32 MB come from the heap (the largest threshold the allocator accepts), and
  // up to 64 MB of free memory at the heap's top stays mapped between frames.
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

}  // namespace curvanta
