#pragma once
// The application object: every exception that escapes an event handler is caught
// here and handed to the application-wide handler.
#include <QApplication>

namespace zeb {

class TApplication : public QApplication {
public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace zeb
