#pragma once
// TNumEdit: the points field (loan-comparison points). General, currency or
// percentage type; rounds or cuts to Decimals places for display.
#include <QLineEdit>

namespace zeb {

class TNumEdit : public QLineEdit {
  Q_OBJECT
public:
  enum class NumericType { General, Currency, Percentage };
  explicit TNumEdit(QWidget* parent = nullptr);

  void SetNumericType(NumericType t) { type_ = t; display(); }
  void SetDigits(int digits) { digits_ = digits; display(); }
  void SetDecimals(int decimals) { decimals_ = decimals; display(); }
  void SetMasks(const QString& positive, const QString& negative, const QString& zero);
  void SetRounding(bool on) { rounding_ = on; display(); }
  void SetValidation(bool on, long double min = 0, long double max = 0);

  long double Value() const { return value_; }
  void SetValue(long double value);

protected:
  void focusOutEvent(QFocusEvent* event) override;

private:
  void display();
  NumericType type_ = NumericType::Currency;
  int digits_ = 12;
  int decimals_ = 2;
  QString positiveMask_ = "#,##0", negativeMask_, zeroMask_;
  bool rounding_ = true;
  bool validation_ = false;
  long double min_ = 0, max_ = 0;
  long double value_ = 0;
};

}  // namespace zeb
