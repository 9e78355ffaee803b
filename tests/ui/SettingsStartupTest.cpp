// The settings file as the main window reads it at set-up: the first name reaches the
// loan application, and the general values never outlast the start-up reset.
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "app/DesktopRegistration.h"
#include "app/DialogSeam.h"
#include "calculators/AmortizationPage.h"
#include "loanapp/LoanApplicationWindow.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Mneyedit.h"

namespace zeb::test {
namespace {

// A settings file in the user's configuration folder for the life of the test (the
// test run's own folder: the program folder of the tests holds none).
class SettingsFileGuard {
public:
  explicit SettingsFileGuard(const QByteArray& text) : path_(QDir(UserConfigFolder()).filePath("ZEBcalc.Ini")) {
    QDir().mkpath(UserConfigFolder());
    QFile f(path_);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
  }
  ~SettingsFileGuard() { QFile::remove(path_); }

private:
  QString path_;
};

class SettingsAtStartup : public MainWindowTest {
protected:
  // Starts a main window with `text` as its settings file.
  void startWith(const QByteArray& text) {
    SettingsFileGuard file(text);
    MainWindowTest::SetUp();
  }
  void SetUp() override {}  // each test starts its own window
  QString firstNameOffered() {
    DialogRecorder dialogs;
    QString offered;
    dialogs.inspect = [&offered](QDialog& d) { offered = d.findChild<QLineEdit*>("edtFirstName")->text(); };
    window->ShowLoanApplication();
    return offered;
  }
  void expectEveryCalculatorAtZero() {
    EXPECT_EQ(window->DefaultValueSet(), 0);
    EXPECT_EQ(window->SettingsPayment(), 0);
    EXPECT_EQ(window->Settings().loan, 0);
    EXPECT_EQ(window->Settings().term, 0);
    EXPECT_EQ(window->Settings().defaultCalc, 0);
    EXPECT_EQ(window->Amortization()->AmortStartMonth(), 1);
    EXPECT_EQ(window->Amortization()->AmortStartYear(), 2000);
    for (const char* name : {"edtMortAmt", "edtIRate", "edtLoan", "edtMPISalesPrice"})
      EXPECT_EQ(find<TMoneyEdit>(name)->TextAsFloat(), 0) << name;
  }
};

TEST_F(SettingsAtStartup, WithoutAFileTheNameIsEmptyAndEverythingZero) {
  MainWindowTest::SetUp();
  EXPECT_EQ(firstNameOffered(), "");
  expectEveryCalculatorAtZero();
}

TEST_F(SettingsAtStartup, TheFirstNameReachesTheLoanApplication) {
  startWith("[GeneralValues]\nDefaultValueSet=1\nLoan=250000\nInterest=7.5\nTerm=180\nPayment=2317.57\n"
            "Month=7\nDefaultCalc=4\n[loanapplication]\nfirstname=Ann\n[Ratios]\nHRatio=30\n");
  EXPECT_EQ(window->LoanApplicationFirstName(), "Ann");
  EXPECT_EQ(firstNameOffered(), "Ann");
  expectEveryCalculatorAtZero();  // sample mode and general values do not outlast the start-up
  EXPECT_EQ(window->Settings().hRatio, 30);
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(SettingsAtStartup, ANameInAnEightBitCodePageIsRead) {
  startWith("[LoanApplication]\nFirstName=Jos\xE9\n");
  EXPECT_EQ(window->LoanApplicationFirstName(), QString::fromUtf8("Jos\xC3\xA9"));
}

TEST_F(SettingsAtStartup, AGarbledFileNeverStopsTheStartUp) {
  startWith(QByteArray("\x00\xFF\xFE[[]]\n=\n[GeneralValues\nTerm=1e999\n[LoanApplication]\nFirstName\n", 68));
  EXPECT_EQ(window->LoanApplicationFirstName(), "");
  expectEveryCalculatorAtZero();
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(window->CurrentPageKey(), "Welcome");
}

}  // namespace
}  // namespace zeb::test
