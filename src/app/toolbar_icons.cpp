// Toolbar icons: theme names of the standard actions and the drawn icons in the resources.
#include "app/toolbar_icons.h"

#include <QFile>
#include <cstring>

namespace curvanta {

namespace {

struct ThemeIcon {
  const char* key;
  const char* themeName;
};

// Buttons that stand for a standard desktop action.
constexpr ThemeIcon kThemeIcons[] = {
    {"barOpen", "document-open"},   {"barSave", "document-save"},
    {"barSaveAs", "document-save-as"}, {"barPrint", "document-print"},
    {"barCut", "edit-cut"},         {"barCopy", "edit-copy"},
    {"barPaste", "edit-paste"},     {"varDel", "edit-delete"},
    {"barHelp", "help-contents"},   {"barAbout", "help-about"},
    {"barZoom", "zoom-in"},         {"barZoomAll", "zoom-fit-best"},
};

// The installed theme we fall back on when the desktop's own has no icon for an action.
const char kFallbackTheme[] = "Adwaita";

void UseFallbackThemeOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  const QString fallback = QIcon::fallbackThemeName();
  if (fallback.isEmpty() || fallback == QLatin1String("hicolor"))
    QIcon::setFallbackThemeName(QString::fromLatin1(kFallbackTheme));
}

}  // namespace

QString ToolbarThemeIconName(const char* key) {
  for (const ThemeIcon& t : kThemeIcons)
    if (std::strcmp(t.key, key) == 0) return QString::fromLatin1(t.themeName);
  return QString();
}

QString ToolbarDrawnIconPath(const char* key) {
  const QString path = QStringLiteral(":/toolbar/%1.svg").arg(QString::fromLatin1(key));
  return QFile::exists(path) ? path : QString();
}

QIcon ToolbarIcon(const char* key) {
  const QString drawnPath = ToolbarDrawnIconPath(key);
  const QIcon drawn = drawnPath.isEmpty() ? QIcon() : QIcon(drawnPath);
  const QString themeName = ToolbarThemeIconName(key);
  if (themeName.isEmpty()) return drawn;
  UseFallbackThemeOnce();
  return QIcon::fromTheme(themeName, drawn);
}

}  // namespace curvanta
