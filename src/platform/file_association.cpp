// Writes the per-user MIME package and desktop entry of the ".pgp" documents.
#include "platform/file_association.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "common/atomic_file.h"
#include "platform/program_icon.h"

namespace curvanta {

namespace {

const char kMimeType[] = "application/x-pgpfile";

// Writes text into path unless the file already holds exactly that text.
bool WriteIfChanged(const QString& path, const QByteArray& content) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly)) {
    if (existing.readAll() == content) return false;
    existing.close();
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return bool(ReplaceOrWriteInPlace(QFile::encodeName(path).toStdString(),
                             std::string_view(content.constData(), size_t(content.size()))));
}

}  // namespace

QString MimePackageText() {
  // The type "pgpfile" with its display name "kvpl"; the magic tells the documents (type
  // tag 8, then the header code starting with "S") from other files ending in .pgp.
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"%1\">\n"
             "    <comment>kvpl</comment>\n"
             "    <glob pattern=\"*.pgp\"/>\n"
             "    <magic priority=\"60\">\n"
             "      <match type=\"string\" value=\"\\x08\\x00\" offset=\"0\">\n"
             "        <match type=\"string\" value=\"S\" offset=\"4\"/>\n"
             "      </match>\n"
             "    </magic>\n"
             "  </mime-type>\n"
             "</mime-info>\n")
      .arg(QLatin1String(kMimeType));
}

QString QuoteDesktopExecArgument(const QString& arg) {
  // Desktop Entry rules: an argument with reserved characters goes in double quotes, and
  // inside them ", `, $ and \ take a backslash; the key's string escaping then doubles
  // every backslash once more.
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  bool needsQuotes = arg.isEmpty();
  for (QChar c : arg)
    if (reserved.contains(c)) needsQuotes = true;
  QString escaped = arg;
  escaped.replace(QStringLiteral("%"), QStringLiteral("%%"));
  if (!needsQuotes) return escaped;
  QString inner;
  for (QChar c : escaped) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
        c == QLatin1Char('\\'))
      inner += QLatin1Char('\\');
    inner += c;
  }
  inner.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
  return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString DesktopEntryText(const FileAssociationPaths& paths) {
  const QString icon = QLatin1String(kProgramIconName);  // found in the icon theme
  return QStringLiteral(
             "[Desktop Entry]\n"
             "Type=Application\n"
             "Name=Curvanta\n"
             "Icon=%1\n"
             "Exec=%2 %f\n"
             "MimeType=%3;\n"
             "Terminal=false\n")
      .arg(icon, QuoteDesktopExecArgument(paths.programPath), QLatin1String(kMimeType));
}

QString ProgramIconPath() {
  return QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(QLatin1String(kProgramIconName));
}

QString DefaultXdgDataHome() {
  QString env = qEnvironmentVariable("XDG_DATA_HOME");
  if (!env.isEmpty() && QDir::isAbsolutePath(env)) return env;
  return QDir::home().filePath(QStringLiteral(".local/share"));
}

bool WriteFileAssociation(const FileAssociationPaths& paths, const ProcessRunner& runner) {
  if (paths.dataHome.isEmpty()) return false;
  QDir base(paths.dataHome);
  bool mimeChanged = WriteIfChanged(base.filePath(QStringLiteral("mime/packages/curvanta-pgpfile.xml")),
                                    MimePackageText().toUtf8());
  bool desktopChanged = WriteIfChanged(base.filePath(QStringLiteral("applications/kvpl.desktop")),
                                       DesktopEntryText(paths).toUtf8());
  const bool iconChanged = WriteIfChanged(base.filePath(ProgramIconPath()), ProgramIconSvg());
  if (mimeChanged && runner)
    runner(QStringLiteral("update-mime-database"), {base.filePath(QStringLiteral("mime"))});
  return mimeChanged || desktopChanged || iconChanged;
}

}  // namespace curvanta
