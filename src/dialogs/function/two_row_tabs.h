// A page stack under tabs laid out in rows (two rows of six for twelve pages), so that every
// page's tab shows at once and none hides behind scroll arrows. Exactly one tab is checked
// across all rows; picking a tab in any row shows its page.
#pragma once

#include <QWidget>
#include <vector>

class QButtonGroup;
class QHBoxLayout;
class QStackedWidget;
class QToolButton;

namespace curvanta {

class TwoRowTabs : public QWidget {
  Q_OBJECT

 public:
  // `perRow` tabs go into the first row, the next `perRow` into the second, and so on.
  explicit TwoRowTabs(int perRow, QWidget* parent = nullptr);

  // Adds a page with its tab title; returns its index. The first page added is current.
  int addTab(QWidget* page, const QString& title);
  int count() const;
  int currentIndex() const;
  void setCurrentIndex(int index);
  QWidget* widget(int index) const;
  QWidget* currentWidget() const;
  // The tab button of a page (for tests and focus order).
  QToolButton* tab(int index) const;

 signals:
  void currentChanged(int index);

 private:
  QHBoxLayout* RowFor(int index);

  int perRow_;
  QWidget* rowsBox_;
  std::vector<QHBoxLayout*> rows_;
  QButtonGroup* group_;
  QStackedWidget* pages_;
  std::vector<QToolButton*> tabs_;
};

}  // namespace curvanta
