// The calculator dialog: layout, keypad, function list and the compute command.
#include "expr/ui/calculator_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <exception>

#include "expr/calculator_model.h"

namespace curvanta {

namespace calc = curvanta::calculator;

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, bool keepsFocusAway) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  b->setDefault(false);
  if (keepsFocusAway) b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

CalculatorDialog::CalculatorDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("CalculatorDialog");
  setWindowTitle(QString::fromUtf8(calc::kTitle));

  auto* label1 = new QLabel(QStringLiteral("表达式"), this);
  label1->setObjectName("Label1");
  Text1 = new QLineEdit(this);
  Text1->setObjectName("Text1");
  auto* label2 = new QLabel(QStringLiteral("函数"), this);
  label2->setObjectName("Label2");
  List1 = new QListWidget(this);
  List1->setObjectName("List1");
  auto* label3 = new QLabel(QStringLiteral("结果"), this);
  label3->setObjectName("Label3");
  Text2 = new QLineEdit(this);
  Text2->setObjectName("Text2");
  auto* line1 = new QFrame(this);
  line1->setObjectName("Line1");
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Sunken);

  for (const std::u16string& t : calc::Templates()) List1->addItem(QString::fromStdU16String(t));

  auto* grid = new QGridLayout(this);
  grid->addWidget(label1, 0, 0, 1, 5);
  grid->addWidget(Text1, 1, 0, 1, 8);

  // The keypad: four rows of five, the "." two columns wide.
  struct Key {
    const char* name;
    const char* caption;
    int row, col, span;
  };
  const Key keys[] = {
      {"Command1", "1", 0, 0, 1},  {"Command2", "2", 0, 1, 1},  {"Command3", "3", 0, 2, 1},
      {"Command13", "+", 0, 3, 1}, {"Command15", "*", 0, 4, 1}, {"Command4", "4", 1, 0, 1},
      {"Command5", "5", 1, 1, 1},  {"Command6", "6", 1, 2, 1},  {"Command14", "-", 1, 3, 1},
      {"Command16", "/", 1, 4, 1}, {"Command7", "7", 2, 0, 1},  {"Command8", "8", 2, 1, 1},
      {"Command9", "9", 2, 2, 1},  {"Command24", "(", 2, 3, 1}, {"Command23", ")", 2, 4, 1},
      {"Command10", "0", 3, 0, 1}, {"Command11", ".", 3, 1, 2}, {"Command12", "^", 3, 3, 1},
  };
  for (const Key& k : keys) {
    QPushButton* b = MakeButton(this, k.name, QString::fromLatin1(k.caption), true);
    const QString s = QString::fromLatin1(k.caption);
    connect(b, &QPushButton::clicked, this, [this, s] { InsertAtCaret(s); });
    grid->addWidget(b, 2 + k.row, k.col, 1, k.span);
  }
  QPushButton* back = MakeButton(this, "Command21", QStringLiteral("B"), true);
  back->setToolTip(QStringLiteral("回退"));
  connect(back, &QPushButton::clicked, this, [this] { Command21_Click(); });
  grid->addWidget(back, 5, 4);

  QPushButton* insert = MakeButton(this, "Command17", QStringLiteral("插入"), false);
  connect(insert, &QPushButton::clicked, this, [this] { Command17_Click(); });
  grid->setColumnMinimumWidth(5, 12);
  grid->addWidget(label2, 2, 6);
  grid->addWidget(insert, 2, 7);
  grid->addWidget(List1, 3, 6, 5, 2);

  grid->addWidget(label3, 6, 0, 1, 5);
  grid->addWidget(Text2, 7, 0, 1, 5);
  grid->addWidget(line1, 8, 0, 1, 8);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  QPushButton* compute = MakeButton(this, "Command18", QStringLiteral("计算"), false);
  QPushButton* clear = MakeButton(this, "Command19", QStringLiteral("清除"), false);
  QPushButton* cancel = MakeButton(this, "Command20", QStringLiteral("取消"), false);
  connect(compute, &QPushButton::clicked, this, [this] { Command18_Click(); });
  connect(clear, &QPushButton::clicked, this, [this] { Command19_Click(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  bottom->addWidget(compute);
  bottom->addWidget(clear);
  bottom->addWidget(cancel);
  grid->addLayout(bottom, 9, 0, 1, 8);

  // Text1 loses its selection with the focus: keep where the caret was.
  connect(Text1, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
    savedCaret_ = Text1->hasSelectedText() ? Text1->selectionStart() : now;
  });
  connect(Text1, &QLineEdit::selectionChanged, this, [this] {
    if (Text1->hasSelectedText()) savedCaret_ = Text1->selectionStart();
  });
  Text1->installEventFilter(this);
  Text1->setFocus();
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1 && event->type() == QEvent::FocusOut) savedCaret_ = CaretOfText1();
  return QDialog::eventFilter(watched, event);
}

int CalculatorDialog::CaretOfText1() const {
  if (!Text1->hasFocus()) return savedCaret_;
  return Text1->hasSelectedText() ? Text1->selectionStart() : Text1->cursorPosition();
}

void CalculatorDialog::InsertAtCaret(const QString& s) {
  calc::Edit e = calc::InsertAtCaret(Text1->text().toStdU16String(), CaretOfText1(), s.toStdU16String());
  Text1->setText(QString::fromStdU16String(e.text));
  Text1->setFocus();
  Text1->setCursorPosition(e.caret);
  savedCaret_ = e.caret;
}

void CalculatorDialog::Command17_Click() {
  const QList<QListWidgetItem*> selected = List1->selectedItems();
  if (selected.isEmpty()) return;
  InsertAtCaret(selected.front()->text());
}

void CalculatorDialog::Command18_Click() {
  Text2->clear();
  try {
    const std::u16string before = Text1->text().toStdU16String();
    calc::Outcome out = calc::Compute(before, [&](const std::u16string& cleaned) {
      if (cleaned != before) Text1->setText(QString::fromStdU16String(cleaned));
    });
    Text2->setText(QString::fromStdU16String(out.text2));
  } catch (const std::exception&) {
    // Nothing leaves the click handler; the result box stays empty.
  }
}

void CalculatorDialog::Command19_Click() {
  Text1->clear();
  Text2->clear();
}

void CalculatorDialog::Command21_Click() {
  calc::Edit e = calc::Backspace(Text1->text().toStdU16String(), CaretOfText1());
  Text1->setText(QString::fromStdU16String(e.text));
  Text1->setFocus();
  Text1->setCursorPosition(e.caret);
  savedCaret_ = e.caret;
}

void ShowCalculator(QWidget* parent) {
  CalculatorDialog dialog(parent);
  dialog.exec();
}

}  // namespace curvanta
