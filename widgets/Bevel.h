#pragma once
// Bevelled panels and lines, drawn in whole pixels so they stay sharp at any device
// pixel ratio: a raised bevel is light along its top and left edges and shadowed along
// its bottom and right; a lowered one the other way round.
#include <QColor>
#include <QWidget>

class QPainter;

namespace zeb {

enum class Bevel { None, Raised, Lowered };

// One pixel of bevel just inside `r`.
void PaintBevel(QPainter& painter, const QRect& r, Bevel kind);

// A panel: an outer bevel, a border of `borderWidth` pixels in the window colour, an
// inner bevel, and inside them the panel's own colour (white unless set).
class TBevelPanel : public QWidget {
  Q_OBJECT
public:
  explicit TBevelPanel(QWidget* parent, Bevel outer = Bevel::Raised, Bevel inner = Bevel::None,
                       int borderWidth = 0);
  void SetColour(const QColor& colour);
  QColor Colour() const { return colour_; }
  Bevel Outer() const { return outer_; }
  Bevel Inner() const { return inner_; }
  int BorderWidth() const { return borderWidth_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  Bevel outer_;
  Bevel inner_;
  int borderWidth_;
  QColor colour_ = Qt::white;
};

// A lowered horizontal line two pixels high (a shadow over a light line).
class TBevelLine : public QWidget {
  Q_OBJECT
public:
  explicit TBevelLine(QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zeb
