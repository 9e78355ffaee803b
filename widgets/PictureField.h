#pragma once
// TOvcPictureField: a field whose text follows a picture mask, blanks on the left so
// the text is always as long as the mask. Masks used: "$#,###,###,###.##" and its
// shorter kin (double results), "###.####%" (rates of return), "iiiiii" (whole-number
// terms, -32768..32767). The text is right-aligned.
//
// Layout, reading and keys are those of widgets/model/PictureField.h. In short: the
// caret keeps its place among the digits while the text is laid out again; digits
// are inserted left of the decimal position and overwrite decimals right of it; "."
// jumps to the decimals; "-" changes the sign; a blank clears the digits left of the
// caret; a key whose result would not fit the mask or would leave the range is refused
// with a beep. A read-only field takes no keys. Entering the field, also by its first
// click wherever it fell, puts the caret at the end of the integer part.
//
// A maximum length shorter than the mask ("$###,###,###.##" with 10) does not cut
// the text: the mask decides the width, so a wide value is never shown truncated.
// A value too wide for the mask, or not finite, is shown as the mask's width in "*";
// AsFloat then gives NaN and AsInteger raises EConvertError. While the text holds a
// malformed number or a value outside the range the field shows the error colours.
#include <QString>
#include <cstdint>
#include <string>

#include "widgets/FieldStyle.h"
#include "widgets/model/PictureField.h"

namespace zeb {

class TOvcPictureField : public TFieldEdit {
  Q_OBJECT
public:
  enum class DataType { Double, Integer };
  explicit TOvcPictureField(QWidget* parent = nullptr);

  // Sets the mask and data type; the field keeps its value when the new mask can show it.
  void SetPictureMask(const QString& mask, DataType type, int maxLength);
  QString PictureMask() const { return QString::fromStdString(rules_.layout.mask); }
  DataType Type() const { return type_; }
  int MaxLength() const { return maxLength_; }
  // The range of valid values; an integer field defaults to -32768..32767, a double
  // field to -1.7e308..1.7e308.
  void SetRange(double low, double high);
  double RangeLow() const { return rules_.low; }
  double RangeHigh() const { return rules_.high; }
  // Whether the text holds an entry error (a malformed number, a value out of range).
  bool HasEntryError() const;

  // The value from the digits, sign and decimal position (a blank text is 0). A value
  // set in code that the mask cannot show gives the overflow text; while that text
  // stands, the field still holds the value it was given, otherwise the overflow text
  // reads as NaN. Throws EConvertError on a malformed text.
  double AsFloat() const;
  void SetAsFloat(double value);
  // The value cut toward zero. Throws EConvertError on a malformed or overflowed text
  // or a value beyond 32 bits.
  std::int32_t AsInteger() const;
  void SetAsInteger(std::int32_t value);

protected:
  void focusInEvent(QFocusEvent* event) override;
  std::optional<FieldEdit> EnteredState() const override;
  KeyResult ApplyKey(const FieldEdit& edit, FieldKey key) override;
  KeyResult ApplyPaste(const FieldEdit& edit, const std::string& text) override;
  CutResult ApplyCut(const FieldEdit& edit) override;

private:
  void updateErrorColours();
  PictureRules rules_;
  DataType type_ = DataType::Integer;
  int maxLength_ = 6;
  bool rangeSet_ = false;
  bool shownInError_ = false;
  // The value last set in code and the text it was shown as.
  double heldValue_ = 0;
  QString heldText_;
};

}  // namespace zeb
