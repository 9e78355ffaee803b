#pragma once
// TNumEdit: the points field (loan-comparison points). General, currency or
// percentage type; rounds or cuts to Decimals places for display (the rules are in
// widgets/model/PointsField.h). Entering reduces the text to its digits and
// separators; leaving reads it, and with validation on a value outside Min..Max shows
// "Value must be between <Min> and <Max>", selects the whole text and keeps the focus.
//
// A value that is not finite (or 1e18 and more) shows Digits stars; passing through
// the field without typing keeps that value rather than turning it into 0.
#include <QString>
#include <string>

#include "widgets/FieldStyle.h"
#include "widgets/model/PointsField.h"

namespace zeb {

class TNumEdit : public TFieldEdit {
  Q_OBJECT
public:
  enum class NumericType { General, Currency, Percentage };
  explicit TNumEdit(QWidget* parent = nullptr);

  void SetNumericType(NumericType t);
  void SetDigits(int digits);
  void SetDecimals(int decimals);
  // Each mask at most 25 characters; empty negative and zero masks use the positive one.
  void SetMasks(const QString& positive, const QString& negative, const QString& zero);
  void SetRounding(bool on);
  void SetValidation(bool on, long double min = 0, long double max = 0);

  NumericType Type() const;
  int Digits() const { return rules_.digits; }
  int Decimals() const { return rules_.decimals; }
  bool Rounding() const { return rules_.rounding; }
  bool Validation() const { return rules_.validation; }
  long double Min() const { return rules_.min; }
  long double Max() const { return rules_.max; }

  // The stored value; while the field has the focus, the value of the text typed so
  // far (when it reads and lies in range), so a page reading on leaving sees it.
  long double Value() const;
  void SetValue(long double value);

protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  KeyResult ApplyKey(const FieldEdit& edit, FieldKey key) override;
  KeyResult ApplyPaste(const FieldEdit& edit, const std::string& text) override;
  CutResult ApplyCut(const FieldEdit& edit) override;

private:
  void display();
  PointsRules rules_;
  long double value_ = 0;
  bool editing_ = false;
  bool leaving_ = false;
  QString enteredText_;
};

}  // namespace zeb
