#pragma once
// What every entry field's key rules work on: the text, the caret and the selection,
// and one key. The four field kinds (money, whole-number, points, picture) each turn
// (edit, key) into a new edit; the Qt widgets only translate their events into these
// calls and show the result, so every rule is testable without a display.
//
// Positions are byte indexes into `text` (all field texts are plain ASCII with the
// United States settings); the selection is [selStart, selStart + selLength) and the
// caret stands at one of its ends.
//
// Overflow: a value a field cannot show (too many digits for its width or mask, or
// not a number at all: NaN, infinity) is shown as the field's width filled with "*",
// like a classic overflowed numeric field. Such a text never reads back as a number:
// the floating-point readings give NaN, the whole-number readings raise EConvertError.
#include <optional>
#include <string>

namespace zeb {

struct FieldEdit {
  std::string text;
  int caret = 0;
  int selStart = 0;
  int selLength = 0;

  bool HasSelection() const { return selLength > 0; }
  int SelEnd() const { return selStart + selLength; }
  // The same text with the caret at `pos` (clamped) and no selection.
  static FieldEdit At(std::string text, int pos);
  // The same edit with caret and selection brought inside the text.
  FieldEdit Clamped() const;
  friend bool operator==(const FieldEdit&, const FieldEdit&) = default;
};

enum class EditKey { Char, Backspace, Delete };

struct FieldKey {
  EditKey kind = EditKey::Char;
  char ch = 0;
  static FieldKey Char(char c) { return {EditKey::Char, c}; }
  static FieldKey Backspace() { return {EditKey::Backspace, 0}; }
  static FieldKey Delete() { return {EditKey::Delete, 0}; }
};

struct KeyResult {
  FieldEdit edit;
  // The key was refused because its result would not fit (the widget beeps);
  // a key the rules simply ignore is not refused.
  bool refused = false;
};

struct CutResult {
  FieldEdit edit;
  std::string cut;  // the text put on the clipboard
};

// The overflow text: `width` stars (at least one).
std::string OverflowText(int width);
bool IsOverflowText(const std::string& text);

bool IsDigit(char c);

// Reads a pasted amount strictly: surrounding blanks and control characters dropped,
// then an optional "-" (or the whole amount in parentheses), an optional currency symbol, digits (grouped by thousands
// separators in threes, or not grouped at all), an optional decimal separator with
// digits. Anything else (letters, inner blanks, "1.234,56", "12,34") gives nothing.
struct PastedAmount {
  bool negative = false;
  std::string intDigits;  // without leading zeros, "0" at least
  std::string decDigits;  // as pasted
};
std::optional<PastedAmount> ParsePastedAmount(const std::string& text);

// Keeps the digits of `decimal` (a plain "123.4567" text without sign) to `places`
// decimals, rounding half away from zero or cutting; returns "int.frac" digits.
// Works on the text, so 1.005 with 2 places rounds to 1.01.
std::string RoundDecimalText(const std::string& decimal, int places, bool round);

// The plain fixed-point text of |value| with `extra` more decimals than needed for
// cutting or rounding ("%.*Lf"); empty for values that are not finite.
std::string PlainDecimalText(long double value, int places);

}  // namespace zeb
