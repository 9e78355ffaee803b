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

// A face by its name, with its metric twin on this desktop standing in for it.
inline QFont FaceWithTwin(const QString& face, const QString& twin, QFont::StyleHint hint, int pixelSize) {
  QFont f;
  f.setFamilies({face, twin});
  f.setStyleHint(hint);
  f.setPixelSize(pixelSize);
  return f;
}

// Times New Roman (Liberation Serif here).
inline QFont TimesFont(int pixelSize) {
  return FaceWithTwin("Times New Roman", "Liberation Serif", QFont::Serif, pixelSize);
}

// Courier New (Liberation Mono here), fixed pitch.
inline QFont CourierFont(int pixelSize) {
  QFont f = FaceWithTwin("Courier New", "Liberation Mono", QFont::TypeWriter, pixelSize);
  f.setFixedPitch(true);
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
