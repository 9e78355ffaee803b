#pragma once
// The desktop shell's default handler for web addresses and "mailto:" links. Every
// link the program opens passes through OpenWithDesktop, so tests can record what
// would be opened (and pretend the desktop failed) without starting a browser.
#include <QString>
#include <QUrl>
#include <vector>

namespace zeb {

// Hands `url` to the desktop's default handler; false when the desktop cannot open it.
bool OpenWithDesktop(const QUrl& url);

// Opens `url`; when the desktop cannot, beeps and does nothing else.
void OpenLinkOrBeep(const QUrl& url);

// While alive, links are recorded in `opened` instead of handed to the desktop, and
// OpenWithDesktop answers `succeed`.
class DesktopRecorder {
public:
  explicit DesktopRecorder(bool succeed = true);
  ~DesktopRecorder();
  DesktopRecorder(const DesktopRecorder&) = delete;
  DesktopRecorder& operator=(const DesktopRecorder&) = delete;

  std::vector<QUrl> opened;
  bool succeed;

private:
  DesktopRecorder* previous_;
};

}  // namespace zeb
