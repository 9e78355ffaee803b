#include "widgets/InputRules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "widgets/Messages.h"

namespace zeb {
namespace {

bool IsEnterKey(const QKeyEvent* e) {
  const auto mods = e->modifiers() & ~Qt::KeypadModifier;
  return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

// A push-like button: what Enter presses. Option buttons and check boxes keep their keys.
QAbstractButton* PushLike(QObject* o) {
  auto* b = qobject_cast<QAbstractButton*>(o);
  if (!b || qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b)) return nullptr;
  return b;
}

class InputRules : public QObject {
public:
  using QObject::QObject;
  unsigned pressSerial = 0;
  QPointer<QObject> pressReceiver;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        QAbstractButton* b = PushLike(watched);
        if (b && IsEnterKey(key) && b->hasFocus()) {
          if (!key->isAutoRepeat() && b->isEnabled()) b->click();
          return true;
        }
        break;
      }
      case QEvent::KeyRelease: {
        // The release of an Enter that pressed a button is the button's no more.
        auto* key = static_cast<QKeyEvent*>(event);
        if (PushLike(watched) && IsEnterKey(key)) return true;
        break;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        if (watched == pressReceiver && MessageSerial() != pressSerial) {
          pressReceiver = nullptr;
          return true;
        }
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }
};

InputRules* g_rules = nullptr;

}  // namespace

void InstallInputRules(QApplication& app) {
  if (g_rules) return;
  g_rules = new InputRules(&app);
  app.installEventFilter(g_rules);
}

void NoteEventArriving(QObject* receiver, QEvent* event) {
  if (!g_rules) return;
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
    g_rules->pressReceiver = receiver;
    g_rules->pressSerial = MessageSerial();
  }
}

}  // namespace zeb
