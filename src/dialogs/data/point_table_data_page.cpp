// The data page's widgets and its buttons.
#include "dialogs/data/point_table_data_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/file_chooser.h"
#include "dialogs/data/point_table_view.h"
#include "dialogs/data/table_dialog_widgets.h"

namespace curvanta {

namespace {

void Show(const std::optional<Message>& message) {
  if (message) ShowMessage(message->text, message->title, message->icon, message->buttons);
}

}  // namespace

PointTableDataPage::PointTableDataPage(PointTableData& data, QWidget* parent)
    : QWidget(parent), data_(data) {
  const bool solid = data.kind == PointTableKind::Table3D;
  auto* fields = new QGridLayout;
  auto* nameLabel = new QLabel(QStringLiteral("名称"), this);
  name_ = new QLineEdit(this);
  fields->addWidget(nameLabel, 0, 0);
  fields->addWidget(name_, 0, 1, 1, 3);
  QLabel* countLabel = nullptr;
  QLabel* columnLabel = nullptr;
  if (solid) {
    countLabel = new QLabel(QStringLiteral("行"), this);
    rowCount_ = new QLineEdit(this);
    columnLabel = new QLabel(QStringLiteral("列"), this);
    columnCount_ = new QLineEdit(this);
    fields->addWidget(countLabel, 1, 0);
    fields->addWidget(rowCount_, 1, 1);
    fields->addWidget(columnLabel, 1, 2);
    fields->addWidget(columnCount_, 1, 3);
  } else {
    countLabel = new QLabel(QStringLiteral("点数"), this);
    pointCount_ = new QLineEdit(this);
    fields->addWidget(countLabel, 1, 0);
    fields->addWidget(pointCount_, 1, 1);
  }
  grid_ = new PointTableView(data.editor, this);
  // Grid width in twips (4165 or 5665) at 15 twips to the pixel, height 3075.
  grid_->setMinimumSize((solid ? 5665 : 4165) / 15, 3075 / 15);
  auto* reset = new QPushButton(QStringLiteral("重置"), this);
  auto* exportButton = new QPushButton(QStringLiteral("导出..."), this);
  auto* importButton = new QPushButton(QStringLiteral("导入..."), this);

  // Control names of the page.
  NameControls({
      {nameLabel, "Label1"},     {name_, "Text1"},         {countLabel, "Label2"},
      {pointCount_, "Text2"},    {rowCount_, "Text2"},     {columnLabel, "Label3"},
      {columnCount_, "Text3"},   {grid_, "fgdGrid"},       {grid_->editorBox(), "txtRep"},
      {reset, "Command5"},       {exportButton, "Command2"}, {importButton, "Command1"},
  });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {reset, exportButton, importButton}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  auto* v = new QVBoxLayout(this);
  v->addLayout(fields);
  v->addWidget(grid_, 1);
  v->addLayout(buttons);
  connect(reset, &QPushButton::clicked, this, &PointTableDataPage::Command5_Click);
  connect(exportButton, &QPushButton::clicked, this, &PointTableDataPage::Command2_Click);
  connect(importButton, &QPushButton::clicked, this, &PointTableDataPage::Command1_Click);
  fromData();
}

void PointTableDataPage::toData() {
  data_.name = name_->text().toStdString();
  if (pointCount_) data_.pointCount = pointCount_->text().toStdString();
  if (rowCount_) data_.rowCount = rowCount_->text().toStdString();
  if (columnCount_) data_.columnCount = columnCount_->text().toStdString();
}

void PointTableDataPage::fromData() {
  auto set = [](QLineEdit* edit, const std::string& text) {
    if (edit && edit->text() != QString::fromStdString(text)) edit->setText(QString::fromStdString(text));
  };
  set(name_, data_.name);
  set(pointCount_, data_.pointCount);
  set(rowCount_, data_.rowCount);
  set(columnCount_, data_.columnCount);
  grid_->relayout();
}

void PointTableDataPage::Command5_Click() {
  toData();
  ResetPointTable(data_);
  fromData();
}

void PointTableDataPage::Command2_Click() {
  toData();
  Show(ExportPointTable(data_, CurrentFileChooser(), window()));
}

void PointTableDataPage::Command1_Click() {
  toData();
  const std::optional<Message> refusal = ImportPointTable(data_, CurrentFileChooser(), window());
  fromData();
  Show(refusal);
}

}  // namespace curvanta
