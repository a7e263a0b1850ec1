// The per-user file association: content, quoting, and no rewrite of unchanged files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "platform/file_association.h"

using namespace curvanta;

namespace {
QString ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}
}  // namespace

TEST(FileAssociation, WritesOnceAndLeavesUnchangedFilesAlone) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  FileAssociationPaths paths{tmp.filePath("share"), "/opt/curvanta", "/opt/curvanta/curvanta"};
  std::vector<QStringList> runs;
  ProcessRunner runner = [&](const QString& program, const QStringList& args) {
    runs.push_back(QStringList{program} + args);
  };

  EXPECT_TRUE(WriteFileAssociation(paths, runner));
  const QString mime = tmp.filePath("share/mime/packages/curvanta-pgpfile.xml");
  const QString desktop = tmp.filePath("share/applications/kvpl.desktop");
  QString mimeText = ReadAll(mime);
  EXPECT_TRUE(mimeText.contains("type=\"application/x-pgpfile\""));
  EXPECT_TRUE(mimeText.contains("<comment>kvpl</comment>"));
  EXPECT_TRUE(mimeText.contains("<glob pattern=\"*.pgp\"/>"));
  EXPECT_TRUE(mimeText.contains("value=\"\\x08\\x00\" offset=\"0\""));
  EXPECT_TRUE(mimeText.contains("value=\"S\" offset=\"4\""));
  QString desktopText = ReadAll(desktop);
  EXPECT_TRUE(desktopText.contains("Name=Curvanta\n"));
  // The icon is the program's own SVG, found by its name in the hicolor theme beside the
  // entry; nothing in the program's folder is named.
  EXPECT_TRUE(desktopText.contains("Icon=curvanta\n"));
  EXPECT_FALSE(desktopText.contains("/opt/curvanta/C"));
  const QString icon = tmp.filePath("share/icons/hicolor/scalable/apps/curvanta.svg");
  const QImage picture(icon);
  ASSERT_FALSE(picture.isNull()) << icon.toStdString();
  EXPECT_EQ(picture.size(), QSize(64, 64));
  EXPECT_TRUE(desktopText.contains("Exec=/opt/curvanta/curvanta %f\n"));
  EXPECT_TRUE(desktopText.contains("MimeType=application/x-pgpfile;\n"));
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0], (QStringList{"update-mime-database", tmp.filePath("share/mime")}));

  // A second start finds both files as they should be: nothing is written or run.
  QDateTime before = QFileInfo(desktop).lastModified();
  EXPECT_FALSE(WriteFileAssociation(paths, runner));
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_EQ(QFileInfo(desktop).lastModified(), before);

  // A missing icon is written again on its own.
  ASSERT_TRUE(QFile::remove(icon));
  EXPECT_TRUE(WriteFileAssociation(paths, runner));
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_TRUE(QFileInfo::exists(icon));

  // A changed program folder rewrites the desktop entry only; the MIME data stays.
  paths.programPath = "/usr/local/bin/curvanta";
  EXPECT_TRUE(WriteFileAssociation(paths, runner));
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_TRUE(ReadAll(desktop).contains("Exec=/usr/local/bin/curvanta %f\n"));
}

TEST(FileAssociation, ExecQuotingFollowsDesktopEntryRules) {
  EXPECT_EQ(QuoteDesktopExecArgument("/opt/c/curvanta"), "/opt/c/curvanta");
  EXPECT_EQ(QuoteDesktopExecArgument("/home/a b/curvanta"), "\"/home/a b/curvanta\"");
  EXPECT_EQ(QuoteDesktopExecArgument("/x/$y"), "\"/x/\\\\$y\"");
  EXPECT_EQ(QuoteDesktopExecArgument("/x/100%"), "/x/100%%");
}

TEST(FileAssociation, UnwritableBaseIsPassedOver) {
  FileAssociationPaths paths{"/proc/no-such-place/share", "/opt/c", "/opt/c/curvanta"};
  int runs = 0;
  EXPECT_FALSE(WriteFileAssociation(paths, [&](const QString&, const QStringList&) { ++runs; }));
  EXPECT_EQ(runs, 0);
}
