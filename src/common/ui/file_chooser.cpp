// QFileDialog behind the file chooser interface.
#include "common/ui/file_chooser.h"

#include <QFileDialog>
#include <QString>

namespace curvanta {

namespace {

class QtFileChooser : public FileChooser {
 public:
  std::string open(const std::string& title, const std::string& filter, QWidget* parent) override {
    return QFileDialog::getOpenFileName(parent, QString::fromStdString(title), QString(),
                                        QString::fromStdString(filter))
        .toStdString();
  }
  std::string save(const std::string& title, const std::string& filter, QWidget* parent) override {
    return QFileDialog::getSaveFileName(parent, QString::fromStdString(title), QString(),
                                        QString::fromStdString(filter))
        .toStdString();
  }
};

FileChooser*& Installed() {
  static FileChooser* chooser = nullptr;
  return chooser;
}

}  // namespace

FileChooser& CurrentFileChooser() {
  static QtFileChooser qt;
  return Installed() ? *Installed() : qt;
}

FileChooser* SetFileChooser(FileChooser* chooser) {
  FileChooser* previous = Installed();
  Installed() = chooser;
  return previous;
}

}  // namespace curvanta
