#pragma once
// The open and save dialogs of calculator documents, behind one seam so tests answer
// them instead of blocking on a modal dialog.
//
// Both use the filter "Devovederi Dunmarrow File (*.dmw)"; the open dialog starts with
// the name "*.dmw", the save dialog with "untitled.dmw" and asks before replacing an
// existing file. A name chosen without an extension gets ".dmw". The answer is the full
// path of the chosen file, or empty when the dialog was cancelled.
#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace zeb {

inline const QString kDocumentFilter = QStringLiteral("Devovederi Dunmarrow File (*.dmw)");

QString ChooseDocumentToOpen(QWidget* parent);
QString ChooseDocumentToSave(QWidget* parent);

// `name` with ".dmw" added when it has no extension.
QString WithDocumentExtension(const QString& name);

// While alive, the two dialogs are recorded and answered from `answers` (in order; an
// empty answer, or none left, is a cancelled dialog) instead of shown.
class FileDialogScript {
public:
  struct Request {
    bool save;
    QString filter;
    QString startName;
  };
  FileDialogScript();
  ~FileDialogScript();
  FileDialogScript(const FileDialogScript&) = delete;
  FileDialogScript& operator=(const FileDialogScript&) = delete;

  std::deque<QString> answers;
  std::vector<Request> requests;

private:
  FileDialogScript* previous_;
};

}  // namespace zeb
