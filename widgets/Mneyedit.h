#pragma once
// TMoneyEdit: the money entry field. A one-line, right-aligned field whose text is
// always the value in the picture "#,##0." + Decimals zeros (123,456.79). Reading
// takes only the digits: separators removed, the decimal point put back before the
// last Decimals digits, so "1,234.56" reads 1234.56.
#include <QLineEdit>

namespace zeb {

class TMoneyEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit TMoneyEdit(QWidget* parent = nullptr);

  int Decimals() const { return decimals_; }
  // Accepted when 0 < decimals < MaxLength - 1; re-applies MaxLength and reformats.
  void SetDecimals(int decimals);
  int MaxLength() const { return maxLength_; }
  // Accepted when Decimals + 1 < length < 20; lowered by one when
  // length - Decimals - 1 is a multiple of 4 (no text ends on a bare separator).
  void SetMaxLength(int length);

  long double TextAsFloat() const;
  void SetTextAsFloat(long double value);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

private:
  void reformat();
  int decimals_ = 2;
  int maxLength_ = 16;
};

}  // namespace zeb
