#pragma once
// The document type's registration with the desktop, in the freedesktop.org forms:
// a shared-mime-info package declaring "application/x-dmw" for "*.dmw", a desktop
// entry for the program that opens it, the program's icon and a default-application
// line. The files themselves are kept with the program (app/desktop/); these
// functions fit them to the running program.
//
// Exec line: the program's full path, quoted by the desktop-entry rules when it holds
// a blank or a reserved character, then "%f" (the document):
//   /opt/zeb/zebcalc                ->  Exec=/opt/zeb/zebcalc %f
//   /home/ann/My Apps/zebcalc       ->  Exec="/home/ann/My Apps/zebcalc" %f
// Inside quotes '"', '`', '$' and '\' get a backslash, and the value's own escape rule
// doubles every backslash after that; a literal "%" is written "%%".
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

inline constexpr const char* kDocumentMimeType = "application/x-dmw";
inline constexpr const char* kDesktopFileId = "zebcalc.desktop";
inline constexpr const char* kIconName = "zebcalc";
inline constexpr const char* kDocumentIconName = "application-x-dmw";
inline constexpr const char* kMimePackageFile = "zebcalc.xml";

// The program path as one argument of an Exec line; nothing when it cannot be one
// (empty, not absolute, or holding a control character).
std::optional<std::string> ExecArgument(std::string_view programPath);

// `entry` (a desktop entry) with its Exec line running `programPath` on the document
// and its TryExec line naming it (a plain path there, never quoted); nothing when the
// path cannot be written in an Exec line.
std::optional<std::string> DesktopEntryFor(std::string_view entry, std::string_view programPath);

// `mimeapps` (the text of a mimeapps.list, possibly empty) with `desktopId` as the
// default application of `mimeType`; every other line is kept.
std::string WithDefaultApplication(std::string_view mimeapps, std::string_view mimeType,
                                   std::string_view desktopId);

}  // namespace zeb
