// Fuzz target: the bitmap file reader on raw file bytes, the packed-bitmap reader on the same
// bytes, and writing back whatever was taken.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/bitmap_file.h"

using namespace curvanta;

namespace {

std::string ScratchPath(const char* what) {
  const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(dir) + "/curvanta-fuzz-" + std::to_string(getpid()) + "-" + what;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string input = ScratchPath("in.bmp");
  static const std::string output = ScratchPath("out.bmp");
  if (std::FILE* f = std::fopen(input.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  BitmapFile file;
  if (file.CreateFromFile(input)) file.WriteToFile(output);
  BitmapFile packed;
  if (packed.CreateFromPackedDIBPointer(data, size)) packed.WriteToFile(output);
  return 0;
}
