// The program's one pseudo-random sequence (the RND function): deterministic, the same at
// every start, shared by every evaluation.
#pragma once

namespace curvanta {

// The next number of the sequence, uniform in [0, 1), a 32-bit float.
float NextRandomSingle();

// Restarts the sequence from its start-up state (for tests).
void ResetRandomSequence();

}  // namespace curvanta
