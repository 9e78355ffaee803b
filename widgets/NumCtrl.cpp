#include "widgets/NumCtrl.h"

#include <QFocusEvent>
#include <cmath>

#include "finance/TextForms.h"

namespace zeb {

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display();
}

void TNumEdit::SetMasks(const QString& positive, const QString& negative, const QString& zero) {
  positiveMask_ = positive.left(25);
  negativeMask_ = negative.left(25);
  zeroMask_ = zero.left(25);
  display();
}

void TNumEdit::SetValidation(bool on, long double min, long double max) {
  validation_ = on;
  min_ = min;
  max_ = max;
}

void TNumEdit::SetValue(long double value) {
  value_ = value;
  display();
}

void TNumEdit::display() {
  const long double scale = std::pow(10.0L, decimals_);
  const long double v = rounding_ ? std::round(value_ * scale) / scale : std::trunc(value_ * scale) / scale;
  setText(QString::number(static_cast<double>(v), 'g', 15));
}

void TNumEdit::focusOutEvent(QFocusEvent* event) {
  try {
    value_ = StrToExtended(text().remove(',').toStdString());
  } catch (const EConvertError&) {
    value_ = 0;
  }
  display();
  QLineEdit::focusOutEvent(event);
}

}  // namespace zeb
