// The file chooser behind the open and save dialogs: a QFileDialog in the program, a
// scripted chooser in tests. A cancelled dialog answers with the empty path.
#pragma once

#include <deque>
#include <string>
#include <vector>

class QWidget;

namespace curvanta {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen file to read, or "" when cancelled. `filter` is a pattern list such as
  // "(*.txt)"; `title` the dialog's caption.
  virtual std::string open(const std::string& title, const std::string& filter, QWidget* parent) = 0;
  // The chosen file to write, or "". A name without extension gets `suffix` ("pgp")
  // before an existing file of the resulting name is confirmed for replacing.
  virtual std::string save(const std::string& title, const std::string& filter,
                           const std::string& suffix, QWidget* parent) = 0;
};

// The chooser in force (QFileDialog until another is installed).
FileChooser& CurrentFileChooser();
// Installs `chooser` (nullptr: back to QFileDialog) and returns the one it replaces.
FileChooser* SetFileChooser(FileChooser* chooser);

// Test chooser: answers from a script ("" = cancelled, also when the script is empty) and
// records every request. A save answer without extension gets the suffix, as the dialog
// adds it.
class ScriptedFileChooser : public FileChooser {
 public:
  struct Request {
    bool save = false;
    std::string title;
    std::string filter;
    std::string suffix;
  };
  std::string open(const std::string& title, const std::string& filter, QWidget*) override {
    return answer({false, title, filter, {}});
  }
  std::string save(const std::string& title, const std::string& filter, const std::string& suffix,
                   QWidget*) override {
    std::string path = answer({true, title, filter, suffix});
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!name.empty() && !suffix.empty() && name.find('.') == std::string::npos) path += "." + suffix;
    return path;
  }
  std::deque<std::string> answers;
  std::vector<Request> requests;

 private:
  std::string answer(Request request) {
    requests.push_back(std::move(request));
    if (answers.empty()) return {};
    std::string a = std::move(answers.front());
    answers.pop_front();
    return a;
  }
};

// Installs a chooser for the life of the guard.
class ScopedFileChooser {
 public:
  explicit ScopedFileChooser(FileChooser* chooser) : previous_(SetFileChooser(chooser)) {}
  ~ScopedFileChooser() { SetFileChooser(previous_); }
  ScopedFileChooser(const ScopedFileChooser&) = delete;
  ScopedFileChooser& operator=(const ScopedFileChooser&) = delete;

 private:
  FileChooser* previous_;
};

}  // namespace curvanta
