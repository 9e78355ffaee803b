#pragma once
// TFnpNumericEdit: the whole-number field (counts of months and years). Its text is
// the value in the picture "0" (or "0." + Decimals zeros), without thousands separators.
// Keys follow widgets/model/WholeNumberField.h: 0 then 3, 6 gives 36; deleting both
// digits leaves 0. Enter and Escape go on to the window.
//
// A value with more than nine integer digits, or one that is not finite, is shown as
// "*********"; reading such a text (like any text that is not a number) raises
// EConvertError.
#include <cstdint>
#include <string>

#include "widgets/FieldStyle.h"
#include "widgets/model/WholeNumberField.h"

namespace zeb {

class TFnpNumericEdit : public TFieldEdit {
  Q_OBJECT
public:
  explicit TFnpNumericEdit(QWidget* parent = nullptr);

  int Decimals() const { return rules_.decimals; }
  void SetDecimals(int decimals);  // clamped to 0..9
  double MinValue() const { return rules_.minValue; }
  double MaxValue() const { return rules_.maxValue; }
  void SetMinValue(double v) { rules_.minValue = v; }
  void SetMaxValue(double v) { rules_.maxValue = v; }

  // The text as a decimal number; throws EConvertError on a text that is not one.
  double Value() const;
  // The text becomes the value in the picture (only when it differs).
  void SetValue(double value);
  // The whole-number reading: the value cut toward zero; EConvertError when the text is
  // not a number or the value does not fit 32 bits.
  std::int32_t AsInteger() const;

signals:
  // The text changed and its value lies within MinValue..MaxValue (or no range is set).
  void ValidChange();
  // The field was left holding a value outside MinValue..MaxValue.
  void InvalidEntry();

protected:
  void focusOutEvent(QFocusEvent* event) override;
  KeyResult ApplyKey(const FieldEdit& edit, FieldKey key) override;
  KeyResult ApplyPaste(const FieldEdit& edit, const std::string& text) override;
  CutResult ApplyCut(const FieldEdit& edit) override;

private:
  void textChangedSlot();
  WholeNumberRules rules_;
};

}  // namespace zeb
