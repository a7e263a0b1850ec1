// Pieces every small property dialog shares: the field filter with its write-back, the
// refusal message of a bad field, the OK and Cancel row, and an OK handler that never lets
// an exception out of the click.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "common/document_host.h"
#include "common/message_service.h"
#include "dialogs/data/graph_dialog_ok.h"
#include "dialogs/function/field_values.h"  // InvalidInputMessage
#include "graph/graph_item.h"

class QBoxLayout;
class QComboBox;
class QDialog;
class QPushButton;

namespace curvanta {

// Filters a typed number or expression and writes the cleaned text back; false (the text
// unchanged) when the filter refuses it.
bool FilterField(std::string& field, bool expression);

// Shows a refusal through the message service.
void ShowRefusal(const Message& refusal);

// Appends the "确定" (Command1, the default button) and "取消" (Command2, rejecting) row.
std::pair<QPushButton*, QPushButton*> AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout);

// The end of a point or step dialog's OK: shows the refusal, or hands the built graph to the
// graph dialog protocol with the text its edited line takes. True when the dialog closes.
bool CommitAccepted(const std::optional<Message>& refusal, const std::shared_ptr<GraphItem>& item,
                    const EditLineText& editLine, DocumentHost& host);

// Shows `text` in an editable combo box: its entry when one matches, the bare text otherwise.
void ShowComboText(QComboBox& combo, const std::string& text);

// Runs an OK handler; a failure inside it counts as "stay open".
bool RunOkHandler(const std::function<bool()>& ok);

}  // namespace curvanta
