// Looking up the help page beside the program or in its data folder.
#include "platform/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace curvanta {

QString FindHelpPage(const QString& programDir) {
  const QString name = QString::fromLatin1(kHelpPageName);
  for (const QString& folder : {programDir, programDir + QStringLiteral("/../share/curvanta")}) {
    const QString path = QDir::cleanPath(folder + QLatin1Char('/') + name);
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

}  // namespace curvanta
