// The single-instance rule with real processes of the program.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QThread>
#include <csignal>

namespace {

class Copy {
public:
  Copy(const QString& lockName, bool minimized = false, const QStringList& arguments = {},
       const QString& folder = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZEB_INSTANCE_NAME", lockName);
    env.insert("ZEB_REPORT_ACTIVATION", "1");
    if (minimized) env.insert("ZEB_START_MINIMIZED", "1");
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.start(ZEB_APP_PATH, arguments);
  }
  ~Copy() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(5000);
    }
  }
  // Waits until the copy has printed `line`; false on timeout.
  bool waitFor(const QByteArray& line, int ms = 15000) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      output += process.readAll();
      if (output.contains(line)) return true;
      if (process.state() == QProcess::NotRunning) {
        output += process.readAll();
        return output.contains(line);
      }
      process.waitForReadyRead(100);
    }
    return false;
  }
  QProcess process;
  QByteArray output;
};

QString uniqueLockName() { return "zeb test " + QUuid::createUuid().toString(QUuid::WithoutBraces); }

TEST(SingleInstance, SecondCopyBringsFirstToFrontAndEnds) {
  const QString name = uniqueLockName();
  Copy first(name, /*minimized=*/true);
  ASSERT_TRUE(first.waitFor("main window shown")) << first.output.constData();

  Copy second(name);
  ASSERT_TRUE(second.process.waitForFinished(15000));
  second.output += second.process.readAll();
  EXPECT_EQ(second.process.exitCode(), 0);
  EXPECT_FALSE(second.output.contains("main window shown")) << "the second copy showed its window";

  // The running copy was restored from its minimised state.
  EXPECT_TRUE(first.waitFor("activated was_minimized=1 now_minimized=0")) << first.output.constData();
  EXPECT_EQ(first.process.state(), QProcess::Running);
}

TEST(SingleInstance, CrashedCopyDoesNotBlockTheNext) {
  const QString name = uniqueLockName();
  {
    Copy crashed(name);
    ASSERT_TRUE(crashed.waitFor("main window shown")) << crashed.output.constData();
    ::kill(static_cast<pid_t>(crashed.process.processId()), SIGKILL);
    ASSERT_TRUE(crashed.process.waitForFinished(5000));
  }
  Copy next(name);
  EXPECT_TRUE(next.waitFor("main window shown")) << next.output.constData();
}

// A document passed to a second copy (as the file manager does on a double-click)
// reaches the running copy as a full path, whatever its characters; the second copy
// ends without a window.
TEST(SingleInstance, SecondCopyHandsItsDocumentToTheFirst) {
  QTemporaryDir folder;
  const QString name = uniqueLockName();
  Copy first(name);
  ASSERT_TRUE(first.waitFor("main window shown")) << first.output.constData();

  const QString document = QString::fromUtf8("Loans & Rates #1 \xC3\xA9t\xC3\xA9 %20.dmw");
  Copy second(name, false, {"-style", "fusion", document}, folder.path());
  ASSERT_TRUE(second.process.waitForFinished(15000));
  second.output += second.process.readAll();
  EXPECT_EQ(second.process.exitCode(), 0);
  EXPECT_FALSE(second.output.contains("main window shown")) << "the second copy showed its window";
  EXPECT_TRUE(first.waitFor("open " + QDir(folder.path()).filePath(document).toUtf8() + "\n"))
      << first.output.constData();
  EXPECT_TRUE(first.output.contains("activated")) << "the running copy did not come to the front";

  // Arguments that are no document (a folder) only bring the running copy to the front.
  first.output.clear();
  Copy third(name, false, {folder.path()});
  ASSERT_TRUE(third.process.waitForFinished(15000));
  EXPECT_TRUE(first.waitFor("activated")) << first.output.constData();
  EXPECT_FALSE(first.output.contains("open ")) << first.output.constData();
}

// The first copy opens the document of its own command line once its window is up.
TEST(SingleInstance, FirstCopyOpensItsOwnDocument) {
  QTemporaryDir folder;
  Copy first(uniqueLockName(), false, {"--", "-odd name.dmw"}, folder.path());
  ASSERT_TRUE(first.waitFor("main window shown")) << first.output.constData();
  EXPECT_TRUE(first.waitFor("open " + QDir(folder.path()).filePath("-odd name.dmw").toUtf8() + "\n"))
      << first.output.constData();
}

}  // namespace
