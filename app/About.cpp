#include "app/About.h"

#include <QLabel>
#include <QPushButton>

#include "app/AppInfo.h"
#include "app/ModalWindow.h"
#include "app/Sponsor.h"
#include "widgets/Bevel.h"
#include "widgets/Logo.h"
#include "widgets/URLLabel.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

// A label sized to its text with its top-left corner at (x, y).
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, const QFont& font = ArialFont(11)) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  l->setFont(font);
  SetNavyText(l);
  l->move(x, y);
  l->adjustSize();
  return l;
}

TURLLabel* link(QWidget* parent, const char* name, const QString& caption, const QString& url, const QString& hint,
                int x, int y) {
  auto* l = new TURLLabel(caption, url, parent);
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  l->SetHighlightColour(Qt::red);
  l->SetHighlightStyle(FontStyle::Underline);
  SetHint(l, hint);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("AboutBox");
  setFont(ArialFont(11));
  setFixedSize(308, 259);

  panel1_ = new TBevelPanel(this);
  panel1_->setObjectName("Panel1");
  panel1_->setGeometry(5, 5, 298, 222);

  programIcon_ = new TLogoPicture(panel1_);
  programIcon_->setObjectName("ProgramIcon");
  programIcon_->setGeometry(12, 12, kLogoWidth, kLogoHeight);

  label(panel1_, "ProductName", "Devovederi Dunmarrow", 12, 94, TimesFont(19));
  label(panel1_, "lblVersionCaption", "Version:", 35, 118);
  lblVersion_ = label(panel1_, "lblVersion", QString(), 85, 118);
  label(panel1_, "lblCompileDateCaption", "Compile Date:", 12, 134);
  lblCompileDate_ = label(panel1_, "lblCompileDate", QString(), 84, 134);
  label(panel1_, "lblWeb", " Web:", 49, 148)->setAlignment(Qt::AlignRight | Qt::AlignTop);
  urlLabel1_ = link(panel1_, "UrlLabel1", kSponsorWebUrl, kSponsorWebUrl, " Click to visit our website ...", 84, 148);
  label(panel1_, "lblEmail", "Email:", 50, 164);
  urlLabel2_ = link(panel1_, "URLLabel2", kSponsorEmail, "mailto:" + kSponsorEmail,
                    " Click to contact us by email ...", 84, 164);

  btnClose_ = new QPushButton(" &OK", this);
  btnClose_->setObjectName("btnClose");
  btnClose_->setGeometry(92, 231, 115, 25);
  btnClose_->setDefault(true);
  SetHint(btnClose_, "Close About Window");
  connect(btnClose_, &QPushButton::clicked, this, &TAboutBox::BtnCloseClick);
  // OK has the focus; Tab leads on to the two links.
  setTabOrder(btnClose_, urlLabel1_);
  setTabOrder(urlLabel1_, urlLabel2_);
  btnClose_->setFocus();

  CentreOnScreen(*this);
}

void TAboutBox::FormShow() {
  setWindowTitle(" About " + kAppTitle);
  lblVersion_->setText(kAppVersion);
  lblVersion_->adjustSize();
  lblCompileDate_->setText(kCompileDate);
  lblCompileDate_->adjustSize();
}

void TAboutBox::BtnCloseClick() { close(); }

void TAboutBox::showEvent(QShowEvent* event) {
  FormShow();
  CentreOnScreen(*this);
  QDialog::showEvent(event);
}

}  // namespace zeb
