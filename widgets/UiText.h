#pragma once
// The look every window shares: the Arial face, the navy text colour, and hints whose
// short part is the tooltip and whose long part the status bar shows.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace zeb {

inline const QColor kNavy(0, 0, 128);

inline QFont ArialFont(int pixelSize = 11, bool bold = false) {
  QFont f("Arial");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

// Times New Roman; on this desktop its metric twin Liberation Serif stands in.
inline QFont TimesFont(int pixelSize) {
  QFont f;
  f.setFamilies({"Times New Roman", "Liberation Serif"});
  f.setStyleHint(QFont::Serif);
  f.setPixelSize(pixelSize);
  return f;
}

// Courier New; on this desktop its metric twin Liberation Mono stands in.
inline QFont CourierFont(int pixelSize) {
  QFont f;
  f.setFamilies({"Courier New", "Liberation Mono"});
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPixelSize(pixelSize);
  return f;
}

// Navy window and button text for `w` and the children that inherit its palette.
inline void SetNavyText(QWidget* w) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, kNavy);
  pal.setColor(QPalette::ButtonText, kNavy);
  w->setPalette(pal);
}

// A "short|long" hint: the short part as tooltip, the long part for the status bar.
// A hint without "|" is both.
inline void SetHint(QWidget* w, const QString& hint) {
  const int bar = hint.indexOf('|');
  w->setToolTip(bar >= 0 ? hint.left(bar) : hint);
  w->setStatusTip(bar >= 0 ? hint.mid(bar + 1) : hint);
}

}  // namespace zeb
