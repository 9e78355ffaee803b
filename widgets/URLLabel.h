#pragma once
// TURLLabel: a text label that stands for a link. Besides its normal colour and font
// style it has a colour and a style for while the mouse is over it: when the mouse
// enters, the label remembers its colour and style and takes the mouse-over ones;
// when the mouse leaves, it takes the remembered ones back. Any mouse button pressed
// on it hands its link to the desktop's default handler; the outcome is not reported.
// From the keyboard it takes the focus by Tab and opens its link on Enter or Space.
#include <QFont>
#include <QLabel>

namespace zeb {

// Font style flags, as a label's style and its mouse-over style.
enum class FontStyle { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

class TURLLabel : public QLabel {
  Q_OBJECT
public:
  TURLLabel(const QString& caption, const QString& url, QWidget* parent);

  QString URL() const { return url_; }
  void SetURL(const QString& url) { url_ = url; }

  QColor Colour() const;
  void SetColour(const QColor& colour);
  FontStyles Style() const;
  void SetStyle(FontStyles style);

  // What the label shows while the mouse is over it.
  QColor HighlightColour() const { return highlightColour_; }
  void SetHighlightColour(const QColor& colour) { highlightColour_ = colour; }
  FontStyles HighlightStyle() const { return highlightStyle_; }
  void SetHighlightStyle(FontStyles style) { highlightStyle_ = style; }

protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void open();
  QString url_;
  QColor highlightColour_ = Qt::red;
  FontStyles highlightStyle_ = FontStyle::Underline;
  QColor savedColour_;
  FontStyles savedStyle_;
  bool over_ = false;
};

}  // namespace zeb
