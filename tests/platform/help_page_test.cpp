// The help page: found where the built and the installed program look for it, and naming
// every function the expression language accepts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "expr/function_table.h"
#include "platform/help_page.h"

using namespace curvanta;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(HelpPage, TheBuiltProgramFindsThePageBesideIt) {
  const QString page = FindHelpPage(QStringLiteral(CURVANTA_PROGRAM_DIR));
  EXPECT_EQ(page.toStdString(),
            QDir::cleanPath(QStringLiteral(CURVANTA_PROGRAM_DIR "/help.html")).toStdString());
  const QByteArray source = ReadAll(QStringLiteral(CURVANTA_HELP_SOURCE));
  ASSERT_FALSE(source.isEmpty());
  EXPECT_EQ(ReadAll(page), source);
}

TEST(HelpPage, TheInstalledProgramFindsThePageInItsDataFolder) {
  QTemporaryDir prefix;
  ASSERT_TRUE(prefix.isValid());
  QProcess install;
  install.start(QStringLiteral(CURVANTA_CMAKE_COMMAND),
                {QStringLiteral("--install"), QStringLiteral(CURVANTA_BUILD_DIR),
                 QStringLiteral("--prefix"), prefix.path(), QStringLiteral("--component"),
                 QStringLiteral("help")});
  ASSERT_TRUE(install.waitForFinished(60000));
  ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
  ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));

  const QString page = FindHelpPage(prefix.filePath(QStringLiteral("bin")));
  EXPECT_EQ(page.toStdString(),
            QDir::cleanPath(prefix.filePath(QStringLiteral("share/curvanta/help.html"))).toStdString());
  EXPECT_EQ(ReadAll(page), ReadAll(QStringLiteral(CURVANTA_HELP_SOURCE)));
  // A folder with no page beside it and no data folder: none.
  ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("other/bin")));
  EXPECT_EQ(FindHelpPage(prefix.filePath(QStringLiteral("other/bin"))).toStdString(), "");
}

TEST(HelpPage, ThePageNamesEveryFunctionOfTheLanguage) {
  const QString text = QString::fromUtf8(ReadAll(QStringLiteral(CURVANTA_HELP_SOURCE)));
  ASSERT_FALSE(text.isEmpty());
  for (std::string_view name : kFunctionNames) {
    // Named as code on its own: "sin" inside "asin" or "sinh" does not count.
    const QRegularExpression word(
        QStringLiteral("<code[^>]*>%1</code>").arg(QString::fromLatin1(name.data(), int(name.size()))),
        QRegularExpression::CaseInsensitiveOption);
    EXPECT_TRUE(text.contains(word)) << name;
  }
}
