// Saving a document file: the container bytes, refusals that write nothing, and a failed
// write that leaves the old file as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <unistd.h>

#include "common/gbk_codec.h"
#include "common/message_service.h"
#include "document/document_writer.h"
#include "document_test_support.h"

namespace {

struct Writer : ::testing::Test {
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    ResetSceneGlobals();
    ResetGlobals();
  }
  QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void AddNamed(const std::string& name, int id) {
    auto g = std::make_shared<GraphItem>();
    g->ID = id;
    g->NameS = name;
    DocScene.FunSurfs.Add(g);
  }
  QTemporaryDir dir;
  ScopedMessageRecorder messages;
};

TEST_F(Writer, ContainerHoldsTheGbkTextAfterTagAndLength) {
  GraphMode = 2;
  AddNamed("抛物线", 1);
  DocAxes().Show = false;
  const std::string path = dir.filePath("a.pgp").toStdString();
  ASSERT_TRUE(SaveDocumentFile(path));
  const QByteArray bytes = Read(QString::fromStdString(path));
  const std::string text = DocumentText(2, DocScene, DocAxes());
  EXPECT_EQ(text.substr(0, 13), "S45 1 0 1 抛");
  EXPECT_EQ(text.substr(text.size() - 2), " 0");  // the hidden axes end the text
  const std::string gbk = *Utf8ToGbk(text);
  ASSERT_EQ(size_t(bytes.size()), 4 + gbk.size());
  EXPECT_EQ(bytes[0], 8);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(size_t(uint8_t(bytes[2]) | uint8_t(bytes[3]) << 8), gbk.size());
  EXPECT_EQ(bytes.mid(4).toStdString(), gbk);
  EXPECT_TRUE(messages.recorder.messages.empty());
}

TEST_F(Writer, RefusalsAndFailedWritesLeaveTheOldFile) {
  const QString path = dir.filePath("keep.pgp");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old bytes");
  }
  struct Case {
    std::string name;  // the one graph's name
    std::string message;
  };
  const Case cases[] = {
      {"\xF0\x9F\x98\x80", "文档中有无法保存的字符"},  // an emoji has no GBK code
      {std::string(70000, 'n'), "文档太大，无法保存"},
  };
  for (const Case& c : cases) {
    DocScene = Scene();
    AddNamed(c.name, 1);
    messages.recorder.clear();
    EXPECT_FALSE(SaveDocumentFile(path.toStdString()));
    ASSERT_EQ(messages.recorder.messages.size(), 1u);
    EXPECT_EQ(messages.recorder.messages[0].text, c.message);
    EXPECT_EQ(messages.recorder.messages[0].title, "出错");
    EXPECT_EQ(Read(path), "old bytes");
  }
  // A folder that cannot be written: a message, and the old file stays byte for byte.
  // (Permissions do not bind the superuser, whom a system folder stops instead.)
  DocScene = Scene();
  AddNamed("ok", 1);
  const bool superuser = geteuid() == 0;
  const QString target = superuser ? QStringLiteral("/sys/kernel/keep.pgp") : path;
  if (!superuser) QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  messages.recorder.clear();
  EXPECT_FALSE(SaveDocumentFile(target.toStdString()));
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_EQ(messages.recorder.messages.size(), 1u);
  EXPECT_EQ(messages.recorder.messages[0].text, "无法写入文件：\n" + target.toStdString());
  EXPECT_EQ(Read(path), "old bytes");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.pgp"});
}

}  // namespace
