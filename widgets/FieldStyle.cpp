#include "widgets/FieldStyle.h"

#include <QLineEdit>
#include <QPalette>

namespace zeb {

void ApplyFieldRole(QWidget* field, FieldRole role) {
  QPalette pal = field->palette();
  switch (role) {
    case FieldRole::Entry:
      pal.setColor(QPalette::Base, Qt::white);
      pal.setColor(QPalette::Text, Qt::black);
      break;
    case FieldRole::Result:
      pal.setColor(QPalette::Base, Qt::yellow);
      pal.setColor(QPalette::Text, Qt::black);
      break;
    case FieldRole::Error:
      pal.setColor(QPalette::Base, Qt::red);
      pal.setColor(QPalette::Text, Qt::black);
      break;
  }
  field->setPalette(pal);
  if (role == FieldRole::Error) return;
  const bool result = role == FieldRole::Result;
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setReadOnly(result);
  field->setFocusPolicy(result ? Qt::ClickFocus : Qt::StrongFocus);
}

}  // namespace zeb
