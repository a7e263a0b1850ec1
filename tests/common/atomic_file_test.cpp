// The writer of the user's files: short and interrupted writes still give the whole file,
// the replacement keeps the old file's permissions, other hard links and links, the new
// file's name is short, hidden and never blocked by leftovers, pipes are written in place
// (waiting for a slow reader, giving up on one that never reads), a link in a shared folder
// is followed only where the rule of such folders lets it, what a plain write takes away
// stays away, and a target that cannot be replaced is left as it was. A file a new one could
// not stand in for is written in place, its old bytes put back when a step fails, and every
// failure leaves errno at the error of the call that failed.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/atomic_file.h"
#include "common/file_place.h"
#include "support/run_as_user.h"

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

namespace curvanta_inplace_tests {

using curvanta::testing::kOrdinaryUser;
using curvanta::testing::RunAs;

// What a write reported, as text a child can send back: "written", or "failed" with the
// errno's name (as a number) and whether the old file may be incomplete.
std::string Report(const WriteOutcome& outcome) {
  if (outcome) return "written";
  return "failed errno " + std::to_string(errno) + (outcome.oldFileMayBeIncomplete ? " incomplete" : "");
}

std::string Failed(int error, bool incomplete = false) {
  return "failed errno " + std::to_string(error) + (incomplete ? " incomplete" : "");
}

// Makes call `at` of `step` fail with `error`, every call at or after `from` of Write fail
// too (for a put-back that fails), and every write take at most 1000 bytes.
FileFaultHook Failing(FileStep step, int at, int error, int writesFailingFrom = 0) {
  return [=](FileStep s, int n) {
    InjectedFault f;
    f.maxBytes = 1000;
    if ((s == step && n == at) || (writesFailingFrom > 0 && s == FileStep::Write && n >= writesFailingFrom))
      f.error = s == step ? error : EIO;
    return f;
  };
}

struct Owned {
  std::string bytes;
  uid_t uid;
  gid_t gid;
  mode_t mode;
  nlink_t links;
  bool operator==(const Owned&) const = default;
};

void PrintTo(const Owned& o, std::ostream* out) {
  *out << o.bytes.size() << " bytes \"" << o.bytes.substr(0, 40) << "\", " << o.uid << ":" << o.gid << " mode 0"
       << std::oct << o.mode << std::dec << ", " << o.links << " links";
}

Owned OwnedOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return {ReadAll(path), st.st_uid, st.st_gid, st.st_mode & 07777, st.st_nlink};
}

// A folder only the superuser may write into, holding another user's file that anyone may
// write (and, in the second fixture, only write): an ordinary user's save cannot replace it
// and writes it in place.
struct InPlaceTest : AtomicFileTest {
  void SetUp() override {
    AtomicFileTest::SetUp();
    if (geteuid() != 0) GTEST_SKIP() << "needs the superuser's rights to make another user's file";
    ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
    path = dir + "/doc.pgp";
    for (int i = 0; i < 3000; ++i) oldBytes += char('A' + i % 26);
    for (int i = 0; i < 5000; ++i) newBytes += char('a' + i % 26);
  }
  void MakeFile(mode_t mode) {
    std::ofstream(path, std::ios::binary) << oldBytes;
    ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    ASSERT_EQ(link(path.c_str(), (dir + "/second link").c_str()), 0);
  }
  // The write as the ordinary user, under `hook`.
  std::string SaveAsOrdinaryUser(FileFaultHook hook) {
    std::string failure;
    const std::optional<std::string> report = RunAs(
        kOrdinaryUser,
        [&] {
          ScopedFileFaultHook faults(hook);
          errno = 0;
          return Report(ReplaceOrWriteInPlace(path, newBytes));
        },
        &failure);
    EXPECT_TRUE(report) << failure;
    return report.value_or("");
  }
  std::string path, oldBytes, newBytes;
};

// Every step of a write in place failing in turn: the old bytes are back, errno tells the
// injected error, and owner, mode and the other hard link stay; without a fault the file
// takes the new bytes and keeps the rest.
TEST_F(InPlaceTest, AFailingStepPutsTheOldBytesBack) {
  MakeFile(0666);
  const Owned old = OwnedOf(path);
  struct Row {
    FileStep step;
    int at;
    int error;
  };
  const Row rows[] = {{FileStep::Open, 1, EMFILE},  {FileStep::Truncate, 1, EIO}, {FileStep::Write, 1, ENOSPC},
                      {FileStep::Write, 3, EDQUOT}, {FileStep::Write, 5, EIO},    {FileStep::Sync, 1, EIO},
                      {FileStep::Close, 1, EDQUOT}};
  for (const Row& row : rows) {
    SCOPED_TRACE("step " + std::to_string(int(row.step)) + " call " + std::to_string(row.at));
    EXPECT_EQ(SaveAsOrdinaryUser(Failing(row.step, row.at, row.error)), Failed(row.error));
    EXPECT_EQ(OwnedOf(path), old);
    EXPECT_EQ(FileCount(), 2u);
  }
  // Old bytes that could not be read are not needed where nothing was written yet.
  EXPECT_EQ(SaveAsOrdinaryUser(Failing(FileStep::Read, 1, EIO)), "written");
  Owned saved = old;
  saved.bytes = newBytes;
  EXPECT_EQ(OwnedOf(path), saved);
  EXPECT_EQ(ReadAll(dir + "/second link"), newBytes);
}

// Where the old bytes could not be kept (the saver may write the file but not read it, or
// reading failed) or putting them back failed too, a failure once the file was emptied says
// the old file may be incomplete; one before says nothing more.
TEST_F(InPlaceTest, AFailureThatCannotPutTheOldBytesBackSaysSo) {
  MakeFile(0662);  // the ordinary user may write it, not read it
  const Owned old = OwnedOf(path);
  EXPECT_EQ(SaveAsOrdinaryUser(Failing(FileStep::Open, 1, EMFILE)), Failed(EMFILE));
  EXPECT_EQ(SaveAsOrdinaryUser(Failing(FileStep::Truncate, 1, EIO)), Failed(EIO));
  EXPECT_EQ(OwnedOf(path), old);
  EXPECT_EQ(SaveAsOrdinaryUser(Failing(FileStep::Write, 2, ENOSPC)), Failed(ENOSPC, true));
  EXPECT_EQ(ReadAll(path), newBytes.substr(0, 1000));

  ASSERT_EQ(chmod(path.c_str(), 0666), 0);
  std::ofstream(path, std::ios::binary) << oldBytes;
  EXPECT_EQ(SaveAsOrdinaryUser(Failing(FileStep::Read, 1, EIO)), "written");
  std::ofstream(path, std::ios::binary) << oldBytes;
  const auto readFailsThenWrite = [](FileStep s, int n) {
    InjectedFault f;
    f.maxBytes = 1000;
    if ((s == FileStep::Read && n == 1) || (s == FileStep::Write && n == 3)) f.error = ENOSPC;
    return f;
  };
  EXPECT_EQ(SaveAsOrdinaryUser(readFailsThenWrite), Failed(ENOSPC, true));
  // The old bytes were read, but writing them back fails as well.
  std::ofstream(path, std::ios::binary) << oldBytes;
  EXPECT_EQ(SaveAsOrdinaryUser(Failing(FileStep::Write, 2, ENOSPC, 3)), Failed(ENOSPC, true));
  EXPECT_EQ(WriteFailureText("/a/doc.pgp", WriteOutcome{false, true}),
            "无法写入文件：\n/a/doc.pgp\n原文件可能已不完整");
  EXPECT_EQ(WriteFailureText("/a/doc.pgp", WriteOutcome{}), "无法写入文件：\n/a/doc.pgp");
}

// The saver's own set-id file written in place keeps its set-id bits, which the system takes
// away as the bytes are written; another user's loses them as after a plain write.
TEST_F(InPlaceTest, TheSaversOwnSetIdBitsStay) {
  std::ofstream(path, std::ios::binary) << oldBytes;
  ASSERT_EQ(chown(path.c_str(), kOrdinaryUser.uid, kOrdinaryUser.gid), 0);
  ASSERT_EQ(chmod(path.c_str(), 06755), 0);
  EXPECT_EQ(SaveAsOrdinaryUser({}), "written");
  EXPECT_EQ(OwnedOf(path), (Owned{newBytes, kOrdinaryUser.uid, kOrdinaryUser.gid, 06755, 1}));
}

// Only the set-id bits the system took as the bytes were written are set again: a mode the
// owner narrowed while the save ran stays narrowed.
TEST_F(InPlaceTest, AModeNarrowedDuringTheSaveStays) {
  std::ofstream(path, std::ios::binary) << oldBytes;
  ASSERT_EQ(chown(path.c_str(), kOrdinaryUser.uid, kOrdinaryUser.gid), 0);
  ASSERT_EQ(chmod(path.c_str(), 06755), 0);
  const std::string file = path;
  EXPECT_EQ(SaveAsOrdinaryUser([file](FileStep s, int n) {
              if (s == FileStep::Write && n == 1) (void)::chmod(file.c_str(), 04700);
              return InjectedFault{};
            }),
            "written");
  EXPECT_EQ(OwnedOf(path), (Owned{newBytes, kOrdinaryUser.uid, kOrdinaryUser.gid, 04700, 1}));
}

// A failed close after a write in place opens the name again to put the old bytes back;
// should the name have become a pipe meanwhile, that open does not wait for a reader, and
// the message says the old file may be incomplete.
TEST_F(InPlaceTest, APutBackDoesNotWaitOnAPipeThatTookTheFilesName) {
  ASSERT_EQ(chmod(dir.c_str(), 0777), 0);  // the ordinary user may rename, not take 4321's file
  MakeFile(0666);
  const std::string file = path;
  EXPECT_EQ(SaveAsOrdinaryUser([file](FileStep s, int n) {
              InjectedFault f;
              if (s == FileStep::Close && n == 1) {
                ::alarm(10);  // a child that waits on the pipe ends, rather than the test
                (void)::rename(file.c_str(), (file + ".moved").c_str());
                (void)::mkfifo(file.c_str(), 0666);
                f.error = EDQUOT;
              }
              return f;
            }),
            Failed(EDQUOT, true));
  struct stat st {};
  ASSERT_EQ(lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A folder whose names may be added but not replaced (append-only) gets no new file that
// could not be taken away again: the file is written in place, and a new one is made under
// its own name.
TEST_F(AtomicFileTest, AFileInAnAppendOnlyFolderIsWrittenInPlace) {
  std::ofstream(dir + "/doc.pgp") << "old";
  const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(folder, 0);
  int flags = 0;
  if (::ioctl(folder, FS_IOC_GETFLAGS, &flags) != 0) {
    ::close(folder);
    GTEST_SKIP() << "no file flags here";
  }
  int appendOnly = flags | FS_APPEND_FL;
  if (::ioctl(folder, FS_IOC_SETFLAGS, &appendOnly) != 0) {
    ::close(folder);
    GTEST_SKIP() << "cannot make a folder append-only here (needs the superuser)";
  }
  const bool written = bool(ReplaceOrWriteInPlace(dir + "/doc.pgp", "new"));
  const size_t files = FileCount();
  const bool madeNew = bool(ReplaceOrWriteInPlace(dir + "/other.pgp", "other"));
  const size_t filesAfterNew = FileCount();
  ASSERT_EQ(::ioctl(folder, FS_IOC_SETFLAGS, &flags), 0);
  ::close(folder);
  EXPECT_TRUE(written);
  EXPECT_EQ(ReadAll(dir + "/doc.pgp"), "new");
  EXPECT_EQ(files, 1u);
  // A new file is made under its own name, no other beside it.
  EXPECT_TRUE(madeNew);
  EXPECT_EQ(ReadAll(dir + "/other.pgp"), "other");
  EXPECT_EQ(filesAfterNew, 2u);
}

// Each failure leaves errno at what the failing call answered, or at what the hook injected:
// a save that fails never reports an earlier call's error, or none.
TEST_F(AtomicFileTest, EveryFailureLeavesErrnoAtTheFailingCallsError) {
  std::filesystem::create_directory(dir + "/folder");
  const std::string file = dir + "/file";
  const auto fresh = [&] { std::ofstream(file) << "old"; };
  // Paths that name no file to write.
  struct Place {
    std::string path;
    int error;
  };
  const Place places[] = {{dir + "/folder", EISDIR}, {dir + "/folder/", EISDIR}, {dir + "/missing/f", ENOENT},
                          {dir + "/file/f", ENOTDIR}};
  fresh();
  for (const Place& p : places) {
    errno = 0;
    EXPECT_FALSE(LocateForWriting(p.path)) << p.path;
    EXPECT_EQ(errno, p.error) << p.path << ": " << std::strerror(errno);
    errno = 0;
    EXPECT_FALSE(ReplaceOrWriteInPlace(p.path, "x"));
    EXPECT_EQ(errno, p.error) << p.path << ": " << std::strerror(errno);
  }

  if (geteuid() != 0) GTEST_SKIP() << "a new file replaces the old one only for the superuser";
  // Every step of a replacement; the old file carries a user attribute, and the folder hands
  // new files an access list the old file does not have, to be taken away.
  const bool attributes = setxattr(file.c_str(), "user.kept", "1", 1, 0) == 0 &&
                          std::system(("setfacl -d -m u:65534:rw " + dir + " 2>/dev/null").c_str()) == 0;
  struct Row {
    FileStep step;
    int at;
    int error;
  };
  std::vector<Row> rows = {{FileStep::Open, 1, EMFILE}, {FileStep::Write, 1, ENOSPC}, {FileStep::Sync, 1, EIO},
                           {FileStep::Close, 1, EDQUOT}, {FileStep::Rename, 1, EXDEV}};
  if (attributes) {
    rows.push_back({FileStep::Attribute, 1, ENOTSUP});  // the user attribute
    rows.push_back({FileStep::Attribute, 2, EPERM});    // taking the folder's access list away
  }
  for (const Row& row : rows) {
    SCOPED_TRACE("step " + std::to_string(int(row.step)) + " call " + std::to_string(row.at));
    std::ofstream(file) << "old";
    ScopedFileFaultHook hook(Failing(row.step, row.at, row.error));
    errno = 0;
    EXPECT_FALSE(ReplaceOrWriteInPlace(file, "new"));
    EXPECT_EQ(errno, row.error) << std::strerror(errno);
    EXPECT_EQ(ReadAll(file), "old");
  }
  // A pipe written in place.
  const std::string pipe = dir + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  for (const Row& row : {Row{FileStep::Open, 1, EMFILE}, Row{FileStep::Write, 1, EIO}, Row{FileStep::Close, 1, EIO}}) {
    ScopedFileFaultHook hook(Failing(row.step, row.at, row.error));
    errno = 0;
    EXPECT_FALSE(ReplaceOrWriteInPlace(pipe, "new"));
    EXPECT_EQ(errno, row.error) << int(row.step) << ": " << std::strerror(errno);
  }
  ::close(reader);
  if (!attributes) GTEST_SKIP() << "attribute steps not tried: no user attributes or access lists here";
}

// Links are followed as many in a row as the system follows (40), and a longer chain is
// taken for a loop.
TEST_F(AtomicFileTest, AChainOfFortyLinksIsFollowedAndALongerOneIsALoop) {
  for (int n = 1; n <= 41; ++n)
    ASSERT_EQ(symlink(n == 41 ? "target" : ("link" + std::to_string(n + 1)).c_str(),
                      (dir + "/link" + std::to_string(n)).c_str()),
              0);
  std::ofstream(dir + "/target") << "old";
  // link2 -> ... -> link41 -> target: 40 links.
  ASSERT_TRUE(ReplaceOrWriteInPlace(dir + "/link2", "forty"));
  EXPECT_EQ(ReadAll(dir + "/target"), "forty");
  errno = 0;
  EXPECT_FALSE(ReplaceOrWriteInPlace(dir + "/link1", "forty-one"));
  EXPECT_EQ(errno, ELOOP);
  EXPECT_EQ(ReadAll(dir + "/target"), "forty");
  EXPECT_TRUE(std::filesystem::is_symlink(dir + "/link1"));
}

// A reader that takes a whole page at a time, each after a pause shorter than the stall
// timeout, is reading all along: however long the whole document takes, the write waits.
TEST_F(AtomicFileTest, APipeWhoseReaderTakesAPageAtATimeIsWaitedFor) {
  const std::string pipe = dir + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  std::string document;
  for (int i = 0; i < 120 * 1024; ++i) document += char('a' + i % 26);
  const std::chrono::milliseconds previous = SetStalledWriteTimeout(std::chrono::milliseconds(1000));
  std::string got;
  std::atomic<bool> writeEnded{false};
  std::thread pageReader([&] {
    char page[4096];
    for (;;) {
      if (!writeEnded) std::this_thread::sleep_for(std::chrono::milliseconds(300));
      // One whole page, or what is left once the write has ended.
      size_t have = 0;
      while (have < sizeof page) {
        const bool ended = writeEnded;
        const ssize_t n = ::read(reader, page + have, sizeof page - have);
        if (n > 0) {
          have += size_t(n);
          continue;
        }
        if (ended) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      got.append(page, have);
      if (have < sizeof page) break;
    }
  });
  const bool written = bool(ReplaceOrWriteInPlace(pipe, document));
  writeEnded = true;
  pageReader.join();
  SetStalledWriteTimeout(previous);
  ::close(reader);
  EXPECT_TRUE(written);
  EXPECT_EQ(got.size(), document.size());
  EXPECT_TRUE(got == document);
}

}  // namespace curvanta_inplace_tests
