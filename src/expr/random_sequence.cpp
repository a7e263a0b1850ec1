// The RND sequence: a 64-bit SplitMix generator, 24 bits per number so that every value is
// a float strictly below 1.
#include "expr/random_sequence.h"

#include <cstdint>

namespace curvanta {

namespace {
constexpr uint64_t kStartState = 0x2545F4914F6CDD1DULL;
uint64_t g_state = kStartState;
}  // namespace

float NextRandomSingle() {
  g_state += 0x9E3779B97F4A7C15ULL;
  uint64_t z = g_state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return float(z >> 40) * (1.0f / 16777216.0f);
}

void ResetRandomSequence() { g_state = kStartState; }

}  // namespace curvanta
