#include "widgets/ComboBox.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

namespace zeb {

TComboBox::TComboBox(const QStringList& items, QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  addItems(items);
  // The box completes typed text itself (see keyPressEvent). A completer with nothing
  // to propose, matching case-sensitively, keeps the toolkit from taking a text that
  // differs from an entry only in letter case for that entry when the box is left.
  auto* exact = new QCompleter(new QStringListModel(this), this);
  exact->setCaseSensitivity(Qt::CaseSensitive);
  setCompleter(exact);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TComboBox::edited);
  connect(this, &QComboBox::activated, this, [this] {
    emit Change();
    emit Click();
  });
}

void TComboBox::SetText(const QString& text) {
  const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) setCurrentIndex(index);
  setEditText(text);
}

void TComboBox::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  typing_ = !typed.isEmpty() && typed.at(0).isPrint() &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  QComboBox::keyPressEvent(event);
  typing_ = false;
}

void TComboBox::edited(const QString& text) {
  QLineEdit* edit = lineEdit();
  if (typing_ && !text.isEmpty() && edit->cursorPosition() == text.size()) {
    for (int i = 0; i < count(); ++i) {
      const QString entry = itemText(i);
      if (entry.startsWith(text, Qt::CaseInsensitive)) {
        edit->setText(entry);
        edit->setSelection(entry.size(), text.size() - entry.size());
        break;
      }
    }
  }
  emit Change();
}

}  // namespace zeb
