// Curvanta's entry point.
#include <QApplication>
#include <cstdio>

#include "common/globals.h"
#include "common/ui/gl_format.h"
#include "common/ui/qt_message_service.h"

int main(int argc, char** argv) {
  curvanta::SetDefaultGlFormat();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Curvanta"));
  curvanta::QtMessageService messages;
  curvanta::SetMessageService(&messages);
  ResetGlobals();
  std::fputs("Curvanta: the engine is built; the main window is not part of this build yet.\n", stdout);
  return 0;
}
