// Every 2.5D and 3D create entry of the Draw and Animation menus, and its toolbar button,
// opens its dialog preset for its coordinate system and mode.
#include <gtest/gtest.h>

#include <QAction>

#include "app/main_window.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/function_3d_ok.h"
#include "dialogs/function/strip_ok.h"
#include "scene/scene_globals.h"
#include "support/main_window_setup.h"

using namespace curvanta;

namespace {

struct SurfaceCommands : ::testing::Test, MainWindowTestSetUp {
  void SetUp() override {
    // Every dialog is cancelled; only its preset is kept.
    previousStrip = InstallDialogRunner<StripDialogState>(
        [this](StripDialogState s, DocumentHost&) { opened.push_back({0, s.coordSystem, s.animated}); });
    previous3D = InstallDialogRunner<Function3DDialogState>(
        [this](Function3DDialogState s, DocumentHost&) { opened.push_back({1, s.coordSystem, s.animated}); });
  }
  void TearDown() override {
    InstallDialogRunner<StripDialogState>(previousStrip);
    InstallDialogRunner<Function3DDialogState>(previous3D);
  }
  struct Opened {
    int dialog;  // 0 strip, 1 3D function
    int system;
    bool animated;
    bool operator==(const Opened&) const = default;
  };
  ScopedMessageRecorder rec;
  DialogRunner<StripDialogState> previousStrip;
  DialogRunner<Function3DDialogState> previous3D;
  std::vector<Opened> opened;
};

TEST_F(SurfaceCommands, MenuEntriesAndToolbarButtonsOpenTheirDialogs) {
  MainWindow w;
  w.Load(options);
  struct Case {
    const char* entry;
    Bar bar;
    int button;
    Opened expected;
  };
  const Case cases[] = {
      {"mnuDraw25DCart", Bar::Toolbar1, 26, {0, 0, false}},
      {"mnuDraw25DPolar", Bar::Toolbar1, 27, {0, 1, false}},
      {"mnuDraw3DCart", Bar::Toolbar1, 29, {1, 0, false}},
      {"mnuDraw3DCyl", Bar::Toolbar1, 30, {1, 1, false}},
      {"mnuDraw3DSph", Bar::Toolbar1, 31, {1, 2, false}},
      {"mnuAni25DCurCart", Bar::Toolbar2, 6, {0, 0, true}},
      {"mnuAni25DCurPol", Bar::Toolbar2, 7, {0, 1, true}},
      {"mnuAniSurCart", Bar::Toolbar2, 9, {1, 0, true}},
      {"mnuAniSurCyl", Bar::Toolbar2, 10, {1, 1, true}},
      {"mnuAniSurSph", Bar::Toolbar2, 11, {1, 2, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    opened.clear();
    // Each kind's commands are enabled in its own kind of document.
    if (c.expected.dialog == 0) {
      w.mnuFileNew25D_Click();
    } else {
      w.mnuFileNew3D_Click();
    }
    w.Action(QString::fromLatin1(c.entry))->trigger();
    w.ToolbarAction(c.bar, c.button)->trigger();
    EXPECT_EQ(opened, (std::vector<Opened>{c.expected, c.expected}));
  }
}

}  // namespace
