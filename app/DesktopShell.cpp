#include "app/DesktopShell.h"

#include <QDesktopServices>

#include "widgets/Messages.h"

namespace zeb {
namespace {
DesktopRecorder* g_recorder = nullptr;
}

bool OpenWithDesktop(const QUrl& url) {
  if (g_recorder) {
    g_recorder->opened.push_back(url);
    return g_recorder->succeed;
  }
  return QDesktopServices::openUrl(url);
}

void OpenLinkOrBeep(const QUrl& url) {
  if (!OpenWithDesktop(url)) Beep();
}

DesktopRecorder::DesktopRecorder(bool succeedAnswer) : succeed(succeedAnswer), previous_(g_recorder) {
  g_recorder = this;
}
DesktopRecorder::~DesktopRecorder() { g_recorder = previous_; }

}  // namespace zeb
