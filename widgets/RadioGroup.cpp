#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "widgets/Guarded.h"
#include "widgets/UiText.h"

namespace zeb {

TRadioGroup::TRadioGroup(const QString& name, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)) {
  setObjectName(name);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(2, 2, 0, 2);
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(0);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(name + QString::number(i));
    SetNavyText(b);
    group_->addButton(b, i);
    grid->addWidget(b, i / columns, i % columns);
    connect(b, &QRadioButton::toggled, this, &TRadioGroup::itemToggled);
    buttons_.push_back(b);
  }
  updateTabStop();
}

void TRadioGroup::showEvent(QShowEvent* event) {
  QGroupBox::showEvent(event);
  // A page orders its groups by their first items; the others follow the first in
  // the focus chain, so Tab from whichever item is chosen goes on past the group.
  for (size_t i = 1; i < buttons_.size(); ++i) setTabOrder(buttons_[i - 1], buttons_[i]);
}

void TRadioGroup::updateTabStop() {
  // The Tab order holds one item of the group: the chosen one, or the first when none
  // is chosen, so tabbing into the group lands on the choice. The arrow keys move
  // between the items.
  const int chosen = std::max(ItemIndex(), 0);
  for (int i = 0; i < Count(); ++i) {
    QRadioButton* b = buttons_[static_cast<size_t>(i)];
    const Qt::FocusPolicy policy = i == chosen ? Qt::StrongFocus : Qt::ClickFocus;
    if (b->focusPolicy() != policy) b->setFocusPolicy(policy);
  }
}

void TRadioGroup::KeepItemsWithin(int rightEdge) {
  QMargins m = layout()->contentsMargins();
  m.setRight(std::max(0, x() + width() - rightEdge));
  layout()->setContentsMargins(m);
}

int TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, Count() - 1);
  if (index == ItemIndex()) return;
  if (index < 0) {
    group_->setExclusive(false);
    group_->checkedButton()->setChecked(false);
    group_->setExclusive(true);
    updateTabStop();
    return;
  }
  settingInCode_ = true;
  pending_ = nullptr;
  buttons_[static_cast<size_t>(index)]->setChecked(true);
  settingInCode_ = false;
  if (pending_) std::rethrow_exception(std::exchange(pending_, nullptr));
}

void TRadioGroup::itemToggled(bool checked) {
  if (!checked) return;
  updateTabStop();
  if (!onClick_) return;
  if (!settingInCode_) {
    Guarded(onClick_);
    return;
  }
  // Exceptions do not pass through the toolkit's signals: keep it for SetItemIndex.
  try {
    onClick_();
  } catch (...) {
    pending_ = std::current_exception();
  }
}

}  // namespace zeb
