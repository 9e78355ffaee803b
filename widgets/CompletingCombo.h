#pragma once
// TCompletingComboBox: a drop-down box (TComboBox) whose text is always one of its
// items (the month box: "Jan" .. "Dec").
//
// Typing completes: each letter extends the typed beginning and the text becomes the
// first item that begins so (case does not matter), the completed rest selected, so
// "F" gives "Feb", "Ma" gives "Mar" and "May" gives "May". A letter that continues no
// item begins a new beginning; one that begins none either is refused with a beep.
// Backspace shortens the typed beginning. The list and the
// arrow keys start from the item shown, whoever set the text.
#include "widgets/ComboBox.h"

namespace zeb {

class TCompletingComboBox : public TComboBox {
  Q_OBJECT
public:
  explicit TCompletingComboBox(const QStringList& items, QWidget* parent = nullptr);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  // Applies a key of the typing rules; false for keys the box handles as usual.
  bool typedKey(QKeyEvent* key);
  // Shows the first item beginning with `typed`; false when none does.
  bool complete(const QString& typed);
  void followText(const QString& text);
};

}  // namespace zeb
