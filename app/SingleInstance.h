#pragma once
// The single-instance rule, as a layer of ours: a lock named by the application title.
//
// The first copy holds a lock file (stale locks of crashed copies are taken over, since
// the lock records its owner's process id) and listens on a local socket of the same
// name. A later copy finds the lock held, asks the first copy over the socket to come
// to the front (restored when minimised), and ends without showing its main window.
// A later copy started with a document hands its full path over with the request, so
// the first copy opens it. One line per request: "activate" or "open " followed by the
// path, percent-encoded as UTF-8 (so any character of a path survives the line form).
#include <QByteArray>
#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace zeb {

class SingleInstance : public QObject {
  Q_OBJECT
public:
  // `documentPath`: the document a later copy hands to the first (empty: none).
  explicit SingleInstance(const QString& title, const QString& documentPath = QString(),
                          QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process owns the lock. Otherwise the running copy has been asked
  // to come to the front.
  bool IsFirst() const { return first_; }
  // Called in the first copy whenever a later copy asks it to come to the front.
  void OnActivationRequest(std::function<void()> handler) { activate_ = std::move(handler); }
  // Called in the first copy, after the activation, with a document a later copy handed over.
  void OnOpenRequest(std::function<void(const QString&)> handler) { open_ = std::move(handler); }
  // Whether the request reached the running copy (a later copy only).
  bool Delivered() const { return delivered_; }

  // The names behind the lock, derived from the title (for tests and messages).
  static QString ServerName(const QString& title);
  static QString LockPath(const QString& title);

private:
  bool first_ = false;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
  std::function<void()> activate_;
  std::function<void(const QString&)> open_;
  bool delivered_ = false;
  QHash<QLocalSocket*, QByteArray> requests_;  // what each connection sent so far
};

// Restores `window` when minimised, otherwise brings it to the top, and activates it.
void BringToFront(class QWidget* window);

}  // namespace zeb
