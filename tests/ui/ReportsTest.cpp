// The schedule reports: what each print routine puts on its pages (through the page
// description the preview would show), the preview window's commands, and the PDF and
// CSV files it writes.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "UiFixture.h"
#include "calculators/TabulonPage.h"
#include "reports/ReportPreviewQt.h"
#include "reports/ReportsQt.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"

namespace zeb::test {
namespace {

std::string text(const TPageDescription& d, std::size_t page, const char* object) {
  const auto items = d.Find(page, object);
  return items.empty() ? std::string("<missing>") : items.front()->text;
}

// pdftotext of a file, in reading order.
QString pdfText(const QString& file, int firstPage = 1, int lastPage = 1) {
  QProcess p;
  p.start("pdftotext", {"-layout", "-f", QString::number(firstPage), "-l", QString::number(lastPage), file, "-"});
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

class Reports : public MainWindowTest {
protected:
  // Prints the current page and gives what the preview would show.
  const TPreviewRequest& print() {
    previews.previews.clear();
    QTest::mouseClick(find<QToolButton>("btnPrint"), Qt::LeftButton);
    EXPECT_EQ(previews.previews.size(), 1u) << log.informationTexts().join("|").toStdString();
    if (previews.previews.empty()) throw std::runtime_error("no preview");
    return previews.previews.back();
  }
  void samples(const char* key) {
    window->ShowPageByKey(key);
    window->Action("mnuResetSamples")->trigger();
    if (QString(key) == "Amort") find<QPushButton>("btnCalculate")->click();
  }
  void setLoan(double amount, double rate, int term) {
    find<TMoneyEdit>("edtMortAmt")->SetTextAsFloat(amount);
    find<TMoneyEdit>("edtIRate")->SetTextAsFloat(rate);
    find<TOvcPictureField>("edtNumPmts")->SetAsInteger(term);
    find<QPushButton>("btnCalculate")->click();
  }
  // Runs the preview window on a built report without showing it modally.
  std::unique_ptr<TPreviewWindow> previewWindow(const TPreviewRequest& r) {
    return std::make_unique<TPreviewWindow>(r.pages, r.options, window->Printer(), window.get());
  }

  ReportPreviewRecorder previews;
  QTemporaryDir dir{QDir::tempPath() + "/reports-XXXXXX"};
};

TEST_F(Reports, MonthlySchedulePdfReadsAsThePreview) {
  samples("Amort");
  const TPreviewRequest& r = print();
  auto preview = previewWindow(r);
  const QString pdf = dir.filePath("monthly.pdf");
  ASSERT_TRUE(preview->SavePdfTo(pdf));
  const QString page1 = pdfText(pdf);
  EXPECT_TRUE(page1.contains("Loan Amortization Schedule - Monthly")) << page1.toStdString();
  QFile::copy(pdf, "/tmp/reports/monthly.pdf");
}

}  // namespace
}  // namespace zeb::test
