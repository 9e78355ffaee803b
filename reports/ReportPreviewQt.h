#pragma once
// TPreviewWindow: the modal "Preview" of a built report. A tool bar (zoom, print, help
// or page set-up as the report has them, "Save as PDF…", "Save as CSV…" on the
// data-driven reports, close) above a view of the pages laid one under the other.
// Only the pages in sight are drawn, so a report of hundreds of pages opens at once.
#include <QAbstractScrollArea>
#include <QDialog>

#include "reports/ReportsQt.h"

class QLabel;
class QToolBar;
class QAction;

namespace zeb {

class TPageView : public QAbstractScrollArea {
  Q_OBJECT
public:
  TPageView(const TPageDescription& pages, QWidget* parent);
  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  void FitWidth();
  void FitPage();
  // The page at the top of the view (from 0).
  int CurrentPage() const;
  // Pages drawn by the last paint, for tests of the drawing on demand.
  int PagesDrawn() const { return pagesDrawn_; }

signals:
  void ViewChanged();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

private:
  int pageStride() const;
  void updateScrollBars();
  const TPageDescription& pages_;
  double zoom_ = 1.0;
  int pagesDrawn_ = 0;
};

class TPreviewWindow : public QDialog {
  Q_OBJECT
public:
  TPreviewWindow(TPageDescription pages, TPreviewOptions options, QPrinter& printer, QWidget* parent);
  const TPageDescription& Pages() const { return pages_; }
  TPageView* View() const { return view_; }
  QAction* Action(const char* objectName) const;
  // The tool bar's commands; the Save ones ask for a file name first.
  void PrintClick();
  void SavePdfClick();
  void SaveCsvClick();
  // Writes the file and tells the user of a failure; returns whether it was written.
  bool SavePdfTo(const QString& fileName);
  bool SaveCsvTo(const QString& fileName);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QAction* addCommand(const char* name, const QString& text, const QKeySequence& key, void (TPreviewWindow::*slot)());
  QString askFileName(const QString& caption, const QString& filter, const QString& suffix);
  void updatePageLabel();
  TPageDescription pages_;
  TPreviewOptions options_;
  QPrinter& printer_;
  QToolBar* toolBar_ = nullptr;
  TPageView* view_ = nullptr;
  QLabel* pageLabel_ = nullptr;
};

}  // namespace zeb
