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
  // The program's own dialog: it adds the suffix to the typed name before it asks about
  // replacing a file, which a platform dialog need not do.
  std::string save(const std::string& title, const std::string& filter, const std::string& suffix,
                   QWidget* parent) override {
    QFileDialog dialog(parent, QString::fromStdString(title), QString(), QString::fromStdString(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(suffix));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? std::string() : files.first().toStdString();
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
