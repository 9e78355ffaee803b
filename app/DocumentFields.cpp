#include "app/DocumentFields.h"

#include <QComboBox>
#include <QLineEdit>
#include <cmath>

#include "finance/Errors.h"
#include "finance/TextForms.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Mneyedit.h"
#include "widgets/NumCtrl.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"

namespace zeb {
namespace {

using K = DocumentValueKind;

DocumentValue fromNumber(double value, K kind, const QWidget& control) {
  switch (kind) {
    case K::Real: return value;
    case K::Integer: {
      const double whole = std::trunc(value);
      if (!(whole >= -2147483648.0 && whole <= 2147483647.0))
        throw EConvertError(control.objectName().toStdString() + " holds no 32-bit whole number");
      return static_cast<std::int32_t>(whole);
    }
    case K::Text: return FloatToStrGeneral(value);
  }
  return value;
}

double asNumber(const DocumentValue& value) {
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* integer = std::get_if<std::int32_t>(&value)) return *integer;
  return StrToFloat(std::get<std::string>(value));
}

QString asText(const DocumentValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return QString::fromStdString(*text);
  if (const auto* integer = std::get_if<std::int32_t>(&value)) return QString::number(*integer);
  return QString::fromStdString(FloatToStrGeneral(std::get<double>(value)));
}

}  // namespace

DocumentValue ReadDocumentField(const QWidget& control, DocumentValueKind kind) {
  const auto* edit = qobject_cast<const QLineEdit*>(&control);
  if (kind == K::Text) {
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) return combo->currentText().toStdString();
    if (edit) return edit->text().toStdString();
  }
  if (const auto* group = qobject_cast<const TRadioGroup*>(&control)) return fromNumber(group->ItemIndex(), kind, control);
  if (const auto* money = qobject_cast<const TMoneyEdit*>(&control))
    return fromNumber(static_cast<double>(money->TextAsFloat()), kind, control);
  if (const auto* whole = qobject_cast<const TFnpNumericEdit*>(&control)) {
    if (kind == K::Integer) return whole->AsInteger();
    return fromNumber(whole->Value(), kind, control);
  }
  if (const auto* points = qobject_cast<const TNumEdit*>(&control))
    return fromNumber(static_cast<double>(points->Value()), kind, control);
  if (const auto* picture = qobject_cast<const TOvcPictureField*>(&control)) {
    if (kind == K::Integer) return picture->AsInteger();
    return fromNumber(picture->AsFloat(), kind, control);
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&control))
    return fromNumber(StrToFloat(combo->currentText().toStdString()), kind, control);
  if (edit) return fromNumber(StrToFloat(edit->text().toStdString()), kind, control);
  throw EDocumentError(control.objectName().toStdString() + " is no document field");
}

void WriteDocumentField(QWidget& control, const DocumentValue& value) {
  const bool text = std::holds_alternative<std::string>(value);
  if (auto* combo = qobject_cast<QComboBox*>(&control)) {
    const QString t = asText(value);
    const int index = combo->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) combo->setCurrentIndex(index);
    if (combo->isEditable()) combo->setEditText(t);
    else if (index < 0) combo->setCurrentIndex(-1);
    return;
  }
  if (auto* group = qobject_cast<TRadioGroup*>(&control)) {
    const double n = asNumber(value);
    group->SetItemIndex(n >= group->Count() ? group->Count() - 1 : n < -1 ? -1 : static_cast<int>(n));
    return;
  }
  auto* edit = qobject_cast<QLineEdit*>(&control);
  if (edit && text) {
    edit->setText(asText(value));
    return;
  }
  if (auto* money = qobject_cast<TMoneyEdit*>(&control)) money->SetTextAsFloat(asNumber(value));
  else if (auto* whole = qobject_cast<TFnpNumericEdit*>(&control)) whole->SetValue(asNumber(value));
  else if (auto* points = qobject_cast<TNumEdit*>(&control)) points->SetValue(asNumber(value));
  else if (auto* picture = qobject_cast<TOvcPictureField*>(&control)) picture->SetAsFloat(asNumber(value));
  else if (edit) edit->setText(asText(value));
  else throw EDocumentError(control.objectName().toStdString() + " is no document field");
}

}  // namespace zeb
