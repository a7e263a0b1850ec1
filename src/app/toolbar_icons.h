// The icons of the toolbar buttons: the desktop theme's icon for the standard actions, with
// a drawn icon of our own in its place where the theme has none, and drawn icons for the
// plot kinds, the playback and the view commands.
#pragma once

#include <QIcon>
#include <QString>

namespace curvanta {

// The icon of the button with this key (empty icon for an unknown key).
QIcon ToolbarIcon(const char* key);

// The theme name of the standard action the button stands for ("" when it has none).
QString ToolbarThemeIconName(const char* key);

// The drawn icon shipped with the program for the button ("" when none).
QString ToolbarDrawnIconPath(const char* key);

}  // namespace curvanta
