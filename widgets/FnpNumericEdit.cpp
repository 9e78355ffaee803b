#include "widgets/FnpNumericEdit.h"

#include <QKeyEvent>
#include <cmath>

#include "finance/TextForms.h"

namespace zeb {

TFnpNumericEdit::TFnpNumericEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetValue(0);
}

void TFnpNumericEdit::SetDecimals(int decimals) {
  decimals_ = std::clamp(decimals, 0, 9);
  SetValue(Value());
}

double TFnpNumericEdit::Value() const { return StrToFloat(text().toStdString()); }

void TFnpNumericEdit::SetValue(double value) {
  const QString t = QString::number(value, 'f', decimals_);
  if (t != text()) setText(t);
}

std::int32_t TFnpNumericEdit::AsInteger() const {
  const double v = std::trunc(Value());
  if (!(v >= -2147483648.0 && v <= 2147483647.0))
    throw EConvertError("'" + text().toStdString() + "' is not a valid integer value");
  return static_cast<std::int32_t>(v);
}

void TFnpNumericEdit::keyPressEvent(QKeyEvent* event) { QLineEdit::keyPressEvent(event); }

}  // namespace zeb
