// The About box: layout, the etched separator and the link.
#include "app/about_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/url_opener.h"

namespace curvanta {

namespace {

// A grey line of width 1 drawn over a white one of width 2 at the same height.
class EtchedLine : public QWidget {
 public:
  explicit EtchedLine(QWidget* parent) : QWidget(parent) { setFixedHeight(4); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int y = height() / 2;
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 2));
    p.drawLine(0, y, width(), y);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.drawLine(0, y, width(), y);
  }
};

AboutBoxRunner& InstalledRunner() {
  static AboutBoxRunner runner;
  return runner;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("关于Curvanta"));
  setModal(true);

  lblTitle = new QLabel(QStringLiteral("Curvanta 2.4"), this);
  lblTitle->setObjectName(QStringLiteral("lblTitle"));
  // The interface's own face, only larger and bold.
  QFont titleFont = lblTitle->font();
  titleFont.setBold(true);
  titleFont.setPointSize(18);
  lblTitle->setFont(titleFont);

  Label1 = new QLabel(QString::fromLatin1(kProductWebAddress), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setCursor(Qt::PointingHandCursor);
  QFont linkFont = Label1->font();
  linkFont.setUnderline(true);
  Label1->setFont(linkFont);
  QPalette linkPalette = Label1->palette();
  linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 0xCC));
  Label1->setPalette(linkPalette);
  Label1->installEventFilter(this);

  auto* line1 = new EtchedLine(this);
  line1->setObjectName(QStringLiteral("Line1"));

  cmdOK = new QPushButton(QStringLiteral("确定"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblTitle);
  layout->addWidget(Label1);
  layout->addSpacing(8);
  layout->addWidget(line1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      Label1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    Label1_Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void AboutDialog::Label1_Click() { OpenUrl(QUrl(QString::fromLatin1(kProductWebAddress))); }

void ShowAboutBox(QWidget* parent) {
  if (const AboutBoxRunner& runner = InstalledRunner()) {
    runner(parent);
    return;
  }
  AboutDialog dialog(parent);
  dialog.exec();
}

AboutBoxRunner SetAboutBoxRunner(AboutBoxRunner runner) {
  AboutBoxRunner previous = std::move(InstalledRunner());
  InstalledRunner() = std::move(runner);
  return previous;
}

}  // namespace curvanta
