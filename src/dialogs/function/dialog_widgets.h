// Small widget helpers of the strip and 3D function dialogs: controls made with their
// control names, the tables that pair a state field with its control, and reading and
// showing a control found by its name.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace curvanta {

// A text field of the state and the line edit that shows it.
template <class State>
struct TextControl {
  const char* name;
  std::string State::*field;
};
// A caption of the state and the label that shows it.
template <class State>
struct LabelControl {
  const char* name;
  std::string State::*caption;
};

QLabel* NamedLabel(const char* name, const char* caption, QWidget* parent);
QLineEdit* NamedText(const char* name, QWidget* parent);
// A drop-down box read by position: it takes no typed text.
QComboBox* NamedCombo(const char* name, QWidget* parent);
QGroupBox* NamedFrame(const char* name, const char* caption, QWidget* parent);
// "确定" (Command1, the default button) and "取消" (Command2) at the right.
QHBoxLayout* OkCancelRow(QWidget* dialog, std::function<void()> ok, std::function<void()> cancel);

std::string TextOf(const QWidget* root, const char* name);
void SetTextOf(QWidget* root, const char* name, const std::string& text);
void SetLabelOf(QWidget* root, const char* name, const std::string& caption);
void SetShown(QWidget* root, const char* name, bool shown);
void SetEnabledOf(QWidget* root, const char* name, bool enabled);
// Replaces a box's entries when they differ and selects `index` (-1: none), silently.
void SetItems(QComboBox* box, const std::vector<std::string>& items, int index);

// Runs a dialog's OK; nothing may leave the click handler, and a failure keeps it open.
template <class State>
bool RunOk(const std::function<bool(State&)>& onOk, State& state) {
  try {
    return onOk ? onOk(state) : true;
  } catch (...) {
    return false;
  }
}

}  // namespace curvanta
