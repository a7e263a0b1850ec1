// A Windows bitmap held as its two header records and two byte buffers: read from a bitmap
// file or a packed bitmap in memory, every header checked against the bytes there, and
// written back as a bitmap file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace curvanta {

// The 14-byte file header, little-endian in the file.
struct BitmapFileHeader {
  uint16_t bfType = 0;
  uint32_t bfSize = 0;
  uint16_t bfReserved1 = 0;
  uint16_t bfReserved2 = 0;
  uint32_t bfOffBits = 0;
};

// The 40-byte information header.
struct BitmapInfoHeader {
  uint32_t biSize = 0;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 0;
  uint16_t biBitCount = 0;
  uint32_t biCompression = 0;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

inline constexpr uint16_t kBitmapFileType = 0x4D42;  // "BM"
inline constexpr size_t kBitmapFileHeaderSize = 14;
inline constexpr size_t kBitmapInfoHeaderSize = 40;

class BitmapFile {
 public:
  // Reads a bitmap file. Refusals and open failures are shown to the user; false then, and
  // nothing held changes (except the file header after a file of another type).
  bool CreateFromFile(const std::string& filename);
  // Takes a packed bitmap (a 40-byte uncompressed info header, then the pixel data) of `size`
  // bytes at `pDIB`, 16 bits per pixel or more. False, silently, for anything else or when
  // the pixel data does not fit in `size`; the first 40 bytes, when there are that many, are
  // then still copied into the info header, and the file header and buffers stay.
  bool CreateFromPackedDIBPointer(const void* pDIB, size_t size);
  // Writes the file header, the header and colour bytes and the pixel data (an empty object:
  // its 14 zeroed file-header bytes) through the program's file writer, so a failure leaves
  // the old file as it was. False only when the file could not be written (also when the
  // user may not write it).
  bool WriteToFile(const std::string& filename) const;

  // Header fields; 16-bit fields widened with their sign.
  int32_t BitCount() const { return int16_t(info_.biBitCount); }
  int32_t Height() const { return info_.biHeight; }
  int32_t Width() const { return info_.biWidth; }
  int32_t Compression() const { return int32_t(info_.biCompression); }
  int32_t SizeInfoHeader() const { return int32_t(info_.biSize); }
  int32_t SizeImage() const { return int32_t(info_.biSizeImage); }
  int32_t Planes() const { return int16_t(info_.biPlanes); }
  int32_t ClrImportant() const { return int32_t(info_.biClrImportant); }
  int32_t ClrUsed() const { return int32_t(info_.biClrUsed); }
  int32_t XPPM() const { return info_.biXPelsPerMeter; }
  int32_t YPPM() const { return info_.biYPelsPerMeter; }
  int32_t FileType() const { return int16_t(file_.bfType); }
  int32_t SizeFileHeader() const { return int32_t(file_.bfSize); }
  int32_t BitOffset() const { return int32_t(file_.bfOffBits); }
  // The buffers; null while empty. Valid until the next successful create operation.
  const uint8_t* PointerToBits() const { return bits_.empty() ? nullptr : bits_.data(); }
  const uint8_t* PointerToBitmapInfo() const {
    return bitmapInfo_.empty() ? nullptr : bitmapInfo_.data();
  }
  int32_t SizeBitmapInfo() const { return int32_t(bitmapInfo_.size()); }
  // Number of bytes of pixel data held.
  size_t SizeBits() const { return bits_.size(); }

 private:
  BitmapFileHeader file_;
  BitmapInfoHeader info_;
  std::vector<uint8_t> bits_;
  std::vector<uint8_t> bitmapInfo_;
};

// Header records from and to their little-endian bytes (`bytes` holds at least 14 or 40).
BitmapFileHeader ReadBitmapFileHeader(const uint8_t* bytes);
BitmapInfoHeader ReadBitmapInfoHeader(const uint8_t* bytes);
void WriteBitmapFileHeader(const BitmapFileHeader& header, uint8_t* bytes);

// Bytes of pixel data an uncompressed image needs: rows padded to 4 bytes, |height| rows.
// Nothing (0) for a bit count that is not 1, 4, 8, 16, 24 or 32 or a width below 1.
uint64_t UncompressedImageSize(const BitmapInfoHeader& info);

}  // namespace curvanta
