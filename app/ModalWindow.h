#pragma once
// The opening steps of the main window's small modal windows (about box, disclaimer,
// popup calculator): each is created for one opening by its caller, placed, shown
// modally through ExecDialog and destroyed by its caller when it has closed.
class QDialog;
class QWidget;

namespace zeb {

// 1. notes the owner's outer rectangle and lets it finish any pending repaint;
// 3. places `dialog` centred over it: top = owner's top + (owner's height - dialog's
//    height) / 2, rounded toward zero, left likewise from the widths (outer sizes);
//    a dialog that centres itself on the screen (CentreOnScreen) goes there instead;
// 4. shows it modally and returns its result.
int OpenModalWindow(QWidget& owner, QDialog& dialog);

// Marks `window` as one that is centred on the screen whenever it is shown, and puts it
// there now. Windows so marked call it again from their showEvent.
void CentreOnScreen(QWidget& window);

}  // namespace zeb
