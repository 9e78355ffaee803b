#pragma once
// A label drawn rotated by 90 degrees, reading upwards, beginning `origin` pixels from
// its top (the caption strip's page name).
#include <QWidget>

namespace zeb {

class TRotatedLabel : public QWidget {
  Q_OBJECT
public:
  explicit TRotatedLabel(QWidget* parent = nullptr);
  QString Text() const { return text_; }
  void SetText(const QString& text);
  int Origin() const { return origin_; }
  void SetOrigin(int origin);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString text_;
  int origin_ = 0;
};

}  // namespace zeb
