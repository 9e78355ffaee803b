#include "app/ShellDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "app/Main.h"
#include "widgets/Messages.h"

namespace zeb {

QString DocumentArgument(const QStringList& arguments) {
  bool options = true;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString arg = arguments[i];
    if (options && arg == "--") {
      options = false;
      continue;
    }
    if (arg.isEmpty() || (options && arg.startsWith('-'))) continue;
    static const QRegularExpression address("^[A-Za-z][A-Za-z0-9+.-]*:(//|$)");
    if (arg.startsWith("file:", Qt::CaseInsensitive) || address.match(arg).hasMatch()) {
      const QUrl url(arg);
      if (!url.isLocalFile()) return QString();
      arg = url.toLocalFile();
    }
    // A folder, a device or a pipe is no document (reading one would never end); a
    // path that does not exist is kept, so that opening it says so.
    const QFileInfo info(QDir::current(), arg);
    return info.exists() && !info.isFile() ? QString() : QDir::cleanPath(info.absoluteFilePath());
  }
  return QString();
}

void TfrmMain::OpenDocumentFromShell(const QString& path) {
  if (DocumentOpener) {
    DocumentOpener(path);
    return;
  }
  ShowInformation("Opening calculator files is not available in this version. " + QDir::toNativeSeparators(path) +
                  " has not been opened.");
}

}  // namespace zeb
