// A borderless bar the user drags to move a pane boundary; it reports press, move and
// release with the pointer's offset from the bar, and takes the shadow colour while pressed.
#pragma once

#include <QFrame>

namespace curvanta {

class SplitterBar : public QFrame {
  Q_OBJECT

 public:
  SplitterBar(Qt::Orientation orientation, QWidget* parent);
  // Shadow colour while pressed, face colour at rest.
  void SetPressedLook(bool pressed);

 signals:
  void pressed();
  void moved(int offsetPixels);  // x (vertical bar) or y (horizontal bar) relative to the bar
  void released();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Qt::Orientation orientation_;
};

}  // namespace curvanta
