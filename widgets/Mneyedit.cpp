#include "widgets/Mneyedit.h"

#include <QFocusEvent>

namespace zeb {

TMoneyEdit::TMoneyEdit(QWidget* parent) : TFieldEdit(parent) {
  resize(120, 24);
  SetTextAsFloat(0);
}

void TMoneyEdit::SetDecimals(int decimals) {
  const long double value = TextAsFloat();
  SetMoneyDecimals(rules_, decimals);
  SetTextAsFloat(value);
}

void TMoneyEdit::SetMaxLength(int length) { SetMoneyMaxLength(rules_, length); }

QString TMoneyEdit::DisplayMask() const {
  return QStringLiteral("#,##0.") + QString(rules_.decimals, QLatin1Char('0'));
}

long double TMoneyEdit::TextAsFloat() const {
  return MoneyValue(text().toStdString(), rules_.decimals);
}

void TMoneyEdit::SetTextAsFloat(long double value) {
  const QString t = QString::fromStdString(MoneyText(value, rules_));
  SetValueText(t);
}

void TMoneyEdit::focusInEvent(QFocusEvent* event) {
  TFieldEdit::focusInEvent(event);
  // Back from a popup menu (the context menu's Copy, say) is no entering: caret and
  // selection stay.
  if (event->reason() == Qt::PopupFocusReason) return;
  SetEditState(MoneyEnter(text().toStdString(), rules_));
}

std::optional<FieldEdit> TMoneyEdit::EnteredState() const {
  return MoneyEnter(text().toStdString(), rules_);
}

KeyResult TMoneyEdit::ApplyKey(const FieldEdit& edit, FieldKey key) {
  return MoneyKey(edit, key, rules_);
}

KeyResult TMoneyEdit::ApplyPaste(const FieldEdit& edit, const std::string& text) {
  return MoneyPaste(edit, text, rules_);
}

CutResult TMoneyEdit::ApplyCut(const FieldEdit& edit) { return MoneyCut(edit, rules_); }

}  // namespace zeb
