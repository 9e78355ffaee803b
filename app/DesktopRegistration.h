#pragma once
// The program's place on the desktop: the settings file it reads and the registration
// of its document type, in the user's XDG base folders.
//
// RegisterDocumentType writes, under the user's data folder ($XDG_DATA_HOME, by
// default ~/.local/share):
//   mime/packages/zebcalc.xml                      "*.dmw" is application/x-dmw, "Dunmarrow"
//   applications/zebcalc.desktop                   Exec = the running program + "%f"
//   applications/mimeapps.list                     the program opens application/x-dmw
//   icons/hicolor/scalable/apps/zebcalc.svg        the program's icon
//   icons/hicolor/scalable/mimetypes/application-x-dmw.svg
// and runs update-mime-database (and update-desktop-database) when a file changed and
// the tool is installed. A file that already holds the right text is left alone, so a
// start from the same program writes nothing; a start from another folder rewrites the
// desktop entry. The default application goes into the data folder's mimeapps.list, so
// an explicit choice the user made in ~/.config/mimeapps.list still wins.
#include <QIcon>
#include <QString>

namespace zeb {

// The program's icon (the one the desktop shows), the window icon of every window.
QIcon ProgramIcon();

// $XDG_DATA_HOME when it is an absolute path, otherwise ~/.local/share.
QString UserDataFolder();
// $XDG_CONFIG_HOME when it is an absolute path, otherwise ~/.config.
QString UserConfigFolder();

// Registers the document type for the program at `programPath` in `dataFolder`; true
// when every file is in place. Never throws: a part that fails is skipped.
bool RegisterDocumentType(const QString& programPath, const QString& dataFolder);

}  // namespace zeb
