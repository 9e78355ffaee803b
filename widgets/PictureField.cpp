#include "widgets/PictureField.h"

#include <QFocusEvent>
#include <cmath>
#include <limits>

#include "finance/Errors.h"

namespace zeb {

TOvcPictureField::TOvcPictureField(QWidget* parent) : TFieldEdit(parent) {
  rules_.layout = ParsePictureMask("iiiiii");
  connect(this, &QLineEdit::textChanged, this, &TOvcPictureField::updateErrorColours);
  SetAsInteger(0);
}

void TOvcPictureField::SetPictureMask(const QString& mask, DataType type, int maxLength) {
  double value = 0;
  try {
    value = AsFloat();
  } catch (const EConvertError&) {
  }
  rules_.layout = ParsePictureMask(mask.toStdString());
  type_ = type;
  maxLength_ = maxLength;
  if (!rangeSet_) {
    rules_.low = type == DataType::Integer ? -32768 : -1.7e308;
    rules_.high = type == DataType::Integer ? 32767 : 1.7e308;
  }
  SetAsFloat(std::isfinite(value) ? value : 0);
  if (text().startsWith('*')) SetAsFloat(0);
  updateErrorColours();
}

void TOvcPictureField::SetRange(double low, double high) {
  rules_.low = low;
  rules_.high = high;
  rangeSet_ = true;
  updateErrorColours();
}

bool TOvcPictureField::HasEntryError() const {
  const PictureReading r = ReadPicture(text().toStdString(), rules_.layout);
  if (r.status == PictureStatus::Malformed) return true;
  if (r.status != PictureStatus::Number) return false;
  if (type_ == DataType::Integer && r.number.decDigits.find_first_not_of('0') != std::string::npos)
    return true;
  const long double v = PictureNumberValue(r.number);
  return v < rules_.low || v > rules_.high;
}

void TOvcPictureField::updateErrorColours() {
  const bool error = HasEntryError();
  if (error == shownInError_) return;
  shownInError_ = error;
  ShowFieldError(this, error);
}

double TOvcPictureField::AsFloat() const {
  const PictureReading r = ReadPicture(text().toStdString(), rules_.layout);
  switch (r.status) {
    case PictureStatus::Blank: return 0;
    case PictureStatus::Overflow:
      return text() == heldText_ ? heldValue_ : std::numeric_limits<double>::quiet_NaN();
    case PictureStatus::Malformed:
      throw EConvertError("'" + text().toStdString() + "' is not a valid floating point value");
    case PictureStatus::Number: break;
  }
  return static_cast<double>(PictureNumberValue(r.number));
}

void TOvcPictureField::SetAsFloat(double value) {
  const QString t = QString::fromStdString(PictureText(value, rules_.layout));
  heldValue_ = value;
  heldText_ = t;
  SetValueText(t);
}

std::int32_t TOvcPictureField::AsInteger() const {
  const PictureReading r = ReadPicture(text().toStdString(), rules_.layout);
  if (r.status == PictureStatus::Blank) return 0;
  const auto fail = [&] {
    return EConvertError("'" + text().toStdString() + "' is not a valid integer value");
  };
  if (r.status != PictureStatus::Number) throw fail();
  if (type_ == DataType::Integer && r.number.decDigits.find_first_not_of('0') != std::string::npos)
    throw fail();
  const long double v = std::trunc(PictureNumberValue(r.number));
  if (!(v >= -2147483648.0L && v <= 2147483647.0L)) throw fail();
  return static_cast<std::int32_t>(v);
}

void TOvcPictureField::SetAsInteger(std::int32_t value) { SetAsFloat(static_cast<double>(value)); }

void TOvcPictureField::focusInEvent(QFocusEvent* event) {
  TFieldEdit::focusInEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;
  if (!isReadOnly() && !hasSelectedText())
    SetEditState(PictureEnter(text().toStdString(), rules_));
}

std::optional<FieldEdit> TOvcPictureField::EnteredState() const {
  if (isReadOnly()) return std::nullopt;
  return PictureEnter(text().toStdString(), rules_);
}

KeyResult TOvcPictureField::ApplyKey(const FieldEdit& edit, FieldKey key) {
  return PictureKey(edit, key, rules_);
}

KeyResult TOvcPictureField::ApplyPaste(const FieldEdit& edit, const std::string& text) {
  return PicturePaste(edit, text, rules_);
}

CutResult TOvcPictureField::ApplyCut(const FieldEdit& edit) { return PictureCut(edit, rules_); }

}  // namespace zeb
