// The all-or-nothing file writer: short and interrupted writes still give the whole file,
// the replacement keeps the old file's permissions and writes through a link, and a target
// that cannot be replaced is left as it was.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/atomic_file.h"

using namespace curvanta;

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct AtomicFileTest : ::testing::Test {
  void SetUp() override {
    char name[] = "/tmp/atomic_file_test.XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir = name;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  size_t FileCount() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
    return n;
  }
  std::string dir;
};

TEST_F(AtomicFileTest, ShortAndInterruptedWritesAreCarriedOn) {
  std::string bytes;
  for (int i = 0; i < 50000; ++i) bytes += char('a' + i % 26);
  const std::string path = dir + "/big";
  // Every call writes at most 1000 bytes and every third one is interrupted first.
  ScopedFileFaultHook hook([](FileStep, int n) {
    InjectedFault f;
    if (n % 3 == 0) f.error = EINTR;
    f.maxBytes = 1000;
    return f;
  });
  ASSERT_TRUE(WriteFileAtomically(path, bytes));
  EXPECT_EQ(ReadAll(path), bytes);
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, ADiskThatTakesNothingMoreFailsTheWrite) {
  const std::string path = dir + "/f";
  std::ofstream(path) << "old";
  ScopedFileFaultHook hook([](FileStep, int) {
    InjectedFault f;
    f.maxBytes = 0;  // write() answers 0
    return f;
  });
  EXPECT_FALSE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, TheReplacementKeepsPermissionsAndLinks) {
  const std::string real = dir + "/real";
  const std::string link = dir + "/link";
  std::ofstream(real) << "old";
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  ASSERT_EQ(symlink("real", link.c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(link, "new"));
  EXPECT_EQ(ReadAll(real), "new");
  struct stat st;
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(FileCount(), 2u);
}

TEST_F(AtomicFileTest, TargetsThatCannotBeReplaced) {
  std::filesystem::create_directory(dir + "/folder");
  std::filesystem::create_directory(dir + "/folder/inside");
  for (const std::string& path : {dir + "/folder/inside", dir + "/folder/", dir + "/missing/f", std::string()}) {
    EXPECT_FALSE(WriteFileAtomically(path, "x")) << path;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/folder/inside"));
  EXPECT_EQ(FileCount(), 1u);
  size_t inFolder = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir + "/folder")) ++inFolder;
  EXPECT_EQ(inFolder, 1u);
}

}  // namespace
