// Writing a user's file, by every writer (File > Save, Save As, the point-table export, the
// bitmap class): with each open, write, sync, close or rename failing in turn and with a
// disk that fills part way, the old file stays byte for byte, no temporary file is left, one
// message is shown, and a save question's pending command is cancelled. At the edges of the
// file system a save keeps what the user set on the file: its write permission, owner and
// mode, links, long names, and leftovers of earlier crashes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>

#include "app/bitmap_file.h"
#include "app/file_commands.h"
#include "app/graph_list.h"
#include "app/main_window.h"
#include "common/atomic_file.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/ui/file_chooser.h"
#include "dialogs/data/table_2d_dialog.h"
#include "dialogs/data/table_2d_dialog_state.h"
#include "scene/scene_globals.h"
#include "support/main_window_setup.h"
#include "support/run_as_user.h"

using namespace curvanta;

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Quoted(const std::string& path) {
  std::string q = "'";
  for (char c : path) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// What a shell command printed, or nothing when it failed.
std::optional<std::string> Output(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string out;
  char buffer[512];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  if (pclose(pipe) != 0) return std::nullopt;
  return out;
}

// What a file holds and what is set on it: its bytes, owner, group and mode, its access list
// as getfacl prints it, and every extended attribute (the access list among them).
struct FileState {
  std::string bytes;
  uid_t uid = 0;
  gid_t gid = 0;
  mode_t mode = 0;
  std::string accessList;
  std::map<std::string, std::string> attributes;
  bool operator==(const FileState&) const = default;
};

void PrintTo(const FileState& s, std::ostream* out) {
  *out << s.bytes.size() << " bytes, owner " << s.uid << ":" << s.gid << ", mode 0" << std::oct << s.mode
       << std::dec << ", access list {" << s.accessList << "}, attributes {";
  for (const auto& [name, value] : s.attributes) *out << name << "=" << ::testing::PrintToString(value) << " ";
  *out << "}";
}

FileState StateOf(const std::string& path) {
  FileState s;
  s.bytes = ReadAll(path);
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  s.uid = st.st_uid;
  s.gid = st.st_gid;
  s.mode = st.st_mode & 07777;
  s.accessList = Output("getfacl -n -p -- " + Quoted(path) + " 2>/dev/null").value_or("<getfacl failed>");
  std::string names(65536, '\0');
  const ssize_t length = listxattr(path.c_str(), names.data(), names.size());
  for (size_t at = 0; length > 0 && at < size_t(length); at = names.find('\0', at) + 1) {
    const std::string name = names.c_str() + at;
    std::string value(65536, '\0');
    const ssize_t n = getxattr(path.c_str(), name.c_str(), value.data(), value.size());
    value.resize(n < 0 ? 0 : size_t(n));
    s.attributes[name] = value;
  }
  return s;
}

// What keeps the file system of `folder` from holding access lists and user attributes, as
// setfacl and the system set them; empty when nothing does.
std::string AttributesMissingIn(const std::string& folder) {
  if (!Output("command -v setfacl getfacl")) return "setfacl and getfacl (the acl package)";
  const std::string probe = folder + "/.attributes-probe";
  WriteAll(probe, "");
  std::string missing;
  if (setxattr(probe.c_str(), "user.probe", "1", 1, 0) != 0)
    missing = "user attributes on its file system";
  else if (!Output("setfacl -m u:65534:r -- " + Quoted(probe) + " 2>/dev/null"))
    missing = "access lists on its file system";
  unlink(probe.c_str());
  return missing;
}

// Makes `folder` append-only (names may be added, none replaced or removed) or takes that
// away again; false where its file system or the saver's rights do not allow it.
bool SetFolderAppendOnly(const std::string& folder, bool appendOnly) {
  return bool(Output(std::string("chattr ") + (appendOnly ? "+a" : "-a") + " -- " + Quoted(folder) + " 2>/dev/null"));
}

// Gives `path` an access list that lets the ordinary user write it while its group may only
// read, and a user attribute: what a save must keep.
void GiveAccessListAndAttribute(const std::string& path) {
  ASSERT_TRUE(Output("setfacl -m u:65534:rw,g::r,o::- -- " + Quoted(path)));
  ASSERT_EQ(setxattr(path.c_str(), "user.origin", "kept\0as set", 12, 0), 0);
}

// One writer of a user's file. `prepare(large)` gives it its content (the large one takes
// many writes); `arm(path)` makes `path` the file it writes where the writer keeps one (File
// > Save: the document's own file); `save(path)` runs the user's command that writes to
// `path` through the scripted chooser and says whether the writer reported success.
struct WriterUnderTest {
  std::string name;
  bool showsMessage;  // the bitmap class reports a failure only by its result
  std::function<void(bool large)> prepare;
  std::function<void(const std::string& path)> arm;
  std::function<bool(const std::string& path)> save;
};

struct WriteFailureTest : ::testing::Test, MainWindowTestSetUp {
  void TearDown() override {
    table.reset();
    window.reset();
    if (!mounted.empty()) umount2(mounted.c_str(), MNT_DETACH);
  }
  // A folder in the test's own whose file system keeps access lists and user attributes: a
  // small memory file system is mounted there where this one keeps none and the test may
  // mount one. `missing` tells what is missing when there is no such file system.
  std::string AttributeFolder(std::string& missing) {
    const std::string folder = tmp.filePath("attributes").toStdString();
    EXPECT_EQ(mkdir(folder.c_str(), 0755), 0);
    missing = AttributesMissingIn(folder);
    if (!missing.empty() && geteuid() == 0 &&
        mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16m,mode=0755") == 0) {
      mounted = folder;
      missing = AttributesMissingIn(folder);
    }
    return folder;
  }
  std::unique_ptr<MainWindow> NewWindow() {
    auto w = std::make_unique<MainWindow>();
    w->Load(options);
    return w;
  }
  // A 2D function graph named `name`, added as the create commands add one.
  void AddFunction(MainWindow& w, const std::string& name) {
    auto g = std::make_shared<GraphItem>();
    g->GraphType = 0;
    g->CoordType = 1;
    g->FunForm = 2;
    g->ExpressZ = "x";
    g->NameS = name;
    g->StepV = 10;
    g->MaxV = 1;
    g->Show2DCurve = true;
    g->ID = ++LastGraphID;
    DocScene.FunSurfs.Add(g);
    ViewScene.FunSurfs.Add(g);
    GraphList& list = *w.GraphListHost();
    list.appendLine("二维曲线  y=x");
    list.checkLine(list.lineCount() - 1);
  }
  // The files in `folder`, hidden ones included.
  static QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  ScriptedFileChooser chooser;
  ScopedFileChooser scopedChooser{&chooser};
  ScopedMessageRecorder messages;

  // Every writer of a user's file, on a window, a table dialog and a bitmap of the fixture's.
  std::vector<WriterUnderTest> Writers();
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Table2DDialog> table;
  BitmapFile bitmap;
  std::string mounted;
};

// Each write takes at most this many bytes, so that the large contents take many writes.
constexpr size_t kWriteCap = 4096;
InjectedFault CappedWrite() {
  InjectedFault f;
  f.maxBytes = kWriteCap;
  return f;
}

// A packed 24-bit bitmap of `width` x `height` pixels: its 40-byte header, then the rows.
std::string PackedBitmap(uint32_t width, uint32_t height) {
  const uint32_t size = (width * 3 + 3) / 4 * 4 * height;
  std::string b(40 + size, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) b[at + i] = char(v >> (8 * i));
  };
  put32(0, 40);
  put32(4, width);
  put32(8, height);
  b[12] = 1;   // planes
  b[14] = 24;  // bits per pixel
  put32(20, size);
  for (size_t i = 40; i < b.size(); ++i) b[i] = char(i * 7);
  return b;
}

std::vector<WriterUnderTest> WriteFailureTest::Writers() {
  if (!window) window = NewWindow();
  const auto document = [this](bool large) {
    window->RunCommand("mnuEditDelAll");
    AddFunction(*window, large ? std::string(60000, 'n') : "p");
  };
  const auto noArming = [](const std::string&) {};
  return {
      {"save", true, document,
       [this](const std::string& path) {  // File > Save writes to the document's own file
         window->Files().ForgetDocumentPath();
         chooser.answers = {path};
         window->RunCommand("mnuFileSave");
         ASSERT_EQ(window->Files().DocumentPath(), path);
       },
       [this](const std::string&) {
         window->RunCommand("mnuFileSave");
         return window->SavedFlag;
       }},
      {"save as", true, document, noArming,
       [this](const std::string& path) {
         chooser.answers = {path};
         window->RunCommand("mnuFileSaveAs");
         return window->SavedFlag;
       }},
      {"export", true,
       [this](bool large) {
         Table2DDialogState s = Table2DLoad();
         s.data.pointCount = large ? "201" : "3";
         ResetPointTable(s.data);
         for (int32_t row = 1; row <= (large ? 201 : 3); ++row)
           for (int32_t col = 1; col <= 2; ++col)
             s.data.editor.grid.setText(row, col, large ? std::string(200, char('0' + row % 10)) : "7");
         table = std::make_unique<Table2DDialog>(std::move(s), [](Table2DDialogState&) { return true; });
       },
       noArming,
       [this](const std::string& path) {  // the export reports a failure only by its message
         const size_t shown = messages.recorder.messages.size();
         chooser.answers = {path};
         table->findChild<QPushButton*>("Command2")->click();
         return messages.recorder.messages.size() == shown;
       }},
      {"bitmap", false,
       [this](bool large) {
         const std::string packed = large ? PackedBitmap(100, 100) : PackedBitmap(2, 2);
         ASSERT_TRUE(bitmap.CreateFromPackedDIBPointer(packed.data(), packed.size()));
       },
       noArming, [this](const std::string& path) { return bitmap.WriteToFile(path); }},
  };
}

// The refusal of a failed write: one message naming the file, where the writer has one.
void ExpectRefusal(const WriterUnderTest& writer, const std::vector<Message>& shown, const std::string& path) {
  if (!writer.showsMessage) {
    EXPECT_TRUE(shown.empty());
    return;
  }
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "无法写入文件：\n" + path);
  EXPECT_EQ(shown[0].title, "出错");
  EXPECT_EQ(shown[0].icon, MsgIcon::Error);
}

// Every system call of the write failing in turn, for every writer, with a small content
// and a large one that takes many writes, over an old file with an access list and a user
// attribute where the file system keeps them (each one carried can fail).
TEST_F(WriteFailureTest, EveryFailingStepLeavesTheOldFileAndShowsOneMessage) {
  const std::string oldBytes = "old bytes\r\n\x08\x00 kept as they were";
  std::string missing;
  const std::string folder = AttributeFolder(missing);
  const bool attributes = missing.empty();
  const std::string target = folder + "/target.out";
  const std::string probe = folder + "/probe.out";
  for (const WriterUnderTest& writer : Writers()) {
    for (bool large : {false, true}) {
      SCOPED_TRACE(writer.name + (large ? " large" : " small"));
      writer.prepare(large);
      // A write without faults over a file like the target, counting the calls of each step.
      std::map<FileStep, int> calls;
      writer.arm(probe);
      WriteAll(probe, oldBytes);
      if (attributes) GiveAccessListAndAttribute(probe);
      {
        ScopedFileFaultHook count([&](FileStep step, int n) {
          calls[step] = n;
          return CappedWrite();
        });
        messages.recorder.clear();
        EXPECT_TRUE(writer.save(probe));
      }
      ASSERT_TRUE(messages.recorder.messages.empty());
      const std::string newBytes = ReadAll(probe);
      ASSERT_NE(newBytes, "<missing>");
      EXPECT_EQ(calls[FileStep::Write], int((newBytes.size() + kWriteCap - 1) / kWriteCap));
      for (FileStep step : {FileStep::Open, FileStep::Sync, FileStep::Close, FileStep::Rename})
        EXPECT_EQ(calls[step], 1) << int(step);
      EXPECT_EQ(calls[FileStep::Attribute], attributes ? 2 : 0);  // the user attribute, the access list
      if (large) {
        EXPECT_GE(calls[FileStep::Write], 7);
      }

      // Every failing call in turn.
      std::vector<std::pair<FileStep, int>> faults = {{FileStep::Open, 1}};
      for (int n = 1; n <= calls[FileStep::Write]; ++n) faults.push_back({FileStep::Write, n});
      for (int n = 1; n <= calls[FileStep::Attribute]; ++n) faults.push_back({FileStep::Attribute, n});
      for (FileStep step : {FileStep::Sync, FileStep::Close, FileStep::Rename}) faults.push_back({step, 1});
      writer.arm(target);
      WriteAll(target, oldBytes);
      if (attributes) GiveAccessListAndAttribute(target);
      const FileState old = StateOf(target);
      for (const auto& [step, at] : faults) {
        SCOPED_TRACE("step " + std::to_string(int(step)) + " call " + std::to_string(at));
        WriteAll(target, oldBytes);
        messages.recorder.clear();
        {
          ScopedFileFaultHook fail([step = step, at = at](FileStep s, int n) {
            InjectedFault f = CappedWrite();
            if (s == step && n == at)
              f.error = s == FileStep::Write ? ENOSPC : s == FileStep::Attribute ? EOPNOTSUPP : EIO;
            return f;
          });
          EXPECT_FALSE(writer.save(target));
        }
        EXPECT_EQ(StateOf(target), old);
        EXPECT_EQ(Files(QString::fromStdString(folder)), (QStringList{"probe.out", "target.out"}));
        ExpectRefusal(writer, messages.recorder.messages, target);
      }
      // Without a fault the target gets the new content whole, and keeps the rest.
      messages.recorder.clear();
      EXPECT_TRUE(writer.save(target));
      FileState saved = old;
      saved.bytes = newBytes;
      EXPECT_EQ(StateOf(target), saved);
      EXPECT_TRUE(messages.recorder.messages.empty());
      QFile::remove(QString::fromStdString(target));
      QFile::remove(QString::fromStdString(probe));
    }
  }
  if (!attributes) GTEST_SKIP() << "carried attributes not tried, missing here: " << missing;
}

// An ordinary user's ids, for a save without the superuser's rights.
const uid_t kOrdinaryUser = curvanta::testing::kOrdinaryUser.uid;
const gid_t kOrdinaryGroup = curvanta::testing::kOrdinaryUser.gid;
// A group both the ordinary user and the third user of the cases belong to.
constexpr gid_t kSharedGroup = 4400;

// What a save run elsewhere reported: its result and its messages.
struct SaveReport {
  bool saved = false;
  std::vector<Message> shown;
};

// Runs `save` as `who` (the superuser gives up its rights in a child process, so that
// nothing of it reaches the other tests; the fixture's window is never shown, so the child
// draws nothing) and what it showed in `recorder`; nothing when the child cannot become that
// user. Without the superuser's rights `save` runs here.
std::optional<SaveReport> SaveAs(const curvanta::testing::Identity& who, const std::function<bool()>& save,
                                 RecordingMessageService& recorder) {
  recorder.clear();
  std::string failure;
  // The result, then per message its icon and its text and title, each ended by a zero byte.
  const std::optional<std::string> in = curvanta::testing::RunAs(
      who,
      [&] {
        std::string out(1, save() ? '1' : '0');
        for (const Message& m : recorder.messages) out += char('0' + int(m.icon)) + m.text + '\0' + m.title + '\0';
        return out;
      },
      &failure);
  if (!in || in->empty()) {
    if (failure.rfind("could not become", 0) != 0) ADD_FAILURE() << "the save as user " << who.uid << " " << failure;
    return std::nullopt;
  }
  SaveReport report{(*in)[0] == '1', {}};
  for (size_t at = 1; at < in->size();) {
    Message m;
    m.icon = MsgIcon((*in)[at] - '0');
    const size_t textEnd = in->find('\0', at + 1);
    const size_t titleEnd = in->find('\0', textEnd + 1);
    m.text = in->substr(at + 1, textEnd - at - 1);
    m.title = in->substr(textEnd + 1, titleEnd - textEnd - 1);
    report.shown.push_back(m);
    at = titleEnd + 1;
  }
  return report;
}

// Every entry of `folder`, hidden ones and links included, by name.
std::set<std::string> Entries(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return st;
}

std::string LinkText(const std::string& path) {
  std::error_code error;
  return std::filesystem::read_symlink(path, error).string();
}

// A save keeps what the user set on the file, by every writer. Each case prepares the
// folder around the file the writer is told to write, runs the save (as an ordinary user
// where the case says so) and checks the folder afterwards.
TEST_F(WriteFailureTest, ASaveKeepsWhatTheUserSetOnTheFile) {
  namespace fs = std::filesystem;
  const bool superuser = geteuid() == 0;
  // The folder of the cases, which an ordinary user may write into, where access lists and
  // user attributes are kept if they can be.
  ASSERT_EQ(chmod(tmp.path().toLocal8Bit().constData(), 0755), 0);
  std::string attributesMissing;
  const std::string folder = AttributeFolder(attributesMissing) + "/cases";
  // A device or pipe that takes nothing gives up sooner than it would for the user.
  const std::chrono::milliseconds stallTimeout = SetStalledWriteTimeout(std::chrono::milliseconds(200));
  struct RestoreStallTimeout {
    std::chrono::milliseconds timeout;
    ~RestoreStallTimeout() { SetStalledWriteTimeout(timeout); }
  } restoreStallTimeout{stallTimeout};
  const std::string oldBytes = "old bytes\r\n\x08\x00 kept";
  const std::string longName = [] {
    std::string name;
    for (int i = 0; i < 84; ++i) name += "图";  // 3 bytes each
    return name + ".ab";                        // 255 bytes, the longest name a folder takes
  }();
  const std::string leftover = ".cvtAbc123";
  // A path of 4095 bytes, the longest the system takes, in folders of 200 bytes or fewer
  // below the folder of the cases, ending in a short name.
  const std::string deepFile = [&] {
    const std::string name = "a.pgp";
    const size_t room = 4095 - folder.size() - 1 - name.size();  // for the folders and their slashes
    const size_t count = (room + 200) / 201;
    const size_t letters = room - count;
    std::string relative;
    for (size_t i = 0; i < count; ++i)
      relative += std::string(letters / count + (i < letters % count ? 1 : 0), char('a' + i)) + "/";
    return relative + name;
  }();
  // The folders of `path`, below the folder of the cases, made one in another.
  const auto makeDeepFolders = [&](const std::string& path) {
    int at = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(at, 0);
    std::string rest = path.substr(folder.size() + 1);
    for (size_t slash; (slash = rest.find('/')) != std::string::npos; rest.erase(0, slash + 1)) {
      const std::string name = rest.substr(0, slash);
      ASSERT_EQ(mkdirat(at, name.c_str(), 0755), 0);
      const int inner = openat(at, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
      close(at);
      ASSERT_GE(at = inner, 0);
    }
    close(at);
  };

  // Shared folders: sticky, and anyone may write into them (as /tmp). The folder of the
  // cases is the superuser's; the third user is neither the saver nor the folder's owner.
  constexpr uid_t kThirdUser = 4321;
  const auto shareFolder = [&] { ASSERT_EQ(chmod(folder.c_str(), 01777), 0); };
  const auto plantLink = [&](const std::string& target, const std::string& at, uid_t owner) {
    ASSERT_EQ(symlink(target.c_str(), at.c_str()), 0);
    ASSERT_EQ(lchown(at.c_str(), owner, owner), 0);
  };
  // Files a case must leave as they were, with what was set on them before the save.
  std::map<std::string, FileState> kept;
  const auto keep = [&](const std::string& path) { kept[path] = StateOf(path); };
  const auto expectKept = [&] {
    for (const auto& [path, state] : kept) EXPECT_EQ(StateOf(path), state) << path;
  };
  // A file of `owner`'s that only they may read and write, and a folder only the superuser
  // may enter.
  const auto privateFile = [&](const std::string& path, uid_t owner) {
    WriteAll(path, oldBytes);
    ASSERT_EQ(chown(path.c_str(), owner, owner), 0);
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    keep(path);
  };
  const std::string privateFolder = folder + "/private";
  const auto makePrivateFolder = [&] { ASSERT_EQ(mkdir(privateFolder.c_str(), 0700), 0); };
  const auto ownFileWithMode = [&](const std::string& path, mode_t mode) {
    WriteAll(path, oldBytes);
    if (superuser) {
      ASSERT_EQ(chown(path.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
    }
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    keep(path);
  };
  // The old file's owner, mode, access list and attributes, with the new bytes.
  const auto expectKeptWithNewBytes = [&](const std::string& path, const std::string& newBytes) {
    FileState saved = kept.at(path);
    saved.bytes = newBytes;
    EXPECT_EQ(StateOf(path), saved);
  };
  int pipeReader = -1;
  bool appendOnlyUnavailable = false;

  struct Case {
    std::string name;
    std::string file;  // the name the writer is told, in the folder
    bool ordinaryUser;  // saved by an ordinary user (the superuser may write any file)
    bool needsSuperuser;
    bool saves;
    std::function<void(const std::string& path)> setUp;
    // Checks the folder after the save; `newBytes` is what the writer writes.
    std::function<void(const std::string& path, const std::string& newBytes)> check;
    bool needsAttributes = false;
    // Makes the folders the file lies in, before the writer is armed on it.
    std::function<void(const std::string& path)> makeFolders = {};
    // Who saves where `ordinaryUser` is true.
    curvanta::testing::Identity saver = curvanta::testing::kOrdinaryUser;
  };
  const Case cases[] = {
      {"a file its owner made read-only", "doc.out", true, false, false,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         if (superuser) {
           ASSERT_EQ(chown(path.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
         }
         ASSERT_EQ(chmod(path.c_str(), 0444), 0);
       },
       [&](const std::string& path, const std::string&) {
         EXPECT_EQ(ReadAll(path), oldBytes);
         EXPECT_EQ(StatOf(path).st_mode & 07777, 0444u);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"another user's file the saver may not write", "doc.out", true, true, false,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         ASSERT_EQ(chmod(path.c_str(), 0644), 0);
       },
       [&](const std::string& path, const std::string&) {
         EXPECT_EQ(ReadAll(path), oldBytes);
         EXPECT_EQ(StatOf(path).st_uid, 0u);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"another user's file saved by the superuser, with a second hard link", "doc.out", false, true, true,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
         ASSERT_EQ(chmod(path.c_str(), 0640), 0);
         ASSERT_EQ(link(path.c_str(), (folder + "/other name").c_str()), 0);
       },
       [&](const std::string& path, const std::string& newBytes) {
         EXPECT_EQ(ReadAll(path), newBytes);
         const struct stat st = StatOf(path);
         EXPECT_EQ(st.st_uid, 4321u);
         EXPECT_EQ(st.st_gid, 4322u);
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         EXPECT_EQ(ReadAll(folder + "/other name"), oldBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "other name"}));
       }},
      {"another user's set-id file an ordinary user may write", "doc.out", true, true, true,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
         ASSERT_EQ(chmod(path.c_str(), 06666), 0);
       },
       [&](const std::string& path, const std::string& newBytes) {
         // Written in place, it stays theirs; the system takes its set-id bits away as
         // another user, not of its group, writes it.
         EXPECT_EQ(ReadAll(path), newBytes);
         const struct stat st = StatOf(path);
         EXPECT_EQ(st.st_uid, 4321u);
         EXPECT_EQ(st.st_gid, 4322u);
         EXPECT_EQ(st.st_mode & 07777, 0666u);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"a link to a link to a file not there yet", "doc.out", false, false, true,
       [&](const std::string& path) {
         ASSERT_TRUE(fs::create_directory(folder + "/sub"));
         ASSERT_EQ(symlink("hop", path.c_str()), 0);
         ASSERT_EQ(symlink("sub/new.out", (folder + "/hop").c_str()), 0);
       },
       [&](const std::string& path, const std::string& newBytes) {
         EXPECT_EQ(LinkText(path), "hop");
         EXPECT_EQ(LinkText(folder + "/hop"), "sub/new.out");
         EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder + "/sub/new.out")));
         EXPECT_EQ(ReadAll(folder + "/sub/new.out"), newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "hop", "sub"}));
         EXPECT_EQ(Entries(folder + "/sub"), (std::set<std::string>{"new.out"}));
       }},
      {"a link into a folder that does not exist", "doc.out", false, false, false,
       [&](const std::string& path) { ASSERT_EQ(symlink("missing/new.out", path.c_str()), 0); },
       [&](const std::string& path, const std::string&) {
         EXPECT_EQ(LinkText(path), "missing/new.out");
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"a name of 255 bytes", longName, false, false, true,
       [&](const std::string& path) { WriteAll(path, oldBytes); },
       [&](const std::string& path, const std::string& newBytes) {
         EXPECT_EQ(ReadAll(path), newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{longName}));
       }},
      {"leftovers of earlier crashes", "doc.out", false, false, true,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         // Names this writer and earlier ones gave their files, numbered ones included.
         WriteAll(folder + "/" + leftover, "stale");
         for (int n = 0; n < 1000; ++n)
           WriteAll(folder + "/.doc.out." + std::to_string(getpid()) + "." + std::to_string(n) + ".tmp", "");
       },
       [&](const std::string& path, const std::string& newBytes) {
         EXPECT_EQ(ReadAll(path), newBytes);
         EXPECT_EQ(ReadAll(folder + "/" + leftover), "stale");
         EXPECT_EQ(Entries(folder).size(), 1002u);
       }},
      {"another user's link in a shared folder, to the superuser's private file", "doc.out", false, true, false,
       [&](const std::string& path) {
         shareFolder();
         makePrivateFolder();
         privateFile(privateFolder + "/secret.txt", 0);
         plantLink("private/secret.txt", path, kThirdUser);
       },
       [&](const std::string& path, const std::string&) {
         expectKept();
         EXPECT_EQ(LinkText(path), "private/secret.txt");
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "private"}));
       }},
      {"another user's link in a shared folder, to a file not there yet in a private folder", "doc.out", false,
       true, false,
       [&](const std::string& path) {
         shareFolder();
         makePrivateFolder();
         plantLink("private/new.out", path, kThirdUser);
       },
       [&](const std::string& path, const std::string&) {
         EXPECT_EQ(LinkText(path), "private/new.out");
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "private"}));
         EXPECT_TRUE(Entries(privateFolder).empty());
       }},
      {"the saver's own link in a shared folder, to another user's link there", "doc.out", false, true, false,
       [&](const std::string& path) {
         shareFolder();
         makePrivateFolder();
         privateFile(privateFolder + "/secret.txt", 0);
         plantLink("hop", path, 0);
         plantLink("private/secret.txt", folder + "/hop", kThirdUser);
       },
       [&](const std::string&, const std::string&) {
         expectKept();
         EXPECT_EQ(LinkText(folder + "/hop"), "private/secret.txt");
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "hop", "private"}));
       }},
      {"a third user's link in a shared folder, to the saver's own file", "doc.out", true, true, false,
       [&](const std::string& path) {
         shareFolder();
         privateFile(folder + "/mine.out", kOrdinaryUser);
         plantLink("mine.out", path, kThirdUser);
       },
       [&](const std::string& path, const std::string&) {
         expectKept();
         EXPECT_EQ(LinkText(path), "mine.out");
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "mine.out"}));
       }},
      {"links in a shared folder made by its owner and by the saver", "doc.out", true, true, true,
       [&](const std::string& path) {
         shareFolder();
         privateFile(folder + "/mine.out", kOrdinaryUser);
         plantLink("hop", path, 0);
         plantLink("mine.out", folder + "/hop", kOrdinaryUser);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(folder + "/mine.out", newBytes);
         EXPECT_EQ(LinkText(path), "hop");
         EXPECT_EQ(LinkText(folder + "/hop"), "mine.out");
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "hop", "mine.out"}));
       }},
      // A name another user made in a shared folder is theirs to read: the superuser's
      // document does not go into it, as a plain write would not.
      {"a third user's file in a shared folder, saved by the superuser", "doc.out", false, true, false,
       [&](const std::string& path) {
         shareFolder();
         privateFile(path, kThirdUser);
       },
       [&](const std::string&, const std::string&) {
         expectKept();
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"a third user's pipe in a shared folder, with a reader", "doc.out", true, true, false,
       [&](const std::string& path) {
         shareFolder();
         ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
         ASSERT_EQ(chmod(path.c_str(), 0666), 0);
         ASSERT_EQ(chown(path.c_str(), kThirdUser, kThirdUser), 0);
         pipeReader = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
         ASSERT_GE(pipeReader, 0);
       },
       [&](const std::string& path, const std::string&) {
         char got[64];
         EXPECT_LT(read(pipeReader, got, sizeof got), 1) << "the third user read the document";
         close(pipeReader);
         EXPECT_TRUE(fs::is_fifo(fs::symlink_status(path)));
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"the superuser's file with an access list and a user attribute", "doc.out", false, false, true,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         ASSERT_EQ(chmod(path.c_str(), 0640), 0);
         GiveAccessListAndAttribute(path);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       true},
      {"an ordinary user's own file with an access list and a user attribute", "doc.out", true, false, true,
       [&](const std::string& path) {
         ownFileWithMode(path, 0640);
         GiveAccessListAndAttribute(path);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       true},
      // A file its owner may write but not read: its access list is read through its folder.
      // (Only the superuser can read it back here.)
      {"an ordinary user's own write-only file with an access list", "doc.out", true, true, true,
       [&](const std::string& path) {
         ownFileWithMode(path, 0200);
         ASSERT_TRUE(Output("setfacl -m u:4321:w -- " + Quoted(path)));
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       true},
      // Its user attributes cannot be read, so they could not be carried: written in place.
      {"an ordinary user's own write-only file with a user attribute", "doc.out", true, true, true,
       [&](const std::string& path) {
         ownFileWithMode(path, 0600);
         ASSERT_EQ(setxattr(path.c_str(), "user.origin", "kept", 4, 0), 0);
         ASSERT_EQ(chmod(path.c_str(), 0200), 0);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       true},
      {"the saver's own set-user-id file", "doc.out", true, false, true,
       [&](const std::string& path) { ownFileWithMode(path, 04755); },
       [&](const std::string& path, const std::string& newBytes) { expectKeptWithNewBytes(path, newBytes); }},
      {"the saver's own set-group-id file", "doc.out", true, false, true,
       [&](const std::string& path) { ownFileWithMode(path, 02755); },
       [&](const std::string& path, const std::string& newBytes) { expectKeptWithNewBytes(path, newBytes); }},
      // Where a new file could not come out as the old one, the old one is written in place:
      // the owner, group, mode, access list and attributes stay, as after a plain write.
      {"another user's private file the saver may write through its access list", "doc.out", true, true, true,
       [&](const std::string& path) {
         privateFile(path, kThirdUser);
         ASSERT_TRUE(Output("setfacl -m u:" + std::to_string(kOrdinaryUser) + ":rw -- " + Quoted(path)));
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       true},
      {"the superuser's write-only file in a folder anyone may write", "doc.out", true, true, true,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         ASSERT_EQ(chmod(path.c_str(), 0662), 0);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"an ordinary user's own file with a trusted attribute the superuser set", "doc.out", true, true, true,
       [&](const std::string& path) {
         ownFileWithMode(path, 0644);
         ASSERT_EQ(setxattr(path.c_str(), "trusted.origin", "root's", 6, 0), 0);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       true},
      {"an ordinary user's own file with a security attribute the superuser set", "doc.out", true, true, true,
       [&](const std::string& path) {
         ownFileWithMode(path, 0644);
         ASSERT_EQ(setxattr(path.c_str(), "security.origin", "root's too", 10, 0), 0);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       true},
      // The superuser sees and sets every attribute and may give the file its owner: replaced.
      {"the superuser's save of a user's file with trusted and security attributes and an access list", "doc.out",
       false, true, true,
       [&](const std::string& path) {
         ownFileWithMode(path, 0640);
         GiveAccessListAndAttribute(path);
         ASSERT_EQ(setxattr(path.c_str(), "trusted.origin", "root's", 6, 0), 0);
         ASSERT_EQ(setxattr(path.c_str(), "security.origin", "root's too", 10, 0), 0);
         ASSERT_EQ(link(path.c_str(), (folder + "/other name").c_str()), 0);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(ReadAll(folder + "/other name"), oldBytes);  // replaced, not written in place
       },
       true},
      {"a group member's file in a group-writable sticky folder, saved by another member", "doc.out", true, true,
       true,
       [&](const std::string& path) {
         ASSERT_EQ(chown(folder.c_str(), 0, kSharedGroup), 0);
         ASSERT_EQ(chmod(folder.c_str(), 01770), 0);
         WriteAll(path, oldBytes);
         ASSERT_EQ(chown(path.c_str(), kThirdUser, kSharedGroup), 0);
         ASSERT_EQ(chmod(path.c_str(), 0666), 0);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       },
       false, {}, curvanta::testing::Identity{kOrdinaryUser, kOrdinaryGroup, {kSharedGroup}}},
      {"a file anyone may write in a folder the saver may not write", "doc.out", true, true, true,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         ASSERT_EQ(chmod(path.c_str(), 0666), 0);
         ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
         keep(path);
       },
       [&](const std::string& path, const std::string& newBytes) {
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"the superuser's file in a folder whose names may be added but not replaced", "doc.out", false, true, true,
       [&](const std::string& path) {
         WriteAll(path, oldBytes);
         keep(path);
         appendOnlyUnavailable = !SetFolderAppendOnly(folder, true);
       },
       [&](const std::string& path, const std::string& newBytes) {
         if (!appendOnlyUnavailable) ASSERT_TRUE(SetFolderAppendOnly(folder, false));
         expectKeptWithNewBytes(path, newBytes);
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
       }},
      {"a link to a pipe whose reader never reads", "doc.out", false, false, false,
       [&](const std::string& path) {
         const std::string pipe = folder + "/pipe";
         ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
         ASSERT_EQ(symlink("pipe", path.c_str()), 0);
         pipeReader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
         ASSERT_GE(pipeReader, 0);
         // Full before the save, so that it takes not a byte.
         const int filler = open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
         ASSERT_GE(filler, 0);
         const std::string chunk(4096, 'f');
         while (write(filler, chunk.data(), chunk.size()) > 0) {
         }
         EXPECT_EQ(errno, EAGAIN);
         close(filler);
       },
       [&](const std::string& path, const std::string&) {
         close(pipeReader);
         EXPECT_EQ(LinkText(path), "pipe");
         EXPECT_TRUE(fs::is_fifo(fs::symlink_status(folder + "/pipe")));
         EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out", "pipe"}));
       }},
      {"a path of 4095 bytes", deepFile, false, false, true,
       [&](const std::string& path) { WriteAll(path, oldBytes); },
       [&](const std::string& path, const std::string& newBytes) {
         EXPECT_EQ(ReadAll(path), newBytes);
         EXPECT_EQ(Entries(fs::path(path).parent_path().string()), (std::set<std::string>{"a.pgp"}));
       },
       false, makeDeepFolders},
  };

  std::set<std::string> notRun;  // each with what it needs
  for (const WriterUnderTest& writer : Writers()) {
    writer.prepare(false);
    const std::string probe = tmp.filePath("probe.out").toStdString();
    writer.arm(probe);
    ASSERT_TRUE(writer.save(probe));
    const std::string newBytes = ReadAll(probe);
    for (const Case& c : cases) {
      SCOPED_TRACE(writer.name + ": " + c.name);
      if (c.needsSuperuser && !superuser) {
        notRun.insert(c.name + ": the superuser's rights");
        continue;
      }
      if (c.needsAttributes && !attributesMissing.empty()) {
        notRun.insert(c.name + ": " + attributesMissing);
        continue;
      }
      fs::remove_all(folder);
      ASSERT_TRUE(fs::create_directory(folder));
      ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
      kept.clear();
      const std::string path = folder + "/" + c.file;
      if (c.makeFolders) c.makeFolders(path);
      // Armed on a plain file, which the case then replaces with its own.
      writer.arm(path);
      fs::remove(path);
      c.setUp(path);
      std::optional<SaveReport> report;
      if (c.ordinaryUser) {
        report = SaveAs(c.saver, [&] { return writer.save(path); }, messages.recorder);
      } else {
        messages.recorder.clear();
        report = SaveReport{writer.save(path), messages.recorder.messages};
      }
      if (!report) {
        notRun.insert(c.name + ": an ordinary user's rights");
        continue;
      }
      EXPECT_EQ(report->saved, c.saves);
      if (c.saves) {
        EXPECT_TRUE(report->shown.empty());
      } else {
        ExpectRefusal(writer, report->shown, path);
      }
      c.check(path, newBytes);
    }
    QFile::remove(QString::fromStdString(probe));
  }
  if (appendOnlyUnavailable) notRun.insert("the append-only folder: file flags on its file system");
  if (!notRun.empty()) {
    std::string names;
    for (const std::string& n : notRun) names += " [" + n + "]";
    GTEST_SKIP() << "not run, for want of what each needs:" << names;
  }
}

// A file written in place, by every writer, with a step failing part-way: old bytes the saver
// could read are put back byte for byte and the usual message shown; where they could not be
// read, the message adds that the old file may be incomplete. A failure before the file was
// emptied leaves it as it was and says nothing more.
TEST_F(WriteFailureTest, AFailedWriteInPlacePutsTheOldBytesBackOrSaysTheyMayBeIncomplete) {
  if (geteuid() != 0) GTEST_SKIP() << "needs the superuser's rights to make another user's file";
  ASSERT_EQ(chmod(tmp.path().toLocal8Bit().constData(), 0755), 0);
  const std::string folder = tmp.filePath("in place").toStdString();
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
  const std::string path = folder + "/doc.out";
  const std::string oldBytes(9000, 'o');
  struct Row {
    const char* name;
    mode_t mode;  // of the superuser's file: 0666 the saver may read it, 0662 only write it
    FileStep step;
    int at;
    bool oldBytesBack;
    bool mayBeIncomplete;
  };
  const Row rows[] = {
      {"readable, a write fails", 0666, FileStep::Write, 2, true, false},
      {"readable, the sync fails", 0666, FileStep::Sync, 1, true, false},
      {"readable, the close fails", 0666, FileStep::Close, 1, true, false},
      {"write-only, opening fails", 0662, FileStep::Open, 1, true, false},
      {"write-only, emptying fails", 0662, FileStep::Truncate, 1, true, false},
      {"write-only, a write fails", 0662, FileStep::Write, 2, false, true},
      {"write-only, the sync fails", 0662, FileStep::Sync, 1, false, true},
  };
  for (const WriterUnderTest& writer : Writers()) {
    writer.prepare(true);
    for (const Row& row : rows) {
      SCOPED_TRACE(writer.name + ": " + row.name);
      writer.arm(path);
      WriteAll(path, oldBytes);
      ASSERT_EQ(chmod(path.c_str(), row.mode), 0);
      const FileState old = StateOf(path);
      const std::optional<SaveReport> report = SaveAs(
          curvanta::testing::kOrdinaryUser,
          [&] {
            ScopedFileFaultHook fail([&row](FileStep s, int n) {
              InjectedFault f = CappedWrite();
              if (s == row.step && n == row.at) f.error = EIO;
              return f;
            });
            return writer.save(path);
          },
          messages.recorder);
      ASSERT_TRUE(report);
      EXPECT_FALSE(report->saved);
      if (row.oldBytesBack) {
        EXPECT_EQ(StateOf(path), old);
      } else {
        EXPECT_NE(ReadAll(path), oldBytes);
        EXPECT_EQ(StatOf(path).st_uid, 0u);
      }
      EXPECT_EQ(Entries(folder), (std::set<std::string>{"doc.out"}));
      if (!writer.showsMessage) {
        EXPECT_TRUE(report->shown.empty());
        continue;
      }
      ASSERT_EQ(report->shown.size(), 1u);
      EXPECT_EQ(report->shown[0].text,
                "无法写入文件：\n" + path + (row.mayBeIncomplete ? "\n原文件可能已不完整" : ""));
      EXPECT_EQ(report->shown[0].title, "出错");
      EXPECT_EQ(report->shown[0].icon, MsgIcon::Error);
    }
  }
}

// A real disk that fills part way through the write: a small memory file system, mounted
// where the test may mount one.
TEST_F(WriteFailureTest, ADiskThatFillsDuringTheWriteKeepsTheOldFile) {
  QTemporaryDir mountPoint;
  ASSERT_TRUE(mountPoint.isValid());
  const std::string folder = mountPoint.path().toStdString();
  if (geteuid() != 0 || mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no small file system can be mounted here";
  struct Unmount {
    std::string at;
    ~Unmount() { umount2(at.c_str(), MNT_DETACH); }
  } unmount{folder};

  auto window = NewWindow();
  AddFunction(*window, std::string(40000, 'n'));
  Table2DDialogState s = Table2DLoad();
  s.data.pointCount = "100";
  ResetPointTable(s.data);
  for (int32_t row = 1; row <= 100; ++row) s.data.editor.grid.setText(row, 1, std::string(400, '5'));
  Table2DDialog table(std::move(s), [](Table2DDialogState&) { return true; });

  const std::string document = folder + "/old.pgp";
  const std::string exported = folder + "/old.txt";
  const std::string oldBytes(323, 'o');
  WriteAll(document, oldBytes);
  WriteAll(exported, oldBytes);
  // Fill all but two pages, so that each write runs out of room part way.
  struct statvfs fs;
  ASSERT_EQ(statvfs(folder.c_str(), &fs), 0);
  const size_t room = size_t(fs.f_bavail) * fs.f_bsize;
  ASSERT_GT(room, 2 * 4096u);
  WriteAll(folder + "/filler", std::string(room - 2 * 4096, 'f'));

  chooser.answers = {document};
  window->RunCommand("mnuFileSaveAs");
  EXPECT_FALSE(window->SavedFlag);
  chooser.answers = {exported};
  table.findChild<QPushButton*>("Command2")->click();

  EXPECT_EQ(ReadAll(document), oldBytes);
  EXPECT_EQ(ReadAll(exported), oldBytes);
  EXPECT_EQ(Files(QString::fromStdString(folder)), (QStringList{"filler", "old.pgp", "old.txt"}));
  ASSERT_EQ(messages.recorder.messages.size(), 2u);
  EXPECT_EQ(messages.recorder.messages[0].text, "无法写入文件：\n" + document);
  EXPECT_EQ(messages.recorder.messages[1].text, "无法写入文件：\n" + exported);
}

// Yes at the save question of New, Open or Close runs Save; when the write fails, the
// pending command is cancelled and the document stays.
TEST_F(WriteFailureTest, AFailedSaveAtTheQuestionCancelsThePendingCommand) {
  const std::string path = tmp.filePath("doc.pgp").toStdString();
  struct Pending {
    const char* name;
    std::function<bool(MainWindow&)> run;  // true when the command went ahead
  };
  const Pending pending[] = {
      {"new", [](MainWindow& w) { w.mnuFileNew3D_Click(); return GraphMode == 3; }},
      {"open",
       [this](MainWindow& w) {
         const size_t asked = chooser.requests.size();
         w.RunCommand("mnuFileOpen");
         return chooser.requests.size() > asked;
       }},
      {"close",
       [](MainWindow& w) {
         QCloseEvent close;
         QApplication::sendEvent(&w, &close);
         return close.isAccepted();
       }},
  };
  for (const Pending& p : pending) {
    SCOPED_TRACE(p.name);
    ResetGlobals();
    ResetSceneGlobals();
    auto w = NewWindow();
    AddFunction(*w, "kept");
    chooser.answers = {path};
    w->RunCommand("mnuFileSave");
    ASSERT_TRUE(w->SavedFlag);
    const std::string saved = ReadAll(path);
    AddFunction(*w, "more");
    messages.recorder.clear();
    messages.recorder.script(MsgAnswer::Yes);
    {
      ScopedFileFaultHook fail([](FileStep s, int) {
        InjectedFault f;
        if (s == FileStep::Write) f.error = ENOSPC;
        return f;
      });
      EXPECT_FALSE(p.run(*w));
    }
    EXPECT_FALSE(w->SavedFlag);
    EXPECT_EQ(GraphMode, 1);
    EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
    EXPECT_EQ(ReadAll(path), saved);
    ASSERT_EQ(messages.recorder.messages.size(), 2u);  // the question, then the failure
    EXPECT_EQ(messages.recorder.messages[1].text, "无法写入文件：\n" + path);
  }
}

}  // namespace
