#pragma once
// Every modal dialog of the main window (about box, disclaimer, popup calculator,
// printer set-up, print preview, the loan application) is shown through
// ExecDialog, so tests can record which dialog would open instead of blocking on it.
#include <QString>
#include <functional>
#include <vector>

class QDialog;

namespace zeb {

// Shows `dialog` modally and returns its result (QDialog::Accepted / Rejected).
int ExecDialog(QDialog& dialog);

// While alive, ExecDialog records each dialog and runs `inspect` on it (when set)
// instead of showing it; the dialog is then taken as rejected.
class DialogRecorder {
public:
  struct Entry {
    QString objectName;
    QString windowTitle;
    QString text;  // the dialog's "shownText" property, when it has one
  };
  DialogRecorder();
  ~DialogRecorder();
  DialogRecorder(const DialogRecorder&) = delete;
  DialogRecorder& operator=(const DialogRecorder&) = delete;

  std::vector<Entry> entries;
  std::function<void(QDialog&)> inspect;

private:
  DialogRecorder* previous_;
};

}  // namespace zeb
