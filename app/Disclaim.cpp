#include "app/Disclaim.h"

#include <QLabel>
#include <QPushButton>

#include "app/ModalWindow.h"
#include "widgets/Bevel.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

// A word-wrapped black text at (x, y), `width` wide and as high as its lines. A word
// longer than the width widens the label rather than being cut.
QLabel* text(QWidget* parent, const char* name, const QString& caption, int x, int y, int width, bool bold) {
  auto* l = new QLabel(caption, parent);
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setFont(ArialFont(11, bold));
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, Qt::black);
  l->setPalette(pal);
  int longestWord = 0;
  for (const QString& word : caption.split(' ', Qt::SkipEmptyParts))
    longestWord = std::max(longestWord, l->fontMetrics().horizontalAdvance(word));
  width = std::max(width, longestWord);
  l->setGeometry(x, y, width, l->heightForWidth(width));
  return l;
}

}  // namespace

TfrmDisclaim::TfrmDisclaim(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("frmDisclaim");
  setWindowTitle("Disclaimer");
  setFont(ArialFont(11));
  setFixedSize(262, 159);

  panel1_ = new TBevelPanel(this);
  panel1_->setObjectName("Panel1");
  panel1_->setGeometry(0, 0, 262, 131);
  text(panel1_, "Label1", "Though effort was made to ensure the accuracy of these calculations,", 10, 8, 239, false);
  text(panel1_, "Label2", "NOTE:", 10, 38, 31, true);
  text(panel1_, "Label3",
       "there is  NO WARRANTY,  expressed or implied, for the accuracy or applicability of this "
       "information to your particular financial question.",
       52, 38, 200, true);
  text(panel1_, "Label4", "Please consult your own financial advisor before making any financial decision.", 10, 96,
       240, false);

  btnClose_ = new QPushButton(" &OK", this);
  btnClose_->setObjectName("btnClose");
  btnClose_->setGeometry(93, 133, 75, 24);
  btnClose_->setDefault(true);
  SetHint(btnClose_, "Close Disclaimer window.");
  connect(btnClose_, &QPushButton::clicked, this, &TfrmDisclaim::BtnCloseClick);

  CentreOnScreen(*this);
}

void TfrmDisclaim::BtnCloseClick() { close(); }

void TfrmDisclaim::showEvent(QShowEvent* event) {
  CentreOnScreen(*this);
  QDialog::showEvent(event);
}

}  // namespace zeb
