// The document commands of the main window: Open, Close, Save and Save As, and the two
// walks between the pages and a calculator document (document/CalculatorDocument.h).
//
//   Open:  file -> ReadDocument (every line checked) -> the schedule's annual rows
//          checked -> ApplyDocument -> current document, caption, schedule steps
//   Save:  GatherDocument -> WriteDocument -> QSaveFile (the old file is replaced only
//          by a complete new one)
// A file that is no document, or one that cannot be read or written, ends in the
// application-wide handler's "An unidentified error has occurred." with nothing changed.
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStackedWidget>
#include <exception>
#include <optional>

#include "app/AppInfo.h"
#include "app/DocumentFields.h"
#include "app/FileDialogs.h"
#include "app/Main.h"
#include "calculators/Amortization.h"
#include "calculators/AmortizationPage.h"
#include "calculators/CapRatePage.h"
#include "calculators/TabulonPage.h"
#include "document/CalculatorDocument.h"
#include "widgets/Guarded.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

// A document is a few megabytes at most (32,767 schedule lines); anything far larger is
// refused before it is read into memory.
constexpr qint64 kLargestDocumentFile = 16 * 1024 * 1024;

// The choice groups that take their line only while they are visible.
bool setOnlyWhileVisible(const std::string& name) {
  return name == "rgCapRateSolveFor" || name == "rgCalculate" || name == "rgLoan" || name == "rgPayments" ||
         name == "rgInterest";
}

// The pages' controls by name (the first of a name wins).
QHash<QString, QWidget*> controlsByName(const QWidget& root) {
  QHash<QString, QWidget*> byName;
  for (QWidget* w : root.findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (!name.isEmpty() && !byName.contains(name)) byName.insert(name, w);
  }
  return byName;
}

TCalculatorDocument loadDocumentFile(const QString& fullPath) {
  QFile file(fullPath);
  if (!file.open(QIODevice::ReadOnly)) throw EDocumentError("cannot open " + fullPath.toStdString());
  if (file.size() > kLargestDocumentFile) throw EDocumentError(fullPath.toStdString() + " is too large");
  const QByteArray bytes = file.read(kLargestDocumentFile + 1);
  if (bytes.size() > kLargestDocumentFile || file.error() != QFileDevice::NoError)
    throw EDocumentError("cannot read " + fullPath.toStdString());
  TCalculatorDocument document = ReadDocument(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  // The annual grid is built from the schedule's texts: rows it cannot read make the
  // file unusable, found out before anything is applied.
  try {
    const std::vector<ScheduleRow>& rows = document.schedule;
    BuildAnnualRows(static_cast<int>(rows.size()),
                    [&rows](int col, int row) {
                      // Cells of rows the grid will not have read as empty, as the grid's do.
                      if (row < 1 || row > static_cast<int>(rows.size()) || col < 0 || col > 7) return std::string();
                      return rows[static_cast<size_t>(row - 1)][static_cast<size_t>(col)];
                    });
  } catch (const std::exception& e) {
    throw EDocumentError(std::string("the schedule cannot be read: ") + e.what());
  }
  return document;
}

}  // namespace

// ---- the walks ---------------------------------------------------------------------------------

TCalculatorDocument TfrmMain::GatherDocument() const {
  TCalculatorDocument document;
  document.SetInteger("DefaultValueSet", defaultValueSet_);
  document.SetReal("Loan", settings_.loan);
  document.SetReal("Interest", settings_.interest);
  document.SetInteger("Term", settings_.term);
  document.SetReal("Payment", settingsPayment_);
  document.SetReal("Federal", settings_.federal);
  document.SetReal("State", settings_.state);
  document.SetReal("Downpayment", settings_.downpayment);
  document.SetInteger("DefaultCalc", settings_.defaultCalc);

  const QHash<QString, QWidget*> controls = controlsByName(*nbkMain_);
  const auto& lines = DocumentLines();
  for (size_t i = kDocumentSettingsLines; i < lines.size(); ++i) {
    // A page this version does not have keeps the zero of its lines.
    if (const QWidget* control = controls.value(QString::fromStdString(lines[i].name)))
      document.values[i] = ReadDocumentField(*control, lines[i].kind);
  }

  // The schedule's rows; a grid whose rows are all empty (no schedule was built since the
  // last reset) has none.
  const TTextGrid& grid = *amortization_->grdAmortization();
  document.schedule.resize(static_cast<size_t>(std::max(grid.RowCount() - 1, 0)));
  bool anyText = false;
  for (size_t r = 0; r < document.schedule.size(); ++r) {
    for (int c = 0; c < 8; ++c) {
      std::string& cell = document.schedule[r][static_cast<size_t>(c)];
      cell = grid.CellUtf8(c, static_cast<int>(r) + 1);
      anyText = anyText || !cell.empty();
    }
  }
  if (!anyText) document.schedule.clear();
  return document;
}

void TfrmMain::ApplyDocument(const TCalculatorDocument& document) {
  defaultValueSet_ = settings_.defaultValueSet = document.Integer("DefaultValueSet");
  settings_.loan = document.Real("Loan");
  settings_.interest = document.Real("Interest");
  settings_.term = document.Integer("Term");
  settingsPayment_ = settings_.payment = document.Real("Payment");
  settings_.federal = document.Real("Federal");
  settings_.state = document.Real("State");
  settings_.downpayment = document.Real("Downpayment");
  settings_.defaultCalc = document.Integer("DefaultCalc");

  // A choice's click handler may fail on the values it finds (a math error of the
  // Tabulon grid): the rest of the document is applied all the same, and the first such
  // error is passed on at the end.
  std::exception_ptr firstError;
  const auto run = [&firstError](auto&& step) {
    try {
      step();
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
    }
  };

  const QHash<QString, QWidget*> controls = controlsByName(*nbkMain_);
  const auto& lines = DocumentLines();
  for (size_t i = kDocumentSettingsLines; i < lines.size(); ++i) {
    QWidget* control = controls.value(QString::fromStdString(lines[i].name));
    if (!control) continue;
    if (setOnlyWhileVisible(lines[i].name) && !control->isVisibleTo(control->parentWidget())) continue;
    run([&] { WriteDocumentField(*control, document.values[i]); });
  }

  TTextGrid& grid = *amortization_->grdAmortization();
  grid.BeginUpdate();
  grid.SetRowCount(static_cast<int>(document.schedule.size()) + 1);
  for (size_t r = 0; r < document.schedule.size(); ++r)
    for (int c = 0; c < 8; ++c) grid.SetCellUtf8(c, static_cast<int>(r) + 1, document.schedule[r][static_cast<size_t>(c)]);
  grid.EndUpdate();
  run([this] { amortization_->FillGrdAnnualAmortization(); });
  amortization_->CreatePrepaymentList();

  const QString key = CurrentPageKey();
  if (key == "TB") run([this] { tabulon_->ChooseTabulonCalculator(); });
  if (key == "pgCapRate") run([this] { capRate_->CalcCapRate(); });
  if (firstError) std::rethrow_exception(firstError);
}

// ---- the commands ----------------------------------------------------------------------------------

void TfrmMain::mnuFileCloseClick() {
  if (!currentFileName_.isEmpty()) setWindowTitle(kAppTitle);
}

void TfrmMain::btnOpenClick() {
  mnuFileCloseClick();
  const QString chosen = ChooseDocumentToOpen(this);
  if (chosen.isEmpty()) return;
  OpenDocumentFile(chosen);
}

bool TfrmMain::OpenDocumentFile(const QString& fullPath) {
  bool opened = false;
  Guarded([&] {
    const QFileInfo info(fullPath);
    std::exception_ptr calculation;
    if (info.exists()) {
      const TCalculatorDocument document = loadDocumentFile(fullPath);
      // A value too wide for its field (a term of ten digits) shows as stars and could not
      // be read again: such a file is put back to what was shown before and refused, so
      // no page is left failing on every calculation and every save.
      std::optional<TCalculatorDocument> before;
      try {
        before = GatherDocument();
      } catch (...) {
      }
      try {
        ApplyDocument(document);
      } catch (...) {
        calculation = std::current_exception();
      }
      if (before) {
        try {
          (void)GatherDocument();
        } catch (...) {
          try {
            ApplyDocument(*before);
          } catch (...) {
          }
          throw EDocumentError(fullPath.toStdString() + " holds values its fields cannot show");
        }
      }
      currentFileName_ = info.absoluteFilePath();
      opened = true;
    }
    setWindowTitle(kAppTitle + " - " + info.fileName());
    if (amortization_->grdAmortization()->isVisible()) {  // on show: the page current, the monthly view
      try {
        amortization_->CalcAmortization();
      } catch (...) {
        if (!calculation) calculation = std::current_exception();
      }
    }
    amortization_->CreatePrepaymentList();
    update();
    if (calculation) std::rethrow_exception(calculation);
  });
  return opened;
}

void TfrmMain::SaveDocumentTo(const QString& fileName) {
  const std::string bytes = WriteDocument(GatherDocument());
  amortization_->CreatePrepaymentList();
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.commit())
    throw EDocumentError("cannot write " + fileName.toStdString() + ": " + file.errorString().toStdString());
}

void TfrmMain::btnSaveClick() {
  if (!currentFileName_.isEmpty()) SaveDocumentTo(currentFileName_);
  else saveUnderChosenName();
  update();
}

void TfrmMain::mnuFileSaveAsClick() {
  saveUnderChosenName();
  update();
  amortization_->CreatePrepaymentList();
}

void TfrmMain::saveUnderChosenName() {
  const QString chosen = ChooseDocumentToSave(this);
  if (chosen.isEmpty()) return;
  SaveDocumentTo(chosen);
  currentFileName_ = chosen;
  setWindowTitle(kAppTitle + " - " + QFileInfo(chosen).fileName());
}

}  // namespace zeb
