#pragma once
// What every field kind shares.
//
// Colours: entry fields white, results yellow (read-only, skipped by Tab), a field in
// error red with black text; the error colours come and go without changing the
// field's role.
//
// TFieldEdit: the one-line edit the four field kinds derive from. It sends every key,
// typed text (including input-method text), cut, copy and paste (keys, the context
// menu and the middle button) through the kind's key rules, lets the navigation keys
// move the caret and the selection, passes Enter and Escape on to the window, and
// discards every other key. Drag and drop are off, so no text enters the field
// around the rules.
//
// A kind with an entry caret (EnteredState) gets it back from the first click after
// the field got the focus (by that click, by Tab or from the page), before any key,
// wherever the click fell, unless it dragged a selection: a click at the right end
// of "0.00" would otherwise leave the caret after the last decimal, where digits are
// ignored. Later clicks place the caret where they fall. A value written while the
// field has the focus (a reset, a page entry) puts the entry caret back as well, so
// typed digits are never dropped.
//
// A number wider than its field is never shown cut to a shorter, different number
// (ShowsWholeText below); its tooltip then shows it whole.
#include <QLineEdit>
#include <optional>
#include <string>

#include "widgets/model/FieldEdit.h"

class QMenu;

namespace zeb {

enum class FieldRole { Entry, Result, Error };

// Applies the role's colours; Result also makes the field read-only and takes it out
// of the Tab order, Entry makes it editable and a tab stop again. Error only changes
// the colours.
void ApplyFieldRole(QWidget* field, FieldRole role);
// Shows or clears the error colours over the field's role.
void ShowFieldError(QWidget* field, bool inError);
// The last Entry or Result role applied to the field (Entry when none was).
FieldRole BaseFieldRole(const QWidget* field);

class TFieldEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit TFieldEdit(QWidget* parent = nullptr);

  // The clipboard commands, through the field's rules.
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  // The context menu: Cut, Copy, Paste, Select All. The caller owns it.
  QMenu* CreateFieldMenu(QWidget* parent = nullptr);

  // The edit state in the models' terms, and back.
  FieldEdit EditState() const;
  void SetEditState(const FieldEdit& edit);

  // Whether the whole text fits the field. A text that does not is drawn elided ("…")
  // while the field is not being edited, never scrolled into a shorter, different
  // number; in editing it scrolls with the caret as usual.
  bool ShowsWholeText() const;

protected:
  // What the kinds answer; each returns the new edit.
  virtual KeyResult ApplyKey(const FieldEdit& edit, FieldKey key) = 0;
  virtual KeyResult ApplyPaste(const FieldEdit& edit, const std::string& text) = 0;
  virtual CutResult ApplyCut(const FieldEdit& edit) = 0;
  // Called after the user changed the text through a key, a paste or a cut.
  virtual void UserEdited() {}
  // The edit state of entering the field, for kinds whose caret enters at a fixed
  // place; nothing otherwise.
  virtual std::optional<FieldEdit> EnteredState() const { return std::nullopt; }

  // Writes a value's text; with the focus in the field the caret goes where entering
  // puts it.
  void SetValueText(const QString& text);

  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  // Shows the result of a user action; beeps when it was refused.
  void Show(const KeyResult& result);
  void TypeText(const QString& text);
  void PasteText(const QString& text);

private:
  QRect textArea() const;
  // The field has the focus and neither a click nor a key has placed the caret since.
  bool awaitingFirstClick_ = false;
};

}  // namespace zeb
