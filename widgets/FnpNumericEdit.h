#pragma once
// TFnpNumericEdit: the whole-number field (counts of months and years). Its text is
// the value in the picture "0" (or "0." + Decimals zeros), without thousands separators.
#include <QLineEdit>

namespace zeb {

class TFnpNumericEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit TFnpNumericEdit(QWidget* parent = nullptr);

  int Decimals() const { return decimals_; }
  void SetDecimals(int decimals);  // clamped to 0..9
  double MinValue() const { return minValue_; }
  double MaxValue() const { return maxValue_; }
  void SetMinValue(double v) { minValue_ = v; }
  void SetMaxValue(double v) { maxValue_ = v; }

  // The text as a decimal number; throws EConvertError on a text that is not one.
  double Value() const;
  void SetValue(double value);
  // The whole-number reading: the value cut toward zero.
  std::int32_t AsInteger() const;

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  int decimals_ = 2;
  double minValue_ = 0;
  double maxValue_ = 0;
};

}  // namespace zeb
