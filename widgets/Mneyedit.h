#pragma once
// TMoneyEdit: the money entry field. A one-line, right-aligned field whose text is
// always the value in the picture "#,##0." + Decimals zeros (123,456.79). Reading
// takes only the digits: separators removed, the decimal point put back before the
// last Decimals digits, so "1,234.56" reads 1234.56.
//
// Every key goes through the rules of widgets/model/MoneyField.h (the caret enters
// just before the decimal separator; digits, "." / ",", Backspace and Delete; nothing
// else reaches the text). Paste takes a whole amount or nothing, its sign dropped as a
// typed minus is unless the field allows negatives (SetAllowNegative).
// The first click into the field puts the caret there too, wherever it fell (see
// TFieldEdit): a click left of the text would otherwise put typed digits in front of
// the "0", one at the right end after the decimals, where digits are ignored.
//
// A value the field cannot hold (not finite, or 1e18 and more) is shown as MaxLength
// stars ("****************") and reads back as NaN, so a calculation made from it ends
// in the math-error path instead of a made-up number.
#include <string>

#include "widgets/FieldStyle.h"
#include "widgets/model/MoneyField.h"

namespace zeb {

class TMoneyEdit : public TFieldEdit {
  Q_OBJECT
public:
  explicit TMoneyEdit(QWidget* parent = nullptr);

  int Decimals() const { return rules_.decimals; }
  // Accepted when 0 < decimals < MaxLength - 1; re-applies MaxLength and shows the
  // same value with the new number of decimals.
  void SetDecimals(int decimals);
  int MaxLength() const { return rules_.maxLength; }
  // Accepted when Decimals + 1 < length < 20; lowered by one when
  // length - Decimals - 1 is a multiple of 4 (no text ends on a bare separator).
  // It limits typing only: a longer value set from outside is shown whole.
  void SetMaxLength(int length);
  // "#,##0." + Decimals zeros.
  QString DisplayMask() const;

  // Whether the amount may be negative (cash flows, withdrawals): then "-" changes its
  // sign and a pasted negative amount keeps its sign. Off by default: a typed or pasted
  // sign is dropped.
  bool AllowNegative() const { return rules_.allowNegative; }
  void SetAllowNegative(bool allow) { rules_.allowNegative = allow; }

  long double TextAsFloat() const;
  void SetTextAsFloat(long double value);

protected:
  void focusInEvent(QFocusEvent* event) override;
  std::optional<FieldEdit> EnteredState() const override;
  KeyResult ApplyKey(const FieldEdit& edit, FieldKey key) override;
  KeyResult ApplyPaste(const FieldEdit& edit, const std::string& text) override;
  CutResult ApplyCut(const FieldEdit& edit) override;

private:
  MoneyRules rules_;
};

}  // namespace zeb
