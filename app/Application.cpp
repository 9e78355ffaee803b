#include "app/Application.h"

#include <QFont>
#include <QProxyStyle>

#include "widgets/Guarded.h"
#include "widgets/InputRules.h"

namespace zeb {

namespace {

// The hint pause: tooltips appear 400 ms after the pointer comes to rest.
class HintPauseStyle : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 400;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setStyle(new HintPauseStyle);
  // The program's face: Arial (Liberation Sans on this desktop), 11 pixels.
  QFont font("Arial");
  font.setPixelSize(11);
  setFont(font);
  InstallInputRules(*this);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  NoteEventArriving(receiver, event);
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    HandleApplicationException(std::current_exception());
    return true;
  }
}

}  // namespace zeb
