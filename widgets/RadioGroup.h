#pragma once
// TRadioGroup: a group box of option buttons, one chosen at a time. Choosing an item,
// by a click or in code, runs the group's click handler when the index changes, as a
// user's click would. Tabbing into the group lands on the chosen item (the first when
// none is chosen); the arrow keys move among the items.
#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace zeb {

// A radio group: the items as radio buttons in a grid of `columns` columns. Choosing
// an item, by a click or by SetItemIndex, runs the click handler when the index
// changes. A user's click runs it inside Guarded(); SetItemIndex passes the handler's
// exception on to its own caller, as any other code path would.
class TRadioGroup : public QGroupBox {
  Q_OBJECT
public:
  TRadioGroup(const QString& name, const QStringList& items, int columns, QWidget* parent);

  int ItemIndex() const;  // -1 when no item is chosen
  // Clamped to -1 .. Count() - 1; -1 clears the choice without running the handler.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

  void SetClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

  // Lays the items out within the part of the group left of `rightEdge` (in the
  // parent's coordinates), so a group that reaches past its parent still shows every
  // item whole; the group's own geometry is not changed.
  void KeepItemsWithin(int rightEdge);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void itemToggled(bool checked);
  void updateTabStop();

  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
  std::function<void()> onClick_;
  bool settingInCode_ = false;
  std::exception_ptr pending_;
};

}  // namespace zeb
