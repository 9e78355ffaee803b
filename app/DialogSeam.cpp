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
  return dialog.exec();
}

DialogRecorder::DialogRecorder() : previous_(g_recorder) { g_recorder = this; }
DialogRecorder::~DialogRecorder() { g_recorder = previous_; }

}  // namespace zeb
