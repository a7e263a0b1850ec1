// Curvanta's entry point.
#include <QApplication>
#include <cstdio>

#include "common/globals.h"
#include "common/gl_api.h"
#include "common/ui/forwarding_gl.h"
#include "common/ui/gl_format.h"
#include "common/ui/qt_message_service.h"

int main(int argc, char** argv) {
  curvanta::SetDefaultGlFormat();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Curvanta"));
  curvanta::QtMessageService messages;
  curvanta::SetMessageService(&messages);
  curvanta::ForwardingGl gl;
  curvanta::SetGl(&gl);
  ResetGlobals();
  std::fputs("Curvanta: the engine is built; the main window is not part of this build yet.\n", stdout);
  return 0;
}
