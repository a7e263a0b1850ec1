// The ".pgp" file association, recorded per user the XDG way: a shared-mime-info package
// that names the document type, a desktop entry that opens it with this program, and the
// program's icon in the hicolor theme.
#pragma once

#include <QString>
#include <functional>

namespace curvanta {

struct FileAssociationPaths {
  QString dataHome;     // the XDG data directory, e.g. ~/.local/share
  QString programDir;   // folder of the program (nothing is written or named there)
  QString programPath;  // the program file itself
};

// Runs a program detached with arguments (the MIME database update). Injectable so that
// tests record the call instead of starting anything.
using ProcessRunner = std::function<void(const QString& program, const QStringList& args)>;

// The texts written (exposed for tests).
QString MimePackageText();
QString DesktopEntryText(const FileAssociationPaths& paths);
// Quotes a path for the Exec key of a desktop entry.
QString QuoteDesktopExecArgument(const QString& arg);

// Where the program's icon goes, relative to the data directory (the hicolor theme).
QString ProgramIconPath();

// The default data directory: $XDG_DATA_HOME, else ~/.local/share.
QString DefaultXdgDataHome();

// Writes the MIME package, the desktop entry and the icon where their content differs from
// what is there, then asks the MIME database to update when the package changed. Every failure is passed over. Returns true when a file was written.
bool WriteFileAssociation(const FileAssociationPaths& paths, const ProcessRunner& runner);

}  // namespace curvanta
