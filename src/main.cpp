// Curvanta's entry point: the GL surface format, the application, the message boxes and the
// main window, which loads (association, command line, new 2D document) and shows.
#include <QApplication>

#include "app/main_window.h"
#include "app/qt_translation.h"
#include "common/globals.h"
#include "common/heap_tuning.h"
#include "common/gl_api.h"
#include "common/ui/forwarding_gl.h"
#include "common/ui/gl_format.h"
#include "common/ui/qt_message_service.h"
#include "draw/graph_draw.h"

int main(int argc, char** argv) {
  curvanta::KeepFreedMemoryForRedraws();
  curvanta::SetDefaultGlFormat();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Curvanta"));
  curvanta::InstallQtChineseTranslation(&app);
  curvanta::QtMessageService messages;
  curvanta::SetMessageService(&messages);
  curvanta::ForwardingGl gl;
  curvanta::SetGl(&gl);
  curvanta::ResetGlobals();
  curvanta::InstallGraphDrawing();

  int rc = 0;
  {
    curvanta::MainWindow window;
    messages.setParent(&window);
    curvanta::MainWindow::LoadOptions options;
    options.arguments = QApplication::arguments();
    window.Load(options);
    window.show();
    rc = app.exec();
    messages.setParent(nullptr);
  }
  curvanta::SetGl(nullptr);
  curvanta::SetMessageService(nullptr);
  return rc;
}
