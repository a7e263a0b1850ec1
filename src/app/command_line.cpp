// Command-line document path.
#include "app/command_line.h"

namespace curvanta {

QString DocumentPathFromArguments(const QStringList& arguments) {
  QString path = arguments.mid(1).join(QLatin1Char(' '));
  if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
    path = path.mid(1, path.size() - 2);
  return path;
}

}  // namespace curvanta
