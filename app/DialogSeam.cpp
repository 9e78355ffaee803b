#include "app/DialogSeam.h"

#include <QDialog>
#include <QVariant>

namespace zeb {
namespace {
DialogRecorder* g_recorder = nullptr;
}

int ExecDialog(QDialog& dialog) {
  if (g_recorder) {
    g_recorder->entries.push_back(
        {dialog.objectName(), dialog.windowTitle(), dialog.property("shownText").toString()});
    if (g_recorder->inspect) g_recorder->inspect(dialog);
    return QDialog::Rejected;
  }
  const int result = dialog.exec();
  // Give the keyboard back to the window the dialog was opened from: without a window
  // manager to do it, keys typed after closing the dialog would reach no window.
  if (QWidget* owner = dialog.parentWidget()) owner->window()->activateWindow();
  return result;
}

DialogRecorder::DialogRecorder() : previous_(g_recorder) { g_recorder = this; }
DialogRecorder::~DialogRecorder() { g_recorder = previous_; }

}  // namespace zeb
