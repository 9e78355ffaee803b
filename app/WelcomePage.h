#pragma once
// The welcome page ("Welcome"): the sponsor's picture and welcome text, its e-mail and
// web links, and "  Continue", which leads to the calculator menu.
#include <QLabel>
#include <QWidget>

class QPushButton;

namespace zeb {

// A text that stands for a link: blue and underlined, red while the mouse is over it;
// a press of any mouse button emits clicked().
class TLinkLabel : public QLabel {
  Q_OBJECT
public:
  TLinkLabel(const QString& text, QWidget* parent);
  bool MouseOver() const { return mouseOver_; }

signals:
  void clicked();

protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  void setColour(const QColor& colour);
  bool mouseOver_ = false;
};

// The skyline of homes and commercial buildings on the welcome page.
class TWelcomePicture : public QWidget {
  Q_OBJECT
public:
  explicit TWelcomePicture(QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;
};

class WelcomePage : public QWidget {
  Q_OBJECT
public:
  explicit WelcomePage(QWidget* parent = nullptr);

  QPushButton* btnNext() const { return btnNext_; }
  TLinkLabel* lblEmail() const { return lblEmail_; }
  TLinkLabel* lblWeb() const { return lblWeb_; }

private:
  QPushButton* btnNext_ = nullptr;
  TLinkLabel* lblEmail_ = nullptr;
  TLinkLabel* lblWeb_ = nullptr;
};

}  // namespace zeb
