// The document commands on a real main window: saving and opening every calculator,
// the current document and the caption, damaged files and failed saves.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/AppInfo.h"
#include "app/FileDialogs.h"
#include "app/Main.h"
#include "calculators/AmortizationPage.h"
#include "calculators/TabulonPage.h"
#include "document/CalculatorDocument.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

const QString kUnidentified = "An unidentified error has occurred.";

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> fileLines(const QString& path) {
  QList<QByteArray> lines = readAll(path).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

class Document : public test::MainWindowTest {
protected:
  void SetUp() override {
    test::MainWindowTest::SetUp();
    ASSERT_TRUE(dir.isValid());
  }
  QString path(const QString& name) const { return dir.filePath(name); }

  // Sample values everywhere, with the schedule built on the Amortization page.
  void samplesWithSchedule() {
    window->ShowPageByKey("Amort");
    window->ResetAllToSamples();
    log.entries.clear();
  }
  // The commands as the menu runs them: a failure reaches the application-wide handler.
  void saveAs(const QString& fullPath) {
    dialogs.answers.push_back(fullPath);
    window->Action("mnuFileSaveAs")->trigger();
  }
  void open(const QString& fullPath) {
    dialogs.answers.push_back(fullPath);
    window->Action("MnuFileOpen")->trigger();
  }
  void save() { window->Action("MnuFileSave")->trigger(); }
  QString caption(const QString& fileName) const { return kAppTitle + " - " + fileName; }

  QTemporaryDir dir;
  FileDialogScript dialogs;
};

// ---- round trip -------------------------------------------------------------------------------------

TEST_F(Document, SampleValuesComeBackAfterAResetToZero) {
  samplesWithSchedule();
  const TCalculatorDocument shown = window->GatherDocument();
  ASSERT_EQ(shown.schedule.size(), 360u);
  const int annualRows = window->Amortization()->grdAnnualAmortization()->RowCount();
  saveAs(path("samples.dmw"));
  ASSERT_TRUE(log.entries.empty());
  EXPECT_EQ(fileLines(path("samples.dmw")).size(), 223u + 360u);

  window->ResetAllToZero();
  EXPECT_NE(window->GatherDocument(), shown);
  open(path("samples.dmw"));
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(window->GatherDocument(), shown);
  EXPECT_EQ(window->Amortization()->grdAnnualAmortization()->RowCount(), annualRows);
  EXPECT_EQ(window->CurrentFileName(), QFileInfo(path("samples.dmw")).absoluteFilePath());
  EXPECT_EQ(window->windowTitle(), caption("samples.dmw"));
}

TEST_F(Document, PrepaymentsOfTheScheduleSurviveSaveAndOpen) {
  samplesWithSchedule();
  find<QAbstractButton>("btnAddExtra")->click();
  find<QAbstractButton>("rbOnePmt")->click();
  find<TOvcPictureField>("edtFromPmt")->SetAsInteger(3);
  find<TMoneyEdit>("edtExtraAmount")->SetTextAsFloat(5000);
  find<QAbstractButton>("btnRecalcExtra")->click();
  const TTextGrid& grid = *window->Amortization()->grdAmortization();
  ASSERT_EQ(grid.Cell(6, 3), "$5,000.00");
  const QString lastBalance = grid.Cell(7, grid.RowCount() - 1);
  saveAs(path("prepaid.dmw"));

  window->ShowPageByKey("Menu");
  window->ResetAllToZero();  // drops every prepayment
  open(path("prepaid.dmw"));
  window->ShowPageByKey("Amort");  // the schedule is built again from the opened inputs
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(grid.Cell(6, 3), "$5,000.00");
  EXPECT_EQ(grid.Cell(7, grid.RowCount() - 1), lastBalance);
}

TEST_F(Document, PaymentShownAs786_70IsWrittenAs786_7AndReadBackAs786_70) {
  samplesWithSchedule();
  saveAs(path("p.dmw"));
  const QList<QByteArray> lines = fileLines(path("p.dmw"));
  EXPECT_EQ(lines[77], "786.7\r");
  EXPECT_EQ(lines[74], "100000\r");
  EXPECT_EQ(lines[75], "8.75\r");
  EXPECT_EQ(lines[223], "1 " + window->TodayMonthShort().toLatin1() + " " + QByteArray::number(window->TodayYear()) +
                            " $57.53 $729.17 $57.53 $729.17 $0.00 $99,942.47\r");
  window->ResetAllToZero();
  open(path("p.dmw"));
  EXPECT_EQ(find<TOvcPictureField>("edtAmortPayment")->text().trimmed(), "$786.70");
}

TEST_F(Document, AResultTooWideForItsFieldIsSavedWithTheValueItHolds) {
  // A future value beyond the result mask shows as stars; the field still holds it.
  auto* result = find<TOvcPictureField>("edtFV1");
  result->SetAsFloat(5e12);
  ASSERT_TRUE(result->text().trimmed().startsWith('*'));
  saveAs(path("wide.dmw"));
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(fileLines(path("wide.dmw"))[133], "5000000000000\r");

  window->ResetAllToZero();
  open(path("wide.dmw"));
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(result->AsFloat(), 5e12);
  EXPECT_EQ(window->CurrentFileName(), QFileInfo(path("wide.dmw")).absoluteFilePath());
}

TEST_F(Document, NoScheduleMakes223LinesAndOpensToTheHeadingRowOnly) {
  saveAs(path("zero.dmw"));  // on the welcome page: no schedule was built

  EXPECT_EQ(fileLines(path("zero.dmw")).size(), 223u);
  open(path("zero.dmw"));
  EXPECT_EQ(window->Amortization()->grdAmortization()->RowCount(), 1);
  EXPECT_EQ(window->Amortization()->grdAmortization()->Cell(0, 0), "PMT");
}

TEST_F(Document, OpeningOnTheSchedulePageRecomputesTheSchedule) {
  samplesWithSchedule();
  TCalculatorDocument document = window->GatherDocument();
  document.SetInteger("edtNumPmts", 12);  // the rows of the file are those of 360 payments
  writeFile(path("twelve.dmw"), QByteArray::fromStdString(WriteDocument(document)));
  open(path("twelve.dmw"));
  EXPECT_EQ(window->Amortization()->grdAmortization()->RowCount(), 13);
}

TEST_F(Document, SeventyPaymentsMake293LinesAndA71RowGrid) {
  samplesWithSchedule();
  find<TOvcPictureField>("edtNumPmts")->SetAsInteger(70);
  window->Amortization()->CalcAmortization();
  saveAs(path("seventy.dmw"));
  EXPECT_EQ(fileLines(path("seventy.dmw")).size(), 293u);
  window->ShowPageByKey("Menu");
  window->ResetAllToZero();
  open(path("seventy.dmw"));
  EXPECT_EQ(window->Amortization()->grdAmortization()->RowCount(), 71);
}

TEST_F(Document, ChoicesAreSetAsAUsersChoiceAndHiddenGroupsKeepTheirs) {
  window->ShowPageByKey("TB");
  TabulonPage* tb = window->Tabulon();
  tb->rgLoan()->SetItemIndex(1);
  TCalculatorDocument document = window->GatherDocument();
  document.SetReal("edtLoan", 100000);
  document.SetReal("edtInterest", 8.75);
  document.SetInteger("edtTerm", 360);
  document.SetReal("edtPayment", 786.7);
  document.SetInteger("rgCalculate", 1);  // loan amounts: the loan step group hides
  document.SetInteger("rgLoan", 3);
  document.SetInteger("rgPayments", 2);
  writeFile(path("tb.dmw"), QByteArray::fromStdString(WriteDocument(document)));
  open(path("tb.dmw"));
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(tb->TabulonMode(), 1);
  EXPECT_EQ(tb->rgCalculate()->ItemIndex(), 1);
  EXPECT_EQ(tb->rgLoan()->ItemIndex(), 1) << "hidden group keeps its choice";
  EXPECT_EQ(tb->rgPayments()->ItemIndex(), 2);
  EXPECT_FALSE(tb->grdTB()->Cell(1, 1).isEmpty()) << "the grid was recomputed";
}

TEST_F(Document, OpeningOnTheCapitalizationPageSolvesAsTheFileChose) {
  window->ShowPageByKey("pgCapRate");
  TCalculatorDocument document = window->GatherDocument();
  document.SetReal("edtCRValue1", 2000000);
  document.SetReal("edtCRCapitalizationRate1", 8.5);
  document.SetReal("edtCRNetOperatingIncome1", 1);  // a stale result: recomputed on opening
  document.SetInteger("rgCapRateSolveFor", 0);      // solve for the income
  writeFile(path("cap.dmw"), QByteArray::fromStdString(WriteDocument(document)));
  open(path("cap.dmw"));
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(window->GatherDocument().Integer("rgCapRateSolveFor"), 0);
  EXPECT_EQ(window->GatherDocument().Real("edtCRNetOperatingIncome1"), 170000);
}

// ---- the current document and the caption -------------------------------------------------------

TEST_F(Document, SaveWithoutADocumentAsksForANameThenWritesThereWithoutAsking) {
  dialogs.answers.push_back(path("first"));  // no extension: ".dmw" is added
  save();
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_TRUE(dialogs.requests[0].save);
  EXPECT_EQ(dialogs.requests[0].startName, "untitled.dmw");
  EXPECT_EQ(dialogs.requests[0].filter, "Devovederi Dunmarrow File (*.dmw)");
  EXPECT_TRUE(QFile::exists(path("first.dmw")));
  EXPECT_EQ(window->CurrentFileName(), QFileInfo(path("first.dmw")).absoluteFilePath());
  EXPECT_EQ(window->windowTitle(), caption("first.dmw"));

  QFile::remove(path("first.dmw"));
  save();
  EXPECT_EQ(dialogs.requests.size(), 1u) << "no second question";
  EXPECT_TRUE(QFile::exists(path("first.dmw")));
}

TEST_F(Document, OpenASaveAsBSaveWritesBAndClosingNamesB) {
  saveAs(path("a.dmw"));
  open(path("a.dmw"));
  ASSERT_EQ(dialogs.requests.back().startName, "*.dmw");
  const QByteArray a = readAll(path("a.dmw"));
  saveAs(path("b.dmw"));
  samplesWithSchedule();
  save();
  EXPECT_EQ(readAll(path("a.dmw")), a);
  EXPECT_EQ(fileLines(path("b.dmw")).size(), 223u + 360u);
  EXPECT_EQ(window->windowTitle(), caption("b.dmw"));

  log.confirmAnswer = false;
  window->close();
  ASSERT_FALSE(log.entries.empty());
  EXPECT_EQ(log.entries[0].text, "Save changes to " + QFileInfo(path("b.dmw")).absoluteFilePath());
}

TEST_F(Document, CloseResetsOnlyTheCaption) {
  samplesWithSchedule();
  saveAs(path("c.dmw"));
  window->mnuFileCloseClick();
  EXPECT_EQ(window->windowTitle(), kAppTitle);
  EXPECT_EQ(window->CurrentFileName(), QFileInfo(path("c.dmw")).absoluteFilePath());
  EXPECT_EQ(window->GatherDocument().Real("edtMortAmt"), 100000);
  window->ShowPageByKey("Menu");
  window->ResetAllToZero();
  save();
  EXPECT_EQ(fileLines(path("c.dmw")).size(), 223u) << "Save still writes the closed document";
  EXPECT_EQ(window->windowTitle(), kAppTitle) << "Save leaves the caption";
}

TEST_F(Document, ANameThatDoesNotExistChangesOnlyTheCaption) {
  samplesWithSchedule();
  const TCalculatorDocument before = window->GatherDocument();
  open(path("missing.dmw"));
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(window->windowTitle(), caption("missing.dmw"));
  EXPECT_TRUE(window->CurrentFileName().isEmpty());
  EXPECT_EQ(window->GatherDocument(), before);
}

TEST_F(Document, OpeningANamedFileTellsWhetherItIsNowCurrent) {
  saveAs(path("named.dmw"));
  window->SetCurrentFileName(QString());
  writeFile(path("broken.dmw"), "1\r\n");
  EXPECT_FALSE(window->OpenDocumentFile(path("absent.dmw")));
  EXPECT_EQ(window->windowTitle(), caption("absent.dmw"));
  EXPECT_FALSE(window->OpenDocumentFile(path("broken.dmw")));
  EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
  EXPECT_TRUE(window->CurrentFileName().isEmpty());
  EXPECT_TRUE(window->OpenDocumentFile(path("named.dmw")));
  EXPECT_EQ(window->CurrentFileName(), QFileInfo(path("named.dmw")).absoluteFilePath());
  EXPECT_EQ(window->windowTitle(), caption("named.dmw"));
}

TEST_F(Document, ADocumentFromTheCommandLineOpensOrSaysItCannot) {
  samplesWithSchedule();
  saveAs(path("shell.dmw"));
  window->ShowPageByKey("Menu");
  window->ResetAllToZero();
  const TCalculatorDocument zero = window->GatherDocument();
  window->OpenDocumentFromShell(path("nowhere.dmw"));
  EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
  EXPECT_EQ(window->GatherDocument(), zero);
  log.entries.clear();
  window->OpenDocumentFromShell(path("shell.dmw"));
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(window->GatherDocument().Real("edtMortAmt"), 100000);
  EXPECT_EQ(window->windowTitle(), caption("shell.dmw"));
}

TEST_F(Document, CancelledOpenStillResetsTheCaption) {
  saveAs(path("d.dmw"));
  window->Action("MnuFileOpen")->trigger();  // no answer: cancelled
  EXPECT_EQ(window->windowTitle(), kAppTitle);
  EXPECT_EQ(window->CurrentFileName(), QFileInfo(path("d.dmw")).absoluteFilePath());
}

TEST_F(Document, ClosingWithYesSavesTheCurrentDocument) {
  saveAs(path("e.dmw"));
  samplesWithSchedule();
  log.confirmAnswer = true;
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(fileLines(path("e.dmw")).size(), 223u + 360u);
}

// ---- failures ---------------------------------------------------------------------------------------

struct DamagedCase {
  const char* name;
  std::function<QByteArray(QByteArray)> damage;
};

QByteArray replaceLine(QByteArray bytes, int line, const QByteArray& text) {
  QList<QByteArray> lines = bytes.split('\n');
  lines[line - 1] = text + "\r";
  return lines.join('\n');
}

TEST_F(Document, ADamagedFileShowsTheMessageAndChangesNothing) {
  samplesWithSchedule();
  saveAs(path("good.dmw"));
  const QByteArray good = readAll(path("good.dmw"));
  const DamagedCase cases[] = {
      {"word_on_line_2", [](QByteArray b) { return replaceLine(b, 2, "hundred"); }},
      {"word_on_the_last_value_line", [](QByteArray b) { return replaceLine(b, 223, "many"); }},
      {"222_lines", [](QByteArray b) { return b.split('\n').mid(0, 222).join('\n') + '\n'; }},
      {"integer_beyond_32_bits", [](QByteArray b) { return replaceLine(b, 80, "99999999999"); }},
      {"term_too_wide_for_its_field", [](QByteArray b) { return replaceLine(b, 77, "2147483647"); }},
      {"tabulon_term_too_wide_for_its_field", [](QByteArray b) { return replaceLine(b, 69, "-2147483647"); }},
      {"loan_step_that_is_no_choice", [](QByteArray b) { return replaceLine(b, 72, "-1"); }},
      {"schedule_amount_unreadable", [](QByteArray b) { return replaceLine(b, 230, "7 Jul 2000 $x $y $z $w $0.00 $1"); }},
      {"binary", [](QByteArray) { return QByteArray("\x7F" "ELF\x00\x01\x02", 7); }},
      {"empty", [](QByteArray) { return QByteArray(); }},
  };
  const QString current = window->CurrentFileName();
  for (const DamagedCase& c : cases) {
    SCOPED_TRACE(c.name);
    window->ResetAllToZero();
    const TCalculatorDocument before = window->GatherDocument();
    writeFile(path("bad.dmw"), c.damage(good));
    log.entries.clear();
    open(path("bad.dmw"));
    EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
    EXPECT_EQ(window->GatherDocument(), before);
    EXPECT_EQ(window->CurrentFileName(), current);
    EXPECT_EQ(window->windowTitle(), kAppTitle);
  }
}

TEST_F(Document, AFailedSaveKeepsThePreviousFileTheCaptionAndTheDocument) {
  samplesWithSchedule();
  saveAs(path("keep.dmw"));
  const QByteArray kept = readAll(path("keep.dmw"));
  const QString title = window->windowTitle();

  // A month text the document's code page cannot hold: nothing is written.
  window->findChild<QComboBox*>("cbMonth")->setEditText(QString::fromUtf8("\xC5\x8A" "an"));
  save();
  EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
  EXPECT_EQ(readAll(path("keep.dmw")), kept);

  // A folder that does not exist: Save As fails and keeps the current document.
  window->findChild<QComboBox*>("cbMonth")->setEditText("Jan");
  log.entries.clear();
  saveAs(path("no/such/folder/x.dmw"));
  EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
  EXPECT_EQ(window->windowTitle(), title);
  EXPECT_EQ(window->CurrentFileName(), QFileInfo(path("keep.dmw")).absoluteFilePath());
}

TEST_F(Document, ClosingWhenTheSaveFailsKeepsTheWindowOpen) {
  window->SetCurrentFileName(path("no/such/folder/f.dmw"));
  log.confirmAnswer = true;
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
  log.confirmAnswer = false;
  window->close();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace zeb
