// Pieces shared by the small property dialogs.
#include "dialogs/data/dialog_common.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "dialogs/function/graph_dialog_protocol.h"
#include "expr/input_filters.h"

namespace curvanta {

bool FilterField(std::string& field, bool expression) {
  std::string cleaned;
  const bool ok = expression ? CheckExpressionText(field, cleaned) : CheckNumberText(field, cleaned);
  if (ok) field = cleaned;
  return ok;
}

void ShowRefusal(const Message& refusal) {
  ShowMessage(refusal.text, refusal.title, refusal.icon, refusal.buttons);
}

std::pair<QPushButton*, QPushButton*> AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("确定"), &dialog);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消"), &dialog);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setAutoDefault(false);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout.addLayout(buttons);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  return {ok, cancel};
}

bool CommitAccepted(const std::optional<Message>& refusal, const std::shared_ptr<GraphItem>& item,
                    const EditLineText& editLine, DocumentHost& host) {
  if (refusal) {
    ShowRefusal(*refusal);
    return false;
  }
  CommitOptions options;
  options.editLine = editLine;
  return CommitGraph(item, options, host);
}

void ShowComboText(QComboBox& combo, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  combo.setCurrentIndex(combo.findText(shown));
  combo.setEditText(shown);
}

bool RunOkHandler(const std::function<bool()>& ok) {
  try {
    return ok ? ok() : true;
  } catch (...) {
    return false;
  }
}

}  // namespace curvanta
