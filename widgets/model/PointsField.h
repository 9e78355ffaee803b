#pragma once
// Rules of the points field (TNumEdit), free of any toolkit.
//
// Display: the value is rounded (rounding on) or cut toward zero (rounding off) to
// Decimals places, then formatted: the general type by its masks "positive;negative;
// zero" (an empty negative or zero mask falls back to the positive one), the currency
// type in the currency form with Digits precision, the percentage type as the value
// times 100 in fixed form followed by "%" (the places are kept on the percent figure,
// so 0.125 with 2 decimals shows 12.50%). With "#,##0.###", 3 decimals and rounding
// off: 1.5 shows 1.5, 1234.5678 shows 1,234.567 and 0 shows 0.
//
// Editing: entering reduces the text to digits, separators and a leading minus for a
// negative value; digits and thousands separators are typed at the caret, the decimal
// separator and the minus once each; the text holds at most Digits characters plus one
// for each of those two. Leaving reads the digits and the decimal separator, negated
// when the text begins or ends with a minus (an empty text is 0).
#include <string>

#include "widgets/model/FieldEdit.h"

namespace zeb {

enum class PointsType { General, Currency, Percentage };

struct PointsRules {
  PointsType type = PointsType::Currency;
  int digits = 12;
  int decimals = 2;
  std::string positiveMask = "#,##0", negativeMask, zeroMask;
  bool rounding = true;
  bool validation = false;
  long double min = 0, max = 0;
};

// A number in a format mask of "#", "0", ",", "." and literal text around them,
// with up to three sections "positive;negative;zero".
std::string FormatFloatMask(long double value, const std::string& positive,
                            const std::string& negative, const std::string& zero);

// The text shown for `value` (the overflow text of Digits stars when not finite or
// too big).
std::string PointsText(long double value, const PointsRules& rules);
// The text on entering the field.
std::string PointsEntryText(const std::string& shown, long double value);
// The most characters `text` may have: Digits, one more for a decimal separator and
// one more for a minus.
int PointsMaxLength(const std::string& text, int digits);

KeyResult PointsKey(const FieldEdit& edit, FieldKey key, const PointsRules& rules);
KeyResult PointsPaste(const FieldEdit& edit, const std::string& clip, const PointsRules& rules);
CutResult PointsCut(const FieldEdit& edit);

// Leaving the field.
struct PointsReading {
  enum class Outcome { Stored, OutOfRange, Unreadable } outcome = Outcome::Stored;
  long double typed = 0;   // the number read from the text
  long double stored = 0;  // what the field keeps (a hundredth for percentages; 0 when unreadable)
};
PointsReading PointsRead(const std::string& text, const PointsRules& rules);
// "Value must be between " + Min + " and " + Max, in the plain number form.
std::string PointsRangeMessage(const PointsRules& rules);

}  // namespace zeb
