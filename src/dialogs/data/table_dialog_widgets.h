// Small widget helpers of the table dialogs.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

class QComboBox;
class QDialog;
class QObject;
class QPushButton;
class QTabWidget;
class QWidget;

namespace curvanta {

class Swatch;

// Lays the pages out in the dialog above its OK ("确定") and Cancel ("取消") buttons, none
// of them a default button, and makes each swatch open the colour chooser on its colour.
struct TableDialogButtons {
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
};
TableDialogButtons LayOutTableDialog(QDialog* dialog, QTabWidget* pages,
                                     std::initializer_list<Swatch*> swatches);
// Gives each control its name.
void NameControls(std::initializer_list<std::pair<QObject*, const char*>> names);

// A drop-down of the numbers 1 to `count`; `editable` ones take a typed number and are read
// by their text, the others by their position.
QComboBox* NumberCombo(int count, bool editable, QWidget* parent);
// Shows a text in an editable number list: its entry when there is one, else the bare text.
void ShowComboText(QComboBox* combo, const std::string& text);
// OK of a table dialog: runs `ok` (true closes the dialog as accepted) without letting an
// exception out of the click handler.
void RunTableOk(QDialog* dialog, const std::function<bool()>& ok);

}  // namespace curvanta
