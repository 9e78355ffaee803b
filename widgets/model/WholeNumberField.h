#pragma once
// Key rules of the whole-number field (TFnpNumericEdit), free of any toolkit.
//
// The text is the value in the picture "0" (or "0." + Decimals zeros), with no
// thousands separators. Keys:
//   - any typed key first deletes a selection;
//   - digits, the minus sign, Backspace, Delete and the decimal separator are taken,
//     anything else is discarded; the separator only with decimals (it moves the caret
//     after it); the minus never enters the text: when MinValue is below 0 it adds or
//     removes a leading minus;
//   - a "0" at the very start is discarded; when the integer part is "0" and the caret
//     stands at its start or just after it, a digit replaces the "0";
//   - Backspace and Delete remove one character; a text left empty becomes "0" with
//     the caret after it;
//   - paste deletes the selection and types the clipboard's characters one by one.
// Example: 0, typing 3 then 6 gives 36; Backspace twice gives 0.
//
// The integer part holds at most kWholeNumberDigits digits (so every typed value is a
// 32-bit count); a longer value set from outside shows the overflow text.
#include <string>

#include "widgets/model/FieldEdit.h"

namespace zeb {

inline constexpr int kWholeNumberDigits = 9;

struct WholeNumberRules {
  int decimals = 2;  // 0..9
  double minValue = 0;
  double maxValue = 0;
  bool RangeSet() const { return minValue != maxValue; }
  bool InRange(double v) const { return !RangeSet() || (v >= minValue && v <= maxValue); }
};

// The text of `value` in the field's picture, or the overflow text.
std::string WholeNumberText(double value, int decimals);
// The text as a decimal number; throws EConvertError on a text that is not one.
double WholeNumberValue(const std::string& text);

KeyResult WholeNumberKey(const FieldEdit& edit, FieldKey key, const WholeNumberRules& rules);
KeyResult WholeNumberPaste(const FieldEdit& edit, const std::string& clip,
                           const WholeNumberRules& rules);
CutResult WholeNumberCut(const FieldEdit& edit, const WholeNumberRules& rules);

}  // namespace zeb
