#include "app/ModalWindow.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>

#include "app/DialogSeam.h"

namespace zeb {
namespace {

const char* const kScreenCentred = "screenCentred";

// The window's outer size; before it is first shown the desktop has not framed it yet,
// so the frame is taken to be the same as the owner's.
QSize outerSize(const QWidget& window, const QWidget& owner) {
  const QSize framed = window.frameGeometry().size();
  if (framed != window.size()) return framed;
  return window.size() + (owner.frameGeometry().size() - owner.size());
}

}  // namespace

void CentreOnScreen(QWidget& window) {
  window.setProperty(kScreenCentred, true);
  QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
  QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize outer = outerSize(window, owner ? *owner : window);
  window.move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
}

int OpenModalWindow(QWidget& owner, QDialog& dialog) {
  const QRect outer = owner.frameGeometry();
  owner.repaint();
  if (dialog.property(kScreenCentred).toBool()) {
    CentreOnScreen(dialog);
  } else {
    const QSize size = outerSize(dialog, owner);
    dialog.move(outer.left() + (outer.width() - size.width()) / 2, outer.top() + (outer.height() - size.height()) / 2);
  }
  return ExecDialog(dialog);
}

}  // namespace zeb
