// Drives the program's real message box from a test: the next box with a given text gets Esc
// and close-button gestures in turn (noting after each whether it is still open), then a click
// on a button named by its text. Also a guard that installs a message service for a scope.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "common/message_service.h"

namespace curvanta {

enum class BoxGesture { Escape, CloseButton };

class MessageBoxGestures {
 public:
  MessageBoxGestures(QString text, std::vector<BoxGesture> gestures, QString click)
      : text_(std::move(text)), gestures_(std::move(gestures)), click_(std::move(click)) {}

  // Waits (from the event loop of the box's exec) for the next message box to open.
  void Arm() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Drive(); });
    poll_.start();
  }

  // After each gesture: whether the box was still open.
  std::vector<bool> openAfter;
  // Run while the box is open, after the gestures and before the click.
  std::function<void()> whileOpen;
  bool seen = false;

 private:
  void Drive() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    if (box->text() != text_) {
      ADD_FAILURE() << "another box: " << box->text().toStdString();
      box->done(0);  // never leave a test waiting on a box
      return;
    }
    poll_.stop();
    seen = true;
    for (BoxGesture g : gestures_) {
      if (g == BoxGesture::Escape) {
        // As a key press does: to the focused button first, which passes it on to the box.
        QWidget* target = box->focusWidget() ? box->focusWidget() : box;
        QTest::keyClick(target, Qt::Key_Escape);
      } else {
        box->close();
      }
      openAfter.push_back(box->isVisible());
      if (!box->isVisible()) return;  // answered: the box's exec returns
    }
    if (whileOpen) whileOpen();
    for (QAbstractButton* b : box->buttons())
      if (b->text() == click_) {
        QTest::mouseClick(b, Qt::LeftButton);
        return;
      }
    ADD_FAILURE() << "no button " << click_.toStdString();
    box->done(0);  // never leave a test waiting on a box
  }

  QString text_;
  std::vector<BoxGesture> gestures_;
  QString click_;
  QTimer poll_;
};

// Installs a message service for the life of the guard.
class ScopedMessageService {
 public:
  explicit ScopedMessageService(MessageService* service) : previous_(CurrentMessageService()) {
    SetMessageService(service);
  }
  ~ScopedMessageService() { SetMessageService(previous_); }
  ScopedMessageService(const ScopedMessageService&) = delete;
  ScopedMessageService& operator=(const ScopedMessageService&) = delete;

 private:
  MessageService* previous_;
};

}  // namespace curvanta
