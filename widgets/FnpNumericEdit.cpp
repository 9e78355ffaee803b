#include "widgets/FnpNumericEdit.h"

#include <QFocusEvent>
#include <algorithm>
#include <cmath>

#include "finance/Errors.h"

namespace zeb {

TFnpNumericEdit::TFnpNumericEdit(QWidget* parent) : TFieldEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, &TFnpNumericEdit::textChangedSlot);
  SetValue(0);
}

void TFnpNumericEdit::SetDecimals(int decimals) {
  double value = 0;
  try {
    value = Value();
  } catch (const EConvertError&) {
    value = std::nan("");
  }
  rules_.decimals = std::clamp(decimals, 0, 9);
  SetValue(value);
}

double TFnpNumericEdit::Value() const { return WholeNumberValue(text().toStdString()); }

void TFnpNumericEdit::SetValue(double value) {
  const QString t = QString::fromStdString(WholeNumberText(value, rules_.decimals));
  SetValueText(t);
}

std::int32_t TFnpNumericEdit::AsInteger() const {
  const double v = std::trunc(Value());
  if (!(v >= -2147483648.0 && v <= 2147483647.0))
    throw EConvertError("'" + text().toStdString() + "' is not a valid integer value");
  return static_cast<std::int32_t>(v);
}

void TFnpNumericEdit::textChangedSlot() {
  try {
    if (rules_.InRange(Value())) emit ValidChange();
  } catch (const EConvertError&) {
  }
}

void TFnpNumericEdit::focusOutEvent(QFocusEvent* event) {
  TFieldEdit::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
    return;
  if (!rules_.RangeSet()) return;
  bool inRange = false;
  try {
    inRange = rules_.InRange(Value());
  } catch (const EConvertError&) {
  }
  if (!inRange) emit InvalidEntry();
}

KeyResult TFnpNumericEdit::ApplyKey(const FieldEdit& edit, FieldKey key) {
  return WholeNumberKey(edit, key, rules_);
}

KeyResult TFnpNumericEdit::ApplyPaste(const FieldEdit& edit, const std::string& text) {
  return WholeNumberPaste(edit, text, rules_);
}

CutResult TFnpNumericEdit::ApplyCut(const FieldEdit& edit) { return WholeNumberCut(edit, rules_); }

}  // namespace zeb
