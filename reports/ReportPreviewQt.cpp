#include "reports/ReportPreviewQt.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QPainter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QKeyEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/DialogSeam.h"
#include "widgets/Guarded.h"
#include "widgets/Messages.h"

namespace zeb {
namespace {

constexpr int kGap = 16;  // grey space around the pages, in screen pixels
constexpr double kMinZoom = 0.25, kMaxZoom = 4.0, kZoomStep = 1.25;

}  // namespace

// ---- page view -----------------------------------------------------------------------------

TPageView::TPageView(const TPageDescription& pages, QWidget* parent) : QAbstractScrollArea(parent), pages_(pages) {
  setObjectName("pvPages");
  viewport()->setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(40);
  setFocusPolicy(Qt::StrongFocus);
}

int TPageView::pageStride() const {
  return static_cast<int>(std::lround(TPageDescription::kPageHeight * zoom_)) + kGap;
}

void TPageView::SetZoom(double zoom) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  // Keep the page at the top in sight across the change.
  const double at = verticalScrollBar()->value() / static_cast<double>(pageStride());
  zoom_ = zoom;
  updateScrollBars();
  verticalScrollBar()->setValue(static_cast<int>(at * pageStride()));
  viewport()->update();
  emit ViewChanged();
}

void TPageView::FitWidth() {
  SetZoom((viewport()->width() - 2.0 * kGap) / TPageDescription::kPageWidth);
}

void TPageView::FitPage() {
  SetZoom(std::min((viewport()->width() - 2.0 * kGap) / TPageDescription::kPageWidth,
                   (viewport()->height() - 2.0 * kGap) / TPageDescription::kPageHeight));
}

int TPageView::CurrentPage() const {
  const int count = static_cast<int>(pages_.pages.size());
  return std::clamp((verticalScrollBar()->value() + pageStride() / 3) / pageStride(), 0, std::max(0, count - 1));
}

void TPageView::updateScrollBars() {
  const int pageWidth = static_cast<int>(std::lround(TPageDescription::kPageWidth * zoom_));
  const long total = static_cast<long>(pages_.pages.size()) * pageStride() + kGap;
  verticalScrollBar()->setRange(0, static_cast<int>(std::max(0L, total - viewport()->height())));
  verticalScrollBar()->setPageStep(viewport()->height());
  horizontalScrollBar()->setRange(0, std::max(0, pageWidth + 2 * kGap - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
}

void TPageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void TPageView::scrollContentsBy(int, int) {
  viewport()->update();
  emit ViewChanged();
}

void TPageView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const int pageWidth = static_cast<int>(std::lround(TPageDescription::kPageWidth * zoom_));
  const int pageHeight = pageStride() - kGap;
  const int top = verticalScrollBar()->value();
  const int left = std::max(kGap, (viewport()->width() - pageWidth) / 2) - horizontalScrollBar()->value();
  const int count = static_cast<int>(pages_.pages.size());
  const int first = std::max(0, (top - kGap) / pageStride());
  pagesDrawn_ = 0;
  for (int i = first; i < count; ++i) {
    const int y = kGap + i * pageStride() - top;
    if (y > event->rect().bottom()) break;
    const QRect sheet(left, y, pageWidth, pageHeight);
    if (!sheet.intersects(event->rect())) continue;
    painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 80));
    painter.fillRect(sheet, Qt::white);
    painter.save();
    painter.setClipRect(sheet);
    painter.translate(sheet.topLeft());
    painter.scale(zoom_, zoom_);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    DrawReportPage(painter, pages_.pages[static_cast<std::size_t>(i)]);
    painter.restore();
    ++pagesDrawn_;
  }
}

// ---- window --------------------------------------------------------------------------------

TPreviewWindow::TPreviewWindow(TPageDescription pages, TPreviewOptions options, QPrinter& printer, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)), options_(std::move(options)), printer_(printer) {
  setObjectName("dlgPrintPreview");
  setWindowTitle("Preview");
  setProperty("shownText", QString::fromStdString(pages_.title));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName("tbPreview");
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  view_ = new TPageView(pages_, this);
  layout->addWidget(toolBar_);
  layout->addWidget(view_, 1);

  addCommand("actZoomOut", "Zoom &Out", QKeySequence::ZoomOut, nullptr);
  addCommand("actZoomIn", "Zoom &In", QKeySequence::ZoomIn, nullptr);
  addCommand("actPageWidth", "Page &Width", QKeySequence(), nullptr);
  addCommand("actWholePage", "&Whole Page", QKeySequence(), nullptr);
  connect(Action("actZoomOut"), &QAction::triggered, this, [this] { view_->SetZoom(view_->Zoom() / kZoomStep); });
  connect(Action("actZoomIn"), &QAction::triggered, this, [this] { view_->SetZoom(view_->Zoom() * kZoomStep); });
  connect(Action("actPageWidth"), &QAction::triggered, view_, &TPageView::FitWidth);
  connect(Action("actWholePage"), &QAction::triggered, view_, &TPageView::FitPage);
  toolBar_->addSeparator();
  addCommand("actPrint", "&Print", QKeySequence::Print, &TPreviewWindow::PrintClick);
  if (options_.pageSetup) {
    QAction* setup = addCommand("actPageSetup", "Page &Setup...", QKeySequence(), nullptr);
    connect(setup, &QAction::triggered, this, [this] {
      Guarded([this] { if (options_.onPageSetup) options_.onPageSetup(); });
    });
  }
  addCommand("actSavePdf", "Save as P&DF\u2026", QKeySequence(), &TPreviewWindow::SavePdfClick);
  if (options_.csv) addCommand("actSaveCsv", "Save as &CSV\u2026", QKeySequence(), &TPreviewWindow::SaveCsvClick);
  toolBar_->addSeparator();
  if (options_.help) {
    QAction* help = addCommand("actHelp", "&Help", QKeySequence::HelpContents, nullptr);
    connect(help, &QAction::triggered, this, [this] { Guarded([this] { if (options_.onHelp) options_.onHelp(); }); });
  }
  QAction* close = addCommand("actClose", "&Close", QKeySequence(), nullptr);
  connect(close, &QAction::triggered, this, &QDialog::reject);
  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName("lblPreviewPage");
  pageLabel_->setContentsMargins(12, 0, 8, 0);
  toolBar_->addWidget(pageLabel_);
  connect(view_, &TPageView::ViewChanged, this, &TPreviewWindow::updatePageLabel);
  updatePageLabel();
  // Every command is reachable by Tab, and Enter presses it as Space does.
  for (QToolButton* button : toolBar_->findChildren<QToolButton*>()) {
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(this);
  }
  resize(900, 720);
  view_->setFocus();
}

QAction* TPreviewWindow::addCommand(const char* name, const QString& text, const QKeySequence& key,
                                    void (TPreviewWindow::*slot)()) {
  QAction* action = toolBar_->addAction(text);
  action->setObjectName(name);
  if (!key.isEmpty()) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  if (slot) connect(action, &QAction::triggered, this, [this, slot] { Guarded([this, slot] { (this->*slot)(); }); });
  return action;
}

bool TPreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      button->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

QAction* TPreviewWindow::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

void TPreviewWindow::updatePageLabel() {
  pageLabel_->setText(QString("Page %1 of %2   %3%")
                          .arg(view_->CurrentPage() + 1)
                          .arg(pages_.pages.size())
                          .arg(std::lround(view_->Zoom() * 100)));
}

void TPreviewWindow::PrintClick() { PrintReportPages(pages_, printer_, this); }

QString TPreviewWindow::askFileName(const QString& caption, const QString& filter, const QString& suffix) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QString base = QString::fromStdString(pages_.title).trimmed();
  base.replace(QRegularExpression(R"([\\/:*?"<>|])"), "-");
  if (base.isEmpty()) base = QString::fromStdString(pages_.report);
  QFileDialog dialog(this, caption, QDir(folder).filePath(base + "." + suffix), filter);
  dialog.setObjectName("dlgSaveReport");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  if (ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void TPreviewWindow::SavePdfClick() {
  const QString name = askFileName("Save as PDF", "PDF files (*.pdf)", "pdf");
  if (!name.isEmpty()) SavePdfTo(name);
}

void TPreviewWindow::SaveCsvClick() {
  const QString name = askFileName("Save as CSV", "CSV files (*.csv)", "csv");
  if (!name.isEmpty()) SaveCsvTo(name);
}

bool TPreviewWindow::SavePdfTo(const QString& fileName) {
  const TOutputResult result = SaveReportPdf(pages_, fileName, this);
  if (result == TOutputResult::Failed)
    ShowInformation("The PDF file \"" + QDir::toNativeSeparators(fileName) +
                    "\" could not be written. Check that the folder exists and that you may write to it.");
  return result == TOutputResult::Done;
}

bool TPreviewWindow::SaveCsvTo(const QString& fileName) {
  if (SaveReportCsv(pages_, options_.csvHeader, fileName)) return true;
  ShowInformation("The CSV file \"" + QDir::toNativeSeparators(fileName) +
                  "\" could not be written. Check that the folder exists and that you may write to it.");
  return false;
}

}  // namespace zeb
