// Bitmap files: Qt's own 24- and 32-bit files read with the right headers and pixels and
// write back byte for byte; damaged and hostile files are refused with the format message and
// leave the bitmap held before untouched; packed bitmaps; an empty object's write; failed
// writes report false and leave the old file as it was.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "app/bitmap_file.h"
#include "common/atomic_file.h"
#include "common/message_service.h"

using namespace curvanta;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

void Put32(QByteArray& b, int at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = char(uint8_t(v >> (8 * i)));
}
void Put16(QByteArray& b, int at, uint16_t v) {
  b[at] = char(uint8_t(v));
  b[at + 1] = char(uint8_t(v >> 8));
}

// A 40-byte uncompressed info header at `at`.
void PutInfoHeader(QByteArray& b, int at, int32_t width, int32_t height, uint16_t bits,
                   uint32_t sizeImage) {
  Put32(b, at, 40);
  Put32(b, at + 4, uint32_t(width));
  Put32(b, at + 8, uint32_t(height));
  Put16(b, at + 12, 1);
  Put16(b, at + 14, bits);
  Put32(b, at + 20, sizeImage);
}

// A bitmap file of `pixelBytes` bytes of pixel data after the two headers.
QByteArray BitmapFileBytes(int32_t width, int32_t height, uint16_t bits, int pixelBytes) {
  QByteArray b(54 + pixelBytes, '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, uint32_t(b.size()));
  Put32(b, 10, 54);
  PutInfoHeader(b, 14, width, height, bits, uint32_t(pixelBytes));
  return b;
}

// A 24-bit bitmap of 2 x 2 pixels built by hand: 54 header bytes, two rows of 8 bytes.
QByteArray SmallBitmap() {
  QByteArray b = BitmapFileBytes(2, 2, 24, 16);
  for (int i = 54; i < 70; ++i) b[i] = char(i);
  return b;
}

std::string Std(const QString& s) { return s.toStdString(); }

class BitmapFileTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
  ScopedMessageRecorder rec;
};

// A 32-bit bitmap file of `image` (rows bottom up, blue, green, red, alpha), for a Qt whose
// writer turns 32-bit images into 24-bit files.
QByteArray ThirtyTwoBitFile(const QImage& image) {
  const int w = image.width(), h = image.height();
  QByteArray b = BitmapFileBytes(w, h, 32, 4 * w * h);
  Put32(b, 38, 2835);
  Put32(b, 42, 2835);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const QRgb p = image.pixel(x, y);
      const int at = 54 + 4 * ((h - 1 - y) * w + x);
      b[at] = char(qBlue(p));
      b[at + 1] = char(qGreen(p));
      b[at + 2] = char(qRed(p));
      b[at + 3] = char(qAlpha(p));
    }
  return b;
}

TEST_F(BitmapFileTest, QtBitmapsReadWithTheirHeadersAndPixelsAndWriteBackByteForByte) {
  struct Case {
    QImage::Format format;
    int bits;
  } cases[] = {{QImage::Format_RGB888, 24}, {QImage::Format_ARGB32, 32}};
  for (const Case& c : cases) {
    QImage image(5, 3, c.format);  // 5 pixels of 3 bytes need a padded row
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgba(40 * x, 80 * y + 10, 7 * x + y, 255));
    const QString in = Path("in.bmp"), out = Path("out.bmp");
    ASSERT_TRUE(image.save(in, "BMP"));
    if (c.bits == 32 && uint8_t(ReadAll(in).at(28)) != 32) {
      // This Qt writes 24 bits for every 32-bit image: write the 32-bit file here and let
      // Qt's reader confirm that it holds the same picture.
      WriteAll(in, ThirtyTwoBitFile(image));
      QImage back(in, "BMP");
      ASSERT_EQ(back.size(), image.size());
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_EQ(back.pixel(x, y) | 0xFF000000u, image.pixel(x, y));
    }
    const QByteArray original = ReadAll(in);

    BitmapFile bmp;
    ASSERT_TRUE(bmp.CreateFromFile(Std(in))) << c.bits;
    EXPECT_TRUE(rec.recorder.messages.empty());
    EXPECT_EQ(bmp.FileType(), 19778);
    EXPECT_EQ(bmp.Width(), 5);
    EXPECT_EQ(bmp.Height(), 3);
    EXPECT_EQ(bmp.BitCount(), c.bits);
    EXPECT_EQ(bmp.Planes(), 1);
    EXPECT_EQ(bmp.Compression(), 0);
    EXPECT_GE(bmp.SizeInfoHeader(), 40);
    EXPECT_EQ(bmp.SizeBitmapInfo(), bmp.BitOffset() - 14);
    ASSERT_NE(bmp.PointerToBitmapInfo(), nullptr);
    EXPECT_EQ(0, std::memcmp(bmp.PointerToBitmapInfo(), original.constData() + 14,
                             size_t(bmp.SizeBitmapInfo())));
    // Rows bottom up, padded to 4 bytes, each pixel blue, green, red (and a fourth byte).
    const int bytesPerPixel = c.bits / 8;
    const int stride = (5 * bytesPerPixel + 3) / 4 * 4;
    ASSERT_EQ(bmp.SizeBits(), size_t(stride * 3));
    const uint8_t* bits = bmp.PointerToBits();
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) {
        const uint8_t* p = bits + (2 - y) * stride + x * bytesPerPixel;
        EXPECT_EQ(QRgb(qRgb(p[2], p[1], p[0])), image.pixel(x, y) | 0xFF000000u)
            << c.bits << " " << x << "," << y;
      }

    ASSERT_TRUE(bmp.WriteToFile(Std(out)));
    const qsizetype used = bmp.BitOffset() + qsizetype(bmp.SizeBits());
    EXPECT_EQ(ReadAll(out), original.left(used)) << c.bits;
  }
}

TEST_F(BitmapFileTest, DamagedAndHostileFilesAreRefusedAndChangeNothing) {
  const QByteArray good = SmallBitmap();
  struct Case {
    const char* what;
    std::function<void(QByteArray&)> damage;
  } cases[] = {
      {"file header cut short", [](QByteArray& b) { b.truncate(10); }},
      {"info header cut short", [](QByteArray& b) { b.truncate(30); }},
      {"pixel offset past the end", [](QByteArray& b) { Put32(b, 10, 71); }},
      {"pixel offset far past the end", [](QByteArray& b) { Put32(b, 10, 0xFFFFFFF0u); }},
      {"pixel offset inside the file header", [](QByteArray& b) { Put32(b, 10, 6); }},
      {"pixel offset inside the info header", [](QByteArray& b) { Put32(b, 10, 40); }},
      {"pixel data past the end", [](QByteArray& b) { Put32(b, 34, 17); }},
      {"2 GB of pixel data", [](QByteArray& b) { Put32(b, 34, 0x80000000u); }},
      {"largest pixel data size", [](QByteArray& b) { Put32(b, 34, 0xFFFFFFFFu); }},
      {"old 12-byte header", [](QByteArray& b) { Put32(b, 14, 12); }},
      {"header larger than the file", [](QByteArray& b) { Put32(b, 14, 0xFFFFFFFFu); }},
      {"most negative height, size from the rows",
       [](QByteArray& b) { Put32(b, 22, uint32_t(INT32_MIN)); Put32(b, 34, 0); }},
      {"negative height taller than the data", [](QByteArray& b) { Put32(b, 22, uint32_t(-3)); }},
      {"rows wider than the data", [](QByteArray& b) { Put32(b, 18, 0x7FFFFFFF); }},
      {"no width", [](QByteArray& b) { Put32(b, 18, 0); }},
      {"compressed without a size", [](QByteArray& b) { Put32(b, 30, 1); Put32(b, 34, 0); }},
      {"unknown bit count without a size", [](QByteArray& b) { Put16(b, 28, 7); Put32(b, 34, 0); }},
  };
  const QString held = Path("held.bmp");
  WriteAll(held, good);
  for (const Case& c : cases) {
    BitmapFile bmp;
    ASSERT_TRUE(bmp.CreateFromFile(Std(held)));
    const uint8_t* bitsBefore = bmp.PointerToBits();
    QByteArray bad = good;
    c.damage(bad);
    const QString path = Path("bad.bmp");
    WriteAll(path, bad);
    rec.recorder.clear();
    EXPECT_FALSE(bmp.CreateFromFile(Std(path))) << c.what;
    ASSERT_EQ(rec.recorder.messages.size(), 1u) << c.what;
    EXPECT_EQ(rec.recorder.messages[0].text, "文件格式不是BMP格式：\n" + Std(path)) << c.what;
    EXPECT_EQ(rec.recorder.messages[0].title, "Curvanta");
    EXPECT_EQ(rec.recorder.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(bmp.Width(), 2) << c.what;
    EXPECT_EQ(bmp.SizeImage(), 16) << c.what;
    EXPECT_EQ(bmp.BitOffset(), 54) << c.what;
    EXPECT_EQ(bmp.PointerToBits(), bitsBefore) << c.what;
  }
}

TEST_F(BitmapFileTest, TopDownAndUnsizedUncompressedBitmapsAreSizedByTheirRows) {
  QByteArray b = SmallBitmap();
  Put32(b, 22, uint32_t(-2));  // top-down rows
  Put32(b, 34, 0);             // size left to the reader
  WriteAll(Path("topdown.bmp"), b);
  BitmapFile bmp;
  ASSERT_TRUE(bmp.CreateFromFile(Std(Path("topdown.bmp"))));
  EXPECT_EQ(bmp.Height(), -2);
  EXPECT_EQ(bmp.SizeImage(), 0);
  EXPECT_EQ(bmp.SizeBits(), 16u);
  EXPECT_EQ(bmp.PointerToBits()[15], 69);
  ASSERT_TRUE(bmp.WriteToFile(Std(Path("copy.bmp"))));
  EXPECT_EQ(ReadAll(Path("copy.bmp")), b);
}

TEST_F(BitmapFileTest, MissingAndForeignFilesGiveTheirMessages) {
  BitmapFile bmp;
  const std::string missing = Std(Path("none.bmp"));
  EXPECT_FALSE(bmp.CreateFromFile(missing));
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "文件不存在：\n" + missing);
  EXPECT_EQ(rec.recorder.messages[0].icon, MsgIcon::Error);

  WriteAll(Path("notes.txt"), "plain text, not a picture\n");
  rec.recorder.clear();
  EXPECT_FALSE(bmp.CreateFromFile(Std(Path("notes.txt"))));
  ASSERT_EQ(rec.recorder.messages.size(), 1u);
  EXPECT_EQ(rec.recorder.messages[0].text, "文件格式不是BMP格式：\n" + Std(Path("notes.txt")));
  // The file header keeps the bytes that were read; the buffers stay empty.
  EXPECT_EQ(bmp.FileType(), int16_t('p' | ('l' << 8)));
  EXPECT_EQ(bmp.PointerToBits(), nullptr);
  EXPECT_EQ(bmp.PointerToBitmapInfo(), nullptr);
  EXPECT_EQ(bmp.SizeBitmapInfo(), 0);
}

TEST_F(BitmapFileTest, PackedBitmapsOfSixteenBitsOrMoreAreTakenWithAFileHeader) {
  // 10 x 31 pixels of 24 bits: 32-byte rows, 992 bytes, in 1000 bytes of pixel data.
  QByteArray packed = QByteArray(40, '\0') + QByteArray(1000, '\x5a');
  PutInfoHeader(packed, 0, 10, 31, 24, 1000);

  BitmapFile bmp;
  ASSERT_TRUE(bmp.CreateFromPackedDIBPointer(packed.constData(), size_t(packed.size())));
  EXPECT_EQ(bmp.FileType(), 19778);
  EXPECT_EQ(bmp.BitOffset(), 54);
  EXPECT_EQ(bmp.SizeFileHeader(), 1054);
  EXPECT_EQ(bmp.SizeBitmapInfo(), 40);
  ASSERT_TRUE(bmp.WriteToFile(Std(Path("packed.bmp"))));
  const QByteArray written = ReadAll(Path("packed.bmp"));
  EXPECT_EQ(written.size(), 1054);
  EXPECT_EQ(written.mid(14), packed);

  BitmapFile reread;
  EXPECT_TRUE(reread.CreateFromFile(Std(Path("packed.bmp"))));
  EXPECT_EQ(reread.SizeImage(), 1000);

  struct Case {
    const char* what;
    std::function<void(QByteArray&)> change;
    size_t size;
  } refused[] = {
      {"8 bits", [](QByteArray& b) { Put16(b, 14, 8); }, 1040},
      {"no pixel size", [](QByteArray& b) { Put32(b, 20, 0); }, 1040},
      {"pixels beyond the given size", [](QByteArray&) {}, 1039},
      {"shorter than a header", [](QByteArray&) {}, 39},
      {"larger header", [](QByteArray& b) { Put32(b, 0, 108); }, 1040},
      {"bit fields", [](QByteArray& b) { Put32(b, 16, 3); }, 1040},
      {"rows beyond the pixel size", [](QByteArray& b) { Put32(b, 8, 32); }, 1040},
  };
  // A refused header is still copied into the info header (when 40 bytes are there); the
  // file header and both buffers keep the bitmap taken before, which is what a write gives.
  for (const Case& c : refused) {
    BitmapFile held;
    ASSERT_TRUE(held.CreateFromPackedDIBPointer(packed.constData(), size_t(packed.size())));
    const uint8_t* bitsBefore = held.PointerToBits();
    QByteArray b = packed;
    c.change(b);
    EXPECT_FALSE(held.CreateFromPackedDIBPointer(b.constData(), c.size)) << c.what;
    const BitmapInfoHeader copied =
        ReadBitmapInfoHeader(reinterpret_cast<const uint8_t*>(b.constData()));
    const bool whole = c.size >= 40;
    EXPECT_EQ(held.SizeInfoHeader(), whole ? int32_t(copied.biSize) : 40) << c.what;
    EXPECT_EQ(held.Height(), whole ? copied.biHeight : 31) << c.what;
    EXPECT_EQ(held.BitCount(), whole ? copied.biBitCount : 24) << c.what;
    EXPECT_EQ(held.Compression(), whole ? int32_t(copied.biCompression) : 0) << c.what;
    EXPECT_EQ(held.SizeImage(), whole ? int32_t(copied.biSizeImage) : 1000) << c.what;
    EXPECT_EQ(held.SizeFileHeader(), 1054) << c.what;
    EXPECT_EQ(held.PointerToBits(), bitsBefore) << c.what;
    ASSERT_TRUE(held.WriteToFile(Std(Path("held.bmp")))) << c.what;
    EXPECT_EQ(ReadAll(Path("held.bmp")), written) << c.what;
  }
  BitmapFile untouched;
  ASSERT_TRUE(untouched.CreateFromPackedDIBPointer(packed.constData(), size_t(packed.size())));
  EXPECT_FALSE(untouched.CreateFromPackedDIBPointer(nullptr, 1040));
  EXPECT_EQ(untouched.BitCount(), 24);
  EXPECT_TRUE(rec.recorder.messages.empty());
}

TEST_F(BitmapFileTest, AnEmptyObjectWritesItsZeroedFileHeader) {
  const QString path = Path("empty.bmp");
  WriteAll(path, SmallBitmap());
  BitmapFile empty;
  EXPECT_EQ(empty.PointerToBits(), nullptr);
  EXPECT_EQ(empty.PointerToBitmapInfo(), nullptr);
  EXPECT_TRUE(empty.WriteToFile(Std(path)));
  EXPECT_EQ(ReadAll(path), QByteArray(14, '\0'));
}

// Makes the n-th system call of a write fail (n from 0), or only counts them; a write takes
// at most 64 KiB, so that a large bitmap takes several.
class WriteFault {
 public:
  explicit WriteFault(int failing = -1)
      : hook_([this, failing](FileStep step, int) {
          steps.push_back(step);
          InjectedFault fault;
          fault.maxBytes = 65536;
          if (int(steps.size()) - 1 == failing) fault.error = EIO;
          return fault;
        }) {}
  std::vector<FileStep> steps;

 private:
  ScopedFileFaultHook hook_;
};

// Every system call of the write made to fail in turn, for a small, a large and an empty
// bitmap: false each time, the old file byte for byte, and no file left beside it.
TEST_F(BitmapFileTest, EveryFailedWriteReturnsFalseAndKeepsTheOldFile) {
  const QString path = Path("keep.bmp");
  const QByteArray old = SmallBitmap();
  QByteArray large = BitmapFileBytes(600, 400, 24, 600 * 3 * 400);  // 720,000 bytes of pixels
  for (int i = 54; i < large.size(); ++i) large[i] = char(i * 7);
  WriteAll(Path("large.bmp"), large);
  WriteAll(Path("small.bmp"), old);
  BitmapFile small, big, empty;
  ASSERT_TRUE(small.CreateFromFile(Std(Path("small.bmp"))));
  ASSERT_TRUE(big.CreateFromFile(Std(Path("large.bmp"))));
  const std::pair<const char*, const BitmapFile*> writers[] = {
      {"small", &small}, {"large", &big}, {"empty", &empty}};
  for (const auto& [what, bitmap] : writers) {
    std::vector<FileStep> steps;
    {
      WriteAll(path, old);
      WriteFault counting;
      ASSERT_TRUE(bitmap->WriteToFile(Std(path))) << what;
      steps = counting.steps;
    }
    // Open, the writes of the whole file (the empty object: its file header alone), sync, close,
    // rename.
    ASSERT_GE(steps.size(), 5u) << what;
    EXPECT_EQ(steps.front(), FileStep::Open);
    EXPECT_EQ(steps.back(), FileStep::Rename);
    if (bitmap == &big) {
      EXPECT_GE(std::count(steps.begin(), steps.end(), FileStep::Write), 11) << what;
    }
    for (size_t n = 0; n < steps.size(); ++n) {
      WriteAll(path, old);
      {
        WriteFault fault{int(n)};
        EXPECT_FALSE(bitmap->WriteToFile(Std(path))) << what << " step " << n;
      }
      EXPECT_EQ(ReadAll(path), old) << what << " step " << n;
      EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                (QStringList{"keep.bmp", "large.bmp", "small.bmp"}))
          << what << " step " << n;
    }
  }
  EXPECT_FALSE(small.WriteToFile(Std(Path("no/such/folder/x.bmp"))));  // cannot open
  EXPECT_FALSE(small.WriteToFile("/dev/full"));                         // cannot write
  EXPECT_TRUE(small.WriteToFile("/dev/null"));                          // a device: in place
  EXPECT_TRUE(rec.recorder.messages.empty());
}

// A real disk that fills part way: a small memory file system, where this test may mount one.
TEST_F(BitmapFileTest, ADiskThatFillsKeepsTheOldFile) {
  if (geteuid() != 0) GTEST_SKIP() << "mounting a file system needs the superuser";
  const QString mountPoint = Path("small-disk");
  ASSERT_TRUE(QDir().mkpath(mountPoint));
  const std::string point = Std(mountPoint);
  if (::mount("tmpfs", point.c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no tmpfs here: " << std::strerror(errno);
  struct Unmount {
    std::string point;
    ~Unmount() { ::umount(point.c_str()); }
  } unmount{point};

  const QString path = mountPoint + "/keep.bmp";
  const QByteArray old = SmallBitmap();
  WriteAll(path, old);
  QByteArray large = BitmapFileBytes(200, 200, 24, 200 * 3 * 200);  // 120,000 bytes of pixels
  WriteAll(Path("large.bmp"), large);
  BitmapFile big;
  ASSERT_TRUE(big.CreateFromFile(Std(Path("large.bmp"))));
  EXPECT_FALSE(big.WriteToFile(Std(path)));
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.bmp"});
  // What fits is written.
  BitmapFile small;
  WriteAll(Path("small.bmp"), old);
  ASSERT_TRUE(small.CreateFromFile(Std(Path("small.bmp"))));
  ASSERT_TRUE(small.WriteToFile(Std(mountPoint + "/other.bmp")));
  EXPECT_EQ(ReadAll(mountPoint + "/other.bmp"), old);
}

}  // namespace
