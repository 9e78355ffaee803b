#pragma once
// Key rules of the money entry field (TMoneyEdit), free of any toolkit.
//
// The text is always the value in the picture "#,##0." + Decimals zeros: 1,234.56.
// Reading takes only the digits: every separator removed, the decimal point put back
// before the last Decimals digits, so "1,234.56" reads 1234.56 and a leading minus
// makes it negative. Each key below is applied, the text is read and written back in
// the picture, and the caret is put back T characters from the end, where T is the
// number of characters after the caret (after the selection's end) before the key:
//
//   digit, T > Decimals      inserted at the caret if the text is shorter than MaxLength
//   digit, 1 <= T <= Dec.    overwrites the decimal after the caret, caret one right
//   digit, T = 0             ignored
//   "." or ","               caret just after the decimal separator
//   "-"                      changes the sign when the field allows negatives (a zero
//                            stays unsigned), caret kept T from the end; else ignored
//   Backspace, T > Dec.      deletes the character before the caret (the digit before
//                            a thousands separator)
//   Backspace, T = Dec.      deletes the last integer digit, caret before the separator
//   Backspace, T < Dec.      the decimal before the caret becomes 0, caret one left
//   Delete, T > Dec. + 1     deletes the character after the caret (the digit after a
//                            thousands separator)
//   Delete, 1 <= T <= Dec.+1 the decimal after the caret (after the separator) becomes
//                            0, caret past it; T = 0: nothing
//   anything else            discarded
//
// Example: 0.00 with the caret before the separator, typing 1 2 5 0 0 0 gives
// 125,000.00; then "." 7 5 gives 125,000.75.
//
// A selection is first cleared when a digit, Backspace or Delete arrives: its integer
// digits go, its decimals become 0, its separators stay; the caret then stands where
// the selection began (just before the decimal separator when the selection held it).
// Backspace and Delete stop there. Paste takes a whole amount (ParsePastedAmount) and
// makes it the value when it fits MaxLength, else it is refused; its minus sign or
// parentheses are dropped, as a typed minus is, unless the field allows negatives; cut copies the
// selection and clears it as above.
#include <string>

#include "widgets/model/FieldEdit.h"

namespace zeb {

struct MoneyRules {
  // Off: the minus key and a pasted sign are dropped (no field the keyboard cannot
  // make negative gets a negative amount from the clipboard). On, for the amounts that
  // may be negative (cash flows, withdrawals): "-" changes the sign and a pasted
  // negative amount stays negative.
  bool allowNegative = false;
  int decimals = 2;
  int maxLength = 16;           // effective: after the lowering rule
  int requestedMaxLength = 16;  // as last set, so a later Decimals re-applies it
};

// Accepted when 0 < decimals < maxLength - 1; then the requested MaxLength is applied
// again. Returns whether the value was taken.
bool SetMoneyDecimals(MoneyRules& rules, int decimals);
// Accepted when decimals + 1 < length < 20; lowered by one when length - decimals - 1
// is a multiple of 4 (no full-length text could end its integer part on a separator).
bool SetMoneyMaxLength(MoneyRules& rules, int length);

// Values at or above this size are shown as the overflow text: beyond it the cents
// are no longer held by the arithmetic.
inline constexpr long double kMoneyOverflow = 1e18L;

// The text of `value`: "#,##0.00" form, or MaxLength stars when not finite or too big.
std::string MoneyText(long double value, const MoneyRules& rules);
// The reading rule; the overflow text reads NaN, any other text that is not a number
// reads 0.
long double MoneyValue(const std::string& text, int decimals);
// Whether `text` is exactly in the display form for `decimals`.
bool IsMoneyText(const std::string& text, int decimals);

// Entering the field: the caret just before the decimal separator.
FieldEdit MoneyEnter(const std::string& text, const MoneyRules& rules);
KeyResult MoneyKey(const FieldEdit& edit, FieldKey key, const MoneyRules& rules);
KeyResult MoneyPaste(const FieldEdit& edit, const std::string& clip, const MoneyRules& rules);
CutResult MoneyCut(const FieldEdit& edit, const MoneyRules& rules);

}  // namespace zeb
