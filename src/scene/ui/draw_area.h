// picDraw, the drawing area: a QOpenGLWidget that owns the scene frame and the mouse
// navigation, compiles on request, replays one list per paint and spins on a timer.
#pragma once

#include <QOpenGLWidget>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <vector>

class QOpenGLContext;

#include "common/carried_messages.h"
#include "scene/navigation.h"
#include "scene/scene_frame.h"

namespace curvanta {

class DrawArea : public QOpenGLWidget, public NavigationEffects {
  Q_OBJECT

 public:
  explicit DrawArea(QWidget* parent = nullptr);
  ~DrawArea() override;

  SceneFrame& frame() { return frame_; }
  Navigator& navigator() { return navigator_; }
  NavigationState& nav() { return navigator_.state; }

  // Recompiles what is drawn and the rotation lists (before the context exists it only
  // remembers that the lists are stale).
  void BuildSceneLists();
  // Recompiles only the lists that apply the model rotation.
  void RebuildRotation() override;
  // Shows `animFrame` at the next paint (MainWindow.Display).
  void Display(int32_t animFrame);
  void Display() override;
  void ShowPopup(float x, float y) override;
  void ShowViewDialog() override;

  void SetPopupHandler(std::function<void(const QPoint& globalPos)> h) { popup_ = std::move(h); }
  void SetViewDialogHandler(std::function<void()> h) { viewDialog_ = std::move(h); }

  // Three ways to stop a spin; they differ in what may happen next and in what is shown:
  // The window is closing: the spin stops and no drag starts one again.
  void StopSpinningForGood();
  // The spin stops, nothing more: the model stays as the spin left it and the next turning
  // drag spins again (an opened document).
  void StopSpin();
  // The spin stops and the trackball lets go of the angles, so the scene's own angles show
  // again at once (New 2D starts level); the view can still be turned and spun afterwards.
  void StopSpinAndShowSceneAngles();
  QTimer* spinTimer() { return &spin_; }
  // True while the lists wait for a compile (before the GL context exists).
  bool listsStale() const { return pendingContent_; }
  // Spin interval in milliseconds.
  static constexpr int kSpinInterval = 16;

 protected:
  void initializeGL() override;
  void paintGL() override;
  void resizeGL(int w, int h) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Compile(bool content);
  void SyncSpinTimer();
  void SpinTick();
  bool HasContext() const;

  Navigator navigator_;
  SceneFrame frame_;
  QTimer spin_;
  int32_t shownFrame_ = 1;
  bool pendingContent_ = false;
  bool initialized_ = false;
  bool contextChecked_ = false;
  QOpenGLContext* watchedContext_ = nullptr;
  QMetaObject::Connection contextWatch_;
  // The messages of the operations (a document load) whose compile waits for the context:
  // the compile continues them and so shows none of them again.
  CarriedMessages carriedMessages_;
  std::function<void(const QPoint&)> popup_;
  std::function<void()> viewDialog_;
};

}  // namespace curvanta
