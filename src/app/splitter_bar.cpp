// The splitter bars of the main window.
#include "app/splitter_bar.h"

#include <QMouseEvent>

namespace curvanta {

SplitterBar::SplitterBar(Qt::Orientation orientation, QWidget* parent)
    : QFrame(parent), orientation_(orientation) {
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(true);
  setCursor(orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
  SetPressedLook(false);
}

void SplitterBar::SetPressedLook(bool pressed) {
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(pressed ? QPalette::Dark : QPalette::Button));
  setPalette(p);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  QPoint p = event->position().toPoint();
  emit moved(orientation_ == Qt::Vertical ? p.x() : p.y());
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit released();
}

}  // namespace curvanta
