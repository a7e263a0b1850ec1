// The program's message boxes: a QMessageBox with Chinese button texts.
#pragma once

#include <QString>

#include "common/message_service.h"

class QWidget;

namespace curvanta {

class QtMessageService : public MessageService {
 public:
  explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  MsgAnswer show(const Message& message) override;

 private:
  QWidget* parent_;
};

// Converts between the engine's UTF-8 strings and Qt's strings.
inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
inline std::string FromQ(const QString& s) { return s.toUtf8().toStdString(); }

}  // namespace curvanta
