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
#include <QVBoxLayout>
#include <variant>

#include "common/message_service.h"
#include "dialogs/function/two_row_tabs.h"
#include "scene/ui/swatch.h"

namespace curvanta {

namespace {

using State = Function2DDialogState;
using A = Function2DAnalysis;

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

// Accessors of state fields, one function per field.
template <auto Member>
auto& At(State& s) {
  return s.*Member;
}
template <auto Member, auto Inner>
auto& In(State& s) {
  return (s.*Member).*Inner;
}

// The state field a control shows; the control's kind says how (a line edit or an editable
// list its text, a label its caption, a fixed list its position, a swatch its colour).
using Field = std::variant<std::monostate, std::string& (*)(State&), bool& (*)(State&),
                           int& (*)(State&), Function2DPositionList& (*)(State&)>;
using Condition = bool (*)(const State&);

template <A option>
bool Enabled(const State& s) {
  return s.enabled(option);
}
bool SecondExpressionRow(const State& s) { return s.rows.secondExpression; }
bool SegmentsXRow(const State& s) { return s.rows.segmentsX; }
bool RangeYRow(const State& s) { return s.rows.rangeY; }
bool TRow(const State& s) { return s.animated; }
bool SegmentsTEditable(const State& s) { return s.segmentsTEditable; }

struct Control {
  const char* name;           // the widget's objectName
  Field field;                // what it shows
  Condition shown = nullptr;  // nullptr: always shown
  Condition enabled = nullptr;  // nullptr: always enabled
};

using LO = Function2DLineOption;
using MO = Function2DMarkerOption;
using RO = Function2DRangeOption;
using PL = Function2DPositionList;
using C = Function2DCaptions;

// Every control whose content, visibility or enabling follows the state.
const Control kControls[] = {
    {"Text1", &At<&State::name>},
    {"Combo1", &At<&State::coordIndex>},
    {"Combo3", &At<&State::formIndex>},
    {"Label3", &In<&State::captions, &C::expression>},
    {"Text2", &At<&State::expression>},
    {"Label4", &In<&State::captions, &C::secondExpression>, SecondExpressionRow},
    {"Text3", &At<&State::secondExpression>, SecondExpressionRow},
    {"Label5", &In<&State::captions, &C::minX>},
    {"Text4", &At<&State::minX>},
    {"Label6", &In<&State::captions, &C::maxX>},
    {"Text5", &At<&State::maxX>},
    {"Label7", &In<&State::captions, &C::segmentsX>, SegmentsXRow},
    {"Text6", &At<&State::segmentsX>, SegmentsXRow},
    {"Label14", &In<&State::captions, &C::minY>, RangeYRow},
    {"Text10", &At<&State::minY>, RangeYRow},
    {"Label15", &In<&State::captions, &C::maxY>, RangeYRow},
    {"Text11", &At<&State::maxY>, RangeYRow},
    {"Label10", {}, TRow},
    {"Text7", &At<&State::minT>, TRow},
    {"Label11", {}, TRow},
    {"Text8", &At<&State::maxT>, TRow},
    {"Label12", {}, TRow},
    {"Text9", &At<&State::segmentsT>, TRow, SegmentsTEditable},

    {"Check3", &In<&State::curve, &LO::show>},
    {"Picture1", &In<&State::curve, &LO::colour>},
    {"Combo2", &In<&State::curve, &LO::width>},

    {"Check1", &In<&State::inverse, &LO::show>, nullptr, Enabled<A::Inverse>},
    {"Picture2", &In<&State::inverse, &LO::colour>, nullptr, Enabled<A::Inverse>},
    {"Combo4", &In<&State::inverse, &LO::width>, nullptr, Enabled<A::Inverse>},

    {"Check2", &In<&State::derivative, &LO::show>, nullptr, Enabled<A::Derivative>},
    {"Picture3", &In<&State::derivative, &LO::colour>, nullptr, Enabled<A::Derivative>},
    {"Combo5", &In<&State::derivative, &LO::width>, nullptr, Enabled<A::Derivative>},

    {"Check4", &In<&State::integral, &RO::show>, nullptr, Enabled<A::Integral>},
    {"Picture4", &In<&State::integral, &RO::colour>, nullptr, Enabled<A::Integral>},
    {"Text13", &In<&State::integral, &RO::from>, nullptr, Enabled<A::Integral>},
    {"Text14", &In<&State::integral, &RO::to>, nullptr, Enabled<A::Integral>},

    {"Check5", &In<&State::maxima, &MO::show>, nullptr, Enabled<A::Maxima>},
    {"Picture5", &In<&State::maxima, &MO::colour>, nullptr, Enabled<A::Maxima>},
    {"Combo6", &In<&State::maxima, &MO::symbol>, nullptr, Enabled<A::Maxima>},
    {"Combo7", &In<&State::maxima, &MO::size>, nullptr, Enabled<A::Maxima>},

    {"Check6", &In<&State::minima, &MO::show>, nullptr, Enabled<A::Minima>},
    {"Picture6", &In<&State::minima, &MO::colour>, nullptr, Enabled<A::Minima>},
    {"Combo8", &In<&State::minima, &MO::symbol>, nullptr, Enabled<A::Minima>},
    {"Combo9", &In<&State::minima, &MO::size>, nullptr, Enabled<A::Minima>},

    {"Check8", &In<&State::inflections, &MO::show>, nullptr, Enabled<A::Inflections>},
    {"Picture8", &In<&State::inflections, &MO::colour>, nullptr, Enabled<A::Inflections>},
    {"Combo17", &In<&State::inflections, &MO::symbol>, nullptr, Enabled<A::Inflections>},
    {"Combo11", &In<&State::inflections, &MO::size>, nullptr, Enabled<A::Inflections>},

    {"Check7", &In<&State::parity, &LO::show>, nullptr, Enabled<A::Parity>},
    {"Picture7", &In<&State::parity, &LO::colour>, nullptr, Enabled<A::Parity>},
    {"Combo10", &In<&State::parity, &LO::width>, nullptr, Enabled<A::Parity>},

    {"Check9", &In<&State::roots, &MO::show>, nullptr, Enabled<A::Roots>},
    {"Picture9", &In<&State::roots, &MO::colour>, nullptr, Enabled<A::Roots>},
    {"Combo12", &In<&State::roots, &MO::size>, nullptr, Enabled<A::Roots>},
    {"Combo13", &In<&State::roots, &MO::symbol>, nullptr, Enabled<A::Roots>},

    {"Check10", &In<&State::curvature, &LO::show>, nullptr, Enabled<A::Curvature>},
    {"Picture10", &In<&State::curvature, &LO::colour>, nullptr, Enabled<A::Curvature>},
    {"Combo14", &In<&State::curvature, &LO::width>, nullptr, Enabled<A::Curvature>},
    {"List1", &At<&State::curvaturePositions>, nullptr, Enabled<A::Curvature>},
    {"Text12", &In<&State::curvaturePositions, &PL::input>, nullptr, Enabled<A::Curvature>},
    {"Command3", {}, nullptr, Enabled<A::Curvature>},
    {"Command4", {}, nullptr, Enabled<A::Curvature>},
    {"Command5", {}, nullptr, Enabled<A::Curvature>},

    {"Check13", &In<&State::arcLength, &RO::show>, nullptr, Enabled<A::ArcLength>},
    {"Text17", &In<&State::arcLength, &RO::from>, nullptr, Enabled<A::ArcLength>},
    {"Text18", &In<&State::arcLength, &RO::to>, nullptr, Enabled<A::ArcLength>},

    {"Check14", &In<&State::tangent, &LO::show>, nullptr, Enabled<A::Tangent>},
    {"Picture11", &In<&State::tangent, &LO::colour>, nullptr, Enabled<A::Tangent>},
    {"Combo15", &In<&State::tangent, &LO::width>, nullptr, Enabled<A::Tangent>},
    {"List2", &At<&State::tangentPositions>, nullptr, Enabled<A::Tangent>},
    {"Text15", &In<&State::tangentPositions, &PL::input>, nullptr, Enabled<A::Tangent>},
    {"Command6", {}, nullptr, Enabled<A::Tangent>},
    {"Command7", {}, nullptr, Enabled<A::Tangent>},
    {"Command8", {}, nullptr, Enabled<A::Tangent>},

    {"Check15", &In<&State::normal, &LO::show>, nullptr, Enabled<A::Normal>},
    {"Picture12", &In<&State::normal, &LO::colour>, nullptr, Enabled<A::Normal>},
    {"Combo16", &In<&State::normal, &LO::width>, nullptr, Enabled<A::Normal>},
    {"List3", &At<&State::normalPositions>, nullptr, Enabled<A::Normal>},
    {"Text16", &In<&State::normalPositions, &PL::input>, nullptr, Enabled<A::Normal>},
    {"Command11", {}, nullptr, Enabled<A::Normal>},
    {"Command10", {}, nullptr, Enabled<A::Normal>},
    {"Command9", {}, nullptr, Enabled<A::Normal>},
};

// The controls of a position group: list, input, add, delete and reset.
struct PositionControls {
  const char* list;
  const char* input;
  const char* add;
  const char* remove;
  const char* reset;
};
const PositionControls kPositionControls[3] = {
    {"List1", "Text12", "Command3", "Command4", "Command5"},
    {"List2", "Text15", "Command6", "Command7", "Command8"},
    {"List3", "Text16", "Command11", "Command10", "Command9"},
};

}  // namespace

Function2DDialog::Function2DDialog(Function2DDialogState state, std::function<bool(Function2DDialogState&)> onOk, QWidget* parent)
    : QDialog(parent), state_(std::move(state)), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("Function2DDialog"));
  setModal(true);
  BuildPages();
  FromState();
}

QWidget* Function2DDialog::Named(const char* name, QWidget* widget) {
  widget->setObjectName(Q(name));
  controls_[name] = widget;
  return widget;
}

QLabel* Function2DDialog::Label(const char* name, const char* caption, QWidget* parent) {
  auto* l = new QLabel(Q(caption), parent);
  Named(name, l);
  return l;
}

QLineEdit* Function2DDialog::Text(const char* name, QWidget* parent) {
  auto* t = new QLineEdit(parent);
  Named(name, t);
  return t;
}

QComboBox* Function2DDialog::Combo(const char* name, QWidget* parent) {
  auto* c = new QComboBox(parent);
  Named(name, c);
  return c;
}

// Line widths 1..8 and marker sizes 1..9 are picked or typed.
QComboBox* Function2DDialog::WidthCombo(const char* name, QWidget* parent) {
  QComboBox* c = Combo(name, parent);
  c->setEditable(true);
  for (int i = 1; i <= 8; ++i) c->addItem(QString::number(i));
  return c;
}

QComboBox* Function2DDialog::SizeCombo(const char* name, QWidget* parent) {
  QComboBox* c = Combo(name, parent);
  c->setEditable(true);
  for (int i = 1; i <= 9; ++i) c->addItem(QString::number(i));
  return c;
}

QComboBox* Function2DDialog::SymbolCombo(const char* name, QWidget* parent) {
  QComboBox* c = Combo(name, parent);
  for (const auto& item : kFunction2DSymbolItems) c->addItem(Q(item));
  return c;
}

QCheckBox* Function2DDialog::Check(const char* name, const char* caption, QWidget* parent) {
  auto* c = new QCheckBox(Q(caption), parent);
  Named(name, c);
  return c;
}

curvanta::Swatch* Function2DDialog::Picture(const char* name, QWidget* parent) {
  auto* s = new curvanta::Swatch(Q(name), parent);
  controls_[name] = s;
  return s;
}

// A swatch click opens the chooser on the swatch's colour; a chosen colour goes into the
// swatch's field.
void Function2DDialog::ConnectSwatches() {
  for (const Control& c : kControls) {
    auto* swatch = qobject_cast<curvanta::Swatch*>(controls_.at(c.name));
    auto colour = std::get_if<int& (*)(State&)>(&c.field);
    if (!swatch || !colour) continue;
    connect(swatch, &QAbstractButton::clicked, this, [this, swatch, field = *colour] {
      ToState();
      if (auto chosen = swatch->choose()) field(state_) = *chosen;
      FromState();
    });
  }
}

QPushButton* Function2DDialog::Button(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(Q(caption), parent);
  Named(name, b);
  b->setAutoDefault(false);
  return b;
}

void Function2DDialog::BuildPages() {
  auto* outer = new QVBoxLayout(this);
  // Twelve pages in two rows of six tabs, every tab in sight.
  tabs_ = new TwoRowTabs(6, this);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  outer->addWidget(tabs_);
  tabs_->addTab(FunctionPage(), Q("函数"));
  tabs_->addTab(PropertyPage(), Q("属性"));
  const char* titles[] = {"反函数", "导函数", "积分", "极值点和拐点", "奇偶性",
                          "根",     "曲率",   "弧长", "切线",         "法线"};
  for (int page = 2; page <= 11; ++page) tabs_->addTab(AnalysisPage(page), Q(titles[page - 2]));
  ConnectSwatches();

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
  forms_ = Combo("Combo3", page);
  top->addWidget(forms_, 2, 1);
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
    ApplyCoordinateSystem(state_);
    FromState();
  });
  connect(forms_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    ToState();
    state_.formIndex = index;
    ApplyForm(state_);
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
  g->addWidget(WidthCombo("Combo2", page), 2, 1);
  g->setRowStretch(3, 1);
  return page;
}

QWidget* Function2DDialog::PositionGroup(Function2DPositionGroup group, QWidget* parent) {
  static const char* const kLabels[3][2] = {
      {"Label36", "Label37"}, {"Label41", "Label42"}, {"Label46", "Label45"}};
  static const char* const kFrames[3] = {"Frame8", "Frame10", "Frame12"};
  const int index = static_cast<int>(group);
  const PositionControls& names = kPositionControls[index];
  auto* frame = new QGroupBox(Q("位置"), parent);
  frame->setObjectName(Q(kFrames[index]));
  auto* g = new QGridLayout(frame);
  g->addWidget(Label(kLabels[index][0], "输入一个自变量值", frame), 0, 0);
  g->addWidget(Text(names.input, frame), 1, 0);
  g->addWidget(Label(kLabels[index][1], "选定的值", frame), 0, 1);
  auto* list = new QListWidget(frame);
  Named(names.list, list);
  g->addWidget(list, 1, 1, 3, 1);
  QPushButton* add = Button(names.add, "添加", frame);
  QPushButton* remove = Button(names.remove, "删除", frame);
  QPushButton* reset = Button(names.reset, "重置", frame);
  g->addWidget(add, 1, 2);
  g->addWidget(remove, 2, 2);
  g->addWidget(reset, 3, 2);
  connect(add, &QPushButton::clicked, this, [this, group] {
    ToState();
    auto refusal = AddPosition(state_, group);
    FromState();
    ShowRefusal(refusal);
  });
  connect(remove, &QPushButton::clicked, this, [this, group] {
    ToState();
    DeletePosition(state_, group);
    FromState();
  });
  connect(reset, &QPushButton::clicked, this, [this, group] {
    ToState();
    ResetPositions(state_, group);
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
    row(f, f->layout(), Label(symbolLabel, "标记", f), SymbolCombo(symbol, f));
    row(f, f->layout(), Label(sizeLabel, "大小", f), SizeCombo(size, f));
  };
  switch (page) {
    case 2:
      v->addWidget(Check("Check1", "显示反函数的图形", w));
      colourRow(w, v, "Label16", "Picture2");
      row(w, v, Label("Label17", "宽度", w), WidthCombo("Combo4", w));
      break;
    case 3:
      v->addWidget(Check("Check2", "显示导函数的图形", w));
      colourRow(w, v, "Label18", "Picture3");
      row(w, v, Label("Label19", "宽度", w), WidthCombo("Combo5", w));
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
      row(f, f->layout(), Label("Label28", "宽度", f), WidthCombo("Combo10", f));
      break;
    }
    case 7:
      v->addWidget(Check("Check9", "显示根值点", w));
      colourRow(w, v, "Label31", "Picture9");
      row(w, v, Label("Label32", "大小", w), SizeCombo("Combo12", w));
      row(w, v, Label("Label33", "标记", w), SymbolCombo("Combo13", w));
      break;
    case 8: {
      v->addWidget(Check("Check10", "显示曲率圆", w));
      colourRow(w, v, "Label34", "Picture10");
      QGroupBox* f = frame("Frame7", "曲率圆的属性");
      row(f, f->layout(), Label("Label35", "宽度", f), WidthCombo("Combo14", f));
      v->addWidget(PositionGroup(Function2DPositionGroup::Curvature, w));
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
      row(f, f->layout(), Label("Label44", "宽度", f), WidthCombo("Combo15", f));
      v->addWidget(PositionGroup(Function2DPositionGroup::Tangent, w));
      break;
    }
    case 11: {
      v->addWidget(Check("Check15", "显示法线", w));
      colourRow(w, v, "Label48", "Picture12");
      QGroupBox* f = frame("Frame11", "法线的属性");
      row(f, f->layout(), Label("Label47", "宽度", f), WidthCombo("Combo16", f));
      v->addWidget(PositionGroup(Function2DPositionGroup::Normal, w));
      break;
    }
    default:
      break;
  }
  v->addStretch();
  return w;
}

void Function2DDialog::ToState() {
  for (const Control& c : kControls) {
    QWidget* w = controls_.at(c.name);
    if (auto text = std::get_if<std::string& (*)(State&)>(&c.field)) {
      if (auto* edit = qobject_cast<QLineEdit*>(w)) (*text)(state_) = edit->text().toStdString();
      if (auto* combo = qobject_cast<QComboBox*>(w))
        (*text)(state_) = combo->currentText().toStdString();
    } else if (auto check = std::get_if<bool& (*)(State&)>(&c.field)) {
      (*check)(state_) = static_cast<QCheckBox*>(w)->isChecked();
    } else if (auto number = std::get_if<int& (*)(State&)>(&c.field)) {
      if (auto* swatch = qobject_cast<curvanta::Swatch*>(w)) (*number)(state_) = swatch->colour();
      if (auto* combo = qobject_cast<QComboBox*>(w)) (*number)(state_) = combo->currentIndex();
    } else if (auto positions = std::get_if<Function2DPositionList& (*)(State&)>(&c.field)) {
      // The selected entry, not merely the current row: focus entering a list makes its
      // first row current without selecting it.
      auto* list = static_cast<QListWidget*>(w);
      const QList<QListWidgetItem*> picked = list->selectedItems();
      (*positions)(state_).selected = picked.isEmpty() ? -1 : list->row(picked.first());
    }
  }
}

void Function2DDialog::FromState() {
  setWindowTitle(Q(state_.caption));
  {
    QStringList items;
    for (const auto& item : state_.formItems) items << Q(item);
    QStringList shown;
    for (int i = 0; i < forms_->count(); ++i) shown << forms_->itemText(i);
    if (shown != items) {
      QSignalBlocker block(forms_);
      forms_->clear();
      forms_->addItems(items);
    }
  }
  for (const Control& c : kControls) {
    QWidget* w = controls_.at(c.name);
    QSignalBlocker block(w);
    if (auto text = std::get_if<std::string& (*)(State&)>(&c.field)) {
      const QString value = Q((*text)(state_));
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != value) edit->setText(value);
      } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(combo->findText(value));
        combo->setEditText(value);
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
      }
    } else if (auto check = std::get_if<bool& (*)(State&)>(&c.field)) {
      static_cast<QCheckBox*>(w)->setChecked((*check)(state_));
    } else if (auto number = std::get_if<int& (*)(State&)>(&c.field)) {
      if (auto* swatch = qobject_cast<curvanta::Swatch*>(w)) swatch->setColour((*number)(state_));
      if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setCurrentIndex((*number)(state_));
    } else if (auto positions = std::get_if<Function2DPositionList& (*)(State&)>(&c.field)) {
      auto* list = static_cast<QListWidget*>(w);
      const Function2DPositionList& entries = (*positions)(state_);
      list->clear();
      for (const auto& entry : entries.entries) list->addItem(Q(entry));
      list->setCurrentRow(entries.selected);
    }
    if (c.shown) w->setVisible(c.shown(state_));
    w->setEnabled(!c.enabled || c.enabled(state_));
  }
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
