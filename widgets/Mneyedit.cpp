#include "widgets/Mneyedit.h"

#include <QKeyEvent>

#include "finance/TextForms.h"

namespace zeb {

TMoneyEdit::TMoneyEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  resize(120, 24);
  SetTextAsFloat(0);
}

void TMoneyEdit::SetDecimals(int decimals) {
  if (decimals > 0 && decimals < maxLength_ - 1) decimals_ = decimals;
  SetMaxLength(maxLength_);
  reformat();
}

void TMoneyEdit::SetMaxLength(int length) {
  if (length < 20 && length > decimals_ + 1) {
    maxLength_ = length;
    if ((maxLength_ - decimals_ - 1) % 4 == 0) --maxLength_;
  }
}

long double TMoneyEdit::TextAsFloat() const {
  std::string digits;
  for (QChar c : text()) {
    if (c == ',' || c == '.') continue;
    digits += c.toLatin1();
  }
  try {
    if (digits.size() > static_cast<size_t>(decimals_))
      digits.insert(digits.size() - decimals_, 1, '.');
    return StrToExtended(digits);
  } catch (const EConvertError&) {
    return 0;
  }
}

void TMoneyEdit::SetTextAsFloat(long double value) {
  setText(QString::fromStdString(FormatMoneyPicture(value, decimals_)));
}

void TMoneyEdit::reformat() { SetTextAsFloat(TextAsFloat()); }

void TMoneyEdit::keyPressEvent(QKeyEvent* event) { QLineEdit::keyPressEvent(event); }

void TMoneyEdit::focusInEvent(QFocusEvent* event) { QLineEdit::focusInEvent(event); }

}  // namespace zeb
