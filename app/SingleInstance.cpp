#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace zeb {
namespace {
constexpr char kActivate[] = "activate";
constexpr char kOpen[] = "open ";
// A request is one short line; a longer one is no request of ours.
constexpr qint64 kMaxRequest = 64 * 1024;
}

QString SingleInstance::ServerName(const QString& title) {
  // Socket names must be plain; the title has blanks and commas. The user's name keeps
  // two users of one machine apart, as a per-session lock would.
  const QByteArray hash = QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return "zebcalc-" + qEnvironmentVariable("USER", "user") + "-" + QString::fromLatin1(hash);
}

QString SingleInstance::LockPath(const QString& title) {
  return QDir(QDir::tempPath()).filePath(ServerName(title) + ".lock");
}

SingleInstance::SingleInstance(const QString& title, const QString& documentPath, QObject* parent)
    : QObject(parent) {
  const QString name = ServerName(title);
  lock_ = std::make_unique<QLockFile>(LockPath(title));
  // A lock whose owner process no longer runs is stale and is taken over at once.
  lock_->setStaleLockTime(0);
  first_ = lock_->tryLock(200);
  if (first_) {
    QLocalServer::removeServer(name);  // a socket left behind by a crashed copy
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
      while (QLocalSocket* s = server_->nextPendingConnection()) {
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
          // The request may arrive in pieces: wait for its line end.
          QByteArray& pending = requests_[s];
          pending += s->readAll();
          const qsizetype end = pending.indexOf('\n');
          if (end < 0 && pending.size() < kMaxRequest) return;
          const QByteArray line = pending.left(end);
          requests_.remove(s);
          s->disconnectFromServer();
          if (activate_) activate_();
          if (line.startsWith(kOpen) && open_) {
            const QString path = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(int(sizeof kOpen) - 1)));
            if (!path.isEmpty()) open_(path);
          }
        });
        connect(s, &QLocalSocket::disconnected, this, [this, s] { requests_.remove(s); });
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      }
    });
    return;
  }
  QLocalSocket socket;
  socket.connectToServer(name);
  if (socket.waitForConnected(1000)) {
    const QByteArray request = documentPath.isEmpty()
                                   ? QByteArray(kActivate)
                                   : kOpen + documentPath.toUtf8().toPercentEncoding();
    socket.write(request + '\n');
    delivered_ = socket.waitForBytesWritten(1000);
    socket.waitForDisconnected(1000);
  }
}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
  if (first_) lock_->unlock();
}

void BringToFront(QWidget* window) {
  if (!window) return;
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
}

}  // namespace zeb
