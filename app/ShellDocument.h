#pragma once
// A document handed to the program by the desktop: the file manager starts it with
// the document's path (the desktop entry's "%f"), or a second copy hands the path to
// the running one (app/SingleInstance.h). Either way the main window opens it as
// "&Open" opens a chosen file (TfrmMain::OpenDocumentFromShell).
#include <QString>
#include <QStringList>

namespace zeb {

// The document named by a command line (`arguments` without the toolkit's own
// options, the program first): the first argument that is not an option ("-x"; after
// "--" none is), as an absolute path against the current folder; a "file:" address is
// taken as its local path. Empty when there is none, or when it names a folder, a
// device, a pipe or an address that is not a local file: those are no documents.
QString DocumentArgument(const QStringList& arguments);

}  // namespace zeb
