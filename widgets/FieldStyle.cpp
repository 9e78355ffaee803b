#include "widgets/FieldStyle.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include "widgets/Messages.h"

namespace zeb {

namespace {

const char* const kRoleProperty = "zebFieldRole";

void SetColours(QWidget* field, const QColor& base) {
  QPalette pal = field->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::Base, base);
    if (group != QPalette::Disabled) pal.setColor(group, QPalette::Text, Qt::black);
  }
  field->setPalette(pal);
}

// Byte positions of the models and character positions of the toolkit: the field texts
// are ASCII, but a currency symbol from the desktop need not be.
int ToUtf8Pos(const QString& text, int pos) {
  return static_cast<int>(text.left(pos).toUtf8().size());
}
int FromUtf8Pos(const std::string& text, int pos) {
  return static_cast<int>(QString::fromUtf8(text.data(), std::min<int>(pos, text.size())).size());
}

bool IsNavigation(QKeyEvent* e) {
  static const QKeySequence::StandardKey keys[] = {
      QKeySequence::MoveToNextChar,      QKeySequence::MoveToPreviousChar,
      QKeySequence::MoveToNextWord,      QKeySequence::MoveToPreviousWord,
      QKeySequence::MoveToStartOfLine,   QKeySequence::MoveToEndOfLine,
      QKeySequence::MoveToStartOfBlock,  QKeySequence::MoveToEndOfBlock,
      QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
      QKeySequence::SelectNextChar,      QKeySequence::SelectPreviousChar,
      QKeySequence::SelectNextWord,      QKeySequence::SelectPreviousWord,
      QKeySequence::SelectStartOfLine,   QKeySequence::SelectEndOfLine,
      QKeySequence::SelectStartOfBlock,  QKeySequence::SelectEndOfBlock,
      QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
      QKeySequence::SelectAll,           QKeySequence::Deselect};
  for (auto k : keys)
    if (e->matches(k)) return true;
  return false;
}

}  // namespace

void ApplyFieldRole(QWidget* field, FieldRole role) {
  switch (role) {
    case FieldRole::Entry:
      SetColours(field, Qt::white);
      break;
    case FieldRole::Result:
      SetColours(field, Qt::yellow);
      break;
    case FieldRole::Error:
      SetColours(field, Qt::red);
      return;
  }
  field->setProperty(kRoleProperty, static_cast<int>(role));
  const bool result = role == FieldRole::Result;
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setReadOnly(result);
  field->setFocusPolicy(result ? Qt::ClickFocus : Qt::StrongFocus);
}

FieldRole BaseFieldRole(const QWidget* field) {
  const QVariant v = field->property(kRoleProperty);
  return v.isValid() && v.toInt() == static_cast<int>(FieldRole::Result) ? FieldRole::Result
                                                                          : FieldRole::Entry;
}

void ShowFieldError(QWidget* field, bool inError) {
  if (inError)
    SetColours(field, Qt::red);
  else
    SetColours(field, BaseFieldRole(field) == FieldRole::Result ? Qt::yellow : Qt::white);
}

TFieldEdit::TFieldEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setDragEnabled(false);
  setAcceptDrops(false);
  SetColours(this, Qt::white);
}

FieldEdit TFieldEdit::EditState() const {
  const QString t = text();
  FieldEdit e;
  e.text = t.toStdString();
  e.caret = ToUtf8Pos(t, cursorPosition());
  if (hasSelectedText()) {
    e.selStart = ToUtf8Pos(t, selectionStart());
    e.selLength = ToUtf8Pos(t, selectionEnd()) - e.selStart;
  } else {
    e.selStart = e.caret;
  }
  return e;
}

void TFieldEdit::SetEditState(const FieldEdit& edit) {
  const QString t = QString::fromStdString(edit.text);
  if (t != text()) setText(t);
  if (edit.selLength > 0) {
    const int start = FromUtf8Pos(edit.text, edit.selStart);
    const int end = FromUtf8Pos(edit.text, edit.SelEnd());
    if (edit.caret <= edit.selStart)
      setSelection(end, start - end);
    else
      setSelection(start, end - start);
  } else {
    deselect();
    setCursorPosition(FromUtf8Pos(edit.text, edit.caret));
  }
}

void TFieldEdit::SetValueText(const QString& t) {
  if (t == text()) return;
  setText(t);
  if (hasFocus())
    if (const std::optional<FieldEdit> entered = EnteredState()) SetEditState(*entered);
}

bool TFieldEdit::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip && !ShowsWholeText()) {
    // The whole number, then the field's own hint when it has one.
    const QString hint = toolTip();
    const QString whole = text().trimmed();
    QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), hint.isEmpty() ? whole : whole + "\n" + hint, this);
    return true;
  }
  return QLineEdit::event(e);
}

void TFieldEdit::Show(const KeyResult& result) {
  const QString before = text();
  SetEditState(result.edit);
  if (result.refused) Beep();
  if (text() != before) {
    emit textEdited(text());
    UserEdited();
  }
}

void TFieldEdit::TypeText(const QString& typed) {
  if (isReadOnly()) return;
  for (QChar c : typed) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u >= 0x7f) continue;  // no field takes other characters
    Show(ApplyKey(EditState(), FieldKey::Char(static_cast<char>(u))));
  }
}

void TFieldEdit::PasteText(const QString& pasted) {
  if (isReadOnly()) return;
  Show(ApplyPaste(EditState(), pasted.toStdString()));
}

void TFieldEdit::CutToClipboard() {
  if (!hasSelectedText()) return;
  if (isReadOnly()) {
    CopyToClipboard();
    return;
  }
  const QString before = text();
  const CutResult r = ApplyCut(EditState());
  QApplication::clipboard()->setText(QString::fromStdString(r.cut));
  SetEditState(r.edit);
  if (text() != before) {
    emit textEdited(text());
    UserEdited();
  }
}

void TFieldEdit::CopyToClipboard() {
  if (hasSelectedText()) QApplication::clipboard()->setText(selectedText());
}

void TFieldEdit::PasteFromClipboard() { PasteText(QApplication::clipboard()->text()); }

QMenu* TFieldEdit::CreateFieldMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  QAction* cut = menu->addAction(tr("Cu&t"), this, &TFieldEdit::CutToClipboard);
  cut->setEnabled(!isReadOnly() && hasSelectedText());
  menu->addAction(tr("&Copy"), this, &TFieldEdit::CopyToClipboard)->setEnabled(hasSelectedText());
  QAction* paste = menu->addAction(tr("&Paste"), this, &TFieldEdit::PasteFromClipboard);
  paste->setEnabled(!isReadOnly() && !QApplication::clipboard()->text().isEmpty());
  menu->addSeparator();
  menu->addAction(tr("Select &All"), this, &QLineEdit::selectAll)->setEnabled(!text().isEmpty());
  return menu;
}

void TFieldEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateFieldMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
  event->accept();
}

void TFieldEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Back from a popup menu is no entering.
  if (event->reason() != Qt::PopupFocusReason) awaitingFirstClick_ = true;
}

void TFieldEdit::focusOutEvent(QFocusEvent* event) {
  awaitingFirstClick_ = false;
  QLineEdit::focusOutEvent(event);
}

namespace {
// QLineEdit's own gap between the contents rectangle and the text.
constexpr int kLineEditTextMargin = 2;
}  // namespace

QRect TFieldEdit::textArea() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QMargins m = textMargins();
  return style()
      ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
      .adjusted(m.left() + kLineEditTextMargin, m.top(), -(m.right() + kLineEditTextMargin), -m.bottom());
}

// The blanks that pad a picture field's text to its mask's length do not count.
bool TFieldEdit::ShowsWholeText() const {
  return fontMetrics().horizontalAdvance(text().trimmed()) <= textArea().width();
}

void TFieldEdit::paintEvent(QPaintEvent* event) {
  if (hasFocus() || fontMetrics().horizontalAdvance(text()) <= textArea().width()) {
    QLineEdit::paintEvent(event);
    return;
  }
  QPainter p(this);
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
  const QRect area = textArea();
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  p.drawText(area, (alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter,
             fontMetrics().elidedText(text().trimmed(), Qt::ElideRight, area.width()));
}

void TFieldEdit::mouseReleaseEvent(QMouseEvent* event) {
  const bool firstClick = awaitingFirstClick_;
  awaitingFirstClick_ = false;
  // The middle button pastes the selection clipboard on some desktops: through the rules.
  if (event->button() == Qt::MiddleButton) {
    QClipboard* clip = QApplication::clipboard();
    if (clip->supportsSelection()) PasteText(clip->text(QClipboard::Selection));
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  // The press has put the caret where it fell; the first click puts the entry caret back.
  if (firstClick && event->button() == Qt::LeftButton && !hasSelectedText())
    if (const std::optional<FieldEdit> entered = EnteredState()) SetEditState(*entered);
}

void TFieldEdit::inputMethodEvent(QInputMethodEvent* event) {
  awaitingFirstClick_ = false;
  TypeText(event->commitString());
  event->accept();
}

void TFieldEdit::keyPressEvent(QKeyEvent* event) {
  awaitingFirstClick_ = false;
  if (event->matches(QKeySequence::Copy)) {
    CopyToClipboard();
  } else if (event->matches(QKeySequence::Cut)) {
    CutToClipboard();
  } else if (event->matches(QKeySequence::Paste)) {
    PasteFromClipboard();
  } else if (IsNavigation(event)) {
    QLineEdit::keyPressEvent(event);
    return;
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
             event->key() == Qt::Key_Escape) {
    QLineEdit::keyPressEvent(event);  // returnPressed, then on to the window's buttons
    event->ignore();
    return;
  } else {
    const auto mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
      if (!isReadOnly())
        Show(ApplyKey(EditState(), event->key() == Qt::Key_Backspace ? FieldKey::Backspace()
                                                                      : FieldKey::Delete()));
    } else if (mods == Qt::NoModifier && !event->text().isEmpty() && event->text()[0].isPrint()) {
      TypeText(event->text());
    } else if (event->text().isEmpty() || mods != Qt::NoModifier) {
      // Function keys and shortcuts are the window's; nothing of them reaches the text.
      event->ignore();
      return;
    }
  }
  event->accept();
}

}  // namespace zeb
