#pragma once
// Building blocks of the pages laid out as rows of fields under column headings
// (future values, rates of return, net present values, loan comparisons): the page's
// sentence, the navy headings, the money entries and yellow picture results, and the
// test of a field really being left (which the refinancing page's exits use too).
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QString>

#include "widgets/FieldStyle.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/UiText.h"

namespace zeb::rowpage {

// The sentence at the top of the page, bold, wrapped to `height`.
inline QLabel* PageSentence(QWidget* page, const char* name, const QString& text, int height) {
  auto* l = new QLabel(text, page);
  l->setObjectName(name);
  l->setFont(ArialFont(12, true));
  l->setWordWrap(true);
  l->setGeometry(12, 8, 573, height);
  SetNavyText(l);
  return l;
}

// A navy heading over a column (or beside a field), centred, wrapped when it has to be.
inline QLabel* Heading(QWidget* page, const QString& text, int x, int y, int width, int height,
                       Qt::Alignment align = Qt::AlignHCenter | Qt::AlignBottom) {
  auto* l = new QLabel(text, page);
  l->setFont(ArialFont(11, true));
  l->setAlignment(align);
  l->setWordWrap(true);
  l->setGeometry(x, y, width, height);
  SetNavyText(l);
  return l;
}

// A money entry of 16 characters with `decimals` decimals.
inline TMoneyEdit* MoneyEntry(QWidget* page, const QString& name, const QString& accessibleName, int decimals,
                              int x, int y, int width) {
  auto* f = new TMoneyEdit(page);
  f->setObjectName(name);
  f->setAccessibleName(accessibleName);
  f->SetMaxLength(16);
  f->SetDecimals(decimals);
  f->setGeometry(x, y, width, 22);
  return f;
}

// A yellow, read-only picture result of double type, skipped by Tab.
inline TOvcPictureField* PictureResult(QWidget* page, const QString& name, const QString& accessibleName,
                                       const QString& mask, int maxLength, int x, int y, int width) {
  auto* f = new TOvcPictureField(page);
  f->setObjectName(name);
  f->setAccessibleName(accessibleName);
  f->SetPictureMask(mask, TOvcPictureField::DataType::Double, maxLength);
  f->SetRange(-1.7e308, 1.7e308);
  f->setGeometry(x, y, width, 22);
  ApplyFieldRole(f, FieldRole::Result);
  return f;
}

// Whether a focus-out event is the user leaving the field for another control of the
// window; the window losing the focus to another window or to a popup is not.
inline bool FieldLeft(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const auto reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace zeb::rowpage
