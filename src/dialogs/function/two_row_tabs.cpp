// Tabs in rows over one page stack.
#include "dialogs/function/two_row_tabs.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace curvanta {

TwoRowTabs::TwoRowTabs(int perRow, QWidget* parent)
    : QWidget(parent), perRow_(perRow > 0 ? perRow : 1) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  rowsBox_ = new QWidget(this);
  auto* rowsLayout = new QVBoxLayout(rowsBox_);
  rowsLayout->setContentsMargins(0, 0, 0, 0);
  rowsLayout->setSpacing(0);
  outer->addWidget(rowsBox_);
  pages_ = new QStackedWidget(this);
  pages_->setFrameShape(QFrame::StyledPanel);
  outer->addWidget(pages_, 1);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idClicked, this, &TwoRowTabs::setCurrentIndex);
}

QHBoxLayout* TwoRowTabs::RowFor(int index) {
  const size_t row = static_cast<size_t>(index / perRow_);
  while (rows_.size() <= row) {
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    static_cast<QVBoxLayout*>(rowsBox_->layout())->addLayout(layout);
    rows_.push_back(layout);
  }
  return rows_[row];
}

int TwoRowTabs::addTab(QWidget* page, const QString& title) {
  const int index = static_cast<int>(tabs_.size());
  auto* button = new QToolButton(rowsBox_);
  button->setText(title);
  button->setCheckable(true);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  group_->addButton(button, index);
  RowFor(index)->addWidget(button);
  tabs_.push_back(button);
  pages_->addWidget(page);
  if (index == 0) button->setChecked(true);
  return index;
}

int TwoRowTabs::count() const { return pages_->count(); }

int TwoRowTabs::currentIndex() const { return pages_->currentIndex(); }

void TwoRowTabs::setCurrentIndex(int index) {
  if (index < 0 || index >= count()) return;
  tabs_[static_cast<size_t>(index)]->setChecked(true);
  if (index == pages_->currentIndex()) return;
  pages_->setCurrentIndex(index);
  emit currentChanged(index);
}

QWidget* TwoRowTabs::widget(int index) const { return pages_->widget(index); }

QWidget* TwoRowTabs::currentWidget() const { return pages_->currentWidget(); }

QToolButton* TwoRowTabs::tab(int index) const {
  return index >= 0 && index < count() ? tabs_[static_cast<size_t>(index)] : nullptr;
}

}  // namespace curvanta
