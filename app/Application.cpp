#include "app/Application.h"

#include "widgets/Guarded.h"

namespace zeb {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    HandleApplicationException(std::current_exception());
    return true;
  }
}

}  // namespace zeb
