#pragma once
// The calculator menu page ("Menu"): the sponsor's name and slogan line, a picture that
// opens the About window, and one borderless picture button per page, one under the
// other. A button's text is navy and turns red while the mouse is over it.
#include <QAbstractButton>
#include <QList>
#include <QWidget>

namespace zeb {

// A borderless picture button: a small glyph and its caption, nothing else.
class TMenuButton : public QAbstractButton {
  Q_OBJECT
public:
  TMenuButton(const QString& caption, const QColor& glyphColour, QWidget* parent);
  QColor TextColour() const { return textColour_; }
  void SetTextColour(const QColor& colour);
  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QColor textColour_;
  QColor glyphColour_;
};

// The menu page's picture (300 x 330): clicking it emits clicked().
class TMenuPicture : public QWidget {
  Q_OBJECT
public:
  explicit TMenuPicture(QWidget* parent);

signals:
  void clicked();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

class MenuPage : public QWidget {
  Q_OBJECT
public:
  explicit MenuPage(QWidget* parent = nullptr);

  // The twelve buttons, top to bottom.
  const QList<TMenuButton*>& Buttons() const { return buttons_; }
  TMenuButton* Button(const QString& objectName) const;
  TMenuPicture* Image1() const { return image1_; }

  void MenuButtonEnter(TMenuButton* button);
  void MenuButtonLeave(TMenuButton* button);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QList<TMenuButton*> buttons_;
  TMenuPicture* image1_ = nullptr;
};

}  // namespace zeb
