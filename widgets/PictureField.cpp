#include "widgets/PictureField.h"

#include <cmath>

#include "finance/TextForms.h"

namespace zeb {

TOvcPictureField::TOvcPictureField(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetAsInteger(0);
}

void TOvcPictureField::SetPictureMask(const QString& mask, DataType type, int maxLength) {
  mask_ = mask;
  type_ = type;
  setMaxLength(maxLength);
  if (type_ == DataType::Integer) SetAsInteger(0); else SetAsFloat(0);
}

double TOvcPictureField::AsFloat() const {
  QString t = text();
  t.remove('$').remove(',').remove('%').remove(' ');
  if (t.isEmpty()) return 0;
  return StrToFloat(t.toStdString());
}

void TOvcPictureField::SetAsFloat(double value) {
  const bool money = mask_.contains('$');
  QString t = money ? QString::fromStdString(FloatToText(value, FloatStyle::Currency, 15, 2))
                    : QString::number(value, 'f', 4) + (mask_.contains('%') ? "%" : "");
  setText(t.rightJustified(mask_.size(), ' '));
}

std::int32_t TOvcPictureField::AsInteger() const {
  QString t = text().trimmed();
  if (t.isEmpty()) return 0;
  return StrToInt(t.toStdString());
}

void TOvcPictureField::SetAsInteger(std::int32_t value) {
  setText(QString::number(value).rightJustified(mask_.size(), ' '));
}

}  // namespace zeb
