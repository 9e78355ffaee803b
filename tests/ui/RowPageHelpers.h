#pragma once
// Keyboard helpers for the pages laid out as rows of fields: typing into a field as a
// user does, walking the Tab order, and checking that the widest text a field can hold
// is shown whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include "tests/ui/UiFixture.h"

namespace zeb::test {

// Puts the focus into `field` as the Tab key does and types `keys`.
inline void TypeInto(QWidget* field, const QString& keys) {
  field->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  QTest::keyClicks(field, keys);
}

// Pastes `text` into the focused `field` with Ctrl+V.
inline void PasteInto(QWidget* field, const QString& text) {
  field->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  QApplication::clipboard()->setText(text);
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Presses Tab in the focused widget.
inline void PressTab() {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCoreApplication::processEvents();
}

// A list as one readable text for comparisons: the items joined by blanks.
inline std::string Joined(const QStringList& items) { return items.join(' ').toStdString(); }

inline QString FocusName() {
  QWidget* w = QApplication::focusWidget();
  return w ? w->objectName() : QString();
}

// The object names the Tab key visits from `first` on, `count` of them.
inline QStringList TabWalk(QWidget* first, int count) {
  first->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  QStringList names;
  for (int i = 0; i < count; ++i) {
    names << FocusName();
    PressTab();
  }
  return names;
}

// Whether `text` fits the text area of the one-line `field` whole.
inline bool TextFits(const QLineEdit* field, const QString& text) {
  QStyleOptionFrame option;
  option.initFrom(field);
  option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
  const QRect area = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field)
                         .marginsRemoved(field->textMargins());
  const int horizontalMargin = 2;  // the line edit's own margin on each side of its text
  return field->fontMetrics().horizontalAdvance(text) <= area.width() - 2 * horizontalMargin;
}

// A real main window on the page of `key`, reset to its zero values, no message yet.
class RowPageTest : public MainWindowTest {
protected:
  explicit RowPageTest(const char* key) : key_(key) {}
  void SetUp() override {
    MainWindowTest::SetUp();
    window->ShowPageByKey(key_);
    reset(0);
    log.entries.clear();
  }
  // The one-page reset: zero values for 0, sample values otherwise.
  void reset(int valueSet) {
    window->SetDefaultValueSet(valueSet);
    window->ResetCurrentPage();
  }

private:
  const char* key_;
};

}  // namespace zeb::test
