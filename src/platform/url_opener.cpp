// The desktop opener and its test seam.
#include "platform/url_opener.h"

#include <QDesktopServices>

namespace curvanta {

namespace {
UrlOpener& InstalledOpener() {
  static UrlOpener opener;
  return opener;
}
}  // namespace

void OpenUrl(const QUrl& url) {
  if (const UrlOpener& opener = InstalledOpener())
    opener(url);
  else
    QDesktopServices::openUrl(url);
}

UrlOpener SetUrlOpener(UrlOpener opener) {
  UrlOpener previous = std::move(InstalledOpener());
  InstalledOpener() = std::move(opener);
  return previous;
}

}  // namespace curvanta
