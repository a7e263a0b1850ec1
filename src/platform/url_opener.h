// Opening an address (a web page or a local file) with the desktop's default program.
// Injectable, so that tests record the call instead of starting a browser.
#pragma once

#include <QUrl>
#include <functional>

namespace curvanta {

using UrlOpener = std::function<void(const QUrl& url)>;

// Opens `url` through the installed opener (by default the desktop's); the result is not
// looked at.
void OpenUrl(const QUrl& url);

// Installs an opener (empty: the desktop's) and returns the one it replaces.
UrlOpener SetUrlOpener(UrlOpener opener);

}  // namespace curvanta
