#include "widgets/NumCtrl.h"

#include <QFocusEvent>
#include <cmath>

#include "widgets/Messages.h"

namespace zeb {

TNumEdit::TNumEdit(QWidget* parent) : TFieldEdit(parent) { display(); }

void TNumEdit::SetNumericType(NumericType t) {
  rules_.type = t == NumericType::General    ? PointsType::General
                : t == NumericType::Currency ? PointsType::Currency
                                             : PointsType::Percentage;
  display();
}

TNumEdit::NumericType TNumEdit::Type() const {
  switch (rules_.type) {
    case PointsType::General: return NumericType::General;
    case PointsType::Currency: return NumericType::Currency;
    case PointsType::Percentage: break;
  }
  return NumericType::Percentage;
}

void TNumEdit::SetDigits(int digits) {
  rules_.digits = std::max(digits, 1);
  display();
}

void TNumEdit::SetDecimals(int decimals) {
  rules_.decimals = std::clamp(decimals, 0, 18);
  display();
}

void TNumEdit::SetMasks(const QString& positive, const QString& negative, const QString& zero) {
  rules_.positiveMask = positive.left(25).toStdString();
  rules_.negativeMask = negative.left(25).toStdString();
  rules_.zeroMask = zero.left(25).toStdString();
  display();
}

void TNumEdit::SetRounding(bool on) {
  rules_.rounding = on;
  display();
}

void TNumEdit::SetValidation(bool on, long double min, long double max) {
  rules_.validation = on;
  rules_.min = min;
  rules_.max = max;
}

void TNumEdit::SetValue(long double value) {
  value_ = value;
  display();
}

void TNumEdit::display() {
  const QString t = QString::fromStdString(PointsText(value_, rules_));
  if (editing_) {
    const QString reduced = QString::fromStdString(PointsEntryText(t.toStdString(), value_));
    SetValueText(reduced);
    enteredText_ = reduced;
  } else {
    SetValueText(t);
  }
}

void TNumEdit::focusInEvent(QFocusEvent* event) {
  TFieldEdit::focusInEvent(event);
  if (editing_) return;
  editing_ = true;
  display();
}

long double TNumEdit::Value() const {
  if (editing_ && !(text() == enteredText_ && !std::isfinite(value_))) {
    const PointsReading r = PointsRead(text().toStdString(), rules_);
    if (r.outcome == PointsReading::Outcome::Stored) return r.stored;
  }
  return value_;
}

void TNumEdit::focusOutEvent(QFocusEvent* event) {
  TFieldEdit::focusOutEvent(event);
  // A popup menu or another window taking the focus is not leaving the field.
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
    return;
  if (!editing_ || leaving_) return;
  const std::string typed = text().toStdString();
  const bool untouched = text() == enteredText_;
  const PointsReading r = PointsRead(typed, rules_);
  if (r.outcome == PointsReading::Outcome::OutOfRange) {
    // Keep the text as typed, say so, and bring the user back to it.
    leaving_ = true;
    ShowInformation(QString::fromStdString(PointsRangeMessage(rules_)));
    setFocus(Qt::OtherFocusReason);
    selectAll();
    leaving_ = false;
    return;
  }
  editing_ = false;
  if (!(untouched && !std::isfinite(value_)))
    value_ = r.outcome == PointsReading::Outcome::Unreadable ? 0 : r.stored;
  display();
}

KeyResult TNumEdit::ApplyKey(const FieldEdit& edit, FieldKey key) {
  return PointsKey(edit, key, rules_);
}

KeyResult TNumEdit::ApplyPaste(const FieldEdit& edit, const std::string& text) {
  return PointsPaste(edit, text, rules_);
}

CutResult TNumEdit::ApplyCut(const FieldEdit& edit) { return PointsCut(edit); }

}  // namespace zeb
