// Reading and writing bitmap files: headers decoded byte by byte, every size and offset
// checked against the file before anything is allocated or read; files written through the
// program's one file writer.
#include "app/bitmap_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>

#include "common/atomic_file.h"
#include "common/message_service.h"

namespace curvanta {

namespace {

const char kMessageTitle[] = "Curvanta";
const char kNoSuchFile[] = "文件不存在：";
const char kAccessDenied[] = "出错";
const char kNotABitmap[] = "文件格式不是BMP格式：";

constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;

uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t Read32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
void Write16(uint16_t v, uint8_t* p) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
void Write32(uint32_t v, uint8_t* p) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool ReadAt(std::FILE* f, uint64_t offset, uint8_t* into, uint64_t count) {
  if (count == 0) return true;
  if (offset > uint64_t(std::numeric_limits<off_t>::max())) return false;
  if (fseeko(f, off_t(offset), SEEK_SET) != 0) return false;
  return std::fread(into, 1, size_t(count), f) == count;
}

void RefuseAsNotABitmap(const std::string& filename) {
  ShowMessage(std::string(kNotABitmap) + "\n" + filename, kMessageTitle, MsgIcon::Information);
}

bool IsUncompressed(uint32_t compression) {
  return compression == kUncompressed || compression == kBitFields;
}

}  // namespace

BitmapFileHeader ReadBitmapFileHeader(const uint8_t* b) {
  BitmapFileHeader h;
  h.bfType = Read16(b);
  h.bfSize = Read32(b + 2);
  h.bfReserved1 = Read16(b + 6);
  h.bfReserved2 = Read16(b + 8);
  h.bfOffBits = Read32(b + 10);
  return h;
}

BitmapInfoHeader ReadBitmapInfoHeader(const uint8_t* b) {
  BitmapInfoHeader h;
  h.biSize = Read32(b);
  h.biWidth = int32_t(Read32(b + 4));
  h.biHeight = int32_t(Read32(b + 8));
  h.biPlanes = Read16(b + 12);
  h.biBitCount = Read16(b + 14);
  h.biCompression = Read32(b + 16);
  h.biSizeImage = Read32(b + 20);
  h.biXPelsPerMeter = int32_t(Read32(b + 24));
  h.biYPelsPerMeter = int32_t(Read32(b + 28));
  h.biClrUsed = Read32(b + 32);
  h.biClrImportant = Read32(b + 36);
  return h;
}

void WriteBitmapFileHeader(const BitmapFileHeader& h, uint8_t* b) {
  Write16(h.bfType, b);
  Write32(h.bfSize, b + 2);
  Write16(h.bfReserved1, b + 6);
  Write16(h.bfReserved2, b + 8);
  Write32(h.bfOffBits, b + 10);
}

uint64_t UncompressedImageSize(const BitmapInfoHeader& info) {
  switch (info.biBitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return 0;
  }
  if (info.biWidth < 1) return 0;
  const uint64_t stride = (uint64_t(info.biWidth) * info.biBitCount + 31) / 32 * 4;
  const uint64_t rows = info.biHeight < 0 ? uint64_t(-int64_t(info.biHeight)) : uint64_t(info.biHeight);
  if (rows != 0 && stride > std::numeric_limits<uint64_t>::max() / rows)
    return std::numeric_limits<uint64_t>::max();
  return stride * rows;
}

bool BitmapFile::CreateFromFile(const std::string& filename) {
  std::error_code ec;
  (void)std::filesystem::file_size(std::filesystem::path(filename), ec);
  if (ec) {
    ShowMessage(std::string(kNoSuchFile) + "\n" + filename, kMessageTitle, MsgIcon::Error);
    return false;
  }
  errno = 0;
  FilePtr file(std::fopen(filename.c_str(), "rb"));
  if (!file) {
    if (errno == EACCES)
      ShowMessage(std::string(kAccessDenied) + "\n" + filename, kMessageTitle, MsgIcon::Error);
    else
      ShowMessage(std::strerror(errno), kMessageTitle, MsgIcon::Information);
    return false;
  }
  struct stat st {};
  if (fstat(fileno(file.get()), &st) != 0 || st.st_size < 0) {
    ShowMessage(std::strerror(errno), kMessageTitle, MsgIcon::Information);
    return false;
  }
  const uint64_t fileSize = uint64_t(st.st_size);

  uint8_t head[kBitmapFileHeaderSize + kBitmapInfoHeaderSize] = {};
  const size_t got = std::fread(head, 1, sizeof head, file.get());
  if (got < kBitmapFileHeaderSize) {
    RefuseAsNotABitmap(filename);
    return false;
  }
  const BitmapFileHeader fileHeader = ReadBitmapFileHeader(head);
  if (fileHeader.bfType != kBitmapFileType) {
    file_ = fileHeader;
    RefuseAsNotABitmap(filename);
    return false;
  }
  if (got < sizeof head) {
    RefuseAsNotABitmap(filename);
    return false;
  }
  const BitmapInfoHeader info = ReadBitmapInfoHeader(head + kBitmapFileHeaderSize);

  // The headers, the pixel offset and the pixel data must lie inside the file, in that order.
  const uint64_t offset = fileHeader.bfOffBits;
  uint64_t imageSize = info.biSizeImage;
  const bool uncompressed = IsUncompressed(info.biCompression);
  if (imageSize == 0 && uncompressed) imageSize = UncompressedImageSize(info);
  const bool fits = info.biSize >= kBitmapInfoHeaderSize &&
                    offset >= kBitmapFileHeaderSize + uint64_t(info.biSize) && offset <= fileSize &&
                    imageSize > 0 && imageSize <= fileSize - offset;
  // Uncompressed rows must all be there, so that width and height describe the buffer.
  const bool rowsFit = !uncompressed || (UncompressedImageSize(info) > 0 &&
                                         UncompressedImageSize(info) <= imageSize);
  if (!fits || !rowsFit) {
    RefuseAsNotABitmap(filename);
    return false;
  }

  std::vector<uint8_t> bitmapInfo(static_cast<size_t>(offset - kBitmapFileHeaderSize));
  std::vector<uint8_t> bits(static_cast<size_t>(imageSize));
  if (!ReadAt(file.get(), kBitmapFileHeaderSize, bitmapInfo.data(), bitmapInfo.size()) ||
      !ReadAt(file.get(), offset, bits.data(), bits.size())) {
    // The file shrank or could not be read after its size was taken.
    RefuseAsNotABitmap(filename);
    return false;
  }
  file_ = fileHeader;
  info_ = info;
  bitmapInfo_ = std::move(bitmapInfo);
  bits_ = std::move(bits);
  return true;
}

bool BitmapFile::CreateFromPackedDIBPointer(const void* pDIB, size_t size) {
  if (!pDIB || size < kBitmapInfoHeaderSize) return false;
  const auto* bytes = static_cast<const uint8_t*>(pDIB);
  // The header is taken before it is judged: a refused one stays in the info header.
  info_ = ReadBitmapInfoHeader(bytes);
  const BitmapInfoHeader& info = info_;
  const uint64_t rows = UncompressedImageSize(info);
  if (info.biSize != kBitmapInfoHeaderSize || info.biCompression != kUncompressed ||
      info.biBitCount < 16 || info.biSizeImage < 1 || rows == 0 || rows > info.biSizeImage ||
      info.biSizeImage > size - kBitmapInfoHeaderSize ||
      info.biSizeImage > std::numeric_limits<uint32_t>::max() - 54)
    return false;
  bits_.assign(bytes + kBitmapInfoHeaderSize, bytes + kBitmapInfoHeaderSize + info.biSizeImage);
  bitmapInfo_.assign(bytes, bytes + kBitmapInfoHeaderSize);
  file_ = BitmapFileHeader{kBitmapFileType, info.biSizeImage + 54, 0, 0, 54};
  return true;
}

bool BitmapFile::WriteToFile(const std::string& filename) const {
  std::string bytes(kBitmapFileHeaderSize, '\0');
  WriteBitmapFileHeader(file_, reinterpret_cast<uint8_t*>(bytes.data()));
  bytes.append(bitmapInfo_.begin(), bitmapInfo_.end());
  bytes.append(bits_.begin(), bits_.end());
  return bool(ReplaceOrWriteInPlace(filename, bytes));
}

}  // namespace curvanta
