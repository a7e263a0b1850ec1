// The program's own icon: an SVG picture of a curve over a pair of axes, written beside the
// desktop entry for the desktop and shown by the main window.
#pragma once

#include <QByteArray>
#include <QIcon>

namespace curvanta {

// The icon's name in the icon theme and in the desktop entry's Icon key.
inline constexpr char kProgramIconName[] = "curvanta";

// The SVG text of the icon.
QByteArray ProgramIconSvg();

// The icon drawn from that SVG at the usual sizes; null when SVG images cannot be read.
QIcon ProgramIcon();

}  // namespace curvanta
