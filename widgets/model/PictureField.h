#pragma once
// Rules of the picture field (TOvcPictureField), free of any toolkit.
//
// Mask characters: "#" a digit position (digits, blank, minus and period may be
// typed), "i" an integer digit position (digits, blank and minus), "," a thousands
// separator shown only where digits stand on both sides, "." the decimal position,
// "$" the floating currency sign and any other character ("%") a literal. A number
// fills the mask from the decimal position outward; the sign and the currency symbol
// stand just left of the first digit and blanks fill the rest, so the text is always
// exactly as long as the mask:
//   "$#,###,###,###.##"   1234.5  ->  "        $1,234.50"    (17 characters)
//   "###.####%"           12.5    ->  " 12.5000%"
//   "iiiiii"              -360    ->  "  -360"
// A number that needs more positions than the mask has (a tenth integer digit in
// "$###,###,###.##", 1000 % in "###.####%", 1234567 in "iiiiii") is shown as the
// overflow text, the mask's width in "*"; so is a value that is not finite.
//
// Editing works on the number, not on mask positions; the caret keeps its place
// among the digits while the text is laid out again after every key:
//   - entering the field puts the caret at the end of the integer part;
//   - a digit left of the decimal position is inserted (a lone "0" is replaced);
//     right of it it overwrites the next decimal; after the last decimal it is ignored;
//   - "." (masks with a decimal position) moves the caret just after it;
//   - a blank in the integer part clears every digit left of the caret (and the
//     sign); among the decimals it overwrites the next one with 0;
//   - "-" changes the sign;
//   - Backspace and Delete remove the integer digit before / after the caret (the
//     separators are skipped); among the decimals they set a digit to 0, as in the
//     money field; a number left without digits becomes 0;
//   - a selection is cleared first (integer digits removed, decimals set to 0);
//   - paste takes a whole amount (ParsePastedAmount) as the new value.
// A key whose result would not fit the mask, or would leave a range that holds 0
// (-32768..32767 for the term fields), is refused and the text stays.
#include <optional>
#include <string>

#include "widgets/model/FieldEdit.h"

namespace zeb {

struct PictureLayout {
  std::string mask;
  int decPos = -1;  // index of "." in the mask, -1 when there is none
  int numEnd = 0;   // index after the last digit position (literals such as "%" follow)
  int intSlots = 0;
  int decSlots = 0;
  bool currency = false;
  int Width() const { return static_cast<int>(mask.size()); }
  int IntEnd() const { return decPos >= 0 ? decPos : numEnd; }
};
PictureLayout ParsePictureMask(const std::string& mask);

struct PictureNumber {
  bool negative = false;
  std::string intDigits = "0";  // no leading zeros; "0" at least
  std::string decDigits;        // one per decimal position
  friend bool operator==(const PictureNumber&, const PictureNumber&) = default;
};

// The number laid out in the mask; nothing when it does not fit.
std::optional<std::string> RenderPicture(const PictureNumber& number, const PictureLayout& layout);
// The text of `value` (rounded half away from zero to the decimal positions), or the
// overflow text.
std::string PictureText(long double value, const PictureLayout& layout);

enum class PictureStatus { Number, Blank, Overflow, Malformed };
struct PictureReading {
  PictureStatus status = PictureStatus::Blank;
  PictureNumber number;
};
// Reads the digits, sign and decimal position of a text, leading blanks and all.
PictureReading ReadPicture(const std::string& text, const PictureLayout& layout);
long double PictureNumberValue(const PictureNumber& number);

struct PictureRules {
  PictureLayout layout;
  double low = -32768, high = 32767;
  // Whether `value` lies outside a range that holds 0 (the keys refuse such values).
  bool Refuses(long double value) const;
};

FieldEdit PictureEnter(const std::string& text, const PictureRules& rules);
KeyResult PictureKey(const FieldEdit& edit, FieldKey key, const PictureRules& rules);
KeyResult PicturePaste(const FieldEdit& edit, const std::string& clip, const PictureRules& rules);
CutResult PictureCut(const FieldEdit& edit, const PictureRules& rules);

}  // namespace zeb
