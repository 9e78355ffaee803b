// The loan application window through its real fields, pages and buttons; the desktop's
// e-mail program and web browser are replaced by the desktop seam's recorder.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QRegularExpression>
#include <QTest>
#include <cctype>
#include <functional>

#include "app/DesktopShell.h"
#include "app/DialogSeam.h"
#include "app/Sponsor.h"
#include "loanapp/LoanApplicationWindow.h"
#include "tests/ui/UiFixture.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"

namespace zeb::test {
namespace {

// Lists compared one item per line, so a failure reads as text.
std::string lines(const QStringList& list) { return list.join("\n").toStdString(); }

class LoanApplicationWindowTest : public ::testing::Test {
protected:
  void SetUp() override { open(); }

  void open() {
    form = std::make_unique<TfrmLoanApplication>(remembered);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  template <class T>
  T* find(const char* name) const {
    T* w = form->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << "no widget named " << name;
    return w;
  }
  QTabWidget* notebook() const { return find<QTabWidget>("nbkLoanApplication"); }
  QString preview() const { return find<QPlainTextEdit>("memPreviewSubmission")->toPlainText(); }
  QStringList previewLines() const { return preview().split('\n'); }
  void type(const char* name, const QString& text) {
    QWidget* w = find<QWidget>(name);
    w->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), text);
  }
  void submit() {
    notebook()->setCurrentIndex(3);
    QTest::mouseClick(find<QPushButton>("oxButton1"), Qt::LeftButton);
  }
  // The body items of the one link handed to the desktop, decoded and split at the
  // separators: a carriage return that is not the start of an item's own line break.
  QStringList sentItems() const {
    EXPECT_EQ(desktop.opened.size(), 1u);
    if (desktop.opened.empty()) return {};
    const QByteArray link = desktop.opened.back().toEncoded();
    const QByteArray prefix = "mailto:" + kSponsorEmail.toLatin1() + "?subject=Loan%20Application&body=";
    EXPECT_TRUE(link.startsWith(prefix)) << link.left(100).toStdString();
    const QByteArray body = link.mid(prefix.size());
    for (char c : body)  // nothing that could end or split a field of the link
      EXPECT_TRUE(QByteArray("%-._~").contains(c) || std::isalnum(static_cast<unsigned char>(c))) << c;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(body)).split(QRegularExpression("\\r(?!\\n)"));
  }

  MessageLog log;
  MessageRecorder recorder{log};
  DesktopRecorder desktop;
  ModalWatchdog watchdog;
  QString remembered = "Maria";
  std::unique_ptr<TfrmLoanApplication> form;
};

TEST_F(LoanApplicationWindowTest, OpensOnTheIntroductionWithTheFormsInitialValues) {
  EXPECT_EQ(form->windowTitle(), "Quorvane - Loan Application");
  EXPECT_EQ(form->size(), QSize(622, 452));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  QStringList tabs;
  for (int i = 0; i < notebook()->count(); ++i) tabs << notebook()->tabText(i);
  EXPECT_EQ(lines(tabs), lines({"Introduction", "Loan Application Form", "Preview Submission", "Submit"}));
  EXPECT_EQ(notebook()->currentWidget()->objectName(), "pgIntroduction");
  EXPECT_EQ(QApplication::focusWidget(), notebook()->findChild<QTabBar*>());
  EXPECT_EQ(find<QLabel>("UrlZEB")->text(), kSponsorWebAddress);

  // Five paragraphs, each after an empty line, the last "Thank you."
  auto* intro = find<QPlainTextEdit>("memIntroduction");
  EXPECT_TRUE(intro->isReadOnly());
  const QStringList paragraphs = intro->toPlainText().mid(1).split("\n\n");
  EXPECT_TRUE(intro->toPlainText().startsWith('\n'));
  ASSERT_EQ(paragraphs.size(), 5);
  EXPECT_TRUE(paragraphs[0].contains("several hundred sources of financing"));
  EXPECT_EQ(paragraphs[4], "Thank you.");

  EXPECT_EQ(find<QLineEdit>("edtFirstName")->text(), "Maria");
  for (const char* name : {"edtLastName", "edtCompany", "edtAddress", "edtCity", "edtState", "edtZipcode",
                           "edtWorkPhone", "edtFaxPhone", "edtEmail", "edtPropertyState", "edtOtherPropertyType"})
    EXPECT_EQ(find<QLineEdit>(name)->text(), "") << name;
  for (const char* name : {"edtPropertyValue", "edtLoanAmount"})
    EXPECT_EQ(find<TOvcPictureField>(name)->text().trimmed(), "") << name;

  struct ListCase {
    const char* name;
    const char* text;
    int count;
  };
  for (const ListCase& c : {ListCase{"cbPropertyType", "Office", 23}, ListCase{"cbLoanType", "Permanent", 6},
                            ListCase{"cbInterestType", "Fixed", 3}, ListCase{"cbAmortization", "15 years", 5},
                            ListCase{"cbLoanTerm", "5 years", 8}}) {
    auto* cb = find<QComboBox>(c.name);
    EXPECT_EQ(cb->currentText(), c.text) << c.name;
    EXPECT_EQ(cb->count(), c.count) << c.name;
    EXPECT_TRUE(cb->isEditable()) << c.name;
  }
  EXPECT_EQ(find<QComboBox>("cbPropertyType")->itemText(22), "Other (fill in next box)");
  EXPECT_EQ(find<QComboBox>("cbPropertyType")->maxVisibleItems(), 12);

  auto* occupied = find<TRadioGroup>("rgPropertyOccupied");
  EXPECT_EQ(occupied->ItemIndex(), 1);
  EXPECT_EQ(occupied->Button(0)->text(), "Yes");
  EXPECT_EQ(occupied->Button(0)->y(), occupied->Button(1)->y());  // side by side
  EXPECT_TRUE(form->findChildren<QRadioButton*>(QRegularExpression("^rb")).size() == 25);
  for (QRadioButton* b : form->findChildren<QRadioButton*>(QRegularExpression("^rb")))
    EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();

  EXPECT_EQ(preview(), "");  // until the first page change
  EXPECT_EQ(find<QPushButton>("btnClose")->text(), " &Close Loan Application");
  EXPECT_EQ(find<QPushButton>("btnClose")->toolTip(), "Close Loan Application");
  EXPECT_EQ(find<QPushButton>("oxButton1")->text(), "Launch My Default Email Client\nand Submit Loan Application");
  EXPECT_EQ(find<QPushButton>("oxButton1")->toolTip(), "Click to launch email client and submit loan application.");
}

// Tab and Shift+Tab walk the form in its order, the importance rows after the
// additional information; each group of option buttons is one stop, on its chosen
// button when it has one.
TEST_F(LoanApplicationWindowTest, TabWalksTheFormInItsOrder) {
  notebook()->setCurrentIndex(1);
  QTest::mouseClick(find<QRadioButton>("rbFast2"), Qt::LeftButton);
  const QStringList expected{"First Name", "Last Name", "Company Name", "Address", "City", "State", "Zipcode",
                             "Work Phone", "FAX", "Email", "Property Value", "Property Type", "State Located",
                             "If Property Type is 'Other' Please Specify", "No", "Desired Loan Amount",
                             "Desired Loan Type", "Desired Interest Rate Type",
                             "Desired Amortization (for Permanent Loan)", "Desired Loan Term (for Permanent Loan)",
                             "Additional Information", "Low Loan Fees 1st", "Loan Interest Rates 1st",
                             "Maximum Loan to Value 1st", "Fast Approval 2nd", "Minimal Prepayment Issues 1st"};
  find<QWidget>("edtFirstName")->setFocus(Qt::TabFocusReason);
  QStringList forward;
  for (int i = 0; i < expected.size(); ++i) {
    forward << QApplication::focusWidget()->accessibleName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(lines(forward), lines(expected));
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "btnClose");

  QStringList backward;
  for (int i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    backward.prepend(QApplication::focusWidget()->accessibleName());
  }
  EXPECT_EQ(lines(backward), lines(expected));
}

TEST_F(LoanApplicationWindowTest, TabGoesFromThePageTabToThePageThenToClose) {
  struct PageCase {
    int page;
    QStringList stops;
  };
  const PageCase cases[] = {{0, {"memIntroduction", "btnClose"}},
                            {1, {"edtFirstName", "edtLastName"}},
                            {2, {"memPreviewSubmission", "btnClose"}},
                            {3, {"oxButton1", "btnClose"}}};
  for (const PageCase& c : cases) {
    notebook()->setCurrentIndex(c.page);
    notebook()->findChild<QTabBar*>()->setFocus(Qt::TabFocusReason);
    QStringList stops;
    for (int i = 0; i < c.stops.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      stops << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(lines(stops), lines(c.stops)) << c.page;
  }
}

// A whole application typed with the keyboard alone, read back on the preview page and
// in the message handed to the e-mail program.
TEST_F(LoanApplicationWindowTest, KeyboardFilledFormReachesPreviewAndMessage) {
  notebook()->setCurrentIndex(1);
  find<QLineEdit>("edtFirstName")->clear();
  find<QWidget>("edtFirstName")->setFocus(Qt::TabFocusReason);
  auto typeAndTab = [](const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  };
  for (const char* text : {"Ann", "Lee", "Lee & Sons", "12 Elm Street", "Dayton", "OH", "45402", "937-555-0101",
                           "937-555-0102", "ann@lee.example", "1250000", "Mixed Use", "KY", "shops and flats"})
    typeAndTab(text);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);  // from "No" to "Yes"
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  for (const char* text : {"937500", "Bridge/Short Term", "Adjustable", "30", "12"}) typeAndTab(text);
  QTest::keyClicks(QApplication::focusWidget(), "Two buildings.");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClicks(QApplication::focusWidget(), "Closing in May.");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  // Fees 1st (Space), rates 3rd (two arrows right, Space), the rest left alone.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_TRUE(form->isVisible());

  notebook()->setCurrentIndex(2);
  EXPECT_EQ(lines(previewLines()),
            lines({"CONTACT INFORMATION", "Name: Ann Lee", "Company: Lee & Sons", "Address: 12 Elm Street",
                         "City, State, Zip: Dayton, OH 45402", "Work Phone: 937-555-0101",
                         "FAX Phone: 937-555-0102", "Email Address: ann@lee.example", "PROPERTY INFORMATION",
                         "Property Value: $1,250,000.00", "Property Type: Mixed Use", "Other Type: shops and flats",
                         "Property State: KY", "Property Occupied by Owner: Yes", "FINANCING INFORMATION",
                         "Loan Amount: $937,500.00", "Loan Type: Bridge/Short Term", "Interest Type: Adjustable",
                         "Amortization Period: 30", "Loan Term: 12", "Fee Importance: 1", "Rate Importance: 3",
                         "LTV Importance: 5", "Fast Importance: 5", "Prepayment Issues Importance: 5",
                         "ADDITIONAL INFORMATION", "Two buildings.", "Closing in May."}));

  submit();
  EXPECT_EQ(lines(sentItems()),
            lines({"Ann Lee", "Lee & Sons", "Dayton, OH 45402", "W: 937-555-0101", "F: 937-555-0102",
                         "ann@lee.example", "", "PROPERTY", "$1,250,000.00", "Mixed Use", "KY", "Yes", "FINANCING",
                         "$937,500.00", "Bridge/Short Term", "Adjustable", "30", "Term: 12", "Fee: 1", "Rate: 3",
                         "LTV: 5", "Fast: 5", "Prepayment Issues: 5", "Two buildings.\r\nClosing in May."}));
  EXPECT_EQ(QApplication::clipboard()->text(), preview());
  EXPECT_TRUE(log.entries.empty());
  EXPECT_TRUE(form->isVisible());  // the window stays open after a successful hand-over
}

TEST_F(LoanApplicationWindowTest, EveryPageChangeRebuildsThePreview) {
  notebook()->setCurrentIndex(1);
  EXPECT_TRUE(preview().startsWith("CONTACT INFORMATION"));
  EXPECT_TRUE(previewLines().contains("Name: Maria "));
  type("edtLastName", "Ortiz");
  QTest::mouseClick(find<QRadioButton>("rbFast2"), Qt::LeftButton);
  QTest::mouseClick(find<QRadioButton>("rbFees2"), Qt::LeftButton);  // rows may share a rank
  notebook()->setCurrentIndex(3);
  EXPECT_TRUE(previewLines().contains("Name: Maria Ortiz"));
  EXPECT_TRUE(previewLines().contains("Fast Importance: 2"));
  EXPECT_TRUE(previewLines().contains("Fee Importance: 2"));
  EXPECT_TRUE(previewLines().contains("Rate Importance: 5"));
  QTest::mouseClick(find<QPushButton>("oxButton1"), Qt::LeftButton);
  const QStringList items = sentItems();
  ASSERT_EQ(items.size(), 24);
  EXPECT_EQ(items[21], "Fast: 2");
}

// Whatever the applicant types arrives in the message exactly as typed.
TEST_F(LoanApplicationWindowTest, MessageCarriesEveryCharacterAsTyped) {
  const QString company = "Lee & Sons? #1 100% + more&body=x";
  const QString city = QString::fromUtf8("Z\xC3\xBCrich \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xF0\x9F\x8F\xA0");
  type("edtCompany", company);
  find<QLineEdit>("edtCity")->setText(city);  // as an input method would enter it
  type("cbLoanTerm", "7 & more");
  find<QPlainTextEdit>("memInformation")->setPlainText("line one\n\nline three: 50% off & more\n");
  submit();
  const QStringList items = sentItems();
  ASSERT_EQ(items.size(), 24);
  EXPECT_EQ(items[1], company);
  EXPECT_EQ(items[2], city + ",  ");
  EXPECT_EQ(items[17], "Term: 7 & more");
  EXPECT_EQ(items[23], "line one\r\n\r\nline three: 50% off & more\r\n");
}

TEST_F(LoanApplicationWindowTest, TypedListTextIsUsedAndNotAddedToTheList) {
  type("cbPropertyType", "Vineyard");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(find<QComboBox>("cbPropertyType")->count(), 23);
  notebook()->setCurrentIndex(2);
  EXPECT_TRUE(previewLines().contains("Property Type: Vineyard"));
}

TEST_F(LoanApplicationWindowTest, RefusalOfTheDesktopIsReported) {
  desktop.succeed = false;
  submit();
  EXPECT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(lines(log.informationTexts()), kCannotAccessEmailClient.toStdString());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("CONTACT INFORMATION\nName: Maria"));
}

// A link up to the limit is opened; one character more and the applicant is pointed to
// the clipboard copy instead of a cut message.
TEST_F(LoanApplicationWindowTest, OverLongLinkIsNotOpened) {
  const size_t base = MailtoLink(form->FormValues(), kSponsorEmail.toStdString()).size();
  auto* info = find<QPlainTextEdit>("memInformation");
  info->setPlainText(QString(int(kMaxMailtoLength - base), 'x'));
  submit();
  EXPECT_EQ(desktop.opened.size(), 1u);
  EXPECT_TRUE(log.entries.empty());

  desktop.opened.clear();
  info->setPlainText(QString(int(kMaxMailtoLength - base) + 1, 'x'));
  submit();
  EXPECT_TRUE(desktop.opened.empty());
  ASSERT_EQ(log.informationTexts().size(), 1);
  EXPECT_TRUE(log.informationTexts()[0].contains("copied to the clipboard")) << log.informationTexts()[0].toStdString();
  EXPECT_TRUE(log.informationTexts()[0].contains(kSponsorEmail));
  EXPECT_TRUE(QApplication::clipboard()->text().endsWith(QString(100, 'x')));
}

// A huge additional information full of control characters, right-to-left text and
// emoji: the preview and the clipboard copy are built whole, nothing is opened.
TEST_F(LoanApplicationWindowTest, HugeAdditionalInformationIsHandled) {
  const QString piece = QString::fromUtf8("\x01\t\xD7\xA9\xD7\x9C \xF0\x9F\x92\xB0 & %0d\n");
  QString huge;
  while (huge.size() < 100000) huge += piece;
  find<QPlainTextEdit>("memInformation")->setPlainText(huge);
  find<QLineEdit>("edtCompany")->setText(QString(100000, 'c'));  // text fields have no length limit
  find<QComboBox>("cbLoanTerm")->setEditText(QString(50000, '7'));
  notebook()->setCurrentIndex(2);
  EXPECT_TRUE(preview().endsWith("ADDITIONAL INFORMATION\n" + huge));
  EXPECT_TRUE(previewLines().contains("Company: " + QString(100000, 'c')));
  EXPECT_TRUE(previewLines().contains("Loan Term: " + QString(50000, '7')));
  submit();
  EXPECT_TRUE(desktop.opened.empty());
  EXPECT_EQ(log.informationTexts().size(), 1);
  EXPECT_EQ(QApplication::clipboard()->text(), preview());
}

// Only the Close button hands the first name back to the main window.
TEST_F(LoanApplicationWindowTest, CloseButtonAloneRemembersTheFirstName) {
  struct CloseCase {
    const char* name;
    std::function<void(TfrmLoanApplication&)> close;
    const char* remembered;
  };
  const CloseCase cases[] = {
      {"close_button", [](TfrmLoanApplication& f) {
         QTest::mouseClick(f.findChild<QPushButton*>("btnClose"), Qt::LeftButton);
       }, "Ann"},
      {"enter_on_close_button", [](TfrmLoanApplication& f) {
         f.findChild<QPushButton*>("btnClose")->setFocus();
         QTest::keyClick(f.findChild<QPushButton*>("btnClose"), Qt::Key_Return);
       }, "Ann"},
      {"close_box", [](TfrmLoanApplication& f) { f.close(); }, "Maria"},
      {"escape", [](TfrmLoanApplication& f) { QTest::keyClick(&f, Qt::Key_Escape); }, "Maria"},
  };
  for (const CloseCase& c : cases) {
    remembered = "Maria";
    open();
    find<QLineEdit>("edtFirstName")->setText("Ann");
    c.close(*form);
    EXPECT_FALSE(form->isVisible()) << c.name;
    EXPECT_EQ(remembered, c.remembered) << c.name;
  }
}

TEST_F(LoanApplicationWindowTest, EnterPressesOnlyTheFocusedButton) {
  type("edtLastName", "Lee");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(desktop.opened.empty());
  notebook()->setCurrentIndex(3);
  find<QPushButton>("oxButton1")->setFocus();
  QTest::keyClick(find<QPushButton>("oxButton1"), Qt::Key_Enter);
  EXPECT_EQ(desktop.opened.size(), 1u);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(LoanApplicationWindowTest, WebLinkOpensTheSponsorsSite) {
  QTest::mouseClick(find<QLabel>("UrlZEB"), Qt::LeftButton);
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0], QUrl(kSponsorWebUrl));
}

// From the main window: each opening is a new window with the remembered first name.
class LoanApplicationFromMain : public MainWindowTest {
protected:
  DialogRecorder dialogs;
  DesktopRecorder desktop;
};

TEST_F(LoanApplicationFromMain, RemembersTheFirstNameForTheRun) {
  window->SetLoanApplicationFirstName("Maria");
  QStringList shown;
  dialogs.inspect = [&shown](QDialog& d) {
    auto& f = dynamic_cast<TfrmLoanApplication&>(d);
    auto* first = f.findChild<QLineEdit*>("edtFirstName");
    shown << first->text();
    first->setText(first->text() == "Maria" ? "Ann" : "Bob");
    if (shown.size() == 1)
      QTest::mouseClick(f.findChild<QPushButton*>("btnClose"), Qt::LeftButton);
    else
      f.close();
  };
  window->MainMenuItem("MQ")->trigger();
  window->PopupItem("MQ")->trigger();
  window->PopCalcsItem("MQ")->trigger();
  EXPECT_EQ(lines(shown), lines({"Maria", "Ann", "Ann"}));
  EXPECT_EQ(window->LoanApplicationFirstName(), "Ann");
  ASSERT_EQ(dialogs.entries.size(), 3u);
  EXPECT_EQ(dialogs.entries[0].objectName, "frmLoanApplication");
  EXPECT_EQ(dialogs.entries[0].windowTitle, "Quorvane - Loan Application");
}

}  // namespace
}  // namespace zeb::test
