#pragma once
// TMoneyEdit: the money entry field. A one-line, right-aligned field whose text is
// always the value in the picture "#,##0." + Decimals zeros (123,456.79). Reading
// takes only the digits: separators removed, the decimal point put back before the
// last Decimals digits, so "1,234.56" reads 1234.56.
//
// Every key goes through the rules of widgets/model/MoneyField.h (the caret enters
// just before the decimal separator; digits, "." / ",", Backspace and Delete; nothing
// else reaches the text). Paste takes a whole amount or nothing.
//
// The first click after the field got the focus (by that click, by Tab or from the
// page), before any key, also puts the caret before the decimal separator, wherever
// it fell (unless it dragged a selection): a click at the right end would otherwise
// leave the caret after the last decimal, where digits are ignored, and a click left
// of the text would put typed digits in front of the "0". Later clicks place the caret
// where they fall.
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

  long double TextAsFloat() const;
  void SetTextAsFloat(long double value);

protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  KeyResult ApplyKey(const FieldEdit& edit, FieldKey key) override;
  KeyResult ApplyPaste(const FieldEdit& edit, const std::string& text) override;
  CutResult ApplyCut(const FieldEdit& edit) override;

private:
  MoneyRules rules_;
  // The field has the focus and neither a click nor a key has placed the caret since.
  bool clickEntry_ = false;
};

}  // namespace zeb
