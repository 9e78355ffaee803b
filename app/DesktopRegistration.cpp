#include "app/DesktopRegistration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include "app/Main.h"
#include "calculators/AmortizationPage.h"
#include "document/Settings.h"
#include "document/ShellRegistration.h"

// The desktop files travel inside the program (app/desktop.qrc); a resource of a static
// library is registered by hand.
static void initDesktopResources() { Q_INIT_RESOURCE(desktop); }

namespace zeb {
namespace {

QString xdgFolder(const char* variable, const QString& fallback) {
  const QString value = qEnvironmentVariable(variable);
  return QDir::isAbsolutePath(value) ? value : QDir::home().filePath(fallback);
}

QByteArray resource(const QString& name) {
  initDesktopResources();
  QFile f(":/desktop/" + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

enum class Write { Unchanged, Written, Failed };

// Writes `content` to `path` unless the file already holds it.
Write writeIfChanged(const QString& path, const QByteArray& content) {
  if (content.isEmpty()) return Write::Failed;
  QFile current(path);
  if (current.open(QIODevice::ReadOnly) && current.readAll() == content) return Write::Unchanged;
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return Write::Failed;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
    return Write::Failed;
  return Write::Written;
}

// Runs a desktop database tool on `folder` when it is installed; false when it failed.
bool runTool(const char* tool, const QString& folder) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return true;  // nothing to update with
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.start(program, {folder});
  if (!process.waitForFinished(10000)) {
    process.kill();
    process.waitForFinished(1000);
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

QIcon ProgramIcon() {
  initDesktopResources();
  return QIcon(":/desktop/zebcalc.svg");
}

QString UserDataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }
QString UserConfigFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

bool RegisterDocumentType(const QString& programPath, const QString& dataFolder) {
  const QDir data(dataFolder);
  bool ok = true;
  auto put = [&ok](const QString& path, const QByteArray& content) {
    const Write w = writeIfChanged(path, content);
    ok = ok && w != Write::Failed;
    return w == Write::Written;
  };

  const bool mimeChanged = put(data.filePath(QString("mime/packages/") + kMimePackageFile), resource("zebcalc.xml"));
  const QByteArray icon = resource("zebcalc.svg");
  put(data.filePath(QString("icons/hicolor/scalable/apps/") + kIconName + ".svg"), icon);
  put(data.filePath(QString("icons/hicolor/scalable/mimetypes/") + kDocumentIconName + ".svg"), icon);

  const QString applications = data.filePath("applications");
  const auto entry = DesktopEntryFor(resource("zebcalc.desktop").toStdString(), programPath.toStdString());
  bool entryChanged = false;
  if (entry)
    entryChanged = put(QDir(applications).filePath(kDesktopFileId), QByteArray::fromStdString(*entry));
  else
    ok = false;  // a path no desktop entry can name

  const QString listPath = QDir(applications).filePath("mimeapps.list");
  QFile list(listPath);
  const QByteArray current = list.open(QIODevice::ReadOnly) ? list.readAll() : QByteArray();
  put(listPath, QByteArray::fromStdString(
                    WithDefaultApplication(current.toStdString(), kDocumentMimeType, kDesktopFileId)));

  const QString mime = data.filePath("mime");
  if (mimeChanged || !QFile::exists(QDir(mime).filePath("mime.cache")))
    ok = runTool("update-mime-database", mime) && ok;
  if (entryChanged) ok = runTool("update-desktop-database", applications) && ok;
  return ok;
}

// ---- the main window's start-up steps ---------------------------------------------------------

void TfrmMain::RegisterAFile() { RegisterDocumentType(QCoreApplication::applicationFilePath(), UserDataFolder()); }

void TfrmMain::ReadIniFile() {
  settings_ = ReadSettingsFile(
      FindSettingsFile(programFolder_.toStdString(), UserConfigFolder().toStdString()));
  defaultValueSet_ = settings_.defaultValueSet;
  settingsPayment_ = settings_.payment;
  amortization_->SetStoredStart(settings_.month, amortization_->AmortStartYear());
  // A name written by another desktop in its own 8-bit code page is read as Latin-1.
  const QByteArray name = QByteArray::fromStdString(settings_.loanApplicationFirstName);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  loanApplicationFirstName_ = utf8(name);
  if (utf8.hasError()) loanApplicationFirstName_ = QString::fromLatin1(name);
}

}  // namespace zeb
