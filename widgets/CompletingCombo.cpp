#include "widgets/CompletingCombo.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "widgets/Messages.h"

namespace zeb {

TCompletingComboBox::TCompletingComboBox(const QStringList& items, QWidget* parent) : TComboBox(items, parent) {
  lineEdit()->installEventFilter(this);
  lineEdit()->setDragEnabled(false);
  lineEdit()->setAcceptDrops(false);
  lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);  // no paste around the typing rules
  connect(lineEdit(), &QLineEdit::textChanged, this, &TCompletingComboBox::followText);
}

void TCompletingComboBox::followText(const QString& text) {
  // The current item follows the text, so the list and the arrows start from it.
  const int i = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (i >= 0 && i != currentIndex()) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(i);
  }
}

bool TCompletingComboBox::complete(const QString& typed) {
  for (int i = 0; i < count(); ++i) {
    const QString item = itemText(i);
    if (!item.startsWith(typed, Qt::CaseInsensitive)) continue;
    QLineEdit* edit = lineEdit();
    const bool changed = edit->text() != item;
    edit->setText(item);
    edit->setSelection(item.size(), static_cast<int>(typed.size()) - item.size());
    if (changed) emit edit->textEdited(item);
    return true;
  }
  return false;
}

bool TCompletingComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::KeyPress && typedKey(static_cast<QKeyEvent*>(event)))
    return true;
  return TComboBox::eventFilter(watched, event);
}

void TCompletingComboBox::keyPressEvent(QKeyEvent* event) {
  // The box has the focus and hands keys to its line edit directly, past its filters.
  if (typedKey(event)) {
    event->accept();
    return;
  }
  TComboBox::keyPressEvent(event);
}

bool TCompletingComboBox::typedKey(QKeyEvent* key) {
  QLineEdit* edit = lineEdit();
  // The typed beginning: the text before the selection (or the caret).
  const int begin = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  const QString typed = edit->text().left(begin);
  const auto mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (key->key() == Qt::Key_Backspace && mods == Qt::NoModifier) {
    if (typed.isEmpty()) edit->selectAll();
    else complete(typed.left(typed.size() - 1));
    return true;
  }
  if (key->key() == Qt::Key_Delete && mods == Qt::NoModifier) return true;  // the text stays a whole item
  if (mods == Qt::NoModifier && !key->text().isEmpty() && key->text()[0].isPrint()) {
    // A letter that continues no item begins afresh: "Jan" with the caret at its end
    // and "M" typed gives "Mar".
    if (!complete(typed + key->text()) && !complete(key->text())) Beep();
    return true;
  }
  if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)) {
    Beep();
    return true;
  }
  return false;
}

}  // namespace zeb
