#include "app/Application.h"

#include <QFont>

#include "widgets/Guarded.h"

namespace zeb {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The program's face: Arial (Liberation Sans on this desktop), 11 pixels.
  QFont font("Arial");
  font.setPixelSize(11);
  setFont(font);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    HandleApplicationException(std::current_exception());
    return true;
  }
}

}  // namespace zeb
