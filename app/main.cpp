// Program entry: splash, title, single-instance check, main window, event loop.
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/AppInfo.h"
#include "app/Application.h"
#include "app/DesktopRegistration.h"
#include "app/Main.h"
#include "app/ShellDocument.h"
#include "app/SingleInstance.h"
#include "app/splash.h"
#include "widgets/Guarded.h"

namespace {

// Resident memory in kilobytes (Linux).
long residentKilobytes() {
  QFile f("/proc/self/status");
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  zeb::TApplication app(argc, argv);  // takes the toolkit's own options out of argv
  QApplication::setWindowIcon(zeb::ProgramIcon());
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const QString document = zeb::DocumentArgument(arguments);

  // 1. The splash, shown and painted at once; its timer runs with the event loop.
  auto* splash = new zeb::TSplashScreen;
  QPointer<zeb::TSplashScreen> splashRef(splash);
  splash->Timer1()->start();
  splash->show();
  splash->repaint();

  // 2. The application title (kAppTitle) is what the message boxes and the main window
  // show. It is not made the toolkit's display name: the desktop would append that to
  // every caption ("... - loans.dmw — ZEB ...").
  QApplication::setApplicationName("zebcalc");

  // 3. The single-instance check, then the main window.
  // (Tests give the lock a name of their own so that a running copy cannot disturb them.)
  const QString lockName = qEnvironmentVariable("ZEB_INSTANCE_NAME", zeb::kAppTitle);
  zeb::SingleInstance instance(lockName, document);
  if (!instance.IsFirst()) {
    // The running copy has been brought to the front (and given the document). This
    // start still registers the document type for itself, as every start does, so a
    // copy started from another folder takes over even while another copy runs.
    zeb::RegisterDocumentType(QCoreApplication::applicationFilePath(), zeb::UserDataFolder());
    return 0;
  }

  zeb::TfrmMain frmMain;
  const bool reportActivation = qEnvironmentVariableIsSet("ZEB_REPORT_ACTIVATION");
  instance.OnActivationRequest([&frmMain, reportActivation] {
    const bool wasMinimized = frmMain.isMinimized();
    zeb::BringToFront(&frmMain);
    if (reportActivation) {
      std::printf("activated was_minimized=%d now_minimized=%d\n", wasMinimized ? 1 : 0,
                  frmMain.isMinimized() ? 1 : 0);
      std::fflush(stdout);
    }
  });
  const auto openDocument = [&frmMain, reportActivation](const QString& path) {
    if (reportActivation) {
      std::printf("open %s\n", path.toUtf8().constData());
      std::fflush(stdout);
    }
    zeb::Guarded([&] { frmMain.OpenDocumentFromShell(path); });
  };
  instance.OnOpenRequest(openDocument);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    frmMain.move(screen->availableGeometry().center() - frmMain.rect().center());
  frmMain.show();
  if (splashRef) splashRef->raise();
  if (reportActivation) {
    std::printf("main window shown\n");
    std::fflush(stdout);
  }
  if (qEnvironmentVariableIsSet("ZEB_START_MINIMIZED")) frmMain.showMinimized();
  // The document of the command line, once the window is up.
  if (!document.isEmpty()) QTimer::singleShot(0, &frmMain, [openDocument, document] { openDocument(document); });

  // Start-up figures for the benchmark: time to the main window shown, idle memory.
  if (qEnvironmentVariableIsSet("ZEB_REPORT_STARTUP")) {
    QTimer::singleShot(0, [&] {
      std::printf("startup_ms %lld\n", static_cast<long long>(sinceStart.elapsed()));
      std::fflush(stdout);
      QTimer::singleShot(500, [&] {
        std::printf("idle_rss_kb %ld\n", residentKilobytes());
        std::fflush(stdout);
        QApplication::quit();
      });
    });
  }

  // 4. The event loop.
  return app.exec();
}
