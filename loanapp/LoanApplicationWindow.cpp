#include "loanapp/LoanApplicationWindow.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <algorithm>
#include <limits>

#include "app/AppInfo.h"
#include "app/DesktopShell.h"
#include "app/Sponsor.h"
#include "widgets/Guarded.h"
#include "widgets/Logo.h"
#include "widgets/Messages.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"
#include "widgets/URLLabel.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

const QString kIntroduction =
    "\n" + kSponsorName +
    " works with several hundred sources of financing for commercial, multi-family and residential "
    "development projects: banks, life companies, conduit lenders, pension funds and private investors.\n"
    "\nWe will search among them for the best financing for your project. Please give us as much of the "
    "following information as you can; a " +
    kSponsorName + " representative will contact you within several business days.\n" +
    "\nGetting started takes only a couple of minutes. All we need is your contact information and a few "
    "details on your property.\n"
    "\nA seasoned financing professional of " +
    kSponsorName + " will then work for you to obtain the best possible financing.\n" + "\nThank you.";

const QString kPreviewIntroduction =
    "The information you supplied on the Loan Application Form is displayed below as it will be formatted "
    "for submission to Quorvane.  If you wish to modify your responses, please go back to the Loan "
    "Application Form and change your responses.";
const QString kSendText1 = "To submit your Loan Application Information click on the the button below. ";
const QString kSendText2 =
    "Your Loan Application Information will be copied to the clipboard in case your email client doesn't "
    "respond as expected.  In that case you may simply perform a Ctrl-V to paste the Loan Application "
    "Information into a new email message.";
const QString kLinkTooLong =
    "Your Loan Application Information is too long for your email client to receive in one message, so "
    "the email client was not started.\n\nThe Loan Application Information has been copied to the "
    "clipboard: please write a new email message to " +
    kSponsorEmail + " and paste it with Ctrl-V.";

const char* const kImportanceCaptions[kImportanceRows] = {"Low Loan Fees", "Loan Interest Rates",
                                                          "Maximum Loan to Value", "Fast Approval",
                                                          "Minimal Prepayment Issues"};
const char* const kImportanceNames[kImportanceRows] = {"rbFees", "rbRates", "rbLTV", "rbFast", "rbPrepay"};
const char* const kRanks[kImportanceLevels] = {"1st", "2nd", "3rd", "4th", "5th"};

// Form page geometry: captions right-aligned left of the fields.
constexpr int kCaptionX = 8;
constexpr int kCaptionWidth = 240;
constexpr int kFieldX = 256;
constexpr int kFieldWidth = 290;
constexpr int kRowHeight = 22;
constexpr int kRankWidth = 50;

QLabel* caption(QWidget* parent, const QString& text, int y, int h = kRowHeight) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(kCaptionX, y, kCaptionWidth, h);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetNavyText(l);
  return l;
}

QLabel* heading(QWidget* parent, const QString& text, int y) {
  auto* l = new QLabel(text, parent);
  l->setFont(ArialFont(13, true));
  l->setGeometry(kCaptionX, y, kFieldX + kFieldWidth - kCaptionX, 20);
  SetNavyText(l);
  return l;
}

QLineEdit* textField(QWidget* parent, const char* name, const QString& text, int y, int width = kFieldWidth) {
  caption(parent, text, y);
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setAccessibleName(text);
  e->setMaxLength(std::numeric_limits<int>::max());  // no length limit
  e->setGeometry(kFieldX, y, width, kRowHeight);
  return e;
}

QComboBox* listField(QWidget* parent, const char* name, const QString& text, int y,
                     const std::vector<std::string>& items) {
  caption(parent, text, y);
  auto* cb = new QComboBox(parent);
  cb->setObjectName(name);
  cb->setAccessibleName(text);
  cb->setEditable(true);
  cb->setInsertPolicy(QComboBox::NoInsert);  // typed text is used, not added to the list
  cb->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
  for (const auto& item : items) cb->addItem(QString::fromStdString(item));
  cb->setCurrentIndex(0);
  cb->setGeometry(kFieldX, y, kFieldWidth, kRowHeight);
  return cb;
}

TOvcPictureField* moneyField(QWidget* parent, const char* name, const QString& text, int y) {
  caption(parent, text, y);
  auto* f = new TOvcPictureField(parent);
  f->setObjectName(name);
  f->setAccessibleName(text);
  f->SetPictureMask("$#,###,###,###.##", TOvcPictureField::DataType::Double, 17);
  f->setText(QString(f->PictureMask().size(), ' '));  // empty until the applicant types an amount
  f->setGeometry(kFieldX, y, 140, kRowHeight);
  return f;
}

// A group of option buttons is one stop of the Tab key: its chosen button, or its first
// while none is chosen. The arrow keys still move among all of them.
void keepOneTabStop(TRadioGroup* group) {
  auto update = [group] {
    const int stop = std::max(0, group->ItemIndex());
    for (int i = 0; i < group->Count(); ++i)
      group->Button(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
  };
  for (int i = 0; i < group->Count(); ++i) QObject::connect(group->Button(i), &QRadioButton::toggled, group, update);
  update();
}

std::string text(const QLineEdit* e) { return e->text().toStdString(); }
std::string text(const QComboBox* cb) { return cb->currentText().toStdString(); }

}  // namespace

TfrmLoanApplication::TfrmLoanApplication(QString& rememberedFirstName, QWidget* parent)
    : QDialog(parent), rememberedFirstName_(rememberedFirstName) {
  setObjectName("frmLoanApplication");
  setWindowTitle(kSponsorName + " - Loan Application");
  setFont(ArialFont(11));
  setFixedSize(622, 452);

  buildHeader()->setGeometry(0, 0, 622, 88);

  nbkLoanApplication_ = new QTabWidget(this);
  nbkLoanApplication_->setObjectName("nbkLoanApplication");
  nbkLoanApplication_->setGeometry(4, 92, 614, 318);
  nbkLoanApplication_->addTab(buildIntroduction(), "Introduction");
  nbkLoanApplication_->addTab(buildApplication(), "Loan Application Form");
  nbkLoanApplication_->addTab(buildPreview(), "Preview Submission");
  nbkLoanApplication_->addTab(buildSend(), "Submit");
  nbkLoanApplication_->setCurrentIndex(0);
  connect(nbkLoanApplication_, &QTabWidget::currentChanged, this,
          [this] { Guarded([this] { nbkLoanApplicationPageChange(); }); });

  btnClose_ = new QPushButton(" &Close Loan Application", this);
  btnClose_->setObjectName("btnClose");
  btnClose_->setAutoDefault(false);
  SetHint(btnClose_, "Close Loan Application");
  btnClose_->setGeometry(438, 416, 180, 30);
  connect(btnClose_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCloseClick(); }); });

  // Keyboard order across the pages: the page tabs, the shown page's inputs, then Close.
  const std::vector<QWidget*> chain{nbkLoanApplication_->findChild<QTabBar*>(), findChild<QWidget*>("memIntroduction"),
                                    edtFirstName_};
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  QWidget::setTabOrder(importance_.back()->Button(kImportanceLevels - 1), memPreviewSubmission_);
  QWidget::setTabOrder(memPreviewSubmission_, oxButton1_);
  QWidget::setTabOrder(oxButton1_, btnClose_);
  QWidget::setTabOrder(btnClose_, UrlZEB_);
  chain.front()->setFocus();  // the window opens with the page tabs in hand

  if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

QWidget* TfrmLoanApplication::buildHeader() {
  auto* header = new QWidget(this);
  header->setObjectName("pnlHeader");
  header->setAutoFillBackground(true);
  QPalette white = header->palette();
  white.setColor(QPalette::Window, Qt::white);
  header->setPalette(white);

  auto* logo = new TLogoPicture(header);
  logo->setGeometry(4, 4, kLogoWidth, kLogoHeight);
  auto* website = new QLabel("Website:", header);
  website->setFont(ArialFont(12, true));
  SetNavyText(website);
  website->setGeometry(356, 34, 64, 20);
  UrlZEB_ = new TURLLabel(kSponsorWebAddress, kSponsorWebUrl, header);
  UrlZEB_->setObjectName("UrlZEB");
  UrlZEB_->setAccessibleName("Website");
  UrlZEB_->setFont(ArialFont(12));
  UrlZEB_->SetColour(Qt::blue);
  UrlZEB_->SetStyle(FontStyle::Underline);
  UrlZEB_->setGeometry(422, 34, 192, 20);
  SetHint(UrlZEB_, "Visit our web site");
  return header;
}

QWidget* TfrmLoanApplication::buildIntroduction() {
  auto* page = new QWidget;
  page->setObjectName("pgIntroduction");
  auto* memo = new QPlainTextEdit(kIntroduction, page);
  memo->setObjectName("memIntroduction");
  memo->setAccessibleName("Introduction");
  memo->setReadOnly(true);
  memo->setTabChangesFocus(true);
  memo->setFont(ArialFont(13));
  memo->setGeometry(6, 6, 596, 276);
  return page;
}

QWidget* TfrmLoanApplication::buildApplication() {
  auto* page = new QWidget;
  page->setObjectName("pgApplication");
  sbxApplication_ = new QScrollArea(page);
  sbxApplication_->setObjectName("sbxApplication");
  sbxApplication_->setGeometry(0, 0, 608, 288);
  sbxApplication_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sbxApplication_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  sbxApplication_->setFocusPolicy(Qt::NoFocus);  // Tab goes from the page's tab to the first field
  auto* form = new QWidget;
  form->setObjectName("pnlApplicationForm");

  int y = 8;
  auto next = [&y](int step = 26) { return std::exchange(y, y + step); };
  edtFirstName_ = textField(form, "edtFirstName", "First Name", next());
  edtLastName_ = textField(form, "edtLastName", "Last Name", next());
  edtCompany_ = textField(form, "edtCompany", "Company Name", next());
  edtAddress_ = textField(form, "edtAddress", "Address", next());
  edtCity_ = textField(form, "edtCity", "City", next());
  edtState_ = textField(form, "edtState", "State", next(), 48);
  edtZipcode_ = textField(form, "edtZipcode", "Zipcode", next());
  edtWorkPhone_ = textField(form, "edtWorkPhone", "Work Phone", next());
  edtFaxPhone_ = textField(form, "edtFaxPhone", "FAX", next());
  edtEmail_ = textField(form, "edtEmail", "Email", next(34));

  heading(form, "Property Information", next());
  edtPropertyValue_ = moneyField(form, "edtPropertyValue", "Property Value", next());
  cbPropertyType_ = listField(form, "cbPropertyType", "Property Type", next(), PropertyTypes());
  cbPropertyType_->setMaxVisibleItems(12);
  edtPropertyState_ = textField(form, "edtPropertyState", "State Located", next());
  edtOtherPropertyType_ =
      textField(form, "edtOtherPropertyType", "If Property Type is 'Other' Please Specify", next(30));
  const QString occupied = " Is this property occupied (>50%) by owner? ";
  rgPropertyOccupied_ = new TRadioGroup("rgPropertyOccupied", {"Yes", "No"}, 2, form);
  rgPropertyOccupied_->setTitle(occupied);
  rgPropertyOccupied_->setAccessibleName(occupied.trimmed());
  SetNavyText(rgPropertyOccupied_);
  rgPropertyOccupied_->setGeometry(kFieldX, next(60), kFieldWidth, 44);
  for (int i = 0; i < rgPropertyOccupied_->Count(); ++i)
    rgPropertyOccupied_->Button(i)->setAccessibleName(rgPropertyOccupied_->Button(i)->text());
  rgPropertyOccupied_->SetItemIndex(1);

  heading(form, "Financing Information", next());
  edtLoanAmount_ = moneyField(form, "edtLoanAmount", "Desired Loan Amount", next());
  cbLoanType_ = listField(form, "cbLoanType", "Desired Loan Type", next(), LoanTypes());
  cbInterestType_ = listField(form, "cbInterestType", "Desired Interest Rate Type", next(), InterestRateTypes());
  cbAmortization_ =
      listField(form, "cbAmortization", "Desired Amortization (for Permanent Loan)", next(), AmortizationPeriods());
  cbLoanTerm_ = listField(form, "cbLoanTerm", "Desired Loan Term (for Permanent Loan)", next(36), LoanTerms());

  heading(form, "Preferred Loan Characteristics", next(22));
  auto* level = new QLabel("Importance Level", form);
  level->setFont(ArialFont(11, true));
  SetNavyText(level);
  level->setAlignment(Qt::AlignCenter);
  level->setGeometry(kFieldX, next(20), kRankWidth * kImportanceLevels, 18);
  for (int k = 0; k < kImportanceLevels; ++k) {
    auto* rank = new QLabel(kRanks[k], form);
    SetNavyText(rank);
    rank->setAlignment(Qt::AlignCenter);
    rank->setGeometry(kFieldX + k * kRankWidth, y, kRankWidth, 18);
  }
  next(20);
  for (int r = 0; r < kImportanceRows; ++r) {
    const int rowY = next();
    caption(form, kImportanceCaptions[r], rowY);
    auto* group = new TRadioGroup(kImportanceNames[r], {"", "", "", "", ""}, kImportanceLevels, form);
    group->setObjectName(QString("grp") + (kImportanceNames[r] + 2));
    group->setAccessibleName(kImportanceCaptions[r]);
    group->setFlat(true);
    group->setStyleSheet("QGroupBox { border: 0; margin: 0; padding: 0; }");
    group->layout()->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < kImportanceLevels; ++k) {
      QRadioButton* b = group->Button(k);
      b->setObjectName(QString(kImportanceNames[r]) + QString::number(k + 1));
      b->setAccessibleName(QString(kImportanceCaptions[r]) + " " + kRanks[k]);
      group->layout()->setAlignment(b, Qt::AlignCenter);
    }
    group->setGeometry(kFieldX, rowY, kRankWidth * kImportanceLevels, kRowHeight);
    importance_[static_cast<size_t>(r)] = group;
  }
  next(14);

  const int infoY = next(0);
  caption(form, "Additional Information", infoY);
  memInformation_ = new QPlainTextEdit(form);
  memInformation_->setObjectName("memInformation");
  memInformation_->setAccessibleName("Additional Information");
  memInformation_->setTabChangesFocus(true);
  memInformation_->setGeometry(kFieldX, infoY, kFieldWidth, 110);
  form->setFixedSize(kFieldX + kFieldWidth + 12, infoY + 110 + 12);
  sbxApplication_->setWidget(form);

  // The keyboard order is the order on the form, except that the importance rows
  // follow the additional information.
  std::vector<QWidget*> order{edtFirstName_, edtLastName_, edtCompany_, edtAddress_, edtCity_,
                              edtState_, edtZipcode_, edtWorkPhone_, edtFaxPhone_, edtEmail_,
                              edtPropertyValue_, cbPropertyType_, edtPropertyState_, edtOtherPropertyType_};
  for (int i = 0; i < rgPropertyOccupied_->Count(); ++i) order.push_back(rgPropertyOccupied_->Button(i));
  order.insert(order.end(), {edtLoanAmount_, cbLoanType_, cbInterestType_, cbAmortization_, cbLoanTerm_,
                             memInformation_});
  for (TRadioGroup* group : importance_)
    for (int k = 0; k < group->Count(); ++k) order.push_back(group->Button(k));
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  keepOneTabStop(rgPropertyOccupied_);
  for (TRadioGroup* group : importance_) keepOneTabStop(group);
  return page;
}

QWidget* TfrmLoanApplication::buildPreview() {
  auto* page = new QWidget;
  page->setObjectName("pgPreview");
  auto* label = new QLabel(kPreviewIntroduction, page);
  label->setWordWrap(true);
  SetNavyText(label);
  label->setGeometry(8, 6, 592, 44);
  memPreviewSubmission_ = new QPlainTextEdit(page);
  memPreviewSubmission_->setObjectName("memPreviewSubmission");
  memPreviewSubmission_->setAccessibleName("Preview Submission");
  memPreviewSubmission_->setReadOnly(true);
  memPreviewSubmission_->setTabChangesFocus(true);
  memPreviewSubmission_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memPreviewSubmission_->setGeometry(8, 54, 592, 228);
  return page;
}

QWidget* TfrmLoanApplication::buildSend() {
  auto* page = new QWidget;
  page->setObjectName("pgSend");
  auto* first = new QLabel(kSendText1, page);
  first->setWordWrap(true);
  first->setFont(ArialFont(13));
  SetNavyText(first);
  first->setGeometry(24, 20, 560, 40);
  oxButton1_ = new QPushButton("Launch My Default Email Client\nand Submit Loan Application", page);
  oxButton1_->setObjectName("oxButton1");
  oxButton1_->setAutoDefault(false);
  oxButton1_->setFont(ArialFont(13, true));
  SetHint(oxButton1_, "Click to launch email client and submit loan application.");
  oxButton1_->setGeometry(154, 72, 300, 60);
  connect(oxButton1_, &QPushButton::clicked, this, [this] { Guarded([this] { CreateMessage(); }); });
  auto* second = new QLabel(kSendText2, page);
  second->setWordWrap(true);
  SetNavyText(second);
  second->setGeometry(24, 156, 560, 60);
  return page;
}

void TfrmLoanApplication::FormCreate() { edtFirstName_->setText(rememberedFirstName_); }

void TfrmLoanApplication::nbkLoanApplicationPageChange() { FillMemPreviewSubmission(); }

TLoanApplicationForm TfrmLoanApplication::FormValues() const {
  TLoanApplicationForm f;
  f.firstName = text(edtFirstName_);
  f.lastName = text(edtLastName_);
  f.company = text(edtCompany_);
  f.address = text(edtAddress_);
  f.city = text(edtCity_);
  f.state = text(edtState_);
  f.zipcode = text(edtZipcode_);
  f.workPhone = text(edtWorkPhone_);
  f.faxPhone = text(edtFaxPhone_);
  f.email = text(edtEmail_);
  // The amount as the field shows it, right-aligned: without the blanks that fill its mask.
  f.propertyValueText = edtPropertyValue_->text().trimmed().toStdString();
  f.propertyType = text(cbPropertyType_);
  f.propertyState = text(edtPropertyState_);
  f.otherPropertyType = text(edtOtherPropertyType_);
  f.ownerOccupied = rgPropertyOccupied_->ItemIndex() == 0;
  f.loanAmount = edtLoanAmount_->AsFloat();
  f.loanType = text(cbLoanType_);
  f.interestType = text(cbInterestType_);
  f.amortization = text(cbAmortization_);
  f.loanTerm = text(cbLoanTerm_);
  for (size_t r = 0; r < importance_.size(); ++r) f.importance[r] = importance_[r]->ItemIndex();
  f.additionalInformation = memInformation_->toPlainText().toStdString();
  return f;
}

void TfrmLoanApplication::FillMemPreviewSubmission() {
  memPreviewSubmission_->setPlainText(QString::fromStdString(PreviewSubmissionText(FormValues())));
}

void TfrmLoanApplication::CreateMessage() {
  const TLoanApplicationForm form = FormValues();
  const std::string link = MailtoLink(form, kSponsorEmail.toStdString());
  // The promise of the Submit page: a copy to paste when the e-mail program does not respond.
  QString copy = QString::fromStdString(PreviewSubmissionText(form));
  copy.replace("\r\n", "\n");
  QGuiApplication::clipboard()->setText(copy);
  if (link.size() > kMaxMailtoLength) {
    ShowInformation(kLinkTooLong);
    return;
  }
  if (!OpenWithDesktop(QUrl::fromEncoded(QByteArray::fromStdString(link), QUrl::StrictMode)))
    ShowInformation(kCannotAccessEmailClient);
}

void TfrmLoanApplication::btnCloseClick() {
  rememberedFirstName_ = edtFirstName_->text();
  accept();
}

void TfrmLoanApplication::keyPressEvent(QKeyEvent* event) {
  // Enter presses the focused push button and nothing else: it never closes the window
  // while the applicant fills in the form.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace zeb
