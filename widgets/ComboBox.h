#pragma once
// TComboBox: a drop-down box with an editable text and a fixed list.
//
// Typing a character at the end of the text completes it to the first list entry that
// begins with what was typed, whatever the letter case, in that entry's spelling, with
// the added part selected: typing "q" gives "Quarterly" ("uarterly" selected), so the
// next letter typed replaces the proposal. Pasting, cutting and deleting complete
// nothing: a pasted "monthly" stays "monthly". The text is never matched to an entry
// behind the user's back, and nothing typed is added to the list.
//
// Change: the user changed the text (typing, pasting, cutting, deleting) or chose an
// entry; Click: the user chose an entry (from the list, or with the arrow keys).
#include <QComboBox>
#include <QStringList>

namespace zeb {

class TComboBox : public QComboBox {
  Q_OBJECT
public:
  TComboBox(const QStringList& items, QWidget* parent = nullptr);

  QString Text() const { return currentText(); }
  // Shows `text`; an entry spelled exactly so also becomes the list's current entry.
  void SetText(const QString& text);

signals:
  void Change();
  void Click();

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void edited(const QString& text);
  bool typing_ = false;
};

}  // namespace zeb
