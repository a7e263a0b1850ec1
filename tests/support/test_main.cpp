// Entry point of every test program: installs the recording message service so that no
// test can block on a modal box, and a QApplication for the programs that need Qt.
#include <gtest/gtest.h>

#include "common/message_service.h"

using namespace curvanta;

#ifdef CURVANTA_TEST_QAPP
#include <QApplication>
#include <QSurfaceFormat>
#include "common/ui/gl_format.h"
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  curvanta::RecordingMessageService recorder;
  curvanta::SetMessageService(&recorder);
#ifdef CURVANTA_TEST_QAPP
  curvanta::SetDefaultGlFormat();
  QApplication app(argc, argv);
#endif
  int rc = RUN_ALL_TESTS();
  curvanta::SetMessageService(nullptr);
  return rc;
}
