// The drawing area's GL life cycle, mouse handling and spin timer.
#include "scene/ui/draw_area.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <optional>

#include "common/globals.h"
#include "common/message_service.h"
#include "scene/scene_globals.h"

namespace curvanta {

DrawArea::DrawArea(QWidget* parent)
    : QOpenGLWidget(parent),
      navigator_(ViewScene, DocView, *this),
      frame_(ViewScene, DocView, DocLight, navigator_.state.TrackballActive,
             navigator_.state.RotationQuat) {
  setObjectName(QStringLiteral("picDraw"));
  // No alpha in what Qt composes, so blended lines and text leave no translucent pixels.
  setTextureFormat(0x8051 /* GL_RGB8 */);
  spin_.setInterval(kSpinInterval);
  connect(&spin_, &QTimer::timeout, this, [this] { SpinTick(); });
}

DrawArea::~DrawArea() {
  spin_.stop();
  disconnect(contextWatch_);
  // The context and every list go with the widget.
}

bool DrawArea::HasContext() const { return initialized_ && context() && isValid(); }

void DrawArea::initializeGL() {
  initialized_ = true;
  frame_.Initialize();
  // A new context (moved to another window) has none of the old lists.
  if (context() != watchedContext_) {
    watchedContext_ = context();
    disconnect(contextWatch_);
    contextWatch_ = connect(watchedContext_, &QOpenGLContext::aboutToBeDestroyed, this, [this] {
      initialized_ = false;
      pendingContent_ = true;
      watchedContext_ = nullptr;
    });
  }
  if (pendingContent_) {
    // Compiled outside the GL initialisation, so that messages can open meanwhile.
    QTimer::singleShot(0, this, [this] {
      if (pendingContent_) BuildSceneLists();
    });
  }
}

void DrawArea::showEvent(QShowEvent* event) {
  QOpenGLWidget::showEvent(event);
  if (contextChecked_) return;
  contextChecked_ = true;
  QTimer::singleShot(0, this, [this] {
    if (!isValid() || !context()) ShowMessage("无法选择像素格式", "", MsgIcon::Error);
  });
}

void DrawArea::Compile(bool content) {
  if (!HasContext()) {
    pendingContent_ = true;
    carriedMessages_.Carry(CurrentOperationRecord());
    return;
  }
  const std::vector<ShownMessages> carried = carriedMessages_.Take();
  bool queued = false;
  {
    std::optional<ContinuedOperation> continued;
    if (!carried.empty()) continued.emplace(carried);
    MessageDeferral deferral;
    makeCurrent();
    frame_.Compile(content || pendingContent_);
    pendingContent_ = false;
    doneCurrent();
    queued = deferral.queuedAny();
  }
  if (queued) {
    navigator_.state.Spinning = false;
    SyncSpinTimer();
  }
}

void DrawArea::BuildSceneLists() { Compile(true); }
void DrawArea::RebuildRotation() { Compile(false); }

void DrawArea::Display(int32_t animFrame) {
  shownFrame_ = animFrame;
  update();
}

void DrawArea::Display() { Display(AnimFrame); }

void DrawArea::paintGL() {
  if (!initialized_) return;
  frame_.Paint(shownFrame_);
}

void DrawArea::resizeGL(int, int) {
  const qreal dpr = devicePixelRatioF();
  int32_t h = static_cast<int32_t>(height() * dpr);
  DocView.SetScreen(static_cast<int32_t>(width() * dpr), h);
}

void DrawArea::ShowPopup(float x, float y) {
  if (popup_) popup_(mapToGlobal(QPoint(int(x), int(y))));
}

void DrawArea::ShowViewDialog() {
  if (viewDialog_) viewDialog_();
}

void DrawArea::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  try {
    if (event->button() == Qt::LeftButton)
      navigator_.MouseDown(kLeftButton, float(p.x()), float(p.y()));
    else if (event->button() == Qt::RightButton)
      navigator_.MouseDown(kRightButton, float(p.x()), float(p.y()));
  } catch (...) {
    // A failure while pressing is passed over.
  }
  SyncSpinTimer();
  event->accept();
}

void DrawArea::mouseMoveEvent(QMouseEvent* event) {
  int mask = 0;
  if (event->buttons() & Qt::LeftButton) mask |= kLeftButton;
  if (event->buttons() & Qt::RightButton) mask |= kRightButton;
  if (event->buttons() & ~(Qt::LeftButton | Qt::RightButton)) mask |= 4;
  const QPointF p = event->position();
  navigator_.MouseMove(mask, float(p.x()), float(p.y()), float(width()), float(height()));
  SyncSpinTimer();
  event->accept();
}

void DrawArea::mouseReleaseEvent(QMouseEvent* event) {
  navigator_.MouseUp(event->button() == Qt::RightButton ? kRightButton : kLeftButton);
  SyncSpinTimer();
  event->accept();
}

void DrawArea::SyncSpinTimer() {
  const NavigationState& s = navigator_.state;
  if (s.Spinning && !s.Closing) {
    if (!spin_.isActive()) spin_.start();
  } else {
    spin_.stop();
  }
}

void DrawArea::SpinTick() {
  const NavigationState& s = navigator_.state;
  if (!s.Spinning || s.Closing) {
    spin_.stop();
    return;
  }
  // Paused while a dialog, box or popup is open and while the left button drags.
  if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
  if (QGuiApplication::mouseButtons() & Qt::LeftButton) return;
  navigator_.SpinStep();
  SyncSpinTimer();
}

void DrawArea::StopSpinningForGood() {
  navigator_.state.Spinning = false;
  navigator_.state.Closing = true;
  spin_.stop();
}

void DrawArea::StopSpin() {
  navigator_.state.Spinning = false;
  spin_.stop();
}

void DrawArea::StopSpinAndShowSceneAngles() {
  spin_.stop();
  NavigationState& s = navigator_.state;
  if (!s.Spinning && !s.TrackballActive) return;  // the angles hold already
  s.Spinning = false;
  s.TrackballActive = false;
  RebuildRotation();
  Display();
}

}  // namespace curvanta
