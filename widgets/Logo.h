#pragma once
// The sponsor's logo, drawn in code as a vector picture so that it stays sharp at any
// size and on high-density screens. Its designed size is 280 x 80; PaintSponsorLogo
// scales it to whatever rectangle it is given (the about box, the splash window and
// the loan application's header all use it).
#include <QWidget>

class QPainter;

namespace zeb {

inline constexpr int kLogoWidth = 280;
inline constexpr int kLogoHeight = 80;

// Paints the logo into `target` (stretched to fill it; pass a 7:2 rectangle to keep its
// proportions). The painter's state is left as it was.
void PaintSponsorLogo(QPainter& painter, const QRectF& target);

// The logo as a picture control of its designed size.
class TLogoPicture : public QWidget {
  Q_OBJECT
public:
  explicit TLogoPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override { return QSize(kLogoWidth, kLogoHeight); }

protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zeb
