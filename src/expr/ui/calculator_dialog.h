// The calculator dialog "数学计算器": a thin window over the calculator model.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QFrame;

namespace curvanta {

class CalculatorDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CalculatorDialog(QWidget* parent = nullptr);

  // Inserts s at the caret of Text1, which then has the focus with the caret after s.
  void InsertAtCaret(const QString& s);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int CaretOfText1() const;
  void Command17_Click();  // 插入
  void Command18_Click();  // 计算
  void Command19_Click();  // 清除
  void Command21_Click();  // B

  QLineEdit* Text1;
  QLineEdit* Text2;
  QListWidget* List1;
  // Where Text1's caret (the start of a selection) was when Text1 last had the focus.
  int savedCaret_ = 0;
};

// Shows the calculator modally; returns when it is closed.
void ShowCalculator(QWidget* parent);

}  // namespace curvanta
