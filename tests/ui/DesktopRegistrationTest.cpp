// The document type's registration, checked with the desktop's own tools where they are
// installed, and with the real program started in a temporary data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/DesktopRegistration.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray execLine(const QString& desktopFile) {
  for (const QByteArray& line : readAll(desktopFile).split('\n'))
    if (line.startsWith("Exec=")) return line;
  return {};
}

class DesktopRegistration : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    data = root.filePath("data");
    config = root.filePath("config");
  }
  QString entry() const { return data + "/applications/zebcalc.desktop"; }

  // Runs a desktop tool against this test's folders; its standard output, trimmed.
  QString tool(const QString& program, const QStringList& args, bool gnome = false) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", data);
    env.insert("XDG_CONFIG_HOME", config);
    if (gnome) env.insert("XDG_CURRENT_DESKTOP", "GNOME");  // file types from the MIME database
    p.setProcessEnvironment(env);
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(20000)) << program.toStdString();
    lastExitCode = p.exitCode();
    lastError = QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  }
  static bool have(const char* program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

  // The program's environment: this test's folders and a single-instance lock of its own.
  QProcessEnvironment programEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", data);
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("ZEB_INSTANCE_NAME", "zeb registration " + root.path());
    return env;
  }

  // Starts the program at `path` with this test's folders; it quits once set up.
  void startProgram(const QString& path) {
    QProcess p;
    QProcessEnvironment env = programEnvironment();
    env.insert("ZEB_REPORT_STARTUP", "1");
    p.setProcessEnvironment(env);
    p.start(path, {});
    ASSERT_TRUE(p.waitForFinished(30000)) << path.toStdString();
    EXPECT_EQ(p.exitCode(), 0);
  }

  QTemporaryDir root;
  QString data, config;
  int lastExitCode = 0;
  QString lastError;
};

TEST_F(DesktopRegistration, DesktopToolsFindTheTypeAndTheProgram) {
  ASSERT_TRUE(zeb::RegisterDocumentType("/opt/zeb/zebcalc", data));
  for (const char* file : {"mime/packages/zebcalc.xml", "applications/zebcalc.desktop",
                           "icons/hicolor/scalable/apps/zebcalc.svg",
                           "icons/hicolor/scalable/mimetypes/application-x-dmw.svg"})
    EXPECT_TRUE(QFileInfo::exists(data + "/" + file)) << file;
  EXPECT_EQ(execLine(entry()), "Exec=/opt/zeb/zebcalc %f");
  EXPECT_TRUE(readAll(entry()).contains("\nMimeType=application/x-dmw;\n"));
  EXPECT_TRUE(readAll(data + "/mime/packages/zebcalc.xml").contains("<comment>Dunmarrow</comment>"));

  if (!have("desktop-file-validate") || !have("xdg-mime") || !have("update-mime-database"))
    GTEST_SKIP() << "the desktop tools (desktop-file-utils, xdg-utils, shared-mime-info) are not installed";
  tool("desktop-file-validate", {entry()});
  EXPECT_EQ(lastExitCode, 0) << lastError.toStdString();
  EXPECT_TRUE(QFileInfo::exists(data + "/mime/mime.cache"));
  EXPECT_EQ(tool("xdg-mime", {"query", "default", "application/x-dmw"}), "zebcalc.desktop");

  // A document's type as a desktop without a MIME library of its own finds it
  // (xdg-mime asks the mimetype tool of libfile-mimeinfo-perl), and as GNOME does (gio).
  QFile document(root.filePath("Loans of May.dmw"));
  ASSERT_TRUE(document.open(QIODevice::WriteOnly));
  document.write("1\n100000\n");
  document.close();
  if (!have("mimetype")) GTEST_SKIP() << "mimetype (libfile-mimeinfo-perl) is not installed";
  EXPECT_EQ(tool("xdg-mime", {"query", "filetype", document.fileName()}), "application/x-dmw");
  if (!have("gio")) GTEST_SKIP() << "gio (libglib2.0-bin) is not installed";
  EXPECT_EQ(tool("xdg-mime", {"query", "filetype", document.fileName()}, /*gnome=*/true), "application/x-dmw");
}

TEST_F(DesktopRegistration, AnotherFolderTakesOverAndTheUsersOtherChoicesStay) {
  QDir().mkpath(data + "/applications");
  QFile list(data + "/applications/mimeapps.list");
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-dmw=other.desktop;\n");
  list.close();

  ASSERT_TRUE(zeb::RegisterDocumentType("/opt/zeb/zebcalc", data));
  ASSERT_TRUE(zeb::RegisterDocumentType("/home/ann/My Apps/zebcalc", data));
  EXPECT_EQ(execLine(entry()), "Exec=\"/home/ann/My Apps/zebcalc\" %f");
  EXPECT_EQ(readAll(data + "/applications/mimeapps.list"),
            "[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-dmw=zebcalc.desktop;\n");
  if (have("desktop-file-validate")) {
    tool("desktop-file-validate", {entry()});
    EXPECT_EQ(lastExitCode, 0) << lastError.toStdString();
  }
}

TEST_F(DesktopRegistration, AnUnwritableDataFolderIsSkipped) {
  QFile blocker(root.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(zeb::RegisterDocumentType("/opt/zeb/zebcalc", blocker.fileName() + "/data"));
  // A path no Exec line can name registers the type but no program.
  EXPECT_FALSE(zeb::RegisterDocumentType("relative/zebcalc", data));
  EXPECT_TRUE(QFileInfo::exists(data + "/mime/packages/zebcalc.xml"));
  EXPECT_FALSE(QFileInfo::exists(entry()));
}

// The real program registers itself at every start; a copy started from another folder
// takes the registration over.
TEST_F(DesktopRegistration, EachStartRegistersTheRunningProgram) {
  startProgram(ZEB_APP_PATH);
  EXPECT_EQ(execLine(entry()), "Exec=" + QFileInfo(ZEB_APP_PATH).canonicalFilePath().toUtf8() + " %f");

  const QString copy = root.filePath("My Apps/zebcalc");
  ASSERT_TRUE(QDir().mkpath(root.filePath("My Apps")));
  ASSERT_TRUE(QFile::copy(ZEB_APP_PATH, copy));
  startProgram(copy);
  EXPECT_EQ(execLine(entry()), "Exec=\"" + QFileInfo(copy).canonicalFilePath().toUtf8() + "\" %f");
  if (have("xdg-mime")) EXPECT_EQ(tool("xdg-mime", {"query", "default", "application/x-dmw"}), "zebcalc.desktop");
  // GLib-based file managers check TryExec: the entry must name a program that exists.
  if (have("gio"))
    EXPECT_TRUE(tool("gio", {"mime", "application/x-dmw"}).section('\n', 0, 0).endsWith(": zebcalc.desktop"))
        << tool("gio", {"mime", "application/x-dmw"}).toStdString();
}

// A copy started while another runs ends without a window, yet registers itself first,
// as every start does: the registration follows the copy started last.
TEST_F(DesktopRegistration, ACopyStartedWhileAnotherRunsStillTakesOver) {
  QProcess first;
  QProcessEnvironment env = programEnvironment();
  env.insert("ZEB_REPORT_ACTIVATION", "1");
  first.setProcessEnvironment(env);
  first.start(ZEB_APP_PATH, {});
  QByteArray output;
  while (!output.contains("main window shown") && first.waitForReadyRead(15000)) output += first.readAll();
  ASSERT_TRUE(output.contains("main window shown")) << output.constData();

  const QString copy = root.filePath("Other Folder/zebcalc");
  ASSERT_TRUE(QDir().mkpath(root.filePath("Other Folder")));
  ASSERT_TRUE(QFile::copy(ZEB_APP_PATH, copy));
  startProgram(copy);
  EXPECT_EQ(execLine(entry()).toStdString(), "Exec=\"" + QFileInfo(copy).canonicalFilePath().toStdString() + "\" %f");
  EXPECT_EQ(first.state(), QProcess::Running);
  first.kill();
  first.waitForFinished(5000);
}

}  // namespace
