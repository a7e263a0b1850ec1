// The source of revision numbers.
#include "graph/revision_number.h"

namespace curvanta {

uint64_t RevisionNumber::Next() {
  static uint64_t last = 0;  // numbered things live on the interface thread only
  return ++last;
}

}  // namespace curvanta
