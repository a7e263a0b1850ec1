// Keeping freed memory in the heap between frames. A software GL driver allocates and frees
// its vertex buffers on every replay of a large display list; with the allocator's default
// trimming those pages go back to the system after each frame and fault in again on the next.
#pragma once

namespace curvanta {

// Raises the allocator's trim and mmap thresholds so that buffers of a redraw are reused
// by the next one. Called once at start-up, before any GL context exists.
void KeepFreedMemoryForRedraws();

}  // namespace curvanta
