// Small widget helpers of the table dialogs.
#pragma once

#include <functional>
#include <string>

class QComboBox;
class QDialog;
class QWidget;

namespace curvanta {

// A drop-down of the numbers 1 to `count`; `editable` ones take a typed number and are read
// by their text, the others by their position.
QComboBox* NumberCombo(int count, bool editable, QWidget* parent);
// Shows a text in an editable number list: its entry when there is one, else the bare text.
void ShowComboText(QComboBox* combo, const std::string& text);
// OK of a table dialog: runs `ok` (true closes the dialog as accepted) without letting an
// exception out of the click handler.
void RunTableOk(QDialog* dialog, const std::function<bool()>& ok);

}  // namespace curvanta
