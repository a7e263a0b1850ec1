// The writer of the user's files: short and interrupted writes still give the whole file,
// the replacement keeps the old file's permissions, other hard links and links, the new
// file's name is short, hidden and never blocked by leftovers, pipes are written in place
// (waiting for a slow reader, giving up on one that never reads), a link in a shared folder
// is followed only where the rule of such folders lets it, what a plain write takes away
// stays away, and a target that cannot be replaced is left as it was.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

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
  ASSERT_TRUE(ReplaceOrWriteInPlace(path, bytes));
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
  EXPECT_FALSE(ReplaceOrWriteInPlace(path, "new"));
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, TheReplacementKeepsPermissionsAndLinks) {
  const std::string real = dir + "/real";
  const std::string link = dir + "/link";
  std::ofstream(real) << "old";
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  ASSERT_EQ(symlink("real", link.c_str()), 0);
  ASSERT_EQ(::link(real.c_str(), (dir + "/hard").c_str()), 0);
  ASSERT_TRUE(ReplaceOrWriteInPlace(link, "new"));
  EXPECT_EQ(ReadAll(real), "new");
  EXPECT_EQ(ReadAll(dir + "/hard"), "old");
  struct stat st;
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(FileCount(), 3u);
}

TEST_F(AtomicFileTest, TargetsThatCannotBeReplaced) {
  std::filesystem::create_directory(dir + "/folder");
  std::filesystem::create_directory(dir + "/folder/inside");
  ASSERT_EQ(symlink("loop", (dir + "/loop").c_str()), 0);
  ASSERT_EQ(symlink("missing/f", (dir + "/dangling").c_str()), 0);
  for (const std::string& path : {dir + "/folder/inside", dir + "/folder/", dir + "/missing/f", std::string(),
                                  dir + "/loop", dir + "/dangling"}) {
    EXPECT_FALSE(ReplaceOrWriteInPlace(path, "x")) << path;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/folder/inside"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir + "/loop"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir + "/dangling"));
  EXPECT_EQ(FileCount(), 3u);
  size_t inFolder = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir + "/folder")) ++inFolder;
  EXPECT_EQ(inFolder, 1u);
}

// The new file is hidden, named by a fixed prefix and a few random characters, different
// each time; names taken by leftovers are passed over, and a folder where every name tried
// is taken gives up rather than trying forever.
TEST_F(AtomicFileTest, TheNewFileHasAShortRandomNameAndLeftoversNeverBlock) {
  const std::string path = dir + "/f";
  std::vector<std::string> names;
  auto newFileName = [&](FileStep step, int) {
    if (step == FileStep::Sync)  // the new file is complete and not yet renamed
      for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().filename() != "f") names.push_back(e.path().filename().string());
    return InjectedFault{};
  };
  for (int n = 0; n < 2; ++n) {
    ScopedFileFaultHook hook(newFileName);
    ASSERT_TRUE(ReplaceOrWriteInPlace(path, "new"));
  }
  ASSERT_EQ(names.size(), 2u);
  for (const std::string& name : names) {
    EXPECT_EQ(name.size(), sizeof kNewFilePrefix - 1 + kNewFileRandomChars) << name;
    EXPECT_EQ(name.rfind(kNewFilePrefix, 0), 0u) << name;
  }
  EXPECT_NE(names[0], names[1]);

  // Names already taken (as a leftover's would be): the next one is tried.
  int tried = 0;
  {
    ScopedFileFaultHook taken([&](FileStep step, int n) {
      InjectedFault f;
      if (step == FileStep::Open) {
        tried = n;
        if (n <= 50) f.error = EEXIST;
      }
      return f;
    });
    ASSERT_TRUE(ReplaceOrWriteInPlace(path, "newer"));
  }
  EXPECT_EQ(tried, 51);
  EXPECT_EQ(ReadAll(path), "newer");
  {
    ScopedFileFaultHook allTaken([&](FileStep step, int n) {
      InjectedFault f;
      if (step == FileStep::Open) {
        tried = n;
        f.error = EEXIST;
      }
      return f;
    });
    EXPECT_FALSE(ReplaceOrWriteInPlace(path, "lost"));
  }
  EXPECT_LE(tried, 1000);
  EXPECT_EQ(ReadAll(path), "newer");
  EXPECT_EQ(FileCount(), 1u);
}

// A pipe is written in place when someone reads it, and refused at once when nobody does.
TEST_F(AtomicFileTest, APipeIsWrittenInPlaceWithoutWaitingForAReader) {
  const std::string pipe = dir + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(ReplaceOrWriteInPlace(pipe, "nobody reads"));
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(ReplaceOrWriteInPlace(pipe, "read"));
  char got[16] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 4);
  EXPECT_EQ(std::string(got), "read");
  ::close(reader);
  struct stat st;
  ASSERT_EQ(lstat(pipe.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(FileCount(), 1u);
}

// A pipe whose reader goes away while the bytes are on their way: the write fails and says
// so, and the program goes on (the system would otherwise end it for writing to a closed
// pipe, with the user's unsaved document). Run in a child, so that such an end fails this
// test instead of the whole test program.
TEST_F(AtomicFileTest, APipeWhoseReaderLeavesFailsTheWriteAndEndsNothing) {
  const std::string pipe = dir + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGPIPE, SIG_DFL);  // as a program starts
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    if (reader < 0) _exit(3);
    ScopedFileFaultHook readerLeaves([&](FileStep step, int n) {
      if (step == FileStep::Write && n == 1) ::close(reader);
      return InjectedFault{};
    });
    _exit(ReplaceOrWriteInPlace(pipe, "nobody reads any more") ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported as written; 3: no reader";
  EXPECT_EQ(FileCount(), 1u);
}

// A pipe whose reader is slow to read is waited for; one whose reader never reads fails the
// write after the stall timeout (shortened here) instead of holding the program.
TEST_F(AtomicFileTest, APipeThatTakesNothingFailsAfterTheStallTimeout) {
  const std::string pipe = dir + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::string bytes(300000, 'b');  // far more than a pipe holds
  std::string got;
  std::atomic<bool> writeEnded{false};
  std::thread slowReader([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    char buffer[65536];
    for (;;) {
      const bool ended = writeEnded;
      const ssize_t n = ::read(reader, buffer, sizeof buffer);
      if (n > 0)
        got.append(buffer, size_t(n));
      else if (ended)
        break;
      else
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  EXPECT_TRUE(ReplaceOrWriteInPlace(pipe, bytes));
  writeEnded = true;
  slowReader.join();
  EXPECT_EQ(got, bytes);

  const std::chrono::milliseconds previous = SetStalledWriteTimeout(std::chrono::milliseconds(50));
  EXPECT_FALSE(ReplaceOrWriteInPlace(pipe, bytes));  // fills the pipe, then nothing is read
  SetStalledWriteTimeout(previous);
  ::close(reader);
  EXPECT_EQ(FileCount(), 1u);
}

// A reader that takes a few bytes at a time is still reading, though the pipe, full, takes
// no new byte until a whole page of it has been read: the write waits for it.
TEST_F(AtomicFileTest, APipeWhoseReaderTakesFewBytesAtATimeIsWaitedFor) {
  const std::string pipe = dir + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const int filler = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(filler, 0);
  const std::string page(4096, 'f');
  size_t filled = 0;
  for (ssize_t n; (n = ::write(filler, page.data(), page.size())) > 0;) filled += size_t(n);
  ::close(filler);
  // A page read 16 bytes every 10 ms takes more than two and a half seconds, well over the
  // timeout, which still leaves a loaded machine a second to schedule the reader.
  const std::chrono::milliseconds previous = SetStalledWriteTimeout(std::chrono::milliseconds(1000));
  std::string got;
  std::atomic<bool> writeEnded{false};
  std::thread slowReader([&] {
    char buffer[16];
    for (;;) {
      const bool ended = writeEnded;
      const ssize_t n = ::read(reader, buffer, sizeof buffer);
      if (n > 0)
        got.append(buffer, size_t(n));
      else if (ended)
        break;
      if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
  EXPECT_TRUE(ReplaceOrWriteInPlace(pipe, "the document"));
  writeEnded = true;
  slowReader.join();
  SetStalledWriteTimeout(previous);
  ::close(reader);
  ASSERT_EQ(got.size(), filled + 12);
  EXPECT_EQ(got.find_first_not_of('f'), filled);
  EXPECT_EQ(got.substr(filled), "the document");
}

// Another user's link to a folder, in a shared folder (sticky, anyone may write into it) on
// the way to the file: refused, as at the end of the path; the folder's owner's is followed.
TEST_F(AtomicFileTest, ALinkOnTheWayThroughASharedFolderIsFollowedOnlyWhereItsRuleLetsIt) {
  if (geteuid() != 0) GTEST_SKIP() << "needs the superuser's rights to make another user's link";
  ASSERT_EQ(chmod(dir.c_str(), 01777), 0);
  ASSERT_TRUE(std::filesystem::create_directory(dir + "/private"));
  ASSERT_EQ(symlink("private", (dir + "/planted").c_str()), 0);
  ASSERT_EQ(lchown((dir + "/planted").c_str(), 4321, 4321), 0);
  EXPECT_FALSE(ReplaceOrWriteInPlace(dir + "/planted/new.out", "x"));
  EXPECT_TRUE(std::filesystem::is_empty(dir + "/private"));
  ASSERT_EQ(lchown((dir + "/planted").c_str(), 0, 0), 0);
  EXPECT_TRUE(ReplaceOrWriteInPlace(dir + "/planted/new.out", "x"));
  EXPECT_EQ(ReadAll(dir + "/private/new.out"), "x");
}

// What a plain write takes away or never gives stays away: the rights a program file runs
// with, and an access list the folder hands to new files where the old file had none.
TEST_F(AtomicFileTest, WhatAPlainWriteWouldNotKeepIsNotGiven) {
  const std::string program = dir + "/program";
  std::ofstream(program) << "old";
  // Version 2 of the stored capabilities, with one permitted right.
  const unsigned char capabilities[20] = {0, 0, 0, 2, 1};
  if (setxattr(program.c_str(), "security.capability", capabilities, sizeof capabilities, 0) == 0) {
    ASSERT_TRUE(ReplaceOrWriteInPlace(program, "new"));
    EXPECT_LT(getxattr(program.c_str(), "security.capability", nullptr, 0), 0);
  }

  const std::string document = dir + "/document";
  std::ofstream(document) << "old";
  ASSERT_EQ(chmod(document.c_str(), 0644), 0);
  if (std::system(("setfacl -d -m u:65534:rw " + dir + " 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "no access lists here (or no setfacl)";
  ASSERT_TRUE(ReplaceOrWriteInPlace(document, "new"));
  EXPECT_EQ(ReadAll(document), "new");
  EXPECT_LT(getxattr(document.c_str(), "system.posix_acl_access", nullptr, 0), 0);
  struct stat st;
  ASSERT_EQ(stat(document.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

}  // namespace
