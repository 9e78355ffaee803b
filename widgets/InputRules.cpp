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

bool IsTabStop(const QWidget* w) {
  if (!w || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible()) return false;
  if (auto* rb = qobject_cast<const QRadioButton*>(w); rb && !rb->isChecked() && rb->autoExclusive()) {
    // Another button of the same parent chosen, or an earlier one when none is.
    const QList<QRadioButton*> siblings = w->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (const QRadioButton* other : siblings)
      if (other->isChecked() && other->autoExclusive()) return false;
    for (const QRadioButton* other : siblings) {
      if (other == rb) break;
      if (other->autoExclusive() && other->isEnabled() && other->isVisible()) return false;
    }
  }
  return true;
}

bool FocusNextWithin(QWidget* container, bool next) {
  QWidget* from = QApplication::focusWidget();
  if (!from || !container->isAncestorOf(from)) from = container;
  QWidget* w = from;
  // The focus chain is a ring through the whole window: walking it from the focus
  // widget and keeping to the container's stops comes back round to its first.
  do {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
    if (w != container && container->isAncestorOf(w) && IsTabStop(w)) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  } while (w && w != from);
  return false;
}

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
