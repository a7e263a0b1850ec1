// The About box "关于Curvanta": the product's name and version, its web address as a link
// that opens in the desktop's browser, and an OK button.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace curvanta {

inline constexpr const char* kProductWebAddress = "https://curvanta.example.org/";

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Label1_Click();
  QLabel* lblTitle;
  QLabel* Label1;
  QPushButton* cmdOK;
};

// Shows the About box modally; returns when it is closed. Tests put in a runner.
void ShowAboutBox(QWidget* parent);
using AboutBoxRunner = std::function<void(QWidget* parent)>;
// Installs a runner (empty: the real dialog) and returns the one it replaces.
AboutBoxRunner SetAboutBoxRunner(AboutBoxRunner runner);

}  // namespace curvanta
