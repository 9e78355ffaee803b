#pragma once
// TDeskCalculator: the desk-calculator control of the popup calculator. It draws the
// paper tape, the display and the keys, and forwards every key (a click on a key
// button or a key typed) to its Qt-free model (widgets/model/DeskCalculator.h), which
// does all the arithmetic; a key the model refuses beeps.
//
// Keyboard: digits and the decimal point ("." or ","), + - * (or x) / = and %, on the
// main keys or the numeric keypad; Enter = ; Escape C; Delete CE; Backspace ←; F9 ±;
// Ctrl+P M+, Ctrl+Q M−, Ctrl+R MR, Ctrl+L MC, Ctrl+T clears the tape; Page Up and Page
// Down scroll the tape; Ctrl+C copies the number shown.
#include <QAbstractScrollArea>
#include <QWidget>

#include "widgets/model/DeskCalculator.h"

class QPushButton;

namespace zeb {

// The paper tape: the model's lines in a fixed-pitch face on white, newest at the bottom.
class TTapeView : public QAbstractScrollArea {
  Q_OBJECT
public:
  TTapeView(const DeskCalculator& model, QWidget* parent);
  // After the tape changed: new scroll range, scrolled to the newest line.
  void Refresh();
  int LineHeight() const;
  int FirstVisibleLine() const;
  int VisibleLines() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void updateRange();
  const DeskCalculator& model_;
};

enum class DeskKeyGroup { Number, Operator, Function, Memory, Edit };

class TDeskCalculator : public QWidget {
  Q_OBJECT
public:
  explicit TDeskCalculator(QWidget* parent = nullptr);

  // Applies `key` as its button does: the model takes it (or the desktop beeps) and the
  // control shows the outcome.
  bool PressKey(DeskKey key);

  const DeskCalculator& Model() const { return model_; }
  QString DisplayText() const;
  QPushButton* KeyButton(DeskKey key) const { return keys_[static_cast<int>(key)]; }
  TTapeView* Tape() const { return tape_; }
  static DeskKeyGroup GroupOf(DeskKey key);
  static QColor GroupColour(DeskKeyGroup group);
  // Where the display is drawn.
  static QRect DisplayRect() { return QRect(4, 108, 206, 34); }

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void refresh();
  DeskCalculator model_;
  TTapeView* tape_ = nullptr;
  QPushButton* keys_[kDeskKeyCount] = {};
};

}  // namespace zeb
