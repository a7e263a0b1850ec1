// The 2D function dialog's widgets and their wiring to the dialog state.
#include "dialogs/function/function_2d_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/message_service.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

// The definition controls that the system, the form and the mode show or hide.
const char* const kToggled[] = {"Label4",  "Text3",   "Label7",  "Text6",   "Label14",
                                "Label15", "Text10",  "Text11",  "Label10", "Label11",
                                "Label12", "Text7",   "Text8",   "Text9"};

bool Contains(const std::vector<std::string>& list, const std::string& name) {
  for (const auto& n : list)
    if (n == name) return true;
  return false;
}

}  // namespace

Function2DDialog::Function2DDialog(Function2DDialogState state, std::function<bool(Function2DDialogState&)> onOk, QWidget* parent)
    : QDialog(parent), state_(std::move(state)), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("Function2DDialog"));
  setModal(true);
  BuildPages();
  FromState();
}

QLabel* Function2DDialog::Label(const char* name, const char* caption, QWidget* parent) {
  auto* l = new QLabel(Q(caption), parent);
  l->setObjectName(Q(name));
  labels_[name] = l;
  controls_[name] = l;
  return l;
}

QLineEdit* Function2DDialog::Text(const char* name, QWidget* parent) {
  auto* t = new QLineEdit(parent);
  t->setObjectName(Q(name));
  texts_[name] = t;
  controls_[name] = t;
  return t;
}

QComboBox* Function2DDialog::Combo(const char* name, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(Q(name));
  const std::string n = name;
  if (Contains(kFunction2DWidthCombos, n) || Contains(kFunction2DSizeCombos, n)) {
    c->setEditable(true);
    const int count = Contains(kFunction2DWidthCombos, n) ? 8 : 9;
    for (int i = 1; i <= count; ++i) c->addItem(QString::number(i));
  } else if (Contains(kFunction2DSymbolCombos, n)) {
    for (const auto& item : kFunction2DSymbolItems) c->addItem(Q(item));
  }
  combos_[name] = c;
  controls_[name] = c;
  return c;
}

QCheckBox* Function2DDialog::Check(const char* name, const char* caption, QWidget* parent) {
  auto* c = new QCheckBox(Q(caption), parent);
  c->setObjectName(Q(name));
  checks_[name] = c;
  controls_[name] = c;
  return c;
}

curvanta::Swatch* Function2DDialog::Picture(const char* name, QWidget* parent) {
  auto* s = new curvanta::Swatch(Q(name), parent);
  swatches_[name] = s;
  controls_[name] = s;
  const std::string n = name;
  connect(s, &QAbstractButton::clicked, this, [this, s, n] {
    ToState();
    if (auto chosen = s->choose()) state_.colors[n] = *chosen;
    FromState();
  });
  return s;
}

QPushButton* Function2DDialog::Button(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(Q(caption), parent);
  b->setObjectName(Q(name));
  b->setAutoDefault(false);
  controls_[name] = b;
  return b;
}

void Function2DDialog::BuildPages() {
  auto* outer = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->setUsesScrollButtons(true);
  outer->addWidget(tabs_);
  tabs_->addTab(FunctionPage(), Q("函数"));
  tabs_->addTab(PropertyPage(), Q("属性"));
  const char* titles[] = {"反函数", "导函数", "积分", "极值点和拐点", "奇偶性",
                          "根",     "曲率",   "弧长", "切线",         "法线"};
  for (int page = 2; page <= 11; ++page) tabs_->addTab(AnalysisPage(page), Q(titles[page - 2]));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(Q("确定"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(Q("取消"), this);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setAutoDefault(false);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  outer->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &Function2DDialog::Command1_Click);
  connect(cancel, &QPushButton::clicked, this, &Function2DDialog::Command2_Click);
}

QWidget* Function2DDialog::FunctionPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  auto* top = new QGridLayout;
  top->addWidget(Label("Label1", "名称", page), 0, 0);
  top->addWidget(Text("Text1", page), 0, 1);
  top->addWidget(Label("Label2", "坐标系", page), 1, 0);
  QComboBox* combo1 = Combo("Combo1", page);
  for (const char* item : {"直角坐标系", "极坐标系"}) combo1->addItem(Q(item));
  top->addWidget(combo1, 1, 1);
  top->addWidget(Label("Label13", "形式", page), 2, 0);
  QComboBox* combo3 = Combo("Combo3", page);
  top->addWidget(combo3, 2, 1);
  v->addLayout(top);

  auto* frame1 = new QGroupBox(Q("函数定义"), page);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto* f1 = new QGridLayout(frame1);
  f1->addWidget(Label("Label3", "x(u)", frame1), 0, 0);
  f1->addWidget(Text("Text2", frame1), 0, 1);
  f1->addWidget(Label("Label4", "y(u)", frame1), 1, 0);
  f1->addWidget(Text("Text3", frame1), 1, 1);
  v->addWidget(frame1);

  auto* frame2 = new QGroupBox(Q("变量的取值范围"), page);
  frame2->setObjectName(QStringLiteral("Frame2"));
  auto* f2 = new QGridLayout(frame2);
  const char* rows[3][6] = {
      {"Label5", "Text4", "Label6", "Text5", "Label7", "Text6"},
      {"Label14", "Text10", "Label15", "Text11", nullptr, nullptr},
      {"Label10", "Text7", "Label11", "Text8", "Label12", "Text9"},
  };
  const char* captions[3][3] = {{"最小 u", "最大 u", "段数 u"},
                                {"最小 y", "最大 y", nullptr},
                                {"最小 t", "最大 t", "段数 t"}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      if (!rows[r][2 * c]) continue;
      f2->addWidget(Label(rows[r][2 * c], captions[r][c], frame2), r, 2 * c);
      f2->addWidget(Text(rows[r][2 * c + 1], frame2), r, 2 * c + 1);
    }
  }
  v->addWidget(frame2);
  v->addStretch();

  connect(combo1, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.coordIndex = index;
    Function2DCombo1Click(state_);
    FromState();
  });
  connect(combo3, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.formIndex = index;
    Function2DCombo3Click(state_);
    FromState();
  });
  return page;
}

QWidget* Function2DDialog::PropertyPage() {
  auto* page = new QWidget;
  auto* g = new QGridLayout(page);
  g->addWidget(Check("Check3", "显示函数图形", page), 0, 0, 1, 2);
  g->addWidget(Label("Label8", "颜色", page), 1, 0);
  g->addWidget(Picture("Picture1", page), 1, 1);
  g->addWidget(Label("Label9", "宽度", page), 2, 0);
  g->addWidget(Combo("Combo2", page), 2, 1);
  g->setRowStretch(3, 1);
  return page;
}

QWidget* Function2DDialog::PositionGroup(int group, QWidget* parent) {
  static const char* const kLabels[3][2] = {
      {"Label36", "Label37"}, {"Label41", "Label42"}, {"Label46", "Label45"}};
  static const char* const kFrames[3] = {"Frame8", "Frame10", "Frame12"};
  const Function2DPositionGroup& names = kFunction2DPositionGroups[group];
  auto* frame = new QGroupBox(Q("位置"), parent);
  frame->setObjectName(Q(kFrames[group]));
  auto* g = new QGridLayout(frame);
  g->addWidget(Label(kLabels[group][0], "输入一个自变量值", frame), 0, 0);
  g->addWidget(Text(names.input, frame), 1, 0);
  g->addWidget(Label(kLabels[group][1], "选定的值", frame), 0, 1);
  auto* list = new QListWidget(frame);
  list->setObjectName(Q(names.list));
  lists_[names.list] = list;
  controls_[names.list] = list;
  g->addWidget(list, 1, 1, 3, 1);
  QPushButton* add = Button(names.add, "添加", frame);
  QPushButton* remove = Button(names.remove, "删除", frame);
  QPushButton* reset = Button(names.reset, "重置", frame);
  g->addWidget(add, 1, 2);
  g->addWidget(remove, 2, 2);
  g->addWidget(reset, 3, 2);
  connect(add, &QPushButton::clicked, this, [this, group] {
    ToState();
    auto refusal = Function2DAddPosition(state_, group);
    FromState();
    ShowRefusal(refusal);
  });
  connect(remove, &QPushButton::clicked, this, [this, group] {
    ToState();
    Function2DDeletePosition(state_, group);
    FromState();
  });
  connect(reset, &QPushButton::clicked, this, [this, group] {
    ToState();
    Function2DResetPositions(state_, group);
    FromState();
  });
  return frame;
}

QWidget* Function2DDialog::AnalysisPage(int page) {
  auto* w = new QWidget;
  auto* v = new QVBoxLayout(w);
  // One row: a caption label and a control.
  auto row = [&](QWidget* parent, QLayout* into, QLabel* label, QWidget* control) {
    auto* h = new QHBoxLayout;
    h->addWidget(label);
    h->addWidget(control);
    h->addStretch();
    if (auto* box = qobject_cast<QBoxLayout*>(into)) box->addLayout(h);
    (void)parent;
  };
  auto frame = [&](const char* name, const char* caption) {
    auto* f = new QGroupBox(Q(caption), w);
    f->setObjectName(Q(name));
    new QVBoxLayout(f);
    v->addWidget(f);
    return f;
  };
  auto colourRow = [&](QWidget* parent, QLayout* into, const char* label, const char* swatch) {
    row(parent, into, Label(label, "颜色", parent), Picture(swatch, parent));
  };
  // A marker group: check box, colour, then a frame with symbol and size.
  auto marker = [&](const char* check, const char* caption, const char* colourLabel,
                    const char* swatch, const char* frameName, const char* frameCaption,
                    const char* symbolLabel, const char* symbol, const char* sizeLabel,
                    const char* size) {
    v->addWidget(Check(check, caption, w));
    colourRow(w, v, colourLabel, swatch);
    QGroupBox* f = frame(frameName, frameCaption);
    row(f, f->layout(), Label(symbolLabel, "标记", f), Combo(symbol, f));
    row(f, f->layout(), Label(sizeLabel, "大小", f), Combo(size, f));
  };
  switch (page) {
    case 2:
      v->addWidget(Check("Check1", "显示反函数的图形", w));
      colourRow(w, v, "Label16", "Picture2");
      row(w, v, Label("Label17", "宽度", w), Combo("Combo4", w));
      break;
    case 3:
      v->addWidget(Check("Check2", "显示导函数的图形", w));
      colourRow(w, v, "Label18", "Picture3");
      row(w, v, Label("Label19", "宽度", w), Combo("Combo5", w));
      break;
    case 4:
      v->addWidget(Check("Check4", "显示积分区域和结果", w));
      colourRow(w, v, "Label20", "Picture4");
      v->addWidget(Label("Label38", "范围", w));
      row(w, v, Label("Label39", "从", w), Text("Text13", w));
      row(w, v, Label("Label40", "到", w), Text("Text14", w));
      break;
    case 5:
      marker("Check5", "显示极大值点", "Label21", "Picture5", "Frame3", "极大值点的属性", "Label22",
             "Combo6", "Label23", "Combo7");
      marker("Check6", "显示极小值点", "Label24", "Picture6", "Frame4", "极小值点的属性", "Label25",
             "Combo8", "Label26", "Combo9");
      marker("Check8", "显示拐点", "Label49", "Picture8", "Frame6", "拐点的属性", "Label30",
             "Combo17", "Label29", "Combo11");
      break;
    case 6: {
      v->addWidget(Check("Check7", "将函数表达式中的自变量取负以后画图，判断奇偶性", w));
      colourRow(w, v, "Label27", "Picture7");
      QGroupBox* f = frame("Frame5", "属性");
      row(f, f->layout(), Label("Label28", "宽度", f), Combo("Combo10", f));
      break;
    }
    case 7:
      v->addWidget(Check("Check9", "显示根值点", w));
      colourRow(w, v, "Label31", "Picture9");
      row(w, v, Label("Label32", "大小", w), Combo("Combo12", w));
      row(w, v, Label("Label33", "标记", w), Combo("Combo13", w));
      break;
    case 8: {
      v->addWidget(Check("Check10", "显示曲率圆", w));
      colourRow(w, v, "Label34", "Picture10");
      QGroupBox* f = frame("Frame7", "曲率圆的属性");
      row(f, f->layout(), Label("Label35", "宽度", f), Combo("Combo14", f));
      v->addWidget(PositionGroup(0, w));
      break;
    }
    case 9:
      v->addWidget(Check("Check13", "计算曲线的弧长", w));
      v->addWidget(Label("Label50", "范围", w));
      row(w, v, Label("Label51", "从", w), Text("Text17", w));
      row(w, v, Label("Label52", "到", w), Text("Text18", w));
      break;
    case 10: {
      v->addWidget(Check("Check14", "显示切线", w));
      colourRow(w, v, "Label43", "Picture11");
      QGroupBox* f = frame("Frame9", "切线的属性");
      row(f, f->layout(), Label("Label44", "宽度", f), Combo("Combo15", f));
      v->addWidget(PositionGroup(1, w));
      break;
    }
    case 11: {
      v->addWidget(Check("Check15", "显示法线", w));
      colourRow(w, v, "Label48", "Picture12");
      QGroupBox* f = frame("Frame11", "法线的属性");
      row(f, f->layout(), Label("Label47", "宽度", f), Combo("Combo16", f));
      v->addWidget(PositionGroup(2, w));
      break;
    }
    default:
      break;
  }
  v->addStretch();
  return w;
}

void Function2DDialog::ToState() {
  for (const auto& [name, edit] : texts_) state_.texts[name] = edit->text().toStdString();
  for (const auto& [name, combo] : combos_) {
    if (name == "Combo1") {
      state_.coordIndex = combo->currentIndex();
    } else if (name == "Combo3") {
      state_.formIndex = combo->currentIndex();
    } else if (Contains(kFunction2DSymbolCombos, name)) {
      state_.symbols[name] = combo->currentIndex();
    } else {
      state_.texts[name] = combo->currentText().toStdString();
    }
  }
  for (const auto& [name, box] : checks_) state_.checks[name] = box->isChecked();
  for (const auto& [name, swatch] : swatches_) state_.colors[name] = swatch->colour();
  // The selected entry, not merely the current row: focus entering a list makes its first
  // row current without selecting it.
  for (const auto& [name, list] : lists_) {
    const QList<QListWidgetItem*> picked = list->selectedItems();
    state_.positions[name].selected = picked.isEmpty() ? -1 : list->row(picked.first());
  }
}

void Function2DDialog::FromState() {
  setWindowTitle(Q(state_.caption));
  for (const auto& [name, edit] : texts_) {
    const QString text = Q(state_.text(name));
    if (edit->text() != text) edit->setText(text);
  }
  for (const auto& [name, combo] : combos_) {
    QSignalBlocker block(combo);
    if (name == "Combo1") {
      combo->setCurrentIndex(state_.coordIndex);
    } else if (name == "Combo3") {
      QStringList items;
      for (const auto& item : state_.formItems) items << Q(item);
      QStringList shown;
      for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
      if (shown != items) {
        combo->clear();
        combo->addItems(items);
      }
      combo->setCurrentIndex(state_.formIndex);
    } else if (Contains(kFunction2DSymbolCombos, name)) {
      auto it = state_.symbols.find(name);
      combo->setCurrentIndex(it == state_.symbols.end() ? -1 : it->second);
    } else {
      const QString text = Q(state_.text(name));
      const int index = combo->findText(text);
      combo->setCurrentIndex(index);
      combo->setEditText(text);
    }
  }
  for (const auto& [name, label] : labels_) {
    auto it = state_.labels.find(name);
    if (it != state_.labels.end()) label->setText(Q(it->second));
  }
  for (const auto& [name, box] : checks_) {
    QSignalBlocker block(box);
    box->setChecked(state_.checked(name));
  }
  for (const auto& [name, swatch] : swatches_) {
    auto it = state_.colors.find(name);
    swatch->setColour(it == state_.colors.end() ? 0 : it->second);
  }
  for (const auto& [name, list] : lists_) {
    QSignalBlocker block(list);
    const Function2DPositionList& entries = state_.positions[name];
    list->clear();
    for (const auto& entry : entries.entries) list->addItem(Q(entry));
    list->setCurrentRow(entries.selected);
  }
  for (const char* name : kToggled) {
    auto it = controls_.find(name);
    if (it != controls_.end()) it->second->setVisible(state_.shown(name));
  }
  for (const auto& [name, widget] : controls_) widget->setEnabled(state_.enabled(name));
}

const Function2DDialogState& Function2DDialog::state() {
  ToState();
  return state_;
}

void Function2DDialog::ShowRefusal(const std::optional<curvanta::Message>& refusal) {
  if (refusal)
    curvanta::ShowMessage(refusal->text, refusal->title, refusal->icon, refusal->buttons);
}

void Function2DDialog::Command1_Click() {
  ToState();
  bool close = false;
  try {
    close = onOk_ ? onOk_(state_) : true;
  } catch (...) {
    // Nothing may leave the click handler; a failure leaves the dialog open.
    close = false;
  }
  FromState();
  if (close) accept();
}

void Function2DDialog::Command2_Click() { reject(); }

}  // namespace curvanta
