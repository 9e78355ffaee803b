#pragma once
// The keyboard and pointer rules every window of the program shares, installed once on
// the application object so that every page and dialog gets them:
//
//   - Enter and the keypad's Enter press the focused push or tool button, as Space does
//     (a repeated key presses it once).
//   - A mouse press whose focus change opened a message box (leaving a field whose
//     recalculation failed) goes no further: the box took the release, so the button
//     under the pointer would otherwise be drawn pressed and stay so. The user sees the
//     message and clicks again.
class QApplication;
class QEvent;
class QObject;
class QWidget;

namespace zeb {

void InstallInputRules(QApplication& app);
// Called by the application object before it delivers `event` (the focus changes of a
// mouse press happen before the press reaches its widget).
void NoteEventArriving(QObject* receiver, QEvent* event);

// Moves the focus to the next (previous) Tab stop inside `container`, from the last one
// back to the first, so Tab cycles within an open panel. Of a group of option buttons
// only the chosen one is a stop. False when the container has no stop.
bool FocusNextWithin(QWidget* container, bool next);
// Whether `w` is a Tab stop now: tab-focusable, enabled and on show, and of a group of
// option buttons the chosen one (the first when none is chosen).
bool IsTabStop(const QWidget* w);

}  // namespace zeb
